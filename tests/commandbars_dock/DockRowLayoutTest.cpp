// The row layout of a dock bar on bars of known sizes: bars that meet at one
// place, rows too long for the frame, hidden bars, own-row bars.
#include <gtest/gtest.h>

#include "CXTPBarDragContext.h"
#include "DockTestFrame.h"

TEST(DockRowLayout, BarsAtOnePlaceTouchWithoutOverlap)
{
    DockTestFrame* pFrame = DockTestFrame::Make(800, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pB = pFrame->AddBar(L"B", xtpBarTop);
    pFrame->DropAt(pA, xtpBarTop, 300, 13);
    pFrame->DropAt(pB, xtpBarTop, 300, 13);

    // B was dropped last and so stands first in the row's list: it keeps the
    // place and A, later in the list, gives way to its right.
    EXPECT_EQ("|B A|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(CRect(300, 0, 400, 26), DockTestFrame::RectInDock(pB));
    EXPECT_EQ(CRect(400, 0, 500, 26), DockTestFrame::RectInDock(pA));
}

TEST(DockRowLayout, ManyBarsAtOnePlaceLineUpInListOrder)
{
    // Bars at one place compare equal: they must keep their list order (an
    // ordering that never answers "equal" leaves it undefined).
    DockTestFrame* pFrame = DockTestFrame::Make(1000, 300);
    FrameCloser closer{pFrame};
    std::vector<SizedBar*> bars;
    for (int i = 0; i < 30; i++) {
        wchar_t title[8];
        swprintf(title, 8, L"%c", L'a' + (i % 26));
        bars.push_back(pFrame->AddBar(title, xtpBarTop, CSize(30, 20)));
    }
    for (SizedBar* pBar : bars)
        pFrame->DropAt(pBar, xtpBarTop, 0, 10);

    const CXTPCommandBarArray& list = pFrame->Dock(xtpBarTop)->GetBars();
    ASSERT_EQ(32, list.GetSize());
    for (int i = 1; i <= 30; i++)
        EXPECT_EQ(CRect((i - 1) * 30, 0, i * 30, 20), DockTestFrame::RectInDock(static_cast<SizedBar*>(list[i])))
            << "list entry " << i;
}

struct LongRowCase {
    const char* name;
    int nPosition;       // the dock bar
    BOOL bMayHide;
    int nMinLength;
    int nThirdNear;      // where the third bar starts along its row
    int nThirdLength;
    int nThirdRow;       // 0: first row, 1: second
};

class DockLongRow : public ::testing::TestWithParam<LongRowCase> {};

TEST_P(DockLongRow, ShrinksFromTheRightThenWraps)
{
    const LongRowCase& c = GetParam();
    const BOOL bHorz = c.nPosition == xtpBarTop || c.nPosition == xtpBarBottom;
    // Room for 400 pixels along the dock bar; three bars of 150 want 450.
    DockTestFrame* pFrame = bHorz ? DockTestFrame::Make(400, 600) : DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* bars[3];
    const wchar_t* titles[3] = {L"A", L"B", L"C"};
    for (int i = 0; i < 3; i++) {
        bars[i] = pFrame->AddBar(titles[i], c.nPosition, CSize(150, 26), c.nMinLength);
        const DWORD dwFlags = xtpFlagAlignAny | xtpFlagFloating;
        bars[i]->SetFlags(c.bMayHide ? dwFlags | xtpFlagHideWrap : dwFlags);
    }
    for (int i = 0; i < 3; i++)
        pFrame->DropAt(bars[i], c.nPosition, i * 150, 13);
    // Each drop went first into the one row; wrapping leaves the list alone.
    EXPECT_EQ("|C B A|", DockTestFrame::Rows(pFrame->Dock(c.nPosition)));

    CRect rcA = DockTestFrame::RectInDock(bars[0]);
    CRect rcC = DockTestFrame::RectInDock(bars[2]);
    if (!bHorz) {
        rcA = CRect(rcA.top, rcA.left, rcA.bottom, rcA.right);
        rcC = CRect(rcC.top, rcC.left, rcC.bottom, rcC.right);
    }
    EXPECT_EQ(0, rcA.left);
    EXPECT_EQ(c.nThirdNear, rcC.left);
    EXPECT_EQ(c.nThirdLength, rcC.Width());
    EXPECT_EQ(c.nThirdRow * 26, rcC.top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DockLongRow,
    ::testing::Values(
        LongRowCase{"all_shrink", xtpBarTop, TRUE, 50, 300, 100, 0},
        LongRowCase{"too_little_room", xtpBarTop, TRUE, 140, 250, 150, 1},
        LongRowCase{"none_may_hide", xtpBarTop, FALSE, 0, 250, 150, 1},
        LongRowCase{"column_wraps_right", xtpBarLeft, FALSE, 0, 250, 150, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DockRowLayout, FourDockBarsTakeTheirEdges)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    pFrame->AddBar(L"T", xtpBarTop);
    pFrame->AddBar(L"B", xtpBarBottom);
    SizedBar* pL = pFrame->AddBar(L"L", xtpBarLeft);
    SizedBar* pR = pFrame->AddBar(L"R", xtpBarRight);
    const CRect expected[4] = {CRect(0, 0, 500, 26), CRect(0, 274, 500, 300), CRect(0, 26, 26, 274),
                               CRect(474, 26, 500, 274)};
    for (int i = 0; i < 4; i++) {
        CRect rc;
        pFrame->Dock(i)->GetWindowRect(&rc);
        pFrame->ScreenToClient(&rc);
        EXPECT_EQ(expected[i], rc) << "dock bar " << i;
    }
    EXPECT_EQ(CRect(0, 0, 26, 100), DockTestFrame::RectInDock(pL));
    EXPECT_EQ(CRect(0, 0, 26, 100), DockTestFrame::RectInDock(pR));
    EXPECT_EQ(xtpBarRight, pR->GetDragContext()->GetLastDockPosition());
}

TEST(DockRowLayout, DockBarOfHiddenBarsTakesNoRoom)
{
    DockTestFrame* pFrame = DockTestFrame::Make(400, 300);
    FrameCloser closer{pFrame};
    SizedBar* pTop = pFrame->AddBar(L"T", xtpBarTop);
    SizedBar* pLeft = pFrame->AddBar(L"L", xtpBarLeft);
    CRect rc;
    pFrame->Dock(xtpBarTop)->GetWindowRect(&rc);
    ASSERT_EQ(26, rc.Height());

    pTop->SetVisible(FALSE);
    pLeft->SetVisible(FALSE);
    pFrame->RecalcLayout();
    pFrame->Dock(xtpBarTop)->GetWindowRect(&rc);
    EXPECT_EQ(0, rc.Height());
    pFrame->Dock(xtpBarLeft)->GetWindowRect(&rc);
    EXPECT_EQ(0, rc.Width());
}

TEST(DockRowLayout, OwnRowBarStaysAloneAndSpansTheRow)
{
    DockTestFrame* pFrame = DockTestFrame::Make(500, 300);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pB = pFrame->AddBar(L"B", xtpBarTop);
    SizedBar* pS = pFrame->AddBar(L"S", xtpBarTop);
    pS->SetFlags(63 | xtpFlagStretched);
    pFrame->DropAt(pB, xtpBarTop, 200, 13);
    ASSERT_EQ("|B A|S|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));

    pFrame->DropAt(pS, xtpBarTop, 150, 13);   // into the middle of A and B
    EXPECT_EQ("|S|B A|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(CRect(0, 0, 500, 26), DockTestFrame::RectInDock(pS));
    EXPECT_EQ(26, DockTestFrame::RectInDock(pA).top);
}
