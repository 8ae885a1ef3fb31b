#pragma once
#include <optional>

#include "PstHeap.h"
#include "PstTableContext.h"

namespace pst {

// Writes a table that grows at its end (a folder's contents) again and again at the cost
// of what was added: the heap blocks before the one the new rows' values start in, and the
// full blocks of the row matrix, stay as the last write put them in the file; only the
// end of the row index and the table's header are laid out anew. A table whose rows changed in
// another way, or with values too large for the heap, is written whole.
class PstTableWriter {
public:
    // Writes the table; the returned trees are for the table's node (parent not set).
    NodeEntry write(PstNodeDatabase& db, const PstTableContext::Table& table);

private:
    void restart(PstNodeDatabase& db, const std::vector<uint32_t>& columns);

    std::vector<uint32_t> columns_;
    PstTableContext::Layout layout_;
    std::optional<PstHeapWriter> heap_;   // the values of the rows so far
    size_t rowCount_ = 0;
    std::vector<uint8_t> rows_;           // the row matrix
    std::vector<std::vector<uint8_t>> indexLeaves_;   // the row index's full leaves (first id, hid)
    std::vector<std::vector<uint8_t>> records_;       // the rest of it: row id, row number
    uint32_t lastId_ = 0;                             // the highest row id in the index
    std::vector<std::vector<uint8_t>> heapBlocks_;
    std::vector<uint64_t> heapBids_;
    size_t stableBlocks_ = 0;             // heap blocks no later row changes
    std::vector<uint64_t> rowBids_;       // the row matrix's blocks
    NodeEntry last_;
};

}
