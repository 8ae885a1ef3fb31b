#include "CXTPTabAppearanceButtons.h"

#include "CXTPTabColorSet.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

CXTPTabAppearanceButtons::CXTPTabAppearanceButtons()
{
    m_nStyle = 4;
    m_rcHeaderMargin = CRect(2, 2, 4, 2);
    m_nRowOverlap = 0;
}

void CXTPTabAppearanceButtons::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    ColorSet()->DrawTabButton(pDC, pItem->GetRect(), pItem);
    m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
