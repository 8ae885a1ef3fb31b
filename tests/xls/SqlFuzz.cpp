// Any statement or connection string ends in a parsed result or an XlsError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ConnectionString.h"
#include "SqlParser.h"
#include "XlsError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string sql;
  for (size_t i = 0; i + 1 < size; i += 2) sql.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  try {
    xls::SqlParser::Parse(sql);
  } catch (const xls::XlsError&) {
  }
  try {
    xls::ConnectionString::Parse(sql).Options();
  } catch (const xls::XlsError&) {
  }
  return 0;
}
