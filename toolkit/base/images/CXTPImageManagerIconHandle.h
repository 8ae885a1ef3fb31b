#pragma once
// One image: an icon, or a 32-bit alpha bitmap, with the premultiplied copy
// that drawing makes of it. A handle passed by value into a setter is a view
// of the caller's image (not owned); the receiver makes its own copy. An icon
// may be held as its bits alone until it is first asked for.
#include <memory>

#include "Framework.h"
#include "IconBits.h"
#include "IconBlitParts.h"

class CXTPImageManager;

class CXTPImageManagerIconHandle
{
public:
    CXTPImageManagerIconHandle() = default;
    // Views of the caller's image.
    CXTPImageManagerIconHandle(HICON hIcon);
    CXTPImageManagerIconHandle(HBITMAP hBitmap);
    CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& other);
    CXTPImageManagerIconHandle& operator=(const CXTPImageManagerIconHandle&) = delete;
    ~CXTPImageManagerIconHandle();

    BOOL IsEmpty() const { return !m_hIcon && !m_hBitmap && !m_pBits; }
    BOOL IsAlpha() const { return m_hBitmap != nullptr; }
    // Made from the bits on first use.
    HICON GetIcon() const;
    // The icon's colour and mask, read once; null for no icon.
    std::shared_ptr<const IconBits> GetIconBits() const;
    HBITMAP GetBitmap() const { return m_hBitmap; }
    HBITMAP GetPremultipliedBitmap() const { return m_hPremultiplied; }
    CSize GetExtent() const;

    void SetIcon(HICON hIcon);
    void SetIconBits(std::shared_ptr<const IconBits> pBits);
    // Stores a copy of the bitmap.
    void SetBitmap(HBITMAP hBitmap);
    // Takes the bitmap itself.
    void TakeBitmap(HBITMAP hBitmap);
    void DuplicateFrom(const CXTPImageManagerIconHandle& other);
    CXTPImageManagerIconHandle CopyTo() const { return *this; }
    // Takes over the other's images, ownership included; the other is left empty.
    void Adopt(CXTPImageManagerIconHandle& other);
    void Clear();

    // The icon's images for drawing at its own size, read on first use; null
    // when the icon is not drawn that way.
    const IconBlitParts* GetBlitParts() const;
    // The premultiplied copy that AlphaBlend draws, made once.
    BOOL MakePremultiplied();
    // An icon resource: with bSearchGroup, the group's image of cx x cy
    // (last entry first); else the RT_ICON of the id. 32-bit images become
    // alpha bitmaps, and are refused when pManager (the global one when null)
    // has no AlphaBlend.
    BOOL LoadIconResource(UINT nID, int cx, int cy, BOOL bSearchGroup, const CXTPImageManager* pManager = nullptr);

private:
    mutable HICON m_hIcon = nullptr;
    mutable std::shared_ptr<const IconBits> m_pBits;
    HBITMAP m_hBitmap = nullptr;
    HBITMAP m_hPremultiplied = nullptr;
    mutable std::unique_ptr<IconBlitParts> m_pBlitParts;
    mutable bool m_bBlitPartsRead = false;
    BOOL m_bOwned = TRUE;
};
