#include "CXTPControl.h"

#include "CCmdTargetHold.h"
#include "CXTPCommandBar.h"
#include "CXTPControls.h"
#include "CXTPImageManager.h"
#include "CXTPMenuSoundPlayer.h"
#include "CXTPPaintManager.h"
#include "CXTPResourceManager.h"
#include "FontHelpers.h"

#include <algorithm>
#include <windowsx.h>

IMPLEMENT_DYNCREATE(CXTPControl, CCmdTarget)

CXTPMenuSoundPlayer* (*CXTPControl::s_pfnSoundPlayer)() = &XTPSoundManager;

BEGIN_INTERFACE_MAP(CXTPControl, CCmdTarget)
    INTERFACE_PART(CXTPControl, IID_IAccessible, Accessible)
    INTERFACE_PART(CXTPControl, IID_IDispatch, Accessible)
END_INTERFACE_MAP()

namespace {

// The result of GetMessageW in a private loop: a message to handle, or the end
// of the loop. WM_QUIT is posted again for the outer loop that owns it.
enum class LoopMessage { Message, Quit, Failed };

LoopMessage NextLoopMessage(MSG& msg)
{
    const BOOL bResult = ::GetMessageW(&msg, nullptr, 0, 0);
    if (bResult == -1)
        return LoopMessage::Failed;
    if (bResult == 0) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return LoopMessage::Quit;
    }
    return LoopMessage::Message;
}

void CopyDocTemplateMap(CXTPControl::CDocTemplateMap& target, const CXTPControl::CDocTemplateMap& source)
{
    target.RemoveAll();
    POSITION pos = source.GetStartPosition();
    while (pos) {
        UINT nKey = 0;
        BOOL bValue = FALSE;
        source.GetNextAssoc(pos, nKey, bValue);
        target.SetAt(nKey, bValue);
    }
}

BSTR AllocText(const CString& str) { return ::SysAllocString(str.GetString()); }

} // namespace

CXTPControl::CXTPControl()
{
    m_mapDocTemplatesAssigned.InitHashTable(17, FALSE);
    m_mapDocTemplatesExcluded.InitHashTable(17, FALSE);
}

CXTPControl::~CXTPControl()
{
    m_mapDocTemplatesAssigned.RemoveAll();
    m_mapDocTemplatesExcluded.RemoveAll();
}

void CXTPControl::SetBeginGroup(BOOL bBeginGroup)
{
    m_bBeginGroup = bBeginGroup;
    DelayLayoutParent();
}

void CXTPControl::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RedrawParent();
}

void CXTPControl::SetChecked(int nChecked)
{
    if (m_bChecked == nChecked)
        return;
    m_bChecked = nChecked;
    RedrawParent();
}

void CXTPControl::SetCollapsed(BOOL bCollapsed)
{
    m_bCollapsed = bCollapsed;
    if (!bCollapsed)
        m_dwHideFlags &= ~static_cast<DWORD>(xtpHideExpand);
}

void CXTPControl::SetDefaultItem(BOOL bDefaultItem)
{
    if (m_bDefaultItem == bDefaultItem)
        return;
    m_bDefaultItem = bDefaultItem;
    RedrawParent();
}

BOOL CXTPControl::GetPopuped() const
{
    return m_pParent && m_pParent->GetPopupedIndex() == m_nIndex && m_pParent->GetAt(m_nIndex) == this;
}

void CXTPControl::SetID(int nId)
{
    if (m_nId == nId)
        return;
    CString strPrompt;
    if (GetResourceManager()->FetchString(strPrompt, static_cast<UINT>(nId)))
        SetPrompt(strPrompt);
    m_nId = nId;
}

void CXTPControl::SetPrompt(LPCTSTR lpszPrompt)
{
    const CString strPrompt(lpszPrompt);
    if (strPrompt.IsEmpty())
        return;
    const int nNewLine = strPrompt.Find(L'\n');
    if (nNewLine < 0) {
        m_strTooltipText = strPrompt;
        m_strDescriptionText = strPrompt;
    } else {
        m_strDescriptionText = strPrompt.Left(nNewLine);
        // Only the text up to a second newline belongs to the tooltip.
        const int nNext = strPrompt.Find(L'\n', nNewLine + 1);
        m_strTooltipText = nNext < 0 ? strPrompt.Mid(nNewLine + 1) : strPrompt.Mid(nNewLine + 1, nNext - nNewLine - 1);
    }
    if (m_strCaption.IsEmpty())
        m_strCaption = m_strTooltipText;
}

void CXTPControl::SetCaption(LPCTSTR lpszCaption)
{
    CString strCaption(lpszCaption);
    const int nTab = strCaption.Find(L'\t');
    if (nTab >= 0) {
        m_strShortcutTextAuto = strCaption.Mid(nTab + 1);
        strCaption = strCaption.Left(nTab);
    }
    if (strCaption == m_strCaption)
        return;
    m_strCaption = strCaption;
    DelayLayoutParent();
}

CString CXTPControl::GetDisplayCaption() const
{
    return m_strCustomCaption.IsEmpty() ? m_strCaption : m_strCustomCaption;
}

CString CXTPControl::GetShortcutText() const
{
    return m_strShortcutText.IsEmpty() ? m_strShortcutTextAuto : m_strShortcutText;
}

int CXTPControl::GetEffectiveIconId() const
{
    if (m_nCustomIconId != 0)
        return m_nCustomIconId;
    return m_nIconId > 0 ? m_nIconId : m_nId;
}

CXTPImageManagerIcon* CXTPControl::GetImage(int nWidth)
{
    const int nImage = GetEffectiveIconId();
    if (nImage == 0)
        return nullptr;
    CXTPImageManager* pImageManager = GetImageManager();
    return pImageManager ? pImageManager->GetImage(static_cast<UINT>(nImage), nWidth) : nullptr;
}

BOOL CXTPControl::IsCaptionVisible()
{
    if (m_pParent && m_pParent->GetType() == xtpBarTypePopup)
        return TRUE;
    if (GetDisplayCaption().IsEmpty())
        return FALSE;
    const int nStyle = GetEffectiveStyle();
    if (nStyle == xtpButtonCaption || nStyle == xtpButtonIconAndCaption)
        return TRUE;
    if (nStyle == xtpButtonIcon)
        return FALSE;
    switch (m_controlType) {
    case xtpControlButton:
    case xtpControlButtonPopup:
    case xtpControlSplitButtonPopup:
        return GetImage(0) == nullptr;
    case xtpControlPopup:
    case xtpControlLabel:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CXTPControl::Compare(CXTPControl* pOther)
{
    if (!pOther)
        return FALSE;
    return GetEffectiveStyle() == pOther->GetEffectiveStyle() && m_controlType == pOther->m_controlType &&
           m_nId == pOther->m_nId && m_dwFlags == pOther->m_dwFlags && m_bBeginGroup == pOther->m_bBeginGroup &&
           GetEffectiveIconId() == pOther->GetEffectiveIconId() && m_strCaption == pOther->m_strCaption &&
           m_strTooltipText == pOther->m_strTooltipText && m_strDescriptionText == pOther->m_strDescriptionText &&
           m_strCustomCaption == pOther->m_strCustomCaption && m_buttonCustomStyle == pOther->m_buttonCustomStyle &&
           m_strParameter == pOther->m_strParameter &&
           (m_dwHideFlags & xtpHideCustomize) == (pOther->m_dwHideFlags & xtpHideCustomize);
}

void CXTPControl::Copy(CXTPControl* pControl, BOOL /*bRecursive*/)
{
    m_nId = pControl->m_nId;
    m_nTag = pControl->m_nTag;
    m_dwFlags = pControl->m_dwFlags;
    m_controlType = pControl->m_controlType;
    m_strCaption = pControl->m_strCaption;
    m_strCustomCaption = pControl->m_strCustomCaption;
    m_strShortcutText = pControl->m_strShortcutText;
    m_strShortcutTextAuto = pControl->m_strShortcutTextAuto;
    m_strTooltipText = pControl->m_strTooltipText;
    m_strDescriptionText = pControl->m_strDescriptionText;
    m_nCustomIconId = pControl->m_nCustomIconId;
    m_nIconId = pControl->m_nIconId;
    m_bTemporary = pControl->m_bTemporary;
    m_strParameter = pControl->m_strParameter;
    m_strCategory = pControl->m_strCategory;
    m_dwHideFlags = pControl->m_dwHideFlags;
    m_bDefaultItem = pControl->m_bDefaultItem;
    m_bEnabled = pControl->m_bEnabled;
    m_bChecked = pControl->m_bChecked;
    m_buttonCustomStyle = pControl->m_buttonCustomStyle;
    m_buttonStyle = pControl->m_buttonStyle;
    m_bBeginGroup = pControl->m_bBeginGroup;
    m_bCloseSubMenuOnClick = pControl->m_bCloseSubMenuOnClick;
    CopyDocTemplateMap(m_mapDocTemplatesAssigned, pControl->m_mapDocTemplatesAssigned);
    CopyDocTemplateMap(m_mapDocTemplatesExcluded, pControl->m_mapDocTemplatesExcluded);
}

CXTPControl* CXTPControl::Clone(BOOL bRecursive)
{
    auto* pControl = static_cast<CXTPControl*>(GetRuntimeClass()->CreateObject());
    pControl->Copy(this, bRecursive);
    return pControl;
}

void CXTPControl::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
    // The persisted keys are exchanged by the bar-state persistence.
}

CSize CXTPControl::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawControl(pDC, this, FALSE);
}

void CXTPControl::Draw(CDC* pDC)
{
    GetPaintManager()->DrawControl(pDC, this, TRUE);
}

BOOL CXTPControl::IsCustomizeMode() const
{
    return m_pParent ? m_pParent->IsCustomizeMode() : FALSE;
}

CXTPPaintManager* CXTPControl::GetPaintManager() const
{
    if (m_pParent)
        return m_pParent->GetPaintManager();
    return CXTPPaintManager::GetGlobalPaintManager();
}

CXTPImageManager* CXTPControl::GetImageManager() const
{
    if (m_pParent)
        return m_pParent->GetImageManager();
    return XTPImageManager();
}

void CXTPControl::DelayLayoutParent()
{
    if (m_pParent)
        m_pParent->DelayLayout();
}

void CXTPControl::RedrawParent()
{
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->DelayRedraw();
}

void CXTPControl::RedrawParentNow()
{
    if (m_pParent)
        m_pParent->RedrawNow();
}

BOOL CXTPControl::IsCursorOver() const
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return FALSE;
    CPoint pt;
    ::GetCursorPos(&pt);
    m_pParent->ScreenToClient(&pt);
    return m_rcControl.PtInRect(pt);
}

void CXTPControl::NotifySite(int nCode)
{
    if (!m_pParent)
        return;
    CWnd* pOwner = m_pParent->GetOwnerSite();
    if (!pOwner)
        return;
    ControlNotify notify = {nullptr, m_nId, nCode, this};
    pOwner->SendMessage(WM_CMDBARS_CONTROLNOTIFY, static_cast<WPARAM>(m_nId), reinterpret_cast<LPARAM>(&notify));
}

void CXTPControl::Execute()
{
    // The command's handler may take this control off its bar or release the
    // bar; both stay alive until the execution has finished with them.
    CCmdTargetHold holdControl(this);
    CXTPCommandBar* pParent = m_pParent;
    CCmdTargetHold holdParent(pParent);

    s_pfnSoundPlayer()->Play(CXTPMenuSoundPlayer::MenuCommand);
    m_bPressed = 2;

    CXTPCommandBar* pRoot = pParent ? pParent->GetRootParent() : nullptr;
    CWnd* pOwner = pParent ? pParent->GetOwnerSite() : nullptr;
    const int nId = m_nId;

    if (pRoot && pRoot->GetReturnCmd()) {
        pRoot->EndMenus();
        *pRoot->GetReturnCmd() = nId;
        return;
    }
    ControlNotify notify = {nullptr, nId, CBN_XTP_EXECUTE, this};
    const BOOL bCloseMenus = m_bCloseSubMenuOnClick;
    if (bCloseMenus && pRoot)
        pRoot->EndMenus();
    if (nId == 0 || !pOwner)
        return;
    if (pOwner->SendMessage(WM_CMDBARS_CONTROLNOTIFY, static_cast<WPARAM>(nId), reinterpret_cast<LPARAM>(&notify)) == 0)
        pOwner->SendMessage(WM_COMMAND, static_cast<WPARAM>(nId), 0);
    // A handler that took the control off its bar leaves nothing to update.
    if (!bCloseMenus && m_pParent == pParent && pParent) {
        pParent->OnUpdateCmdUI();
        pParent->RedrawNow();
    }
}

void CXTPControl::TrackClick(CRect rcTrack)
{
    CXTPCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    CCmdTargetHold holdControl(this);
    CCmdTargetHold holdBar(pBar);
    if (rcTrack.IsRectEmpty())
        rcTrack = m_rcControl;

    pBar->SetSelected(m_nIndex, FALSE);
    m_bPressed = 1;
    pBar->RedrawNow();
    ::SetCapture(pBar->m_hWnd);

    BOOL bClick = FALSE;
    BOOL bMoved = FALSE;
    CPoint ptLast(0, 0);
    MSG msg = {};
    while (NextLoopMessage(msg) == LoopMessage::Message) {
        if (msg.message == WM_LBUTTONUP) {
            bClick = GetSelected() != 0 && (!bMoved || rcTrack.PtInRect(ptLast));
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            bMoved = TRUE;
            ptLast = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            if (OnSetSelected(m_rcControl.PtInRect(ptLast)))
                pBar->RedrawNow();
            continue;
        }
        ::DispatchMessageW(&msg);
        if (::GetCapture() != pBar->m_hWnd)
            break;
    }

    if (::GetCapture() == pBar->m_hWnd)
        ::ReleaseCapture();
    if (GetSelected()) {
        pBar->SetSelected(-1);
        m_bSelected = 0;
        pBar->SetStatusIndex(m_nIndex);
    }
    m_bPressed = 0;
    RedrawParent();
    if (bClick)
        Execute();
}

BOOL CXTPControl::OnLButtonDblClk(CPoint point)
{
    OnClick(FALSE, point);
    return TRUE;
}

BOOL CXTPControl::OnSetSelected(int bSelected)
{
    if (bSelected == m_bSelected)
        return FALSE;
    if (bSelected == 2 && m_pParent)
        m_pParent->SetPopuped(-1);
    m_bSelected = bSelected;
    if (m_pParent)
        m_pParent->OnControlSelected(bSelected, this);
    RedrawParent();
    return TRUE;
}

void CXTPControl::OnMouseHover()
{
    if (!m_pParent)
        return;
    if (m_pParent->SetPopuped(-1) && m_pParent->GetTrackingMode() == 2 && m_pParent->GetType() != xtpBarTypePopup)
        m_pParent->SetTrackingMode(FALSE, TRUE);
}

void CXTPControl::OnCustomizeDragOver(CXTPControl* /*pDataObject*/, CPoint /*point*/, DWORD& /*dropEffect*/)
{
    if (!m_pParent)
        return;
    m_pParent->SetPopuped(-1);
    m_pParent->SetSelected(-1);
}

int CXTPControl::OnCustomizeSetCursor(CPoint point)
{
    if (!IsResizable() || !m_rcControl.PtInRect(point))
        return 0;
    if (point.x - m_rcControl.left >= 3 && m_rcControl.right - point.x > 2)
        return m_rcControl.right - point.x;
    ::SetCursor(GetResourceManager()->FetchCursor(XTP_IDC_VRESIZE));
    return 0;
}

BOOL CXTPControl::CustomizeResize(CPoint point)
{
    CXTPCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd() || !m_rcControl.PtInRect(point))
        return FALSE;
    const BOOL bLeftGrip = point.x - m_rcControl.left <= 2;
    const BOOL bRightGrip = m_rcControl.right - point.x <= 2;
    if (!bLeftGrip && !bRightGrip)
        return FALSE;
    CCmdTargetHold holdControl(this);
    CCmdTargetHold holdBar(pBar);

    pBar->RedrawNow();
    CRect rcStart = m_rcControl;
    pBar->ClientToScreen(&rcStart);
    CPoint ptStart = point;
    pBar->ClientToScreen(&ptStart);
    ::SetCapture(pBar->m_hWnd);
    ::SetCursor(GetResourceManager()->FetchCursor(XTP_IDC_VRESIZE));
    HWND hwndDesktop = ::GetDesktopWindow();
    const BOOL bLocked = ::LockWindowUpdate(hwndDesktop);
    HDC hdc = ::GetDCEx(hwndDesktop, nullptr, bLocked ? 0x403 : 0x3);

    const BOOL bMoveRight = !bLeftGrip;
    const int nMinWidth = GetMinWidth();
    CRect rcFrame = rcStart;
    auto invertFrame = [hdc](const CRect& rc) {
        ::PatBlt(hdc, rc.left, rc.top, rc.Width(), 2, DSTINVERT);
        ::PatBlt(hdc, rc.left, rc.bottom - 2, rc.Width(), 2, DSTINVERT);
        ::PatBlt(hdc, rc.left, rc.top + 2, 2, rc.Height() - 4, DSTINVERT);
        ::PatBlt(hdc, rc.right - 2, rc.top + 2, 2, rc.Height() - 4, DSTINVERT);
    };
    invertFrame(rcFrame);

    BOOL bCommit = FALSE;
    MSG msg = {};
    while (NextLoopMessage(msg) == LoopMessage::Message) {
        if (::GetCapture() != pBar->m_hWnd)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_LBUTTONUP) {
            bCommit = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            pBar->ClientToScreen(&pt);
            invertFrame(rcFrame);
            const int nOffset = pt.x - ptStart.x;
            rcFrame = rcStart;
            if (bMoveRight)
                rcFrame.right = std::max(rcStart.right + nOffset, rcStart.left + nMinWidth);
            else
                rcFrame.left = std::min(rcStart.left + nOffset, rcStart.right - nMinWidth);
            invertFrame(rcFrame);
            continue;
        }
        ::DispatchMessageW(&msg);
    }

    invertFrame(rcFrame);
    if (::GetCapture() == pBar->m_hWnd)
        ::ReleaseCapture();
    if (bLocked)
        ::LockWindowUpdate(nullptr);
    ::ReleaseDC(hwndDesktop, hdc);
    if (bCommit && rcFrame.Width() != rcStart.Width()) {
        SetWidth(rcFrame.Width());
        pBar->OnRecalcLayout();
    }
    pBar->SetState(pBar->GetState() & ~static_cast<DWORD>(XTP_BARSTATE_REDRAW));
    if (!pBar->IsRedrawLocked())
        pBar->Invalidate(FALSE);
    return TRUE;
}

HRESULT CXTPControl::QueryAccParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (!m_pParent)
        return E_FAIL;
    return m_pParent->ExternalQueryInterface(&IID_IAccessible, reinterpret_cast<void**>(ppdispParent));
}

HRESULT CXTPControl::QueryAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetCommandBar() ? 1 : 0;
    return S_OK;
}

HRESULT CXTPControl::QueryAccChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CXTPCommandBar* pPopup = GetCommandBar();
    if (GetChildIndex(&varChild) == 1 && pPopup)
        return pPopup->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<void**>(ppdispChild));
    return S_FALSE;
}

HRESULT CXTPControl::QueryAccName(VARIANT varChild, BSTR* pszName)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    CString strName = GetDisplayCaption();
    StripMnemonics(strName);
    const CString strShortcut = GetShortcutText();
    if (!strShortcut.IsEmpty())
        strName += L"\t" + strShortcut;
    *pszName = AllocText(strName);
    return S_OK;
}

HRESULT CXTPControl::QueryAccDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pszDescription = AllocText(GetDescription());
    return S_OK;
}

HRESULT CXTPControl::QueryAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    if (m_pParent && m_pParent->GetType() == xtpBarTypeNormal)
        pvarRole->lVal = GetCommandBar() ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON;
    else
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    return S_OK;
}

HRESULT CXTPControl::QueryAccState(VARIANT varChild, VARIANT* pvarState)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    long nState = STATE_SYSTEM_FOCUSABLE;
    if (m_bSelected)
        nState |= STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    if (!m_pParent || !m_pParent->IsVisible() || m_dwHideFlags != 0)
        nState |= STATE_SYSTEM_INVISIBLE;
    if (!m_bEnabled)
        nState |= STATE_SYSTEM_UNAVAILABLE;
    if (m_bChecked)
        nState |= STATE_SYSTEM_CHECKED;
    if (m_bPressed)
        nState |= STATE_SYSTEM_PRESSED;
    if (GetCommandBar())
        nState |= STATE_SYSTEM_HASPOPUP;
    pvarState->vt = VT_I4;
    pvarState->lVal = nState;
    return S_OK;
}

HRESULT CXTPControl::QueryAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pszDefaultAction = ::SysAllocString(L"Click");
    return S_OK;
}

HRESULT CXTPControl::HandleAccSelect(long /*flagsSelect*/, VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    if (m_pParent && m_pParent->GetSafeHwnd()) {
        m_pParent->SetTrackingMode(TRUE);
        m_pParent->SetSelected(m_nIndex, TRUE);
    }
    return S_OK;
}

HRESULT CXTPControl::HandleAccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_OK;
    CRect rc = m_rcControl;
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPControl::HandleAccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_FALSE;
    CRect rcWindow;
    m_pParent->GetWindowRect(&rcWindow);
    CPoint pt(xLeft, yTop);
    if (!rcWindow.PtInRect(pt))
        return S_FALSE;
    m_pParent->ScreenToClient(&pt);
    if (!m_rcControl.PtInRect(pt))
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT CXTPControl::HandleAccDoDefaultAction(VARIANT varChild)
{
    if (GetChildIndex(&varChild) != CHILDID_SELF)
        return E_INVALIDARG;
    OnClick(TRUE);
    return S_OK;
}
