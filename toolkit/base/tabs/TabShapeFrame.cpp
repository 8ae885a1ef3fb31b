#include "TabShapeFrame.h"

#include "CXTPenSelector.h"

#include <algorithm>

#include <vector>

TabShapeFrame::TabShapeFrame(const CRect& rcItem, int nPosition) : m_rcItem(rcItem), m_nPosition(nPosition)
{
    const BOOL bVertical = nPosition == 1 || nPosition == 3;
    m_nWidth = bVertical ? rcItem.Height() : rcItem.Width();
    m_nHeight = bVertical ? rcItem.Width() : rcItem.Height();
}

CPoint TabShapeFrame::Map(int x, int y) const
{
    switch (m_nPosition) {
    case 1: return CPoint(m_rcItem.left + y, m_rcItem.top + x);
    case 2: return CPoint(m_rcItem.left + x, m_rcItem.bottom - 1 - y);
    case 3: return CPoint(m_rcItem.right - 1 - y, m_rcItem.top + x);
    default: return CPoint(m_rcItem.left + x, m_rcItem.top + y);
    }
}

CRect TabShapeFrame::MapRect(int left, int top, int right, int bottom) const
{
    const CPoint a = Map(left, top);
    const CPoint b = Map(right - 1, bottom - 1);
    return CRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
}

void TabShapeFrame::Line(CDC* pDC, int x1, int y1, int x2, int y2, COLORREF clr) const
{
    if (clr == COLORREF(-1))
        return;
    CXTPenSelector pen(pDC, clr);
    pDC->MoveTo(Map(x1, y1));
    pDC->LineTo(Map(x2, y2));
}

void TabShapeFrame::Polyline(CDC* pDC, const POINT* pPoints, int nCount, COLORREF clr) const
{
    if (clr == COLORREF(-1) || nCount < 1)
        return;
    std::vector<POINT> mapped;
    for (int i = 0; i < nCount; ++i)
        mapped.push_back(Map(pPoints[i].x, pPoints[i].y));
    CXTPenSelector pen(pDC, clr);
    pDC->Polyline(mapped.data(), nCount);
    pDC->SetPixelV(mapped.back().x, mapped.back().y, clr);
}

void TabShapeFrame::Pixel(CDC* pDC, int x, int y, COLORREF clr) const
{
    if (clr != COLORREF(-1)) {
        const CPoint pt = Map(x, y);
        pDC->SetPixelV(pt.x, pt.y, clr);
    }
}

HRGN TabShapeFrame::PolygonRegion(const POINT* pPoints, int nCount) const
{
    std::vector<POINT> mapped;
    for (int i = 0; i < nCount; ++i)
        mapped.push_back(Map(pPoints[i].x, pPoints[i].y));
    return ::CreatePolygonRgn(mapped.data(), nCount, WINDING);
}
