#include "GridTestHost.h"

#include <gtest/gtest.h>

namespace {

int SelectedInBlock(CGridCtrl& grid, const CGridCellBlock& b)
{
    int n = 0;
    for (int r = b.minRow; r <= b.maxRow; ++r)
        for (int c = b.minCol; c <= b.maxCol; ++c)
            n += grid.IsCellInSelection(r, c) ? 1 : 0;
    return n;
}

} // namespace

TEST(GridSelection, FocusSkipsFixedCellsAndMovesTheFocusBit)
{
    CGridCtrl grid(5, 5, 1, 1);
    EXPECT_EQ(grid.MoveFocusTo(0, 0), CGridCellAddress(-1, -1));
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(1, 1));
    EXPECT_EQ(grid.CellStateAt(1, 1) & GVIS_FOCUSED, GVIS_FOCUSED);
    EXPECT_EQ(grid.MoveFocusTo(3, 2), CGridCellAddress(1, 1));
    EXPECT_EQ(grid.CellStateAt(1, 1) & GVIS_FOCUSED, 0u);
    grid.MoveFocusTo(-1, -1);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(-1, -1));
    EXPECT_EQ(grid.CellStateAt(3, 2) & GVIS_FOCUSED, 0u);
}

TEST(GridSelection, BlocksRowsColumnsAndEverything)
{
    GridTestHost host;
    CGridCtrl grid(6, 6, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    grid.SelectBlock(0, 0, 2, 3);  // raised out of the fixed area
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(1, 1, 2, 3));
    EXPECT_EQ(grid.SelectedCount(), 6);
    grid.SelectBlock(1, 1, 2, 3);
    EXPECT_EQ(grid.SelectedCount(), 6);

    grid.SetSelectionStart(CGridCellAddress(2, 2));
    grid.ExtendRowsTo(CGridCellAddress(4, 3));
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(2, 1, 4, 5));
    grid.ExtendColumnsTo(CGridCellAddress(3, 4));
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(1, 2, 5, 4));
    grid.SetSingleColSelection(TRUE);
    grid.ExtendColumnsTo(CGridCellAddress(3, 4));
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(1, 4, 5, 4));
    grid.ExtendCellsTo(CGridCellAddress(0, 4));  // fixed row: nothing
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(1, 4, 5, 4));

    grid.SelectEverything();
    EXPECT_EQ(grid.SelectedCount(), 25);
    grid.ClearSelectionAndFocus();
    EXPECT_EQ(grid.SelectedCount(), 0);
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(6, 6, -1, -1));
}

TEST(GridSelection, ListModeWithSingleRowSelectsExactlyTheRow)
{
    CGridCtrl grid(6, 4, 1, 1);
    grid.SetListMode(TRUE);
    grid.SetSingleRowSelection(TRUE);
    grid.SetSelectionStart(CGridCellAddress(1, 1));
    grid.ExtendRowsTo(CGridCellAddress(3, 2));
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(3, 1, 3, 3));
    grid.SetMouseMode(3);
    grid.ExtendSelectionTo(CGridCellAddress(4, 1));
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(4, 1, 4, 3));
}

TEST(GridSelection, DisabledSelectionChangesNothing)
{
    CGridCtrl grid(4, 4);
    grid.EnableSelection(FALSE);
    grid.SelectEverything();
    grid.SelectBlock(0, 0, 3, 3);
    grid.SetSelectionStart(CGridCellAddress(0, 0));
    grid.ExtendCellsTo(CGridCellAddress(2, 2));
    grid.EnableSelection(TRUE);
    EXPECT_EQ(grid.SelectedCount(), 0);
    EXPECT_EQ(SelectedInBlock(grid, CGridCellBlock(0, 0, 3, 3)), 0);
}

TEST(GridSelection, SelectingEverythingInALargeGrid)
{
    CGridCtrl grid(300, 300, 1, 1);
    grid.SelectEverything();
    EXPECT_EQ(grid.SelectedCount(), 299 * 299);
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(1, 1, 299, 299));
    grid.SelectBlock(-1, -1, -1, -1);
    EXPECT_EQ(grid.SelectedCount(), 0);
}
