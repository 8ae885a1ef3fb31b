#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPImageManager.h"
#include "CXTPPaintManager.h"
#include "CXTPMouseTracker.h"
#include "CXTPToolTipContext.h"
#include "CXTPWindowHookManager.h"

IMPLEMENT_DYNCREATE(CXTPCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_TIMER()
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

BEGIN_INTERFACE_MAP(CXTPCommandBar, CWnd)
    INTERFACE_PART(CXTPCommandBar, IID_IAccessible, Accessible)
    INTERFACE_PART(CXTPCommandBar, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

CXTPCommandBar::CXTPCommandBar()
{
    m_pControls = new CXTPControls();
    m_pControls->SetParent(this);
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_bTracking != xtpTrackingOff)
        SetTrackingMode(xtpTrackingOff, TRUE, FALSE);
    CXTPWindowHookManager::Instance().RemoveAll(this);
    CXTPMouseTracker* pMouseTracker = CXTPMouseTracker::GetThreadTracker();
    if (pMouseTracker->GetLastSelectingBar() == this)
        pMouseTracker->SetLastSelectingBar(nullptr);
    if (m_pControls) {
        m_pControls->RemoveAll();
        m_pControls->SetParent(nullptr);
        m_pControls->InternalRelease();
    }
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    if (m_pToolTipContext)
        m_pToolTipContext->InternalRelease();
}

void CXTPCommandBar::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete this;
}

BOOL CXTPCommandBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (m_pToolTipContext)
        m_pToolTipContext->FilterToolTipMessage(this, message, wParam, lParam);
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}

int CXTPCommandBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The plain command bars share no tooltip context and no customize drop
    // source; a bar without command bars shows the framework's tips.
    if (!GetCommandBars() && m_barType != xtpBarTypePopup)
        EnableToolTips(TRUE);
    return 0;
}

void CXTPCommandBar::OnDestroy()
{
    if (m_bTracking != xtpTrackingOff)
        SetTrackingMode(xtpTrackingOff, TRUE, FALSE);
    CWnd::OnDestroy();
}

CXTPControl* CXTPCommandBar::GetAt(int nIndex) const
{
    return m_pControls->GetAt(nIndex);
}

CXTPCommandBars* CXTPCommandBar::GetCommandBars() const
{
    for (const CXTPCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar()) {
        if (pBar->m_pCommandBars)
            return pBar->m_pCommandBars;
    }
    return nullptr;
}

CXTPCommandBar* CXTPCommandBar::GetRootParent()
{
    CXTPCommandBar* pRoot = this;
    while (CXTPCommandBar* pParent = pRoot->GetParentCommandBar())
        pRoot = pParent;
    return pRoot;
}

BOOL CXTPCommandBar::IsCustomizeMode() const
{
    // Customize mode belongs to the command bars' customize sheet; the plain
    // command bars have none.
    return FALSE;
}

BOOL CXTPCommandBar::IsHelpMode() const
{
    // Context help is the mode of the command bars' frame; the plain command
    // bars hand out no frame.
    return FALSE;
}

CXTPControl* CXTPCommandBar::GetCustomizeSelected() const
{
    // The customize selection is kept by the command bars' customize mode,
    // which the plain command bars lack.
    return nullptr;
}

CWnd* CXTPCommandBar::GetSite()
{
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pOwner)
        return pRoot->m_pOwner;
    if (pRoot->GetSafeHwnd()) {
        if (CWnd* pOwner = pRoot->GetOwner())
            return pOwner;
    }
    return AfxGetMainWnd();
}

CWnd* CXTPCommandBar::GetOwnerSite()
{
    CXTPCommandBar* pRoot = GetRootParent();
    return pRoot->m_pNotifyOwner ? pRoot->m_pNotifyOwner : pRoot->GetSite();
}

CXTPPaintManager* CXTPCommandBar::GetPaintManager()
{
    if (m_pPaintManager)
        return m_pPaintManager;
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pPaintManager)
        return pRoot->m_pPaintManager;
    return CXTPPaintManager::GetGlobalPaintManager();
}

void CXTPCommandBar::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
    if (m_pPaintManager)
        m_pPaintManager->RefreshMetrics();
}

CXTPImageManager* CXTPCommandBar::GetImageManager()
{
    if (m_pImageManager)
        return m_pImageManager;
    CXTPCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pImageManager)
        return pRoot->m_pImageManager;
    return XTPImageManager();
}

void CXTPCommandBar::SetImageManager(CXTPImageManager* pImageManager)
{
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
    m_pImageManager = pImageManager;
}

CSize CXTPCommandBar::GetBarIconSize() const
{
    const CSize szIcons = GetIconSize();
    return szIcons.cx > 0 ? szIcons : CSize(16, 16);
}

CSize CXTPCommandBar::GetButtonSize() const
{
    if (m_szButtons.cx > 0)
        return m_szButtons;
    const CSize szIcons = GetBarIconSize();
    return CSize(szIcons.cx + 7, szIcons.cy + 7);
}

void CXTPCommandBar::UnlockRedraw()
{
    if (m_nLockRedraw > 0 && --m_nLockRedraw == 0 && GetSafeHwnd())
        Invalidate(FALSE);
}

void CXTPCommandBar::RedrawNow()
{
    if (GetSafeHwnd())
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CXTPCommandBar::InvalidateParents()
{
    for (CXTPCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar()) {
        if (pBar->GetSafeHwnd())
            pBar->Invalidate(FALSE);
    }
}

BOOL CXTPCommandBar::IsRTL() const
{
    return GetSafeHwnd() && (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

int CXTPCommandBar::IsPointInBar(CPoint point) const
{
    if (!GetSafeHwnd())
        return 0;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    return rcWindow.PtInRect(point) ? 1 : 0;
}

void CXTPCommandBar::AddToBarList(CXTPCommandBarList* pList)
{
    if (!pList->Find(this))
        pList->AddTail(this);
}

void CXTPCommandBar::SetStatusText(const CString& strText)
{
    // The plain command bars have no options, so status texts are always on.
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    if (!strText.IsEmpty())
        pSite->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(strText.GetString()));
    else
        pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
}

void CXTPCommandBar::OnControlSelected(int bSelected, CXTPControl* pControl)
{
    if (!pControl)
        return;
    if (CWnd* pSite = GetSite()) {
        if (pSite->GetSafeHwnd())
            pSite->SendMessage(WM_CMDBARS_CONTROLSELECTED, bSelected ? reinterpret_cast<WPARAM>(pControl) : 0, 0);
    }
    if (pControl->GetIndex() != m_nStatusIndex) {
        m_nStatusIndex = -1;
        SetStatusText(bSelected ? pControl->GetDescription() : CString());
    } else if (bSelected <= 0) {
        m_nStatusIndex = -1;
    }
}

void CXTPCommandBar::OnControlsChanged()
{
    m_nSelected = -1;
    m_nPopuped = -1;
    DelayLayout();
}

BOOL CXTPCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return FALSE;
    if (bRemoveControls)
        m_pControls->RemoveAll();
    m_pControls->AddMenuItems(pMenu);
    if (GetSafeHwnd()) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->m_nIdleFlags |= CFrameWnd::idleLayout | CFrameWnd::idleNotify;
    }
    return TRUE;
}

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
    // The persisted fields are exchanged by the bar-state persistence.
}

void CXTPCommandBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    m_barType = pCommandBar->m_barType;
    m_barPosition = pCommandBar->m_barPosition;
    m_nBarID = pCommandBar->m_nBarID;
    m_dwFlags = pCommandBar->m_dwFlags;
    m_dwStyle = pCommandBar->m_dwStyle;
    m_strTitle = pCommandBar->m_strTitle;
    m_bCustomizable = pCommandBar->m_bCustomizable;
    m_nMRUWidth = pCommandBar->m_nMRUWidth;
    m_szIcons = pCommandBar->m_szIcons;
    m_szButtons = pCommandBar->m_szButtons;
    m_pCommandBars = pCommandBar->m_pCommandBars;
    m_pControls->RemoveAll();
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    m_pControls = pCommandBar->m_pControls->Duplicate(bRecursive);
    m_pControls->SetParent(this);
}

CXTPCommandBar* CXTPCommandBar::Clone(BOOL bRecursive)
{
    auto* pBar = static_cast<CXTPCommandBar*>(GetRuntimeClass()->CreateObject());
    pBar->Copy(this, bRecursive);
    return pBar;
}

INT_PTR CXTPCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl || !pControl->IsVisible())
        return -1;
    if (pTI)
        CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, pControl->GetRect(), pControl->GetID(),
                                           pControl->GetTooltipText());
    return pControl->GetID();
}

LRESULT CXTPCommandBar::OnHelpHitTest(WPARAM /*wParam*/, LPARAM lParam)
{
    const INT_PTR nId = OnToolHitTest(CPoint(lParam), nullptr);
    if (nId > 0)
        return 0x10000 + nId;
    const int nCtrlId = GetDlgCtrlID();
    return nCtrlId != 0 ? 0x50000 + nCtrlId : 0;
}

LRESULT CXTPCommandBar::OnNcHitTest(CPoint point)
{
    if (!IsHelpMode())
        return CWnd::OnNcHitTest(point);
    CPoint ptClient = point;
    ScreenToClient(&ptClient);
    CXTPControl* pControl = m_pControls->HitTest(ptClient);
    if (pControl && pControl->GetID() <= 0 && pControl->GetType() >= xtpControlPopup &&
        pControl->GetType() <= xtpControlSplitButtonPopup)
        return HTMENU;
    return HTCLIENT;
}

void CXTPCommandBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsHelpMode()) {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    ScreenToClient(&point);
    OnLButtonDown(0, point);
}
