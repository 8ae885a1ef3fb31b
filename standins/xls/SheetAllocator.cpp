#include "SheetAllocator.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

namespace xls {

#ifdef _WIN32
namespace {

HANDLE SheetHeap() {
  static const HANDLE heap = HeapCreate(0, 0, 0);
  return heap;
}

}  // namespace

void* AllocateSheetMemory(size_t bytes) {
  void* block = SheetHeap() ? HeapAlloc(SheetHeap(), 0, bytes) : nullptr;
  if (!block) throw std::bad_alloc();
  return block;
}

void FreeSheetMemory(void* block) { HeapFree(SheetHeap(), 0, block); }
#else
void* AllocateSheetMemory(size_t bytes) { return ::operator new(bytes); }

void FreeSheetMemory(void* block) { ::operator delete(block); }
#endif

}  // namespace xls
