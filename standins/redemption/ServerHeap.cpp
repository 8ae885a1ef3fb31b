// Every allocation of this server comes from a heap of its own, not the C runtime's, which
// the program and the Notes library share. A save allocates and frees the same few sizes for
// every item (values, blocks on their way to the file, strings of a body) among long-lived
// small allocations (the store's block and node maps). Freed among those, they left Wine's
// heap with long lists of free blocks that each request of a size a little larger walked
// through, so that a save became dearer with every item. Blocks up to 4 KB are therefore kept
// by size class: a freed block waits for the next request of its class, and a request never
// searches. Larger blocks come from a Wine heap that holds nothing small. Each allocation
// carries a word that says where it came from.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <new>

namespace {

constexpr size_t kTag = 16;   // keeps the default alignment of what follows it
constexpr size_t kLargestKept = 4096;
constexpr size_t kChunk = 256 * 1024;
// Classes of 16 bytes up to 256, then of 256 bytes up to 4 KB (the tag included).
constexpr size_t kFineClasses = 16, kClasses = kFineClasses + (kLargestKept - 256) / 256;

size_t ClassOf(size_t bytes)
{
    return bytes <= 256 ? (bytes + 15) / 16 - 1 : kFineClasses + (bytes - 256 + 255) / 256 - 1;
}

size_t ClassSize(size_t c)
{
    return c < kFineClasses ? (c + 1) * 16 : 256 + (c - kFineClasses + 1) * 256;
}

HANDLE LargeBlocks()
{
    static const HANDLE heap = HeapCreate(0, 0, 0);
    return heap;
}

struct FreeBlock {
    FreeBlock* next;
};

// The classes' lock. It is almost never contended (the store is used from one thread at a
// time), and Wine's own locks wake waiters on every release, which cost more than the rest
// of an allocation: a flag taken with one atomic exchange does.
class ClassLock {
public:
    void lock()
    {
        while (m_taken.test_and_set(std::memory_order_acquire))
            SwitchToThread();
    }
    void unlock() { m_taken.clear(std::memory_order_release); }

private:
    std::atomic_flag m_taken = ATOMIC_FLAG_INIT;
};

ClassLock classLock;
FreeBlock* freeBlocks[kClasses] = {};
char* chunk = nullptr;
size_t chunkLeft = 0;

void* TakeSmall(size_t c)
{
    classLock.lock();
    void* block = freeBlocks[c];
    if (block) {
        freeBlocks[c] = freeBlocks[c]->next;
    } else {
        const size_t size = ClassSize(c);
        if (chunkLeft < size) {
            // What is left of the last chunk is smaller than any class above it: it stays unused.
            chunk = static_cast<char*>(HeapAlloc(LargeBlocks(), 0, kChunk));
            chunkLeft = chunk ? kChunk : 0;
        }
        if (chunk) {
            block = chunk;
            chunk += size;
            chunkLeft -= size;
        }
    }
    classLock.unlock();
    return block;
}

}

void* operator new(size_t size)
{
    const size_t bytes = size + kTag;
    const bool small = size <= kLargestKept - kTag;
    const size_t c = small ? ClassOf(bytes) : 0;
    void* block = small ? TakeSmall(c) : HeapAlloc(LargeBlocks(), 0, bytes);
    if (!block)
        throw std::bad_alloc();
    *static_cast<size_t*>(block) = small ? c + 1 : 0;
    return static_cast<char*>(block) + kTag;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    void* block = static_cast<char*>(p) - kTag;
    const size_t tag = *static_cast<size_t*>(block);
    if (tag == 0) {
        HeapFree(LargeBlocks(), 0, block);
        return;
    }
    classLock.lock();
    static_cast<FreeBlock*>(block)->next = freeBlocks[tag - 1];
    freeBlocks[tag - 1] = static_cast<FreeBlock*>(block);
    classLock.unlock();
}

void operator delete(void* p, size_t) noexcept
{
    operator delete(p);
}
