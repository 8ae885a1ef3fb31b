#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PleaseWaitDialog.h"

namespace {

// Stands in for the frame: records the stop requests the dialog sends.
class StopRecorder : public CWnd {
public:
    int stops = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 104) {
            ++stops;
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

TEST(WaitDialogTest, HidesItselfWhenNotBusyAndStaysWhileBusy)
{
    PleaseWaitDialog dialog;
    ASSERT_TRUE(dialog.Create(137, nullptr));
    dialog.m_nBusy = 1;
    dialog.ShowWindow(SW_SHOW);
    testsupport::PumpMessages(1200);
    EXPECT_TRUE(dialog.IsWindowVisible());
    EXPECT_EQ(CString(L"Please wait..."), [&] { CString t; dialog.m_status.GetWindowText(t); return t; }());

    dialog.m_nBusy = 0;
    testsupport::PumpMessages(700);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.DestroyWindow();
}

TEST(WaitDialogTest, EnterAndEscapeDoNotCloseAndStopReachesTheFrame)
{
    StopRecorder frame;
    ASSERT_TRUE(frame.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    PleaseWaitDialog dialog;
    ASSERT_TRUE(dialog.Create(137, nullptr));
    dialog.m_pMainFrame = &frame;
    dialog.m_nBusy = 1;
    dialog.ShowWindow(SW_SHOW);
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        MSG msg{dialog.GetSafeHwnd(), WM_KEYDOWN, key, 0, 0, {}};
        if (!dialog.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        testsupport::PumpMessages(50);
        EXPECT_TRUE(::IsWindow(dialog.GetSafeHwnd()));
        EXPECT_TRUE(dialog.IsWindowVisible());
    }
    EXPECT_EQ(CString(), dialog.GetText());
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1003, BN_CLICKED), 0);
    EXPECT_EQ(1, frame.stops);
    // The progress bar starts without its template caption.
    CString caption;
    dialog.m_progress.GetWindowText(caption);
    EXPECT_TRUE(caption.IsEmpty());
    dialog.DestroyWindow();
    frame.DestroyWindow();
}
