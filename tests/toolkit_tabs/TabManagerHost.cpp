#include "TabManagerHost.h"

TabManagerHost::TabManagerHost(int width, int height)
    : m_canvas(width, height), m_rcBounds(0, 0, width, height), m_pPaintManager(new CXTPTabPaintManager())
{
    m_pPaintManager->AddObserver(this);
}

TabManagerHost::~TabManagerHost()
{
    m_pPaintManager->InternalRelease();
}

void TabManagerHost::Reposition()
{
    m_pPaintManager->LayoutTabControl(this, &m_canvas.dc(), m_rcBounds);
}

BOOL TabManagerHost::DrawIcon(CDC*, CPoint, CXTPTabManagerItem* pItem, BOOL, CSize&) const
{
    return pItem == nullptr ? m_pPaintManager->m_bShowIcons : FALSE;
}

void TabManagerHost::OnScroll(BOOL bForward)
{
    CXTPTabManager::OnScroll(bForward);
    m_scrollTicks.push_back({::GetTickCount(), GetScrollOffset()});
}

void TabManagerHost::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem != CurrentSelection())
        ++m_nSelectionChanges;
    CXTPTabManager::SetSelectedItem(pItem);
}

void TabManagerHost::AddTabs(int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        CString strCaption;
        strCaption.Format(L"Tab %d", CountItems() + 1);
        InsertItem(CountItems())->SetCaption(strCaption);
    }
}

void TabManagerHost::Paint()
{
    m_pPaintManager->PaintTabControl(this, &m_canvas.dc(), m_rcBounds);
}
