// Keys of a tracking bar: arrows by layout and direction, Tab, Enter, Escape,
// mnemonics, keys without characters, and the bar as the keyboard tracker's client.
#include <gtest/gtest.h>

#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"
#include "TrackingTestBar.h"

namespace {

class Keys : public ::testing::Test {
protected:

    // A tracking bar of enabled plain controls with these captions.
    TrackingBar* MenuWith(std::initializer_list<LPCWSTR> captions)
    {
        TrackingBar* pBar = TrackingBar::Create(&m_site, xtpBarPopup, xtpBarTypePopup);
        for (LPCWSTR lpszCaption : captions)
            pBar->Add(lpszCaption);
        pBar->LayOut();
        pBar->SetTrackingMode(1, FALSE, TRUE);
        return pBar;
    }
    static const std::vector<std::wstring>& Calls(TrackingBar* pBar, int nIndex)
    {
        return static_cast<RecordingControl*>(pBar->GetAt(nIndex))->m_calls;
    }

    RecordingSite m_site;
};

} // namespace

TEST_F(Keys, ArrowsMapToCodesByLayoutAndDirection)
{
    struct Case {
        const char* name;
        int nPosition;
        int nType;
        DWORD dwExStyle;
        UINT nKey;
        int nCode;
    };
    const DWORD rtl = WS_EX_LAYOUTRTL;
    const Case cases[] = {
        {"menu bar left", xtpBarTop, xtpBarTypeMenuBar, 0, VK_LEFT, XTP_NAVIGATE_PREVIOUS},
        {"menu bar right", xtpBarTop, xtpBarTypeMenuBar, 0, VK_RIGHT, XTP_NAVIGATE_NEXT},
        {"menu bar up", xtpBarTop, xtpBarTypeMenuBar, 0, VK_UP, XTP_NAVIGATE_CLOSEPOPUP},
        {"menu bar down", xtpBarTop, xtpBarTypeMenuBar, 0, VK_DOWN, XTP_NAVIGATE_OPENPOPUP},
        {"menu bar left, right to left", xtpBarTop, xtpBarTypeMenuBar, rtl, VK_LEFT, XTP_NAVIGATE_NEXT},
        {"menu bar right, right to left", xtpBarTop, xtpBarTypeMenuBar, rtl, VK_RIGHT, XTP_NAVIGATE_PREVIOUS},
        {"bottom bar up", xtpBarBottom, xtpBarTypeNormal, 0, VK_UP, XTP_NAVIGATE_CLOSEPOPUP},
        {"floating bar right", xtpBarFloating, xtpBarTypeNormal, 0, VK_RIGHT, XTP_NAVIGATE_NEXT},
        {"popup toolbar down", xtpBarPopup, xtpBarTypeNormal, 0, VK_DOWN, XTP_NAVIGATE_OPENPOPUP},
        {"menu left closes", xtpBarPopup, xtpBarTypePopup, 0, VK_LEFT, XTP_NAVIGATE_CLOSEPOPUP},
        {"menu right opens", xtpBarPopup, xtpBarTypePopup, 0, VK_RIGHT, XTP_NAVIGATE_OPENPOPUP},
        {"menu left, right to left, opens", xtpBarPopup, xtpBarTypePopup, rtl, VK_LEFT, XTP_NAVIGATE_OPENPOPUP},
        {"menu right, right to left, closes", xtpBarPopup, xtpBarTypePopup, rtl, VK_RIGHT, XTP_NAVIGATE_CLOSEPOPUP},
        {"menu up", xtpBarPopup, xtpBarTypePopup, 0, VK_UP, XTP_NAVIGATE_PREVIOUS},
        {"menu down", xtpBarPopup, xtpBarTypePopup, 0, VK_DOWN, XTP_NAVIGATE_NEXT},
        {"left docked bar down", xtpBarLeft, xtpBarTypeNormal, 0, VK_DOWN, XTP_NAVIGATE_NEXT},
        {"right docked bar right", xtpBarRight, xtpBarTypeNormal, 0, VK_RIGHT, XTP_NAVIGATE_OPENPOPUP},
        {"home", xtpBarPopup, xtpBarTypePopup, 0, VK_HOME, XTP_NAVIGATE_FIRST},
        {"end", xtpBarTop, xtpBarTypeMenuBar, rtl, VK_END, XTP_NAVIGATE_LAST},
        {"enter", xtpBarTop, xtpBarTypeMenuBar, 0, VK_RETURN, XTP_NAVIGATE_EXECUTE},
        {"escape", xtpBarPopup, xtpBarTypePopup, 0, VK_ESCAPE, XTP_NAVIGATE_CANCEL},
        {"tab", xtpBarTop, xtpBarTypeNormal, 0, VK_TAB, XTP_NAVIGATE_NEXT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrackingBarHolder bar(TrackingBar::Create(&m_site, c.nPosition, c.nType, c.dwExStyle));
        bar->m_bRecordOnly = TRUE;
        bar->m_bNavigateAnswer = FALSE;
        const int nResult = bar->OnKeyDown(c.nKey, 0);
        ASSERT_EQ(bar->m_codes.size(), 1u);
        EXPECT_EQ(bar->m_codes[0], c.nCode);
        const bool bAlwaysHandled = c.nKey == VK_RETURN || c.nKey == VK_ESCAPE || c.nKey == VK_TAB;
        EXPECT_EQ(nResult, bAlwaysHandled ? 1 : 0) << "an arrow answers what the navigation answers";
    }

    TrackingBarHolder bar(TrackingBar::Create(&m_site));
    bar->m_bRecordOnly = TRUE;
    HeldKeys shift({VK_SHIFT});
    EXPECT_EQ(bar->OnKeyDown(VK_TAB, 0), 1);
    EXPECT_EQ(bar->m_codes, std::vector<int>{XTP_NAVIGATE_PREVIOUS}) << "Shift+Tab goes back";
}

TEST_F(Keys, SiteLockAndFocusedChildComeFirst)
{
    TrackingBarHolder bar(TrackingBar::Create(&m_site));
    bar->m_bRecordOnly = TRUE;

    bar->SetLockCount(1);
    EXPECT_EQ(bar->OnKeyDown(VK_RIGHT, 0), 1) << "a locked bar swallows keys";
    EXPECT_TRUE(bar->m_codes.empty());
    EXPECT_TRUE(m_site.m_messages.empty());
    bar->SetLockCount(0);

    // The site sees the key first and may change it.
    m_site.m_onMessage = [](UINT message, WPARAM wParam, LPARAM) -> LRESULT {
        if (message == WM_CMDBARS_KEYDOWN)
            reinterpret_cast<KeyDownNotify*>(wParam)->nChar = VK_HOME;
        return 0;
    };
    EXPECT_EQ(bar->OnKeyDown(VK_END, 0), 1);
    EXPECT_EQ(m_site.Count(WM_CMDBARS_KEYDOWN), 1);
    EXPECT_EQ(bar->m_codes, std::vector<int>{XTP_NAVIGATE_FIRST});

    // A site that closes the bar: the key is swallowed and nothing else happens.
    m_site.m_onMessage = [&](UINT, WPARAM, LPARAM) -> LRESULT {
        bar->DestroyWindow();
        return 0;
    };
    bar->m_codes.clear();
    EXPECT_EQ(bar->OnKeyDown(VK_RIGHT, 0), 1);
    EXPECT_TRUE(bar->m_codes.empty());
    m_site.m_onMessage = nullptr;

    // Arrows belong to a focused child window of the bar.
    TrackingBarHolder host(TrackingBar::Create(&m_site));
    host->m_bRecordOnly = TRUE;
    ::SetForegroundWindow(host->m_hWnd);
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, host->m_hWnd, nullptr));
    edit.SetFocus();
    ASSERT_EQ(::GetFocus(), edit.m_hWnd);
    EXPECT_EQ(host->OnKeyDown(VK_LEFT, 0), 2);
    EXPECT_EQ(host->OnKeyDown(VK_ESCAPE, 0), 1) << "Escape still closes";
    EXPECT_EQ(host->m_codes, std::vector<int>{XTP_NAVIGATE_CANCEL});
    edit.DestroyWindow();
}

TEST_F(Keys, SharedMnemonicsStepThroughTheirEntriesWithoutRunningThem)
{
    BeepCounter beeps;
    TrackingBarHolder bar(MenuWith({L"&File", L"Edit", L"&Format", L"Fi&nd"}));
    EXPECT_EQ(bar->OnKeyDown('F', 0), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 0);
    EXPECT_EQ(bar->GetAt(0)->GetSelected(), 2);
    EXPECT_EQ(bar->OnKeyDown('F', 0), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 2) << "the next '&F' after the selection";
    EXPECT_EQ(bar->OnKeyDown('F', 0), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 0) << "and round again";
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Calls(bar.Get(), i).empty()) << "a shared mnemonic runs nothing";

    EXPECT_EQ(bar->OnKeyDown('N', 0), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 3);
    EXPECT_EQ(Calls(bar.Get(), 3), std::vector<std::wstring>{L"underline"}) << "a unique mnemonic runs its entry";
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(Keys, FirstLettersCountOnlyWithoutAnUnderlinedMatch)
{
    struct Case {
        const char* name;
        std::initializer_list<LPCWSTR> captions;
        UINT nKey;
        int nSelected;
        bool bRuns;
        bool bFirstDisabled = false;
    };
    const Case cases[] = {
        {"an underlined match wins over a first letter", {L"Open", L"Cl&ose", L"Save"}, 'O', 1, true},
        {"a first letter alone runs its entry", {L"Open", L"Close", L"Save"}, 'S', 2, true},
        {"shared first letters step without running", {L"Save", L"Close", L"Save As"}, 'S', 0, false},
        {"shared first letters don't stop a unique underline", {L"Save", L"Send", L"&Stop"}, 'S', 2, true},
        {"an ampersand at the end falls back to the first letter", {L"Print&", L"Close"}, 'P', 0, true},
        {"disabled entries are passed over", {L"&Paste", L"&Print"}, 'P', 1, true, true},
        {"lower-case captions match", {L"&open", L"close"}, 'O', 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TrackingBarHolder bar(MenuWith(c.captions));
        if (c.bFirstDisabled)
            bar->GetAt(0)->SetEnabled(FALSE);
        EXPECT_EQ(bar->OnKeyDown(c.nKey, 0), 1);
        EXPECT_EQ(bar->GetSelectedIndex(), c.nSelected);
        EXPECT_EQ(!Calls(bar.Get(), c.nSelected).empty(), c.bRuns);
    }
}

TEST_F(Keys, KeysWithoutCharactersAreSwallowedAndMismatchesBeepOnce)
{
    BeepCounter beeps;
    TrackingBarHolder bar(MenuWith({L"&File", L"&Edit"}));
    bar->SetSelected(1, TRUE);

    EXPECT_EQ(bar->OnKeyDown(VK_F5, 0), 1);
    EXPECT_EQ(bar->OnKeyDown(VK_SHIFT, 0), 1);
    EXPECT_EQ(bar->OnKeyDown(0, 0), 1);
    EXPECT_EQ(beeps.Count(), 0);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);

    EXPECT_EQ(bar->OnKeyDown('Q', 0), 1);
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);

    HeldKeys ctrl({VK_CONTROL});
    EXPECT_EQ(bar->OnKeyDown('F', 0), 1);
    EXPECT_EQ(beeps.Count(), 2) << "Ctrl with a letter is no mnemonic";
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_TRUE(Calls(bar.Get(), 0).empty());
}

TEST_F(Keys, TheKeyboardTrackerRoutesKeysAndTheWheelToTheTrackingBar)
{
    TrackingBarHolder bar(MenuWith({L"&File", L"&Edit", L"&View"}));
    CXTPKeyboardTracker* pTracker = CXTPKeyboardTracker::GetThreadTracker();
    ASSERT_EQ(pTracker->GetClientCount(), 1);

    EXPECT_TRUE(pTracker->RouteMessage(WM_KEYDOWN, VK_DOWN, 0));
    EXPECT_EQ(bar->GetSelectedIndex(), 0);
    EXPECT_TRUE(pTracker->RouteMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0)) << "the wheel is swallowed";
    EXPECT_EQ(bar->GetSelectedIndex(), 0) << "and moves nothing";

    WPARAM wParam = MAKEWPARAM(0, WHEEL_DELTA);
    LPARAM lParam = 0;
    LRESULT lResult = 0;
    EXPECT_EQ(bar->OnHookMessage(nullptr, WM_MOUSEWHEEL, wParam, lParam, lResult), 1);
    EXPECT_EQ(bar->OnHookMessage(nullptr, WM_CHAR, wParam, lParam, lResult), 0);
    bar->EndTracking();
    EXPECT_EQ(pTracker->GetClientCount(), 0);
    EXPECT_EQ(bar->OnHookMessage(nullptr, WM_MOUSEWHEEL, wParam, lParam, lResult), 0) << "only while tracking";
    wParam = VK_DOWN;
    EXPECT_EQ(bar->OnHookMessage(nullptr, WM_KEYDOWN, wParam, lParam, lResult), 0);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
}
