// Times a repaint (the paint manager drawing through the window's off-screen
// buffer, the tabs laid out beforehand) of a 1280-pixel tab window with 3 and
// with 50 tabs, in the one-row, shrink-to-fit and multi-row layouts, for each
// colour set; the themed set also at the bottom and left positions. Prints the median of many runs in
// milliseconds. Run it under the test display (a window is created).
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "BenchTimer.h"
#include "CXTTabWindow.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 400;

double MedianRepaint(CXTTabWindow& tabs, int runs)
{
    return testsupport::MedianMilliseconds(runs, [&](int) {
        tabs.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ::GdiFlush();
    });
}

void Pump()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
}

} // namespace

int main()
{
    CWnd owner;
    if (!owner.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), nullptr, 0)) {
        std::printf("no window\n");
        return 1;
    }
    struct Setting {
        int nColorSet;
        const char* pszName;
        int nPosition;
    };
    const Setting settings[] = {
        {1, "plain", xtpTabPositionTop},          {2, "tinted", xtpTabPositionTop},
        {4, "scheme", xtpTabPositionTop},         {16, "scheme flat", xtpTabPositionTop},
        {8, "themed", xtpTabPositionTop},         {8, "themed bottom", xtpTabPositionBottom},
        {8, "themed left", xtpTabPositionLeft},
    };
    const struct {
        int nLayout;
        const char* pszName;
    } layouts[] = {{xtpTabLayoutAutoSize, "one row"}, {xtpTabLayoutSizeToFit, "shrink to fit"},
                   {xtpTabLayoutMultiRow, "multi-row"}};
    const int runs = 51;
    std::printf("tab window %dx%d repaint, median of %d runs, ms\n", kWidth, kHeight, runs);
    std::printf("%-14s %-14s %8s %8s\n", "colour set", "layout", "3 tabs", "50 tabs");
    double worst = 0;
    for (const Setting& setting : settings)
        for (const auto& layout : layouts) {
            double medians[2];
            const int counts[2] = {3, 50};
            for (int n = 0; n < 2; ++n) {
                CXTTabWindow tabs;
                tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &owner, 100);
                CXTPTabPaintManager* pPaintManager = tabs.GetPaintManager();
                pPaintManager->SelectColorSetType(setting.nColorSet);
                pPaintManager->SetLayout(layout.nLayout);
                tabs.SetPaintOption(static_cast<XTPTabPosition>(setting.nPosition));
                for (int i = 0; i < counts[n]; ++i) {
                    CString strCaption;
                    strCaption.Format(L"Calendar folder %d", i + 1);
                    tabs.InsertItem(i, strCaption, nullptr, -1);
                }
                tabs.SetCurSel(counts[n] / 2);
                Pump();
                medians[n] = MedianRepaint(tabs, runs);
                worst = std::max(worst, medians[n]);
            }
            std::printf("%-14s %-14s %8.2f %8.2f\n", setting.pszName, layout.pszName, medians[0], medians[1]);
        }
    std::printf("slowest %.2f ms (goal: under 10 ms)\n", worst);
    return 0;
}
