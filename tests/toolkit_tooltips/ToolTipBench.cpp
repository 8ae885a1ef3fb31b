// Mouse moves through the tooltip filter over a window of 100 tools (10 x 10
// cells of 40 x 20 pixels): the cursor sweeps the rows in steps of 4 pixels,
// so it enters another tool every tenth move, and the filter is handed each
// WM_MOUSEMOVE, 10,000 times, for each kind of tooltip window. A second run
// lands on another tool at every move. Prints the time of the filter calls
// alone and of the whole loop.
//
// Between moves the loop reads the queue's mouse messages, outside the filter's
// time, as a program's message loop would: left unread for 10,000 moves, the
// window server's events of the cursor moves pile up in the display driver's
// own queue (Wine's), which some calls then scan from end to end, and a series
// took seconds to minutes for no work of the filter's.
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
    // The sweep: along a row and back along the next, through the tools' middles.
    const auto sweep = [](int i) {
        const int step = i % 100;
        const int row = (i / 100) % 10;
        const int x = 12 + (row % 2 == 0 ? step * 4 : 396 - step * 4);
        return CPoint(x, 10 + row * 20 + 9);
    };
    const auto hop = [&tools](int i) { return tools[static_cast<size_t>((i * 7) % 100)].rect.CenterPoint(); };
    for (CXTPToolTipContext::ToolTipKind kind :
         {CXTPToolTipContext::kindStandard, CXTPToolTipContext::kindOwn, CXTPToolTipContext::kindRichText})
    for (bool hopping : {false, true}) {
        TipHostWindow window(CPoint(100, 100), tools);
        window.Context().SetToolTipKind(kind);
        BringToFront(window.GetSafeHwnd());
        Clock::duration filter{};
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < kMoves; ++i) {
            const CPoint client = hopping ? hop(i) : sweep(i);
            ::SetCursorPos(100 + client.x, 100 + client.y);
            // Only mouse messages: timers stay queued, so no tip shows.
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            }
            const Clock::time_point before = Clock::now();
            window.Context().FilterToolTipMessage(&window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
            filter += Clock::now() - before;
        }
        const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
        std::printf("kind %d, %s: %d moves, filter %.1f ms, whole loop %.1f ms\n", kind,
                    hopping ? "another tool each move" : "sweep", kMoves, ms(filter),
                    ms(Clock::now() - start));
    }
    return 0;
}
