#include <gtest/gtest.h>

#include "PstFreeSpace.h"

namespace {

using pst::PstFreeSpace;

TEST(PstFreeSpace, NeighbouringRunsMergeAndSplit)
{
    PstFreeSpace space;
    space.give(10, 5);
    space.give(20, 5);
    space.give(15, 5);   // joins both neighbours into one run of 15
    EXPECT_EQ(space.units(), 15u);
    EXPECT_EQ(space.find(15, 1, 0), 10u);
    space.take(12, 3);   // splits it: 10-11 and 15-24
    EXPECT_EQ(space.units(), 12u);
    EXPECT_EQ(space.find(10, 1, 0), 15u);
    EXPECT_FALSE(space.find(11, 1, 0));
    EXPECT_EQ(space.find(2, 1, 0), 10u);
    EXPECT_THROW(space.take(11, 2), std::logic_error);
}

TEST(PstFreeSpace, PlacesGoNextToTheLastOneElseWhereTheyFit)
{
    PstFreeSpace space;
    space.give(3, 9);           // 3-11: no 8-aligned place of 8
    space.give(16, 8);          // a freed page: 16-23
    space.give(41, 2);
    space.give(1000, 100000);   // the open end of the file
    struct Case { uint64_t count, step, from, at; };
    for (const Case c : {Case{8, 8, 0, 16}, Case{2, 1, 0, 3}, Case{2, 1, 30, 41}, Case{8, 8, 30, 1000},
                         Case{9, 1, 2000, 3}, Case{200, 8, 0, 1000}}) {
        SCOPED_TRACE(testing::Message() << c.count << " units at a multiple of " << c.step << " from " << c.from);
        EXPECT_EQ(space.find(c.count, c.step, c.from), c.at);
    }
    EXPECT_FALSE(space.find(100001, 1, 0));
}

TEST(PstFreeSpace, ManyUnalignedLeftoversDoNotHideARunThatFits)
{
    PstFreeSpace space;
    for (uint64_t i = 0; i < 1000; ++i)
        space.give(i * 32 + 1, 9);   // 9 units, never 8 from a multiple of 8
    space.give(64001, 20);
    EXPECT_EQ(space.find(8, 8, 0), 64008u);
}

}
