#pragma once
#include <cstddef>

namespace xls {

// Where the last worksheet's substream holds what appending rows changes.
struct SheetLayout {
  size_t dimensions = 0;  // offset of its DIMENSIONS record
  size_t cellsEnd = 0;    // offset after its last cell record
  size_t end = 0;         // offset after its EOF record
};

}  // namespace xls
