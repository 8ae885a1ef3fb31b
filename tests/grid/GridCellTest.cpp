#include "GridTestHost.h"

#include "CClientDC.h"

#include <gtest/gtest.h>

TEST(GridCell, DefaultCellAlwaysReportsReadOnly)
{
    CGridDefaultCell cell;
    cell.StoreState(0);
    EXPECT_EQ(cell.StateBits() & GVIS_READONLY, GVIS_READONLY);
    EXPECT_EQ(cell.DrawFormat(), 0x8824u);
    EXPECT_GT(cell.DefaultHeight(), 0);
    EXPECT_GT(cell.DefaultWidth(), cell.DefaultHeight());
}

TEST(GridCell, ADefaultCellWithoutMarginOrFormatAnswersZero)
{
    // A default cell has no default of its own to fall back on.
    GridTestHost host;
    CGridCtrl grid(2, 2, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    for (CGridDefaultCell* def : {grid.MatchingDefaultCell(FALSE, FALSE), grid.MatchingDefaultCell(TRUE, FALSE)}) {
        def->StoreMargin(static_cast<UINT>(-1));
        def->StoreFormat(static_cast<UINT>(-1));
        EXPECT_EQ(def->MarginPixels(), 0u);
        EXPECT_EQ(def->DrawFormat(), 0u);
    }
    EXPECT_EQ(grid.CellAt(1, 1)->MarginPixels(), 0u);
    EXPECT_EQ(grid.CellAt(0, 1)->MarginPixels(), 0u);
    CClientDC dc(&grid);
    EXPECT_GT(grid.CellAt(1, 1)->MeasureText(L"x", &dc).cx, 0);
}

TEST(GridCell, OwnFontComesAndGoes)
{
    CGridCtrl grid(2, 2);
    CGridCellBase* cell = grid.CellAt(1, 1);
    LOGFONTW font{};
    font.lfHeight = -20;
    lstrcpyW(font.lfFaceName, L"Arial");
    cell->StoreFont(&font);
    EXPECT_FALSE(cell->UsesDefaultFont());
    EXPECT_EQ(cell->FontRecord()->lfHeight, -20);
    // The GDI font is made once, not again on every paint.
    HGDIOBJ first = cell->FontToSelect()->GetSafeHandle();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(cell->FontToSelect()->GetSafeHandle(), first);
    // Cells that describe the same font share its handle, whatever follows the face name.
    LOGFONTW same = font;
    same.lfFaceName[10] = L'x';
    grid.CellAt(0, 1)->StoreFont(&same);
    EXPECT_EQ(grid.CellAt(0, 1)->FontToSelect()->GetSafeHandle(), first);
    EXPECT_EQ(grid.SharedFontCount(), 1u);

    cell->StoreFont(nullptr);
    EXPECT_TRUE(cell->UsesDefaultFont());
    EXPECT_EQ(cell->FontRecord(), grid.MatchingDefaultCell(FALSE, FALSE)->FontRecord());
    EXPECT_EQ(cell->FontToSelect(), grid.MatchingDefaultCell(FALSE, FALSE)->FontToSelect());
}

TEST(GridCell, AssignmentCopiesEffectiveAttributes)
{
    CGridCtrl grid(2, 2);
    CGridCellBase* source = grid.CellAt(1, 1);
    source->StoreText(L"text");
    source->StoreImage(3);
    source->StoreDataValue(42);
    source->StoreBackColour(RGB(9, 8, 7));
    CGridCell copy;
    copy.AssignFrom(*source);
    EXPECT_STREQ(copy.CellText(), L"text");
    EXPECT_EQ(copy.ImageIndex(), 3);
    EXPECT_EQ(copy.DataValue(), 42);
    EXPECT_EQ(copy.BackColour(), RGB(9, 8, 7));
    EXPECT_EQ(copy.OwnerGrid(), &grid);
    EXPECT_EQ(copy.DrawFormat(), source->DrawFormat());
    EXPECT_TRUE(copy.UsesDefaultFont());
    copy.ClearAttributes();
    EXPECT_STREQ(copy.CellText(), L"");
    EXPECT_EQ(copy.OwnerGrid(), nullptr);
    EXPECT_EQ(copy.DrawFormat(), 0u);  // no grid, no default cell
}

TEST(GridCell, WordBreakTextIsMeasuredByItsWidestLine)
{
    GridTestHost host;
    CGridCtrl grid(2, 2);
    ASSERT_TRUE(host.Create(grid));
    CGridCellBase* cell = grid.CellAt(1, 1);
    cell->StoreFormat(DT_LEFT | DT_WORDBREAK);
    const CSize wide = cell->MeasureText(L"a much wider second line");
    const CSize both = cell->MeasureText(L"short\na much wider second line");
    EXPECT_EQ(both.cx, wide.cx);
    EXPECT_GT(both.cy, wide.cy);
    const CSize none = cell->MeasureText(nullptr);
    EXPECT_EQ(none.cx, grid.MatchingDefaultCell(FALSE, FALSE)->DefaultWidth());
}
