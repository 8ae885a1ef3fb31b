#pragma once
// One worksheet held in memory: rows of cells, sparse by column, the row index
// being the sheet row (0 = first row). Text is UTF-16 throughout.
#include <cstdint>
#include <string>
#include <vector>

#include "SheetAllocator.h"

namespace xls {

struct Cell {
  enum class Type : uint8_t { Text, Number, Boolean, Error };
  uint16_t column = 0;
  Type type = Type::Text;
  double number = 0;    // Number; Boolean as 0 or 1; Error as its code
  CellText text;  // Text; Error as its display text

  // What a reader of the sheet sees in the cell, numbers in the General form.
  std::u16string DisplayText() const;
};

using Row = std::vector<Cell, SheetAllocator<Cell>>;  // ascending columns, no empty cells

const Cell* FindCell(const Row& row, uint16_t column);

class Sheet {
 public:
  static constexpr uint32_t kMaxRows = 65536;
  static constexpr uint32_t kMaxColumns = 256;
  static constexpr size_t kMaxCellText = 32767;

  explicit Sheet(std::u16string name) : name_(std::move(name)) {}

  const std::u16string& Name() const { return name_; }
  // Rows up to the last one holding a cell.
  uint32_t RowCount() const { return static_cast<uint32_t>(rows_.size()); }
  const Row& RowAt(uint32_t row) const { return rows_[row]; }
  // One past the rightmost column holding a cell.
  uint16_t ColumnCount() const;
  const Cell* Find(uint32_t row, uint16_t column) const;

  // Sets (or replaces) one cell; an empty text clears it. Row and column must
  // lie inside the sheet's limits.
  void SetCell(uint32_t row, Cell cell);
  // Writes the texts into one row from the given column on (empty ones skipped).
  void SetRowTexts(uint32_t row, uint16_t firstColumn, const std::vector<std::u16string>& texts);
  void Clear() { rows_.clear(); }

 private:
  void TrimEmptyTail();

  std::u16string name_;
  std::vector<Row, SheetAllocator<Row>> rows_;
};

}  // namespace xls
