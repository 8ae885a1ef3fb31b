// Selection, open popups and tracking mode of a bar with a window.
#include <gtest/gtest.h>

#include <vector>

#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"
#include "MessagePump.h"
#include "TrackingTestBar.h"

namespace {

BOOL HasUpdateRegion(CWnd* pWnd) { return ::GetUpdateRect(pWnd->m_hWnd, nullptr, FALSE); }

// TRUE when the bar's hover timer ran; it is stopped either way.
BOOL TakeHoverTimer(CWnd* pWnd) { return ::KillTimer(pWnd->m_hWnd, XTP_TID_HOVER); }

// The focus events that accessibility clients of this thread are told.
class FocusEvents {
public:
    FocusEvents()
    {
        s_events.clear();
        m_hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &Record, ::GetCurrentProcessId(),
                                    ::GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    }
    ~FocusEvents() { ::UnhookWinEvent(m_hHook); }
    struct Event {
        HWND hWnd;
        LONG idObject;
        LONG idChild;
        bool operator==(const Event&) const = default;
    };
    // The events so far, once the pending ones are delivered.
    const std::vector<Event>& Take()
    {
        testsupport::PumpMessages();
        return s_events;
    }

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
    {
        s_events.push_back({hWnd, idObject, idChild});
    }
    static inline std::vector<Event> s_events;
    HWINEVENTHOOK m_hHook;
};

} // namespace

TEST(Selection, SelectsOnlyWithAWindowAndTellsTheControls)
{
    RecordingSite site;
    auto* pWindowless = new ControlTestBar;
    pWindowless->AddSized(30);
    EXPECT_FALSE(pWindowless->SetSelected(0));
    EXPECT_EQ(pWindowless->GetSelectedIndex(), -1);
    pWindowless->InternalRelease();

    TrackingBarHolder bar(TrackingBar::Create(&site));
    RecordingControl* pFirst = bar->Add();
    RecordingControl* pSecond = bar->Add();
    bar->LayOut();

    EXPECT_TRUE(bar->SetSelected(0, FALSE));
    EXPECT_EQ(pFirst->GetSelected(), 1);
    EXPECT_TRUE(TakeHoverTimer(bar.Get())) << "a mouse selection starts the hover timer";
    EXPECT_EQ(CXTPMouseTracker::GetThreadTracker()->GetLastSelectingBar(), bar.Get());
    EXPECT_FALSE(bar->SetSelected(0, TRUE)) << "the selected index is not selected again";
    EXPECT_EQ(pFirst->GetSelected(), 1);

    EXPECT_TRUE(bar->SetSelected(1, TRUE));
    EXPECT_EQ(pFirst->GetSelected(), 0);
    EXPECT_EQ(pSecond->GetSelected(), 2);
    EXPECT_FALSE(TakeHoverTimer(bar.Get())) << "a keyboard selection starts no hover timer";

    bar->SetSelected(0, FALSE);
    EXPECT_TRUE(bar->SetSelected(-1));
    EXPECT_EQ(pFirst->GetSelected(), 0);
    EXPECT_FALSE(TakeHoverTimer(bar.Get())) << "clearing the selection stops the hover timer";

    // Accessibility clients hear of the selection in a tracking bar only.
    FocusEvents events;
    bar->SetSelected(1, TRUE);
    bar->SetSelected(-1);
    bar->SetTrackingMode(1, FALSE, TRUE);
    bar->SetSelected(1, TRUE);
    const std::vector<FocusEvents::Event> expected = {{bar->m_hWnd, OBJID_MENU, 2}};
    EXPECT_EQ(events.Take(), expected);
}

TEST(Selection, NestedChangesInvalidateAtTheOutermostUnlock)
{
    RecordingSite site;
    TrackingBarHolder bar(TrackingBar::Create(&site));
    bar->Add();
    bar->Add<PopupControl>();
    bar->LayOut();

    bar->ValidateRect(nullptr);
    bar->LockRedraw();
    bar->SetSelected(0, TRUE);
    bar->SetPopuped(1);
    bar->SetPopuped(-1);
    EXPECT_FALSE(HasUpdateRegion(bar.Get())) << "nothing is invalidated under the caller's lock";
    bar->UnlockRedraw();
    EXPECT_FALSE(bar->IsRedrawLocked()) << "the nested changes left the lock balanced";
    EXPECT_TRUE(HasUpdateRegion(bar.Get()));

    bar->ValidateRect(nullptr);
    bar->SetSelected(0, TRUE);
    EXPECT_TRUE(HasUpdateRegion(bar.Get())) << "an unlocked change invalidates";
}

TEST(Selection, PopupsOpenOnlyForEnabledPopupControls)
{
    RecordingSite site;
    TrackingBarHolder bar(TrackingBar::Create(&site));
    bar->Add();
    auto* pOpen = bar->Add<PopupControl>();
    auto* pOther = bar->Add<PopupControl>();
    auto* pDisabled = bar->Add<PopupControl>();
    pDisabled->SetEnabled(FALSE);
    bar->LayOut();

    EXPECT_FALSE(bar->SetPopuped(0)) << "a plain control has no popup";
    EXPECT_EQ(bar->GetTrackingMode(), 0);

    EXPECT_TRUE(bar->SetPopuped(1, TRUE));
    EXPECT_TRUE(pOpen->m_bOpen);
    EXPECT_EQ(bar->GetPopupedIndex(), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    EXPECT_EQ(pOpen->GetSelected(), 2);
    EXPECT_EQ(bar->GetTrackingMode(), 2);
    EXPECT_FALSE(bar->SetPopuped(1)) << "the open popup is not opened again";
    EXPECT_EQ(pOpen->m_nOpened, 1);

    EXPECT_FALSE(bar->SetPopuped(3)) << "a disabled popup control never opens";
    EXPECT_FALSE(pDisabled->m_bOpen);
    EXPECT_TRUE(pOpen->m_bOpen) << "and the open popup stays open";
    EXPECT_EQ(bar->GetPopupedIndex(), 1);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);

    EXPECT_TRUE(bar->SetPopuped(2));
    EXPECT_FALSE(pOpen->m_bOpen);
    EXPECT_TRUE(pOther->m_bOpen);
    EXPECT_TRUE(bar->SetPopuped(-1));
    EXPECT_FALSE(pOther->m_bOpen);
    EXPECT_EQ(bar->GetPopupedIndex(), -1);
    EXPECT_EQ(bar->GetTrackingMode(), 2) << "closing a popup alone doesn't end tracking";
}

TEST(Selection, TrackingModeRegistersWithTheTrackersAndEndsClean)
{
    RecordingSite site;
    TrackingBarHolder bar(TrackingBar::Create(&site, xtpBarTop, xtpBarTypeMenuBar));
    auto* pSkipped = bar->Add();
    pSkipped->SetFlags(xtpFlagSkipFocus);
    bar->Add();
    auto* pPopup = bar->Add<PopupControl>();
    bar->LayOut();
    CXTPMouseTracker* pMouse = CXTPMouseTracker::GetThreadTracker();
    CXTPKeyboardTracker* pKeyboard = CXTPKeyboardTracker::GetThreadTracker();

    EXPECT_TRUE(bar->SetTrackingMode(1, TRUE, TRUE));
    EXPECT_EQ(bar->GetSelectedIndex(), 1) << "the first control the keyboard may reach";
    EXPECT_EQ(bar->GetAt(1)->GetSelected(), 2);
    EXPECT_TRUE(pMouse->IsTrackedBar(bar.Get()));
    EXPECT_EQ(pKeyboard->GetClientCount(), 1);
    EXPECT_EQ(site.Count(WM_CMDBARS_TRACKINGMODE), 1) << "a menu bar tells its site";

    EXPECT_FALSE(bar->SetTrackingMode(2)) << "a tracking bar only changes its mode value";
    EXPECT_EQ(bar->GetTrackingMode(), 2);
    EXPECT_EQ(site.Count(WM_CMDBARS_TRACKINGMODE), 1);
    EXPECT_EQ(pKeyboard->GetClientCount(), 1);

    bar->SetPopuped(2);
    bar->SetLockCount(2);
    bar->EndTracking();
    EXPECT_EQ(bar->GetTrackingMode(), 0);
    EXPECT_FALSE(pPopup->m_bOpen);
    EXPECT_EQ(bar->GetPopupedIndex(), -1);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    EXPECT_EQ(bar->GetLockCount(), 0);
    EXPECT_FALSE(pMouse->IsTrackedBar(bar.Get()));
    EXPECT_EQ(pKeyboard->GetClientCount(), 0);
    EXPECT_FALSE(bar->SetTrackingMode(0)) << "leaving twice changes nothing";

    // Tracking entered by the mouse keeps the selection when it ends without deselecting.
    bar->SetTrackingMode(1, FALSE, FALSE);
    EXPECT_EQ(bar->GetSelectedIndex(), -1);
    bar->SetSelected(2, FALSE);
    bar->SetTrackingMode(0, FALSE);
    EXPECT_EQ(bar->GetSelectedIndex(), 2);
}

TEST(Selection, LeavingTrackingHandsTheFocusToTheNextTabStop)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 200, 300, 100, nullptr, nullptr));
    ::SetForegroundWindow(parent.m_hWnd);
    auto* pBar = new TrackingBar;
    pBar->CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 200, 30, parent.m_hWnd, nullptr);
    pBar->SetOwner(&parent);
    TrackingBarHolder bar(pBar);
    CWnd edit;
    ASSERT_TRUE(edit.CreateEx(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 40, 200, 20, parent.m_hWnd, nullptr));
    bar->Add();
    bar->LayOut();

    bar->SetTrackingMode(1);
    bar->SetFocus();
    ASSERT_EQ(::GetFocus(), bar->m_hWnd);
    bar->EndTracking();
    EXPECT_EQ(::GetFocus(), edit.m_hWnd);
    edit.DestroyWindow();
    parent.DestroyWindow();
}
