// The owner's frame layout requests, custom bars, customize mode and the
// keyboard-cue modes of the options.
#include <gtest/gtest.h>

#include "CXTPCommandBarsOptions.h"
#include "CXTPControls.h"
#include "CXTPDockBar.h"
#include "CXTPMouseTracker.h"
#include "CXTPToolBar.h"
#include "OwnerTestFrame.h"

TEST(OwnerLayout, DelayedLayoutWaitsForTheFlushAndTheLockIgnoresRequests)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    frame->m_nIdleFlags = 0;
    pBars->LockLayout();
    pBars->RecalcFrameLayout(TRUE);
    EXPECT_EQ(frame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    pBars->UnlockLayout();

    pBars->RecalcFrameLayout(TRUE);
    EXPECT_NE(frame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    // A bar docked since then: its dock bar takes room only with the flush.
    CXTPToolBar* pBar = pBars->AddToolBar(L"Late", xtpBarTop);
    pBar->SetButtons(std::vector<UINT>{1, 2, 3}.data(), 3);
    CRect rcDock;
    pBars->GetDockBar(xtpBarTop)->GetWindowRect(&rcDock);
    EXPECT_EQ(rcDock.Height(), 0);
    EXPECT_NE(frame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    pBars->FlushFrameLayout();
    EXPECT_EQ(frame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    pBars->GetDockBar(xtpBarTop)->GetWindowRect(&rcDock);
    EXPECT_GT(rcDock.Height(), 0);
}

TEST(OwnerLayout, CustomBarAskedOfTheFrameAndMadeUserBuilt)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    struct CustomCase {
        BOOL bTearOff;
        int nPosition;
    };
    for (const CustomCase& c : {CustomCase{FALSE, xtpBarTop}, CustomCase{TRUE, xtpBarFloating}}) {
        SCOPED_TRACE(c.bTearOff ? "torn off" : "docked");
        frame->m_createBar.clear();
        CXTPToolBar* pBar = pBars->AddCustomBar(L"Mine", 1000 + c.bTearOff, c.bTearOff);
        ASSERT_NE(pBar, nullptr);
        ASSERT_EQ(frame->m_createBar.size(), 1u);
        const XTP_COMMANDBARS_CREATEBAR& sent = frame->m_createBar[0];
        EXPECT_EQ(sent.pCommandBar, pBar);
        EXPECT_EQ(sent.bToolBar, TRUE);
        EXPECT_EQ(sent.bFloating, c.bTearOff);
        EXPECT_EQ(sent.nID, 1000u + c.bTearOff);
        EXPECT_EQ(pBar->GetPosition(), c.nPosition);
        EXPECT_EQ(pBar->GetBarID(), 1000 + c.bTearOff);
        EXPECT_FALSE(pBar->IsBuiltIn());
        EXPECT_EQ(pBar->IsTearOff(), c.bTearOff);
        EXPECT_EQ(pBars->FindCommandBar(1000 + c.bTearOff), pBar);
    }
}

TEST(OwnerLayout, CustomizeModeAndSelection)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    // The frame was asked whether it customizes; its handler did not run.
    EXPECT_TRUE(pBars->IsCustomizeAvail());
    EXPECT_EQ(frame->m_nCustomizeRuns, 0);
    CXTPToolBar* pBar = pBars->AddToolBar(L"Bar");
    pBar->SetButtons(std::vector<UINT>{1, 2}.data(), 2);
    pBars->GetCommandBarsOptions()->bDirty = FALSE;

    pBars->SetCustomizeMode(TRUE);
    EXPECT_TRUE(pBars->IsCustomizeMode());
    EXPECT_TRUE(pBars->IsQuickCustomizeMode());
    EXPECT_TRUE(pBar->IsCustomizeMode());
    EXPECT_TRUE(pBars->GetCommandBarsOptions()->bDirty);
    const int nBefore = frame->m_nSelChanged;
    CXTPControl* pControl = pBar->GetControls()->GetAt(1);
    pBars->SetCustomizeSelection(pControl);
    pBars->SetCustomizeSelection(pControl);   // unchanged: still told
    EXPECT_EQ(pBars->GetCustomizeSelection(), pControl);
    EXPECT_EQ(frame->m_nSelChanged, nBefore + 2);
    // In customize mode the cues stay shown.
    pBars->SetKeyboardCuesState(TRUE, TRUE);
    pBars->SetKeyboardCuesVisible(FALSE);
    EXPECT_TRUE(pBars->IsKeyboardCuesVisible());

    pBars->SetCustomizeModeFromSheet(FALSE);
    EXPECT_FALSE(pBars->IsCustomizeMode());
    EXPECT_EQ(pBars->GetCustomizeSelection(), nullptr);
}

TEST(OwnerLayout, KeyboardCuesModesOfTheOptions)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    CXTPCommandBarsOptions* pOptions = pBars->GetCommandBarsOptions();
    pOptions->SetKeyboardCuesShow(1);   // never shown
    EXPECT_FALSE(pBars->IsKeyboardCuesVisible());
    EXPECT_FALSE(pBars->IsKeyboardCuesHideMode());
    pBars->SetKeyboardCuesVisible(TRUE);   // outside hide mode nothing changes them
    EXPECT_FALSE(pBars->IsKeyboardCuesVisible());
    pOptions->SetKeyboardCuesShow(0);   // always shown
    EXPECT_TRUE(pBars->IsKeyboardCuesVisible());
    EXPECT_FALSE(pBars->IsKeyboardCuesHideMode());
}

TEST(OwnerLayout, FrameMessagesThatCloseTheMenus)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    CXTPToolBar* pBar = pBars->AddToolBar(L"Bar");
    pBar->SetButtons(std::vector<UINT>{1, 2}.data(), 2);
    struct CloseCase {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool bCloses;
    };
    const CloseCase cases[] = {
        {"deactivated application", WM_ACTIVATEAPP, 0, true},
        {"activated application", WM_ACTIVATEAPP, 1, false},
        {"system command", WM_SYSCOMMAND, SC_MOVE, true},
        {"menu key", WM_SYSCOMMAND, SC_KEYMENU, false},
        {"zero low word", WM_SYSCOMMAND, 0x10000, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(pBars->ActivateBarByKeyboard(pBar, 0));
        LRESULT result = 0;
        EXPECT_FALSE(pBars->OnFrameWndMsg(c.message, c.wParam, 0, &result));
        EXPECT_EQ(pBar->IsTrackingMode() == FALSE, c.bCloses);
        pBar->EndTracking();
    }
}
