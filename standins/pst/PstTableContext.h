#pragma once
#include "PstNodeDatabase.h"
#include "PstProperty.h"

namespace pst {

struct TableRow {
    uint32_t id = 0;
    PropertyMap values;
};

// A table of rows (folder hierarchy and contents, recipients, attachments): fixed-layout
// rows with a row index B-tree on the node's heap.
class PstTableContext {
public:
    struct Table {
        std::vector<uint32_t> columns;   // property tags (id << 16 | type)
        std::vector<TableRow> rows;
    };
    static Table read(const PstNodeDatabase& db, uint64_t bidData, const SubnodeMap& subnodes);
    static std::vector<std::vector<uint8_t>> build(PstNodeDatabase& db, const Table& table, SubnodeMap& subnodes);

    // Where each column's cell lies in a row.
    struct Layout {
        struct Cell {
            uint32_t tag;
            uint16_t offset;
            uint8_t size;
            uint8_t bit;
        };
        std::vector<Cell> cells;
        uint16_t end4 = 0, end2 = 0, end1 = 0, rowSize = 0;
    };
    static Layout layout(const std::vector<uint32_t>& columns);
    // A row's bytes; its variable-size values go to the heap (or, when large, to subnodes).
    static std::vector<uint8_t> rowBytes(PstNodeDatabase& db, class PstHeapWriter& heap, const Layout& layout,
                                         const TableRow& row, SubnodeMap& subnodes);
    // The table's header record on its heap.
    static std::vector<uint8_t> info(const Layout& layout, uint32_t indexHid, uint32_t rowsHnid);
    // The subnode id the row matrix takes when it does not fit on the heap.
    static uint32_t rowMatrixNid(const SubnodeMap& subnodes);
};

}
