#include "CXTPDockBar.h"

LRESULT CXTPDockBar::OnSizeParent(WPARAM, LPARAM)
{
    return 0;
}

CSize CXTPDockBar::CalcDockingLayout(int, DWORD, AFX_SIZEPARENTPARAMS*)
{
    return CSize(0, 0);
}

int CXTPDockBar::AdjustRowWrap(CXTPCommandBarArray&, int, int, int, BOOL, AFX_SIZEPARENTPARAMS*)
{
    return 0;
}

int CXTPDockBar::AdjustRow(CXTPCommandBarArray&, int, int, int, BOOL, AFX_SIZEPARENTPARAMS*, int& nRemove)
{
    nRemove = -1;
    return 0;
}

DWORD CXTPDockBar::GetBarMode(BOOL, CXTPToolBar*) const
{
    return 0;
}
