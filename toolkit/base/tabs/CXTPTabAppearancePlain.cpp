#include "CXTPTabAppearancePlain.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"
#include "TabShapeFrame.h"

CXTPTabAppearancePlain::CXTPTabAppearancePlain()
{
    m_nStyle = 5;
    m_rcHeaderMargin = CRect(4, 2, 4, 0);
}

CRect CXTPTabAppearancePlain::DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl)
{
    return DrawFramedHeader(pManager, pDC, rcControl, ColorSet()->m_clrFrameHighlight, ColorSet()->FrameDarkEdge());
}

void CXTPTabAppearancePlain::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CXTPTabColorSet* pColors = ColorSet();
    const int nPosition = pItem->GetTabManager()->GetPosition();
    const CRect& rcItem = pItem->GetRect();
    if (pItem->IsSelected()) {
        const TabShapeFrame frame(rcItem, nPosition);
        const CRect rc = frame.MapRect(0, 0, frame.Width(), frame.Height() + 1);
        pColors->PaintTabBackground(pDC, rc, pItem);
        DrawSide(pDC, rc, 0, pColors->m_clrFrameHighlight);
        DrawSide(pDC, rc, 1, pColors->m_clrFrameHighlight);
        DrawSide(pDC, rc, 2, pColors->FrameDarkEdge());
        DrawSide(pDC, rc, 3, pColors->FrameDarkEdge());
    } else if (IsVertical(nPosition)) {
        DrawSide(pDC, CRect(rcItem.left + 2, rcItem.top, rcItem.right - 2, rcItem.bottom), 2, pColors->m_clrFrameBorder);
    } else {
        DrawSide(pDC, CRect(rcItem.left, rcItem.top + 2, rcItem.right, rcItem.bottom - 2), 3, pColors->m_clrFrameBorder);
    }
    m_pPaintManager->DrawTabLabel(pDC, pItem, rcItem, TRUE);
}
