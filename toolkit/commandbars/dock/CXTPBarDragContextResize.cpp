#include "CXTPBarDragContext.h"

void CXTPBarDragContext::ResizeFree(CPoint) {}

void CXTPBarDragContext::ResizeToolBar(CPoint) {}

BOOL CXTPBarDragContext::IsOnWorkArea(const CRect&) const
{
    return FALSE;
}
