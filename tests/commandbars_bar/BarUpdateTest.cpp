// The idle command update: controls take their states from the frame's
// command route, pressed states and kept layout and redraw requests are served
// once, and hidden bars are left alone.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPControl.h"
#include "WindowTestBar.h"

namespace {

struct UpdateFixture {
    UpdateFixture()
    {
        EXPECT_TRUE(bar->CreateBar(frame.pFrame, CRect(0, 0, 300, 24)));
        bar->SetOwner(frame.pFrame);
        pUpdated = bar->AddSized(20, 20, 0, FALSE, ID_TEST_UPDATED);
        pHandlerOnly = bar->AddSized(20, 20, 0, FALSE, ID_TEST_HANDLER_ONLY);
        pUnhandled = bar->AddSized(20, 20, 0, FALSE, ID_TEST_UNHANDLED);
        bar->LayoutRow();
        bar->SetState(0);
    }
    // What the frame's idle pass sends every bar.
    void Idle(BOOL bDisableIfNoHandler = TRUE)
    {
        frame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, bDisableIfNoHandler, 0, TRUE, TRUE);
    }

    FrameHolder frame;
    WindowBarHolder bar;
    CXTPControl* pUpdated;
    CXTPControl* pHandlerOnly;
    CXTPControl* pUnhandled;
};

} // namespace

TEST(BarUpdate, ControlsFollowTheFramesRoute)
{
    UpdateFixture f;
    f.frame->m_bEnable = TRUE;
    f.frame->m_nCheck = 1;
    f.frame->m_strText = L"&Renamed";
    f.Idle(FALSE);
    EXPECT_TRUE(f.pUpdated->GetEnabled());
    EXPECT_EQ(f.pUpdated->GetChecked(), 1);
    EXPECT_EQ(f.pUpdated->GetCaption(), CString(L"&Renamed"));
    EXPECT_TRUE(f.pUnhandled->GetEnabled()) << "without disable-if-no-handler an unhandled command stays";

    f.Idle(TRUE);
    EXPECT_TRUE(f.pHandlerOnly->GetEnabled()) << "a command handler alone keeps it enabled";
    EXPECT_FALSE(f.pUnhandled->GetEnabled()) << "no handler at all disables it";

    f.frame->m_bEnable = FALSE;
    f.frame->m_nCheck = -1;
    f.Idle(TRUE);
    EXPECT_FALSE(f.pUpdated->GetEnabled());
    EXPECT_EQ(f.pUpdated->GetChecked(), 0) << "a disabled command loses its check mark";
}

TEST(BarUpdate, ManualAndSuppressedControlsAreNotAsked)
{
    UpdateFixture f;
    f.frame->m_bEnable = FALSE;
    f.pUpdated->SetFlags(xtpFlagManualUpdate);
    f.Idle();
    EXPECT_TRUE(f.pUpdated->GetEnabled());
    EXPECT_EQ(f.frame->m_nUpdates, 0);

    f.pUpdated->SetFlags(0);
    f.pUnhandled->SetEnabled(TRUE);
    f.bar->SetUpdateSuppressed(TRUE);
    f.Idle();
    EXPECT_TRUE(f.pUpdated->GetEnabled());
    EXPECT_TRUE(f.pUnhandled->GetEnabled());
}

TEST(BarUpdate, AHiddenBarIsLeftAlone)
{
    UpdateFixture f;
    f.frame->m_bEnable = FALSE;
    f.pUpdated->SetPressed(1);
    f.bar->DelayLayout();
    f.bar->ShowWindow(SW_HIDE);
    f.Idle();
    EXPECT_EQ(f.frame->m_nUpdates, 0);
    EXPECT_TRUE(f.pUpdated->GetEnabled());
    EXPECT_EQ(f.pUpdated->GetPressed(), 1);
    EXPECT_EQ(f.bar->m_nLayouts, 0);
    EXPECT_EQ(f.bar->GetState(), static_cast<DWORD>(XTP_BARSTATE_LAYOUT)) << "kept for a later update";
}

TEST(BarUpdate, PressedStatesAndKeptRequestsAreServedOnce)
{
    UpdateFixture f;
    f.pHandlerOnly->SetPressed(1);
    f.bar->DelayLayout();
    f.bar->ValidateRect(nullptr);
    f.Idle(FALSE);
    EXPECT_EQ(f.pHandlerOnly->GetPressed(), 0);
    EXPECT_EQ(f.bar->GetState(), 0u);
    EXPECT_EQ(f.bar->m_nLayouts, 1);
    CRect rcUpdate;
    EXPECT_TRUE(f.bar->GetUpdateRect(&rcUpdate)) << "the pressed reset asked for a redraw";

    f.bar->ValidateRect(nullptr);
    f.Idle(FALSE);
    EXPECT_EQ(f.bar->m_nLayouts, 1) << "served once";
    EXPECT_FALSE(f.bar->GetUpdateRect(&rcUpdate)) << "nothing changed, nothing to redraw";
}

TEST(BarUpdate, InitialUpdateDisablesCommandsWithoutHandler)
{
    UpdateFixture f;
    f.bar->SendMessage(WM_INITIALUPDATE);
    EXPECT_FALSE(f.pUnhandled->GetEnabled());
    EXPECT_TRUE(f.pHandlerOnly->GetEnabled());
}

TEST(BarUpdate, ChildWindowsOfTheBarAreUpdatedToo)
{
    UpdateFixture f;
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"child", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(200, 0, 260, 20),
                              f.bar.pBar, ID_TEST_UNHANDLED));
    f.Idle(TRUE);
    EXPECT_FALSE(button.IsWindowEnabled());
    button.DestroyWindow();
}

TEST(BarUpdate, DocumentTemplatesShowAndHideTheirControls)
{
    WindowBarHolder bar;
    CXTPControl* pAssigned = bar->AddSized(20);
    CXTPControl* pExcluded = bar->AddSized(20);
    CXTPControl* pBoth = bar->AddSized(20);
    CXTPControl* pFree = bar->AddSized(20);
    pAssigned->GetDocTemplatesAssigned().SetAt(200, TRUE);
    pExcluded->GetDocTemplatesExcluded().SetAt(200, TRUE);
    pBoth->GetDocTemplatesAssigned().SetAt(300, TRUE);
    pBoth->GetDocTemplatesExcluded().SetAt(400, TRUE);
    bar->SetState(0);

    bar->UpdateDocTemplateVisibility(0);
    EXPECT_EQ(bar->GetState(), 0u) << "no active menu: nothing changes";

    bar->UpdateDocTemplateVisibility(200);
    EXPECT_TRUE(pAssigned->IsVisible());
    EXPECT_EQ(pExcluded->GetHideFlags(), static_cast<DWORD>(xtpHideDocTemplate));
    EXPECT_TRUE(pBoth->IsVisible()) << "the excluded test runs last and wins";
    EXPECT_TRUE(pFree->IsVisible());
    EXPECT_EQ(bar->GetState(), static_cast<DWORD>(XTP_BARSTATE_LAYOUT));

    bar->SetState(0);
    bar->UpdateDocTemplateVisibility(300);
    EXPECT_EQ(pAssigned->GetHideFlags(), static_cast<DWORD>(xtpHideDocTemplate));
    EXPECT_TRUE(pExcluded->IsVisible());
    EXPECT_TRUE(pBoth->IsVisible());
    bar->UpdateDocTemplateVisibility(400);
    EXPECT_EQ(pBoth->GetHideFlags(), static_cast<DWORD>(xtpHideDocTemplate));
}

TEST(BarUpdate, ABarWithoutSiteStillServesItsRequests)
{
    CWnd* pPreviousMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = nullptr;
    WindowBarHolder bar;
    ASSERT_TRUE(bar->CreateBar(nullptr, CRect(0, 0, 100, 24)));
    CWnd button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"child", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 60, 20),
                              bar.pBar, ID_TEST_UNHANDLED));
    CXTPControl* pControl = bar->AddSized(20, 20, 0, FALSE, ID_TEST_UNHANDLED);
    bar->SetState(XTP_BARSTATE_LAYOUT);
    bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(bar->m_nLayouts, 1);
    EXPECT_TRUE(pControl->GetEnabled()) << "no command route to ask";
    EXPECT_TRUE(button.IsWindowEnabled());
    button.DestroyWindow();
    AfxGetApp()->m_pMainWnd = pPreviousMain;
}
