#include "CXTPTabAppearanceBevelled.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearanceBevelled::CXTPTabAppearanceBevelled()
{
    m_nStyle = 9;
    m_bOverlapTowardSelected = TRUE;
}

CRect CXTPTabAppearanceBevelled::GetHeaderMargin()
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nRowHeight / 2;
    return rc;
}

void CXTPTabAppearanceBevelled::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const TabShapeFrame frame(pItem->GetRect(), pItem->GetTabManager()->GetPosition());
    const int R = frame.Width();
    const int B = frame.Height();
    // The sides lean out by s at the bottom; a tab of height 8 has upright sides.
    const int s = (B - 8) / 2;
    const POINT shape[] = {{R + s, B - 1}, {R - 1, 5}, {R - 5, 1}, {R - 8, 0},
                           {8, 0},         {5, 1},     {2, 4},     {-s, B}};
    FillTabPolygon(pDC, frame, shape, 8, pItem);
    frame.Polyline(pDC, shape, 8, BorderColor(pItem));
    const BOOL bSelected = pItem->IsSelected();
    const POINT light1[] = {{R + s - 1, B - 1}, {R - 2, 5}, {R - 5, 2}, {R - 8, 1}};
    frame.Polyline(pDC, light1, 4, bSelected ? RGB(255, 255, 255) : COLORREF(ColorSet()->m_clrSlantLight));
    const POINT light2[] = {{R - 7, 1}, {8, 1}, {5, 2}, {3, 4}, {-s + 1, B}};
    frame.Polyline(pDC, light2, 5, bSelected ? RGB(255, 255, 255) : COLORREF(ColorSet()->m_clrSlantLight2));
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
