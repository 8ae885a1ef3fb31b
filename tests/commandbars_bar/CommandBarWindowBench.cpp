// Times the idle command update of ten shown bars of fifty controls each, as
// the application's idle pass sends it (WM_IDLEUPDATECMDUI to every window
// under the frame), through the frame's command route to update handlers, and
// with the repaint of the bars whose controls changed. Also the bare update
// walk of the bars. Prints medians in milliseconds.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "BenchTimer.h"
#include "MessagePump.h"
#include "WindowTestBar.h"

namespace {

constexpr int kBars = 10;
constexpr int kControls = 50;
constexpr UINT kFirstCommand = 1000;

class BenchFrame : public CFrameWnd {
public:
    // Commands whose check mark turns over on each pass: every fifth one, or
    // only the first.
    enum Toggle { toggleNone, toggleFifths, toggleOne } m_toggle = toggleNone;
    int m_nPass = 0;

protected:
    afx_msg void OnUpdateCommand(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        const UINT nIndex = pCmdUI->m_nID - kFirstCommand;
        const bool bFlip = m_toggle == toggleFifths ? nIndex % 5 == 0 : m_toggle == toggleOne && nIndex == 0;
        pCmdUI->SetCheck(bFlip ? m_nPass % 2 : 0);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(BenchFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI_RANGE(kFirstCommand, kFirstCommand + kBars * kControls - 1, OnUpdateCommand)
END_MESSAGE_MAP()

double Median(int runs, const std::function<void()>& work)
{
    return testsupport::MedianMilliseconds(runs, [&](int) { work(); });
}

} // namespace

int main()
{
    auto* pFrame = new BenchFrame;
    pFrame->Create(nullptr, L"Idle update", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1200, 26 * kBars + 60));
    std::vector<WindowTestBar*> bars;
    for (int b = 0; b < kBars; ++b) {
        auto* pBar = new WindowTestBar;
        pBar->CreateBar(pFrame, CRect(0, b * 26, 1150, b * 26 + 26));
        pBar->SetOwner(pFrame);
        for (int c = 0; c < kControls; ++c)
            pBar->AddSized(22, 22, 0, c > 0 && c % 10 == 0, static_cast<int>(kFirstCommand) + b * kControls + c);
        pBar->LayoutRow();
        bars.push_back(pBar);
    }
    testsupport::PumpMessages();

    auto IdlePass = [&] {
        ++pFrame->m_nPass;
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        for (WindowTestBar* pBar : bars)
            pBar->UpdateWindow();
        ::GdiFlush();
    };
    const int runs = 201;
    std::printf("idle update of %d shown bars of %d controls, median of %d runs\n", kBars, kControls, runs);
    pFrame->m_toggle = BenchFrame::toggleFifths;
    std::printf("idle pass, ten check marks per bar change, with repaint  %.3f ms\n", Median(runs, IdlePass));
    pFrame->m_toggle = BenchFrame::toggleOne;
    std::printf("idle pass, one check mark changes, with repaint          %.3f ms\n", Median(runs, IdlePass));
    pFrame->m_toggle = BenchFrame::toggleNone;
    IdlePass();
    std::printf("idle pass, nothing changes                               %.3f ms\n", Median(runs, IdlePass));
    std::printf("  of which the idle messages alone                       %.3f ms\n", Median(runs, [&] {
                    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
                }));
    std::printf("the update walk alone (OnUpdateCmdUI of each bar)        %.3f ms\n", Median(runs, [&] {
                    for (WindowTestBar* pBar : bars)
                        pBar->OnUpdateCmdUI(TRUE);
                }));
    CDC memDC;
    memDC.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(1150, 26, 1, 32, nullptr);
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    std::printf("drawing one bar into a memory DC                         %.3f ms\n", Median(runs, [&] {
                    bars[0]->DrawCommandBar(&memDC);
                    ::GdiFlush();
                }));
    memDC.SelectObject(pOldBitmap);
    // What the window system takes to repaint a window of the bar's size that
    // only has its background erased: the floor under any bar repaint.
    CWnd plain;
    plain.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)), L"", WS_CHILD | WS_VISIBLE,
                   CRect(0, 0, 1150, 26), pFrame, 0);
    testsupport::PumpMessages();
    std::printf("repainting a plain window of the bar's size              %.3f ms\n", Median(runs, [&] {
                    plain.Invalidate(TRUE);
                    plain.UpdateWindow();
                    ::GdiFlush();
                }));
    plain.DestroyWindow();

    for (WindowTestBar* pBar : bars)
        pBar->InternalRelease();
    pFrame->DestroyWindow();
    return 0;
}
