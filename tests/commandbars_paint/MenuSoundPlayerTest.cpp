// The menu sound player over a recording PlaySound and a pause the test holds,
// so that each poll of the worker happens when the test lets it.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "CXTPMenuSoundPlayer.h"

namespace {

constexpr std::chrono::milliseconds kBound(5000);

// What the worker asked PlaySound for, and gates that hold it in a sound or in
// its pause between polls.
class SoundRig {
public:
    CXTPMenuSoundPlayer::PlaySoundFunction Player()
    {
        return [this](LPCWSTR pszSound, HMODULE, DWORD dwFlags) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_calls.push_back(pszSound ? std::wstring(pszSound) : std::wstring(L"<purge>"));
            m_flags.push_back(dwFlags);
            m_changed.notify_all();
            if (pszSound != nullptr)
                m_changed.wait(lock, [this] { return !m_bHoldSound; });
            return TRUE;
        };
    }
    CXTPMenuSoundPlayer::PauseFunction Pause()
    {
        return [this](DWORD) {
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                ++m_nPaused;
                m_bInPause = true;
                m_changed.notify_all();
                m_changed.wait(lock, [this] { return m_nPassesLeft > 0; });
                --m_nPassesLeft;
                m_bInPause = false;
            }
            ::Sleep(1);
        };
    }

    void HoldSounds(bool bHold)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bHoldSound = bHold;
        m_changed.notify_all();
    }
    // Lets the worker leave its pause nPasses times.
    void PassPolls(int nPasses)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nPassesLeft += nPasses;
        m_changed.notify_all();
    }
    void LetRun() { PassPolls(1 << 20); }

    bool WaitForCalls(size_t nCalls, std::chrono::milliseconds bound = kBound)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, bound, [&] { return m_calls.size() >= nCalls; });
    }
    // Waits until the worker rests in a pause it entered after its nth one.
    bool WaitParkedAfter(int nth)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kBound, [&] { return m_nPaused > nth && m_bInPause; });
    }
    // Lets a parked worker make one poll and waits until it rests again.
    bool Poll()
    {
        const int n = Pauses();
        PassPolls(1);
        return WaitParkedAfter(n);
    }
    std::vector<std::wstring> Calls()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_calls;
    }
    std::vector<DWORD> Flags()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_flags;
    }
    int Pauses()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_nPaused;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::wstring> m_calls;
    std::vector<DWORD> m_flags;
    bool m_bHoldSound = false;
    bool m_bInPause = false;
    int m_nPaused = 0;
    int m_nPassesLeft = 0;
};

using State = CXTPMenuSoundPlayer::State;

TEST(MenuSoundPlayer, RequestsBetweenPollsAndDuringASound)
{
    struct Case {
        const char* name;
        bool bDuringSound;   // the second request arrives while the first plays
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {"both between two polls: the later plays", false, {L"MenuPopup"}},
        {"the later while the earlier plays: dropped", true, {L"MenuCommand"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundRig rig;
        {
            CXTPMenuSoundPlayer player(rig.Player(), rig.Pause());
            // The first request starts the worker; it may poll before or after
            // the request is stored. Either way: one sound, then it rests.
            player.Play(State::MenuCommand);
            ASSERT_TRUE(rig.WaitParkedAfter(0));
            if (rig.Calls().empty()) {
                ASSERT_TRUE(rig.Poll());
            }
            ASSERT_EQ(rig.Calls().size(), 1u);

            if (c.bDuringSound) {
                rig.HoldSounds(true);
                player.Play(State::MenuCommand);
                const int n = rig.Pauses();
                rig.PassPolls(1);
                ASSERT_TRUE(rig.WaitForCalls(2));
                player.Play(State::MenuPopup);
                rig.HoldSounds(false);
                ASSERT_TRUE(rig.WaitParkedAfter(n));
            } else {
                player.Play(State::MenuCommand);
                player.Play(State::MenuPopup);
                ASSERT_TRUE(rig.Poll());
            }
            // One more poll finds nothing pending.
            ASSERT_TRUE(rig.Poll());
            const std::vector<std::wstring> calls = rig.Calls();
            EXPECT_EQ(std::vector<std::wstring>(calls.begin() + 1, calls.end()), c.expected);
            rig.LetRun();
        }
        const std::vector<DWORD> flags = rig.Flags();
        EXPECT_EQ(flags.front(), static_cast<DWORD>(SND_ALIAS | SND_NOWAIT | SND_NODEFAULT));
        EXPECT_EQ(rig.Calls().back(), L"<purge>");
        EXPECT_EQ(flags.back(), static_cast<DWORD>(SND_PURGE));
    }
}

TEST(MenuSoundPlayer, StopWithoutAWorkerAndDisabledRequests)
{
    SoundRig rig;
    rig.LetRun();
    CXTPMenuSoundPlayer player(rig.Player(), rig.Pause());
    player.Stop();
    player.Enable(FALSE);
    player.Play(State::MenuPopup);
    player.Stop();
    EXPECT_TRUE(rig.Calls().empty());
    EXPECT_EQ(rig.Pauses(), 0);
}

TEST(MenuSoundPlayer, StopDuringASoundEndsTheWorkerAfterItAndStartsNoSecond)
{
    SoundRig rig;
    rig.LetRun();
    CXTPMenuSoundPlayer player(rig.Player(), rig.Pause());
    rig.HoldSounds(true);
    player.Play(State::MenuCommand);
    ASSERT_TRUE(rig.WaitForCalls(1));

    const DWORD dwStart = ::GetTickCount();
    player.Stop();
    EXPECT_LT(::GetTickCount() - dwStart, 2000u) << "Stop waits about 100 ms, not for the sound";
    // The old worker still plays: a request now must not start a second one,
    // which would reset the stop request the old one waits for.
    player.Play(State::MenuPopup);
    rig.HoldSounds(false);
    ASSERT_TRUE(rig.WaitForCalls(2));
    EXPECT_EQ(rig.Calls()[1], L"<purge>") << "the stopped worker ends after its sound";

    // Once the old worker is gone, the next request starts a new one; the old
    // one may still be between its last call and its end, so ask again a while.
    for (const DWORD dwFrom = ::GetTickCount(); rig.Calls().size() < 3 && ::GetTickCount() - dwFrom < 5000;) {
        player.Play(State::MenuPopup);
        rig.WaitForCalls(3, std::chrono::milliseconds(20));
    }
    ASSERT_EQ(rig.Calls().size(), 3u);
    EXPECT_EQ(rig.Calls()[2], L"MenuPopup");
}

} // namespace
