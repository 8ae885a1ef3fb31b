#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PstBytes.h"
#include "PstHeap.h"
#include "PstTableContext.h"
#include "PstTableWriter.h"

namespace {

namespace fs = std::filesystem;
using namespace pst;

// The table's row index as a reader finds it: row id -> row number, in the order stored.
std::vector<std::pair<uint32_t, uint32_t>> rowIndex(const PstNodeDatabase& db, const NodeEntry& node)
{
    const PstHeap heap(db.readTreeBlocks(node.bidData));
    const std::vector<uint8_t> info = heap.get(heap.userRoot());
    const int dataSize = db.unicode() ? 4 : 2;
    std::vector<std::pair<uint32_t, uint32_t>> index;
    for (const auto& record : heap.btreeRecords(static_cast<uint32_t>(PstBytes::get(info, 10, 4)), 4, dataSize))
        index.emplace_back(static_cast<uint32_t>(PstBytes::get(record, 0, 4)),
                           static_cast<uint32_t>(PstBytes::get(record, 4, dataSize)));
    return index;
}

// A table written again after each new row keeps an index that finds every row, over
// several index leaves and when a row comes with a lower id than the ones before it.
TEST(PstTableWriter, RowIndexFindsEveryRowAsTheTableGrows)
{
    const fs::path dir = fs::path(ORBALIN_TEST_OUTPUT_DIR) / "pst" / "table-writer";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const bool unicode : {true, false}) {
        SCOPED_TRACE(unicode ? "Unicode" : "ANSI");
        auto db = PstNodeDatabase::create(dir / (unicode ? "u.pst" : "a.pst"), unicode, 1);
        PstTableContext::Table table;
        table.columns = {0x67F20003, 0x0E170003};   // row id, a number of our own
        PstTableWriter writer;
        NodeEntry node;
        const auto add = [&](uint32_t id) {
            TableRow row{id, {}};
            row.values[0x67F2] = PropertyValue::integer(kPtLong, id, 4);
            row.values[0x0E17] = PropertyValue::integer(kPtLong, id * 7, 4);
            table.rows.push_back(row);
            const NodeEntry written = writer.write(*db, table);
            db->setNode(0x1E, written);   // the old trees are let go as a folder's table's are
            node = written;
        };
        for (uint32_t n = 0; n < 1300; ++n)
            add(0x10004 + n * 32);
        add(0x4);   // out of order: the index is laid out anew
        add(0x10004 + 1300 * 32);
        db->commit();

        const auto index = rowIndex(*db, node);
        ASSERT_EQ(index.size(), table.rows.size());
        for (size_t i = 0; i < index.size(); ++i) {
            if (i > 0) EXPECT_LT(index[i - 1].first, index[i].first);
            ASSERT_LT(index[i].second, table.rows.size());
            EXPECT_EQ(table.rows[index[i].second].id, index[i].first);
        }
        const auto read = PstTableContext::read(*db, node.bidData, db->readSubnodes(node.bidSub));
        ASSERT_EQ(read.rows.size(), table.rows.size());
        EXPECT_EQ(read.rows.back().id, table.rows.back().id);
    }
}

}  // namespace
