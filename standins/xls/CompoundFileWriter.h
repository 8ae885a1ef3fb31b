#pragma once
// Writes a compound file (512-byte sectors) that holds one stream under the
// root, as an Office 97-2003 workbook does. Streams under the 4096-byte cut-off
// go into the small-sector container, larger ones into whole sectors.
#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace xls {

// Where the written file keeps its parts, for later writes in place.
struct CompoundLayout {
  std::vector<uint32_t> fat;            // one entry per sector the FAT sectors can cover
  std::vector<uint32_t> fatSectors;     // the FAT's own sectors, in order
  std::vector<uint32_t> streamSectors;  // the stream's chain (empty for a small stream)
  uint32_t directorySector = 0;
  std::vector<uint32_t> indexSectors;  // FAT index sectors beyond the header's 109 slots
  uint32_t fileSectors = 0;   // sectors after the header
};

class CompoundFileWriter {
 public:
  static CompoundLayout Write(std::ostream& out, std::u16string_view streamName, const std::vector<uint8_t>& stream);
};

}  // namespace xls
