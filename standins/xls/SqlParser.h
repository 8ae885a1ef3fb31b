#pragma once
// Parses one statement of the driver's dialect: SELECT, CREATE TABLE,
// DROP TABLE and INSERT INTO over bracketed sheet names and ranges. Text
// values are in single quotes with '' for a quote inside; any Unicode text
// and line breaks are kept as they stand.
#include <string_view>

#include "SqlStatement.h"

namespace xls {

class SqlParser {
 public:
  static Statement Parse(std::u16string_view sql);
  // "Sheet$A1:IV65536" and the like.
  static TableRef ParseTableName(std::u16string_view name);
};

}  // namespace xls
