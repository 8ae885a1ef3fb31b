#include "CXTPTabAppearanceSlanted.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearanceSlanted::CXTPTabAppearanceSlanted()
{
    m_nStyle = 3;
    m_rcHeaderMargin = CRect(2, 3, 6, 0);
}

CRect CXTPTabAppearanceSlanted::GetHeaderMargin()
{
    // The slant of the first tab reaches one row height before it.
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nRowHeight;
    return rc;
}

CRect CXTPTabAppearanceSlanted::DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    const COLORREF clrBorder = ColorSet()->m_clrSelectedTabBorder;
    return DrawFramedHeader(pManager, pDC, rcControl, clrBorder, clrBorder);
}

COLORREF CXTPTabAppearanceSlanted::BorderColor(CXTPTabManagerItem* pItem) const
{
    return pItem->IsSelected() ? ColorSet()->m_clrSelectedTabBorder : ColorSet()->m_clrSlantedTabBorder;
}

void CXTPTabAppearanceSlanted::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const TabShapeFrame frame(pItem->GetRect(), pItem->GetTabManager()->GetPosition());
    const int R = frame.Width();
    const int B = frame.Height();
    const int H = B;
    const POINT fill[] = {{R - 1, B - 1}, {R - 1, 2}, {4, 2}, {8 - H, B - 2}};
    const COLORREF clrFill = FillTabPolygon(pDC, frame, fill, 4, pItem);

    const POINT outline[] = {{R, B - 2}, {R, 2}, {R - 2, 0}, {7, 0}, {2, 2}, {6 - H, B - 2}, {4 - H, B - 2}};
    frame.Polyline(pDC, outline, 7, BorderColor(pItem));
    const BOOL bSelected = pItem->IsSelected();
    const POINT light1[] = {{R - 1, B - 2}, {R - 1, 2}, {R - 3, 0}};
    frame.Polyline(pDC, light1, 3, bSelected ? RGB(255, 255, 255) : COLORREF(ColorSet()->m_clrSlantLight));
    const POINT light2[] = {{R - 3, 1}, {6, 1}, {1, 4}, {6 - H, B - 1}};
    frame.Polyline(pDC, light2, 4, bSelected ? RGB(255, 255, 255) : COLORREF(ColorSet()->m_clrSlantLight2));
    if (bSelected)
        frame.Line(pDC, 5 - H, B - 1, R + 1, B - 1, clrFill);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
