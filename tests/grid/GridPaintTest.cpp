#include "GridTestHost.h"

#include "MessagePump.h"
#include "TestPaths.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

using testsupport::WindowCapture;

namespace {

constexpr COLORREF kUnpainted = RGB(1, 2, 3);

// Paints the grid's client area with OnDraw into a 24-bit DIB section that
// starts out in kUnpainted, and captures it.
WindowCapture PaintGrid(CGridCtrl& grid)
{
    CRect client;
    grid.GetClientRect(&client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = client.Width();
    info.bmiHeader.biHeight = -client.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC memory = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    CDC dc;
    dc.Attach(memory);
    dc.FillSolidRect(&client, kUnpainted);
    grid.OnDraw(&dc);
    WindowCapture capture = WindowCapture::FromDC(memory, client);
    dc.Detach();
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return capture;
}

// 5 rows x 4 columns of 60 x 20 pixels, one fixed row and column.
void Layout(CGridCtrl& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.ChangeRowHeight(r, 20);
    for (int c = 0; c < grid.ColumnCount(); ++c)
        grid.ChangeColumnWidth(c, 60);
}

} // namespace

TEST(GridPaint, ColoursLinesFixedCellsFocusAndSelection)
{
    GridTestHost host;
    CGridCtrl grid(5, 4, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    Layout(grid);
    grid.ChangeCellBackColour(2, 1, RGB(255, 0, 0));
    grid.SelectBlock(3, 2, 3, 2);
    grid.MoveFocusTo(4, 3);

    const WindowCapture shot = PaintGrid(grid);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(shot.At(90, 50), RGB(255, 0, 0));                        // own back colour
    EXPECT_EQ(shot.At(90, 30), window);                                // normal cell
    EXPECT_EQ(shot.At(119, 30), RGB(0xC0, 0xC0, 0xC0));                // vertical grid line
    EXPECT_EQ(shot.At(90, 39), RGB(0xC0, 0xC0, 0xC0));                 // horizontal grid line
    EXPECT_EQ(shot.At(30, 10), ::GetSysColor(COLOR_BTNFACE));          // fixed corner
    EXPECT_EQ(shot.At(90, 10), ::GetSysColor(COLOR_BTNFACE));          // fixed row
    EXPECT_EQ(shot.At(60, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));      // raised header edge
    EXPECT_EQ(shot.At(180, 0), ::GetSysColor(COLOR_3DDKSHADOW));       // focus column header sunken
    EXPECT_EQ(shot.At(150, 70), ::GetSysColor(COLOR_HIGHLIGHT));       // selected cell
    EXPECT_EQ(shot.At(180, 90), ::GetSysColor(COLOR_WINDOWTEXT));      // focus frame
    EXPECT_EQ(shot.At(210, 90), window);                               // focus interior
    EXPECT_EQ(shot.At(300, 50), ::GetSysColor(COLOR_BTNSHADOW));       // right of the cells
    EXPECT_EQ(shot.At(100, 200), ::GetSysColor(COLOR_BTNSHADOW));      // below the cells
}

TEST(GridPaint, GridLineModesAndSuspendedDrawing)
{
    GridTestHost host;
    CGridCtrl grid(5, 4, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    Layout(grid);
    const COLORREF line = RGB(0xC0, 0xC0, 0xC0);
    struct Case {
        int mode;
        bool vertical;
        bool horizontal;
    };
    for (const Case& c : {Case{0, false, false}, Case{1, false, true}, Case{2, true, false}, Case{3, true, true}}) {
        grid.SetGridLines(c.mode);
        const WindowCapture shot = PaintGrid(grid);
        EXPECT_EQ(shot.At(119, 30) == line, c.vertical) << c.mode;
        EXPECT_EQ(shot.At(90, 39) == line, c.horizontal) << c.mode;
    }
    grid.ChangeColumnWidth(1, 0);
    grid.SetGridLines(3);
    const WindowCapture hidden = PaintGrid(grid);
    EXPECT_EQ(hidden.At(119, 30), line);  // column 2 now ends where column 1 did
    EXPECT_EQ(hidden.At(60, 30), ::GetSysColor(COLOR_WINDOW));

    grid.SetAllowDraw(FALSE);
    EXPECT_EQ(PaintGrid(grid).At(90, 30), kUnpainted);
    EXPECT_FALSE(grid.RepaintCellNow(1, 1));
}

TEST(GridPaint, SortArrowInTheHeader)
{
    GridTestHost host;
    CGridCtrl grid(3, 2, 1, 0);
    ASSERT_TRUE(host.Create(grid));
    grid.ChangeRowHeight(0, 30);
    grid.ChangeColumnWidth(0, 100);
    grid.ChangeCellText(1, 0, L"b");
    grid.ChangeCellText(2, 0, L"a");
    // The arrow's shadow outline in the header's right part: the rows it spans
    // and how many pixels its first and last rows hold. An arrow that points up
    // has its long base at the bottom, one that points down at the top.
    struct Outline {
        int pixels = 0;
        int top = -1;
        int bottom = -1;
        int topWidth = 0;
        int bottomWidth = 0;
    };
    auto outline = [](const WindowCapture& shot) {
        const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
        Outline o;
        for (int y = 2; y < 28; ++y) {
            const int width = shot.CountColor(RECT{60, y, 98, y + 1}, shadow);
            if (width == 0)
                continue;
            o.pixels += width;
            if (o.top < 0) {
                o.top = y;
                o.topWidth = width;
            }
            o.bottom = y;
            o.bottomWidth = width;
        }
        return o;
    };
    EXPECT_EQ(outline(PaintGrid(grid)).pixels, 0);
    grid.SortByColumnText(0, TRUE);
    const Outline up = outline(PaintGrid(grid));
    ASSERT_GT(up.pixels, 5);
    EXPECT_GT(up.bottom - up.top, 3);
    EXPECT_GT(up.bottomWidth, up.topWidth + 3);
    grid.SortByColumnText(0, FALSE);
    const Outline down = outline(PaintGrid(grid));
    ASSERT_GT(down.pixels, 5);
    EXPECT_GT(down.topWidth, down.bottomWidth + 3);
    // The same triangle, turned over.
    EXPECT_EQ(down.top, up.top);
    EXPECT_EQ(down.bottom, up.bottom);
}

TEST(GridPaint, SampleGridScreenshot)
{
    GridTestHost host(420, 200, true);
    CGridCtrl grid(7, 4, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    const wchar_t* headers[] = {L"", L"Subject", L"Start", L"Location"};
    for (int c = 0; c < 4; ++c)
        grid.ChangeCellText(0, c, headers[c]);
    grid.ChangeColumnWidth(0, 40);
    for (int c = 1; c < 4; ++c)
        grid.ChangeColumnWidth(c, 120);

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 2, 0));
    for (COLORREF colour : {RGB(0, 160, 0), RGB(200, 120, 0)}) {
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        RECT all{0, 0, 16, 16};
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(memory, &all, brush);
        ::DeleteObject(brush);
        ::SelectObject(memory, old);
        ImageList_Add(images.GetSafeHandle(), bitmap, nullptr);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }
    grid.SetImageList(&images);
    for (int r = 1; r < 7; ++r) {
        CString text;
        text.Format(L"%d", r);
        grid.ChangeCellText(r, 0, text);
        text.Format(L"Meeting %d", r);
        grid.ChangeCellText(r, 1, text);
        grid.ChangeCellImage(r, 1, r % 2);
        text.Format(L"2026-12-%02d 09:00", r + 9);
        grid.ChangeCellText(r, 2, text);
        grid.ChangeCellText(r, 3, r % 2 ? L"Room A" : L"Room B");
    }
    grid.ChangeCellBackColour(2, 3, RGB(255, 230, 150));
    grid.ChangeCellTextColour(3, 3, RGB(200, 0, 0));
    grid.SelectBlock(4, 1, 5, 2);
    grid.MoveFocusTo(5, 2);
    grid.RedrawWindow();
    testsupport::PumpMessages(200);

    const WindowCapture shot = WindowCapture::FromWindow(grid.GetSafeHwnd(), true);
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_TRUE(shot.SavePng(GridOutputPath(L"grid_sample.png")));
    CRect cell;
    ASSERT_TRUE(grid.CellBounds(1, 1, &cell));
    EXPECT_TRUE(shot.IsMostlyColor(RECT{cell.left + 4, cell.top + 4, cell.left + 12, cell.top + 12}, RGB(200, 120, 0)));
    ASSERT_TRUE(grid.CellBounds(4, 1, &cell));
    EXPECT_EQ(shot.At(cell.right - 3, cell.top + 3), ::GetSysColor(COLOR_HIGHLIGHT));
    ASSERT_TRUE(grid.CellBounds(0, 1, &cell));
    EXPECT_TRUE(shot.HasTextLikePixels(cell));
}

TEST(GridPaint, ScrollingRepaintsTheMovedCellsAndTheScrollBar)
{
    GridTestHost host(300, 200, true);
    CGridCtrl grid(60, 8, 1, 1);
    ASSERT_TRUE(host.Create(grid));
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < 8; ++c) {
            grid.ChangeRowHeight(r, 20);
            grid.ChangeColumnWidth(c, 60);
            CString text;
            text.Format(L"%d", r);
            grid.ChangeCellText(r, c, text);
        }
    grid.ChangeCellBackColour(12, 1, RGB(255, 0, 0));
    grid.RedrawWindow();
    testsupport::PumpMessages(150);
    CRect client;
    grid.GetClientRect(&client);
    auto barShot = [&] {
        CRect window;
        grid.GetWindowRect(&window);
        CPoint corner(client.right, 0);
        grid.ClientToScreen(&corner);
        return WindowCapture::FromScreen(RECT{corner.x, corner.y, window.right, corner.y + client.Height()});
    };
    const WindowCapture barBefore = barShot();

    for (int i = 0; i < 10; ++i)
        grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    testsupport::PumpMessages(150);
    EXPECT_EQ(grid.FirstScrolledCell().row, 11);
    const WindowCapture shot = WindowCapture::FromWindow(grid.GetSafeHwnd(), true);
    EXPECT_TRUE(shot.SavePng(GridOutputPath(L"grid_scrolled.png")));
    // Row 12 is now the second scrolled row: just below the header and row 11.
    EXPECT_TRUE(shot.IsMostlyColor(RECT{64, 44, 116, 56}, RGB(255, 0, 0)));
    EXPECT_TRUE(shot.IsMostlyColor(RECT{64, 64, 116, 76}, ::GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(shot.HasTextLikePixels(RECT{60, 20, 120, 40}));  // row 11's text moved up
    EXPECT_NE(barShot().Rgb(), barBefore.Rgb());                  // the thumb followed
}

TEST(GridPaint, AVirtualLineScrollAsksOnlyForTheRowThatComesIntoView)
{
    GridTestHost host(300, 200, true);
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    grid.ChangeRowTotal(1000);
    grid.ChangeColumnTotal(4);
    grid.ChangeFixedRowTotal(1);
    grid.ChangeFixedColumnTotal(1);
    ASSERT_TRUE(host.Create(grid));
    UniformLayout(grid);
    host.answerRequests = true;
    grid.RedrawWindow();
    testsupport::PumpMessages(100);
    host.notices.clear();
    host.requestCount = 0;

    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    grid.UpdateWindow();
    EXPECT_EQ(grid.FirstScrolledCell().row, 2);
    EXPECT_GT(host.requestCount, 0);
    EXPECT_LE(host.requestCount, 2 * grid.ColumnCount());  // the new bottom row, not the whole view
    for (const RecordedNotice& n : host.notices) {
        if (n.code == GVN_GETDISPINFO && n.row >= 1) {  // the header corner is always drawn
            EXPECT_GE(n.row, grid.ShownCellBlock().maxRow - 1) << n.row;
        }
    }
}
