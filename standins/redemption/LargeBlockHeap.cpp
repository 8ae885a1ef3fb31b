// Blocks of 4 KB and more that this server allocates come from a heap of their own. Most of
// them live briefly (a block on its way to the file, a table laid out again at a commit); freed
// among the store's long-lived small allocations (its block and node maps, folder rows) they
// left the C runtime's heap full of gaps, and Wine's heap walks its free blocks over 4 KB for
// every such request, so that a save became dearer with every item. Each allocation carries a
// word that says which heap it came from.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

constexpr size_t kLarge = 4000;
constexpr size_t kTag = 16;   // keeps the default alignment of what follows it

HANDLE LargeBlocks()
{
    static const HANDLE heap = HeapCreate(0, 0, 0);
    return heap;
}

}

void* operator new(size_t size)
{
    const bool large = size >= kLarge;
    void* block = large ? HeapAlloc(LargeBlocks(), 0, size + kTag) : std::malloc(size + kTag);
    if (!block)
        throw std::bad_alloc();
    *static_cast<size_t*>(block) = large;
    return static_cast<char*>(block) + kTag;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    void* block = static_cast<char*>(p) - kTag;
    if (*static_cast<size_t*>(block))
        HeapFree(LargeBlocks(), 0, block);
    else
        std::free(block);
}

void operator delete(void* p, size_t) noexcept
{
    operator delete(p);
}
