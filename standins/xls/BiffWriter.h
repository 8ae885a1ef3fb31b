#pragma once
// Serialises a workbook into a BIFF8 workbook stream (Excel 97-2003): the
// globals with one shared-string table, then one substream per worksheet.
// Runs in one pass over the cells, so its cost grows with the workbook's size.
#include <cstdint>
#include <vector>

#include "Workbook.h"

namespace xls {

class BiffWriter {
 public:
  static std::vector<uint8_t> Write(const Workbook& book);
};

}  // namespace xls
