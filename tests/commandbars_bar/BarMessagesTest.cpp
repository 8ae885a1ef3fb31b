// What a bar tells others: help hit test values and the status line texts of
// its controls.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPControl.h"
#include "WindowTestBar.h"

TEST(BarHelp, HitTestAnswersTheCommandThenTheBarsId)
{
    FrameHolder frame;
    WindowBarHolder bar;
    ASSERT_TRUE(bar->CreateBar(frame.pFrame, CRect(0, 0, 200, 24)));
    SizedControl* pButton = bar->AddSized(20, 20, 0, FALSE, 57600);
    SizedControl* pHidden = bar->AddSized(20, 20, 0, FALSE, 57601);
    bar->LayoutRow();
    pHidden->SetHideFlags(xtpHideGeneric);
    const CPoint ptButton = pButton->GetRect().CenterPoint();
    const CPoint ptHidden = pHidden->GetRect().CenterPoint();

    auto HitTest = [&](CPoint pt) { return bar->SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y)); };
    EXPECT_EQ(HitTest(ptButton), 0x10000 + 57600);
    EXPECT_EQ(HitTest(ptHidden), 0) << "a hidden control is not hit; the bar has no id";
    EXPECT_EQ(HitTest(CPoint(190, 10)), 0);
    ::SetWindowLongPtrW(bar->GetSafeHwnd(), GWLP_ID, AFX_IDW_TOOLBAR);
    EXPECT_EQ(HitTest(CPoint(190, 10)), 0x50000 + AFX_IDW_TOOLBAR);
    EXPECT_EQ(HitTest(ptButton), 0x10000 + 57600) << "the command wins over the bar";
}

TEST(BarStatus, SelectionShowsTheDescriptionAndLeavingRestoresTheIdleText)
{
    RecordingSite site;
    ASSERT_TRUE(site.CreateSite());
    WindowBarHolder bar;
    bar->SetOwner(&site);
    SizedControl* pOpen = bar->AddSized(20);
    pOpen->SetDescription(L"Opens a file");
    SizedControl* pBare = bar->AddSized(20);

    bar->OnControlSelected(1, pOpen);
    bar->OnControlSelected(0, pOpen);
    bar->OnControlSelected(1, pBare);
    ASSERT_EQ(site.m_messages.size(), 6u);
    EXPECT_EQ(site.m_messages[0].message, static_cast<UINT>(WM_CMDBARS_CONTROLSELECTED));
    EXPECT_EQ(site.m_messages[0].wParam, reinterpret_cast<WPARAM>(pOpen));
    EXPECT_EQ(site.m_messages[1].message, static_cast<UINT>(WM_SETMESSAGESTRING));
    EXPECT_EQ(site.m_messages[1].text, CString(L"Opens a file"));
    EXPECT_EQ(site.m_messages[2].wParam, 0u) << "deselection names no control";
    EXPECT_EQ(site.m_messages[3].message, static_cast<UINT>(WM_POPMESSAGESTRING));
    EXPECT_EQ(site.m_messages[3].wParam, 57345u);
    EXPECT_EQ(site.m_messages[5].message, static_cast<UINT>(WM_POPMESSAGESTRING)) << "no description: the idle text";
}

TEST(BarStatus, AClickedControlIsNotDescribedAgainUntilTheSelectionMoves)
{
    RecordingSite site;
    ASSERT_TRUE(site.CreateSite());
    WindowBarHolder bar;
    bar->SetOwner(&site);
    SizedControl* pOpen = bar->AddSized(20);
    pOpen->SetDescription(L"Opens a file");
    bar->SetStatusIndex(pOpen->GetIndex());

    bar->OnControlSelected(1, pOpen);
    EXPECT_EQ(bar->GetStatusIndex(), 0) << "reselection keeps the clicked state";
    bar->OnControlSelected(0, pOpen);
    EXPECT_EQ(bar->GetStatusIndex(), -1);
    ASSERT_EQ(site.m_messages.size(), 2u);
    EXPECT_EQ(site.m_messages[0].message, static_cast<UINT>(WM_CMDBARS_CONTROLSELECTED));
    EXPECT_EQ(site.m_messages[1].message, static_cast<UINT>(WM_CMDBARS_CONTROLSELECTED));
}
