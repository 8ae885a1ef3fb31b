#include "CXTPDockBar.h"

IMPLEMENT_DYNAMIC(CXTPDockBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINT, OnPrint)
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CXTPDockBar::CXTPDockBar(CXTPCommandBars* pCommandBars) : m_pCommandBars(pCommandBars)
{
    m_arrBars.Add(nullptr);
}

CXTPDockBar::~CXTPDockBar() = default;

BOOL CXTPDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    (void)pParentWnd;
    (void)dwStyle;
    (void)nID;
    return FALSE;
}

BOOL CXTPDockBar::PreCreateWindow(CREATESTRUCT& cs)
{
    return CWnd::PreCreateWindow(cs);
}

void CXTPDockBar::DockCommandBar(CXTPToolBar*, LPCRECT) {}

int CXTPDockBar::RemoveCommandBar(CXTPToolBar*, int)
{
    return 0;
}

int CXTPDockBar::FindBar(CXTPToolBar*, int) const
{
    return -1;
}

void CXTPDockBar::GetRowBars(int, CXTPCommandBarArray&) const {}

int CXTPDockBar::GetPosition() const
{
    return 0;
}

int CXTPDockBar::Insert(CXTPToolBar*, CRect, CPoint)
{
    return 0;
}

void CXTPDockBar::AdjustStretchBars() {}
