// A toolbar's state: showing and hiding (and the tear-off bar that goes with
// hiding), print preview, reset to the initial buttons, copying, and the
// tooltip hit test.
#include <gtest/gtest.h>

#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPShortcutManager.h"
#include "CXTPToolTipContext.h"
#include "DialogAnswerer.h"
#include "TestResourceIds.h"
#include "TestToolBar.h"

#include <vector>

namespace {

// A frame that records the visibility and context menu notices of the bars.
class NoticeFrame : public CFrameWnd {
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_notices;
    std::vector<WPARAM> m_contextMenus;

protected:
    afx_msg LRESULT OnVisibilityChanged(WPARAM wParam, LPARAM lParam)
    {
        m_notices.emplace_back(wParam, lParam);
        return 0;
    }
    afx_msg LRESULT OnContextMenuNotice(WPARAM wParam, LPARAM /*lParam*/)
    {
        m_contextMenus.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(NoticeFrame, CFrameWnd)
    ON_MESSAGE(WM_CMDBARS_VISIBILITYCHANGED, OnVisibilityChanged)
    ON_MESSAGE(WM_CMDBARS_CONTEXTMENU, OnContextMenuNotice)
END_MESSAGE_MAP()

// Command bars attached to a visible notice frame; both go at the end of a scope.
struct OwnedFrame {
    OwnedFrame()
    {
        pFrame->Create(nullptr, L"Toolbar tests", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300));
        hWnd = pFrame->GetSafeHwnd();
        pCommandBars->AttachFrame(pFrame);
        pCommandBars->EnableDocking();
    }
    ~OwnedFrame()
    {
        pCommandBars->InternalRelease();
        if (::IsWindow(hWnd))
            pFrame->DestroyWindow();
    }
    CXTPToolBar* AddBar(LPCTSTR lpszTitle = L"Standard")
    {
        CXTPToolBar* pBar = pCommandBars->AddToolBar(lpszTitle);
        if (pBar)
            pBar->LoadToolBar(IDR_TB_SMALL, FALSE);
        return pBar;
    }
    NoticeFrame* pFrame = new NoticeFrame;
    HWND hWnd = nullptr;
    CXTPCommandBars* pCommandBars = new CXTPCommandBars;
};

// The ids of the bar's own controls (not its overflow and close buttons).
std::vector<int> IdsOf(CXTPControls* pControls)
{
    std::vector<int> ids;
    for (int i = 0; i < pControls->GetCount(); i++) {
        if (!pControls->GetAt(i)->IsTemporary())
            ids.push_back(pControls->GetAt(i)->GetID());
    }
    return ids;
}

} // namespace

TEST(ToolBarVisibility, ShowingAndHidingTellTheFrameOnce)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(pBar->IsVisible());
    pBar->SetVisible(TRUE);
    EXPECT_TRUE(owned.pFrame->m_notices.empty()) << "no change, no notice";

    pBar->SetVisible(FALSE);
    EXPECT_FALSE(::IsWindowVisible(pBar->GetSafeHwnd()));
    pBar->SetVisible(TRUE);
    EXPECT_TRUE(::IsWindowVisible(pBar->GetSafeHwnd()));
    ASSERT_EQ(owned.pFrame->m_notices.size(), 2u);
    EXPECT_EQ(owned.pFrame->m_notices[0], std::make_pair(reinterpret_cast<WPARAM>(pBar), LPARAM(FALSE)));
    EXPECT_EQ(owned.pFrame->m_notices[1].second, TRUE);
    EXPECT_EQ(owned.pCommandBars->GetCount(), 1);
}

TEST(ToolBarVisibility, AHiddenTearOffBarLeavesTheBarList)
{
    OwnedFrame owned;
    CXTPToolBar* pKept = owned.AddBar(L"Kept");
    CXTPToolBar* pTorn = owned.AddBar(L"Torn off");
    ASSERT_NE(pTorn, nullptr);
    pTorn->SetTearOff(TRUE);
    pTorn->InternalAddRef();   // watched past its removal
    pTorn->SetVisible(FALSE);
    EXPECT_EQ(owned.pCommandBars->IndexOf(pTorn), -1);
    EXPECT_EQ(owned.pCommandBars->GetCount(), 1);
    pTorn->InternalRelease();

    pKept->SetVisible(FALSE);
    EXPECT_EQ(owned.pCommandBars->IndexOf(pKept), 0) << "a built-in bar only hides";
}

TEST(ToolBarVisibility, PrintPreviewHidesAndGivesBackOnlyVisibleBars)
{
    OwnedFrame owned;
    CXTPToolBar* pShown = owned.AddBar(L"Shown");
    CXTPToolBar* pHidden = owned.AddBar(L"Hidden");
    CXTPToolBar* pTorn = owned.AddBar(L"Torn off");
    pTorn->SetTearOff(TRUE);
    pHidden->SetVisible(FALSE);
    owned.pFrame->m_notices.clear();
    for (CXTPToolBar* pBar : {pShown, pHidden, pTorn})
        pBar->OnSetPreviewMode(TRUE);
    EXPECT_FALSE(pShown->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(pShown->GetSafeHwnd()));
    EXPECT_EQ(owned.pCommandBars->IndexOf(pTorn), 2) << "the preview is no user's hiding";
    pShown->OnSetPreviewMode(TRUE);
    for (CXTPToolBar* pBar : {pShown, pHidden, pTorn})
        pBar->OnSetPreviewMode(FALSE);
    EXPECT_TRUE(pShown->IsVisible());
    EXPECT_TRUE(::IsWindowVisible(pShown->GetSafeHwnd()));
    EXPECT_TRUE(pTorn->IsVisible());
    EXPECT_FALSE(pHidden->IsVisible());
    EXPECT_TRUE(owned.pFrame->m_notices.empty());
}

TEST(ToolBarReset, AnsweredOkPutsBackTheInitialButtons)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    const std::vector<int> initial = IdsOf(pBar->GetControls());
    pBar->GetControls()->Remove(0);
    pBar->GetControls()->Add(xtpControlButton, 34500);
    const std::vector<int> changed = IdsOf(pBar->GetControls());

    std::wstring question;
    {
        testsupport::DialogAnswerer cancel([&](HWND hDialog) {
            question = testsupport::DialogTexts(hDialog);
            testsupport::PressDialogButton(hDialog, IDCANCEL);
        });
        pBar->Reset();
        EXPECT_TRUE(cancel.Finish());
    }
    EXPECT_NE(question.find(L"Are you sure you want to reset the changes made to the 'Standard' toolbar?"),
              std::wstring::npos);
    EXPECT_EQ(IdsOf(pBar->GetControls()), changed) << "cancelled";

    testsupport::DialogAnswerer ok([](HWND hDialog) { testsupport::PressDialogButton(hDialog, IDOK); });
    pBar->Reset();
    EXPECT_TRUE(ok.Finish());
    EXPECT_EQ(IdsOf(pBar->GetControls()), initial);
}

TEST(ToolBarReset, UserBarsAreNotReset)
{
    ToolBarHolder bar;
    ASSERT_TRUE(bar->LoadToolBar(IDR_TB_SMALL, FALSE));
    bar->SetBuiltIn(FALSE);
    bar->GetControls()->RemoveAll();
    bar->Reset();   // asks nothing: a dialog would hold the test up
    EXPECT_EQ(bar->GetControls()->GetCount(), 0);
}

TEST(ToolBarCopy, CopyCarriesTheToolbarsOwnFlags)
{
    ToolBarHolder source;
    ASSERT_TRUE(source->LoadToolBar(IDR_TB_SMALL, FALSE));
    source->SetBuiltIn(FALSE);
    source->SetTearOff(TRUE);
    source->SetCloseable(FALSE);
    CXTPCommandBar* pClone = source->Clone();
    auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pClone);
    ASSERT_NE(pToolBar, nullptr);
    EXPECT_FALSE(pToolBar->IsBuiltIn());
    EXPECT_TRUE(pToolBar->IsTearOff());
    EXPECT_FALSE(pToolBar->IsCloseable());
    EXPECT_EQ(IdsOf(pToolBar->GetControls()), IdsOf(source->GetControls()));
    pClone->InternalRelease();
}

TEST(ToolBarItemIndex, FindsTheSameIdAndTypeFromAStart)
{
    ToolBarHolder bar;
    CXTPControls* pControls = bar->GetControls();
    pControls->Add(xtpControlButton, 10);
    pControls->Add(xtpControlPopup, 20);
    pControls->Add(xtpControlButton, 20);
    pControls->Add(xtpControlButton, 10);
    CXTPControl* pFirst = pControls->GetAt(0);
    CXTPControl* pButton20 = pControls->GetAt(2);
    EXPECT_EQ(CXTPToolBar::GetItemIndex(pControls, pFirst, 0), 0);
    EXPECT_EQ(CXTPToolBar::GetItemIndex(pControls, pFirst, 1), 3);
    EXPECT_EQ(CXTPToolBar::GetItemIndex(pControls, pButton20, 0), 2) << "the type must match too";
    EXPECT_EQ(CXTPToolBar::GetItemIndex(pControls, pFirst, 4), -1);
    EXPECT_EQ(CXTPToolBar::GetItemIndex(pControls, nullptr, 0), -1);
}

TEST(ToolBarToolTips, TipsFollowTheOptionsAndShowShortcuts)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    pBar->OnRecalcLayout();
    owned.pCommandBars->FlushFrameLayout();
    CXTPControl* pFirst = pBar->GetControls()->FindControl(ID_TB_FIRST);
    CXTPControl* pSecond = pBar->GetControls()->FindControl(ID_TB_SECOND);
    ASSERT_TRUE(pFirst->IsVisible());
    pFirst->SetShortcutText(L"Ctrl+F");
    ACCEL accel = {FVIRTKEY | FCONTROL, 'S', static_cast<WORD>(ID_TB_SECOND)};
    const HACCEL hAccel = ::CreateAcceleratorTableW(&accel, 1);
    owned.pCommandBars->GetShortcutManager()->SetDefaultAccelerators(hAccel);
    ::DestroyAcceleratorTable(hAccel);

    auto Tip = [&](CXTPControl* pControl, CString* pText) {
        TOOLINFO ti = {};
        ti.cbSize = sizeof(ti);
        const INT_PTR nHit = pBar->OnToolHitTest(pControl->GetRect().CenterPoint(), &ti);
        if (pText)
            *pText = ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACK ? CString(ti.lpszText) : CString();
        if (ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACK)
            free(ti.lpszText);
        return nHit;
    };
    CString strTip;
    EXPECT_EQ(Tip(pFirst, &strTip), ID_TB_FIRST);
    EXPECT_EQ(strTip, CString(L"First"));

    owned.pCommandBars->GetCommandBarsOptions()->bToolBarAccelTips = TRUE;
    Tip(pFirst, &strTip);
    EXPECT_EQ(strTip, CString(L"First (Ctrl+F)")) << "the control's own shortcut";
    Tip(pSecond, &strTip);
    EXPECT_EQ(strTip, CString(L"Second (Ctrl+S)")) << "the shortcut manager's";

    owned.pCommandBars->GetCommandBarsOptions()->bToolBarScreenTips = FALSE;
    EXPECT_EQ(Tip(pFirst, nullptr), -1);
    owned.pCommandBars->GetCommandBarsOptions()->bToolBarScreenTips = TRUE;
    EXPECT_EQ(pBar->OnToolHitTest(CPoint(-5, -5), nullptr), -1) << "no control there";
}

TEST(ToolBarInDialog, TabMovesTheFocusOnAndEndsTracking)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(WS_EX_CONTROLPARENT, AfxRegisterWndClass(0), L"dialog", WS_POPUP | WS_VISIBLE,
                                CRect(0, 0, 300, 100), nullptr, 0));
    CEdit before;
    CEdit after;
    ASSERT_TRUE(before.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 50, 20), &parent, 1));
    ToolBarHolder bar;   // no drag context: a bar placed in a dialog
    ASSERT_TRUE(bar->LoadToolBarResource(IDR_TB_SMALL, FALSE));
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 30, 200, 60),
                              &parent, 2));
    ASSERT_TRUE(after.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 70, 50, 90), &parent, 3));
    bar->SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    ASSERT_TRUE(bar->IsTrackingMode());

    EXPECT_EQ(bar->OnKeyDown(VK_TAB, 0), 1);
    EXPECT_EQ(::GetFocus(), after.GetSafeHwnd());
    EXPECT_FALSE(bar->IsTrackingMode());
    bar->DestroyWindow();
    parent.DestroyWindow();
}

TEST(ToolBarMouse, ARightClickEndsTrackingAndAsksTheOwnerForTheToolbarsMenu)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    owned.pCommandBars->FlushFrameLayout();
    pBar->SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    ASSERT_GE(pBar->GetSelectedIndex(), 0);
    pBar->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(1, 1));
    EXPECT_FALSE(pBar->IsTrackingMode());
    EXPECT_EQ(pBar->GetSelectedIndex(), -1);
    EXPECT_EQ(owned.pFrame->m_contextMenus, std::vector<WPARAM>{reinterpret_cast<WPARAM>(pBar)});
}

TEST(ToolBarMouse, AFloatingBarTakesNoActivationFromAClick)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    const LPARAM lParam = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    const WPARAM wTop = reinterpret_cast<WPARAM>(owned.hWnd);
    EXPECT_NE(pBar->SendMessage(WM_MOUSEACTIVATE, wTop, lParam), MA_NOACTIVATE) << "docked";
    ASSERT_TRUE(pBar->SetPosition(xtpBarFloating));
    EXPECT_EQ(pBar->SendMessage(WM_MOUSEACTIVATE, wTop, lParam), MA_NOACTIVATE);
}

TEST(ToolBarMouse, DraggingTheRightBorderOfAFloatingBarWrapsItsRows)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.pCommandBars->AddToolBar(L"Float", xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(pBar->LoadToolBar(IDR_TB_SMALL, FALSE));
    pBar->OnRecalcLayout();
    CRect rcBefore;
    pBar->GetWindowRect(&rcBefore);
    const CPoint ptStart(rcBefore.right - 2, rcBefore.CenterPoint().y);
    ASSERT_EQ(pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptStart.x, ptStart.y)), HTRIGHT);

    // The loop takes the mouse messages the frame would get.
    CPoint ptEnd = ptStart - CPoint(30, 0);
    owned.pFrame->ScreenToClient(&ptEnd);
    owned.pFrame->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptEnd.x, ptEnd.y));
    owned.pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptEnd.x, ptEnd.y));
    pBar->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(ptStart.x, ptStart.y));

    CRect rcAfter;
    pBar->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcAfter.TopLeft(), rcBefore.TopLeft());
    EXPECT_EQ(rcAfter.Width(), rcBefore.Width() - 30);
    EXPECT_GT(rcAfter.Height(), rcBefore.Height()) << "the buttons wrap into more rows";
    EXPECT_EQ(pBar->GetMRUWidth(), rcAfter.Width());
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST(ToolBarVisibility, TheCloseButtonOfAFloatingBarHidesIt)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.pCommandBars->AddToolBar(L"Float", xtpBarFloating);
    ASSERT_NE(pBar, nullptr);
    ASSERT_TRUE(pBar->LoadToolBar(IDR_TB_SMALL, FALSE));
    pBar->OnRecalcLayout();
    CXTPControl* pClose = pBar->GetControls()->FindControl(XTP_ID_TOOLBAR_HIDE);
    ASSERT_NE(pClose, nullptr);
    EXPECT_EQ(pBar->OnToolHitTest(pClose->GetRect().CenterPoint(), nullptr), XTP_ID_TOOLBAR_HIDE)
        << "it has its tip";
    pClose->Execute();
    EXPECT_FALSE(pBar->IsVisible());
    EXPECT_FALSE(::IsWindowVisible(pBar->GetSafeHwnd()));
    ASSERT_EQ(owned.pFrame->m_notices.size(), 1u);
    EXPECT_EQ(owned.pFrame->m_notices[0].second, FALSE);
}

TEST(ToolBarToolTips, ABarOfTheOwnerShowsItsTipsThroughTheOwnersContext)
{
    OwnedFrame owned;
    CXTPToolBar* pBar = owned.AddBar();
    ASSERT_NE(pBar, nullptr);
    owned.pCommandBars->FlushFrameLayout();
    CXTPToolTipContext* pContext = owned.pCommandBars->GetToolTipContext();
    ASSERT_EQ(pBar->GetToolTipContext(), pContext);

    const CPoint pt = pBar->GetControls()->FindControl(ID_TB_SECOND)->GetRect().CenterPoint();
    pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(pContext->GetLastTool().hwnd, pBar->GetSafeHwnd());
    EXPECT_EQ(pContext->GetLastTool().uId, static_cast<UINT_PTR>(ID_TB_SECOND));
}
