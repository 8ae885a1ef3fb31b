#include <gtest/gtest.h>

#include <string>

#include "PstWriteGather.h"

namespace {

using pst::PstWriteGather;

void hold(PstWriteGather& gather, uint64_t offset, const std::string& text)
{
    gather.add(offset, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

TEST(PstWriteGather, AdjacentWritesGoOutAsOneInFileOrder)
{
    PstWriteGather gather;
    hold(gather, 20, "klm");
    hold(gather, 10, "abc");
    hold(gather, 13, "de");
    hold(gather, 15, "fghij");   // reaches 20: joins the first
    hold(gather, 30, "z");
    std::vector<std::pair<uint64_t, std::string>> made;
    ASSERT_TRUE(gather.flush([&](uint64_t offset, const uint8_t* data, size_t size) {
        made.emplace_back(offset, std::string(reinterpret_cast<const char*>(data), size));
        return true;
    }));
    const std::vector<std::pair<uint64_t, std::string>> expected{{10, "abcdefghijklm"}, {30, "z"}};
    EXPECT_EQ(made, expected);
    EXPECT_EQ(gather.bytes(), 0u);
    EXPECT_TRUE(gather.flush([](uint64_t, const uint8_t*, size_t) { return false; }));   // nothing left to make
}

TEST(PstWriteGather, ReadsSeeHeldBytesAndOverlapsAreFound)
{
    PstWriteGather gather;
    hold(gather, 8, "abcd");
    hold(gather, 16, "xy");
    std::string read(12, '.');
    EXPECT_EQ(gather.overlay(6, reinterpret_cast<uint8_t*>(read.data()), read.size()), 6u);
    EXPECT_EQ(read, "..abcd....xy");
    struct Case { uint64_t offset; size_t size; bool overlaps; };
    for (const Case c : {Case{4, 4, false}, Case{4, 5, true}, Case{11, 1, true}, Case{12, 4, false}, Case{17, 9, true},
                         Case{18, 2, false}, Case{0, 100, true}}) {
        SCOPED_TRACE(testing::Message() << c.size << " bytes at " << c.offset);
        EXPECT_EQ(gather.overlaps(c.offset, c.size), c.overlaps);
    }
}

}
