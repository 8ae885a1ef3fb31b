// Command bars in the bands of a rebar instead of a dock bar.
#include <gtest/gtest.h>

#include "CXTPReBar.h"
#include "DockTestFrame.h"

TEST(ReBarHost, BarMovesFromItsDockBarIntoABand)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pB = pFrame->AddBar(L"B", xtpBarTop);
    pA->SetBarID(301);
    pB->SetBarID(302);
    CXTPReBar reBar;
    CXTPReBar* pReBar = &reBar;
    ASSERT_TRUE(pReBar->Create(pFrame));

    EXPECT_TRUE(pReBar->AddCommandBar(pA));
    EXPECT_TRUE(pReBar->AddCommandBar(pB));
    EXPECT_EQ(nullptr, pA->GetDockBar());
    EXPECT_EQ("|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(0u, pA->GetFlags());
    EXPECT_EQ(0u, pA->GetBarStyle() & CBRS_GRIPPER);
    EXPECT_EQ(0, pReBar->FindBand(pA));
    EXPECT_EQ(1, pReBar->FindBand(pB));
    EXPECT_EQ(pB, pReBar->GetCommandBar(1));
    EXPECT_EQ(nullptr, pReBar->GetCommandBar(2));
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_ID;
    ASSERT_TRUE(pReBar->SendMessage(RB_GETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(302u, info.wID);

    EXPECT_NE(0, pReBar->DeleteCommandBar(pA));
    EXPECT_EQ(-1, pReBar->FindBand(pA));
    EXPECT_EQ(0, pReBar->FindBand(pB));
    EXPECT_EQ(-1, pReBar->DeleteCommandBar(pA));
}

TEST(ReBarHost, TakesTheTopOfTheFrameAndFollowsItsBandsHeight)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop, CSize(120, 30));
    CXTPReBar reBar;
    ASSERT_TRUE(reBar.Create(pFrame));
    pFrame->RecalcLayout();
    CRect rc;
    reBar.GetWindowRect(&rc);
    EXPECT_EQ(0, rc.Height());

    // The band makes the rebar taller; the frame is laid out again by itself.
    ASSERT_TRUE(reBar.AddCommandBar(pA));
    const int cyBar = static_cast<int>(reBar.SendMessage(RB_GETBARHEIGHT));
    EXPECT_GE(cyBar, 30);
    reBar.GetWindowRect(&rc);
    pFrame->ScreenToClient(&rc);
    EXPECT_EQ(CRect(0, 0, 500, cyBar), rc);
}
