// Mouse messages of a command bar.
#include "CXTPCommandBar.h"

void CXTPCommandBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
}

void CXTPCommandBar::OnMouseLeave()
{
    CWnd::OnMouseLeave();
}

void CXTPCommandBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    CWnd::OnNcMouseMove(nHitTest, point);
}

void CXTPCommandBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
}

void CXTPCommandBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CXTPCommandBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
}

void CXTPCommandBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonUp(nFlags, point);
}
