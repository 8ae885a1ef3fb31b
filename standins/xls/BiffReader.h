#pragma once
// Reads the cell values of every worksheet from a BIFF8 workbook stream
// (Excel 97-2003), whichever program wrote it. A malformed stream ends in an
// XlsError.
#include <cstdint>
#include <vector>

#include "Workbook.h"

namespace xls {

class BiffReader {
 public:
  static Workbook Read(const std::vector<uint8_t>& stream);
};

}  // namespace xls
