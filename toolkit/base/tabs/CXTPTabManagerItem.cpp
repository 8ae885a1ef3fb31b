#include "CXTPTabManagerItem.h"

#include "CXTPTabManager.h"

void CXTPTabManagerItem::SetCaption(LPCTSTR lpszCaption)
{
    if (m_strCaption == lpszCaption)
        return;
    m_strCaption = lpszCaption;
    if (m_pManager != nullptr)
        m_pManager->RequestReposition();
}

CString CXTPTabManagerItem::GetManagerText() const
{
    return m_pManager != nullptr ? m_pManager->GetItemCaption(this) : m_strCaption;
}

void CXTPTabManagerItem::SetIntProperty(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (m_pManager != nullptr)
        m_pManager->RequestReposition();
}

COLORREF CXTPTabManagerItem::ResolveItemColor() const
{
    return m_pManager != nullptr ? m_pManager->GetItemColor(this) : PaletteTabColor(m_clrItem);
}

BOOL CXTPTabManagerItem::IsSelected() const
{
    return m_pManager != nullptr && m_pManager->CurrentSelection() == this;
}

BOOL CXTPTabManagerItem::IsHighlighted() const
{
    return m_pManager != nullptr && m_pManager->GetHighlighted() == this;
}
