// Times what a user sees of the dock bars: a frame resize that lays out six
// toolbars of ten buttons in the top and bottom dock bars, wrapping their rows
// at the narrow width, with the repaint of the frame; and one drag step of a
// toolbar between the two dock bars through the drag loop, with its repaint.
// Also the bare figures: the layout alone, the dock bars' measuring, and the
// re-dock with its layout. Prints medians in milliseconds.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "BenchTimer.h"
#include "CXTPBarDragContext.h"
#include "DockTestFrame.h"
#include "MessagePump.h"

namespace {

constexpr int kRuns = 101;

void Pump()
{
    testsupport::PumpMessages();
}

CWinApp theApp(L"DockBench");

} // namespace

int main()
{
    DockTestFrame* pFrame = DockTestFrame::Make(1000, 500);
    CXTPCommandBars* pCommandBars = pFrame->m_pCommandBars;
    std::vector<CXTPToolBar*> bars;
    UINT ids[10];
    for (int b = 0; b < 6; ++b) {
        CXTPToolBar* pBar = pCommandBars->AddToolBar(L"Bench", b < 3 ? xtpBarTop : xtpBarBottom);
        for (int i = 0; i < 10; ++i)
            ids[i] = static_cast<UINT>(40000 + b * 10 + i);
        pBar->SetButtons(ids, 10);
        bars.push_back(pBar);
    }
    // Three bars side by side in each dock bar.
    for (int b = 0; b < 6; ++b)
        pFrame->DropAt(bars[static_cast<size_t>(b)], b < 3 ? xtpBarTop : xtpBarBottom, (b % 3) * 300, 10);
    pFrame->UpdateWindow();
    Pump();

    auto resize = [&](int i) {
        pFrame->SetWindowPos(nullptr, 0, 0, i % 2 ? 1000 : 450, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        pFrame->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    double resizeSeen = testsupport::MedianMilliseconds(kRuns, resize, Pump);

    auto layout = [&](int i) {
        pFrame->SetWindowPos(nullptr, 0, 0, i % 2 ? 1000 : 450, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE
                                                                     | SWP_NOREDRAW);
    };
    double resizeBare = testsupport::MedianMilliseconds(kRuns, layout, [&] { pFrame->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); Pump(); });

    pFrame->SetWindowPos(nullptr, 0, 0, 450, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    Pump();
    double relayout = testsupport::MedianMilliseconds(kRuns, [&](int) { pFrame->RecalcLayout(); });

    // What the platform takes to resize a frame with nothing in it.
    auto* pEmpty = new CFrameWnd;
    pEmpty->Create(nullptr, L"Empty", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1000, 500));
    double emptyResize = testsupport::MedianMilliseconds(kRuns, [&](int i) {
        pEmpty->SetWindowPos(nullptr, 0, 0, i % 2 ? 1000 : 450, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        pEmpty->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }, Pump);
    pEmpty->DestroyWindow();

    auto measure = [&](int) {
        pFrame->Dock(xtpBarTop)->CalcDockingLayout(450, LM_HORZ | LM_HORZDOCK | LM_STRETCH, nullptr);
        pFrame->Dock(xtpBarBottom)->CalcDockingLayout(450, LM_HORZ | LM_HORZDOCK | LM_STRETCH, nullptr);
    };
    double measureBare = testsupport::MedianMilliseconds(kRuns, measure);

    // One drag step: the bar's centre moves over the other dock bar.
    pFrame->SetWindowPos(nullptr, 0, 0, 1000, 500, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    Pump();
    CXTPToolBar* pDragged = bars[0];
    auto dragStep = [&](int) {
        CRect rcBar;
        pDragged->GetWindowRect(&rcBar);
        CPoint ptStart = rcBar.CenterPoint();
        CRect rcTarget;
        CXTPDockBar* pTarget = pFrame->Dock(pDragged->GetPosition() == xtpBarTop ? xtpBarBottom : xtpBarTop);
        pTarget->GetWindowRect(&rcTarget);
        CPoint ptTarget(ptStart.x, rcTarget.CenterPoint().y);
        pFrame->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptTarget.x, ptTarget.y));
        pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptTarget.x, ptTarget.y));
        pDragged->GetDragContext()->StartDrag(ptStart);
    };
    double dragSeen = testsupport::MedianMilliseconds(kRuns, dragStep, Pump);

    auto redock = [&](int) {
        CXTPDockBar* pTarget = pFrame->Dock(pDragged->GetPosition() == xtpBarTop ? xtpBarBottom : xtpBarTop);
        CRect rcTarget;
        pTarget->GetWindowRect(&rcTarget);
        CRect rcBar;
        pDragged->GetWindowRect(&rcBar);
        rcBar.OffsetRect(0, rcTarget.CenterPoint().y - rcBar.CenterPoint().y);
        pCommandBars->DockCommandBar(pDragged, &rcBar, pTarget);
        pCommandBars->RecalcFrameLayout(FALSE);
    };
    double dragBare = testsupport::MedianMilliseconds(kRuns, redock, [&] { pFrame->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); Pump(); });

    std::printf("frame resize, 6 toolbars in 2 dock bars, wrapping, with repaint: %.3f ms (goal < 5)\n", resizeSeen);
    std::printf("  bare: frame layout without repaint:                          %.3f ms\n", resizeBare);
    std::printf("  bare: frame layout at an unchanged size:                    %.3f ms\n", relayout);
    std::printf("  bare: resize of an empty frame, with repaint:                %.3f ms\n", emptyResize);
    std::printf("  bare: both dock bars measured:                               %.3f ms\n", measureBare);
    std::printf("drag step between dock bars through the drag loop, with repaint: %.3f ms (goal < 10)\n", dragSeen);
    std::printf("  bare: re-dock and frame layout without repaint:               %.3f ms\n", dragBare);
    pFrame->DestroyWindow();
    return 0;
}
