#include "ResultSet.h"

namespace xls {

std::u16string ResultSet::Value(size_t row, size_t column) const {
  const Cell* cell = FindCell(rows_.at(row), sheetColumns_.at(column));
  return cell ? cell->DisplayText() : std::u16string();
}

std::vector<std::u16string> ResultSet::RowValues(size_t row) const {
  std::vector<std::u16string> values;
  values.reserve(names_.size());
  for (size_t c = 0; c < names_.size(); ++c) values.push_back(Value(row, c));
  return values;
}

}  // namespace xls
