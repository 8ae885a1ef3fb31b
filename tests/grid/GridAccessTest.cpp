#include "GridTestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Paints the whole grid into a 24-bit memory bitmap, as WM_PAINT would.
void PaintIntoMemory(CGridCtrl& grid)
{
    CRect client;
    grid.GetClientRect(&client);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    CDC dc;
    dc.Attach(memory);
    grid.OnDraw(&dc);
    dc.Detach();
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

} // namespace

TEST(GridAccess, RecordAppliesOnlyMaskedFieldsAndMarksModified)
{
    CGridCtrl grid(3, 3, 1, 1);
    GridCellRecord record;
    record.row = 1;
    record.col = 2;
    record.mask = GVIF_TEXT | GVIF_MARGIN;
    record.strText = L"hello";
    record.nMargin = 7;
    record.iImage = 4;
    record.crBkClr = RGB(1, 2, 3);
    ASSERT_TRUE(grid.ApplyCellRecord(&record));
    CGridCellBase* cell = grid.CellAt(1, 2);
    EXPECT_STREQ(cell->CellText(), L"hello");
    EXPECT_EQ(cell->MarginPixels(), 7u);
    EXPECT_EQ(cell->ImageIndex(), -1);
    EXPECT_EQ(cell->BackColour(), CLR_DEFAULT_CELL);
    EXPECT_EQ(grid.CellStateAt(1, 2) & GVIS_MODIFIED, GVIS_MODIFIED);

    EXPECT_FALSE(grid.ApplyCellRecord(nullptr));
    record.row = 3;
    EXPECT_FALSE(grid.ApplyCellRecord(&record));
    EXPECT_EQ(grid.CellTextAt(9, 9), CString());
    EXPECT_EQ(grid.CellDataAt(-1, 0), 0);

    grid.MarkSortColumn(2);
    grid.MarkModified(FALSE, -1, -1);
    EXPECT_EQ(grid.CellStateAt(1, 2) & GVIS_MODIFIED, 0u);
    EXPECT_EQ(grid.SortColumn(), -1);
}

TEST(GridAccess, StateKeepsTheSelectionMapInStep)
{
    CGridCtrl grid(4, 4);
    GridCellRecord record;
    record.row = 1;
    record.col = 2;
    record.mask = GVIF_STATE;
    record.nState = GVIS_SELECTED;
    ASSERT_TRUE(grid.ApplyCellRecord(&record));
    EXPECT_EQ(grid.SelectedCount(), 1);
    EXPECT_TRUE(grid.IsCellInSelection(1, 2));
    EXPECT_FALSE(grid.IsCellInSelection(2, 1));
    grid.ChangeCellState(2, 1, GVIS_SELECTED);
    EXPECT_EQ(grid.SelectedCount(), 2);
    grid.ChangeCellState(1, 2, 0);
    EXPECT_EQ(grid.SelectedCount(), 1);
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(2, 1, 2, 1));
}

TEST(GridAccess, SelectionKeysStayDistinctBeyond65536Rows)
{
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    ASSERT_TRUE(grid.ChangeRowTotal(70000));
    ASSERT_TRUE(grid.ChangeColumnTotal(2));
    grid.ChangeCellState(5, 1, GVIS_SELECTED);
    EXPECT_TRUE(grid.IsCellInSelection(5, 1));
    EXPECT_FALSE(grid.IsCellInSelection(5 + 65536, 1));
    grid.ChangeCellState(5 + 65536, 1, GVIS_SELECTED);
    EXPECT_EQ(grid.SelectedCount(), 2);
    EXPECT_EQ(grid.SelectionBounds(), CGridCellBlock(5, 1, 5 + 65536, 1));
}

TEST(GridAccess, SortingByColumnText)
{
    struct Case {
        const wchar_t* texts[3];
        BOOL ascending;
        const wchar_t* expected[3];
    };
    const Case cases[] = {
        {{L"b", L"a", L"c"}, FALSE, {L"c", L"b", L"a"}},
        {{L"b", L"a", L"c"}, TRUE, {L"a", L"b", L"c"}},
        {{L"B", L"a", L"A"}, TRUE, {L"A", L"B", L"a"}},
    };
    for (const Case& c : cases) {
        CGridCtrl grid(4, 2, 1, 0);
        grid.ChangeCellText(0, 0, L"header");
        for (int i = 0; i < 3; ++i) {
            grid.ChangeCellText(i + 1, 0, c.texts[i]);
            grid.ChangeCellText(i + 1, 1, c.texts[i]);
            grid.ChangeRowHeight(i + 1, 10 + i);
        }
        const int heightOfA = grid.RowHeight(2);
        ASSERT_TRUE(grid.SortByColumnText(0, c.ascending));
        EXPECT_STREQ(grid.CellTextAt(0, 0), L"header");
        for (int i = 0; i < 3; ++i) {
            EXPECT_STREQ(grid.CellTextAt(i + 1, 0), c.expected[i]);
            EXPECT_STREQ(grid.CellTextAt(i + 1, 1), c.expected[i]);  // whole rows move
        }
        EXPECT_EQ(grid.SortColumn(), 0);
        if (c.ascending && std::wstring(c.texts[0]) == L"b") {
            EXPECT_EQ(grid.RowHeight(1), heightOfA);  // heights travel with their rows
        }
    }
}

TEST(GridAccess, SortingEqualTextsAndLargeInputs)
{
    CGridCtrl grid(2001, 2, 1, 0);
    for (int r = 1; r <= 2000; ++r) {
        grid.ChangeCellText(r, 0, L"same");
        grid.ChangeCellText(r, 1, CString(std::to_wstring(r).c_str()));
    }
    ASSERT_TRUE(grid.SortByColumnText(0, TRUE));
    for (int r = 1; r <= 2000; ++r)
        ASSERT_EQ(std::wstring(grid.CellTextAt(r, 1)), std::to_wstring(r));

    // Descending numbers as text, already sorted the other way: a deep worst case.
    for (int r = 1; r <= 2000; ++r) {
        wchar_t text[8];
        swprintf(text, 8, L"%05d", r);
        grid.ChangeCellText(r, 0, text);
    }
    ASSERT_TRUE(grid.SortByColumnText(0, FALSE));
    for (int r = 1; r < 2000; ++r)
        ASSERT_GT(wcscmp(grid.CellTextAt(r, 0), grid.CellTextAt(r + 1, 0)), 0);
    EXPECT_FALSE(grid.SortByColumnText(5, TRUE));
}

TEST(GridAccess, VirtualModeAsksOnlyForTheCellsItShows)
{
    GridTestHost host;
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    ASSERT_TRUE(host.Create(grid));
    grid.ChangeRowTotal(1000);
    grid.ChangeColumnTotal(50);
    grid.ChangeFixedRowTotal(1);
    grid.ChangeFixedColumnTotal(1);
    for (int r = 0; r < 1000; ++r)
        grid.ChangeRowHeight(r, 20);
    for (int c = 0; c < 50; ++c)
        grid.ChangeColumnWidth(c, 50);

    EXPECT_FALSE(grid.ChangeCellText(2, 2, L"x"));
    host.answerRequests = true;
    EXPECT_STREQ(grid.CellTextAt(7, 3), L"7,3");
    EXPECT_EQ(grid.CellDataAt(7, 3), 7003);
    EXPECT_EQ(grid.CellStateAt(0, 0) & 0x70u, 0x70u);

    host.answerRequests = false;
    EXPECT_STREQ(grid.CellTextAt(7, 3), L"");  // nobody answers: defaults, empty text
    EXPECT_EQ(grid.CellAt(7, 3)->BackColour(), grid.MatchingDefaultCell(FALSE, FALSE)->BackColour());

    host.notices.clear();
    host.requestCount = 0;
    PaintIntoMemory(grid);
    ASSERT_GE(host.notices.size(), 2u);
    EXPECT_EQ(host.notices.front().code, GVN_ODCACHEHINT);
    EXPECT_EQ(host.notices.front().block, grid.ShownCellBlock());
    EXPECT_EQ(host.notices.back().code, GVN_ODCACHEHINT);
    EXPECT_EQ(host.notices.back().block, CGridCellBlock());
    const CGridCellBlock shown = grid.ShownCellBlock();
    const int visibleCells = (shown.maxRow - shown.minRow + 2) * (shown.maxCol - shown.minCol + 2);
    EXPECT_EQ(host.requestCount, visibleCells);
    for (const RecordedNotice& n : host.notices)
        if (n.code == GVN_GETDISPINFO) {
            EXPECT_TRUE(n.row == 0 || (n.row >= shown.minRow && n.row <= shown.maxRow));
            EXPECT_TRUE(n.col == 0 || (n.col >= shown.minCol && n.col <= shown.maxCol));
        }
}

TEST(GridAccess, NoticesReachTheParentWithTheControlId)
{
    GridTestHost host;
    CGridCtrl grid(3, 3);
    ASSERT_TRUE(host.Create(grid));
    host.notices.clear();
    grid.NotifyOwner(2, 1, GVN_SELCHANGING);
    grid.NotifyOwner(2, 1, GVN_SELCHANGED);
    grid.AnnounceCellBlock(CGridCellBlock(0, 0, 2, 2));
    ASSERT_EQ(host.notices.size(), 3u);
    EXPECT_EQ(host.notices[0].code, GVN_SELCHANGING);
    EXPECT_EQ(host.notices[1].code, GVN_SELCHANGED);
    EXPECT_EQ(host.notices[1].row, 2);
    EXPECT_EQ(host.notices[1].col, 1);
    EXPECT_EQ(host.notices[2].block, CGridCellBlock(0, 0, 2, 2));
    for (const RecordedNotice& n : host.notices) {
        EXPECT_EQ(n.id, 100u) << n.code;
        EXPECT_EQ(n.from, grid.GetSafeHwnd()) << n.code;
    }
    EXPECT_EQ(grid.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(grid.MatchingDefaultCell(FALSE, FALSE)->FontToSelect()->GetSafeHandle()));

    CGridCtrl unattached(1, 1);
    EXPECT_EQ(unattached.NotifyOwner(0, 0, GVN_CLICK), 0);
}

TEST(GridAccess, NoticesGoToTheOwnerWhenOneIsSet)
{
    GridTestHost parent;
    GridTestHost owner;
    CGridCtrl grid(3, 3);
    ASSERT_TRUE(parent.Create(grid));
    grid.SetOwner(CWnd::FromHandle(owner.Handle()));
    parent.notices.clear();
    grid.NotifyOwner(1, 2, GVN_CLICK);
    grid.AnnounceCellBlock(CGridCellBlock(0, 0, 1, 1));
    GridCellRequest request{};
    grid.RequestCellFromOwner(&request);
    EXPECT_TRUE(parent.notices.empty());
    ASSERT_EQ(owner.notices.size(), 3u);
    EXPECT_EQ(owner.notices[0].code, GVN_CLICK);
    EXPECT_EQ(CGridCellAddress(owner.notices[0].row, owner.notices[0].col), CGridCellAddress(1, 2));
    EXPECT_EQ(owner.notices[1].code, GVN_ODCACHEHINT);
    EXPECT_EQ(owner.notices[2].code, GVN_GETDISPINFO);
    for (const RecordedNotice& n : owner.notices)
        EXPECT_EQ(n.id, 100u) << n.code;
}
