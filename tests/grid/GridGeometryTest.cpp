#include "GridTestHost.h"

#include <gtest/gtest.h>

namespace {

// A grid of equal 20 x 50 pixel cells in a 400 x 300 window.
void UniformSizes(CGridCtrl& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.ChangeRowHeight(r, 20);
    for (int c = 0; c < grid.ColumnCount(); ++c)
        grid.ChangeColumnWidth(c, 50);
}

} // namespace

TEST(GridGeometry, EmptyGridHasNoCellsAndNoFocus)
{
    CGridCtrl grid;
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.ColumnCount(), 0);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(-1, -1));
    EXPECT_FALSE(grid.IsInsideGrid(CGridCellAddress(-1, -1)));
    EXPECT_FALSE(grid.IsInsideGrid(CGridCellBlock(0, 0, -1, 0)));
    EXPECT_TRUE(CGridCtrl::RegisterGridClass());
}

TEST(GridGeometry, SizeGettersAndSettersRejectBadInput)
{
    CGridCtrl grid(3, 4);
    EXPECT_EQ(grid.RowHeight(-1), -1);
    EXPECT_EQ(grid.ColumnWidth(4), -1);
    EXPECT_FALSE(grid.ChangeRowHeight(0, -5));
    EXPECT_FALSE(grid.ChangeColumnWidth(9, 5));
    EXPECT_TRUE(grid.ChangeRowHeight(1, 7));
    EXPECT_EQ(grid.RowHeight(1), 7);
}

TEST(GridGeometry, CountChangesKeepCellsAndTotalsInStep)
{
    CGridCtrl grid(1, 3);
    ASSERT_TRUE(grid.ChangeFixedRowTotal(2));
    EXPECT_EQ(grid.RowCount(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(grid.CellStateAt(r, c) & 0x30u, 0x30u);
            EXPECT_EQ(grid.CellAt(r, c)->BackColour(), CLR_DEFAULT_CELL);
        }
    ASSERT_TRUE(grid.ChangeFixedColumnTotal(2));
    ASSERT_TRUE(grid.ChangeRowTotal(4));
    ASSERT_TRUE(grid.ChangeFixedColumnTotal(1));
    EXPECT_EQ(grid.CellStateAt(0, 1) & 0x70u, 0x30u);  // fixed row keeps 0x30, loses 0x40
    EXPECT_EQ(grid.CellStateAt(3, 1) & 0x70u, 0u);     // ordinary row loses 0x50

    const int normalHeight = grid.MatchingDefaultCell(FALSE, FALSE)->DefaultHeight();
    EXPECT_EQ(grid.RowHeight(3), normalHeight);
    ASSERT_TRUE(grid.ChangeColumnTotal(5));
    EXPECT_EQ(grid.ColumnWidth(4), grid.MatchingDefaultCell(FALSE, TRUE)->DefaultWidth());

    ASSERT_TRUE(grid.ChangeRowTotal(3));
    EXPECT_EQ(grid.CellAt(3, 0), nullptr);
    int sum = 0;
    for (int r = 0; r < grid.RowCount(); ++r)
        sum += grid.RowHeight(r);
    EXPECT_EQ(grid.SumAllRowHeights(), sum);

    EXPECT_TRUE(grid.RemoveAllCells());
    EXPECT_EQ(grid.RowCount() + grid.ColumnCount() + grid.FixedRowCount() + grid.FixedColumnCount(), 0);
    EXPECT_EQ(grid.SumAllRowHeights(), 0);
    EXPECT_TRUE(grid.IsGridModified());
}

TEST(GridGeometry, PointsAndRectanglesFollowTheScrollPosition)
{
    GridTestHost host;
    CGridCtrl grid(40, 20, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    UniformSizes(grid);
    EXPECT_EQ(grid.ScrollBarState(), 0x03u);

    EXPECT_EQ(grid.CellUnderPoint(CPoint(10, 10)), CGridCellAddress(-1, -1));
    EXPECT_EQ(grid.CellUnderPoint(CPoint(10, 10), TRUE), CGridCellAddress(0, 0));
    EXPECT_EQ(grid.CellUnderPoint(CPoint(75, 45)), CGridCellAddress(2, 1));

    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(grid.FirstScrolledCell(), CGridCellAddress(3, 2));
    EXPECT_EQ(grid.CellUnderPoint(CPoint(75, 45)), CGridCellAddress(4, 2));
    CRect rect;
    EXPECT_FALSE(grid.CellBounds(2, 5, &rect));  // scrolled away above
    EXPECT_FALSE(grid.IsCellShown(2, 5));
    ASSERT_TRUE(grid.CellBounds(3, 2, &rect));
    EXPECT_EQ(rect, CRect(50, 20, 99, 39));

    CRect client;
    grid.GetClientRect(&client);
    CGridCellBlock shown = grid.ShownCellBlock();
    EXPECT_EQ(shown.minRow, 3);
    EXPECT_EQ(shown.maxRow, 3 + (client.Height() - 20 + 19) / 20 - 1);

    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.ShownCellBlock().maxRow, 39);
    grid.SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(grid.FirstScrolledCell().row, 1);

    grid.ScrollCellIntoView(30, 15);
    EXPECT_TRUE(grid.IsCellShown(30, 15));
    ASSERT_TRUE(grid.CellBounds(30, 15, &rect));
    EXPECT_LE(rect.bottom, client.bottom);
    EXPECT_LE(rect.right, client.right);
}

TEST(GridGeometry, HiddenRowsAreSkippedWhenScrolling)
{
    GridTestHost host;
    CGridCtrl grid(50, 3, 1, 0);
    ASSERT_TRUE(host.Create(grid));
    UniformSizes(grid);
    grid.ChangeRowHeight(1, 0);
    grid.ChangeRowHeight(2, 0);
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid.FirstScrolledCell().row, 4);
    grid.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(grid.FirstScrolledCell().row, 1);
    EXPECT_EQ(grid.CellUnderPoint(CPoint(10, 25)), CGridCellAddress(3, 0));
}

TEST(GridGeometry, FittingSizesToContents)
{
    GridTestHost host;
    CGridCtrl grid(3, 3, 1, 0);
    ASSERT_TRUE(host.Create(grid));
    grid.ChangeCellText(2, 1, L"a rather long piece of text for the column");
    ASSERT_TRUE(grid.FitColumnToCells(1));
    EXPECT_GT(grid.ColumnWidth(1), 150);
    grid.ChangeColumnWidth(2, 0);
    EXPECT_FALSE(grid.FitColumnToCells(2));
    EXPECT_EQ(grid.ColumnWidth(2), 0);
    ASSERT_TRUE(grid.FitRowToCells(2));
    EXPECT_GT(grid.RowHeight(2), 5);

    // No cell to measure (only the fixed rows, of which there are none; no
    // columns): the size stays, a column or row is never hidden by it.
    CGridCtrl bare(3, 3, 0, 0);
    ASSERT_TRUE(host.Create(bare));
    bare.ChangeColumnWidth(1, 60);
    EXPECT_FALSE(bare.FitColumnToCells(1, 1));
    EXPECT_EQ(bare.ColumnWidth(1), 60);
    CGridCtrl noColumns(3, 0);
    ASSERT_TRUE(host.Create(noColumns));
    noColumns.ChangeRowHeight(1, 20);
    EXPECT_FALSE(noColumns.FitRowToCells(1));
    EXPECT_EQ(noColumns.RowHeight(1), 20);
}

TEST(GridGeometry, GrowingRowByRowAndScrollingStaysCheap)
{
    // The panel's pattern: one row at a time. Sums are kept, not recomputed.
    GridTestHost host;
    CGridCtrl grid(0, 5, 0, 0);
    ASSERT_TRUE(host.Create(grid));
    const int rows = 20000;
    for (int r = 1; r <= rows; ++r)
        ASSERT_TRUE(grid.ChangeRowTotal(r));
    EXPECT_EQ(grid.SumAllRowHeights(), rows * grid.RowHeight(0));
    for (int i = 0; i < 2000; ++i)
        grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.ShownCellBlock().maxRow, rows - 1);
    grid.ChangeRowHeight(0, grid.RowHeight(0) + 10);
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.ShownCellBlock().maxRow, rows - 1);
}
