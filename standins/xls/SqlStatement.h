#pragma once
// The statements of the driver's SQL dialect, as parsed.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace xls {

// A cell range, 0-based and inclusive.
struct CellRange {
  uint32_t firstRow = 0;
  uint32_t lastRow = 0;
  uint16_t firstColumn = 0;
  uint16_t lastColumn = 0;
};

// [Sheet$], [Sheet$A1:IV65536] or [Sheet]: a worksheet, optionally limited to
// a range whose first row holds the column names.
struct TableRef {
  std::u16string sheet;
  bool worksheetForm = false;  // written with the '$'
  std::optional<CellRange> range;
};

struct SelectStatement {
  TableRef table;
  std::vector<std::u16string> columns;  // empty: every column (*)
};

struct CreateTableStatement {
  TableRef table;
  std::vector<std::u16string> columns;
};

struct DropTableStatement {
  TableRef table;
};

struct InsertStatement {
  TableRef table;
  std::vector<std::u16string> columns;  // empty: the table's columns in order
  std::vector<std::u16string> values;   // NULL is an empty text
};

using Statement = std::variant<SelectStatement, CreateTableStatement, DropTableStatement, InsertStatement>;

}  // namespace xls
