#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPImageManager.h"
#include "CXTPPaintManager.h"
#include "CXTObjectSelector.h"

IMPLEMENT_DYNCREATE(CXTPCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BEGIN_INTERFACE_MAP(CXTPCommandBar, CWnd)
    INTERFACE_PART(CXTPCommandBar, IID_IAccessible, Accessible)
    INTERFACE_PART(CXTPCommandBar, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

namespace {

// The idle update of one control: enabling, checking and text act on the control.
class CControlCmdUI : public CCmdUI {
public:
    explicit CControlCmdUI(CXTPControl* pControl) : m_pControl(pControl) {}

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        m_pControl->SetEnabled(bOn);
        if (!bOn)
            m_pControl->SetChecked(0);
    }
    void SetCheck(int nCheck) override { m_pControl->SetChecked(nCheck); }
    void SetText(LPCTSTR lpszText) override { m_pControl->SetCaption(lpszText); }

private:
    CXTPControl* m_pControl;
};

} // namespace

CXTPCommandBar::CXTPCommandBar()
{
    m_pControls = new CXTPControls();
    m_pControls->SetParent(this);
}

CXTPCommandBar::~CXTPCommandBar()
{
    if (m_pControls) {
        m_pControls->RemoveAll();
        m_pControls->SetParent(nullptr);
        m_pControls->InternalRelease();
    }
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    if (m_pImageManager)
        m_pImageManager->InternalRelease();
}

void CXTPCommandBar::OnFinalRelease()
{
    if (GetSafeHwnd())
        DestroyWindow();
    delete this;
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

void CXTPCommandBar::EndMenus()
{
    if (m_bTrackingModal)
        SetTrackingMode(FALSE, TRUE);
}

void CXTPCommandBar::SetStatusText(const CString& strText)
{
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

void CXTPCommandBar::OnUpdateCmdUI(BOOL bDisableIfNoHndler)
{
    if (!GetSafeHwnd() || !(GetStyle() & WS_VISIBLE))
        return;
    CWnd* pTarget = GetOwnerSite();
    if (pTarget) {
        const BOOL bSuppressed = GetRootParent()->m_bUpdateSuppressed;
        for (int i = 0; i < m_pControls->GetCount(); i++) {
            CXTPControl* pControl = m_pControls->GetAt(i);
            if (pControl->GetPressed() != 0) {
                pControl->SetPressed(0);
                DelayRedraw();
            }
            if (bSuppressed || (pControl->GetFlags() & xtpFlagManualUpdate))
                continue;
            CControlCmdUI state(pControl);
            state.m_nID = static_cast<UINT>(pControl->GetID());
            state.m_nIndex = static_cast<UINT>(i);
            state.m_pOther = this;
            state.m_nIndexMax = static_cast<UINT>(m_pControls->GetCount());
            if (OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
                continue;
            if (IsCustomizeMode())
                pControl->SetEnabled(TRUE);
            else
                state.DoUpdate(pTarget, bDisableIfNoHndler);
        }
    }
    if (m_dwState & XTP_BARSTATE_REDRAW) {
        m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_REDRAW);
        Invalidate(FALSE);
    }
    if (m_dwState & XTP_BARSTATE_LAYOUT) {
        m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_LAYOUT);
        OnRecalcLayout();
    }
}

void CXTPCommandBar::DrawCommandBar(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillCommandBar(pDC, this);
    if (m_dwStyle & CBRS_GRIPPER)
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);
    BOOL bFirst = TRUE;
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetParent() != this || !pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CXTObjectSelector font(pDC, pPaintManager->GetCommandBarFont(this, pControl->GetDefaultItem()));
        pControl->Draw(pDC);
    }
}
