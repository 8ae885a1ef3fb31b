#include "CXTPTabAppearance3DSelected.h"

#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

void CXTPTabAppearance3DSelected::DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHighlighted())
        DrawRaisedItem(pDC, pItem);
    else
        m_pPaintManager->DrawTabLabel(pDC, pItem, pItem->GetRect(), TRUE);
}
