#include "PstTableContext.h"

#include <algorithm>

#include "PstBytes.h"
#include "PstError.h"
#include "PstHeap.h"
#include "PstPropertyContext.h"

namespace pst {

namespace {

constexpr uint32_t kRowId = 0x67F20003, kRowVersion = 0x67F30003;

struct Column {
    uint32_t tag;
    uint16_t offset;
    uint8_t size;
    uint8_t bit;
};

[[noreturn]] void damaged()
{
    throw PstError("The PST file is damaged: a table is malformed.");
}

int cellSize(uint16_t type)
{
    const int size = fixedSize(type);
    return size == 0 ? 4 : size;
}

}

PstTableContext::Table PstTableContext::read(const PstNodeDatabase& db, uint64_t bidData, const SubnodeMap& subnodes)
{
    const PstHeap heap(db.readTreeBlocks(bidData));
    const std::vector<uint8_t> info = heap.get(heap.userRoot());
    if (heap.clientSignature() != 0x7C || info.size() < 22 || info[0] != 0x7C)
        damaged();
    const size_t count = info[1];
    const size_t rowSize = PstBytes::get(info, 8, 2);
    const size_t cebStart = PstBytes::get(info, 6, 2);
    if (info.size() < 22 + 8 * count || cebStart > rowSize || rowSize - cebStart < (count + 7) / 8)
        damaged();
    std::vector<Column> columns;
    Table table;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* c = info.data() + 22 + 8 * i;
        Column col{static_cast<uint32_t>(PstBytes::get(c, 4)), static_cast<uint16_t>(PstBytes::get(c + 4, 2)), c[6], c[7]};
        if (col.offset + col.size > rowSize || col.bit >= count)
            damaged();
        columns.push_back(col);
        table.columns.push_back(col.tag);
    }
    const uint32_t rowsHnid = static_cast<uint32_t>(PstBytes::get(info, 14, 4));
    std::vector<std::vector<uint8_t>> blocks;
    if (rowsHnid != 0 && (rowsHnid & 0x1F) != 0) {
        const auto it = subnodes.find(rowsHnid);
        if (it == subnodes.end())
            damaged();
        blocks = db.readTreeBlocks(it->second.bidData);
    } else if (rowsHnid != 0) {
        blocks.push_back(heap.get(rowsHnid));
    }
    if (rowSize == 0)
        return table;
    for (const auto& block : blocks) {
        for (size_t at = 0; at + rowSize <= block.size(); at += rowSize) {
            const uint8_t* row = block.data() + at;
            TableRow r;
            r.id = static_cast<uint32_t>(PstBytes::get(row, 4));
            for (const Column& col : columns) {
                if (!(row[cebStart + col.bit / 8] & (0x80 >> (col.bit % 8))))
                    continue;
                PropertyValue v;
                v.type = static_cast<uint16_t>(col.tag & 0xFFFF);
                const int size = fixedSize(v.type);
                if (size > 0) {
                    if (size > col.size)
                        damaged();
                    v.data.assign(row + col.offset, row + col.offset + size);
                } else {
                    if (col.size != 4)
                        damaged();
                    v.data = readHnid(db, heap, static_cast<uint32_t>(PstBytes::get(row + col.offset, 4)), subnodes);
                }
                r.values[static_cast<uint16_t>(col.tag >> 16)] = std::move(v);
            }
            table.rows.push_back(std::move(r));
        }
    }
    return table;
}

PstTableContext::Layout PstTableContext::layout(const std::vector<uint32_t>& columns)
{
    // Row id and version first, then 8-, 4-, 2- and 1-byte cells, then the cell-existence bits.
    std::vector<uint32_t> tags{kRowId, kRowVersion};
    for (uint32_t tag : columns)
        if (tag != kRowId && tag != kRowVersion)
            tags.push_back(tag);
    if (tags.size() > 255)
        throw PstError("A table has more columns than a PST file can hold.");
    Layout l;
    l.cells = {{kRowId, 0, 4, 0}, {kRowVersion, 4, 4, 1}};
    uint16_t offset = 8;
    for (int size : {8, 4, 2, 1}) {
        for (size_t i = 2; i < tags.size(); ++i) {
            if (cellSize(tags[i] & 0xFFFF) == size) {
                l.cells.push_back({tags[i], offset, static_cast<uint8_t>(size), static_cast<uint8_t>(i)});
                offset = static_cast<uint16_t>(offset + size);
            }
        }
        if (size == 4)
            l.end4 = offset;
        else if (size == 2)
            l.end2 = offset;
        else if (size == 1)
            l.end1 = offset;
    }
    l.rowSize = static_cast<uint16_t>(l.end1 + (tags.size() + 7) / 8);
    return l;
}

std::vector<uint8_t> PstTableContext::rowBytes(PstNodeDatabase& db, PstHeapWriter& heap, const Layout& layout,
                                               const TableRow& r, SubnodeMap& subnodes)
{
    std::vector<uint8_t> row(layout.rowSize, 0);
    for (const Layout::Cell& c : layout.cells) {
        const uint16_t id = static_cast<uint16_t>(c.tag >> 16);
        std::vector<uint8_t> cell;
        if (c.tag == kRowId) {
            PstBytes::append(cell, r.id, 4);
        } else if (c.tag == kRowVersion) {
            PstBytes::append(cell, 0, 4);
        } else {
            const auto it = r.values.find(id);
            if (it == r.values.end() || it->second.type != (c.tag & 0xFFFF))
                continue;
            if (fixedSize(it->second.type) > 0)
                cell = it->second.data;
            else
                PstBytes::append(cell, storeHnid(db, heap, it->second.data, subnodes), 4);
        }
        cell.resize(c.size, 0);
        std::copy(cell.begin(), cell.end(), row.begin() + c.offset);
        row[layout.end1 + c.bit / 8] |= static_cast<uint8_t>(0x80 >> (c.bit % 8));
    }
    return row;
}

std::vector<uint8_t> PstTableContext::info(const Layout& layout, uint32_t indexHid, uint32_t rowsHnid)
{
    std::vector<uint8_t> info(22, 0);
    info[0] = 0x7C;
    info[1] = static_cast<uint8_t>(layout.cells.size());
    PstBytes::put(info, 2, layout.end4, 2);
    PstBytes::put(info, 4, layout.end2, 2);
    PstBytes::put(info, 6, layout.end1, 2);
    PstBytes::put(info, 8, layout.rowSize, 2);
    PstBytes::put(info, 10, indexHid, 4);
    PstBytes::put(info, 14, rowsHnid, 4);
    std::vector<Layout::Cell> cells = layout.cells;
    std::sort(cells.begin(), cells.end(), [](const Layout::Cell& a, const Layout::Cell& b) { return a.tag < b.tag; });
    for (const Layout::Cell& c : cells) {
        PstBytes::append(info, c.tag, 4);
        PstBytes::append(info, c.offset, 2);
        info.push_back(c.size);
        info.push_back(c.bit);
    }
    return info;
}

uint32_t PstTableContext::rowMatrixNid(const SubnodeMap& subnodes)
{
    uint32_t nid = (1u << 5) | kNidLtp;
    while (subnodes.count(nid))
        nid += 1u << 5;
    return nid;
}

std::vector<std::vector<uint8_t>> PstTableContext::build(PstNodeDatabase& db, const Table& table, SubnodeMap& subnodes)
{
    const Layout l = layout(table.columns);
    PstHeapWriter heap(0x7C, db.maxBlockData());
    std::vector<uint8_t> rows;
    std::vector<std::vector<uint8_t>> index;
    for (size_t n = 0; n < table.rows.size(); ++n) {
        const std::vector<uint8_t> row = rowBytes(db, heap, l, table.rows[n], subnodes);
        rows.insert(rows.end(), row.begin(), row.end());
        std::vector<uint8_t> key;
        PstBytes::append(key, table.rows[n].id, 4);
        PstBytes::append(key, n, db.unicode() ? 4 : 2);
        index.push_back(std::move(key));
    }
    std::sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
        return PstBytes::get(a.data(), 4) < PstBytes::get(b.data(), 4);
    });
    const uint32_t indexHid = heap.addBtree(4, db.unicode() ? 4 : 2, index);

    uint32_t rowsHnid = 0;
    if (!rows.empty() && rows.size() <= PstHeapWriter::kMaxAllocation) {
        rowsHnid = heap.add(rows);
    } else if (!rows.empty()) {
        const size_t perBlock = db.maxBlockData() / l.rowSize * l.rowSize;
        std::vector<std::vector<uint8_t>> blocks;
        for (size_t i = 0; i < rows.size(); i += perBlock)
            blocks.emplace_back(rows.begin() + i, rows.begin() + std::min(rows.size(), i + perBlock));
        rowsHnid = rowMatrixNid(subnodes);
        subnodes[rowsHnid] = SubnodeEntry{db.writeTree(blocks), 0};
    }
    heap.setUserRoot(heap.add(info(l, indexHid, rowsHnid)));
    return heap.blocks();
}

}
