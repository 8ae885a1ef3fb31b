// Wrapping a floating bar of 200 controls of mixed widths in groups, as a
// user resizing it would: each run lays it out for a new length and commits.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "ControlTestBar.h"

int main()
{
    auto* pBar = new ControlTestBar;
    for (int i = 0; i < 200; ++i)
        pBar->AddSized(16 + (i * 7) % 40, 22, (i % 50 == 49) ? xtpFlagControlStretched : 0, i > 0 && i % 6 == 0,
                       1000 + i);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);

    constexpr int kRuns = 200;
    std::vector<double> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const int nLength = 200 + (i * 37) % 900;
        const auto start = std::chrono::steady_clock::now();
        pBar->GetControls()->CalcDynamicSize(&dc, nLength, LM_HORZ | LM_COMMIT, CRect(2, 2, 2, 2));
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("wrap 200 controls (floating, fit to length): median %.3f ms, p95 %.3f ms, max %.3f ms over %d runs\n",
                times[kRuns / 2], times[kRuns * 95 / 100], times.back(), kRuns);

    times.clear();
    for (int i = 0; i < kRuns; ++i) {
        const int nLength = 200 + (i * 37) % 900;
        const auto start = std::chrono::steady_clock::now();
        pBar->GetControls()->CalcDynamicSize(&dc, nLength, LM_HORZ | LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("wrap 200 controls (docked): median %.3f ms, p95 %.3f ms, max %.3f ms over %d runs\n",
                times[kRuns / 2], times[kRuns * 95 / 100], times.back(), kRuns);
    pBar->InternalRelease();
    return 0;
}
