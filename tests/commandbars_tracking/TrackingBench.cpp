// Times a tracked mouse move over a menu bar of 50 text buttons that moves the
// hot control, as the window receives it, with the repaint it causes
// (UpdateWindow); and the bare selection change of the bar without its
// repaint. Prints the median of many moves in milliseconds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "CXTObjectSelector.h"
#include "ControlTestBar.h"
#include "MessagePump.h"

namespace {

constexpr int kControls = 50;
constexpr int kRuns = 500;

struct Figures {
    double median;
    double p95;
};

template <class Step> Figures Time(Step step)
{
    std::vector<double> times;
    times.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step(i);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[kRuns / 2], times[kRuns * 95 / 100]};
}

} // namespace

int main()
{
    auto* pBar = new ControlTestBar;
    pBar->SetType(xtpBarTypeMenuBar);
    for (int i = 0; i < kControls; ++i) {
        CXTPControl* pControl = pBar->GetControls()->Add(xtpControlButton, 1000 + i);
        CString strCaption;
        strCaption.Format(L"&Item %d", i);
        pControl->SetCaption(strCaption);
    }
    CSize szBar;
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CXTObjectSelector font(&dc, pBar->GetPaintManager()->GetCommandBarFont(pBar));
        szBar = pBar->GetControls()->CalcDynamicSize(&dc, 32767, LM_HORZ | LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
    }
    pBar->CreateEx(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 100, szBar.cx, szBar.cy, nullptr,
                   nullptr);
    ::SetCursorPos(640, 900);
    testsupport::PumpMessages(200);

    // Keyboard or mouse made the menu bar track: moves keep its hot control.
    pBar->SetTrackingMode(1, FALSE, FALSE);
    std::vector<CPoint> centres;
    for (int i = 0; i < kControls; ++i)
        centres.push_back(pBar->GetAt(i)->GetRect().CenterPoint());

    const Figures move = Time([&](int i) {
        const CPoint& pt = centres[static_cast<size_t>(i % kControls)];
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        pBar->UpdateWindow();
    });
    if (pBar->GetSelectedIndex() != (kRuns - 1) % kControls) {
        std::printf("the moves did not move the hot control\n");
        return 1;
    }
    const Figures select = Time([&](int i) {
        pBar->SetSelected((i + 1) % kControls, FALSE);
        pBar->ValidateRect(nullptr);
    });
    pBar->EndTracking();

    std::printf("menu bar of %d text buttons (%ldx%ld), %d runs\n", kControls, static_cast<long>(szBar.cx),
                static_cast<long>(szBar.cy), kRuns);
    std::printf("tracked mouse move to the next control with its repaint: median %.3f ms, p95 %.3f ms\n", move.median,
                move.p95);
    std::printf("bare selection change (no repaint):                    median %.3f ms, p95 %.3f ms\n", select.median,
                select.p95);
    pBar->InternalRelease();
    return 0;
}
