#pragma once
// The attributes of an ODBC connection string for the Excel driver:
// "DRIVER={...};DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB="...";DBQ=...".
// Keys are matched without regard to case; a value may stand in braces (a '}'
// in it doubled) or in double or single quotes, which may then hold ';'.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ExcelDatabase.h"

namespace xls {

class ConnectionString {
 public:
  static ConnectionString Parse(std::u16string_view text);

  // The value of a key, or nothing when the key is absent.
  std::optional<std::u16string> Value(std::u16string_view key) const;
  // The workbook file: DBQ, else CREATE_DB; empty when neither is given.
  std::u16string WorkbookPath() const;
  // READONLY and CREATE_DB as the database's open options.
  OpenOptions Options() const;

 private:
  std::vector<std::pair<std::u16string, std::u16string>> attributes_;
};

}  // namespace xls
