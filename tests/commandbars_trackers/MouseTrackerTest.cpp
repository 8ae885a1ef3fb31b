// The mouse tracker: its list of tracked bars and the ways it ends their
// tracking, the bars' lock counts, and the emulated mouse leave driven by the
// cursor. Every test runs on a thread of its own, whose tracker is fresh.
#include <gtest/gtest.h>

#include <vector>

#include "MessagePump.h"
#include "TrackerTestBar.h"
#include "TrackerTestWindows.h"

namespace {

CXTPMouseTracker* Tracker()
{
    return CXTPMouseTracker::GetThreadTracker();
}

// Bars of one test; released at the end, after leaving every list.
class Bars {
public:
    explicit Bars(int nCount, std::vector<TrackerTestBar*>* pEndLog = nullptr)
    {
        for (int i = 0; i < nCount; ++i)
            m_bars.push_back(new TrackerTestBar(pEndLog));
    }
    ~Bars()
    {
        for (TrackerTestBar* pBar : m_bars) {
            Tracker()->RemoveTrackedBar(pBar);
            if (Tracker()->GetLastSelectingBar() == pBar)
                Tracker()->SetLastSelectingBar(nullptr);
            pBar->InternalRelease();
        }
    }
    TrackerTestBar* operator[](size_t i) const { return m_bars[i]; }

private:
    std::vector<TrackerTestBar*> m_bars;
};

std::vector<CXTPCommandBar*> Tracked()
{
    std::vector<CXTPCommandBar*> bars;
    for (int i = 0; i < Tracker()->GetTrackedBarCount(); ++i)
        bars.push_back(Tracker()->GetTrackedBar(i));
    return bars;
}

} // namespace

TEST(MouseTracker, EachThreadHasItsOwnTracker)
{
    CXTPMouseTracker* pMain = Tracker();
    CXTPMouseTracker* pOther = nullptr;
    RunOnOwnThread([&] { pOther = Tracker(); });
    EXPECT_EQ(pMain, Tracker());
    EXPECT_NE(pMain, pOther);
}

TEST(MouseTracker, TheFirstTrackedBarClearsTheLastSelectingBarsSelection)
{
    RunOnOwnThread([] {
        Bars bars(3);
        Tracker()->SetLastSelectingBar(bars[0]);

        bars[1]->StartTracking();
        EXPECT_EQ(bars[0]->m_selections, std::vector<int>{-1});
        bars[2]->StartTracking();   // not the first: no second clearing
        bars[1]->StartTracking();   // listed already
        EXPECT_EQ(bars[0]->m_selections.size(), 1u);
        EXPECT_EQ(Tracked(), (std::vector<CXTPCommandBar*>{bars[1], bars[2]}));

        Tracker()->RemoveTrackedBar(bars[1]);
        EXPECT_EQ(Tracked(), std::vector<CXTPCommandBar*>{bars[2]});
        Tracker()->RemoveTrackedBar(bars[2]);
        // The selecting bar itself starting to track keeps its selection.
        bars[0]->StartTracking();
        EXPECT_EQ(bars[0]->m_selections.size(), 1u);
    });
}

TEST(MouseTracker, CloseAllEndsEveryBarFirstToLastEvenOneThatStaysListed)
{
    RunOnOwnThread([] {
        std::vector<TrackerTestBar*> ended;
        Bars bars(3, &ended);
        bars[1]->m_bStayListed = true;
        for (int i = 0; i < 3; ++i)
            bars[i]->StartTracking();

        Tracker()->CloseAll();

        EXPECT_EQ(ended, (std::vector<TrackerTestBar*>{bars[0], bars[1], bars[2]}));
        EXPECT_EQ(Tracker()->GetTrackedBarCount(), 0);
    });
}

TEST(MouseTracker, CloseUnlockedEndsTheUnlockedBarsWhileTheFirstIsLocked)
{
    RunOnOwnThread([] {
        std::vector<TrackerTestBar*> ended;
        Bars bars(3, &ended);
        for (int i = 0; i < 3; ++i)
            bars[i]->StartTracking();
        bars[2]->SetLockCount(1);

        Tracker()->CloseUnlocked();   // the first bar is not locked: nothing
        EXPECT_TRUE(ended.empty());

        bars[0]->SetLockCount(1);
        Tracker()->CloseUnlocked();
        EXPECT_EQ(ended, std::vector<TrackerTestBar*>{bars[1]});
        EXPECT_EQ(Tracked(), (std::vector<CXTPCommandBar*>{bars[0], bars[2]}));
    });
}

TEST(MouseTracker, IsOtherTrackingAndLockTrackedBars)
{
    RunOnOwnThread([] {
        Bars bars(3);
        EXPECT_FALSE(Tracker()->IsOtherTracking(nullptr));
        EXPECT_FALSE(Tracker()->IsOtherTracking(bars[0]));

        bars[0]->StartTracking();
        bars[1]->StartTracking();
        EXPECT_TRUE(Tracker()->IsOtherTracking(nullptr));
        EXPECT_FALSE(Tracker()->IsOtherTracking(bars[0]));
        EXPECT_TRUE(Tracker()->IsOtherTracking(bars[2]));

        Tracker()->LockTrackedBars(TRUE);
        Tracker()->LockTrackedBars(TRUE);
        EXPECT_EQ(bars[0]->GetLockCount(), 2);
        EXPECT_EQ(bars[1]->GetLockCount(), 2);
        EXPECT_EQ(bars[2]->GetLockCount(), 0);   // not tracked
        EXPECT_TRUE(Tracker()->IsOtherTracking(bars[0]));   // locked

        Tracker()->LockTrackedBars(FALSE);
        Tracker()->LockTrackedBars(FALSE);
        EXPECT_EQ(bars[0]->GetLockCount(), 0);
        EXPECT_FALSE(Tracker()->IsOtherTracking(bars[0]));
    });
}

TEST(MouseTracker, MovingToAnotherWindowSendsMouseLeaveAtOnce)
{
    RunOnOwnThread([] {
        CountingWindow first(RECT{100, 100, 200, 140}, TRUE);
        CountingWindow second(RECT{300, 100, 400, 140}, TRUE);
        ::SetCursorPos(150, 120);

        Tracker()->TrackMouseLeave(first.Handle());
        Tracker()->TrackMouseLeave(first.Handle());   // watched already: nothing
        EXPECT_EQ(first.Count(WM_MOUSELEAVE), 0);
        ::SetCursorPos(350, 120);
        Tracker()->TrackMouseLeave(second.Handle());

        EXPECT_EQ(first.Count(WM_MOUSELEAVE), 1);
        EXPECT_EQ(Tracker()->GetWatchedWindow(), second.Handle());
        first.Destroy();
        second.Destroy();
        EXPECT_EQ(second.Count(WM_MOUSELEAVE), 0);
    });
}

TEST(MouseTracker, LeavingAWindowForTheDesktopPostsMouseLeaveByTheTimer)
{
    RunOnOwnThread([] {
        CountingWindow window(RECT{100, 100, 200, 140}, TRUE);
        ::SetCursorPos(150, 120);
        Tracker()->TrackMouseLeave(window.Handle());

        // While the cursor stays inside, the timer's rounds change nothing.
        int nRounds = 0;
        const ULONGLONG end = ::GetTickCount64() + 5000;
        while (nRounds < 3 && window.Count(WM_MOUSELEAVE) == 0 && ::GetTickCount64() < end) {
            MSG msg;
            if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_TIMER && msg.hwnd == window.Handle() && msg.wParam == 113341)
                ++nRounds;
            ::DispatchMessageW(&msg);
        }
        EXPECT_EQ(nRounds, 3);
        EXPECT_EQ(window.Count(WM_MOUSELEAVE), 0);
        EXPECT_EQ(Tracker()->GetWatchedWindow(), window.Handle());

        ::SetCursorPos(600, 600);
        EXPECT_TRUE(testsupport::PumpMessagesUntil([&] { return window.Count(WM_MOUSELEAVE) == 1; }, 5000));
        EXPECT_EQ(Tracker()->GetWatchedWindow(), nullptr);
    });
}
