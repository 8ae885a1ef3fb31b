#pragma once
// An image list that stands for the commands base .. base + count - 1; the
// icon records of its commands are made on first use and draw from the list.
#include <map>

#include "Framework.h"

class CDC;
class CXTPImageManagerIcon;

class CXTPImageListEntry
{
public:
    CXTPImageListEntry(HIMAGELIST hImageList, UINT nBaseID, BOOL bOwned);
    ~CXTPImageListEntry();
    CXTPImageListEntry(const CXTPImageListEntry&) = delete;
    CXTPImageListEntry& operator=(const CXTPImageListEntry&) = delete;

    BOOL CoversCommand(UINT nID) const;
    CXTPImageManagerIcon* IconForCommand(UINT nID);
    void DrawListImage(CDC* pDC, CPoint pt, CXTPImageManagerIcon* pIcon, CSize sz) const;
    void ClearListIcons();

private:
    HIMAGELIST m_hImageList;
    UINT m_nBaseID;
    BOOL m_bOwned;
    std::map<UINT, CXTPImageManagerIcon*> m_icons;
};
