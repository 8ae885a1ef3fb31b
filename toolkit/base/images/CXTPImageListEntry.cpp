#include "CXTPImageListEntry.h"

#include <commctrl.h>

#include "CDC.h"
#include "CXTPImageManagerIcon.h"

CXTPImageListEntry::CXTPImageListEntry(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwned)
    : m_hImageList(hImageList), m_nBaseID(nBaseID), m_bOwned(bOwned)
{
}

CXTPImageListEntry::~CXTPImageListEntry()
{
    ClearListIcons();
    if (m_bOwned && m_hImageList)
        ImageList_Destroy(m_hImageList);
}

BOOL CXTPImageListEntry::CoversCommand(UINT nID) const
{
    return nID >= m_nBaseID && nID - m_nBaseID < static_cast<UINT>(ImageList_GetImageCount(m_hImageList));
}

CXTPImageManagerIcon* CXTPImageListEntry::IconForCommand(UINT nID)
{
    auto& pIcon = m_icons[nID];
    if (!pIcon)
    {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_hImageList, &cx, &cy);
        pIcon = new CXTPImageManagerIcon(nID, cx, cy, nullptr, this);
    }
    return pIcon;
}

void CXTPImageListEntry::DrawListImage(CDC* pDC, CPoint pt, CXTPImageManagerIcon* pIcon, CSize sz) const
{
    ImageList_DrawEx(m_hImageList, static_cast<int>(pIcon->GetID() - m_nBaseID), pDC->GetSafeHdc(), pt.x, pt.y, sz.cx,
                     sz.cy, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

void CXTPImageListEntry::ClearListIcons()
{
    for (auto& [id, pIcon] : m_icons)
        pIcon->InternalRelease();
    m_icons.clear();
}
