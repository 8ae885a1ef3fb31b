#include "CXTPTabAppearanceFlat.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearanceFlat::CXTPTabAppearanceFlat()
{
    m_nStyle = 6;
    m_rcHeaderMargin = CRect(2, 2, 4, 0);
}

CRect CXTPTabAppearanceFlat::DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    const COLORREF clrFrame = ColorSet()->m_clrFrameBorder;
    return DrawFramedHeader(pManager, pDC, rcControl, clrFrame, clrFrame);
}

CRect CXTPTabAppearanceFlat::OutlineRect(CXTPTabManagerItem* pItem) const
{
    const int nPosition = pItem->GetTabManager()->GetPosition();
    const TabShapeFrame frame(pItem->GetRect(), nPosition);
    return frame.MapRect(0, 0, frame.Width() + 1, frame.Height() + (pItem->IsSelected() ? 1 : 0));
}

void CXTPTabAppearanceFlat::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    const CRect rc = OutlineRect(pItem);
    ColorSet()->PaintTabBackground(pDC, rc, pItem);
    const COLORREF clrFrame = ColorSet()->m_clrFrameBorder;
    for (int nSide = 0; nSide < 4; ++nSide)
        DrawSide(pDC, rc, nSide, clrFrame);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
