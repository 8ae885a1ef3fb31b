#include "PstNodeDatabase.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <type_traits>

#include "PstBytes.h"
#include "PstCipher.h"
#include "PstCrc.h"
#include "PstError.h"

namespace pst {

namespace {

constexpr uint64_t kFirstMap = 0x4400;
constexpr uint64_t kRegionSize = 496ull * 8 * 64;
constexpr uint64_t kUnit = 64;
constexpr size_t kPage = 512;
constexpr uint8_t kPageBbt = 0x80, kPageNbt = 0x81, kPageFMap = 0x82, kPagePMap = 0x83, kPageAMap = 0x84,
                  kPageFPMap = 0x85;

const char* const kDamaged = "The PST file is damaged: ";

[[noreturn]] void damaged(const std::string& what)
{
    throw PstError(kDamaged + what);
}

uint64_t regionStart(uint64_t r) { return kFirstMap + r * kRegionSize; }

std::string utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}

PstNodeDatabase::~PstNodeDatabase()
{
    try {
        close();
    } catch (const PstError&) {
        // The last committed header may be lost to a power cut; the state before it is whole.
    }
}

std::unique_ptr<PstNodeDatabase> PstNodeDatabase::open(const std::filesystem::path& path)
{
    std::unique_ptr<PstNodeDatabase> db(new PstNodeDatabase());
    db->path_ = path;
    if (!db->file_.open(path, fileio::PositionedFile::Mode::Read))
        throw PstError("The PST file \"" + utf8(path) + "\" cannot be opened.");
    db->fileSize_ = db->writtenEnd_ = db->file_.size();
    db->loadHeader();
    db->loadAllocation();
    return db;
}

std::unique_ptr<PstNodeDatabase> PstNodeDatabase::create(const std::filesystem::path& path, bool unicode, uint32_t seed)
{
    std::unique_ptr<PstNodeDatabase> db(new PstNodeDatabase());
    db->path_ = path;
    db->unicode_ = unicode;
    db->seed_ = seed;
    if (!db->file_.open(path, fileio::PositionedFile::Mode::Create))
        throw PstError("The PST file \"" + utf8(path) + "\" cannot be created.");
    db->writable_ = true;
    db->header_.assign(unicode ? 564 : 512, 0);
    for (uint32_t& mark : db->nidMarks_)
        mark = 0x400;
    db->nidMarks_[kNidSearchFolder] = 0x4000;
    db->nidMarks_[kNidNormalMessage] = 0x10000;
    db->nidMarks_[kNidAssocMessage] = 0x8000;
    db->addRegion();
    return db;
}

void PstNodeDatabase::loadHeader()
{
    if (fileSize_ < kFirstMap + kPage)
        throw PstError("The file is not a PST file: it is too short.");
    header_ = readRaw(0, 564);
    if (std::memcmp(header_.data(), "!BDN", 4) != 0 || header_[8] != 'S' || header_[9] != 'M')
        throw PstError("The file is not a PST file.");
    const uint16_t version = static_cast<uint16_t>(PstBytes::get(header_.data() + 10, 2));
    if (version == 14 || version == 15)
        unicode_ = false;
    else if (version == 23)
        unicode_ = true;
    else
        throw PstError("The PST file has a format version (" + std::to_string(version) + ") that is not supported.");
    if (PstCrc::compute(header_.data() + 8, 471) != PstBytes::get(header_.data() + 4, 4))
        damaged("its header checksum is wrong.");
    if (unicode_ && PstCrc::compute(header_.data() + 8, 516) != PstBytes::get(header_.data() + 524, 4))
        damaged("its header checksum is wrong.");
    header_.resize(unicode_ ? 564 : 512);
    const uint8_t* h = header_.data();
    crypt_ = h[unicode_ ? 513 : 461];
    if (crypt_ > 1)
        throw PstError("The PST file uses high encryption, which is not supported.");
    for (int i = 0; i < 32; ++i)
        nidMarks_[i] = static_cast<uint32_t>(PstBytes::get(h + (unicode_ ? 44 : 36) + 4 * i, 4));
    uint64_t eof, nbtBid, nbtIb, bbtBid, bbtIb;
    if (unicode_) {
        nextPageBid_ = PstBytes::get(h + 32, 8);
        seed_ = static_cast<uint32_t>(PstBytes::get(h + 40, 4));
        eof = PstBytes::get(h + 184, 8);
        nbtBid = PstBytes::get(h + 216, 8);
        nbtIb = PstBytes::get(h + 224, 8);
        bbtBid = PstBytes::get(h + 232, 8);
        bbtIb = PstBytes::get(h + 240, 8);
        nextBid_ = PstBytes::get(h + 516, 8);
    } else {
        nextBid_ = PstBytes::get(h + 24, 4);
        nextPageBid_ = PstBytes::get(h + 28, 4);
        seed_ = static_cast<uint32_t>(PstBytes::get(h + 32, 4));
        eof = PstBytes::get(h + 168, 4);
        nbtBid = PstBytes::get(h + 184, 4);
        nbtIb = PstBytes::get(h + 188, 4);
        bbtBid = PstBytes::get(h + 192, 4);
        bbtIb = PstBytes::get(h + 196, 4);
    }
    // Bytes past the end the header gives are work of an unfinished save: they are not part of the file.
    if (eof > fileSize_)
        damaged("it is shorter than its header says (truncated?).");
    fileSize_ = eof;
    uint64_t pages = 0;
    loadBtree(nbtIb, nbtBid, true, 0, pages);
    loadBtree(bbtIb, bbtBid, false, 0, pages);
}

void PstNodeDatabase::loadBtree(uint64_t offset, uint64_t bid, bool nodes, int depth, uint64_t& pages)
{
    if (depth > 8 || ++pages > fileSize_ / kPage)
        damaged("a B-tree is malformed.");
    if (offset < kFirstMap || offset % kPage != 0 || offset + kPage > fileSize_)
        damaged("a B-tree page lies outside the file.");
    const std::vector<uint8_t> page = readRaw(offset, kPage);
    const size_t trailer = unicode_ ? 496 : 500;
    const uint8_t type = page[trailer];
    const uint64_t pageBid = unicode_ ? PstBytes::get(page.data() + 504, 8) : PstBytes::get(page.data() + 504, 4);
    const uint32_t crc = static_cast<uint32_t>(PstBytes::get(page.data() + (unicode_ ? 500 : 508), 4));
    if (type != (nodes ? kPageNbt : kPageBbt) || page[trailer + 1] != type || pageBid != bid
        || PstCrc::compute(page.data(), trailer) != crc)
        damaged("a B-tree page is corrupt.");
    const size_t meta = unicode_ ? 488 : 496;
    const unsigned count = page[meta], entrySize = page[meta + 2], level = page[meta + 3];
    const unsigned idSize = unicode_ ? 8 : 4;
    const unsigned wanted = level > 0 ? 3 * idSize : (nodes ? (unicode_ ? 32 : 16) : (unicode_ ? 24 : 12));
    if (entrySize != wanted || count * entrySize > meta)
        damaged("a B-tree page is corrupt.");
    treePages_.push_back(offset);
    for (unsigned i = 0; i < count; ++i) {
        const uint8_t* e = page.data() + i * entrySize;
        if (level > 0) {
            loadBtree(PstBytes::get(e + 2 * idSize, idSize), PstBytes::get(e + idSize, idSize), nodes, depth + 1, pages);
        } else if (nodes) {
            NodeEntry n;
            n.bidData = PstBytes::get(e + idSize, idSize);
            n.bidSub = PstBytes::get(e + 2 * idSize, idSize);
            n.parent = static_cast<uint32_t>(PstBytes::get(e + 3 * idSize, 4));
            nbt_[static_cast<uint32_t>(PstBytes::get(e, 4))] = n;
        } else {
            BlockEntry b;
            b.offset = PstBytes::get(e + idSize, idSize);
            b.size = static_cast<uint16_t>(PstBytes::get(e + 2 * idSize, 2));
            b.refs = static_cast<uint16_t>(PstBytes::get(e + 2 * idSize + 2, 2));
            if (b.offset < kFirstMap || b.offset + b.size > fileSize_)
                damaged("a block lies outside the file.");
            const uint64_t bid = PstBytes::get(e, idSize) & ~uint64_t(1);
            bbt_[bid] = b;
            blockIds_.insert(bid);
        }
    }
}

// The allocation state is rebuilt from what the trees reference, so stale maps do no harm.
void PstNodeDatabase::loadAllocation()
{
    used_.clear();
    mapDirty_.clear();
    freeSpace_.clear();
    const uint64_t eof = fileSize_;
    while (fileSize_ = 0, regionStart(used_.size() * kUnit / kRegionSize) < eof)
        addRegion();
    fileSize_ = regionStart(used_.size() * kUnit / kRegionSize);
    if (fileSize_ != eof)
        damaged("its size does not match its allocation maps.");
    for (uint64_t page : treePages_)
        markUsed(page, kPage, true);
    const size_t trailer = unicode_ ? 16 : 12;
    for (const auto& [bid, b] : bbt_)
        markUsed(b.offset, (b.size + trailer + kUnit - 1) / kUnit * kUnit, true);
}

void PstNodeDatabase::addRegion()
{
    const uint64_t r = used_.size() * kUnit / kRegionSize;
    used_.resize(used_.size() + kRegionSize / kUnit, 0);
    mapDirty_.push_back(true);
    const uint64_t start = regionStart(r);
    fileSize_ = start + kRegionSize;
    freeSpace_.give(r * (kRegionSize / kUnit), kRegionSize / kUnit);
    markUsed(start, kPage, true);
    if (r % 8 == 0)
        markUsed(start + kPage, kPage, true);
    if (r >= 128 && (r - 128) % 496 == 0)
        markUsed(start + 2 * kPage, kPage, true);
    if (r >= 1024 && (r - 1024) % (496 * 8) == 0)
        markUsed(start + 3 * kPage, kPage, true);
}

void PstNodeDatabase::markUsed(uint64_t offset, size_t bytes, bool used)
{
    const uint64_t first = (offset - kFirstMap) / kUnit;
    const uint64_t count = (bytes + kUnit - 1) / kUnit;
    if (offset < kFirstMap || first + count > used_.size())
        damaged("an allocation lies outside the file.");
    // The units whose state changes, a run at a time.
    uint64_t runStart = first, runLength = 0;
    const auto flush = [&] {
        if (used)
            freeSpace_.take(runStart, runLength);
        else
            freeSpace_.give(runStart, runLength);
        runLength = 0;
    };
    for (uint64_t u = first; u < first + count; ++u) {
        if (used_[u] == (used ? 1 : 0)) {
            flush();
            continue;
        }
        used_[u] = used ? 1 : 0;
        mapDirty_[u / (kRegionSize / kUnit)] = true;
        if (runLength == 0)
            runStart = u;
        ++runLength;
    }
    flush();
}

uint64_t PstNodeDatabase::allocate(size_t bytes, size_t alignment)
{
    const uint64_t count = (bytes + kUnit - 1) / kUnit;
    for (;;) {
        if (const auto unit = freeSpace_.find(count, alignment / kUnit, allocationCursor_)) {
            allocationCursor_ = *unit;
            const uint64_t offset = kFirstMap + *unit * kUnit;
            markUsed(offset, bytes, true);
            return offset;
        }
        addRegion();
    }
}

std::vector<uint8_t> PstNodeDatabase::readRaw(uint64_t offset, size_t size) const
{
    if (offset > fileSize_ || fileSize_ - offset < size)
        damaged("data lies outside the file.");
    std::vector<uint8_t> data(size);
    if (unwritten_.overlay(offset, data.data(), size) == size)
        return data;
    if (!file_.read(offset, data.data(), size))
        throw PstError("The PST file \"" + utf8(path_) + "\" cannot be read.");
    // Bytes still held are newer than the file's.
    unwritten_.overlay(offset, data.data(), size);
    return data;
}

void PstNodeDatabase::ensureWritable()
{
    if (writable_)
        return;
    if (!file_.open(path_, fileio::PositionedFile::Mode::ReadWrite))
        throw PstError("The PST file \"" + utf8(path_) + "\" cannot be opened for writing.");
    writable_ = true;
}

void PstNodeDatabase::writeRaw(uint64_t offset, const std::vector<uint8_t>& data)
{
    ensureWritable();
    // Held writes must not overlap: one that would is made after those held.
    if (unwritten_.overlaps(offset, data.size()))
        writeOut();
    unwritten_.add(offset, data.data(), data.size());
    writtenEnd_ = std::max(writtenEnd_, offset + data.size());
    // Saves without commits between them must not hold their attachments in memory.
    constexpr size_t kMostHeld = 4u << 20;
    if (unwritten_.bytes() >= kMostHeld)
        writeOut();
}

void PstNodeDatabase::writeOut()
{
    const auto write = [this](uint64_t offset, const uint8_t* data, size_t size) {
        return file_.write(offset, data, size);
    };
    if (!unwritten_.flush(write))
        throw PstError("The PST file \"" + utf8(path_) + "\" cannot be written (disk full?).");
}

const NodeEntry* PstNodeDatabase::node(uint32_t nid) const
{
    const auto it = nbt_.find(nid);
    return it == nbt_.end() ? nullptr : &it->second;
}

PstNodeDatabase::BlockEntry& PstNodeDatabase::block(uint64_t bid)
{
    const auto it = bbt_.find(bid & ~uint64_t(1));
    if (it == bbt_.end())
        damaged("a block it refers to is missing.");
    return it->second;
}

const PstNodeDatabase::BlockEntry& PstNodeDatabase::block(uint64_t bid) const
{
    return const_cast<PstNodeDatabase*>(this)->block(bid);
}

std::vector<uint8_t> PstNodeDatabase::readBlock(uint64_t bid) const
{
    const BlockEntry& entry = block(bid);
    if (bid & 2) {
        if (const std::vector<uint8_t>* recent = recentInner_.find(bid & ~uint64_t(1)))
            return *recent;
    }
    const size_t trailer = unicode_ ? 16 : 12;
    const size_t total = (entry.size + trailer + kUnit - 1) / kUnit * kUnit;
    std::vector<uint8_t> data = readRaw(entry.offset, total);
    const uint8_t* t = data.data() + total - trailer;
    const uint64_t storedBid = unicode_ ? PstBytes::get(t + 8, 8) : PstBytes::get(t + 4, 4);
    const uint32_t crc = static_cast<uint32_t>(PstBytes::get(t + (unicode_ ? 4 : 8), 4));
    data.resize(entry.size);
    if (PstBytes::get(t, 2) != entry.size || (storedBid & ~uint64_t(1)) != (bid & ~uint64_t(1))
        || PstCrc::compute(data.data(), data.size()) != crc)
        damaged("a block is corrupt.");
    if (crypt_ == 1 && !(bid & 2))
        PstCipher::decode(data);
    return data;
}

void PstNodeDatabase::collectTree(uint64_t bid, int depth, std::vector<std::vector<uint8_t>>& out) const
{
    std::vector<uint8_t> data = readBlock(bid);
    if (!(bid & 2)) {
        // A tree never holds more than the file; more means blocks are listed over and over.
        treeBytes_ += data.size();
        if (treeBytes_ > fileSize_)
            damaged("a data tree is malformed.");
        out.push_back(std::move(data));
        return;
    }
    if (depth > 1 || data.size() < 8 || data[0] != 0x01)
        damaged("a data tree is malformed.");
    const size_t idSize = unicode_ ? 8 : 4;
    const size_t count = PstBytes::get(data, 2, 2);
    for (size_t i = 0; i < count; ++i)
        collectTree(PstBytes::get(data, 8 + i * idSize, static_cast<int>(idSize)), depth + 1, out);
}

std::vector<std::vector<uint8_t>> PstNodeDatabase::readTreeBlocks(uint64_t bid) const
{
    std::vector<std::vector<uint8_t>> out;
    treeBytes_ = 0;
    if (bid != 0)
        collectTree(bid, 0, out);
    return out;
}

std::vector<uint8_t> PstNodeDatabase::readTree(uint64_t bid) const
{
    std::vector<uint8_t> out;
    for (const auto& block : readTreeBlocks(bid))
        out.insert(out.end(), block.begin(), block.end());
    return out;
}

void PstNodeDatabase::collectSubnodes(uint64_t bid, int depth, SubnodeMap& out) const
{
    const std::vector<uint8_t> data = readBlock(bid);
    if (depth > 1 || data.size() < 4 || data[0] != 0x02)
        damaged("a subnode block is malformed.");
    const size_t idSize = unicode_ ? 8 : 4;
    const size_t level = data[1], count = PstBytes::get(data, 2, 2);
    const size_t first = unicode_ ? 8 : 4;
    const int id = static_cast<int>(idSize);
    for (size_t i = 0; i < count; ++i) {
        if (level > 0) {
            collectSubnodes(PstBytes::get(data, first + i * 2 * idSize + idSize, id), depth + 1, out);
        } else {
            const size_t e = first + i * 3 * idSize;
            SubnodeEntry s;
            s.bidData = PstBytes::get(data, e + idSize, id);
            s.bidSub = PstBytes::get(data, e + 2 * idSize, id);
            out[static_cast<uint32_t>(PstBytes::get(data, e, 4))] = s;
        }
    }
}

SubnodeMap PstNodeDatabase::readSubnodes(uint64_t bid) const
{
    SubnodeMap out;
    if (bid != 0)
        collectSubnodes(bid, 0, out);
    return out;
}

uint64_t PstNodeDatabase::writeBlock(const std::vector<uint8_t>& data, bool internal)
{
    const size_t trailer = unicode_ ? 16 : 12;
    const uint64_t bid = nextBid_ | (internal ? 2 : 0);
    nextBid_ += 4;
    const size_t size = data.size();
    const size_t total = (size + trailer + kUnit - 1) / kUnit * kUnit;
    const uint64_t offset = allocate(total, kUnit);
    // The block goes out through one buffer kept for it: blocks are many and of every size,
    // and a heap that must find room for each one anew slows down as the file grows.
    blockBuffer_.assign(data.begin(), data.end());
    if (crypt_ == 1 && !internal)
        PstCipher::encode(blockBuffer_);
    const uint32_t crc = PstCrc::compute(blockBuffer_.data(), size);
    blockBuffer_.resize(total, 0);
    uint8_t* t = blockBuffer_.data() + total - trailer;
    PstBytes::put(t, size, 2);
    PstBytes::put(t + 2, PstCrc::signature(offset, bid), 2);
    if (unicode_) {
        PstBytes::put(t + 4, crc, 4);
        PstBytes::put(t + 8, bid, 8);
    } else {
        PstBytes::put(t + 4, bid, 4);
        PstBytes::put(t + 8, crc, 4);
    }
    writeRaw(offset, blockBuffer_);
    if (internal)
        recentInner_.add(bid, data);
    bbt_[bid] = BlockEntry{offset, static_cast<uint16_t>(size), 2};
    blockIds_.insert(bid);
    blockTree_.changed.insert(bid);
    return bid;
}

uint64_t PstNodeDatabase::writeTree(const std::vector<std::vector<uint8_t>>& blocks)
{
    std::vector<uint64_t> bids(blocks.size(), 0);
    return writeTree(blocks, bids);
}

void PstNodeDatabase::addRef(uint64_t bid)
{
    ++block(bid).refs;
    ++refChanges_[bid & ~uint64_t(1)];
}

uint64_t PstNodeDatabase::writeTree(const std::vector<std::vector<uint8_t>>& blocks, std::vector<uint64_t>& bids)
{
    if (blocks.empty())
        return 0;
    // A block the new tree shares is borrowed: the tree it is shared with is usually the one
    // this tree replaces, which is let go next and hands its reference over.
    const auto leaf = [&](size_t i) -> uint64_t {
        if (bids[i] == 0) {
            bids[i] = writeBlock(blocks[i], false);
            return blocks[i].size();
        }
        const uint64_t bytes = block(bids[i]).size;
        ++borrowed_[bids[i] & ~uint64_t(1)];
        return bytes;
    };
    if (blocks.size() == 1) {
        leaf(0);
        return bids[0];
    }
    const size_t idSize = unicode_ ? 8 : 4;
    const size_t perArray = (maxBlockData() - 8) / idSize;
    struct Ref { uint64_t bid; uint64_t bytes; };
    std::vector<Ref> level;
    level.reserve(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        const uint64_t bytes = leaf(i);
        level.push_back({bids[i], bytes});
    }
    for (int depth = 1; level.size() > 1; ++depth) {
        if (depth > 2)
            throw PstError("The value is too large for a PST file.");
        std::vector<Ref> upper;
        for (size_t i = 0; i < level.size(); i += perArray) {
            const size_t n = std::min(perArray, level.size() - i);
            uint64_t total = 0;
            std::vector<uint8_t> x(8);
            x.reserve(8 + n * idSize);
            for (size_t k = 0; k < n; ++k) {
                total += level[i + k].bytes;
                PstBytes::append(x, level[i + k].bid, static_cast<int>(idSize));
            }
            x[0] = 0x01;
            x[1] = static_cast<uint8_t>(depth);
            PstBytes::put(x, 2, n, 2);
            PstBytes::put(x, 4, total, 4);
            upper.push_back({writeBlock(x, true), total});
        }
        level.swap(upper);
    }
    return level[0].bid;
}

uint64_t PstNodeDatabase::writeTree(const std::vector<uint8_t>& data)
{
    std::vector<std::vector<uint8_t>> blocks;
    const size_t max = maxBlockData();
    for (size_t i = 0; i < data.size(); i += max)
        blocks.emplace_back(data.begin() + i, data.begin() + std::min(data.size(), i + max));
    return writeTree(blocks);
}

uint64_t PstNodeDatabase::writeSubnodes(const SubnodeMap& subnodes)
{
    if (subnodes.empty())
        return 0;
    const int id = unicode_ ? 8 : 4;
    const size_t first = unicode_ ? 8 : 4;
    const size_t perLeaf = (maxBlockData() - first) / (3 * id);
    std::vector<std::pair<uint32_t, uint64_t>> leaves;
    auto it = subnodes.begin();
    while (it != subnodes.end()) {
        std::vector<uint8_t> b(first, 0);
        b[0] = 0x02;
        const uint32_t key = it->first;
        size_t n = 0;
        for (; it != subnodes.end() && n < perLeaf; ++it, ++n) {
            PstBytes::append(b, it->first, id);
            PstBytes::append(b, it->second.bidData, id);
            PstBytes::append(b, it->second.bidSub, id);
        }
        PstBytes::put(b, 2, n, 2);
        leaves.emplace_back(key, writeBlock(b, true));
    }
    if (leaves.size() == 1)
        return leaves[0].second;
    if (leaves.size() > (maxBlockData() - first) / (2 * id))
        throw PstError("The item has too many parts for a PST file.");
    std::vector<uint8_t> b(first, 0);
    b[0] = 0x02;
    b[1] = 1;
    PstBytes::put(b, 2, leaves.size(), 2);
    for (const auto& [key, bid] : leaves) {
        PstBytes::append(b, key, id);
        PstBytes::append(b, bid, id);
    }
    return writeBlock(b, true);
}

void PstNodeDatabase::releaseTree(uint64_t bid)
{
    if (bid == 0)
        return;
    const auto borrowed = borrowed_.find(bid & ~uint64_t(1));
    if (borrowed != borrowed_.end()) {
        if (--borrowed->second == 0)
            borrowed_.erase(borrowed);
        return;
    }
    const auto it = bbt_.find(bid & ~uint64_t(1));
    if (it == bbt_.end())
        return;
    if (it->second.refs > 2) {
        --it->second.refs;
        --refChanges_[it->first];
        return;
    }
    blockTree_.changed.insert(it->first);
    std::vector<std::vector<uint8_t>> children;
    if (bid & 2) {
        const std::vector<uint8_t> data = readBlock(bid);
        const size_t idSize = unicode_ ? 8 : 4;
        if (data.size() >= 8 && data[0] == 0x01) {
            const size_t count = PstBytes::get(data, 2, 2);
            for (size_t i = 0; i < count; ++i)
                releaseTree(PstBytes::get(data, 8 + i * idSize, static_cast<int>(idSize)));
        }
    }
    const BlockEntry b = bbt_[bid & ~uint64_t(1)];
    pendingFree_.emplace_back(b.offset, (b.size + (unicode_ ? 16 : 12) + kUnit - 1) / kUnit * kUnit);
    bbt_.erase(bid & ~uint64_t(1));
    blockIds_.erase(bid & ~uint64_t(1));
}

void PstNodeDatabase::releaseSubnodes(uint64_t bid)
{
    if (bid == 0)
        return;
    const auto it = bbt_.find(bid & ~uint64_t(1));
    if (it == bbt_.end())
        return;
    if (it->second.refs <= 2) {
        blockTree_.changed.insert(it->first);
        const std::vector<uint8_t> data = readBlock(bid);
        if (data.size() >= 4 && data[0] == 0x02) {
            const int id = unicode_ ? 8 : 4;
            const size_t first = unicode_ ? 8 : 4;
            const size_t count = PstBytes::get(data, 2, 2);
            for (size_t i = 0; i < count; ++i) {
                if (data[1] > 0) {
                    releaseSubnodes(PstBytes::get(data, first + i * 2 * id + id, id));
                } else {
                    releaseTree(PstBytes::get(data, first + i * 3 * id + id, id));
                    releaseSubnodes(PstBytes::get(data, first + i * 3 * id + 2 * id, id));
                }
            }
        }
        const BlockEntry b = it->second;
        pendingFree_.emplace_back(b.offset, (b.size + (unicode_ ? 16 : 12) + kUnit - 1) / kUnit * kUnit);
        blockIds_.erase(it->first);
        bbt_.erase(it);
        return;
    }
    --it->second.refs;
    --refChanges_[it->first];
}

void PstNodeDatabase::setNode(uint32_t nid, const NodeEntry& entry)
{
    nodeTree_.changed.insert(nid);
    const auto it = nbt_.find(nid);
    if (it != nbt_.end()) {
        const NodeEntry old = it->second;
        it->second = entry;
        if (old.bidData != entry.bidData)
            releaseTree(old.bidData);
        if (old.bidSub != entry.bidSub)
            releaseSubnodes(old.bidSub);
        return;
    }
    nbt_[nid] = entry;
}

uint32_t PstNodeDatabase::allocateNid(NidType type)
{
    for (;;) {
        const uint32_t nid = (++nidMarks_[type] << 5) | type;
        if (!nbt_.count(nid))
            return nid;
    }
}

std::vector<uint8_t> PstNodeDatabase::pageTrailer(std::vector<uint8_t> page, uint8_t type, uint64_t offset,
                                                  uint64_t bid, bool signed_) const
{
    page.resize(kPage, 0);
    const uint16_t sig = signed_ ? PstCrc::signature(offset, bid) : 0;
    if (unicode_) {
        page[496] = page[497] = type;
        PstBytes::put(page.data() + 498, sig, 2);
        PstBytes::put(page.data() + 500, PstCrc::compute(page.data(), 496), 4);
        PstBytes::put(page.data() + 504, bid, 8);
    } else {
        page[500] = page[501] = type;
        PstBytes::put(page.data() + 502, sig, 2);
        PstBytes::put(page.data() + 504, bid, 4);
        const bool map = type == kPageAMap || type == kPagePMap || type == kPageFMap || type == kPageFPMap;
        PstBytes::put(page.data() + 508, map ? PstCrc::compute(page.data() + 4, 496) : PstCrc::compute(page.data(), 500), 4);
    }
    return page;
}

void PstNodeDatabase::appendLeafEntry(bool nodes, uint64_t key, std::vector<uint8_t>& out) const
{
    const int id = unicode_ ? 8 : 4;
    const size_t start = out.size();
    PstBytes::append(out, key, id);
    if (nodes) {
        const NodeEntry& n = nbt_.at(static_cast<uint32_t>(key));
        PstBytes::append(out, n.bidData, id);
        PstBytes::append(out, n.bidSub, id);
        PstBytes::append(out, n.parent, 4);
        out.resize(start + (unicode_ ? 32 : 16), 0);
    } else {
        const BlockEntry& b = bbt_.at(key);
        PstBytes::append(out, b.offset, id);
        PstBytes::append(out, b.size, 2);
        PstBytes::append(out, b.refs, 2);
        out.resize(start + (unicode_ ? 24 : 12), 0);
    }
}

std::vector<uint64_t> PstNodeDatabase::treeKeys(bool nodes, uint64_t from, std::optional<uint64_t> to) const
{
    std::vector<uint64_t> keys;
    const auto gather = [&](const auto& ids, auto key) {
        auto it = ids.lower_bound(static_cast<typename std::decay_t<decltype(ids)>::key_type>(from));
        for (; it != ids.end() && (!to || key(*it) < *to); ++it)
            keys.push_back(key(*it));
    };
    if (nodes)
        gather(nbt_, [](const auto& entry) -> uint64_t { return entry.first; });
    else
        gather(blockIds_, [](uint64_t bid) { return bid; });
    return keys;
}

PstNodeDatabase::TreePage PstNodeDatabase::writeTreePage(bool nodes, uint8_t level, uint64_t key,
                                                         std::vector<uint8_t> entries, size_t entrySize)
{
    const size_t meta = unicode_ ? 488 : 496;
    std::vector<uint8_t> page(entries);
    page.resize(kPage, 0);
    page[meta] = static_cast<uint8_t>(entries.size() / entrySize);
    page[meta + 1] = static_cast<uint8_t>(meta / entrySize);
    page[meta + 2] = static_cast<uint8_t>(entrySize);
    page[meta + 3] = level;
    TreePage written;
    written.key = key;
    written.offset = allocate(kPage, kPage);
    written.bid = nextPageBid_++;
    writeRaw(written.offset, pageTrailer(page, nodes ? kPageNbt : kPageBbt, written.offset, written.bid, true));
    written.entries = std::move(entries);
    return written;
}

// Copy on write: only the leaves that hold a changed key are written again, and above
// them only the branch pages whose entries changed, so a commit costs what it changed,
// not what the file holds. A page that is replaced is freed once the header no longer
// points at it.
uint64_t PstNodeDatabase::writeBtree(bool nodes, uint64_t& rootBid)
{
    TreeLayout& tree = nodes ? nodeTree_ : blockTree_;
    if (!nodes) {
        // What was borrowed and not handed over is a reference of its own.
        for (const auto& [bid, count] : borrowed_)
            for (int n = 0; n < count; ++n)
                addRef(bid);
        borrowed_.clear();
        // A block shared by a new tree and let go by the old one keeps its entry as it was.
        for (const auto& [bid, change] : refChanges_)
            if (change != 0)
                tree.changed.insert(bid);
        refChanges_.clear();
    }
    const int id = unicode_ ? 8 : 4;
    const size_t meta = unicode_ ? 488 : 496;
    const size_t leafSize = nodes ? (unicode_ ? 32 : 16) : (unicode_ ? 24 : 12);
    const size_t perLeaf = meta / leafSize;
    if (tree.levels.empty())
        tree.levels.emplace_back();
    std::vector<TreePage>& leaves = tree.levels[0];
    // Leaf i holds the keys from its own (the first leaf: from 0) up to the next leaf's.
    std::set<size_t> dirty;
    if (leaves.empty()) {
        dirty.insert(0);
    } else {
        for (uint64_t key : tree.changed) {
            const auto after = std::upper_bound(leaves.begin(), leaves.end(), key,
                                                [](uint64_t k, const TreePage& p) { return k < p.key; });
            dirty.insert(after == leaves.begin() ? 0 : static_cast<size_t>(after - leaves.begin() - 1));
        }
    }
    tree.changed.clear();
    // Pages from changedFrom on may have moved (a leaf before them split or went); before it,
    // only the pages in `rewritten` are new. The branch entries of the others are as the last
    // commit wrote them and need not be gathered and compared again: the node tree changes
    // near its start (folders) and at its end (new items) on every commit.
    size_t changedFrom = SIZE_MAX;
    std::vector<size_t> rewritten;
    for (auto it = dirty.rbegin(); it != dirty.rend(); ++it) {
        const size_t i = *it;
        const uint64_t from = leaves.empty() || i == 0 ? 0 : leaves[i].key;
        const std::optional<uint64_t> to = i + 1 < leaves.size() ? std::optional<uint64_t>(leaves[i + 1].key) : std::nullopt;
        const std::vector<uint64_t> keys = treeKeys(nodes, from, to);
        std::vector<TreePage> pages;
        bool unchanged = false;
        for (size_t k = 0; k < keys.size() || (k == 0 && leaves.size() <= 1); k += perLeaf) {
            std::vector<uint8_t> entries;
            entries.reserve(perLeaf * leafSize);
            for (size_t j = k; j < std::min(keys.size(), k + perLeaf); ++j)
                appendLeafEntry(nodes, keys[j], entries);
            // A leaf whose entries came back as they were (a block shared and let go again)
            // stays where it is.
            unchanged = keys.size() <= perLeaf && i < leaves.size() && leaves[i].entries == entries;
            if (unchanged)
                break;
            pages.push_back(writeTreePage(nodes, 0, k < keys.size() ? keys[k] : 0, std::move(entries), leafSize));
        }
        if (unchanged)
            continue;
        if (pages.size() == 1 && i < leaves.size())
            rewritten.push_back(i);
        else
            changedFrom = std::min(changedFrom, i);
        if (i < leaves.size()) {
            pendingFree_.emplace_back(leaves[i].offset, kPage);
            leaves.erase(leaves.begin() + static_cast<std::ptrdiff_t>(i));
        }
        leaves.insert(leaves.begin() + static_cast<std::ptrdiff_t>(i), pages.begin(), pages.end());
    }
    size_t level = 1;
    for (; tree.levels[level - 1].size() > 1; ++level) {
        if (tree.levels.size() <= level)
            tree.levels.emplace_back();
        const std::vector<TreePage>& below = tree.levels[level - 1];
        std::vector<TreePage>& old = tree.levels[level];
        const size_t per = meta / (3 * id);
        std::vector<TreePage> pages;
        std::vector<bool> kept(old.size(), false);
        std::sort(rewritten.begin(), rewritten.end());
        std::vector<size_t> rewrittenHere;
        for (size_t g = 0; g < below.size(); g += per) {
            const auto firstRewritten = std::lower_bound(rewritten.begin(), rewritten.end(), g);
            const bool touched = firstRewritten != rewritten.end() && *firstRewritten < g + per;
            if (!touched && g + per <= changedFrom && pages.size() < old.size()) {
                kept[pages.size()] = true;
                pages.push_back(std::move(old[pages.size()]));
                continue;
            }
            std::vector<uint8_t> entries;
            for (size_t k = g; k < std::min(below.size(), g + per); ++k) {
                PstBytes::append(entries, below[k].key, id);
                PstBytes::append(entries, below[k].bid, id);
                PstBytes::append(entries, below[k].offset, id);
            }
            const size_t at = pages.size();
            if (at < old.size() && old[at].entries == entries) {
                kept[at] = true;
                pages.push_back(std::move(old[at]));
                pages.back().key = below[g].key;
            } else {
                rewrittenHere.push_back(at);
                pages.push_back(writeTreePage(nodes, static_cast<uint8_t>(level), below[g].key, std::move(entries), 3 * id));
            }
        }
        rewritten = std::move(rewrittenHere);
        for (size_t k = 0; k < old.size(); ++k)
            if (!kept[k])
                pendingFree_.emplace_back(old[k].offset, kPage);
        old = std::move(pages);
        changedFrom /= per;
    }
    for (size_t k = level; k < tree.levels.size(); ++k)
        for (const TreePage& page : tree.levels[k])
            pendingFree_.emplace_back(page.offset, kPage);
    tree.levels.resize(level);
    rootBid = tree.levels.back().front().bid;
    return tree.levels.back().front().offset;
}

void PstNodeDatabase::writeMaps(bool pages)
{
    const uint64_t regions = used_.size() * kUnit / kRegionSize;
    const uint64_t unitsPerRegion = kRegionSize / kUnit;
    for (uint64_t r = 0; pages && r < regions; ++r) {
        if (!mapDirty_[r])
            continue;
        mapDirty_[r] = false;
        const uint64_t start = regionStart(r);
        std::vector<uint8_t> page(kPage, 0);
        uint8_t* bits = page.data() + (unicode_ ? 0 : 4);
        // Eight units (bytes of 0 or 1) at a time: the product gathers them into one byte,
        // the first unit in the high bit. Every commit writes a few of these maps.
        const uint8_t* units = used_.data() + r * unitsPerRegion;
        for (uint64_t b = 0; b < unitsPerRegion / 8; ++b) {
            uint64_t eight;
            std::memcpy(&eight, units + 8 * b, 8);
            bits[b] = static_cast<uint8_t>((eight * 0x8040201008040201ull) >> 56);
        }
        writeRaw(start, pageTrailer(page, kPageAMap, start, start, false));
        if (r % 8 == 0) {
            std::vector<uint8_t> pmap(kPage, 0);
            std::fill(pmap.begin() + (unicode_ ? 0 : 4), pmap.begin() + (unicode_ ? 496 : 500), 0xFF);
            writeRaw(start + kPage, pageTrailer(pmap, kPagePMap, start + kPage, start + kPage, false));
        }
        if (r >= 128 && (r - 128) % 496 == 0)
            writeRaw(start + 2 * kPage, pageTrailer({}, kPageFMap, start + 2 * kPage, start + 2 * kPage, false));
        if (r >= 1024 && (r - 1024) % (496 * 8) == 0)
            writeRaw(start + 3 * kPage, pageTrailer({}, kPageFPMap, start + 3 * kPage, start + 3 * kPage, false));
    }
    const uint64_t amapFree = freeSpace_.units() * kUnit;
    header_.resize(unicode_ ? 564 : 512);
    uint8_t* h = header_.data();
    const uint64_t lastMap = regionStart(regions - 1);
    if (unicode_) {
        PstBytes::put(h + 184, fileSize_, 8);
        PstBytes::put(h + 192, lastMap, 8);
        PstBytes::put(h + 200, amapFree, 8);
        PstBytes::put(h + 208, 0, 8);
    } else {
        PstBytes::put(h + 168, fileSize_, 4);
        PstBytes::put(h + 172, lastMap, 4);
        PstBytes::put(h + 176, amapFree, 4);
        PstBytes::put(h + 180, 0, 4);
    }
    const bool valid = std::find(mapDirty_.begin(), mapDirty_.end(), true) == mapDirty_.end();
    h[unicode_ ? 248 : 200] = valid ? 2 : 0;
}

void PstNodeDatabase::writeHeader()
{
    uint8_t* h = header_.data();
    std::memcpy(h, "!BDN", 4);
    h[8] = 'S';
    h[9] = 'M';
    if (PstBytes::get(h + 10, 2) == 0) {
        PstBytes::put(h + 10, unicode_ ? 23 : 14, 2);
        PstBytes::put(h + 12, 19, 2);
        h[14] = h[15] = 1;
        std::fill(h + (unicode_ ? 256 : 204), h + (unicode_ ? 512 : 460), 0xFF);
    }
    for (int i = 0; i < 32; ++i)
        PstBytes::put(h + (unicode_ ? 44 : 36) + 4 * i, nidMarks_[i], 4);
    if (unicode_) {
        PstBytes::put(h + 24, 0, 8);
        PstBytes::put(h + 32, nextPageBid_, 8);
        PstBytes::put(h + 40, seed_, 4);
        h[512] = 0x80;
        h[513] = crypt_;
        PstBytes::put(h + 516, nextBid_, 8);
        PstBytes::put(h + 524, PstCrc::compute(h + 8, 516), 4);
    } else {
        PstBytes::put(h + 24, nextBid_, 4);
        PstBytes::put(h + 28, nextPageBid_, 4);
        PstBytes::put(h + 32, seed_, 4);
        h[460] = 0x80;
        h[461] = crypt_;
    }
    PstBytes::put(h + 4, PstCrc::compute(h + 8, 471), 4);
    writeRaw(0, header_);
}

void PstNodeDatabase::commit()
{
    ensureWritable();
    for (uint64_t page : treePages_)
        pendingFree_.emplace_back(page, kPage);
    treePages_.clear();
    uint64_t nbtBid = 0, bbtBid = 0;
    const uint64_t nbtIb = writeBtree(true, nbtBid);
    // The block tree's own pages are not blocks, so writing it changes nothing it lists.
    const uint64_t bbtIb = writeBtree(false, bbtBid);
    // The map pages wait for close: a commit after every save changed a few of them each time,
    // pages apart from the rest of its writes, and each place a flush reaches costs the disk a
    // request. Until then the header says that the maps are not valid, which tells a reader to
    // rebuild them from the B-trees (this one always does).
    writeMaps(false);
    uint8_t* h = header_.data();
    const int id = unicode_ ? 8 : 4;
    const size_t root = unicode_ ? 216 : 184;
    PstBytes::put(h + root, nbtBid, id);
    PstBytes::put(h + root + id, nbtIb, id);
    PstBytes::put(h + root + 2 * id, bbtBid, id);
    PstBytes::put(h + root + 3 * id, bbtIb, id);
    // The last region may hold nothing yet: the file still spans it whole.
    if (writtenEnd_ < fileSize_)
        writeRaw(fileSize_ - 1, std::vector<uint8_t>(1, 0));
    // One flush: it puts this state's pages on the disk before the header that points at
    // them, and carries the previous header with it, which the last commit left unflushed.
    sync();
    // That header no longer points at the space the state before it used: only now may it be
    // written over. What this commit let go waits for this header to be flushed in turn, so a
    // power cut that loses it finds the state it replaced whole.
    for (const auto& [offset, size] : heldFree_)
        markUsed(offset, size, false);
    heldFree_ = std::move(pendingFree_);
    pendingFree_.clear();
    writeHeader();
    // The header reaches the system now: a process killed after the commit keeps it.
    writeOut();
    headerFlushed_ = false;
}

void PstNodeDatabase::close()
{
    if (writable_ && !headerFlushed_) {
        sync();
        // The last header is on the disk: the maps may show what its commit let go as free.
        for (const auto& [offset, size] : heldFree_)
            markUsed(offset, size, false);
        heldFree_.clear();
        writeMaps(true);
        // The maps reach the disk before the header that says they are valid.
        sync();
        writeHeader();
        sync();
    }
    headerFlushed_ = true;
    file_.close();
}

void PstNodeDatabase::sync()
{
    writeOut();
    if (!file_.sync())
        throw PstError("The PST file \"" + utf8(path_) + "\" cannot be written (disk full?).");
}

}
