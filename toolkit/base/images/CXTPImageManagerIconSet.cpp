#include "CXTPImageManagerIconSet.h"

#include <cstdlib>

CXTPImageManagerIconSet::CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pManager) : m_nID(nID), m_pManager(pManager)
{
}

CXTPImageManagerIconSet::~CXTPImageManagerIconSet()
{
    ClearIcons();
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::EnsureIconAtWidth(UINT nWidth)
{
    auto it = m_icons.find(nWidth);
    if (it != m_icons.end())
        return it->second;
    auto* pIcon = new CXTPImageManagerIcon(m_nID, static_cast<int>(nWidth), 15, this);
    m_icons[nWidth] = pIcon;
    return pIcon;
}

void CXTPImageManagerIconSet::SetNormalAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    EnsureIconAtWidth(nWidth)->SetIcon(hIcon);
}

void CXTPImageManagerIconSet::SetDisabledAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    EnsureIconAtWidth(nWidth)->SetDisabledImage(hIcon);
}

void CXTPImageManagerIconSet::SetHotAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    EnsureIconAtWidth(nWidth)->SetHotIcon(hIcon);
}

void CXTPImageManagerIconSet::SetCheckedAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth)
{
    EnsureIconAtWidth(nWidth)->SetCheckedImage(hIcon);
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::IconForWidth(UINT nWidth, BOOL bScaled)
{
    if (auto it = m_icons.find(nWidth); it != m_icons.end())
        return it->second;
    if (!bScaled)
        return nullptr;
    CXTPImageManagerIcon* pNearest = nullptr;
    long long best = 0;
    for (const auto& [width, pIcon] : m_icons)
    {
        const long long diff = std::llabs(static_cast<long long>(width) - static_cast<long long>(nWidth));
        if (!pNearest || diff < best)
        {
            pNearest = pIcon;
            best = diff;
        }
    }
    // Alpha images are stretched when drawn, never rescaled.
    if (!pNearest || pNearest->IsAlpha() || nWidth == 0)
        return pNearest;
    CXTPImageManagerIcon* pScaled = pNearest->MakeResizedIcon(static_cast<int>(nWidth));
    if (!pScaled)
        return pNearest;
    pScaled->SetScaled(TRUE);
    m_icons[nWidth] = pScaled;
    return pScaled;
}

void CXTPImageManagerIconSet::InvalidateIcons()
{
    for (auto it = m_icons.begin(); it != m_icons.end();)
    {
        if (it->second->IsScaled())
        {
            it->second->InternalRelease();
            it = m_icons.erase(it);
        }
        else
        {
            it->second->DropDerivedImages();
            ++it;
        }
    }
}

void CXTPImageManagerIconSet::ClearIcons()
{
    for (auto& [width, pIcon] : m_icons)
        pIcon->InternalRelease();
    m_icons.clear();
}

void CXTPImageManagerIconSet::StoreIcon(UINT nWidth, CXTPImageManagerIcon* pIcon)
{
    auto& slot = m_icons[nWidth];
    if (slot && slot != pIcon)
        slot->InternalRelease();
    slot = pIcon;
    pIcon->SetIconSet(this);
}
