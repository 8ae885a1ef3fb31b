#pragma once
// Serialises a workbook into a BIFF8 workbook stream (Excel 97-2003): the
// globals with one shared-string table, then one substream per worksheet.
// Runs in one pass over the cells, so its cost grows with the workbook's size.
#include <cstdint>
#include <vector>

#include "SheetLayout.h"
#include "Workbook.h"

namespace xls {

class BiffWriter {
 public:
  static std::vector<uint8_t> Write(const Workbook& book, SheetLayout* lastSheet = nullptr);
  // Appends the cell records of the sheet's rows from firstRow on, their texts
  // inline so that the shared-string table stays as it is. False (and nothing
  // appended) when a text needs more than one record.
  static bool WriteCells(std::vector<uint8_t>& out, const Sheet& sheet, uint32_t firstRow);
  // Sets the row and column counts of a DIMENSIONS record.
  static void SetDimensions(uint8_t* record, uint32_t rows, uint16_t columns);
};

}  // namespace xls
