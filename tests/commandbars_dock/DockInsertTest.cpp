// Where a dropped bar goes in the rows of a dock bar, what removal leaves,
// and a drop that changes nothing.
#include <gtest/gtest.h>

#include "DockTestFrame.h"

struct DropCase {
    const char* name;
    int nAcross;          // the drop's centre across the dock bar
    const char* rows;
};

class DockDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(DockDrop, CentrePicksTheRow)
{
    // Rows A (0..26) and B (26..52); C comes from the bottom dock bar.
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    pFrame->AddBar(L"A", xtpBarTop);
    pFrame->AddBar(L"B", xtpBarTop);
    SizedBar* pC = pFrame->AddBar(L"C", xtpBarBottom);
    pFrame->DropAt(pC, xtpBarTop, 200, GetParam().nAcross);
    EXPECT_EQ(GetParam().rows, DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ("|", DockTestFrame::Rows(pFrame->Dock(xtpBarBottom)));
    EXPECT_EQ(pFrame->Dock(xtpBarTop), pC->GetDockBar());
}

INSTANTIATE_TEST_SUITE_P(Cases, DockDrop,
                         ::testing::Values(DropCase{"above_first_row", -5, "|C|A|B|"},
                                           DropCase{"top_edge", 0, "|C|A|B|"},
                                           DropCase{"inside_first_row", 13, "|C A|B|"},
                                           DropCase{"border_between_rows", 26, "|A|C|B|"},
                                           DropCase{"inside_second_row", 40, "|A|C B|"},
                                           DropCase{"beyond_last_row", 60, "|A|B|C|"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DockRemove, OnlyBarOfARowTakesTheRowAlong)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pB = pFrame->AddBar(L"B", xtpBarTop);
    SizedBar* pC = pFrame->AddBar(L"C", xtpBarTop);
    SizedBar* pD = pFrame->AddBar(L"D", xtpBarTop);
    pFrame->DropAt(pD, xtpBarTop, 200, 13 + 52);   // into C's row
    ASSERT_EQ("|A|B|D C|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));

    pFrame->m_pCommandBars->FloatCommandBar(pB);
    EXPECT_EQ("|A|D C|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(nullptr, pB->GetDockBar());
    pFrame->m_pCommandBars->FloatCommandBar(pC);
    EXPECT_EQ("|A|D|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    pFrame->m_pCommandBars->RecalcFrameLayout(FALSE);
    EXPECT_EQ(CRect(200, 26, 300, 52), DockTestFrame::RectInDock(pD));   // where it was dropped
}

TEST(DockRemove, DockingAtTheCurrentPlaceChangesNothing)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    pFrame->AddBar(L"B", xtpBarTop);
    pFrame->m_pCommandBars->FlushFrameLayout();
    pFrame->m_nIdleFlags = 0;

    CRect rc;
    pA->GetWindowRect(&rc);
    pFrame->m_pCommandBars->DockCommandBar(pA, &rc, pFrame->Dock(xtpBarTop));
    EXPECT_EQ("|A|B|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(0u, pFrame->m_nIdleFlags & CFrameWnd::idleLayout);

    // The same without a rectangle: the bar stays where it is.
    pFrame->Dock(xtpBarTop)->DockCommandBar(pA, nullptr);
    EXPECT_EQ("|A|B|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(0u, pFrame->m_nIdleFlags & CFrameWnd::idleLayout);
}
