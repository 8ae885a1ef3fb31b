#pragma once
// The icons of one command, one per width.
#include <map>

#include "CCmdTarget.h"
#include "CXTPImageManagerIcon.h"

class CXTPImageManager;

class CXTPImageManagerIconSet : public CCmdTarget
{
public:
    using IconMap = std::map<UINT, CXTPImageManagerIcon*>;

    CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pManager);
    ~CXTPImageManagerIconSet() override;

    UINT GetID() const { return m_nID; }
    CXTPImageManager* GetManager() const { return m_pManager; }
    const IconMap& GetIcons() const { return m_icons; }

    CXTPImageManagerIcon* EnsureIconAtWidth(UINT nWidth);
    void SetNormalAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetDisabledAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetHotAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    void SetCheckedAtWidth(const CXTPImageManagerIconHandle& hIcon, UINT nWidth);
    // The icon of the width; else, when bScaled, a copy of the nearest one
    // stretched to it (kept until the next InvalidateIcons).
    CXTPImageManagerIcon* IconForWidth(UINT nWidth, BOOL bScaled);
    // Drops derived images, and scaled copies altogether.
    void InvalidateIcons();
    void ClearIcons();
    // Stores the icon under the width, releasing one already there; the set
    // takes the caller's reference.
    void StoreIcon(UINT nWidth, CXTPImageManagerIcon* pIcon);

private:
    UINT m_nID;
    CXTPImageManager* m_pManager;
    IconMap m_icons;
};
