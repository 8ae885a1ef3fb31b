// The tab manager on a test host: item list, selection, scrolling, the
// navigate buttons' tracking loop, drag reordering and key navigation.
#include <gtest/gtest.h>

#include "TabManagerHost.h"
#include "MessagePump.h"

namespace {

// A visible pop-up window the tracking loops can capture the mouse for.
class LoopWindow {
public:
    explicit LoopWindow(DWORD dwExStyle = 0)
        : m_hWnd(::CreateWindowExW(dwExStyle, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 60, nullptr, nullptr,
                                   nullptr, nullptr))
    {
        testsupport::PumpMessages();
    }
    ~LoopWindow() { ::DestroyWindow(m_hWnd); }
    HWND Handle() const { return m_hWnd; }
    void Post(UINT message, CPoint pt, WPARAM wParam = 0) const
    {
        ::PostMessageW(m_hWnd, message, wParam, MAKELPARAM(pt.x, pt.y));
    }

private:
    HWND m_hWnd;
};

// Empties the queue of a WM_QUIT a test expects to find there.
bool TakeQuit(int* pExitCode)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT) {
            *pExitCode = static_cast<int>(msg.wParam);
            return true;
        }
    return false;
}

std::vector<CString> Captions(const CXTPTabManager& manager)
{
    std::vector<CString> captions;
    for (int i = 0; i < manager.CountItems(); ++i) {
        EXPECT_EQ(i, manager.ItemAtIndex(i)->GetIndex());
        captions.push_back(manager.ItemAtIndex(i)->ReadCaption());
    }
    return captions;
}

} // namespace

TEST(TabManager, InsertClampsTheIndexAndGivesEachItemTheNextAutomaticColour)
{
    struct Case {
        int nIndex;
        int nExpected;
    };
    const Case cases[] = {{-5, 3}, {3 + 3, 3}, {3, 3}, {0, 0}, {1, 1}};
    for (const Case& c : cases) {
        TabManagerHost host(400, 60);
        host.AddTabs(3);
        CXTPTabManagerItem* pItem = host.InsertItem(c.nIndex);
        pItem->SetCaption(L"New");
        EXPECT_EQ(4, host.CountItems()) << c.nIndex;
        EXPECT_EQ(c.nExpected, pItem->GetIndex()) << c.nIndex;
        EXPECT_EQ(pItem, host.ItemAtIndex(c.nExpected)) << c.nIndex;
        EXPECT_EQ(&host, pItem->GetTabManager());
        // The fourth insertion of this paint manager: counter 3.
        EXPECT_EQ(0x1000003u, pItem->GetColor()) << c.nIndex;
        EXPECT_EQ(0x9F9EF0u, pItem->ResolveItemColor()) << c.nIndex;
    }
    // The counter runs on modulo 8 over further insertions.
    TabManagerHost host(400, 60);
    host.AddTabs(9);
    EXPECT_EQ(0x1000000u, host.ItemAtIndex(8)->GetColor());
    EXPECT_EQ(nullptr, host.ItemAtIndex(9));
    EXPECT_EQ(nullptr, host.ItemAtIndex(-1));
}

TEST(TabManager, RemovingTheSelectedItemSelectsTheOneNowAtItsIndexOrNone)
{
    struct Case {
        int nItems;
        int nSelected;
        int nRemoved;
        int nNewSelection;   // -1: none
    };
    const Case cases[] = {
        {3, 2, 2, 1},    // the selected last item: the new last item
        {1, 0, 0, -1},   // the only item: none
        {3, 1, 1, 1},    // a middle item: its successor, now at that index
        {3, 2, 0, 1},    // another item: the selection stays on its item
    };
    for (const Case& c : cases) {
        TabManagerHost host(400, 60);
        host.AddTabs(c.nItems);
        host.SetCurSel(c.nSelected);
        CXTPTabManagerItem* pKept = c.nSelected != c.nRemoved ? host.CurrentSelection() : nullptr;
        EXPECT_TRUE(host.RemoveItemAt(c.nRemoved));
        EXPECT_EQ(c.nItems - 1, host.CountItems());
        EXPECT_EQ(host.ItemAtIndex(c.nNewSelection), host.CurrentSelection()) << c.nRemoved;
        if (pKept != nullptr) {
            EXPECT_EQ(pKept, host.CurrentSelection());
        }
        Captions(host);
    }
    TabManagerHost host(400, 60);
    host.AddTabs(2);
    EXPECT_FALSE(host.RemoveItemAt(2));
    EXPECT_FALSE(host.RemoveItemAt(-1));
    EXPECT_EQ(2, host.CountItems());
}

TEST(TabManager, RemovingTheHotAndSelectedItemLeavesNoPointerToIt)
{
    // Another holder keeps the item alive, so a stale pointer would be seen.
    TabManagerHost host(400, 60);
    host.AddTabs(1);
    host.SetCurSel(0);
    CXTPTabManagerItem* pItem = host.ItemAtIndex(0);
    host.PerformMouseMove(nullptr, pItem->GetRect().CenterPoint());
    ASSERT_EQ(pItem, host.GetHighlighted());
    pItem->InternalAddRef();
    ASSERT_TRUE(host.RemoveItemAt(0));
    EXPECT_EQ(nullptr, host.GetHighlighted());
    EXPECT_EQ(nullptr, host.CurrentSelection());
    EXPECT_EQ(nullptr, pItem->GetTabManager());
    EXPECT_FALSE(pItem->IsSelected());
    const int nRedraws = host.m_nRedraws;
    pItem->SetCaption(L"after removal");   // reaches no manager
    EXPECT_EQ(nRedraws, host.m_nRedraws);
    pItem->InternalRelease();
}

TEST(TabManager, ScrollOffsetNeverGoesAboveZero)
{
    TabManagerHost host(200, 60);
    host.AddTabs(20);
    host.ScrollHeaderTo(10);
    EXPECT_EQ(0, host.GetScrollOffset());
    host.ScrollHeaderTo(-40);
    EXPECT_EQ(-40, host.GetScrollOffset());
    // The layout moved the tabs with the offset.
    const int nLeft = host.ItemAtIndex(0)->GetRect().left;
    host.ScrollHeaderTo(-60);
    EXPECT_EQ(nLeft - 20, host.ItemAtIndex(0)->GetRect().left);
    host.ScrollHeaderTo(10);
    EXPECT_EQ(0, host.GetScrollOffset());
}

TEST(TabManager, HoldingScrollForwardStepsTwentyPixelsEveryTwentyMillisecondsUntilDisabled)
{
    LoopWindow window;
    TabManagerHost host(400, 60);
    host.SetWindow(window.Handle());
    host.AddTabs(30);
    CXTPTabNavigateButton* pForward = host.FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_FALSE(pForward->GetRect().IsRectEmpty());
    ASSERT_TRUE(pForward->IsEnabled());

    // A thread timer, dispatched by the loop, releases the button once it is
    // disabled; a bound ends the hold as a cancel.
    static CXTPTabNavigateButton* s_pButton;
    static HWND s_hWnd;
    static DWORD s_dwDeadline;
    s_pButton = pForward;
    s_hWnd = window.Handle();
    s_dwDeadline = ::GetTickCount() + 10000;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!s_pButton->IsEnabled()) {
            const CPoint c = s_pButton->GetRect().CenterPoint();
            ::PostMessageW(s_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
        } else if (::GetTickCount() > s_dwDeadline) {
            ::PostMessageW(s_hWnd, WM_CANCELMODE, 0, 0);
        }
    });
    host.PerformClick(window.Handle(), pForward->GetRect().CenterPoint());
    ::KillTimer(nullptr, nTimer);

    ASSERT_FALSE(pForward->IsEnabled());
    ASSERT_GE(host.m_scrollTicks.size(), 3u);
    for (size_t i = 0; i < host.m_scrollTicks.size(); ++i)
        EXPECT_EQ(-20 * static_cast<int>(i + 1), host.m_scrollTicks[i].nOffset) << i;
    const DWORD dwSpan = host.m_scrollTicks.back().dwTick - host.m_scrollTicks.front().dwTick;
    const DWORD dwSteps = static_cast<DWORD>(host.m_scrollTicks.size() - 1);
    EXPECT_GE(dwSpan, dwSteps * 18) << "ticks come no faster than every 20 ms";
    EXPECT_LE(dwSpan, dwSteps * 40) << "ticks keep to about every 20 ms";
    // Ticks stop once the last tab has come into the header.
    EXPECT_LE(host.ItemAtIndex(29)->GetRect().right, host.Bounds().right);
    EXPECT_FALSE(pForward->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(TabManager, TheCloseButtonActsOnlyOnAReleaseInsideIt)
{
    enum Ending { releaseInside, releaseOutside, escape, rightButton, cancelMode };
    struct Case {
        Ending ending;
        bool bActs;
    };
    const Case cases[] = {{releaseInside, true}, {releaseOutside, false}, {escape, false}, {rightButton, false},
                          {cancelMode, false}};
    for (const Case& c : cases) {
        LoopWindow window;
        TabManagerHost host(400, 60);
        host.SetWindow(window.Handle());
        host.AddTabs(3);
        host.SetCurSel(1);
        CXTPTabNavigateButton* pClose = host.FindNavigateButton(xtpTabNavigateButtonClose);
        pClose->SetFlags(xtpTabNavigateButtonAlways);
        host.Reposition();
        ASSERT_FALSE(pClose->GetRect().IsRectEmpty());
        const CPoint inside = pClose->GetRect().CenterPoint();
        switch (c.ending) {
        case releaseInside: window.Post(WM_LBUTTONUP, inside); break;
        case releaseOutside: window.Post(WM_LBUTTONUP, CPoint(5, 5)); break;
        case escape: ::PostMessageW(window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); break;
        case rightButton: window.Post(WM_RBUTTONDOWN, inside); break;
        case cancelMode: window.Post(WM_CANCELMODE, CPoint(0, 0)); break;
        }
        EXPECT_TRUE(host.PerformClick(window.Handle(), inside));
        EXPECT_EQ(c.bActs ? 1u : 0u, host.m_navigateClicks.size()) << c.ending;
        if (c.bActs) {
            EXPECT_EQ(static_cast<UINT>(xtpTabNavigateButtonClose), host.m_navigateClicks[0]);
        }
        EXPECT_FALSE(pClose->IsPressed());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

namespace {

// Should a loop miss the quit, a thread timer posts these to its window after a
// while: a loop that went on would then act on them.
class LateMessages {
public:
    LateMessages(HWND hWnd, std::vector<std::pair<UINT, CPoint>> messages)
    {
        s_hWnd = hWnd;
        s_messages = std::move(messages);
        m_nTimer = ::SetTimer(nullptr, 0, 500, [](HWND, UINT, UINT_PTR nTimer, DWORD) {
            ::KillTimer(nullptr, nTimer);
            for (const auto& [message, pt] : s_messages)
                ::PostMessageW(s_hWnd, message, 0, MAKELPARAM(pt.x, pt.y));
        });
    }
    ~LateMessages() { ::KillTimer(nullptr, m_nTimer); }

private:
    static inline HWND s_hWnd;
    static inline std::vector<std::pair<UINT, CPoint>> s_messages;
    UINT_PTR m_nTimer;
};

} // namespace

TEST(TabManager, TrackingLoopsMeetingQuitPutItBackAndEndAsACancel)
{
    // The held close button.
    {
        LoopWindow window;
        TabManagerHost host(400, 60);
        host.SetWindow(window.Handle());
        host.AddTabs(2);
        host.SetCurSel(0);
        CXTPTabNavigateButton* pClose = host.FindNavigateButton(xtpTabNavigateButtonClose);
        pClose->SetFlags(xtpTabNavigateButtonAlways);
        host.Reposition();
        const CPoint inside = pClose->GetRect().CenterPoint();
        LateMessages late(window.Handle(), {{WM_LBUTTONUP, inside}});
        ::PostQuitMessage(7);
        host.PerformClick(window.Handle(), inside);
        EXPECT_TRUE(host.m_navigateClicks.empty());
        EXPECT_EQ(nullptr, ::GetCapture());
        int nExitCode = 0;
        EXPECT_TRUE(TakeQuit(&nExitCode));
        EXPECT_EQ(7, nExitCode);
    }
    // A dragged tab: the drag ends where it was, the tab selected.
    {
        LoopWindow window;
        TabManagerHost host(400, 60);
        host.SetWindow(window.Handle());
        host.AddTabs(3);
        host.SetCurSel(0);
        ASSERT_TRUE(host.IsAllowReorder());
        CXTPTabManagerItem* pDragged = host.ItemAtIndex(1);
        const CPoint over = host.ItemAtIndex(2)->GetRect().CenterPoint();
        LateMessages late(window.Handle(), {{WM_MOUSEMOVE, over}, {WM_LBUTTONUP, over}});
        ::PostQuitMessage(9);
        host.PerformClick(window.Handle(), pDragged->GetRect().CenterPoint());
        EXPECT_EQ(1, pDragged->GetIndex());
        EXPECT_EQ(pDragged, host.CurrentSelection());
        EXPECT_EQ(nullptr, ::GetCapture());
        int nExitCode = 0;
        EXPECT_TRUE(TakeQuit(&nExitCode));
        EXPECT_EQ(9, nExitCode);
    }
}

TEST(TabManager, DraggingATabOverAnotherSwapsThemAndSelectsTheDraggedTab)
{
    LoopWindow window;
    TabManagerHost host(400, 60);
    host.SetWindow(window.Handle());
    host.AddTabs(4);
    host.SetCurSel(3);
    host.m_nSelectionChanges = 0;
    CXTPTabManagerItem* pDragged = host.ItemAtIndex(0);
    window.Post(WM_MOUSEMOVE, host.ItemAtIndex(2)->GetRect().CenterPoint());
    window.Post(WM_LBUTTONUP, host.ItemAtIndex(2)->GetRect().CenterPoint());
    host.PerformClick(window.Handle(), pDragged->GetRect().CenterPoint());
    const std::vector<CString> expected = {L"Tab 3", L"Tab 2", L"Tab 1", L"Tab 4"};
    EXPECT_EQ(expected, Captions(host));
    EXPECT_EQ(pDragged, host.CurrentSelection());
    // The selection before the drag was put back, so the final selection is a change.
    EXPECT_EQ(1, host.m_nSelectionChanges);
}

TEST(TabManager, KeysStepOverHiddenAndDisabledTabsAlongTheHeader)
{
    struct Case {
        XTPTabPosition position;
        bool bRightToLeft;
        UINT nKey;
        int nSelectedBefore;
        BOOL bHandled;
        int nSelectedAfter;
    };
    // Tabs 0..5; 1 hidden, 4 disabled.
    const Case cases[] = {
        {xtpTabPositionTop, false, VK_RIGHT, 0, TRUE, 2},
        {xtpTabPositionTop, false, VK_LEFT, 2, TRUE, 0},
        {xtpTabPositionTop, false, VK_RIGHT, 3, TRUE, 5},
        {xtpTabPositionTop, false, VK_RIGHT, 5, TRUE, 5},    // nothing further: handled, no change
        {xtpTabPositionTop, false, VK_END, 0, TRUE, 5},
        {xtpTabPositionTop, false, VK_HOME, 5, TRUE, 0},
        {xtpTabPositionTop, false, VK_DOWN, 2, TRUE, 2},     // swallowed
        {xtpTabPositionTop, false, VK_RETURN, 2, FALSE, 2},
        {xtpTabPositionTop, true, VK_LEFT, 2, TRUE, 3},      // right to left: left goes on
        {xtpTabPositionTop, true, VK_RIGHT, 2, TRUE, 0},
        {xtpTabPositionLeft, false, VK_DOWN, 0, TRUE, 2},
        {xtpTabPositionRight, false, VK_UP, 5, TRUE, 3},
        {xtpTabPositionLeft, false, VK_RIGHT, 0, TRUE, 0},   // swallowed
        {xtpTabPositionBottom, false, VK_RIGHT, 2, TRUE, 3},
    };
    for (const Case& c : cases) {
        LoopWindow window(c.bRightToLeft ? WS_EX_LAYOUTRTL : 0);
        TabManagerHost host(400, 200);
        host.SetWindow(window.Handle());
        host.AddTabs(6);
        host.SetPaintOption(c.position);
        host.ItemAtIndex(1)->SetIntProperty(FALSE);
        host.ItemAtIndex(4)->SetEnabled(FALSE);
        host.SetCurSel(c.nSelectedBefore);
        EXPECT_EQ(c.bHandled, host.PerformKeyDown(window.Handle(), c.nKey))
            << c.position << " " << c.bRightToLeft << " " << c.nKey;
        EXPECT_EQ(c.nSelectedAfter, host.CurrentSelection()->GetIndex())
            << c.position << " " << c.bRightToLeft << " " << c.nKey;
    }
    TabManagerHost empty(400, 60);
    EXPECT_FALSE(empty.PerformKeyDown(nullptr, VK_HOME));
}
