#include "GridTestHost.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

namespace {

// 6 rows x 5 columns, one fixed row and column; cell (r, c) spans
// x = 60c .. 60c + 59 and y = 20r .. 20r + 19.
// The mouse messages are sent, the cursor stays away: the grid confines only a
// cursor that really is over it (and Wine's X11 driver fails on confinement in
// quickly made and destroyed windows).
struct MouseGrid {
    GridTestHost host{400, 300};
    CGridCtrl grid{6, 5, 1, 1};
    MouseGrid()
    {
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        LabelCells(grid);
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    void Click(int row, int col, UINT flags = 0) { ClickAt(grid, col * 60 + 30, row * 20 + 10, flags); }
};

using Codes = std::vector<int>;

} // namespace

TEST(GridMouse, ClickSelectsTheCellAndNotifiesInOrder)
{
    MouseGrid g;
    SendMouse(g.grid, WM_LBUTTONDOWN, 150, 50, MK_LBUTTON);
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_SELCHANGING}));
    EXPECT_EQ(CWnd::GetCapture(), &g.grid);
    SendMouse(g.grid, WM_LBUTTONUP, 150, 50);
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK}));
    for (const RecordedNotice& n : g.host.notices)
        EXPECT_EQ(CGridCellAddress(n.row, n.col), CGridCellAddress(2, 2));
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 2));
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(2, 2, 2, 2));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // A second click on the focus cell's text prepares an edit instead.
    g.host.notices.clear();
    g.Click(2, 2);
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_BEGINLABELEDIT}));
}

TEST(GridMouse, ClickOutsideTheCellsDoesNothing)
{
    MouseGrid g;
    g.grid.MoveFocusTo(2, 2);
    g.Click(8, 2);  // below the last row
    g.Click(2, 6);  // right of the last column
    EXPECT_TRUE(g.host.Codes().empty());
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 2));
    EXPECT_EQ(g.grid.SelectedCount(), 0);
}

TEST(GridMouse, ShiftControlAndDragSelection)
{
    MouseGrid g;
    g.Click(2, 2);
    g.Click(4, 3, MK_SHIFT);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(2, 2, 4, 3));
    EXPECT_EQ(g.grid.SelectionStart(), CGridCellAddress(2, 2));
    EXPECT_EQ(g.grid.SelectedCount(), 6);

    g.Click(3, 3, MK_CONTROL);  // a selected cell: deselected alone
    EXPECT_EQ(g.grid.SelectedCount(), 5);
    EXPECT_FALSE(g.grid.IsCellInSelection(3, 3));
    EXPECT_TRUE(g.grid.IsCellInSelection(4, 3));

    g.Click(1, 4, MK_CONTROL);  // an unselected cell: added, the rest kept
    EXPECT_EQ(g.grid.SelectedCount(), 6);
    EXPECT_TRUE(g.grid.IsCellInSelection(1, 4));

    g.Click(5, 1);
    EXPECT_EQ(g.grid.SelectionStart(), CGridCellAddress(5, 1));
    EXPECT_EQ(g.grid.SelectedCount(), 1);

    SendMouse(g.grid, WM_LBUTTONDOWN, 90, 30, MK_LBUTTON);
    SendMouse(g.grid, WM_MOUSEMOVE, 150, 70, MK_LBUTTON);
    SendMouse(g.grid, WM_MOUSEMOVE, 210, 90, MK_LBUTTON);
    SendMouse(g.grid, WM_LBUTTONUP, 210, 90);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(1, 1, 4, 3));
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(4, 3));
}

TEST(GridMouse, ListModeControlClickDeselectsTheRow)
{
    MouseGrid g;
    g.grid.SetListMode(TRUE);
    g.Click(2, 2);
    g.Click(3, 2, MK_SHIFT);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(2, 1, 3, 4));
    g.Click(3, 1, MK_CONTROL);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(2, 1, 2, 4));
}

TEST(GridMouse, HeaderClicksSelectColumnsRowsEverythingAndSort)
{
    MouseGrid g;
    g.Click(0, 2);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(1, 2, 5, 2));
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(-1, -1));
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK}));
    g.Click(3, 0);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(3, 1, 3, 4));
    g.Click(0, 0);
    EXPECT_EQ(g.grid.SelectedCount(), 20);

    g.grid.SetFixedRowSelection(FALSE);
    g.grid.SetSortOnClick(TRUE);
    const wchar_t* texts[] = {L"b", L"d", L"a", L"e", L"c"};
    for (int r = 1; r <= 5; ++r)
        g.grid.ChangeCellText(r, 2, texts[r - 1]);
    g.Click(0, 2);
    EXPECT_EQ(g.grid.SortColumn(), 2);
    EXPECT_TRUE(g.grid.SortAscending());
    EXPECT_EQ(g.grid.CellTextAt(1, 2), L"a");
    EXPECT_EQ(g.grid.CellTextAt(5, 2), L"e");
    EXPECT_EQ(g.grid.SelectedCount(), 0);
    g.Click(0, 2);
    EXPECT_FALSE(g.grid.SortAscending());
    EXPECT_EQ(g.grid.CellTextAt(1, 2), L"e");
    EXPECT_EQ(g.grid.CellTextAt(5, 2), L"a");
    EXPECT_EQ(g.grid.CellTextAt(0, 2), L"0,2");  // the header stays put
}

TEST(GridMouse, DraggingAColumnDividerResizesTheColumn)
{
    struct Case {
        const char* name;
        int releaseX;
        bool hiding;
        int width;
    };
    // Column 1 spans x = 60 .. 119; its right divider is grabbed at x = 119.
    for (const Case& c : {Case{"wider", 150, true, 90}, Case{"narrower", 80, true, 20},
                          Case{"past its left edge", 40, true, 0}, Case{"past its left edge, no hiding", 40, false, 1},
                          Case{"released where pressed", 119, true, 60}}) {
        MouseGrid g;
        g.grid.SetColumnHiding(c.hiding);
        SendMouse(g.grid, WM_MOUSEMOVE, 119, 5);
        EXPECT_EQ(g.grid.MouseMode(), 8) << c.name;
        SendMouse(g.grid, WM_LBUTTONDOWN, 119, 5, MK_LBUTTON);
        EXPECT_EQ(g.grid.MouseMode(), 9) << c.name;
        SendMouse(g.grid, WM_MOUSEMOVE, c.releaseX, 5, MK_LBUTTON);
        SendMouse(g.grid, WM_LBUTTONUP, c.releaseX, 5);
        EXPECT_EQ(g.grid.ColumnWidth(1), c.width) << c.name;
        EXPECT_EQ(g.grid.MouseMode(), 0) << c.name;
        EXPECT_EQ(g.grid.SelectedCount(), 0) << c.name;  // sizing selects nothing
    }
    // The left edge of column 2 grabs column 1 as well; a row divider sizes rows.
    MouseGrid g;
    SendMouse(g.grid, WM_LBUTTONDOWN, 121, 5, MK_LBUTTON);
    SendMouse(g.grid, WM_LBUTTONUP, 131, 5);
    EXPECT_EQ(g.grid.ColumnWidth(1), 71);
    SendMouse(g.grid, WM_LBUTTONDOWN, 10, 59, MK_LBUTTON);
    SendMouse(g.grid, WM_LBUTTONUP, 10, 70);
    EXPECT_EQ(g.grid.RowHeight(2), 30);
    g.grid.SetRowResize(FALSE);
    SendMouse(g.grid, WM_LBUTTONDOWN, 10, 99, MK_LBUTTON);
    SendMouse(g.grid, WM_LBUTTONUP, 10, 110);
    EXPECT_EQ(g.grid.RowHeight(4), 20);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(4, 1, 4, 4));
}

TEST(GridMouse, DoubleClickOnADividerFitsTheSizeToTheContents)
{
    MouseGrid g;
    CClientDC dc(&g.grid);
    ASSERT_NE(g.grid.CellAt(2, 0)->MeasureCell(&dc).cy, 50);
    // Row 2 spans y = 40 .. 89: just above its bottom edge, and just inside row 3.
    for (int y : {88, 90, 91}) {
        g.grid.ChangeRowHeight(2, 50);
        SendMouse(g.grid, WM_LBUTTONDBLCLK, 10, y, MK_LBUTTON);
        EXPECT_EQ(g.grid.RowHeight(2), g.grid.CellAt(2, 0)->MeasureCell(&dc).cy) << y;
        EXPECT_EQ(g.grid.RowHeight(3), 20) << y;
    }
    g.grid.ChangeColumnWidth(2, 200);  // spans x = 120 .. 319
    SendMouse(g.grid, WM_LBUTTONDBLCLK, 321, 5, MK_LBUTTON);
    EXPECT_LT(g.grid.ColumnWidth(2), 200);
    EXPECT_GT(g.grid.ColumnWidth(2), 10);
    EXPECT_TRUE(g.host.Codes().empty());

    g.Click(2, 2);
    g.host.notices.clear();
    SendMouse(g.grid, WM_LBUTTONDBLCLK, 150, 50, MK_LBUTTON);
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_BEGINLABELEDIT, GVN_DBLCLICK}));
}

TEST(GridMouse, RightClickMovesTheFocusAndNotifies)
{
    MouseGrid g;
    SendMouse(g.grid, WM_RBUTTONUP, 150, 70);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(3, 2));
    SendMouse(g.grid, WM_RBUTTONUP, 30, 10);  // the corner: focus raised out of the fixed cells
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(1, 1));
    SendMouse(g.grid, WM_RBUTTONUP, 390, 290);
    ASSERT_EQ(g.host.notices.size(), 3u);
    EXPECT_EQ(g.host.notices[0].code, GVN_RCLICK);
    EXPECT_EQ(CGridCellAddress(g.host.notices[0].row, g.host.notices[0].col), CGridCellAddress(3, 2));
    EXPECT_EQ(CGridCellAddress(g.host.notices[1].row, g.host.notices[1].col), CGridCellAddress(0, 0));
    EXPECT_EQ(CGridCellAddress(g.host.notices[2].row, g.host.notices[2].col), CGridCellAddress(-1, -1));
}

TEST(GridMouse, WheelScrollsByLinesOrPages)
{
    GridTestHost host(400, 300);
    CGridCtrl grid(200, 3, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    UniformLayout(grid);
    grid.SetWheelScrollLines(3);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    testsupport::PumpMessages(50);
    EXPECT_EQ(grid.FirstScrolledCell().row, 4);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    testsupport::PumpMessages(50);
    EXPECT_EQ(grid.FirstScrolledCell().row, 1);

    grid.SetWheelScrollLines(WHEEL_PAGESCROLL);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
    testsupport::PumpMessages(50);
    CRect client;
    grid.GetClientRect(&client);
    EXPECT_EQ(grid.ScrollOffset(SB_VERT), 2 * (client.Height() - 20));
}

TEST(GridMouse, DraggingASelectionNotifiesAndAClickWithoutADragClears)
{
    MouseGrid g;
    g.grid.SetDragAndDrop(TRUE);
    g.Click(2, 2);
    g.Click(3, 3, MK_SHIFT);
    g.host.notices.clear();
    // A press on a selected cell prepares a drag; a move starts it.
    SendMouse(g.grid, WM_LBUTTONDOWN, 190, 50, MK_LBUTTON);
    EXPECT_EQ(g.grid.MouseMode(), 11);
    SendMouse(g.grid, WM_MOUSEMOVE, 200, 60, MK_LBUTTON);
    ASSERT_FALSE(g.host.notices.empty());
    EXPECT_EQ(g.host.notices.front().code, GVN_BEGINDRAG);
    EXPECT_EQ(CGridCellAddress(g.host.notices.front().row, g.host.notices.front().col), CGridCellAddress(2, 2));
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"2,2");  // nothing took the drop
    SendMouse(g.grid, WM_LBUTTONUP, 200, 60);

    g.Click(2, 2);
    g.Click(3, 3, MK_SHIFT);
    g.host.notices.clear();
    g.Click(3, 2);  // selected, released without a move
    EXPECT_EQ(g.host.Codes(), (Codes{GVN_CLICK, GVN_SELCHANGING, GVN_SELCHANGED}));
    EXPECT_EQ(g.grid.SelectedCount(), 0);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(-1, -1));
}

TEST(GridMouse, AOnePixelJitterOnTheFocusCellStillStartsTheEdit)
{
    for (bool dragAndDrop : {false, true}) {
        MouseGrid g;
        g.grid.SetDragAndDrop(dragAndDrop);
        g.Click(2, 2);
        g.host.notices.clear();
        SendMouse(g.grid, WM_LBUTTONDOWN, 150, 50, MK_LBUTTON);
        EXPECT_EQ(g.grid.MouseMode(), CGridCtrl::kPrepareEdit) << dragAndDrop;
        SendMouse(g.grid, WM_MOUSEMOVE, 151, 51, MK_LBUTTON);
        SendMouse(g.grid, WM_LBUTTONUP, 151, 51);
        EXPECT_EQ(g.host.Codes(), (Codes{GVN_BEGINLABELEDIT})) << dragAndDrop;
        EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 2)) << dragAndDrop;
        EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(2, 2, 2, 2)) << dragAndDrop;
    }
}

TEST(GridMouse, ADividerNextToAHiddenColumnGrabsItOnlyWhenUnhidingIsOn)
{
    // Column 2 is hidden: the divider at x = 120 is both column 1's right edge
    // and the hidden column's left edge; column 3 starts there too.
    for (bool unhide : {true, false}) {
        MouseGrid g;
        g.grid.ChangeColumnWidth(2, 0);
        g.grid.SetUnhideColumns(unhide);
        SendMouse(g.grid, WM_LBUTTONDOWN, 121, 5, MK_LBUTTON);
        SendMouse(g.grid, WM_LBUTTONUP, 141, 5);
        if (unhide) {
            EXPECT_EQ(g.grid.ColumnWidth(2), 21);
            EXPECT_EQ(g.grid.ColumnWidth(1), 60);
        } else {
            EXPECT_EQ(g.grid.ColumnWidth(2), 0);
            EXPECT_EQ(g.grid.ColumnWidth(1), 81);
        }
    }
}
