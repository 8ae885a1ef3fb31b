// The wrapping share of commandbar_bench: a bar of 200 controls in groups,
// laid out for a new length and committed in each run, as a user resizing it
// would. The controls are text buttons measured by the classic theme, then
// controls of fixed sizes for the layout alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "CXTObjectSelector.h"
#include "ControlTestBar.h"

void ReportWrapTimes();

namespace {

void Report(const char* pszWhat, CXTPControls* pControls, CDC* pDC, DWORD dwMode)
{
    constexpr int kRuns = 200;
    std::vector<double> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const int nLength = 200 + (i * 37) % 900;
        const auto start = std::chrono::steady_clock::now();
        pControls->CalcDynamicSize(pDC, nLength, dwMode, CRect(2, 2, 2, 2));
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("wrap 200 controls, %s: median %.3f ms, p95 %.3f ms, max %.3f ms over %d runs\n", pszWhat,
                times[kRuns / 2], times[kRuns * 95 / 100], times.back(), kRuns);
}

} // namespace

void ReportWrapTimes()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);

    auto* pButtons = new ControlTestBar;
    for (int i = 0; i < 200; ++i) {
        CXTPControl* pControl = pButtons->GetControls()->Add(xtpControlButton, 1000 + i);
        CString strCaption;
        strCaption.Format(L"Command %d", i);
        pControl->SetCaption(strCaption);
        pControl->SetBeginGroup(i > 0 && i % 6 == 0);
    }
    CXTObjectSelector font(&dc, pButtons->GetPaintManager()->GetCommandBarFont(pButtons));
    Report("text buttons, floating (fit to length)", pButtons->GetControls(), &dc, LM_HORZ | LM_COMMIT);
    Report("text buttons, docked", pButtons->GetControls(), &dc, LM_HORZ | LM_HORZDOCK | LM_COMMIT);

    auto* pSized = new ControlTestBar;
    for (int i = 0; i < 200; ++i)
        pSized->AddSized(16 + (i * 7) % 40, 22, (i % 50 == 49) ? xtpFlagControlStretched : 0, i > 0 && i % 6 == 0);
    Report("fixed sizes, floating (fit to length)", pSized->GetControls(), &dc, LM_HORZ | LM_COMMIT);
    Report("fixed sizes, docked", pSized->GetControls(), &dc, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
    pSized->InternalRelease();
    pButtons->InternalRelease();
}
