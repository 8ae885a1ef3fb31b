#pragma once
// Reads the cell values of every worksheet from a BIFF8 workbook stream
// (Excel 97-2003), whichever program wrote it. A malformed stream ends in an
// XlsError.
#include <cstdint>
#include <optional>
#include <vector>

#include "SheetLayout.h"
#include "Workbook.h"

namespace xls {

class BiffReader {
 public:
  static Workbook Read(const std::vector<uint8_t>& stream);
  // Where the last worksheet's records lie, when the stream ends with it laid
  // out as BiffWriter writes one (DIMENSIONS, cell records, WINDOW2, EOF, then
  // zeros only); nothing otherwise. Read checks the records; this one only
  // walks their headers.
  static std::optional<SheetLayout> LastSheetLayout(const std::vector<uint8_t>& stream);
};

}  // namespace xls
