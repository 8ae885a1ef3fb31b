#include <gtest/gtest.h>

#include "CXTPToolTipWindow.h"
#include "TipHostWindow.h"
#include "ToolTipMouseHook.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The tip's 500 ms timer is set against the window server's clock, which under
// load may lag the test's clock by a scheduling slice or more, so the timer can
// fire a little before 500 ms of the test's time. The floor still tells a tip
// that waited for the delay from one shown at once (under 200 ms).
constexpr long long kInitialDelayFloor = 400;
using Kind = CXTPToolTipContext::ToolTipKind;

long long MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A host with three tools (the third without text) at a fixed place, in front.
class TipBehaviour : public ::testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        m_window = std::make_unique<TipHostWindow>(CPoint(200, 200),
            TipHostWindow::ToolsInARow({L"First tool", L"Second tool", L""}));
        m_window->Context().SetToolTipKind(GetParam());
        ASSERT_TRUE(BringToFront(m_window->GetSafeHwnd()));
        // Start away from every tool, long enough after any earlier tip.
        ASSERT_TRUE(MovePointer(*m_window, CPoint(100, 100)));
    }

    // Moves onto tool i and answers when the tip showed, measured from the
    // window's first sight of the move; -1 when it did not within boundMs.
    long long ShowDelay(size_t i, unsigned boundMs = 2000)
    {
        m_window->MarkMoves();
        EXPECT_TRUE(MovePointer(*m_window, m_window->ToolPoint(i)));
        const Clock::time_point seen = m_window->FirstMoveSinceMark();
        const UINT_PTR id = i + 1;
        if (!PumpUntil([&] { return m_window->ShownTip() != nullptr && ShownToolId() == id; }, boundMs))
            return -1;
        return MillisecondsSince(seen);
    }

    UINT_PTR ShownToolId() const
    {
        auto* pOwn = dynamic_cast<CXTPToolTipWindow*>(m_window->Context().GetToolTip());
        return pOwn != nullptr ? pOwn->CurrentTool().uId : m_window->Context().GetLastTool().uId;
    }

    std::unique_ptr<TipHostWindow> m_window;
};

class OwnTipBehaviour : public TipBehaviour {};
class PlatformTipBehaviour : public TipBehaviour {};

// Other test programs place their windows near the top-left corner: the
// pointer ends in the opposite one.
class PointerParking : public ::testing::Environment {
public:
    void TearDown() override
    {
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    }
};

const ::testing::Environment* const g_parking = ::testing::AddGlobalTestEnvironment(new PointerParking);

} // namespace

TEST(ToolTipContext, DefaultsAndMaximumWidthOfHalfTheScreen)
{
    CXTPToolTipContext context;
    EXPECT_EQ(context.GetMaxTipWidth(), ::GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(context.GetToolTipStyle(), static_cast<DWORD>(TTS_NOPREFIX));
    EXPECT_EQ(context.GetToolTipKind(), CXTPToolTipContext::kindStandard);
    EXPECT_EQ(context.GetTipBkColor(), ::GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(context.GetTipTextColor(), ::GetSysColor(COLOR_INFOTEXT));
    EXPECT_GT(CXTPToolTipContext::GetComCtlVersion(), 0x40000);
}

TEST(ToolTipContext, FillInToolInfoCopiesTheStringsOnlyForRecordsThatHoldThem)
{
    XTP_TOOLTIP_STRINGS strings{};
    TOOLINFO ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.lParam = reinterpret_cast<LPARAM>(&strings);
    CXTPToolTipContext::FillInToolInfo(&ti, HWND_DESKTOP, CRect(1, 2, 3, 4), 7, L"tip", L"Title", L"Body");
    EXPECT_EQ(ti.uId, 7u);
    EXPECT_EQ(CRect(ti.rect), CRect(1, 2, 3, 4));
    ASSERT_NE(ti.lpszText, nullptr);
    EXPECT_STREQ(ti.lpszText, L"tip");
    EXPECT_STREQ(strings.pszTitle, L"Title");
    EXPECT_STREQ(strings.pszBody, L"Body");
    std::free(ti.lpszText);
    std::free(strings.pszTitle);
    std::free(strings.pszBody);

    // A title without a body, a short record, a record too small: no pair, or nothing.
    strings = {};
    CXTPToolTipContext::FillInToolInfo(&ti, HWND_DESKTOP, CRect(), 1, L"tip", L"Title", L"");
    EXPECT_EQ(strings.pszTitle, nullptr);
    std::free(ti.lpszText);
    TOOLINFO small{};
    small.cbSize = TTTOOLINFOW_V1_SIZE - 1;
    CXTPToolTipContext::FillInToolInfo(&small, HWND_DESKTOP, CRect(), 1, L"tip");
    EXPECT_EQ(small.lpszText, nullptr);
}

TEST_P(TipBehaviour, FirstTipNotBeforeTheInitialDelayAndNoneAfterAClickUntilAnotherTool)
{
    const long long delay = ShowDelay(0);
    EXPECT_GE(delay, kInitialDelayFloor);
    EXPECT_LT(delay, 1500);

    ClickPointer();
    ASSERT_TRUE(PumpUntil([&] { return m_window->ShownTip() == nullptr; }, 2000));
    // Moving within the clicked tool brings nothing back.
    ASSERT_TRUE(MovePointer(*m_window, m_window->ToolPoint(0) + CPoint(5, 3)));
    EXPECT_FALSE(PumpUntil([&] { return m_window->ShownTip() != nullptr; }, 900));
    EXPECT_GE(ShowDelay(1), 0);
}

TEST_P(TipBehaviour, EmptyTextShowsNothing)
{
    ASSERT_TRUE(MovePointer(*m_window, m_window->ToolPoint(2)));
    EXPECT_FALSE(PumpUntil([&] { return m_window->ShownTip() != nullptr; }, 1000));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TipBehaviour,
                         ::testing::Values(CXTPToolTipContext::kindStandard, CXTPToolTipContext::kindOwn,
                                           CXTPToolTipContext::kindRichText, CXTPToolTipContext::kindGradient));

TEST_P(OwnTipBehaviour, NextToolWithinTheQuickWindowShowsAtOnceAfterALongerPauseOnlyAfterTheDelay)
{
    ASSERT_GE(ShowDelay(0), kInitialDelayFloor);
    // Off the tool: the tip hides; straight on to the next one it shows at once.
    ASSERT_TRUE(MovePointer(*m_window, m_window->GapPoint(0)));
    ASSERT_TRUE(PumpUntil([&] { return m_window->ShownTip() == nullptr; }, 1000));
    const long long quick = ShowDelay(1);
    EXPECT_GE(quick, 0);
    EXPECT_LT(quick, 200);

    // Off again, a pause of 300 ms, then the first tool: the full delay.
    ASSERT_TRUE(MovePointer(*m_window, m_window->GapPoint(0)));
    PumpUntil([] { return false; }, 300);
    const long long slow = ShowDelay(0);
    EXPECT_GE(slow, kInitialDelayFloor);
    EXPECT_LT(slow, 1500);
}

TEST_P(OwnTipBehaviour, DestroyingAShowingTipGivesUpTheMouseHook)
{
    ASSERT_GE(ShowDelay(0), 0);
    ASSERT_NE(ToolTipMouseHook::Owner(), nullptr);
    // A style change deletes the showing window; the hook must not outlive it.
    m_window->Context().ModifyToolTipStyle(0, XTP_TTS_SOFTBORDER);
    EXPECT_EQ(m_window->Context().GetToolTip(), nullptr);
    EXPECT_EQ(ToolTipMouseHook::Owner(), nullptr);
    ASSERT_TRUE(MovePointer(*m_window, CPoint(50, 50)));
    ASSERT_TRUE(MovePointer(*m_window, m_window->ToolPoint(1)));

    // The same at the end of the context.
    ASSERT_GE(ShowDelay(0), 0);
    ASSERT_NE(ToolTipMouseHook::Owner(), nullptr);
    m_window.reset();
    EXPECT_EQ(ToolTipMouseHook::Owner(), nullptr);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = input.mi.dy = 60000;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
    EXPECT_TRUE(PumpUntil([] {
        POINT cursor;
        ::GetCursorPos(&cursor);
        return cursor.x > 1000;
    }, 3000));
}

INSTANTIATE_TEST_SUITE_P(OwnKinds, OwnTipBehaviour,
                         ::testing::Values(CXTPToolTipContext::kindOwn, CXTPToolTipContext::kindRichText,
                                           CXTPToolTipContext::kindGradient));

// The platform's control counts its initial delay from the last move it was
// given: moves within the tool, further apart than the filter's relay
// interval, keep putting the tip off.
TEST_P(PlatformTipBehaviour, TipWaitsForThePointerToRestOnTheTool)
{
    ASSERT_TRUE(MovePointer(*m_window, m_window->ToolPoint(0)));
    for (int step = 1; step <= 8; ++step) {
        EXPECT_FALSE(PumpUntil([&] { return m_window->ShownTip() != nullptr; }, 100));
        ASSERT_TRUE(MovePointer(*m_window, m_window->ToolPoint(0) + CPoint(step, step % 2)));
    }
    const Clock::time_point rest = m_window->LastMoveSeen();
    ASSERT_TRUE(PumpUntil([&] { return m_window->ShownTip() != nullptr; }, 2000));
    EXPECT_GE(MillisecondsSince(rest), kInitialDelayFloor);
}

INSTANTIATE_TEST_SUITE_P(PlatformKinds, PlatformTipBehaviour,
                         ::testing::Values(CXTPToolTipContext::kindStandard, CXTPToolTipContext::kindBalloon));

TEST(ToolTipContext, LastToolKeepsNoPointerToTheFreedStrings)
{
    std::vector<TipHostWindow::Tool> tools = TipHostWindow::ToolsInARow({L"First tool"});
    tools[0].title = L"Title";
    tools[0].body = L"Body";
    TipHostWindow window(CPoint(200, 200), tools);
    window.Context().EnableTitles(TRUE);
    window.Context().SetToolTipKind(CXTPToolTipContext::kindOwn);
    ASSERT_TRUE(BringToFront(window.GetSafeHwnd()));
    ASSERT_TRUE(MovePointer(window, window.ToolPoint(0)));
    const TOOLINFO& last = window.Context().GetLastTool();
    EXPECT_EQ(last.uId, 1u);
    EXPECT_EQ(last.lpszText, nullptr);
    EXPECT_EQ(last.lParam, 0);
}

TEST(ToolTipContext, StyleChangeWithTheSameBitsKeepsTheWindow)
{
    TipHostWindow window(CPoint(200, 200), TipHostWindow::ToolsInARow({L"First tool"}));
    window.Context().SetToolTipKind(CXTPToolTipContext::kindOwn);
    ASSERT_TRUE(BringToFront(window.GetSafeHwnd()));
    ASSERT_TRUE(MovePointer(window, window.ToolPoint(0)));
    CWnd* pTip = window.Context().GetToolTip();
    ASSERT_NE(pTip, nullptr);
    window.Context().ModifyToolTipStyle(0, TTS_NOPREFIX);
    window.Context().ModifyToolTipStyle(XTP_TTS_NOSHADOW, 0);
    EXPECT_EQ(window.Context().GetToolTip(), pTip);
    window.Context().ModifyToolTipStyle(TTS_NOPREFIX, 0);
    EXPECT_EQ(window.Context().GetToolTip(), nullptr);
}

TEST(ToolTipContext, CallbackToolOnAWindowWithoutParentAsksTheTooltipsOwner)
{
    std::vector<TipHostWindow::Tool> tools = TipHostWindow::ToolsInARow({L""});
    tools[0].callback = true;
    TipHostWindow window(CPoint(200, 200), tools);
    window.Context().SetToolTipKind(CXTPToolTipContext::kindOwn);
    ASSERT_TRUE(BringToFront(window.GetSafeHwnd()));
    ASSERT_TRUE(MovePointer(window, window.ToolPoint(0)));
    ASSERT_TRUE(PumpUntil([&] { return window.ShownTip() != nullptr; }, 2000));
    EXPECT_GT(window.CallbacksAsked(), 0);
}

namespace {

// Counts the titles and the relayed events sent to the tooltip window the context makes.
class CountingContext : public CXTPToolTipContext {
public:
    static inline int s_nTitles = 0;
    static inline int s_nRelays = 0;

protected:
    CWnd* CreateToolTip(CWnd* pOwner) override
    {
        CWnd* pTip = CXTPToolTipContext::CreateToolTip(pOwner);
        s_pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(pTip->GetSafeHwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Counting)));
        return pTip;
    }

private:
    static LRESULT CALLBACK Counting(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == TTM_SETTITLEW)
            ++s_nTitles;
        if (message == TTM_RELAYEVENT)
            ++s_nRelays;
        return ::CallWindowProcW(s_pfnOld, hWnd, message, wParam, lParam);
    }
    static inline WNDPROC s_pfnOld = nullptr;
};

} // namespace

TEST(ToolTipContext, TitlesGoToEveryKindButRichTextAndToThePlatformsControlFromVersion580)
{
    struct Case {
        Kind kind;
        int comCtlVersion;
        bool titled;
    };
    const Case cases[] = {
        {CXTPToolTipContext::kindOwn, 0x50050, true},
        {CXTPToolTipContext::kindGradient, 0x40000, true},
        {CXTPToolTipContext::kindBalloon, 0x40000, true},
        {CXTPToolTipContext::kindRichText, 0x60000, false},
        {CXTPToolTipContext::kindStandard, 0x5004F, false},
        {CXTPToolTipContext::kindStandard, 0x50050, true},
    };
    std::vector<TipHostWindow::Tool> tools = TipHostWindow::ToolsInARow({L"First tool"});
    tools[0].title = L"Title";
    tools[0].body = L"Body";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " version " << std::hex << c.comCtlVersion);
        TipHostWindow window(CPoint(200, 200), tools, std::make_unique<CountingContext>());
        window.Context().SetToolTipKind(c.kind);
        window.Context().SetComCtlVersion(c.comCtlVersion);
        window.Context().EnableTitles(TRUE);
        ASSERT_TRUE(BringToFront(window.GetSafeHwnd()));
        // Off the tool within the window, so that the next move finds it anew.
        ASSERT_TRUE(MovePointer(window, window.ToolPoint(0) - CPoint(0, 30)));
        CountingContext::s_nTitles = 0;
        ASSERT_TRUE(MovePointer(window, window.ToolPoint(0)));
        EXPECT_EQ(CountingContext::s_nTitles > 0, c.titled);
    }
}

TEST(ToolTipContext, MovesWithinAToolReachTheTooltipAtMostEvery50Milliseconds)
{
    const CPoint origin(200, 200);
    TipHostWindow window(origin, TipHostWindow::ToolsInARow({L"First tool"}), std::make_unique<CountingContext>());
    ASSERT_TRUE(BringToFront(window.GetSafeHwnd()));
    // The pointer away from the window: only the moves below reach the filter.
    ASSERT_TRUE(MovePointer(window, CPoint(100, 100)));
    const CPoint inTool = window.ToolPoint(0) - origin;
    const auto filter = [&](UINT message, CPoint point) {
        window.Context().FilterToolTipMessage(&window, message, 0, MAKELPARAM(point.x, point.y));
    };
    // Off the tool first: the next move enters it anew.
    filter(WM_MOUSEMOVE, CPoint(2, 2));
    CountingContext::s_nRelays = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < 10; ++i)
        filter(WM_MOUSEMOVE, inTool + CPoint(i, 0));
    filter(WM_LBUTTONUP, inTool);
    // The move onto the tool and the release; a burst stalled past the
    // interval may relay one more move per interval.
    EXPECT_GE(CountingContext::s_nRelays, 2);
    EXPECT_LE(CountingContext::s_nRelays, 2 + MillisecondsSince(start) / 45);

    const Clock::time_point burstEnd = Clock::now();
    PumpUntil([&] { return MillisecondsSince(burstEnd) >= 70; }, 1000);
    const int relays = CountingContext::s_nRelays;
    filter(WM_MOUSEMOVE, inTool);
    EXPECT_EQ(CountingContext::s_nRelays, relays + 1);
}
