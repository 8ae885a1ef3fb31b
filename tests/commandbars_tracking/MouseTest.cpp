// The mouse over a bar: the hot control, leaving, buttons, the hover timer
// and the press loop.
#include <gtest/gtest.h>

#include <chrono>

#include "CXTPMouseTracker.h"
#include "MessagePump.h"
#include "TrackingTestBar.h"

namespace {

using Clock = std::chrono::steady_clock;

class Mouse : public ::testing::Test {
protected:
    void SetUp() override { ParkCursor(); }

    // The cursor away from every bar, its moves delivered.
    static void ParkCursor()
    {
        ::SetCursorPos(1200, 1000);
        testsupport::PumpMessages();
    }
    static LPARAM At(CPoint point) { return MAKELPARAM(point.x, point.y); }
    static void Move(CWnd* pBar, CPoint point) { pBar->SendMessage(WM_MOUSEMOVE, 0, At(point)); }

    RecordingSite m_site;
};

// A timer on a window of its own, to wait until a moment has surely passed on
// the window server's clock that runs the bars' timers too.
class Sentinel : public CWnd {
public:
    explicit Sentinel(UINT nElapse)
    {
        CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr);
        SetTimer(1, nElapse, nullptr);
    }
    ~Sentinel() override { DestroyWindow(); }
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_TIMER)
            m_bFired = true;
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
    bool m_bFired = false;
};

} // namespace

TEST_F(Mouse, TheHotControlFollowsTheMouse)
{
    TrackingBarHolder bar(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup));
    RecordingControl* pFirst = bar->Add();
    bar->Add();
    bar->Add()->SetHideFlags(xtpHideGeneric);
    bar->LayOut();
    const CPoint ptHidden = bar->GetAt(1)->GetRect().BottomRight() + CSize(10, -10);

    Move(bar.Get(), bar->CenterOf(0));
    EXPECT_EQ(bar->GetSelectedIndex(), 0);
    EXPECT_EQ(pFirst->GetSelected(), 1);
    EXPECT_EQ(pFirst->m_nMouseMoves, 1);
    EXPECT_EQ(CXTPMouseTracker::GetThreadTracker()->GetWatchedWindow(), bar->m_hWnd);
    Move(bar.Get(), bar->CenterOf(1));
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_EQ(pFirst->GetSelected(), 0);
    Move(bar.Get(), ptHidden);
    EXPECT_EQ(bar->GetSelectedIndex(), -1) << "a hidden control is never hot";

    Move(bar.Get(), bar->CenterOf(0));
    CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
    pTracker->Lock();
    Move(bar.Get(), bar->CenterOf(1));
    bar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(bar->GetSelectedIndex(), 0) << "no bar follows the mouse while the tracker is locked";
    pTracker->Unlock();

    bar->SetTrackingMode(1, FALSE, FALSE);
    bar->SetLockCount(1);
    Move(bar.Get(), bar->CenterOf(1));
    bar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(bar->GetSelectedIndex(), 0) << "a locked tracking bar ignores the mouse";
    bar->EndTracking();

    Move(bar.Get(), bar->CenterOf(0));
    bar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    Move(bar.Get(), bar->CenterOf(0));
    bar->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, 0);
    EXPECT_EQ(bar->GetSelectedIndex(), -1) << "the non-client area counts as leaving";
    bar->ValidateRect(nullptr);
}

TEST_F(Mouse, TrackingBarsKeepTheirSelectionOffTheControls)
{
    TrackingBarHolder menuBar(TrackingBar::Create(&m_site, xtpBarTop, xtpBarTypeMenuBar));
    menuBar->Add();
    menuBar->Add<PopupControl>();
    menuBar->LayOut();
    const CPoint ptEmpty(300, 10);

    // Not tracking and not active: a toolbar or menu bar of an inactive window ignores the mouse.
    CWnd active;
    ASSERT_TRUE(active.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 600, 20, 20, nullptr, nullptr));
    ::SetForegroundWindow(active.m_hWnd);
    ASSERT_EQ(::GetForegroundWindow(), active.m_hWnd);
    Move(menuBar.Get(), menuBar->CenterOf(0));
    EXPECT_EQ(menuBar->GetSelectedIndex(), -1);
    ::SetForegroundWindow(menuBar->m_hWnd);
    Move(menuBar.Get(), menuBar->CenterOf(0));
    EXPECT_EQ(menuBar->GetSelectedIndex(), 0) << "active, it follows";
    active.DestroyWindow();

    menuBar->SetPopuped(1);
    Move(menuBar.Get(), ptEmpty);
    EXPECT_EQ(menuBar->GetSelectedIndex(), 1) << "an open menu stays selected";
    menuBar->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(menuBar->GetSelectedIndex(), 1) << "leaving a tracking bar keeps its selection";
    Move(menuBar.Get(), menuBar->CenterOf(0));
    EXPECT_EQ(menuBar->GetSelectedIndex(), 0);

    // Another bar doesn't follow the mouse while this one tracks.
    TrackingBarHolder other(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup, 0, CPoint(100, 300)));
    other->Add();
    other->LayOut();
    Move(other.Get(), other->CenterOf(0));
    EXPECT_EQ(other->GetSelectedIndex(), -1);

    // A popup menu without an open submenu forgets a mouse selection off its entries.
    TrackingBarHolder menu(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup, 0, CPoint(100, 400)));
    menu->Add();
    menu->LayOut();
    menu->SetTrackingMode(1, FALSE, FALSE);
    Move(menu.Get(), menu->CenterOf(0));
    EXPECT_EQ(menu->GetSelectedIndex(), 0);
    Move(menu.Get(), ptEmpty);
    EXPECT_EQ(menu->GetSelectedIndex(), -1);
    menu->SetSelected(0, TRUE);
    Move(menu.Get(), ptEmpty);
    EXPECT_EQ(menu->GetSelectedIndex(), 0) << "but keeps a keyboard selection";
    menu->SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(menu->GetSelectedIndex(), -1);
}

TEST_F(Mouse, ButtonsGoToTheControlUnderThePoint)
{
    TrackingBarHolder bar(TrackingBar::Create(&m_site));
    RecordingControl* pControl = bar->Add();
    bar->LayOut();
    const CPoint pt = bar->CenterOf(0);
    const LPARAM empty = MAKELPARAM(300, 10);

    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONUP}) {
        bar->SendMessage(message, 0, At(pt));
        bar->SendMessage(message, 0, empty);
    }
    const std::wstring click = L"click " + std::to_wstring(pt.x) + L"," + std::to_wstring(pt.y);
    EXPECT_EQ(pControl->m_calls,
              (std::vector<std::wstring>{click, L"double click", L"lbutton up", L"rbutton up"}));
    EXPECT_EQ(m_site.Count(WM_CMDBARS_CONTROLRCLICK), 1);

    pControl->m_calls.clear();
    m_site.m_onMessage = [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; };
    bar->SendMessage(WM_RBUTTONUP, 0, At(pt));
    EXPECT_TRUE(pControl->m_calls.empty()) << "the site took the right click";

    m_site.m_onMessage = nullptr;
    bar->SetRightButtonAsLeft(TRUE);
    bar->SendMessage(WM_RBUTTONUP, 0, At(pt));
    EXPECT_EQ(pControl->m_calls, std::vector<std::wstring>{L"lbutton up"}) << "a root bar that takes the right button";
}

TEST_F(Mouse, HoveringOpensASubmenuAfterTheDelay)
{
    TrackingBarHolder menu(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup));
    menu->Add();
    auto* pSubmenu = menu->Add<PopupControl>();
    menu->LayOut();
    CPoint ptScreen = menu->CenterOf(1);
    menu->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);

    const auto start = Clock::now();
    Move(menu.Get(), menu->CenterOf(1));
    ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return pSubmenu->m_bOpen != FALSE; }, 5000));
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_GE(elapsed, 250) << "opened after the delay, not at once";
    EXPECT_EQ(menu->GetPopupedIndex(), 1);

    // A locked bar lets the hover wait; the timer acts once the lock is gone.
    menu->SetPopuped(-1);
    menu->SetLockCount(1);
    menu->SendMessage(WM_TIMER, XTP_TID_HOVER);
    EXPECT_EQ(menu->GetPopupedIndex(), -1);
    menu->SetLockCount(0);
    menu->SendMessage(WM_TIMER, XTP_TID_HOVER);
    EXPECT_EQ(menu->GetPopupedIndex(), 1);
}

TEST_F(Mouse, LeavingBeforeTheDelayOpensNothing)
{
    TrackingBarHolder menu(TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup));
    auto* pSubmenu = menu->Add<PopupControl>();
    menu->LayOut();

    // The cursor is elsewhere: the tracker tells the bar it was left within 50 ms.
    Move(menu.Get(), menu->CenterOf(0));
    ASSERT_EQ(menu->GetSelectedIndex(), 0);
    Sentinel past(600);
    ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return past.m_bFired; }, 5000));
    EXPECT_EQ(menu->GetSelectedIndex(), -1);
    EXPECT_EQ(pSubmenu->m_nOpened, 0);
}

TEST_F(Mouse, PressLoopExecutesOnReleaseOverTheControlAndHandsAQuitBack)
{
    struct Posted {
        UINT message;
        LPARAM lParam;
    };
    struct Case {
        const char* name;
        std::vector<Posted> posted;
        bool bQuit;
        bool bExecuted;
    };
    const LPARAM inside = MAKELPARAM(15, 10);
    const LPARAM outside = MAKELPARAM(15, 45);
    const Case cases[] = {
        {"released on the control", {{WM_LBUTTONUP, inside}}, false, true},
        {"left and came back", {{WM_MOUSEMOVE, outside}, {WM_MOUSEMOVE, inside}, {WM_LBUTTONUP, inside}}, false, true},
        {"released outside", {{WM_MOUSEMOVE, outside}, {WM_LBUTTONUP, outside}}, false, false},
        {"a quit ends the loop as a cancel", {{WM_MOUSEMOVE, outside}}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrackingBarHolder bar(TrackingBar::Create(&m_site));
        auto* pButton = bar->Add<PressControl>();
        bar->LayOut();
        ASSERT_TRUE(pButton->GetRect().PtInRect(CPoint(15, 10)));
        for (const Posted& p : c.posted)
            bar->PostMessage(p.message, 0, p.lParam);
        if (c.bQuit)
            ::PostQuitMessage(3);
        bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, inside);

        MSG msg;
        const BOOL bQuitBack = ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(bQuitBack != FALSE, c.bQuit);
        if (bQuitBack)
            EXPECT_EQ(msg.wParam, 3u);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(pButton->GetPressed(), c.bExecuted ? 2 : 0);
    }
}
