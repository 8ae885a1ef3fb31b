#include "Sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace xls {

std::u16string Cell::DisplayText() const {
  switch (type) {
    case Type::Text:
    case Type::Error:
      return std::u16string(text.begin(), text.end());
    case Type::Boolean:
      return number != 0 ? u"TRUE" : u"FALSE";
    case Type::Number:
      break;
  }
  char buffer[40];
  if (std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 1e15)
    std::snprintf(buffer, sizeof buffer, "%.0f", number);
  else
    std::snprintf(buffer, sizeof buffer, "%.15g", number);
  return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

uint16_t Sheet::ColumnCount() const {
  uint16_t count = 0;
  for (const Row& row : rows_)
    if (!row.empty()) count = std::max<uint16_t>(count, row.back().column + 1);
  return count;
}

const Cell* FindCell(const Row& cells, uint16_t column) {
  auto it = std::lower_bound(cells.begin(), cells.end(), column,
                             [](const Cell& c, uint16_t col) { return c.column < col; });
  return it != cells.end() && it->column == column ? &*it : nullptr;
}

const Cell* Sheet::Find(uint32_t row, uint16_t column) const {
  return row < rows_.size() ? FindCell(rows_[row], column) : nullptr;
}

void Sheet::SetCell(uint32_t row, Cell cell) {
  const bool empty = cell.type == Cell::Type::Text && cell.text.empty();
  if (row >= rows_.size()) {
    if (empty) return;
    rows_.resize(row + 1);
  }
  Row& cells = rows_[row];
  auto it = std::lower_bound(cells.begin(), cells.end(), cell.column,
                             [](const Cell& c, uint16_t col) { return c.column < col; });
  if (it != cells.end() && it->column == cell.column) {
    if (empty)
      cells.erase(it);
    else
      *it = std::move(cell);
  } else if (!empty) {
    cells.insert(it, std::move(cell));
  }
  if (empty) TrimEmptyTail();
}

void Sheet::SetRowTexts(uint32_t row, uint16_t firstColumn, const std::vector<std::u16string>& texts) {
  // One block for the row's cells, not one for each size on the way there.
  if (row >= rows_.size()) rows_.resize(row + 1);
  rows_[row].reserve(rows_[row].size() + texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    Cell cell;
    cell.column = static_cast<uint16_t>(firstColumn + i);
    cell.text.assign(texts[i].begin(), texts[i].end());
    SetCell(row, std::move(cell));
  }
  TrimEmptyTail();
}

void Sheet::TrimEmptyTail() {
  while (!rows_.empty() && rows_.back().empty()) rows_.pop_back();
}

}  // namespace xls
