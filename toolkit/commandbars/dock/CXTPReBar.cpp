#include "CXTPReBar.h"

IMPLEMENT_DYNAMIC(CXTPReBar, CReBar)

BEGIN_MESSAGE_MAP(CXTPReBar, CReBar)
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(RBN_CHILDSIZE, OnChildSize)
END_MESSAGE_MAP()

BOOL CXTPReBar::AddCommandBar(CXTPToolBar*, DWORD)
{
    return FALSE;
}

int CXTPReBar::DeleteCommandBar(CXTPToolBar*)
{
    return -1;
}

CXTPToolBar* CXTPReBar::GetCommandBar(int) const
{
    return nullptr;
}

int CXTPReBar::FindBand(CXTPToolBar*) const
{
    return -1;
}

void CXTPReBar::OnPaint()
{
    Default();
}

void CXTPReBar::OnChildSize(NMHDR*, LRESULT* pResult)
{
    OnHeightChange();
    *pResult = 0;
}
