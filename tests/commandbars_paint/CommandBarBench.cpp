// Times drawing a 40-entry menu and a 30-button toolbar of the classic theme
// into a 24-bit memory DC, and the toolbar once more without icons; prints
// the median of many runs in milliseconds.
#include <windows.h>

#include <cstdio>

#include "BenchTimer.h"
#include "PaintTestBars.h"

// Wrapping a bar of 200 controls (ControlWrapBench.cpp).
void ReportWrapTimes();

namespace {

double MedianDraw(PaintTestBar& bar, CDC& dc, int runs)
{
    return testsupport::MedianMilliseconds(runs, [&](int) {
        bar.DrawCommandBar(&dc);
        ::GdiFlush();
    });
}

} // namespace

int main()
{
    const int runs = 201;
    MemoryCanvas probe(10, 10);

    PaintTestBar menu(xtpBarTypePopup, xtpBarPopup);
    FillMenu(menu, 40);
    static_cast<ProbeControl*>(menu.GetAt(10))->SetSelectedState(1);
    const CSize szMenu = menu.Layout(&probe.dc(), 0);
    MemoryCanvas menuCanvas(szMenu.cx, szMenu.cy);

    PaintTestBar toolbar(xtpBarTypeNormal, xtpBarTop);
    FillToolBar(toolbar, 30);
    toolbar.GetAt(4)->SetChecked(1);
    toolbar.GetAt(9)->SetEnabled(FALSE);
    const CSize szBar = toolbar.Layout(&probe.dc(), 32767);
    MemoryCanvas toolbarCanvas(szBar.cx, szBar.cy);

    // The same buttons without icons: what the theme costs apart from the image manager's icon drawing.
    PaintTestBar plain(xtpBarTypeNormal, xtpBarTop);
    for (int i = 0; i < 30; ++i)
        plain.AddControl(xtpControlButton, 0, L"", i > 0 && i % 5 == 0);
    const CSize szPlain = plain.Layout(&probe.dc(), 32767);
    MemoryCanvas plainCanvas(szPlain.cx, szPlain.cy);

    std::printf("classic theme, median of %d runs\n", runs);
    std::printf("menu of 40 entries (%ldx%ld)     %.3f ms\n", static_cast<long>(szMenu.cx),
                static_cast<long>(szMenu.cy), MedianDraw(menu, menuCanvas.dc(), runs));
    std::printf("toolbar of 30 buttons (%ldx%ld)  %.3f ms\n", static_cast<long>(szBar.cx),
                static_cast<long>(szBar.cy), MedianDraw(toolbar, toolbarCanvas.dc(), runs));
    std::printf("the same without icons        %.3f ms\n", MedianDraw(plain, plainCanvas.dc(), runs));
    ReportWrapTimes();
    return 0;
}
