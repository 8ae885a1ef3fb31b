#include "CXTPBarDragContext.h"

#include <windowsx.h>

#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPDockBar.h"
#include "CXTPMouseTracker.h"
#include "CXTPToolBar.h"

namespace {

// The rectangle moved just far enough that the point lies inside it.
CRect MovedToPoint(CRect rc, CPoint pt)
{
    if (pt.x < rc.left)
        rc.OffsetRect(pt.x - rc.left, 0);
    else if (pt.x > rc.right)
        rc.OffsetRect(pt.x - rc.right, 0);
    if (pt.y < rc.top)
        rc.OffsetRect(0, pt.y - rc.top);
    else if (pt.y > rc.bottom)
        rc.OffsetRect(0, pt.y - rc.bottom);
    return rc;
}

const DWORD c_dwDockFlags[4] = {xtpFlagAlignTop, xtpFlagAlignBottom, xtpFlagAlignLeft, xtpFlagAlignRight};

} // namespace

CXTPBarDragContext::CXTPBarDragContext(CXTPToolBar* pBar) : m_pBar(pBar) {}

void CXTPBarDragContext::StartDrag(CPoint point)
{
    m_nMode = 1;
    m_ptLast = point;
    const int nSavedPosition = m_nLastDockPosition;
    const CRect rcSavedDock = m_rcLastDock;
    const BOOL bWasFloating = m_pBar->GetPosition() == xtpBarFloating;

    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    m_rectDrag = m_rectFloat = MovedToPoint(rcWindow, point);

    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
    CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
    pTracker->Lock();
    Track();
    pTracker->Unlock();

    if (m_pBar->GetPosition() != xtpBarFloating)
        return;
    m_ptLastFloat = m_rectFloat.TopLeft();
    // The place the bar was dragged off survives for the double click.
    if (!bWasFloating) {
        m_nLastDockPosition = nSavedPosition;
        m_rcLastDock = rcSavedDock;
    }
}

void CXTPBarDragContext::Track()
{
    if (::GetCapture() != nullptr)
        return;
    HWND hWnd = m_pBar->GetSafeHwnd();
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    ::SetCapture(hWnd);
    while (::GetCapture() == hWnd) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            ::DispatchMessageW(&msg);
        if (!::GetMessageW(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        BOOL bEnd = FALSE;
        switch (msg.message) {
        case WM_LBUTTONUP:
            bEnd = TRUE;
            break;
        case WM_KEYDOWN:
            bEnd = msg.wParam == VK_ESCAPE;
            break;
        case WM_MOUSEMOVE: {
            // Client coordinates of the window the message was read for,
            // converted while that window stands where it stood then.
            POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            ::ClientToScreen(msg.hwnd, &pt);
            if (CPoint(pt) == m_ptLast)
                break;
            if (m_nMode == 1)
                Move(pt);
            else if (m_pBar->IsDialogBar())
                ResizeFree(pt);
            else
                ResizeToolBar(pt);
            break;
        }
        default:
            ::DispatchMessageW(&msg);
            break;
        }
        pCommandBars->FlushFrameLayout();
        if (bEnd)
            break;
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}

void CXTPBarDragContext::Move(CPoint point)
{
    CPoint delta = point - m_ptLast;
    m_rectDrag.OffsetRect(delta);
    m_rectFloat.OffsetRect(delta);

    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    CXTPDockBar* pDockBarOld = m_pBar->GetDockBar();
    CXTPDockBar* pDockBar = pCommandBars->FindDockBarAt(point, pDockBarOld);
    const DWORD dwFlags = m_pBar->GetFlags();
    if (pDockBar != nullptr && (dwFlags & c_dwDockFlags[pDockBar->GetPosition()])) {
        const BOOL bWasFloating = m_pBar->GetPosition() == xtpBarFloating;
        pCommandBars->DockCommandBar(m_pBar, &m_rectDrag, pDockBar);
        if (pDockBarOld != pDockBar || bWasFloating) {
            pCommandBars->RecalcFrameLayout(FALSE);
            m_pBar->GetWindowRect(&m_rectDrag);
        }
    } else if (dwFlags & xtpFlagFloating) {
        if (m_pBar->GetPosition() != xtpBarFloating) {
            pCommandBars->FloatCommandBar(m_pBar);
            m_rectFloat = MovedToPoint(CRect(m_rectFloat.TopLeft(), GetFloatSize()), point);
        }
        m_pBar->SetWindowPos(nullptr, m_rectFloat.left, m_rectFloat.top, m_rectFloat.Width(), m_rectFloat.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_ptLast = point;
}

CSize CXTPBarDragContext::GetFloatSize() const
{
    return m_pBar->CalcDockingLayout(0, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
}

BOOL CXTPBarDragContext::ToggleDocking()
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    const DWORD dwFlags = m_pBar->GetFlags();
    if (m_pBar->GetPosition() == xtpBarFloating) {
        if ((dwFlags & xtpFlagAlignAny) == 0)
            return FALSE;
        CXTPDockBar* pDockBar = pCommandBars->GetDockBar(m_nLastDockPosition);
        CRect rc = m_rcLastDock;
        pDockBar->ClientToScreen(&rc);
        pCommandBars->DockCommandBar(m_pBar, &rc, pDockBar);
        pCommandBars->RecalcFrameLayout(FALSE);
    } else {
        if ((dwFlags & xtpFlagFloating) == 0 || !pCommandBars->GetCommandBarsOptions()->bDblClickFloat)
            return FALSE;
        CPoint pt = m_ptLastFloat;
        if (pt.x <= 0 || pt.y <= 0) {
            pt = m_rcLastDock.TopLeft();
            m_pBar->GetParent()->ClientToScreen(&pt);
        }
        pCommandBars->FloatCommandBar(m_pBar);
        CSize size = GetFloatSize();
        m_pBar->SetWindowPos(nullptr, pt.x, pt.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
    return TRUE;
}
