#pragma once
// The rows a SELECT answers: column names from the table's first row, then
// the cells below it, read as texts. Holds its own copy of the rows.
#include <cstdint>
#include <string>
#include <vector>

#include "Sheet.h"

namespace xls {

class ResultSet {
 public:
  ResultSet(std::vector<std::u16string> columnNames, std::vector<uint16_t> sheetColumns, std::vector<Row> rows)
      : names_(std::move(columnNames)), sheetColumns_(std::move(sheetColumns)), rows_(std::move(rows)) {}

  const std::vector<std::u16string>& ColumnNames() const { return names_; }
  size_t ColumnCount() const { return names_.size(); }
  size_t RowCount() const { return rows_.size(); }
  // The text of one cell, 0-based; empty for an empty cell.
  std::u16string Value(size_t row, size_t column) const;
  std::vector<std::u16string> RowValues(size_t row) const;

 private:
  std::vector<std::u16string> names_;
  std::vector<uint16_t> sheetColumns_;
  std::vector<Row> rows_;
};

}  // namespace xls
