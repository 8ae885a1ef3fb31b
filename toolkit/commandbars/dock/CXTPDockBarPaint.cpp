#include "CXTPDockBar.h"

void CXTPDockBar::OnPaint()
{
    CPaintDC dc(this);
}

LRESULT CXTPDockBar::OnPrint(WPARAM, LPARAM)
{
    return 1;
}

void CXTPDockBar::OnRButtonDown(UINT, CPoint) {}
