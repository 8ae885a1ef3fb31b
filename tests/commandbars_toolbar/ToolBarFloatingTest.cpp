// The floating window of a toolbar: its sizing borders, the caption with its
// close and overflow buttons, and the frame's float status.
#include <gtest/gtest.h>

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "TestResourceIds.h"
#include "TestToolBar.h"

namespace {

// A frame for floating bars, destroyed at the end of a scope.
struct FloatFrame {
    FloatFrame()
    {
        pFrame->Create(nullptr, L"Toolbar tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300));
        hWnd = pFrame->GetSafeHwnd();
    }
    ~FloatFrame()
    {
        if (::IsWindow(hWnd))
            pFrame->DestroyWindow();
    }
    CFrameWnd* pFrame = new CFrameWnd;
    HWND hWnd = nullptr;
};

} // namespace

TEST(ToolBarFloating, ASizingHitIsTwoPixelsDeep)
{
    FloatFrame frame;
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, FALSE));
    ASSERT_TRUE(bar->Float(frame.pFrame));
    CRect rc;
    bar->GetWindowRect(&rc);
    const CPoint mid = rc.CenterPoint();

    struct HitCase {
        const char* name;
        CPoint pt;
        LRESULT hit;
    };
    const HitCase cases[] = {
        {"2 inside the left edge", CPoint(rc.left + 2, mid.y), HTLEFT},
        {"3 inside the left edge", CPoint(rc.left + 3, mid.y), HTCLIENT},
        {"2 inside the right edge", CPoint(rc.right - 1 - 2, mid.y), HTRIGHT},
        {"3 inside the right edge", CPoint(rc.right - 1 - 3, mid.y), HTCLIENT},
        {"2 inside the top edge", CPoint(mid.x, rc.top + 2), HTTOP},
        {"3 inside the top edge", CPoint(mid.x, rc.top + 3), HTCLIENT},
        {"2 inside the bottom edge", CPoint(mid.x, rc.bottom - 1 - 2), HTBOTTOM},
        {"3 inside the bottom edge", CPoint(mid.x, rc.bottom - 1 - 3), HTCLIENT},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)), c.hit);
    }

    bar->PutAt(xtpBarTop);
    EXPECT_EQ(bar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left + 1, mid.y)), HTCLIENT)
        << "a docked bar has no sizing border";
}

TEST(ToolBarFloating, TheWindowIsAnOwnedPopupFloatingAndAChildDocked)
{
    FloatFrame frame;
    ToolBarHolder bar;
    bar->SetTitle(L"Standard");
    ASSERT_TRUE(bar->Float(frame.pFrame, CPoint(150, 120)));
    const HWND hBar = bar->GetSafeHwnd();
    EXPECT_TRUE(::GetWindowLongW(hBar, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(::GetWindowLongW(hBar, GWL_STYLE) & MFS_SYNCACTIVE);
    EXPECT_EQ(::GetWindow(hBar, GW_OWNER), frame.hWnd);
    EXPECT_TRUE(::GetClassLongW(hBar, GCL_STYLE) & CS_DBLCLKS);
    wchar_t szTitle[32] = {};
    ::GetWindowTextW(hBar, szTitle, 32);
    EXPECT_STREQ(szTitle, L"Standard");

    ASSERT_TRUE(bar->SetFloatingMode(FALSE, frame.pFrame));
    EXPECT_TRUE(::GetWindowLongW(hBar, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(::GetWindowLongW(hBar, GWL_STYLE) & WS_POPUP);
}

TEST(ToolBarFloating, CaptionButtonsSitInTheTopRightCorner)
{
    FloatFrame frame;
    OwnerHolder owner;
    ToolBarHolder bar;
    bar->SetCommandBars(owner.pCommandBars);
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, FALSE));
    ASSERT_TRUE(bar->Float(frame.pFrame));

    const CSize sz = bar->CalcDockingLayout(-1, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
    CXTPControl* pClose = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pExpand = bar->GetControls()->FindControl(XTP_ID_TOOLBAR_EXPAND);
    ASSERT_NE(pClose, nullptr);
    ASSERT_NE(pExpand, nullptr);
    const int h = pClose->GetRect().Height();
    EXPECT_GT(h, 0);
    EXPECT_EQ(pClose->GetRect(), CRect(sz.cx - 3 - h, 3, sz.cx - 3, h + 3));
    EXPECT_EQ(pExpand->GetRect(), CRect(sz.cx - 3 - 2 * h, 3, sz.cx - 3 - h, h + 3));
    EXPECT_TRUE(pClose->IsVisible());
    EXPECT_TRUE(pExpand->IsVisible());
    for (int i = 0; i < bar->GetControls()->GetCount(); i++) {
        CXTPControl* pControl = bar->GetControls()->GetAt(i);
        if (pControl != pClose && pControl != pExpand) {
            EXPECT_GE(pControl->GetRect().top, h + 4) << "the buttons lie below the caption";
        }
    }
    EXPECT_EQ(bar->GetControls()->GetCount(), 5) << "made once";
    bar->CalcDockingLayout(-1, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
    EXPECT_EQ(bar->GetControls()->GetCount(), 5);

    owner.Options()->bShowExpandButtonAlways = FALSE;
    bar->SetCloseable(FALSE);
    bar->CalcDockingLayout(-1, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
    EXPECT_FALSE(pClose->IsVisible()) << "a bar that cannot close shows no close button";
    EXPECT_FALSE(pExpand->IsVisible()) << "the option keeps the overflow button out of the caption";
}

TEST(ToolBarFloating, AFloatingBarIsAsWideAsItsRowsNotItsRememberedWidth)
{
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, FALSE));
    bar->PutAt(xtpBarFloating);
    bar->SetCloseable(FALSE);
    const DWORD dwFloating = LM_COMMIT | LM_MRUWIDTH | LM_HORZ;
    const CSize szOneRow = bar->CalcDockingLayout(-1, dwFloating);
    const CRect rcLast = bar->GetControls()->GetAt(2)->GetRect();
    EXPECT_EQ(szOneRow.cx, rcLast.right + 3) << "the default remembered width holds one row";
    EXPECT_EQ(rcLast.top, bar->GetControls()->GetAt(0)->GetRect().top);

    bar->SetMRUWidth(szOneRow.cx - 10);
    const CSize szWrapped = bar->CalcDockingLayout(-1, dwFloating);
    EXPECT_EQ(szWrapped.cx, szOneRow.cx - 10) << "wrapped rows take the width the user gave";
    EXPECT_GT(szWrapped.cy, szOneRow.cy);
}

TEST(ToolBarFloating, FloatStatusHidesShowsAndAnswersTheSyncQuestion)
{
    FloatFrame frame;
    ToolBarHolder bar;
    ASSERT_TRUE(bar->Float(frame.pFrame));
    const HWND hBar = bar->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hBar));

    EXPECT_EQ(bar->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE), 1);
    bar->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_FALSE(::IsWindowVisible(hBar));
    bar->SendMessage(WM_FLOATSTATUS, FS_SHOW);
    EXPECT_TRUE(::IsWindowVisible(hBar));
    bar->SendMessage(WM_FLOATSTATUS, FS_DISABLE);
    EXPECT_FALSE(::IsWindowEnabled(hBar));
    bar->SendMessage(WM_FLOATSTATUS, FS_ENABLE);
    EXPECT_TRUE(::IsWindowEnabled(hBar));

    ASSERT_TRUE(bar->SetFloatingMode(FALSE, frame.pFrame));
    bar->SendMessage(WM_FLOATSTATUS, FS_HIDE);
    EXPECT_TRUE(::IsWindowVisible(hBar)) << "only a floating bar follows the frame";
}
