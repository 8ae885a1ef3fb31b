#include "PstHeap.h"

#include <algorithm>

#include "PstBytes.h"
#include "PstError.h"

namespace pst {

namespace {

[[noreturn]] void damaged()
{
    throw PstError("The PST file is damaged: an item's property heap is malformed.");
}

uint8_t fillLevel(size_t free)
{
    static const size_t limits[] = {3584, 2560, 2048, 1792, 1536, 1280, 1024, 768, 512, 256, 128, 64, 32, 16, 8};
    for (uint8_t i = 0; i < 15; ++i)
        if (free >= limits[i])
            return i;
    return 15;
}

}

PstHeap::PstHeap(std::vector<std::vector<uint8_t>> blocks) : blocks_(std::move(blocks))
{
    if (blocks_.empty() || blocks_[0].size() < 12 || blocks_[0][2] != 0xEC)
        damaged();
    clientSig_ = blocks_[0][3];
    userRoot_ = static_cast<uint32_t>(PstBytes::get(blocks_[0], 4, 4));
}

std::vector<uint8_t> PstHeap::get(uint32_t hid) const
{
    if (hid == 0)
        return {};
    const size_t block = hid >> 16, index = (hid >> 5) & 0x7FF;
    if ((hid & 0x1F) != 0 || block >= blocks_.size() || index == 0)
        damaged();
    const std::vector<uint8_t>& b = blocks_[block];
    const size_t map = PstBytes::get(b, 0, 2);
    const size_t count = PstBytes::get(b, map, 2);
    if (index > count)
        damaged();
    const size_t start = PstBytes::get(b, map + 4 + 2 * (index - 1), 2);
    const size_t end = PstBytes::get(b, map + 4 + 2 * index, 2);
    if (start > end || end > b.size())
        damaged();
    return std::vector<uint8_t>(b.begin() + start, b.begin() + end);
}

std::vector<std::vector<uint8_t>> PstHeap::btreeRecords(uint32_t hid, int keySize, int dataSize) const
{
    const std::vector<uint8_t> header = get(hid);
    if (header.size() < 8 || header[0] != 0xB5 || header[1] != keySize || header[2] != dataSize)
        damaged();
    std::vector<std::vector<uint8_t>> out;
    const uint32_t root = static_cast<uint32_t>(PstBytes::get(header, 4, 4));
    visits_ = 0;
    if (root != 0)
        collect(root, keySize, keySize + dataSize, header[3], out);
    return out;
}

void PstHeap::collect(uint32_t hid, int keySize, int recordSize, int levels,
                      std::vector<std::vector<uint8_t>>& out) const
{
    // Index entries that point back at shared allocations would multiply the work without end.
    if (levels > 8 || ++visits_ > 100000)
        damaged();
    const std::vector<uint8_t> data = get(hid);
    const size_t size = levels > 0 ? keySize + 4 : recordSize;
    for (size_t i = 0; i + size <= data.size(); i += size) {
        if (levels > 0)
            collect(static_cast<uint32_t>(PstBytes::get(data, i + keySize, 4)), keySize, recordSize, levels - 1, out);
        else
            out.emplace_back(data.begin() + i, data.begin() + i + size);
    }
}

PstHeapWriter::PstHeapWriter(uint8_t clientSignature, size_t maxBlockData)
    : clientSig_(clientSignature), maxBlock_(maxBlockData)
{
}

size_t PstHeapWriter::headerSize(size_t block) const
{
    if (block == 0)
        return 12;
    return (block >= 8 && (block - 8) % 128 == 0) ? 66 : 2;
}

uint32_t PstHeapWriter::add(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() > kMaxAllocation)
        throw PstError("A heap allocation is too large.");
    const auto fits = [&](size_t block) {
        const size_t n = allocations_[block].size();
        const size_t size = headerSize(block) + used_[block] + bytes.size();
        return n < 2000 && size + size % 2 + 4 + 2 * (n + 2) <= maxBlock_;
    };
    if (allocations_.empty() || !fits(allocations_.size() - 1)) {
        allocations_.emplace_back();
        used_.push_back(0);
    }
    const size_t block = allocations_.size() - 1;
    allocations_[block].push_back(bytes);
    used_[block] += bytes.size();
    return static_cast<uint32_t>((block << 16) | (allocations_[block].size() << 5));
}

uint32_t PstHeapWriter::addBtree(int keySize, int dataSize, const std::vector<std::vector<uint8_t>>& records)
{
    const size_t per = btreeLeafRecords(keySize, dataSize);
    std::vector<std::vector<uint8_t>> leaves;
    for (size_t i = 0; i < records.size(); i += per)
        leaves.push_back(addBtreeLeaf(keySize, records.begin() + static_cast<std::ptrdiff_t>(i),
                                      records.begin() + static_cast<std::ptrdiff_t>(std::min(records.size(), i + per))));
    return addBtreeIndex(keySize, dataSize, leaves);
}

std::vector<uint8_t> PstHeapWriter::addBtreeLeaf(int keySize, std::vector<std::vector<uint8_t>>::const_iterator first,
                                                 std::vector<std::vector<uint8_t>>::const_iterator last)
{
    std::vector<uint8_t> chunk;
    for (auto it = first; it != last; ++it)
        chunk.insert(chunk.end(), it->begin(), it->end());
    std::vector<uint8_t> entry(first->begin(), first->begin() + keySize);
    PstBytes::append(entry, add(chunk), 4);
    return entry;
}

uint32_t PstHeapWriter::addBtreeIndex(int keySize, int dataSize, const std::vector<std::vector<uint8_t>>& leaves)
{
    std::vector<uint8_t> header{0xB5, static_cast<uint8_t>(keySize), static_cast<uint8_t>(dataSize), 0, 0, 0, 0, 0};
    if (leaves.empty())
        return add(header);
    const std::vector<std::vector<uint8_t>>* level = &leaves;
    std::vector<std::vector<uint8_t>> upper;
    const size_t per = kMaxAllocation / (keySize + 4);
    uint8_t levels = 0;
    while (level->size() > 1) {
        std::vector<std::vector<uint8_t>> next;
        for (size_t i = 0; i < level->size(); i += per)
            next.push_back(addBtreeLeaf(keySize, level->begin() + static_cast<std::ptrdiff_t>(i),
                                        level->begin() + static_cast<std::ptrdiff_t>(std::min(level->size(), i + per))));
        upper.swap(next);
        level = &upper;
        ++levels;
    }
    header[3] = levels;
    PstBytes::put(header.data() + 4, PstBytes::get(level->front().data() + keySize, 4), 4);
    return add(header);
}

PstHeapWriter::Mark PstHeapWriter::mark() const
{
    if (allocations_.empty())
        return {};
    return {allocations_.size(), allocations_.back().size(), used_.back()};
}

void PstHeapWriter::rollback(const Mark& mark)
{
    allocations_.resize(mark.blocks);
    used_.resize(mark.blocks);
    if (mark.blocks > 0) {
        allocations_.back().resize(mark.allocations);
        used_.back() = mark.used;
    }
}

size_t PstHeapWriter::blockSize(size_t b) const
{
    const size_t n = b < allocations_.size() ? allocations_[b].size() : 0;
    const size_t data = headerSize(b) + (b < used_.size() ? used_[b] : 0);
    return data + data % 2 + 4 + 2 * (n + 1);
}

std::vector<uint8_t> PstHeapWriter::block(size_t b) const
{
    std::vector<uint8_t> data(headerSize(b), 0);
    data.reserve(blockSize(b));   // one allocation a block: a save lays out several blocks each time
    std::vector<uint16_t> offsets{static_cast<uint16_t>(data.size())};
    if (b < allocations_.size()) {
        for (const auto& a : allocations_[b]) {
            data.insert(data.end(), a.begin(), a.end());
            offsets.push_back(static_cast<uint16_t>(data.size()));
        }
    }
    if (data.size() % 2)
        data.push_back(0);
    PstBytes::put(data, 0, data.size(), 2);
    PstBytes::append(data, offsets.size() - 1, 2);
    PstBytes::append(data, 0, 2);
    for (uint16_t o : offsets)
        PstBytes::append(data, o, 2);
    if (b == 0) {
        data[2] = 0xEC;
        data[3] = clientSig_;
        PstBytes::put(data.data() + 4, userRoot_, 4);
    }
    if (ownsFillLevels(b)) {
        // Block 0 keeps the fill levels of blocks 0 to 7, block 8 + 128k those of the next 128.
        const size_t first = b == 0 ? 0 : b, count = b == 0 ? 8 : 128, slot = b == 0 ? 8 : 2;
        for (size_t k = first; k < std::min(blockCount(), first + count); ++k)
            data[slot + (k - first) / 2] |= static_cast<uint8_t>(fillLevel(maxBlock_ - blockSize(k)) << ((k % 2) * 4));
    }
    return data;
}

std::vector<std::vector<uint8_t>> PstHeapWriter::blocks() const
{
    std::vector<std::vector<uint8_t>> out;
    for (size_t b = 0; b < blockCount(); ++b)
        out.push_back(block(b));
    return out;
}

}
