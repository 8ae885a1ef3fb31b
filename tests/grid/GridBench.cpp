// grid_bench: times the grid's heavy paths in a real window (run under Wine with
// an X display): filling rows the way the calendar panel does, a full repaint,
// line scrolls in a virtual grid of a million rows, and select-all plus copy.
#include "CGridCtrl.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Average over 'times' runs.
double AverageMs(int times, const std::function<void()>& work)
{
    return Milliseconds([&] {
               for (int i = 0; i < times; ++i)
                   work();
           }) /
           times;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

class Host {
public:
    Host(int width, int height)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GridBenchHost";
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, L"GridBenchHost", L"grid bench", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        m_rect = CRect(0, 0, width, height);
    }
    ~Host() { ::DestroyWindow(m_hWnd); }
    bool Create(CGridCtrl& grid) { return grid.CreateGrid(m_rect, CWnd::FromHandle(m_hWnd), 100, WS_CHILD | WS_VISIBLE); }

private:
    HWND m_hWnd;
    CRect m_rect;
};

// The calendar panel's calls for one calendar entry (five entries to a pair of rows).
class PanelFiller {
public:
    explicit PanelFiller(CGridCtrl& grid) : m_grid(grid)
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        m_font = metrics.lfMessageFont;
        grid.SetEditable(FALSE);
        grid.ChangeColumnTotal(5);
        grid.ChangeFixedRowTotal(0);
        grid.ChangeFixedColumnTotal(0);
        grid.ChangeRowTotal(2);
        for (int c = 0; c < 5; ++c) {
            Write(0, c, L"", -1);
            grid.ChangeColumnWidth(c, 130);
            grid.ChangeRowHeight(0, 20);
            grid.ChangeCellBackColour(0, c, 0);
            grid.ChangeCellTextColour(0, c, 0xFFFFFF);
        }
        grid.SetGridBackColour(0xE6FFFF);
    }

    void AddEntry(LPCTSTR text, LPCTSTR subject)
    {
        const int rows = m_grid.RowCount();
        int title = rows - 2;
        int column = m_counter;
        if (m_counter == 5) {
            m_grid.ChangeRowTotal(rows + 1);
            for (int c = 0; c < 5; ++c)
                Write(rows, c, L"", -1);
            m_grid.ChangeRowHeight(rows, 20);
            for (int c = 0; c < 5; ++c)
                m_grid.ChangeCellBackColour(rows, c, 0);
            for (int c = 0; c < 5; ++c)
                m_grid.ChangeCellTextColour(rows, c, 0xFFFFFF);
            m_grid.ChangeRowTotal(rows + 2);
            title = rows;
            column = 0;
        }
        Write(title + 1, column, text, -1);
        m_grid.ChangeCellText(title, column, subject);
        m_grid.ChangeCellImage(title, column, 3);
        for (int c = 0; c < 5; ++c)
            m_grid.ChangeCellBackColour(title + 1, c, 0xE1FFFF);
        m_grid.ChangeRowHeight(title + 1, 150);
        // RepaintAll, not a raw Invalidate: under Wine every invalidation is a
        // round trip of about 40 us, which the grid makes once per paint.
        m_grid.RepaintAll();
        m_counter = column + 1;
    }

private:
    void Write(int row, int col, LPCTSTR text, int image)
    {
        GridCellRecord record;
        record.row = row;
        record.col = col;
        record.mask = image >= 0 ? (GVIF_TEXT | GVIF_IMAGE | GVIF_FORMAT) : (GVIF_TEXT | GVIF_FORMAT);
        record.nFormat = DT_WORDBREAK;
        record.iImage = image;
        record.strText = text;
        m_grid.ApplyCellRecord(&record);
        m_grid.ChangeCellFont(row, col, &m_font);
    }

    CGridCtrl& m_grid;
    LOGFONTW m_font{};
    int m_counter = 0;
};

BOOL CALLBACK VirtualText(GridCellRequest* request, LPARAM)
{
    request->item.strText.Format(L"%d:%d", request->item.row, request->item.col);
    return TRUE;
}

void Report(const char* what, double ms, double goal)
{
    std::printf("%-58s %9.2f ms  (goal < %g ms) %s\n", what, ms, goal, ms < goal ? "ok" : "MISSED");
}

} // namespace

// grid_bench [entries]: the panel fill adds 50,000 entries (20,000 rows) unless told otherwise.
int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 50000;
    // 1. 20,000 rows as the calendar panel fills them: 50,000 entries, five to a pair of rows.
    {
        Host host(1280, 960);
        CGridCtrl grid;
        host.Create(grid);
        PanelFiller panel(grid);
        const double fill = Milliseconds([&] {
            for (int i = 0; i < entries; ++i) {
                wchar_t text[96];
                wchar_t subject[32];
                swprintf(text, 96, L"Meeting %d\r\nRoom %d\r\n2026-12-%02d 09:00 - 10:00", i, i % 40, i % 28 + 1);
                swprintf(subject, 32, L"Subject %d", i);
                panel.AddEntry(text, subject);
            }
            grid.UpdateWindow();
        });
        std::printf("rows filled: %d\n", grid.RowCount());
        Report("fill the rows through the panel's calls", fill, 1000);
        Pump();
        const double repaint = AverageMs(20, [&] { grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
        Report("full repaint 1280x960, calendar panel layout", repaint, 10);
        grid.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        grid.UpdateWindow();
        std::printf("shared GDI fonts after painting the bottom: %zu\n", grid.SharedFontCount());
    }
    // 2. A full repaint of a plain grid: header row and column, 40 x 2000 text cells.
    {
        Host host(1280, 960);
        CGridCtrl grid(2000, 40, 1, 1);
        host.Create(grid);
        for (int r = 0; r < 2000; ++r)
            for (int c = 0; c < 40; ++c) {
                wchar_t text[32];
                swprintf(text, 32, L"cell %d.%d", r, c);
                grid.ChangeCellText(r, c, text);
                if ((r + c) % 7 == 0)
                    grid.ChangeCellBackColour(r, c, RGB(255, 240, 200));
            }
        grid.SelectBlock(3, 3, 8, 6);
        grid.MoveFocusTo(5, 5);
        Pump();
        const double repaint = AverageMs(20, [&] { grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
        Report("full repaint 1280x960, 40-column text grid", repaint, 10);
    }
    // 3. Line scrolls with repaint in a virtual grid of 1,000,000 rows.
    {
        Host host(1280, 960);
        CGridCtrl grid;
        grid.SetVirtualMode(TRUE);
        grid.SetDisplayCallback(&VirtualText, 0);
        grid.ChangeRowTotal(1000000);
        grid.ChangeColumnTotal(12);
        grid.ChangeFixedRowTotal(1);
        grid.ChangeFixedColumnTotal(1);
        host.Create(grid);
        grid.UpdateWindow();
        Pump();
        auto lines = [&](UINT code) {
            return AverageMs(20, [&] {
                grid.SendMessage(WM_VSCROLL, code, 0);
                grid.UpdateWindow();
            });
        };
        Report("line scroll + repaint, 1,000,000 virtual rows, top", lines(SB_LINEDOWN), 10);
        grid.MoveScrollOffset(SB_VERT, grid.ScrollOffset(SB_VERT) + 10000000);
        grid.Invalidate();
        grid.UpdateWindow();
        std::printf("middle row: %d\n", grid.FirstScrolledCell().row);
        Report("line scroll + repaint, 1,000,000 virtual rows, middle", lines(SB_LINEDOWN), 10);
        grid.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
        grid.UpdateWindow();
        std::printf("bottom row: %d\n", grid.FirstScrolledCell().row);
        Report("line scroll + repaint, 1,000,000 virtual rows, bottom", lines(SB_LINEUP), 10);
    }
    // 4. Select all of 100,000 cells and copy them.
    {
        Host host(1280, 960);
        CGridCtrl grid(10001, 11, 1, 1);
        host.Create(grid);
        for (int r = 1; r < 10001; ++r)
            for (int c = 1; c < 11; ++c) {
                wchar_t text[32];
                swprintf(text, 32, L"value %d-%d", r, c);
                grid.ChangeCellText(r, c, text);
            }
        Pump();
        const double copy = Milliseconds([&] {
            grid.OnEditSelectAll();
            grid.OnEditCopy();
        });
        std::printf("cells selected: %lld\n", static_cast<long long>(grid.SelectedCount()));
        Report("select all of 100,000 cells and copy them", copy, 1000);
    }
    return 0;
}
