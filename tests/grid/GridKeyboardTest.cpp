#include "GridTestHost.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

namespace {

// 10 rows x 6 columns, one fixed row and column, all shown in the client area.
struct SmallGrid {
    GridTestHost host{400, 300};
    CGridCtrl grid{10, 6, 1, 1};
    SmallGrid()
    {
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        LabelCells(grid);
    }
};

} // namespace

TEST(GridKeyboard, NavigationKeysMoveTheFocusAndTheSelection)
{
    struct Case {
        const char* name;
        CGridCellAddress start;
        UINT key;
        bool shift;
        bool control;
        CGridCellAddress expected;
    };
    const Case cases[] = {
        {"up on the first row", {1, 1}, VK_UP, false, false, {1, 1}},
        {"down on the last row", {9, 1}, VK_DOWN, false, false, {9, 1}},
        {"down", {4, 2}, VK_DOWN, false, false, {5, 2}},
        {"right", {2, 2}, VK_RIGHT, false, false, {2, 3}},
        {"right on the last column", {2, 5}, VK_RIGHT, false, false, {2, 5}},
        {"left on the first column", {2, 1}, VK_LEFT, false, false, {2, 1}},
        {"tab wraps to the next row", {2, 5}, VK_TAB, false, false, {3, 1}},
        {"tab on the last cell", {9, 5}, VK_TAB, false, false, {9, 5}},
        {"shift tab wraps back", {3, 1}, VK_TAB, true, false, {2, 5}},
        {"shift tab on the first cell", {1, 1}, VK_TAB, true, false, {1, 1}},
        {"home", {5, 3}, VK_HOME, false, false, {5, 1}},
        {"end", {5, 3}, VK_END, false, false, {5, 5}},
        {"ctrl home", {5, 3}, VK_HOME, false, true, {1, 1}},
        {"ctrl end", {5, 3}, VK_END, false, true, {9, 5}},
        {"page up at the top", {5, 3}, VK_PRIOR, false, false, {1, 3}},
    };
    for (const Case& c : cases) {
        SmallGrid g;
        g.grid.MoveFocusTo(c.start);
        PressKey(g.grid, c.key, c.shift, c.control);
        EXPECT_EQ(g.grid.FocusCell(), c.expected) << c.name;
        if (c.expected == c.start) {
            EXPECT_TRUE(g.host.Codes().empty()) << c.name;
            continue;
        }
        EXPECT_EQ(g.host.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED})) << c.name;
        EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(c.expected.row, c.expected.col, c.expected.row, c.expected.col))
            << c.name;
        EXPECT_EQ(g.grid.SelectionStart(), c.expected) << c.name;
    }
}

TEST(GridKeyboard, HiddenRowsAndColumnsAreSteppedOver)
{
    SmallGrid g;
    g.grid.ChangeColumnWidth(3, 0);
    g.grid.ChangeRowHeight(4, 0);
    g.grid.ChangeColumnWidth(5, 0);
    g.grid.MoveFocusTo(3, 2);
    PressKey(g.grid, VK_RIGHT);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(3, 4));
    PressKey(g.grid, VK_RIGHT);  // only a hidden column is left
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(3, 4));
    PressKey(g.grid, VK_DOWN);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(5, 4));
    PressKey(g.grid, VK_END);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(5, 4));
    PressKey(g.grid, VK_LEFT);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(5, 2));
}

TEST(GridKeyboard, ShiftExtendsFromTheSelectionStart)
{
    SmallGrid g;
    g.grid.MoveFocusTo(2, 2);
    PressKey(g.grid, VK_DOWN);
    PressKey(g.grid, VK_DOWN, true);
    PressKey(g.grid, VK_RIGHT, true);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(3, 2, 4, 3));
    EXPECT_EQ(g.grid.SelectedCount(), 4);
    EXPECT_EQ(g.grid.SelectionStart(), CGridCellAddress(3, 2));
    PressKey(g.grid, VK_UP);
    EXPECT_EQ(g.grid.SelectionBounds(), CGridCellBlock(3, 3, 3, 3));
    EXPECT_EQ(g.grid.SelectionStart(), CGridCellAddress(3, 3));
}

TEST(GridKeyboard, MovesScrollTheFocusIntoView)
{
    GridTestHost host(400, 300);
    CGridCtrl grid(100, 12, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    UniformLayout(grid);
    grid.MoveFocusTo(1, 11);
    grid.ScrollCellIntoView(1, 11);
    ASSERT_GT(grid.ScrollOffset(SB_HORZ), 0);
    PressKey(grid, VK_TAB);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(2, 1));
    EXPECT_EQ(grid.ScrollOffset(SB_HORZ), 0);
    EXPECT_TRUE(grid.IsCellShown(2, 1));

    PressKey(grid, VK_NEXT);
    const int pageRow = grid.FocusCell().row;
    EXPECT_GT(pageRow, 2);
    EXPECT_GT(grid.FirstScrolledCell().row, 1);
    EXPECT_TRUE(grid.IsCellShown(grid.FocusCell()));
    PressKey(grid, VK_END, false, true);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(99, 11));
    EXPECT_TRUE(grid.IsCellShown(99, 11));
    for (int i = 0; i < 30; ++i)
        PressKey(grid, VK_UP);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(69, 11));
    EXPECT_TRUE(grid.IsCellShown(69, 11));
    PressKey(grid, VK_HOME, false, true);
    EXPECT_EQ(grid.FocusCell(), CGridCellAddress(1, 1));
    EXPECT_EQ(grid.ScrollOffset(SB_VERT), 0);
    EXPECT_EQ(grid.ScrollOffset(SB_HORZ), 0);
}

TEST(GridKeyboard, TypingAsksTheOwnerToBeginAnEdit)
{
    SmallGrid g;
    g.grid.MoveFocusTo(2, 3);
    struct Case {
        UINT ch;
        bool control;
        bool editable;
        bool asks;
    };
    for (const Case& c : {Case{'x', false, true, true}, Case{VK_ESCAPE, false, true, false},
                          Case{VK_TAB, false, true, false}, Case{'x', true, true, false}, Case{'x', false, false, false}}) {
        g.host.notices.clear();
        g.grid.SetEditable(c.editable);
        HeldKeys held(false, c.control);
        g.grid.SendMessage(WM_CHAR, c.ch, 1);
        const std::vector<int> expected = c.asks ? std::vector<int>{GVN_BEGINLABELEDIT} : std::vector<int>{};
        EXPECT_EQ(g.host.Codes(), expected) << c.ch;
    }
    g.grid.SetEditable(TRUE);
    g.host.notices.clear();
    g.grid.ChangeCellState(2, 3, GVIS_READONLY | GVIS_FOCUSED);
    g.grid.SendMessage(WM_CHAR, 'x', 1);
    EXPECT_TRUE(g.host.Codes().empty());
}

TEST(GridKeyboard, DialogCodeWantsTabUnlessControlIsHeld)
{
    SmallGrid g;
    EXPECT_EQ(g.grid.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
    {
        HeldKeys held(false, true);
        EXPECT_EQ(g.grid.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    }
    g.grid.SetWantsTab(FALSE);
    EXPECT_EQ(g.grid.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST(GridKeyboard, HoldingTheButtonBelowTheGridScrollsAndExtends)
{
    GridTestHost host(400, 300, true);
    CGridCtrl grid(100, 4, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    UniformLayout(grid);
    SendMouse(grid, WM_LBUTTONDOWN, 90, 30, MK_LBUTTON);
    ASSERT_EQ(grid.FocusCell(), CGridCellAddress(1, 1));
    const CGridCellBlock shown = grid.ShownCellBlock();
    CRect last;
    ASSERT_TRUE(grid.CellBounds(shown.maxRow - 1, 1, &last));
    SendMouse(grid, WM_MOUSEMOVE, 90, last.top + 5, MK_LBUTTON);
    ASSERT_EQ(grid.FocusCell(), CGridCellAddress(shown.maxRow - 1, 1));

    CRect client;
    grid.GetClientRect(&client);
    CPoint below(90, client.bottom + 40);
    grid.ClientToScreen(&below);
    ASSERT_TRUE(::SetCursorPos(below.x, below.y));
    // The focus first reaches the last row shown; from then on every tick
    // scrolls one row and takes the selection one row further.
    const int startTop = grid.FirstScrolledCell().row;
    for (int tick = 0; tick < 3 && grid.FirstScrolledCell().row == startTop; ++tick)
        grid.SendMessage(WM_TIMER, 0x201);
    ASSERT_GT(grid.FirstScrolledCell().row, startTop);
    for (int tick = 0; tick < 5; ++tick) {
        const int top = grid.FirstScrolledCell().row;
        const int extent = grid.SelectionBounds().maxRow;
        grid.SendMessage(WM_TIMER, 0x201);
        EXPECT_EQ(grid.FirstScrolledCell().row, top + 1) << tick;
        EXPECT_EQ(grid.SelectionBounds().maxRow, extent + 1) << tick;
        EXPECT_GE(grid.SelectionBounds().maxRow, grid.FocusCell().row) << tick;
    }
    EXPECT_EQ(grid.SelectionBounds().minRow, 1);
    EXPECT_EQ(grid.SelectionBounds().maxCol, 1);
    SendMouse(grid, WM_LBUTTONUP, 90, client.bottom - 1);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST(GridKeyboard, EditorEndStoresTheTextAndMovesOnWithItsKey)
{
    SmallGrid g;
    g.grid.ChangeCellText(2, 2, L"old");
    g.grid.MoveFocusTo(2, 2);
    // Stands in for the in-place editor: a child of the grid with the editor's id.
    HWND editor = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, g.grid.GetSafeHwnd(),
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(CGridCtrl::kEditorId)), nullptr, nullptr);
    auto endEdit = [&](LPCTSTR text, UINT key) {
        GridCellRequest request{};
        request.hdr.hwndFrom = editor;
        request.hdr.idFrom = CGridCtrl::kEditorId;
        request.hdr.code = static_cast<UINT>(GVN_ENDLABELEDIT);
        request.item.row = g.grid.FocusCell().row;
        request.item.col = g.grid.FocusCell().col;
        request.item.mask = GVIF_TEXT | GVIF_PARAM;
        request.item.lParam = key;
        request.item.strText = text;
        g.grid.SendMessage(WM_NOTIFY, CGridCtrl::kEditorId, reinterpret_cast<LPARAM>(&request));
    };
    endEdit(L"new", VK_RETURN);
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"new");
    EXPECT_TRUE(g.grid.CellStateAt(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 2));
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{GVN_ENDLABELEDIT}));

    // Tab carries the edit on to the next cell.
    g.host.notices.clear();
    endEdit(L"newer", VK_TAB);
    EXPECT_EQ(g.grid.CellTextAt(2, 2), L"newer");
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 3));
    ASSERT_FALSE(g.host.notices.empty());
    EXPECT_EQ(g.host.notices.back().code, GVN_BEGINLABELEDIT);
    EXPECT_EQ(CGridCellAddress(g.host.notices.back().row, g.host.notices.back().col), CGridCellAddress(2, 3));

    // The owner refuses the text: the old one stays.
    g.host.endEditReply = -1;
    endEdit(L"refused", VK_RETURN);
    EXPECT_EQ(g.grid.CellTextAt(2, 3), L"2,3");
}
