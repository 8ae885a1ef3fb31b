#include "GridTestHost.h"

#include "CWinThread.h"
#include "MessagePump.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

namespace {

// Runs the thread's queue as the program's message loop does, pre-translation
// first, until a button or key message has reached the grid (before the
// auto-scroll timer of a press can tick).
void PumpToGrid(CGridCtrl& grid)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        const bool input =
            (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK) || msg.message == WM_KEYDOWN;
        if (msg.hwnd == grid.GetSafeHwnd() && input)
            return;
    }
}

// 6 rows x 5 columns, one fixed row and column, cells 60 x 20, in the shown
// window on top of everything (clicks are passed on to the window under the
// tip); the grid has the focus and the cursor stays away.
struct TipGrid {
    GridTestHost& host = ShownHost();
    CGridCtrl grid{6, 5, 1, 1};
    TipGrid()
    {
        ::SetWindowPos(host.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_TRUE(host.Create(grid));
        UniformLayout(grid);
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        grid.SetFocus();
    }
    ~TipGrid() { ::SetWindowPos(host.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); }
    CGridHoverTip& tip() { return grid.TitleTip(); }
    bool TipShown() { return tip().GetSafeHwnd() && tip().IsWindowVisible(); }
    void Hover(int row, int col)
    {
        CRect cell;
        grid.CellBounds(row, col, &cell);
        SendMouse(grid, WM_MOUSEMOVE, cell.left + 5, cell.top + 5);
    }
    // The size of " text " in the grid's font.
    CSize TextSize(const wchar_t* text)
    {
        CString padded;
        padded.Format(L" %s ", text);
        HDC dc = ::GetDC(grid.GetSafeHwnd());
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT)));
        SIZE size{};
        ::GetTextExtentPoint32W(dc, padded, padded.GetLength(), &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(grid.GetSafeHwnd(), dc);
        return size;
    }
    // The tip's client area (its text) on the screen.
    CRect TipRect()
    {
        CRect rect;
        tip().GetClientRect(&rect);
        tip().ClientToScreen(&rect);
        return rect;
    }
    CPoint CellOnScreen(int row, int col)
    {
        CPoint p(col * 60, row * 20);
        grid.ClientToScreen(&p);
        return p;
    }
};

} // namespace

TEST(GridTitleTip, ShownOnlyForATextThatDoesNotFit)
{
    TipGrid g;
    const wchar_t* text = L"A longer cell text";
    g.grid.ChangeCellText(2, 2, text);
    const CSize size = g.TextSize(text);
    const int width = size.cx;
    // The text rectangle ends on the cell's last pixel, so it fits in one more.
    g.grid.ChangeColumnWidth(2, width + 1);
    g.Hover(2, 2);
    EXPECT_FALSE(g.TipShown());

    g.grid.ChangeColumnWidth(2, width);
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    // Over the cell's text, inside the tip's border.
    EXPECT_EQ(g.TipRect(), CRect(g.CellOnScreen(2, 2) + CSize(1, 1), size));
    EXPECT_EQ(CWnd::GetCapture(), &g.tip());
    EXPECT_EQ(::GetFocus(), g.grid.GetSafeHwnd());  // shown without taking the focus

    // Moves inside the cell keep it, a move out of the cell hides it.
    g.tip().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(width - 2, 5));
    EXPECT_TRUE(g.TipShown());
    g.tip().SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(width + 30, 5));
    EXPECT_FALSE(g.TipShown());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // Empty cells and cells being edited show none.
    g.Hover(3, 3);
    EXPECT_FALSE(g.TipShown());
    g.grid.MoveFocusTo(2, 2);
    g.grid.SendMessage(WM_CHAR, 'x', 1);
    ASSERT_TRUE(g.grid.IsCellBeingEdited(2, 2));
    g.Hover(2, 2);
    EXPECT_FALSE(g.TipShown());
}

TEST(GridTitleTip, SemicolonsBreakTheTextIntoLines)
{
    TipGrid g;
    g.grid.ChangeColumnWidth(2, 200);
    g.grid.ChangeCellText(2, 2, L"one;two;");
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    // " one" and its line break is the longest line: 5 characters of 5 pixels; 15 pixels a line.
    EXPECT_EQ(g.TipRect().Size(), CSize(25, 30));
}

TEST(GridTitleTip, ClicksPassThroughToTheCellBelow)
{
    TipGrid g;
    g.grid.ChangeColumnWidth(2, 20);
    g.grid.ChangeCellText(2, 2, L"too long for the cell");
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    g.tip().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpToGrid(g.grid);
    EXPECT_FALSE(g.TipShown());
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(2, 2));
    EXPECT_EQ(g.host.Codes(), std::vector<int>{GVN_SELCHANGING});
    SendMouse(g.grid, WM_LBUTTONUP, 125, 45);

    // A second click within the double-click time arrives as a double click.
    g.host.notices.clear();
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    g.tip().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpToGrid(g.grid);
    EXPECT_EQ(g.host.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_DBLCLICK}));
    EXPECT_TRUE(g.grid.IsCellBeingEdited(2, 2));
}

TEST(GridTitleTip, KeysScrollingAndLostFocusHideIt)
{
    TipGrid g;
    g.grid.ChangeColumnWidth(2, 20);
    g.grid.ChangeCellText(2, 2, L"too long for the cell");
    g.grid.MoveFocusTo(2, 2);

    // A key the tip receives goes on to the grid.
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    g.tip().PostMessage(WM_KEYDOWN, VK_DOWN, 1);
    PumpToGrid(g.grid);
    EXPECT_FALSE(g.TipShown());
    EXPECT_EQ(g.grid.FocusCell(), CGridCellAddress(3, 2));

    // Keys reach the grid, which has the focus, and scrolling: both hide it.
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    PressKey(g.grid, VK_UP);
    EXPECT_FALSE(g.TipShown());
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    g.grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_FALSE(g.TipShown());

    // With no window of the program holding the focus the tip never shows.
    ::SetFocus(nullptr);
    g.Hover(2, 2);
    EXPECT_FALSE(g.TipShown());
}

TEST(GridTitleTip, PaintsTheWholeTextOverTheCell)
{
    TipGrid g;
    LabelCells(g.grid);
    g.grid.ChangeColumnWidth(2, 40);
    g.grid.ChangeCellText(2, 2, L"Weekly planning meeting");
    g.Hover(2, 2);
    ASSERT_TRUE(g.TipShown());
    testsupport::PumpMessages(100);
    CRect area;
    g.grid.GetWindowRect(&area);
    const testsupport::WindowCapture shot = testsupport::WindowCapture::FromScreen(area, g.tip().GetSafeHwnd());
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_TRUE(shot.SavePng(GridOutputPath(L"grid_title_tip.png")));
    // The tip carries on past the cell's right edge with the text the cell cuts off.
    CRect beyond = g.TipRect();
    beyond.left = g.CellOnScreen(2, 3).x + 2;
    beyond.DeflateRect(0, 1);
    beyond.OffsetRect(-area.left, -area.top);
    EXPECT_TRUE(shot.HasTextLikePixels(beyond));
}
