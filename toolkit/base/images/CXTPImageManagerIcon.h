#pragma once
// The images of one command at one width: four set by the user (normal, hot,
// checked, disabled) and three derived on first use (faded, shadow,
// generated disabled), which any change of an image drops.
#include <memory>

#include "CCmdTarget.h"
#include "CXTPImageManagerIconHandle.h"

class CArchive;
class IconPixels;
class CDC;
class CXTPImageListEntry;
class CXTPImageManager;
class CXTPImageManagerIconSet;

enum XTPImageState
{
    xtpImageNormal = 0,
    xtpImageDisabled = 1,
    xtpImageHot = 2,
    xtpImageChecked = 3,
};

class CXTPImageManagerIcon : public CCmdTarget
{
public:
    CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerIconSet* pIconSet = nullptr,
                         CXTPImageListEntry* pImageList = nullptr);
    ~CXTPImageManagerIcon() override;

    UINT GetID() const { return m_nID; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    BOOL IsScaled() const { return m_bScaled; }
    BOOL IsAlpha() const { return m_hIcon.IsAlpha(); }
    CXTPImageManagerIconSet* GetIconSet() const { return m_pIconSet; }
    CXTPImageManager* OwningManager() const;
    CSize NormalExtent() const { return m_hIcon.GetExtent(); }

    CXTPImageManagerIconHandle& GetIcon() { return m_hIcon; }
    CXTPImageManagerIconHandle& GetFadedIcon();
    CXTPImageManagerIconHandle& GetShadowIcon();
    // The hot image, else the normal one.
    CXTPImageManagerIconHandle& GetHotIcon();
    // The checked image, else the hot one, else the normal one.
    CXTPImageManagerIconHandle& GetCheckedIcon();
    BOOL HasDisabledIcon() const;
    // The user's disabled image, else the generated grey one (built when bCreate).
    CXTPImageManagerIconHandle& GetDisabledIcon(BOOL bCreate = TRUE);

    BOOL SetIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetHotIcon(const CXTPImageManagerIconHandle& hIcon);
    void SetCheckedImage(const CXTPImageManagerIconHandle& hIcon);
    void SetDisabledImage(const CXTPImageManagerIconHandle& hIcon);
    void DropDerivedImages();

    void CreateFadedIcon();
    void CreateShadowIcon();
    void CreateDisabledIcon(COLORREF clrLight = static_cast<COLORREF>(-1), COLORREF clrDark = static_cast<COLORREF>(-1));
    // A copy of this icon's images stretched to the width; null when the
    // normal image is no icon. The caller releases it.
    CXTPImageManagerIcon* MakeResizedIcon(int nWidth);
    void SetScaled(BOOL bScaled) { m_bScaled = bScaled; }
    void SetIconSet(CXTPImageManagerIconSet* pIconSet) { m_pIconSet = pIconSet; }

    void Draw(CDC* pDC, CPoint pt);
    // cx 0 is the icon's width; cy 0 keeps the icon's proportions.
    void Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, int cx = 0, int cy = 0);
    void DrawComposed(CDC* pDC, CPoint pt, const CXTPImageManagerIconHandle& hIcon, COLORREF clr);

    // Height, version and the user's four images.
    void Serialize(CArchive& ar) override;

private:
    // The pixels of an icon image that derived images are made from, read
    // once for all three and let go when they are built.
    IconPixels* PixelsOf(const CXTPImageManagerIconHandle& hIcon);
    void ReleasePixelsWhenDone();

    UINT m_nID;
    int m_nWidth;
    int m_nHeight;
    CXTPImageManagerIconHandle m_hIcon;
    CXTPImageManagerIconHandle m_hFaded;
    CXTPImageManagerIconHandle m_hShadow;
    CXTPImageManagerIconHandle m_hHot;
    CXTPImageManagerIconHandle m_hChecked;
    CXTPImageManagerIconHandle m_hDisabled;
    CXTPImageManagerIconHandle m_hDisabledAuto;
    BOOL m_bScaled = FALSE;
    CXTPImageManagerIconSet* m_pIconSet;
    CXTPImageListEntry* m_pImageList;
    std::unique_ptr<IconPixels> m_pPixels;
};
