#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pst {

// A heap on a node (read side): numbered allocations spread over the node's data blocks,
// and the B-trees that live in such allocations.
class PstHeap {
public:
    explicit PstHeap(std::vector<std::vector<uint8_t>> blocks);

    uint8_t clientSignature() const { return clientSig_; }
    uint32_t userRoot() const { return userRoot_; }
    std::vector<uint8_t> get(uint32_t hid) const;
    // The leaf records (key then data) of the B-tree whose header is at hid.
    std::vector<std::vector<uint8_t>> btreeRecords(uint32_t hid, int keySize, int dataSize) const;

private:
    void collect(uint32_t hid, int keySize, int recordSize, int levels,
                 std::vector<std::vector<uint8_t>>& out) const;

    std::vector<std::vector<uint8_t>> blocks_;
    uint8_t clientSig_ = 0;
    uint32_t userRoot_ = 0;
    mutable size_t visits_ = 0;   // allocations read for the B-tree being gathered
};

// A heap on a node (write side): collects allocations and lays them out in blocks.
class PstHeapWriter {
public:
    static constexpr size_t kMaxAllocation = 3580;

    PstHeapWriter(uint8_t clientSignature, size_t maxBlockData);
    uint32_t add(const std::vector<uint8_t>& bytes);
    void setUserRoot(uint32_t hid) { userRoot_ = hid; }
    // Writes a B-tree of sorted fixed-size records; returns the hid of its header.
    uint32_t addBtree(int keySize, int dataSize, const std::vector<std::vector<uint8_t>>& records);
    // The same in two steps, so that leaves that no longer change can stay where they are:
    // leaves of at most btreeLeafRecords records each (their index entries, key then hid,
    // come back), then the levels above them and the header.
    static size_t btreeLeafRecords(int keySize, int dataSize) { return kMaxAllocation / (keySize + dataSize); }
    std::vector<uint8_t> addBtreeLeaf(int keySize, std::vector<std::vector<uint8_t>>::const_iterator first,
                                      std::vector<std::vector<uint8_t>>::const_iterator last);
    uint32_t addBtreeIndex(int keySize, int dataSize, const std::vector<std::vector<uint8_t>>& leaves);
    std::vector<std::vector<uint8_t>> blocks() const;

    // The heap as it stands, to go back to after allocations that are laid out anew each
    // time (a table's index and header after its rows' values).
    struct Mark {
        size_t blocks = 0, allocations = 0, used = 0;
    };
    Mark mark() const;
    void rollback(const Mark& mark);
    size_t blockCount() const { return allocations_.empty() ? 1 : allocations_.size(); }
    // One block as blocks() gives it.
    std::vector<uint8_t> block(size_t b) const;
    // Whether the block holds the fill levels of other blocks (or the heap's header).
    static bool ownsFillLevels(size_t b) { return b == 0 || (b >= 8 && (b - 8) % 128 == 0); }

private:
    size_t headerSize(size_t block) const;
    size_t blockSize(size_t block) const;

    uint8_t clientSig_;
    size_t maxBlock_;
    uint32_t userRoot_ = 0;
    std::vector<std::vector<std::vector<uint8_t>>> allocations_;   // per block
    std::vector<size_t> used_;
};

}
