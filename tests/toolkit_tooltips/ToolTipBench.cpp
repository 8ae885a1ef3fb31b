// Mouse moves through the tooltip filter over a window of 100 tools (10 x 10
// cells of 40 x 20 pixels): the cursor is put on the next tool and the filter
// is handed the WM_MOUSEMOVE, 10,000 times, for each kind of tooltip window.
// Prints the time of the filter calls alone and with the cursor moves.
#include "TipHostWindow.h"

#include <chrono>
#include <cstdio>

int main()
{
    using Clock = std::chrono::steady_clock;
    constexpr int kMoves = 10000;
    std::vector<TipHostWindow::Tool> tools;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            CString text;
            text.Format(L"Tool %d", row * 10 + column);
            const CRect rect(10 + column * 40, 10 + row * 20, 10 + column * 40 + 36, 10 + row * 20 + 18);
            tools.push_back(TipHostWindow::Tool{rect, text, {}, {}, false});
        }
    }
    for (CXTPToolTipContext::ToolTipKind kind :
         {CXTPToolTipContext::kindStandard, CXTPToolTipContext::kindOwn, CXTPToolTipContext::kindRichText}) {
        TipHostWindow window(CPoint(100, 100), tools);
        window.Context().SetToolTipKind(kind);
        BringToFront(window.GetSafeHwnd());
        Clock::duration filter{};
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < kMoves; ++i) {
            // Every move lands on another tool, the hardest case for the filter.
            const CRect& rect = tools[static_cast<size_t>((i * 7) % 100)].rect;
            const CPoint point = CPoint(100, 100) + rect.CenterPoint();
            ::SetCursorPos(point.x, point.y);
            const Clock::time_point before = Clock::now();
            window.Context().FilterToolTipMessage(&window, WM_MOUSEMOVE, 0, MAKELPARAM(point.x - 100, point.y - 100));
            filter += Clock::now() - before;
        }
        const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
        std::printf("kind %d: %d moves, filter %.1f ms, with cursor moves %.1f ms\n", kind, kMoves, ms(filter),
                    ms(Clock::now() - start));
    }
    return 0;
}
