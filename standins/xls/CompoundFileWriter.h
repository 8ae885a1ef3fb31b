#pragma once
// Writes a compound file (512-byte sectors) that holds one stream under the
// root, as an Office 97-2003 workbook does. Streams under the 4096-byte cut-off
// go into the small-sector container, larger ones into whole sectors.
#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

#include "CompoundLayout.h"

namespace xls {

class CompoundFileWriter {
 public:
  static CompoundLayout Write(std::ostream& out, std::u16string_view streamName, const std::vector<uint8_t>& stream);
};

}  // namespace xls
