// Clicks and key presses injected into the system's input (SendInput) and
// read back by the thread's hooks: clicks outside the tracked bars close
// them and still reach their window, clicks in trusted windows and in the
// bars don't close them, a swallowed button release after expanding menus,
// and keys routed to the keyboard tracker's clients, Alt closing the menus.
#include <gtest/gtest.h>

#include <vector>

#include "CXTPWindowHookManager.h"
#include "MessagePump.h"
#include "TrackerTestBar.h"
#include "TrackerTestWindows.h"

#include <windowsx.h>

namespace {

const unsigned kWait = 5000;

void Click(POINT point, DWORD dwDown, DWORD dwUp)
{
    ::SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = dwDown;
    inputs[1].mi.dwFlags = dwUp;
    ::SendInput(dwUp ? 2 : 1, inputs, sizeof(INPUT));
}

// A relative move of one pixel: too small for the pointer's acceleration.
void NudgeRight(POINT from)
{
    ::SetCursorPos(from.x, from.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(INPUT));
}

void Key(WORD wVk, bool bUp = false)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
}

// A frame-like window under everything, a tracking bar with a window on it,
// and a trusted window; all of the calling thread.
struct Scene {
    Scene()
        : frame(RECT{0, 0, 600, 500}, TRUE), trusted(RECT{300, 300, 400, 350}, TRUE), pBar(new TrackerTestBar)
    {
        pBar->CreateEx(0, PlainWindowClass(), L"", WS_POPUP | WS_VISIBLE, 50, 50, 100, 30, nullptr, nullptr);
        ::SetWindowPos(trusted.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        testsupport::PumpMessages();
    }
    ~Scene()
    {
        CXTPMouseTracker::GetThreadTracker()->CloseAll();
        pBar->DestroyWindow();
        pBar->InternalRelease();
    }

    CountingWindow frame;
    CountingWindow trusted;
    TrackerTestBar* pBar;
};

// Records the points of the mouse moves its window is sent.
class MoveClient : public CXTPWindowHookClient {
public:
    int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM& lParam, LRESULT&) override
    {
        if (nMessage == WM_MOUSEMOVE)
            m_points.push_back(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        return 0;
    }
    std::vector<CPoint> m_points;
};

class KeyClient : public CXTPWindowHookClient {
public:
    explicit KeyClient(int nAnswer) : m_nAnswer(nAnswer) {}
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&) override
    {
        if (nMessage == WM_KEYDOWN)
            m_keys.push_back(wParam);
        return m_nAnswer;
    }
    int m_nAnswer;
    std::vector<WPARAM> m_keys;
};

} // namespace

TEST(InjectedInput, AClickOutsideTheBarsClosesThemAndReachesItsWindow)
{
    RunOnOwnThread([] {
        Scene scene;
        CXTPMouseTracker::GetThreadTracker()->AddTrustedWindow(scene.trusted.Handle());
        scene.pBar->StartTracking();

        // In the bar and in the trusted window the bar keeps tracking.
        Click(POINT{80, 60}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        Click(POINT{350, 320}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.trusted.Count(WM_LBUTTONUP) == 1; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 0);

        // Without the trust the same click closes it.
        CXTPMouseTracker::GetThreadTracker()->RemoveTrustedWindow(scene.trusted.Handle());
        Click(POINT{350, 320}, MOUSEEVENTF_LEFTDOWN, 0);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.trusted.Count(WM_LBUTTONDOWN) == 2; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 1);
        Click(POINT{350, 320}, MOUSEEVENTF_LEFTUP, 0);

        // A right click in the frame closes it as well and reaches the frame.
        scene.pBar->StartTracking();
        Click(POINT{500, 100}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_RBUTTONUP) == 1; }, kWait));
        EXPECT_EQ(scene.frame.Count(WM_RBUTTONDOWN), 1);
        EXPECT_EQ(scene.pBar->m_nEnded, 2);
    });
}

TEST(InjectedInput, LocksDecideWhatAClickEnds)
{
    RunOnOwnThread([] {
        Scene scene;
        CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
        auto* pOther = new TrackerTestBar;
        scene.pBar->StartTracking();
        pOther->StartTracking();

        // A click in a locked bar ends the unlocked ones only.
        scene.pBar->SetLockCount(1);
        Click(POINT{80, 60}, MOUSEEVENTF_LEFTDOWN, 0);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return pOther->m_nEnded == 1; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 0);
        Click(POINT{80, 60}, MOUSEEVENTF_LEFTUP, 0);

        // While the tracker is locked a release outside ends nothing.
        scene.pBar->SetLockCount(0);
        pTracker->Lock();
        Click(POINT{500, 100}, MOUSEEVENTF_LEFTUP, 0);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_LBUTTONUP) == 1; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 0);
        pTracker->Unlock();
        Click(POINT{500, 100}, MOUSEEVENTF_LEFTUP, 0);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_LBUTTONUP) == 2; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 1);
        pOther->InternalRelease();
    });
}

TEST(InjectedInput, MouseMovesOutsideTheBarsReachTheUnlockedBarsInTheirCoordinates)
{
    RunOnOwnThread([] {
        Scene scene;
        MoveClient moves;
        CXTPWindowHookManager::Instance().SetHook(scene.pBar->GetSafeHwnd(), &moves);
        scene.pBar->StartTracking();

        // The frame lies at the screen's origin: its points are screen points.
        auto frameMovedTo = [&](int x, int y) { return scene.frame.LastLParam(WM_MOUSEMOVE) == MAKELPARAM(x, y); };
        NudgeRight(POINT{500, 100});
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return frameMovedTo(501, 100); }, kWait));
        ASSERT_FALSE(moves.m_points.empty());
        EXPECT_EQ(moves.m_points.back(), CPoint(501 - 50, 100 - 50));
        EXPECT_EQ(scene.pBar->m_nEnded, 0);

        scene.pBar->SetLockCount(1);
        const size_t nSeen = moves.m_points.size();
        NudgeRight(POINT{520, 120});
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return frameMovedTo(521, 120); }, kWait));
        EXPECT_EQ(moves.m_points.size(), nSeen);
        scene.pBar->SetLockCount(0);
        CXTPWindowHookManager::Instance().RemoveAll(&moves);
    });
}

TEST(InjectedInput, TheButtonReleaseAfterExpandingMenusIsSwallowedOnce)
{
    RunOnOwnThread([] {
        Scene scene;
        CXTPMouseTracker::GetThreadTracker()->SetMenusExpanded(TRUE);

        Click(POINT{500, 100}, MOUSEEVENTF_LEFTUP, 0);
        Click(POINT{500, 100}, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_RBUTTONUP) == 1; }, kWait));
        EXPECT_EQ(scene.frame.Count(WM_LBUTTONUP), 0);

        Click(POINT{500, 100}, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_LBUTTONUP) == 1; }, kWait));
        CXTPMouseTracker::GetThreadTracker()->SetMenusExpanded(FALSE);
    });
}

TEST(InjectedInput, KeysGoToTheClientsAndAltClosesTheMenus)
{
    RunOnOwnThread([] {
        Scene scene;
        ::SetForegroundWindow(scene.frame.Handle());
        ::SetFocus(scene.frame.Handle());
        KeyClient swallowing(1), passing(2);
        CXTPKeyboardTracker* pKeyboard = CXTPKeyboardTracker::GetThreadTracker();
        pKeyboard->AddClient(&passing);
        pKeyboard->AddClient(&swallowing);
        scene.pBar->StartTracking();

        // The latest client swallows 'A'; once it is gone 'B' goes on.
        Key('A');
        Key('A', true);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_KEYUP) == 1; }, kWait));
        EXPECT_EQ(swallowing.m_keys, std::vector<WPARAM>{'A'});
        EXPECT_EQ(scene.frame.Count(WM_KEYDOWN), 0);
        pKeyboard->RemoveClient(&swallowing);
        Key('B');
        Key('B', true);
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return scene.frame.Count(WM_KEYUP) == 2; }, kWait));
        EXPECT_EQ(passing.m_keys, std::vector<WPARAM>{'B'});
        EXPECT_EQ(scene.frame.Count(WM_KEYDOWN), 1);

        // Alt closes the menus and is swallowed; its repeat goes on.
        Key(VK_MENU);
        Key(VK_MENU);
        Key(VK_MENU, true);
        auto keyUps = [&] { return scene.frame.Count(WM_SYSKEYUP) + scene.frame.Count(WM_KEYUP); };
        ASSERT_TRUE(testsupport::PumpMessagesUntil([&] { return keyUps() == 3; }, kWait));
        EXPECT_EQ(scene.pBar->m_nEnded, 1);
        EXPECT_EQ(scene.frame.Count(WM_SYSKEYDOWN), 1);
        EXPECT_TRUE(passing.m_keys.size() == 1);   // Alt is not routed
        pKeyboard->RemoveClient(&passing);
    });
}
