#include "PstTableWriter.h"

#include <algorithm>

#include "PstBytes.h"

namespace pst {

void PstTableWriter::restart(PstNodeDatabase& db, const std::vector<uint32_t>& columns)
{
    *this = PstTableWriter();
    columns_ = columns;
    layout_ = PstTableContext::layout(columns);
    heap_.emplace(0x7C, db.maxBlockData());
}

NodeEntry PstTableWriter::write(PstNodeDatabase& db, const PstTableContext::Table& table)
{
    const auto& rows = table.rows;
    if (!heap_ || table.columns != columns_ || rows.size() < rowCount_)
        restart(db, table.columns);
    else if (rows.size() == rowCount_)
        return last_;
    for (size_t n = rowCount_; n < rows.size(); ++n) {
        for (const auto& cell : rows[n].values) {
            const PropertyValue& value = cell.second;
            if (fixedSize(value.type) == 0 && value.data.size() > PstHeapWriter::kMaxAllocation) {
                *this = PstTableWriter();
                SubnodeMap subnodes;
                const auto blocks = PstTableContext::build(db, table, subnodes);
                NodeEntry whole;
                whole.bidData = db.writeTree(blocks);
                whole.bidSub = db.writeSubnodes(subnodes);
                return whole;
            }
        }
    }
    const size_t rowsBefore = rowCount_;
    SubnodeMap large;   // stays empty: no value here is too large for the heap
    for (size_t n = rowCount_; n < rows.size(); ++n) {
        const std::vector<uint8_t> row = PstTableContext::rowBytes(db, *heap_, layout_, rows[n], large);
        rows_.insert(rows_.end(), row.begin(), row.end());
    }
    rowCount_ = rows.size();

    // New messages have rising ids, so the row index grows at its end: its full leaves go
    // into the heap once, with the rows' values, and stay; only its last leaf and the levels
    // above are laid out anew. A row that comes out of order has the table written anew.
    const int dataSize = db.unicode() ? 4 : 2;
    std::vector<std::vector<uint8_t>> added;
    for (size_t n = rowsBefore; n < rows.size(); ++n) {
        std::vector<uint8_t> record;
        PstBytes::append(record, rows[n].id, 4);
        PstBytes::append(record, n, dataSize);
        added.push_back(std::move(record));
    }
    const auto byId = [](const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
        return PstBytes::get(a.data(), 4) < PstBytes::get(b.data(), 4);
    };
    if (rowsBefore == 0) {
        std::stable_sort(added.begin(), added.end(), byId);
    } else if (!std::is_sorted(added.begin(), added.end(), byId) ||
               (!added.empty() && PstBytes::get(added.front().data(), 4) < lastId_)) {
        restart(db, table.columns);
        return write(db, table);
    }
    if (!added.empty())
        lastId_ = static_cast<uint32_t>(PstBytes::get(added.back().data(), 4));
    records_.insert(records_.end(), added.begin(), added.end());
    const size_t perLeaf = PstHeapWriter::btreeLeafRecords(4, dataSize);
    size_t done = 0;
    for (; records_.size() - done >= perLeaf; done += perLeaf)
        indexLeaves_.push_back(heap_->addBtreeLeaf(4, records_.begin() + static_cast<std::ptrdiff_t>(done),
                                                   records_.begin() + static_cast<std::ptrdiff_t>(done + perLeaf)));
    records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(done));

    const PstHeapWriter::Mark mark = heap_->mark();
    // The last leaf joins the full ones only for this layout.
    const bool partLeaf = !records_.empty();
    if (partLeaf)
        indexLeaves_.push_back(heap_->addBtreeLeaf(4, records_.begin(), records_.end()));
    const uint32_t indexHid = heap_->addBtreeIndex(4, dataSize, indexLeaves_);
    if (partLeaf)
        indexLeaves_.pop_back();
    uint32_t rowsHnid = 0;
    SubnodeMap subnodes;
    if (!rows_.empty() && rows_.size() <= PstHeapWriter::kMaxAllocation) {
        rowsHnid = heap_->add(rows_);
        rowBids_.clear();
    } else if (!rows_.empty()) {
        const size_t perBlock = db.maxBlockData() / layout_.rowSize * layout_.rowSize;
        const size_t fullBefore = rowsBefore * layout_.rowSize / perBlock;
        std::vector<std::vector<uint8_t>> blocks;
        std::vector<uint64_t> bids;
        blocks.reserve((rows_.size() + perBlock - 1) / perBlock);
        bids.reserve(blocks.capacity());
        for (size_t at = 0, i = 0; at < rows_.size(); at += perBlock, ++i) {
            const bool kept = i < fullBefore && i < rowBids_.size();
            bids.push_back(kept ? rowBids_[i] : 0);
            blocks.emplace_back(kept ? std::vector<uint8_t>()
                                     : std::vector<uint8_t>(rows_.begin() + at,
                                                            rows_.begin() + std::min(rows_.size(), at + perBlock)));
        }
        rowsHnid = PstTableContext::rowMatrixNid(subnodes);
        subnodes[rowsHnid] = SubnodeEntry{db.writeTree(blocks, bids), 0};
        rowBids_ = bids;
    }
    heap_->setUserRoot(heap_->add(PstTableContext::info(layout_, indexHid, rowsHnid)));

    const size_t count = heap_->blockCount();
    std::vector<std::vector<uint8_t>> blocks(count);
    std::vector<uint64_t> bids(count, 0);
    heapBlocks_.resize(count);
    heapBids_.resize(count, 0);
    for (size_t b = 0; b < count; ++b) {
        if (b < stableBlocks_ && !PstHeapWriter::ownsFillLevels(b)) {
            bids[b] = heapBids_[b];
            continue;
        }
        blocks[b] = heap_->block(b);
        if (heapBids_[b] != 0 && heapBlocks_[b] == blocks[b])
            bids[b] = heapBids_[b];
        else
            heapBlocks_[b] = blocks[b];
    }
    last_.bidData = db.writeTree(blocks, bids);
    heapBids_ = bids;
    stableBlocks_ = mark.blocks > 0 ? mark.blocks - 1 : 0;
    heap_->rollback(mark);
    last_.bidSub = db.writeSubnodes(subnodes);
    return last_;
}

}
