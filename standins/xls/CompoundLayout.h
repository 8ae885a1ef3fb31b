#pragma once
// Where a compound file keeps its parts, as its writer made them or its reader
// found them, for later writes in place.
#include <cstdint>
#include <vector>

namespace xls {

struct CompoundLayout {
  std::vector<uint32_t> fat;            // one entry per sector the FAT sectors can cover
  std::vector<uint32_t> fatSectors;     // the FAT's own sectors, in order
  std::vector<uint32_t> streamSectors;  // the stream's chain (empty for a small stream)
  uint32_t directorySector = 0;
  std::vector<uint32_t> indexSectors;  // FAT index sectors beyond the header's 109 slots
  uint32_t fileSectors = 0;   // sectors after the header
};

}  // namespace xls
