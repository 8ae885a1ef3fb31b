// The drag context's loops driven by posted mouse and key messages.
#include <gtest/gtest.h>

#include "CXTPBarDragContext.h"
#include "CXTPCommandBarsOptions.h"
#include "DockTestFrame.h"
#include "WorkArea.h"

namespace {

// A mouse move to the screen point, as the frame would receive it.
void PostMove(CWnd* pFrame, CPoint pt)
{
    pFrame->ScreenToClient(&pt);
    pFrame->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y)));
}

CPoint Centre(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc.CenterPoint();
}

} // namespace

TEST(BarDrag, EscapeLeavesTheBarWhereItWasLastPut)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    CPoint ptStart = Centre(pA);
    ::SetCursorPos(ptStart.x, ptStart.y);

    PostMove(pFrame, CPoint(5, 200));     // over the left dock bar
    pFrame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    pA->GetDragContext()->StartDrag(ptStart);

    EXPECT_EQ(pFrame->Dock(xtpBarLeft), pA->GetDockBar());
    EXPECT_EQ(xtpBarLeft, pA->GetPosition());
    EXPECT_EQ("|A|", DockTestFrame::Rows(pFrame->Dock(xtpBarLeft)));
    EXPECT_EQ("|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_TRUE(pFrame->m_pCommandBars->GetCommandBarsOptions()->bDirty);
}

struct TopOnlyCase {
    const char* name;
    DWORD dwFlags;
    int nPositionAfter;
};

class BarDragTopOnly : public ::testing::TestWithParam<TopOnlyCase> {};

TEST_P(BarDragTopOnly, OverTheLeftDockBar)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    pA->SetFlags(GetParam().dwFlags);
    CPoint ptStart = Centre(pA);
    ::SetCursorPos(ptStart.x, ptStart.y);

    PostMove(pFrame, CPoint(5, 200));
    pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 200));
    pA->GetDragContext()->StartDrag(ptStart);

    EXPECT_EQ(GetParam().nPositionAfter, pA->GetPosition());
    EXPECT_EQ("|", DockTestFrame::Rows(pFrame->Dock(xtpBarLeft)));
    if (GetParam().nPositionAfter == xtpBarFloating) {
        CRect rc;
        pA->GetWindowRect(&rc);
        EXPECT_TRUE(rc.PtInRect(CPoint(5, 200))) << "the floating bar is under the mouse";
        // Floated off by the drag: the place it left is kept for the double click.
        EXPECT_EQ(xtpBarTop, pA->GetDragContext()->GetLastDockPosition());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BarDragTopOnly,
                         ::testing::Values(TopOnlyCase{"may_float", xtpFlagAlignTop | xtpFlagFloating, xtpBarFloating},
                                           TopOnlyCase{"may_not_float", xtpFlagAlignTop, xtpBarTop}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BarDrag, DoubleClickDocksANeverDockedBarInANewTopRow)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    pFrame->AddBar(L"A", xtpBarTop);
    SizedBar* pF = pFrame->AddBar(L"F", xtpBarFloating);
    ASSERT_EQ(xtpBarFloating, pF->GetPosition());

    EXPECT_TRUE(pF->GetDragContext()->ToggleDocking());
    EXPECT_EQ(xtpBarTop, pF->GetPosition());
    EXPECT_EQ("|F|A|", DockTestFrame::Rows(pFrame->Dock(xtpBarTop)));
    EXPECT_EQ(CRect(0, 0, 100, 26), DockTestFrame::RectInDock(pF));
}

TEST(BarDrag, DoubleClickFloatsADockedBarOnlyWhenTheOptionAllows)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* pA = pFrame->AddBar(L"A", xtpBarTop);
    EXPECT_FALSE(pA->GetDragContext()->ToggleDocking());
    EXPECT_EQ(xtpBarTop, pA->GetPosition());

    pFrame->m_pCommandBars->GetCommandBarsOptions()->bDblClickFloat = TRUE;
    EXPECT_TRUE(pA->GetDragContext()->ToggleDocking());
    EXPECT_EQ(xtpBarFloating, pA->GetPosition());
    EXPECT_TRUE(pA->GetDragContext()->ToggleDocking());
    EXPECT_EQ(xtpBarTop, pA->GetPosition());
}

struct ResizeCase {
    const char* name;
    int dx;              // the right border's move
    int nWidthAfter;
};

class BarResize : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(BarResize, KeepsSizeWhenTheBarWouldLeaveTheWorkArea)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* pF = pFrame->AddBar(L"F", xtpBarFloating, CSize(150, 26));
    // The bar juts 10 pixels into the work area from its left edge.
    CRect rcWork = GetWorkAreaFromWindow(pF->GetSafeHwnd());
    pF->SetWindowPos(nullptr, rcWork.left - 140, 100, 150, 26, SWP_NOZORDER | SWP_NOACTIVATE);
    CPoint ptStart(rcWork.left + 9, 110);

    PostMove(pFrame, ptStart + CPoint(GetParam().dx, 0));
    pFrame->PostMessage(WM_LBUTTONUP, 0, 0);
    pF->GetDragContext()->StartResize(HTRIGHT, ptStart);

    CRect rc;
    pF->GetWindowRect(&rc);
    EXPECT_EQ(GetParam().nWidthAfter, rc.Width());
    EXPECT_EQ(rcWork.left - 140, rc.left);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarResize,
                         ::testing::Values(ResizeCase{"stays_on_work_area", -5, 145},
                                           ResizeCase{"would_leave_it", -20, 150}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FreeResizeCase {
    const char* name;
    UINT nHitTest;
    CPoint delta;
    CRect rcAfter;
};

class BarFreeResize : public ::testing::TestWithParam<FreeResizeCase> {};

TEST_P(BarFreeResize, EdgesFollowTheMouse)
{
    DockTestFrame* pFrame = DockTestFrame::Make(600, 400);
    FrameCloser closer{pFrame};
    SizedBar* pF = pFrame->AddBar(L"F", xtpBarFloating, CSize(150, 40));
    pF->m_bFreeSize = TRUE;
    pF->SetWindowPos(nullptr, 300, 200, 150, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    CPoint ptStart(320, 210);

    PostMove(pFrame, ptStart + GetParam().delta);
    pFrame->PostMessage(WM_LBUTTONUP, 0, 0);
    pF->GetDragContext()->StartResize(GetParam().nHitTest, ptStart);

    CRect rc;
    pF->GetWindowRect(&rc);
    EXPECT_EQ(GetParam().rcAfter, rc);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarFreeResize,
                         ::testing::Values(FreeResizeCase{"bottom_right", HTBOTTOMRIGHT, CPoint(10, 5), CRect(300, 200, 460, 245)},
                                           FreeResizeCase{"top_left", HTTOPLEFT, CPoint(10, 5), CRect(310, 205, 450, 240)},
                                           FreeResizeCase{"left_only", HTLEFT, CPoint(-20, 30), CRect(280, 200, 450, 240)}),
                         [](const auto& info) { return std::string(info.param.name); });
