// Selection, open popups and tracking mode of a command bar, its navigation
// codes and its timers.
#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"

namespace {

// A control that opens a popup. The popup kinds are made by name (see the
// collection), so they are recognised by the name of their class too.
BOOL IsPopupControl(const CXTPControl* pControl)
{
    static const CRuntimeClass* const pPopupClass = CRuntimeClass::FromName("CXTPControlPopup");
    return pControl && pPopupClass && pControl->IsKindOf(pPopupClass);
}

BOOL IsEnabledPopupControl(const CXTPControl* pControl)
{
    return IsPopupControl(pControl) && pControl->GetEnabled();
}

} // namespace

BOOL CXTPCommandBar::SetSelected(int nSelected, BOOL bKeyboard)
{
    if (nSelected == m_nSelected)
        return FALSE;
    m_bKeyboardSelect = bKeyboard;
    if (!GetSafeHwnd())
        return FALSE;

    LockRedraw();
    if (CXTPControl* pOld = GetAt(m_nSelected))
        pOld->OnSetSelected(0);
    m_nSelected = nSelected;
    if (nSelected == -1) {
        KillTimer(XTP_TID_HOVER);
    } else {
        if (m_bTracking)
            AccessibleNotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_MENU, nSelected + 1);
        if (CXTPControl* pControl = GetAt(nSelected))
            pControl->OnSetSelected(bKeyboard ? 2 : 1);
        CXTPMouseTracker::GetThreadTracker()->SetLastSelectingBar(this);
        if (!bKeyboard)
            SetTimer(XTP_TID_HOVER, 300, nullptr);
    }
    UnlockRedraw();
    return TRUE;
}

BOOL CXTPCommandBar::SetPopuped(int nPopuped, BOOL bKeyboard)
{
    if (nPopuped == m_nPopuped)
        return FALSE;
    // A control that can't open leaves the open popup alone as well.
    CXTPControl* pControl = nPopuped == -1 ? nullptr : GetAt(nPopuped);
    if (nPopuped != -1 && !IsEnabledPopupControl(pControl))
        return FALSE;

    LockRedraw();
    if (m_nPopuped != -1) {
        CXTPControl* pOpen = GetAt(m_nPopuped);
        m_nPopuped = -1;
        if (pOpen)
            pOpen->OnSetPopup(FALSE);
    }
    if (pControl) {
        // Selected first: a keyboard selection closes the open popup, which
        // must not be this one yet; a popup kind may open itself on selection.
        SetTrackingMode(xtpTrackingPopup, FALSE, bKeyboard);
        SetSelected(nPopuped, bKeyboard);
        if (m_nPopuped != nPopuped) {
            m_nPopuped = nPopuped;
            pControl->OnSetPopup(TRUE);
        }
    }
    UnlockRedraw();
    return TRUE;
}

BOOL CXTPCommandBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL bKeyboard)
{
    if ((m_bTracking && bMode) || m_bTracking == bMode) {
        m_bTracking = bMode;
        return FALSE;
    }
    m_bTracking = bMode;

    if (bMode) {
        if (m_barType == xtpBarTypeMenuBar) {
            if (CWnd* pSite = GetSite())
                pSite->SendMessage(WM_CMDBARS_TRACKINGMODE, reinterpret_cast<WPARAM>(this), 0);
        }
        m_bMouseStartedTracking = !bSelectFirst && !bKeyboard;
        if (m_bHideCaret && !m_hwndFocus) {
            HWND hwndFocus = ::GetFocus();
            if (!hwndFocus) {
                CWnd* pSite = GetSite();
                hwndFocus = pSite ? pSite->GetSafeHwnd() : nullptr;
            }
            if (hwndFocus) {
                m_hwndFocus = hwndFocus;
                ::HideCaret(hwndFocus);
            }
        }
        CXTPMouseTracker::GetThreadTracker()->AddTrackedBar(this);
        CXTPKeyboardTracker::GetThreadTracker()->AddClient(this);
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        if (bSelectFirst)
            SetSelected(m_pControls->GetNext(-1, +1, TRUE, FALSE, TRUE), TRUE);
    } else {
        m_bMouseStartedTracking = FALSE;
        CXTPMouseTracker* pMouseTracker = CXTPMouseTracker::GetThreadTracker();
        pMouseTracker->RemoveTrackedBar(this);
        CXTPKeyboardTracker::GetThreadTracker()->RemoveClient(this);
        SetPopuped(-1);
        if (bSelectFirst)
            SetSelected(-1);
        if (m_hwndFocus) {
            ::ShowCaret(m_hwndFocus);
            m_hwndFocus = nullptr;
        }
        m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_REDRAW);
        if (GetSafeHwnd() && !IsRedrawLocked())
            Invalidate(FALSE);
        if (pMouseTracker->GetTrackedBarCount() == 0)
            pMouseTracker->SetMenusExpanded(FALSE);
        if (GetSafeHwnd() && ::GetFocus() == m_hWnd) {
            if (CWnd* pParent = GetParent()) {
                if (CWnd* pNext = pParent->GetNextDlgTabItem(this))
                    pNext->SetFocus();
            }
        }
        m_nLockCount = 0;
    }
    return TRUE;
}

void CXTPCommandBar::EndMenus()
{
    if (m_bTrackingModal)
        SetTrackingMode(xtpTrackingOff, TRUE);
}

BOOL CXTPCommandBar::OnNavigate(int nCode)
{
    const BOOL bPopupToolBar = m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal;
    CXTPControl* pSelected = GetAt(m_nSelected);

    BOOL bCodes = TRUE;
    if (bPopupToolBar && pSelected && m_nPopuped == m_nSelected) {
        if (nCode == XTP_NAVIGATE_NEXT)
            return FALSE;
        if (nCode == XTP_NAVIGATE_PREVIOUS)
            nCode = XTP_NAVIGATE_CLOSEPOPUP;
        bCodes = nCode == XTP_NAVIGATE_CLOSEPOPUP || nCode == XTP_NAVIGATE_OPENPOPUP;
    }
    if (bCodes) {
        // Up on the menu bar (or a popup toolbar) opens the selected menu.
        if (nCode == XTP_NAVIGATE_CLOSEPOPUP && m_nPopuped == -1 && pSelected &&
            (bPopupToolBar || !GetParentCommandBar()) && IsEnabledPopupControl(pSelected))
            nCode = XTP_NAVIGATE_OPENPOPUP;

        if ((bPopupToolBar || m_barPosition == xtpBarFloating) && m_nPopuped == -1 &&
            (nCode == XTP_NAVIGATE_CLOSEPOPUP || nCode == XTP_NAVIGATE_OPENPOPUP) &&
            !IsEnabledPopupControl(pSelected)) {
            MoveToAdjacentRow(nCode == XTP_NAVIGATE_OPENPOPUP);
            return TRUE;
        }
    }

    switch (nCode) {
    case XTP_NAVIGATE_NEXT:
    case XTP_NAVIGATE_PREVIOUS:
        SetSelected(m_pControls->GetNext(m_nSelected, nCode == XTP_NAVIGATE_NEXT ? +1 : -1, TRUE, FALSE, TRUE),
                    TRUE);
        return TRUE;
    case XTP_NAVIGATE_CLOSEPOPUP:
        if (m_nPopuped == -1)
            return FALSE;
        SetPopuped(-1);
        SetTrackingMode(xtpTrackingKeyboard);
        return TRUE;
    case XTP_NAVIGATE_OPENPOPUP:
        if (!pSelected || m_nPopuped == m_nSelected)
            return FALSE;
        pSelected->OnSetSelected(2);
        return SetPopuped(m_nSelected, FALSE);
    case XTP_NAVIGATE_CANCEL:
        if (CXTPCommandBar* pParent = GetParentCommandBar())
            pParent->SetTrackingMode(xtpTrackingKeyboard);
        SetTrackingMode(xtpTrackingOff, TRUE);
        return TRUE;
    case XTP_NAVIGATE_EXECUTE:
        if (pSelected) {
            pSelected->OnSetSelected(2);
            pSelected->OnClick(TRUE, CPoint(0, 0));
        }
        return TRUE;
    case XTP_NAVIGATE_FIRST:
        SetSelected(m_pControls->GetNext(-1, +1, TRUE, FALSE, TRUE), TRUE);
        return TRUE;
    case XTP_NAVIGATE_LAST:
        SetSelected(m_pControls->GetNext(m_pControls->GetCount(), -1, TRUE, FALSE, TRUE), TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}

void CXTPCommandBar::MoveToAdjacentRow(BOOL bDown)
{
    const int nStep = bDown ? +1 : -1;
    CXTPControl* pSelected = GetAt(m_nSelected);
    if (!pSelected) {
        SetSelected(m_pControls->GetNext(-1, nStep, TRUE, FALSE, TRUE), TRUE);
        return;
    }
    const CRect rcSelectedRow = pSelected->GetRowRect();
    const int nLeft = pSelected->GetRect().left;

    // Past the selected row, the first row met is the adjacent one; the walk
    // keeps the control of that row nearest below (down) or above (up) the
    // selected control's left edge, or the row's end nearest to it.
    // One round at most: a selection the walk skips is never met again.
    int nKept = -1;
    CRect rcAdjacentRow;
    int nIndex = m_nSelected;
    for (int nSteps = m_pControls->GetCount(); nSteps > 0; nSteps--) {
        nIndex = m_pControls->GetNext(nIndex, nStep, TRUE, FALSE, TRUE);
        if (nIndex == -1 || nIndex == m_nSelected)
            break;
        CXTPControl* pControl = GetAt(nIndex);
        const CRect rcRow = pControl->GetRowRect();
        if (rcRow.IsRectEmpty())
            continue;
        if (nKept == -1) {
            if (rcRow == rcSelectedRow)
                continue;
            rcAdjacentRow = rcRow;
        } else if (rcRow != rcAdjacentRow) {
            break;
        }
        const int nControlLeft = pControl->GetRect().left;
        if (nKept == -1 || (bDown ? nControlLeft <= nLeft : nControlLeft >= nLeft))
            nKept = nIndex;
    }
    if (nKept != -1)
        SetSelected(nKept, TRUE);
}

void CXTPCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    Default();
    if (nIDEvent != XTP_TID_HOVER || m_nLockCount > 0)
        return;
    KillTimer(XTP_TID_HOVER);
    if (CXTPControl* pSelected = GetAt(m_nSelected))
        pSelected->OnMouseHover();
}

int CXTPCommandBar::OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& /*lResult*/)
{
    if (!m_bTracking)
        return 0;
    if (nMessage == WM_KEYDOWN)
        return OnKeyDown(static_cast<UINT>(wParam), lParam);
    // The wheel would scroll the window under the open menus.
    return nMessage == WM_MOUSEWHEEL ? 1 : 0;
}
