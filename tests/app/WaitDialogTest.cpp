#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PleaseWaitDialog.h"
#include "SaveTextTypeDialog.h"
#include "SavingCompleteDialog.h"
#include "WindowCapture.h"

#include <functional>
#include <vector>

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

namespace {

// Drives a modal dialog from inside its own loop: each timer tick runs the next action
// on the dialog found by caption; the dialog's outcome is then checked by the test.
struct ModalScript {
    const wchar_t* caption;
    std::vector<std::function<void(HWND)>> actions;
    size_t next = 0;
    static ModalScript* current;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
    {
        HWND dialog = ::FindWindowW(nullptr, current->caption);
        if (dialog == nullptr || !::IsWindowVisible(dialog))
            return;
        if (current->next < current->actions.size())
            current->actions[current->next++](dialog);
        else
            ::KillTimer(nullptr, id);
    }
    INT_PTR Run(CDialog& dialog)
    {
        current = this;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, Tick);
        const INT_PTR result = dialog.DoModal();
        ::KillTimer(nullptr, timer);
        return result;
    }
};
ModalScript* ModalScript::current = nullptr;

void PostKey(HWND dialog, WPARAM key)
{
    HWND target = ::GetFocus() != nullptr ? ::GetFocus() : dialog;
    ::PostMessageW(target, WM_KEYDOWN, key, 0);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000000);
}

}  // namespace

TEST(NoticeDialogTest, SaveTextTypeAnswersTheCheckedFormatAndIgnoresEnterAndEscape)
{
    SaveTextTypeDialog unchanged;
    ModalScript okAtOnce{L"Select Save Text Type", {[](HWND d) { ::PostMessageW(d, WM_COMMAND, IDOK, 0); }}};
    EXPECT_EQ(IDOK, okAtOnce.Run(unchanged));
    EXPECT_EQ(SaveTextTypeDialog::TextFormat, unchanged.GetFormat());

    SaveTextTypeDialog rtf;
    bool stillOpen = false;
    ModalScript script{L"Select Save Text Type",
                       {[](HWND d) { PostKey(d, VK_RETURN); }, [](HWND d) { PostKey(d, VK_ESCAPE); },
                        [&](HWND d) {
                            stillOpen = ::IsWindowVisible(d) != FALSE;
                            ::SendMessageW(::GetDlgItem(d, 1006), BM_CLICK, 0, 0);
                            ::PostMessageW(d, WM_COMMAND, IDOK, 0);
                        }}};
    EXPECT_EQ(IDOK, script.Run(rtf));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(SaveTextTypeDialog::RtfFormat, rtf.GetFormat());
}

TEST(NoticeDialogTest, SavingCompleteIsWhiteWithItsText)
{
    SavingCompleteDialog dialog;
    COLORREF corner = CLR_INVALID;
    bool textShown = false;
    ModalScript script{L"Orbalin", {[&](HWND d) {
                                        ::RedrawWindow(d, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                                        testsupport::PumpMessages(50);
                                        auto shot = testsupport::WindowCapture::FromWindow(d, true);
                                        corner = shot.At(shot.Width() - 3, shot.Height() - 3);
                                        RECT text{};
                                        ::GetWindowRect(::GetDlgItem(d, 100), &text);
                                        ::MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&text), 2);
                                        textShown = shot.HasTextLikePixels(text, 30)
                                                    && shot.IsMostlyColor(text, 0xFFFFFF, 0.6);
                                        ::PostMessageW(d, WM_COMMAND, IDOK, 0);
                                    }}};
    EXPECT_EQ(IDOK, script.Run(dialog));
    EXPECT_EQ(RGB(255, 255, 255), corner);
    EXPECT_TRUE(textShown);
}
