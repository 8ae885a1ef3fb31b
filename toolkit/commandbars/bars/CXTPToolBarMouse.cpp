// The toolbar's mouse and focus: the toolbars context menu, dragging by the
// gripper or the empty parts of the bar, resizing by a floating bar's border
// and the double click that docks or floats it.
#include "CXTPToolBar.h"

#include "CXTPBarDragContext.h"
#include "CXTPCommandBars.h"
#include "CXTPControls.h"
#include "CXTPDockBar.h"

void CXTPToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode()) {
        CXTPCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    EndTracking();
    SetSelected(-1);
    Invalidate(FALSE);
    if (CXTPCommandBars* pCommandBars = GetCommandBars()) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        pCommandBars->ContextMenu(this, ptScreen);
    }
}

void CXTPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsFloating())
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_pControls->HitTest(point)) {
        CXTPCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars)
        pCommandBars->CloseAllMenus();
    if (m_pDragContext && (m_dwFlags & (xtpFlagAlignAny | xtpFlagFloating))) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        m_pDragContext->StartDrag(ptScreen);
    }
}

void CXTPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!m_pControls->HitTest(point) && m_pDragContext) {
        m_pDragContext->ToggleDocking();
        return;
    }
    CXTPCommandBar::OnLButtonDblClk(nFlags, point);
}

void CXTPToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_pDragContext || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT) {
        CXTPCommandBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    if (CWnd* pTop = GetTopLevelParent())
        pTop->SetActiveWindow();
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->CloseAllMenus();
    m_pDragContext->StartResize(nHitTest, point);
}

void CXTPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    if (!m_hwndFocus && pOldWnd)
        m_hwndFocus = pOldWnd->GetSafeHwnd();
    Default();
    // A bar placed in a dialog is walked by the keyboard once it has the focus.
    if (!m_pDragContext)
        SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
}
