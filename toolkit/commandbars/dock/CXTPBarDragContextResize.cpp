// Resizing a floating bar by the border the mouse took.
#include "CXTPBarDragContext.h"

#include <algorithm>

#include "CXTPCommandBars.h"
#include "CXTPToolBar.h"
#include "WorkArea.h"

void CXTPBarDragContext::StartResize(UINT nHitTest, CPoint point)
{
    m_nMode = static_cast<int>(nHitTest);
    m_ptLast = point;
    m_pBar->GetWindowRect(&m_rectFloat);
    Track();
    if (m_pBar->GetPosition() != xtpBarFloating)
        return;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    m_ptLastFloat = rcWindow.TopLeft();
    m_pBar->SetMRUWidth(rcWindow.Width());
}

BOOL CXTPBarDragContext::IsOnWorkArea(const CRect& rc) const
{
    CRect rcWork = GetWorkAreaFromWindow(m_pBar->GetSafeHwnd());
    CRect rcCommon;
    return rcCommon.IntersectRect(&rc, &rcWork);
}

void CXTPBarDragContext::ResizeFree(CPoint point)
{
    CPoint delta = point - m_ptLast;
    m_ptLast = point;
    switch (m_nMode) {
    case HTLEFT: case HTTOPLEFT: case HTBOTTOMLEFT:
        m_rectFloat.left += delta.x;
        break;
    case HTRIGHT: case HTTOPRIGHT: case HTBOTTOMRIGHT:
        m_rectFloat.right += delta.x;
        break;
    default:
        break;
    }
    switch (m_nMode) {
    case HTTOP: case HTTOPLEFT: case HTTOPRIGHT:
        m_rectFloat.top += delta.y;
        break;
    case HTBOTTOM: case HTBOTTOMLEFT: case HTBOTTOMRIGHT:
        m_rectFloat.bottom += delta.y;
        break;
    default:
        break;
    }
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    if (m_rectFloat.Size() == rcWindow.Size() || !IsOnWorkArea(m_rectFloat))
        return;
    m_pBar->SetWindowPos(nullptr, m_rectFloat.left, m_rectFloat.top, m_rectFloat.Width(), m_rectFloat.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Invalidate(FALSE);
}

void CXTPBarDragContext::ResizeToolBar(CPoint point)
{
    CPoint delta = point - m_ptLast;
    m_ptLast = point;
    CSize size;
    switch (m_nMode) {
    case HTLEFT:
    case HTRIGHT:
        (m_nMode == HTLEFT ? m_rectFloat.left : m_rectFloat.right) += delta.x;
        size = m_pBar->CalcDockingLayout(std::max(0, m_rectFloat.Width()), LM_COMMIT | LM_HORZ);
        break;
    default:
        (m_nMode == HTTOP ? m_rectFloat.top : m_rectFloat.bottom) += delta.y;
        size = m_pBar->CalcDockingLayout(std::max(0, m_rectFloat.Height()), LM_COMMIT | LM_LENGTHY | LM_HORZ);
        break;
    }
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    if (size == rcWindow.Size())
        return;
    CRect rcNew = rcWindow;
    switch (m_nMode) {
    case HTLEFT:
        rcNew = CRect(CPoint(rcWindow.right - size.cx, rcWindow.top), size);
        break;
    case HTRIGHT:
    case HTBOTTOM:
        rcNew = CRect(rcWindow.TopLeft(), size);
        break;
    case HTTOP:
        rcNew = CRect(CPoint(rcWindow.left, rcWindow.bottom - size.cy), size);
        break;
    default:
        break;
    }
    if (!IsOnWorkArea(rcNew))
        return;
    m_pBar->SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
    m_pBar->Invalidate(FALSE);
}
