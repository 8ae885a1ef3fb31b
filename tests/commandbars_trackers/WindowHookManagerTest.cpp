// The window hook manager: clients asked from the last registered, their
// answers, the window's own procedure, unhooking by the window's end and by
// RemoveAll, and clients that unhook themselves and others while asked.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CXTPWindowHookManager.h"
#include "Framework.h"
#include "TrackerTestWindows.h"

namespace {

const UINT kTest = CountingWindow::kTestMessage;

// Answers kTest with a fixed answer and writes its id into a shared log.
class LoggingClient : public CXTPWindowHookClient {
public:
    LoggingClient(int nId, std::vector<int>& log, int nAnswer = 0, LRESULT lResult = 0)
        : m_nId(nId), m_log(log), m_nAnswer(nAnswer), m_lResult(lResult)
    {
    }
    int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT& lResult) override
    {
        if (nMessage == WM_NCDESTROY)
            m_log.push_back(-m_nId);
        if (nMessage != kTest)
            return 0;
        m_log.push_back(m_nId);
        if (m_wParamNew)
            wParam = m_wParamNew;
        if (m_nAnswer == 1)
            lResult = m_lResult;
        // The action may delete this client: nothing of it is touched after.
        const int nAnswer = m_nAnswer;
        if (m_onMessage) {
            std::function<void()> onMessage = m_onMessage;
            onMessage();
        }
        return nAnswer;
    }

    int m_nId;
    std::vector<int>& m_log;
    int m_nAnswer;
    LRESULT m_lResult;
    WPARAM m_wParamNew = 0;
    std::function<void()> m_onMessage;
};

CXTPWindowHookManager& Manager()
{
    return CXTPWindowHookManager::Instance();
}

WNDPROC ProcedureOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
}

} // namespace

TEST(WindowHookManager, TwoClientsAreAskedLaterFirstAndTheirAnswersDecide)
{
    struct Case {
        int nEarlier, nLater;          // answers
        std::vector<int> asked;        // ids in the order asked
        int nOwnCalls;                 // the window's own procedure
        LRESULT lResult;
    };
    const Case cases[] = {
        {0, 0, {2, 1}, 1, CountingWindow::kOwnResult},
        {0, 2, {2}, 1, CountingWindow::kOwnResult},
        {2, 0, {2, 1}, 1, CountingWindow::kOwnResult},
        {0, 1, {2}, 0, 5},
        {1, 0, {2, 1}, 0, 9},
    };
    for (const Case& c : cases) {
        CountingWindow window;
        std::vector<int> log;
        LoggingClient earlier(1, log, c.nEarlier, 9);
        LoggingClient later(2, log, c.nLater, 5);
        Manager().SetHook(window.Handle(), &earlier);
        Manager().SetHook(window.Handle(), &later);
        Manager().SetHook(window.Handle(), &earlier);   // listed already: asked once

        LRESULT lResult = ::SendMessageW(window.Handle(), kTest, 0, 0);

        EXPECT_EQ(log, c.asked) << c.nEarlier << "/" << c.nLater;
        EXPECT_EQ(window.Count(kTest), c.nOwnCalls) << c.nEarlier << "/" << c.nLater;
        EXPECT_EQ(lResult, c.lResult) << c.nEarlier << "/" << c.nLater;
        Manager().RemoveAll(&earlier);
        Manager().RemoveAll(&later);
    }
}

TEST(WindowHookManager, ClientsMayChangeTheParametersTheWindowSees)
{
    CountingWindow window;
    std::vector<int> log;
    LoggingClient client(1, log);
    client.m_wParamNew = 42;
    Manager().SetHook(window.Handle(), &client);

    ::SendMessageW(window.Handle(), kTest, 3, 0);

    EXPECT_EQ(window.m_wParamSeen, 42u);
    Manager().RemoveHook(window.Handle(), &client);
}

TEST(WindowHookManager, TheLastClientRemovedPutsTheWindowProcedureBack)
{
    CountingWindow window;
    std::vector<int> log;
    LoggingClient first(1, log), second(2, log);
    Manager().SetHook(window.Handle(), &first);
    Manager().SetHook(window.Handle(), &second);
    EXPECT_NE(ProcedureOf(window.Handle()), window.OwnProcedure());

    Manager().RemoveHook(window.Handle(), &second);
    EXPECT_NE(ProcedureOf(window.Handle()), window.OwnProcedure());
    ::SendMessageW(window.Handle(), kTest, 0, 0);
    EXPECT_EQ(log, (std::vector<int>{1}));

    Manager().RemoveHook(window.Handle(), &first);
    EXPECT_EQ(ProcedureOf(window.Handle()), window.OwnProcedure());
    EXPECT_EQ(Manager().Lookup(window.Handle()), nullptr);
    ::SendMessageW(window.Handle(), kTest, 0, 0);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(window.Count(kTest), 2);
}

TEST(WindowHookManager, DestroyingTheWindowUnhooksItWithoutRemoveHook)
{
    CountingWindow window;
    std::vector<int> log;
    LoggingClient client(1, log);
    Manager().SetHook(window.Handle(), &client);
    HWND hWnd = window.Handle();

    window.Destroy();

    EXPECT_EQ(Manager().Lookup(hWnd), nullptr);
    EXPECT_TRUE(log.empty());   // WM_NCDESTROY goes straight to the window
    EXPECT_EQ(window.Count(WM_NCDESTROY), 1);
    // Nothing is left for a later RemoveHook or RemoveAll to trip over.
    Manager().RemoveHook(hWnd, &client);
    Manager().RemoveAll(&client);
}

TEST(WindowHookManager, RemoveAllUnhooksTheClientEverywhereAndKeepsOthers)
{
    CountingWindow shared, alone;
    std::vector<int> log;
    LoggingClient client(1, log), other(2, log);
    Manager().SetHook(shared.Handle(), &other);
    Manager().SetHook(shared.Handle(), &client);
    Manager().SetHook(alone.Handle(), &client);

    Manager().RemoveAll(&client);

    EXPECT_EQ(ProcedureOf(alone.Handle()), alone.OwnProcedure());
    EXPECT_EQ(Manager().Lookup(alone.Handle()), nullptr);
    ::SendMessageW(shared.Handle(), kTest, 0, 0);
    ::SendMessageW(alone.Handle(), kTest, 0, 0);
    EXPECT_EQ(log, (std::vector<int>{2}));
    EXPECT_EQ(shared.Count(kTest), 1);
    EXPECT_EQ(alone.Count(kTest), 1);
    Manager().RemoveAll(&other);
}

TEST(WindowHookManager, ClientsUnhookingDuringTheirMessageDoNotBreakIt)
{
    // The later client (2) is asked first and removes clients while asked.
    struct Case {
        const char* name;
        std::function<void(HWND, LoggingClient*& pEarlier, LoggingClient*& pLater)> act;
        std::vector<int> asked;
        bool bHookedAfter;
    };
    const Case cases[] = {
        {"removes the earlier client",
         [](HWND hWnd, LoggingClient*& pEarlier, LoggingClient*&) { Manager().RemoveHook(hWnd, pEarlier); },
         {2}, true},
        {"removes itself and the earlier one, then deletes both",
         [](HWND hWnd, LoggingClient*& pEarlier, LoggingClient*& pLater) {
             Manager().RemoveHook(hWnd, pLater);
             Manager().RemoveHook(hWnd, pEarlier);
             delete pEarlier;
             pEarlier = nullptr;
             delete pLater;
             pLater = nullptr;
         },
         {2}, false},
        {"removes both through RemoveAll",
         [](HWND, LoggingClient*& pEarlier, LoggingClient*& pLater) {
             Manager().RemoveAll(pLater);
             Manager().RemoveAll(pEarlier);
         },
         {2}, false},
    };
    for (const Case& c : cases) {
        CountingWindow window;
        std::vector<int> log;
        auto* pEarlier = new LoggingClient(1, log);
        auto* pLater = new LoggingClient(2, log);
        HWND hWnd = window.Handle();
        pLater->m_onMessage = [&c, hWnd, &pEarlier, &pLater] { c.act(hWnd, pEarlier, pLater); };
        Manager().SetHook(hWnd, pEarlier);
        Manager().SetHook(hWnd, pLater);

        LRESULT lResult = ::SendMessageW(hWnd, kTest, 0, 0);

        EXPECT_EQ(log, c.asked) << c.name;
        EXPECT_EQ(lResult, CountingWindow::kOwnResult) << c.name;
        EXPECT_EQ(window.Count(kTest), 1) << c.name;
        EXPECT_EQ(Manager().Lookup(hWnd) != nullptr, c.bHookedAfter) << c.name;
        EXPECT_EQ(ProcedureOf(hWnd) == window.OwnProcedure(), !c.bHookedAfter) << c.name;
        // The window keeps working once its message is over.
        ::SendMessageW(hWnd, kTest, 0, 0);
        EXPECT_EQ(window.Count(kTest), 2) << c.name;
        if (pEarlier)
            Manager().RemoveAll(pEarlier);
        if (pLater)
            Manager().RemoveAll(pLater);
        delete pEarlier;
        delete pLater;
    }
}

TEST(WindowHookManager, AWindowHookedAgainDuringItsMessageStaysHooked)
{
    CountingWindow window;
    std::vector<int> log;
    LoggingClient leaving(1, log), arriving(2, log);
    HWND hWnd = window.Handle();
    leaving.m_onMessage = [&] {
        Manager().RemoveHook(hWnd, &leaving);
        Manager().SetHook(hWnd, &arriving);
    };
    Manager().SetHook(hWnd, &leaving);

    ::SendMessageW(hWnd, kTest, 0, 0);
    ASSERT_NE(Manager().Lookup(hWnd), nullptr);
    EXPECT_NE(ProcedureOf(hWnd), window.OwnProcedure());
    ::SendMessageW(hWnd, kTest, 0, 0);

    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    EXPECT_EQ(window.Count(kTest), 2);
    Manager().RemoveAll(&arriving);
    EXPECT_EQ(ProcedureOf(hWnd), window.OwnProcedure());
}

TEST(WindowHookManager, ClientsSeeTheirMessageAsTheOneBeingHandled)
{
    CountingWindow window;
    std::vector<int> log;
    LoggingClient client(1, log);
    MSG seen{};
    client.m_onMessage = [&] { seen = *CWnd::GetCurrentMessage(); };
    Manager().SetHook(window.Handle(), &client);
    const MSG before{reinterpret_cast<HWND>(0x1234), WM_USER + 3, 5, 6, 0, {}};
    CWnd::SetCurrentMessage(before);

    ::SendMessageW(window.Handle(), kTest, 11, 12);

    EXPECT_EQ(seen.hwnd, window.Handle());
    EXPECT_EQ(seen.message, kTest);
    EXPECT_EQ(seen.wParam, 11u);
    EXPECT_EQ(seen.lParam, 12);
    const MSG* pAfter = CWnd::GetCurrentMessage();
    EXPECT_EQ(pAfter->hwnd, before.hwnd);
    EXPECT_EQ(pAfter->message, before.message);
    EXPECT_EQ(pAfter->wParam, before.wParam);
    CWnd::SetCurrentMessage(MSG{});
    Manager().RemoveAll(&client);
}
