// The mouse over a command bar: the hot control follows it, the buttons go
// to the control under it.
#include "CXTPCommandBar.h"

#include "CCmdTargetHold.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPMouseTracker.h"
#include "WindowGeometry.h"

void CXTPCommandBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!GetSafeHwnd())
        return;
    CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
    if (pTracker->IsOtherTracking(this))
        return;
    const BOOL bActive = m_bTracking || IsTopLevelActive(m_hWnd);
    if ((!bActive && m_barPosition != xtpBarPopup) || pTracker->IsLocked())
        return;
    // While customizing nothing is hot; the customize selection sets its cursor.
    if (IsCustomizeMode()) {
        if (CXTPControl* pCustomizeSelected = GetCustomizeSelected())
            pCustomizeSelected->OnCustomizeSetCursor(point);
        return;
    }

    int nSelected = -1;
    if (m_bTracking && (m_barPosition != xtpBarPopup || m_nPopuped != -1 || m_bKeyboardSelect))
        nSelected = m_nSelected;
    // The control may close the bar; it stays until the move is handled.
    CCmdTargetHold hold(this);
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetHideFlags() == 0 && pControl->GetRect().PtInRect(point)) {
            nSelected = i;
            pTracker->TrackMouseLeave(m_hWnd);
            pControl->OnMouseMove(point);
        }
    }
    SetSelected(nSelected, FALSE);
}

void CXTPCommandBar::OnMouseLeave()
{
    if (CXTPMouseTracker::GetThreadTracker()->IsLocked() || m_nLockCount > 0)
        return;
    if (!m_bTracking || (m_barPosition == xtpBarPopup && m_nPopuped == -1))
        SetSelected(-1, FALSE);
}

void CXTPCommandBar::OnNcMouseMove(UINT /*nHitTest*/, CPoint /*point*/)
{
    OnMouseLeave();
    Default();
}

void CXTPCommandBar::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl) {
        Default();
        return;
    }
    if (!IsCustomizeMode() || (IsCustomizable() && !(pControl->GetFlags() & xtpFlagNoMovable)))
        pControl->OnClick(FALSE, point);
}

void CXTPCommandBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() ? nullptr : m_pControls->HitTest(point);
    if (pControl)
        pControl->OnLButtonDblClk(point);
    else
        Default();
}

void CXTPCommandBar::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() ? nullptr : m_pControls->HitTest(point);
    if (pControl)
        pControl->OnLButtonUp(point);
    else
        Default();
}

void CXTPCommandBar::OnRButtonUp(UINT /*nFlags*/, CPoint point)
{
    CXTPControl* pControl = IsCustomizeMode() ? nullptr : m_pControls->HitTest(point);
    if (!pControl) {
        Default();
        return;
    }
    CCmdTargetHold holdBar(this);
    CCmdTargetHold holdControl(pControl);
    CWnd* pSite = GetSite();
    if (pSite && pSite->SendMessage(WM_CMDBARS_CONTROLRCLICK, reinterpret_cast<WPARAM>(&point),
                                    reinterpret_cast<LPARAM>(pControl)) == 1)
        return;
    if (GetRootParent()->m_bRightButtonAsLeft)
        pControl->OnLButtonUp(point);
    else
        pControl->OnRButtonUp(point);
}
