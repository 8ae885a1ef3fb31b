#include "CXTPToolBar.h"

#include "CXTPBarDragContext.h"
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPPropExchange.h"
#include "CXTPResourceManager.h"
#include "PropExchangeHelpers.h"

IMPLEMENT_DYNCREATE(CXTPToolBar, CXTPCommandBar)

BEGIN_MESSAGE_MAP(CXTPToolBar, CXTPCommandBar)
    ON_WM_RBUTTONDOWN()
    ON_WM_NCCREATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_MOUSEACTIVATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CXTPToolBar::CXTPToolBar()
{
    m_dwStyle = CBRS_GRIPPER;
    m_bCloseable = TRUE;
}

CXTPToolBar::~CXTPToolBar()
{
    delete m_pDragContext;
}

void CXTPToolBar::SetFlags(DWORD dwFlags)
{
    if (!m_pDragContext)
        m_pDragContext = new CXTPBarDragContext(this);
    m_dwFlags = dwFlags;
}

void CXTPToolBar::SetShowTextBelowIcons(int nMode)
{
    m_nDerivedMode = nMode;
    DelayLayout();
}

int CXTPToolBar::GetShowTextBelowIcons() const
{
    if (m_nDerivedMode != 2)
        return m_nDerivedMode;
    const CXTPCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars ? pCommandBars->GetCommandBarsOptions()->bShowTextBelowIcons : 0;
}

CSize CXTPToolBar::GetBarIconSize() const
{
    const CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return m_szIcons.cx > 0 ? m_szIcons : CSize(16, 16);
    const CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    if (m_barType == xtpBarTypePopup)
        return m_szIcons.cx > 0 ? m_szIcons : pOptions->szPopupIcons;

    CSize szIcons = m_szIcons.cx > 0 ? m_szIcons : pOptions->szIcons.cx > 0 ? pOptions->szIcons : CSize(16, 16);
    if (pOptions->bLargeIcons && m_szButtons.cx == 0)
        szIcons = pOptions->szLargeIcons.cx > 0 ? pOptions->szLargeIcons : CSize(szIcons.cx * 2, szIcons.cy * 2);
    return szIcons;
}

BOOL CXTPToolBar::LoadToolBar(UINT nIDResource, BOOL bLoadIcons)
{
    m_nBarID = static_cast<int>(nIDResource);
    if (!LoadToolBarResource(nIDResource, bLoadIcons))
        return FALSE;
    m_pControls->CreateOriginalControls();
    return TRUE;
}

void CXTPToolBar::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (!bVisible && m_bTracking != xtpTrackingOff)
        EndTracking();
    if (GetSafeHwnd())
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);

    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    if (m_pDockBar)
        pCommandBars->RecalcFrameLayout();
    if (CWnd* pFrame = pCommandBars->GetSite(); pFrame && pFrame->GetSafeHwnd())
        pFrame->SendMessage(WM_CMDBARS_VISIBILITYCHANGED, reinterpret_cast<WPARAM>(this), bVisible);
    // A bar torn off a popup lives only while it is shown.
    if (!bVisible && m_bTearOff)
        pCommandBars->RemoveCommandBar(this);
}

BOOL CXTPToolBar::SetPosition(int barPosition)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return FALSE;
    if (barPosition >= xtpBarTop && barPosition <= xtpBarRight)
        return pCommandBars->DockCommandBar(this, barPosition);
    if (barPosition == xtpBarFloating)
        return pCommandBars->FloatCommandBar(this);
    return FALSE;
}

void CXTPToolBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    PX_Bool(pPX, L"BuiltIn", m_bBuiltIn, TRUE);
    PX_Bool(pPX, L"TearOff", m_bTearOff, FALSE);
    PX_Bool(pPX, L"Closeable", m_bCloseable, TRUE);
    PX_Bool(pPX, L"ContextMenuPresent", m_bContextMenuPresent, TRUE);
}

int CXTPToolBar::OnKeyDown(UINT nChar, LPARAM lParam)
{
    // A bar placed in a dialog passes Tab on to the dialog's next tab stop.
    if (m_pDragContext || nChar != VK_TAB)
        return CXTPCommandBar::OnKeyDown(nChar, lParam);
    CWnd* pParent = GetParent();
    if (!pParent)
        return CXTPCommandBar::OnKeyDown(nChar, lParam);
    const BOOL bPrevious = ::GetKeyState(VK_SHIFT) < 0;
    HWND hwndNext = ::GetNextDlgTabItem(pParent->GetSafeHwnd(), m_hWnd, bPrevious);
    if (hwndNext && hwndNext != m_hWnd) {
        ::SetFocus(hwndNext);
        EndTracking();
    }
    return 1;
}

void CXTPToolBar::Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive)
{
    CXTPCommandBar::Copy(pCommandBar, bRecursive);
    if (auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pCommandBar)) {
        m_bBuiltIn = pToolBar->m_bBuiltIn;
        m_bTearOff = pToolBar->m_bTearOff;
        m_bCloseable = pToolBar->m_bCloseable;
    }
}

void CXTPToolBar::Reset()
{
    if (!m_bBuiltIn || m_nBarID <= 0 || !m_bCustomizable)
        return;
    CString strPrompt;
    GetResourceManager()->FetchString(strPrompt, XTP_IDS_CONFIRM_RESETTOOLBAR);
    CString strMessage;
    strMessage.Format(strPrompt, m_strTitle.GetString());
    if (AfxMessageBox(strMessage, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;

    if (CXTPControls* pOriginal = m_pControls->GetOriginalControls()) {
        m_pControls->RemoveAll();
        for (int i = 0; i < pOriginal->GetCount(); i++) {
            if (!pOriginal->GetAt(i)->IsTemporary())
                m_pControls->AddClone(pOriginal->GetAt(i));
        }
    } else {
        LoadToolBarResource(static_cast<UINT>(m_nBarID), FALSE);
    }
    OnUpdateCmdUI();
    OnRecalcLayout();
}

void CXTPToolBar::OnSetPreviewMode(BOOL bPreview)
{
    if (m_bPreviewMode == bPreview)
        return;
    m_bPreviewMode = bPreview;
    // Only the window goes: the preview is no user's hiding, so nobody is
    // told and a tear-off bar stays in the owner's list.
    if (bPreview) {
        m_bPreviewVisible = m_bVisible;
        if (!m_bVisible)
            return;
        if (m_bTracking != xtpTrackingOff)
            EndTracking();
        m_bVisible = FALSE;
        if (GetSafeHwnd())
            ShowWindow(SW_HIDE);
        return;
    }
    if (!m_bPreviewVisible)
        return;
    m_bVisible = TRUE;
    if (GetSafeHwnd())
        ShowWindow(SW_SHOWNA);
    if (m_barType != xtpBarTypePopup) {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->RecalcLayout();
    }
}

int CXTPToolBar::GetItemIndex(CXTPControls* pControls, CXTPControl* pControl, int nStart)
{
    if (!pControl)
        return -1;
    for (int i = nStart; i < pControls->GetCount(); i++) {
        CXTPControl* pItem = pControls->GetAt(i);
        if (pItem->GetID() == pControl->GetID() && pItem->GetType() == pControl->GetType())
            return i;
    }
    return -1;
}
