#pragma once
// One image: an icon, or a 32-bit alpha bitmap, with the premultiplied copy
// that drawing makes of it. A handle passed by value into a setter is a view
// of the caller's image (not owned); the receiver makes its own copy.
#include "Framework.h"

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

    BOOL IsEmpty() const { return !m_hIcon && !m_hBitmap; }
    BOOL IsAlpha() const { return m_hBitmap != nullptr; }
    HICON GetIcon() const { return m_hIcon; }
    HBITMAP GetBitmap() const { return m_hBitmap; }
    HBITMAP GetPremultipliedBitmap() const { return m_hPremultiplied; }
    CSize GetExtent() const;

    void SetIcon(HICON hIcon);
    // Stores a copy of the bitmap.
    void SetBitmap(HBITMAP hBitmap);
    // Takes the bitmap itself.
    void TakeBitmap(HBITMAP hBitmap);
    void DuplicateFrom(const CXTPImageManagerIconHandle& other);
    CXTPImageManagerIconHandle CopyTo() const { return *this; }
    // Takes over the other's images, ownership included; the other is left empty.
    void Adopt(CXTPImageManagerIconHandle& other);
    void Clear();

    // The premultiplied copy that AlphaBlend draws, made once.
    BOOL MakePremultiplied();
    // An icon resource: with bSearchGroup, the group's image of cx x cy
    // (last entry first); else the RT_ICON of the id. 32-bit images become
    // alpha bitmaps, and are refused when pManager (the global one when null)
    // has no AlphaBlend.
    BOOL LoadIconResource(UINT nID, int cx, int cy, BOOL bSearchGroup, const CXTPImageManager* pManager = nullptr);

private:
    HICON m_hIcon = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HBITMAP m_hPremultiplied = nullptr;
    BOOL m_bOwned = TRUE;
};
