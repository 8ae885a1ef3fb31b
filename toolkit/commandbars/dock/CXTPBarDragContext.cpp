#include "CXTPBarDragContext.h"

CXTPBarDragContext::CXTPBarDragContext(CXTPToolBar* pBar) : m_pBar(pBar) {}

void CXTPBarDragContext::StartDrag(CPoint) {}

void CXTPBarDragContext::StartResize(UINT, CPoint) {}

BOOL CXTPBarDragContext::ToggleDocking()
{
    return FALSE;
}

void CXTPBarDragContext::Track() {}

void CXTPBarDragContext::Move(CPoint) {}

CSize CXTPBarDragContext::GetFloatSize() const
{
    return CSize(0, 0);
}
