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
};

}
