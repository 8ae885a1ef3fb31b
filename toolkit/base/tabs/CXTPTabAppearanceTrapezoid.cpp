#include "CXTPTabAppearanceTrapezoid.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearanceTrapezoid::CXTPTabAppearanceTrapezoid()
{
    m_nStyle = 7;
    m_rcHeaderMargin = CRect(2, 3, 2, 0);
}

CRect CXTPTabAppearanceTrapezoid::GetHeaderMargin()
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nRowHeight / 2;
    rc.right += m_nRowHeight / 2;
    return rc;
}

void CXTPTabAppearanceTrapezoid::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const int nPosition = pItem->GetTabManager()->GetPosition();
    const TabShapeFrame frame(pItem->GetRect(), nPosition);
    const int B = frame.Height();
    const int k = (B - 1) / 2;
    // The shape leans out by k at its foot; half of that moves it back.
    const int L = -(k / 2);
    const int R = frame.Width() - k / 2;
    const POINT fill[] = {{L, B - 1}, {L + k, 1}, {R, 1}, {R + k, B - 1}};
    FillTabPolygon(pDC, frame, fill, 4, pItem);

    CXTPTabColorSet* pColors = ColorSet();
    const CXTPPaintManagerColor* pBlock = pItem->IsSelected() ? pColors->m_selectedBlock : pColors->m_normalBlock;
    const BOOL bBottom = nPosition == xtpTabPositionBottom;
    const COLORREF clrOuterTop =
        pBlock[bBottom ? CXTPTabColorSet::edgeOuterBottom : CXTPTabColorSet::edgeOuterLeftTop];
    const COLORREF clrInnerTop =
        pBlock[bBottom ? CXTPTabColorSet::edgeInnerBottom : CXTPTabColorSet::edgeInnerLeftTop];
    frame.Line(pDC, L, B - 2, L + k, 0, pBlock[CXTPTabColorSet::edgeOuterLeftTop]);
    frame.Line(pDC, L + k, 0, R, 0, clrOuterTop);
    frame.Line(pDC, R, 0, R + k, B - 1, pBlock[CXTPTabColorSet::edgeOuterRight]);
    frame.Line(pDC, L + 1, B - 2, L + k + 1, 0, pBlock[CXTPTabColorSet::edgeInnerLeftTop]);
    frame.Line(pDC, L + k, 1, R, 1, clrInnerTop);
    frame.Line(pDC, R - 1, 0, R + k - 1, B - 1, pBlock[CXTPTabColorSet::edgeInnerRight]);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
