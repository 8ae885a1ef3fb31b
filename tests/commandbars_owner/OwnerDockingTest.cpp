// The dock bars of the owner: their look-up around a screen point and the
// frame's layout with empty dock bars.
#include <gtest/gtest.h>

#include "CXTPCommandBars.h"
#include "CXTPDockBar.h"
#include "OwnerTestFrame.h"

namespace {

CRect WindowRect(const CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    return rc;
}

} // namespace

// A point 19 pixels clear of a dock bar still finds it; 20 pixels clear does not.
TEST(OwnerDocking, FindDockBarAtCatchesWithinNineteenPixels)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    // Only the left dock bar is placed; the others lie far away, out of the way.
    for (int i = 0; i < 4; ++i)
        pBars->GetDockBar(i)->SetWindowPos(nullptr, i == 2 ? 200 : 2000, i == 2 ? 100 : 2000, 40, 200,
                                           SWP_NOZORDER | SWP_NOACTIVATE);
    CXTPDockBar* pLeft = pBars->GetDockBar(2);
    const CRect rc = WindowRect(pLeft);
    struct GapCase {
        const char* side;
        CPoint at19;   // 19 pixels lie between the point and the bar
        CPoint at20;
    };
    const int yMid = rc.CenterPoint().y, xMid = rc.CenterPoint().x;
    const GapCase cases[] = {
        {"left", {rc.left - 20, yMid}, {rc.left - 21, yMid}},
        {"right", {rc.right - 1 + 20, yMid}, {rc.right - 1 + 21, yMid}},
        {"top", {xMid, rc.top - 20}, {xMid, rc.top - 21}},
        {"bottom", {xMid, rc.bottom - 1 + 20}, {xMid, rc.bottom - 1 + 21}},
    };
    for (const GapCase& c : cases) {
        SCOPED_TRACE(c.side);
        EXPECT_EQ(pBars->FindDockBarAt(c.at19), pLeft);
        EXPECT_EQ(pBars->FindDockBarAt(c.at20), nullptr);
    }
}

TEST(OwnerDocking, PreferredDockBarIsTestedFirst)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CXTPCommandBars* pBars = frame->Bars();
    // Top and left dock bars overlap at the corner.
    pBars->GetDockBar(0)->SetWindowPos(nullptr, 0, 0, 300, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    pBars->GetDockBar(2)->SetWindowPos(nullptr, 0, 0, 30, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const CPoint corner = WindowRect(pBars->GetDockBar(0)).TopLeft() + CSize(5, 5);
    EXPECT_EQ(pBars->FindDockBarAt(corner), pBars->GetDockBar(0));
    EXPECT_EQ(pBars->FindDockBarAt(corner, pBars->GetDockBar(2)), pBars->GetDockBar(2));
}

// Dock bars without bars take nothing from the frame, also after they were large.
TEST(OwnerDocking, EmptyDockBarsLeaveTheClientToTheView)
{
    OwnerFrameHolder frame(OwnerTestFrame::Make());
    ASSERT_NE(frame.p, nullptr);
    CWnd view;
    ASSERT_TRUE(view.CreateEx(0, AfxRegisterWndClass(0), L"view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame.p,
                              AFX_IDW_PANE_FIRST));
    for (int i = 0; i < 4; ++i)
        frame->Bars()->GetDockBar(i)->SetWindowPos(nullptr, 0, 0, 120, 120, SWP_NOZORDER | SWP_NOACTIVATE);
    frame->RecalcLayout();
    CRect rcClient, rcView;
    frame->GetClientRect(&rcClient);
    view.GetWindowRect(&rcView);
    frame->ScreenToClient(&rcView);
    EXPECT_EQ(rcView, rcClient);
}
