#pragma once
// Memory for what a sheet holds (its rows, cells and cell texts). It lives as
// long as the sheet, so it comes from a heap of its own: short-lived blocks
// freed between a sheet's blocks would otherwise riddle the C runtime's heap
// with gaps, and Wine's heap walks its free blocks from the first one big
// enough to be in question for every request, so that each row added cost
// more than the one before.
#include <cstddef>
#include <string>

namespace xls {

void* AllocateSheetMemory(size_t bytes);
void FreeSheetMemory(void* block);

template <typename T>
struct SheetAllocator {
  using value_type = T;
  SheetAllocator() = default;
  template <typename U>
  SheetAllocator(const SheetAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(AllocateSheetMemory(n * sizeof(T))); }
  void deallocate(T* block, size_t) { FreeSheetMemory(block); }
  friend bool operator==(SheetAllocator, SheetAllocator) { return true; }
};

using CellText = std::basic_string<char16_t, std::char_traits<char16_t>, SheetAllocator<char16_t>>;

}  // namespace xls
