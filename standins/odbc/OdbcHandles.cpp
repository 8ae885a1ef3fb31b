#include "OdbcHandles.h"

#include <exception>

#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace odbc {

SQLRETURN Handle::Fail(std::u16string_view state, std::u16string_view message) {
  diagnostics.push_back({std::u16string(state), std::u16string(kManagerPrefix) + std::u16string(message)});
  return SQL_ERROR;
}

SQLRETURN Handle::FailDriver(const std::string& state, const std::string& message) {
  diagnostics.push_back(
      {textcodec::Utf8::ToUtf16(state), std::u16string(kDriverPrefix) + textcodec::Utf8::ToUtf16(message)});
  return SQL_ERROR;
}

void Handle::Warn(std::u16string_view state, std::u16string_view message) {
  diagnostics.push_back({std::u16string(state), std::u16string(kManagerPrefix) + std::u16string(message)});
}

bool Connection::Persist() {
  if (!database || !database->HasChanges()) return true;
  try {
    database->Persist();
    return true;
  } catch (const xls::XlsError& e) {
    FailDriver(e.SqlState(), e.what());
  } catch (const std::exception& e) {
    FailDriver(xls::kStateGeneral, std::string("The workbook could not be written: ") + e.what());
  }
  return false;
}

void Statement::CloseCursor() {
  rows.reset();
  position = 0;
  partColumn = 0;
  partOffset = 0;
}

HandleTable& HandleTable::Instance() {
  static HandleTable table;
  return table;
}

}  // namespace odbc
