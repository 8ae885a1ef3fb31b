// The keyboard tracker: its clients, the order in which RouteMessage asks
// them and what their answers make of a key, and the call-window-procedure
// hook that closes the menus when the application is deactivated, present
// only while clients are listed.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "TrackerTestBar.h"
#include "TrackerTestWindows.h"

namespace {

CXTPKeyboardTracker* Keyboard()
{
    return CXTPKeyboardTracker::GetThreadTracker();
}

class AnsweringClient : public CXTPWindowHookClient {
public:
    AnsweringClient(int nId, std::vector<int>& log, int nAnswer) : m_nId(nId), m_log(log), m_nAnswer(nAnswer) {}
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&) override
    {
        EXPECT_EQ(hWnd, nullptr);
        EXPECT_EQ(nMessage, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(wParam, static_cast<WPARAM>('A'));
        m_log.push_back(m_nId);
        if (m_onMessage)
            m_onMessage();
        return m_nAnswer;
    }

    int m_nId;
    std::vector<int>& m_log;
    int m_nAnswer;
    std::function<void()> m_onMessage;
};

} // namespace

TEST(KeyboardTracker, RouteMessageAsksTheLatestClientFirstAndSwallowsUnlessTold2)
{
    struct Case {
        int answers[3];             // of the clients, in the order added
        std::vector<int> asked;     // client numbers, in the order asked
        BOOL bSwallow;
    };
    const Case cases[] = {
        {{0, 0, 0}, {3, 2, 1}, TRUE},
        {{0, 0, 2}, {3}, FALSE},
        {{0, 1, 0}, {3, 2}, TRUE},
        {{2, 0, 0}, {3, 2, 1}, FALSE},
        {{1, 2, 0}, {3, 2}, FALSE},
    };
    RunOnOwnThread([&] {
        for (const Case& c : cases) {
            std::vector<int> log;
            AnsweringClient one(1, log, c.answers[0]), two(2, log, c.answers[1]), three(3, log, c.answers[2]);
            Keyboard()->AddClient(&one);
            Keyboard()->AddClient(&two);
            Keyboard()->AddClient(&three);
            Keyboard()->AddClient(&one);   // listed already
            EXPECT_EQ(Keyboard()->GetClientCount(), 3);

            EXPECT_EQ(Keyboard()->RouteMessage(WM_KEYDOWN, 'A', 0), c.bSwallow);
            EXPECT_EQ(log, c.asked);

            Keyboard()->RemoveClient(&two);
            EXPECT_EQ(Keyboard()->GetClientCount(), 2);
            Keyboard()->RemoveClient(&one);
            Keyboard()->RemoveClient(&three);
            EXPECT_EQ(Keyboard()->GetClientCount(), 0);
        }
    });
}

TEST(KeyboardTracker, AClientRemovedWhileTheKeyIsRoutedIsNotAsked)
{
    RunOnOwnThread([] {
        std::vector<int> log;
        AnsweringClient one(1, log, 0), two(2, log, 0), three(3, log, 0);
        three.m_onMessage = [&] {
            Keyboard()->RemoveClient(&three);
            Keyboard()->RemoveClient(&two);
        };
        Keyboard()->AddClient(&one);
        Keyboard()->AddClient(&two);
        Keyboard()->AddClient(&three);

        EXPECT_TRUE(Keyboard()->RouteMessage(WM_KEYDOWN, 'A', 0));

        EXPECT_EQ(log, (std::vector<int>{3, 1}));
        Keyboard()->RemoveClient(&one);
    });
}

TEST(KeyboardTracker, DeactivatingTheApplicationClosesAllWhileClientsAreListed)
{
    RunOnOwnThread([] {
        CountingWindow window;
        std::vector<TrackerTestBar*> ended;
        auto* pFirst = new TrackerTestBar(&ended);
        auto* pSecond = new TrackerTestBar(&ended);
        std::vector<int> log;
        AnsweringClient client(1, log, 0);
        CXTPMouseTracker* pMouse = CXTPMouseTracker::GetThreadTracker();

        Keyboard()->AddClient(&client);
        pFirst->StartTracking();
        pSecond->StartTracking();
        ::SendMessageW(window.Handle(), WM_ACTIVATEAPP, TRUE, 0);
        EXPECT_TRUE(ended.empty());
        ::SendMessageW(window.Handle(), WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_EQ(ended, (std::vector<TrackerTestBar*>{pFirst, pSecond}));
        EXPECT_EQ(pMouse->GetTrackedBarCount(), 0);
        EXPECT_EQ(window.Count(WM_ACTIVATEAPP), 2);   // the message goes on

        // Without clients the hooks are gone and tracking bars stay.
        Keyboard()->RemoveClient(&client);
        pFirst->StartTracking();
        ::SendMessageW(window.Handle(), WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_EQ(pMouse->GetTrackedBarCount(), 1);

        pMouse->CloseAll();
        pFirst->InternalRelease();
        pSecond->InternalRelease();
    });
}
