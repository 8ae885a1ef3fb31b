#include "CXTPImageManagerIconHandle.h"

#include "AlphaBitmaps.h"
#include "CXTPImageManager.h"
#include "ImageResources.h"
#include "imagecodec/IconFile.h"
#include "imagecodec/IconGroupDirectory.h"

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HICON hIcon) : m_hIcon(hIcon), m_bOwned(FALSE)
{
}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HBITMAP hBitmap) : m_hBitmap(hBitmap), m_bOwned(FALSE)
{
}

// A view needs an icon to show; the other one owns it.
CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(const CXTPImageManagerIconHandle& other)
    : m_hIcon(other.GetIcon()), m_pBits(other.m_pBits), m_hBitmap(other.m_hBitmap), m_bOwned(FALSE)
{
}

CXTPImageManagerIconHandle::~CXTPImageManagerIconHandle()
{
    Clear();
}

HICON CXTPImageManagerIconHandle::GetIcon() const
{
    if (!m_hIcon && m_pBits)
        m_hIcon = m_pBits->MakeIcon();
    return m_hIcon;
}

std::shared_ptr<const IconBits> CXTPImageManagerIconHandle::GetIconBits() const
{
    if (!m_pBits && m_hIcon)
        m_pBits = IconBits::Capture(m_hIcon);
    return m_pBits;
}

const IconBlitParts* CXTPImageManagerIconHandle::GetBlitParts() const
{
    if (!m_bBlitPartsRead)
    {
        m_pBlitParts = IconBlitParts::Capture(GetIcon());
        m_bBlitPartsRead = true;
    }
    return m_pBlitParts.get();
}

CSize CXTPImageManagerIconHandle::GetExtent() const
{
    // The size comes with the bits, which storing and a copy use again.
    if (const auto pBits = GetIconBits())
        return pBits->Extent();
    BITMAP bm{};
    if (m_hBitmap && GetObjectW(m_hBitmap, sizeof(bm), &bm))
        return CSize(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight);
    return CSize(0, 0);
}

void CXTPImageManagerIconHandle::Clear()
{
    // A view never destroys the caller's image.
    if (m_bOwned)
    {
        if (m_hIcon)
            DestroyIcon(m_hIcon);
        if (m_hBitmap)
            DeleteObject(m_hBitmap);
    }
    if (m_hPremultiplied)
        DeleteObject(m_hPremultiplied);
    m_hIcon = nullptr;
    m_pBits.reset();
    m_hBitmap = nullptr;
    m_hPremultiplied = nullptr;
    m_pBlitParts.reset();
    m_bBlitPartsRead = false;
    m_bOwned = TRUE;
}

void CXTPImageManagerIconHandle::SetIcon(HICON hIcon)
{
    Clear();
    m_hIcon = hIcon;
}

void CXTPImageManagerIconHandle::SetIconBits(std::shared_ptr<const IconBits> pBits)
{
    Clear();
    m_pBits = std::move(pBits);
}

void CXTPImageManagerIconHandle::SetBitmap(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = AlphaBitmaps::CopyAlphaBitmap(hBitmap);
}

void CXTPImageManagerIconHandle::TakeBitmap(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = hBitmap;
}

void CXTPImageManagerIconHandle::DuplicateFrom(const CXTPImageManagerIconHandle& other)
{
    Clear();
    // An icon not made yet is not made for the copy either.
    if (other.m_hIcon)
        m_hIcon = CopyIcon(other.m_hIcon);
    m_pBits = other.m_pBits;
    if (other.m_hBitmap)
        m_hBitmap = AlphaBitmaps::CopyAlphaBitmap(other.m_hBitmap);
}

void CXTPImageManagerIconHandle::Adopt(CXTPImageManagerIconHandle& other)
{
    Clear();
    m_hIcon = other.m_hIcon;
    m_pBits = std::move(other.m_pBits);
    m_hBitmap = other.m_hBitmap;
    m_hPremultiplied = other.m_hPremultiplied;
    m_pBlitParts = std::move(other.m_pBlitParts);
    m_bBlitPartsRead = other.m_bBlitPartsRead;
    m_bOwned = other.m_bOwned;
    other.m_bBlitPartsRead = false;
    other.m_hIcon = nullptr;
    other.m_hBitmap = nullptr;
    other.m_hPremultiplied = nullptr;
    other.m_bOwned = TRUE;
}

BOOL CXTPImageManagerIconHandle::MakePremultiplied()
{
    if (m_hPremultiplied)
        return TRUE;
    if (m_hBitmap)
        m_hPremultiplied = AlphaBitmaps::CreateAlphaBitmapCopy(m_hBitmap);
    else if (GetIcon())
    {
        ICONINFO info{};
        if (GetIconInfo(m_hIcon, &info))
        {
            if (info.hbmColor)
            {
                m_hPremultiplied = AlphaBitmaps::CreateAlphaBitmapCopy(info.hbmColor);
                DeleteObject(info.hbmColor);
            }
            DeleteObject(info.hbmMask);
        }
    }
    return m_hPremultiplied != nullptr;
}

BOOL CXTPImageManagerIconHandle::LoadIconResource(UINT nID, int cx, int cy, BOOL bSearchGroup,
                                                  const CXTPImageManager* pManager)
{
    if (bSearchGroup)
    {
        if (const auto dir = imagecodec::IconGroupDirectory::Parse(ImageResources::Find(nID, RT_GROUP_ICON)))
        {
            for (auto it = dir->entries.rbegin(); it != dir->entries.rend(); ++it)
                if (it->width == cx && it->height == cy && LoadIconResource(it->iconId, cx, cy, FALSE, pManager))
                    return TRUE;
        }
    }
    const auto image = ImageResources::Find(nID, RT_ICON);
    if (image.empty())
        return FALSE;
    if (imagecodec::AlphaIconImage::BitCountOf(image) != 32)
    {
        HICON hIcon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()), TRUE,
                                               0x00030000, cx, cy, LR_DEFAULTCOLOR);
        if (hIcon)
            SetIcon(hIcon);
        return !IsEmpty();
    }
    if (!(pManager ? pManager : XTPImageManager())->HasAlphaBlend())
        return FALSE;
    const auto alpha = imagecodec::AlphaIconImage::Parse(image);
    if (!alpha)
        return FALSE;
    if (HBITMAP hBitmap = AlphaBitmaps::CreateAlphaDib(alpha->header.width, alpha->header.height, alpha->pixels.data()))
        TakeBitmap(hBitmap);
    return !IsEmpty();
}
