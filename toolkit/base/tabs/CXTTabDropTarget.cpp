#include "CXTTabDropTarget.h"

#include "CXTTabWindow.h"

DROPEFFECT CXTTabDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point)
{
    CXTPTabPaintManager* pPaintManager = m_pTabWindow->GetPaintManager();
    if (pPaintManager != nullptr && pPaintManager->m_bSelectOnDragOver) {
        CXTPTabManagerItem* pItem = m_pTabWindow->ItemFromPoint(point);
        if (pItem != nullptr && pItem != m_pTabWindow->CurrentSelection())
            m_pTabWindow->SelectItem(pItem);
    }
    return DROPEFFECT_NONE;
}
