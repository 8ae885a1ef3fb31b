#include "CXTPImageManagerIcon.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "CDC.h"
#include "CXTPImageListEntry.h"
#include "CXTPImageManager.h"
#include "CXTPImageManagerIconSet.h"
#include "DerivedImages.h"
#include "IconPixels.h"
#include "ImageRecords.h"
#include "imagecodec/DibHeader.h"
#include "AlphaBitmaps.h"

namespace
{
// Records of older versions have no checked image.
constexpr int kRecordVersion = 16;
constexpr int kFirstVersionWithChecked = 8;
} // namespace

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight, CXTPImageManagerIconSet* pIconSet,
                                           CXTPImageListEntry* pImageList)
    : m_nID(nID), m_nWidth(nWidth), m_nHeight(nHeight), m_pIconSet(pIconSet), m_pImageList(pImageList)
{
}

CXTPImageManagerIcon::~CXTPImageManagerIcon() = default;

IconPixels* CXTPImageManagerIcon::PixelsOf(const CXTPImageManagerIconHandle& hIcon)
{
    auto pBits = hIcon.GetIconBits();
    if (!pBits)
        return nullptr;
    if (!m_pPixels || m_pPixels->Source() != pBits.get())
        m_pPixels = std::make_unique<IconPixels>(std::move(pBits));
    return m_pPixels.get();
}

void CXTPImageManagerIcon::ReleasePixelsWhenDone()
{
    if (!m_hFaded.IsEmpty() && !m_hShadow.IsEmpty() && !m_hDisabledAuto.IsEmpty())
        m_pPixels.reset();
}

CXTPImageManager* CXTPImageManagerIcon::OwningManager() const
{
    return m_pIconSet ? m_pIconSet->GetManager() : XTPImageManager();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetFadedIcon()
{
    if (m_hFaded.IsEmpty())
        CreateFadedIcon();
    return m_hFaded;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetShadowIcon()
{
    if (m_hShadow.IsEmpty())
        CreateShadowIcon();
    return m_hShadow;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetHotIcon()
{
    return m_hHot.IsEmpty() ? m_hIcon : m_hHot;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetCheckedIcon()
{
    return m_hChecked.IsEmpty() ? GetHotIcon() : m_hChecked;
}

BOOL CXTPImageManagerIcon::HasDisabledIcon() const
{
    return !m_hDisabled.IsEmpty() || !m_hDisabledAuto.IsEmpty();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetDisabledIcon(BOOL bCreate)
{
    if (!m_hDisabled.IsEmpty())
        return m_hDisabled;
    if (m_hDisabledAuto.IsEmpty() && bCreate)
        CreateDisabledIcon();
    return m_hDisabledAuto;
}

BOOL CXTPImageManagerIcon::SetIcon(const CXTPImageManagerIconHandle& hIcon)
{
    for (auto* h : {&m_hIcon, &m_hFaded, &m_hShadow, &m_hHot, &m_hChecked, &m_hDisabled, &m_hDisabledAuto})
        h->Clear();
    m_pPixels.reset();
    m_hIcon.DuplicateFrom(hIcon);
    const CSize size = m_hIcon.GetExtent();
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    m_bScaled = FALSE;
    if (m_pIconSet)
        m_pIconSet->InvalidateIcons();
    return TRUE;
}

void CXTPImageManagerIcon::SetHotIcon(const CXTPImageManagerIconHandle& hIcon)
{
    DropDerivedImages();
    m_hHot.DuplicateFrom(hIcon);
}

void CXTPImageManagerIcon::SetCheckedImage(const CXTPImageManagerIconHandle& hIcon)
{
    DropDerivedImages();
    m_hChecked.DuplicateFrom(hIcon);
}

void CXTPImageManagerIcon::SetDisabledImage(const CXTPImageManagerIconHandle& hIcon)
{
    DropDerivedImages();
    m_hDisabled.DuplicateFrom(hIcon);
}

void CXTPImageManagerIcon::DropDerivedImages()
{
    m_hFaded.Clear();
    m_hShadow.Clear();
    m_hDisabledAuto.Clear();
    m_pPixels.reset();
}

void CXTPImageManagerIcon::CreateFadedIcon()
{
    DerivedImages::MakeFaded(m_hIcon, m_hFaded, PixelsOf(m_hIcon));
    ReleasePixelsWhenDone();
}

void CXTPImageManagerIcon::CreateShadowIcon()
{
    CXTPImageManagerIconHandle& hSource = GetHotIcon();
    DerivedImages::MakeShadow(hSource, DerivedImages::ShadowColor(), m_hShadow, PixelsOf(hSource));
    ReleasePixelsWhenDone();
}

void CXTPImageManagerIcon::CreateDisabledIcon(COLORREF clrLight, COLORREF clrDark)
{
    if (m_hDisabledAuto.IsEmpty())
    {
        DerivedImages::MakeDisabled(m_hIcon, clrLight, clrDark, m_hDisabledAuto, PixelsOf(m_hIcon));
        ReleasePixelsWhenDone();
    }
}

CXTPImageManagerIcon* CXTPImageManagerIcon::MakeResizedIcon(int nWidth)
{
    if (!m_hIcon.GetIcon() || m_nWidth <= 0)
        return nullptr;
    auto* pIcon = new CXTPImageManagerIcon(m_nID, nWidth, MulDiv(m_nHeight, nWidth, m_nWidth), m_pIconSet);
    const auto stretch = [&](CXTPImageManagerIconHandle& source, auto setter) {
        if (HICON hStretched = DerivedImages::StretchIconToWidth(source.GetIcon(), nWidth, m_nWidth, m_nHeight))
        {
            (pIcon->*setter)(CXTPImageManagerIconHandle(hStretched));
            DestroyIcon(hStretched);
        }
    };
    // The copy is not in the set's map yet: its SetIcon must not drop the
    // set's other scaled copies.
    pIcon->m_pIconSet = nullptr;
    stretch(m_hIcon, &CXTPImageManagerIcon::SetIcon);
    stretch(m_hDisabled, &CXTPImageManagerIcon::SetDisabledImage);
    stretch(m_hHot, &CXTPImageManagerIcon::SetHotIcon);
    stretch(m_hChecked, &CXTPImageManagerIcon::SetCheckedImage);
    pIcon->m_pIconSet = m_pIconSet;
    if (pIcon->m_hIcon.IsEmpty())
    {
        pIcon->InternalRelease();
        return nullptr;
    }
    return pIcon;
}

void CXTPImageManagerIcon::Draw(CDC* pDC, CPoint pt)
{
    Draw(pDC, pt, m_hIcon, m_nWidth, m_nHeight);
}

void CXTPImageManagerIcon::Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon, int cx, int cy)
{
    if (cx == 0)
        cx = m_nWidth;
    // An icon of no width has no proportions to keep.
    if (cy == 0)
        cy = m_nWidth ? cx * m_nHeight / m_nWidth : 0;
    if (m_pImageList)
    {
        m_pImageList->DrawListImage(pDC, pt, this, CSize(cx, cy));
        return;
    }
    if (hIcon.IsEmpty() || cx == 0 || cy == 0)
        return;
    if (HICON hic = hIcon.GetIcon())
    {
        if (OwningManager()->IsRightToLeft())
            DrawIconEx(pDC->GetSafeHdc(), pt.x + cx, pt.y, hic, -cx, cy, 0, nullptr, DI_NORMAL);
        else if (const IconBlitParts* pParts = hIcon.GetBlitParts(); pParts && pParts->Extent() == CSize(cx, cy))
            pParts->Draw(pDC->GetSafeHdc(), pt.x, pt.y);
        else
            DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, hic, cx, cy, 0, nullptr, DI_NORMAL);
        return;
    }
    if (hIcon.MakePremultiplied())
        AlphaBitmaps::DrawAlphaBitmap(pDC->GetSafeHdc(), hIcon.GetPremultipliedBitmap(), pt.x, pt.y, cx, cy, 0, 0,
                                      m_nWidth, m_nHeight);
}

void CXTPImageManagerIcon::DrawComposed(CDC* pDC, CPoint pt, const CXTPImageManagerIconHandle& hIcon, COLORREF clr)
{
    if (hIcon.IsAlpha() || !hIcon.GetIcon())
        return;
    HDC hDC = pDC->GetSafeHdc();
    HBRUSH hBrush = CreateSolidBrush(clr);
    if (OwningManager()->IsRightToLeft())
    {
        HDC hMemDC = CreateCompatibleDC(hDC);
        HBITMAP hBitmap = CreateCompatibleBitmap(hDC, m_nWidth, m_nHeight);
        HGDIOBJ hOld = SelectObject(hMemDC, hBitmap);
        RECT rc{0, 0, m_nWidth, m_nHeight};
        HBRUSH hWhite = CreateSolidBrush(0xFFFFFF);
        FillRect(hMemDC, &rc, hWhite);
        DeleteObject(hWhite);
        DrawIconEx(hMemDC, 0, 0, hIcon.GetIcon(), m_nWidth, m_nHeight, 0, nullptr, DI_NORMAL);
        SelectObject(hMemDC, hOld);
        DeleteDC(hMemDC);
        DrawStateW(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, m_nWidth, m_nHeight,
                   DST_BITMAP | DSS_MONO);
        DeleteObject(hBitmap);
    }
    else
        DrawStateW(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon.GetIcon()), 0, pt.x, pt.y, 0, 0,
                   DST_ICON | DSS_MONO);
    DeleteObject(hBrush);
}

void CXTPImageManagerIcon::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<LONG>(m_nHeight) << static_cast<LONG>(kRecordVersion);
        for (auto* h : {&m_hIcon, &m_hDisabled, &m_hHot, &m_hChecked})
            ImageRecords::ArchiveImageHandle(*h, ar);
        return;
    }
    LONG nHeight = 0, nVersion = 0;
    ar >> nHeight >> nVersion;
    if (nHeight <= 0 || nHeight > imagecodec::DibHeader::kMaxSide)
        AfxThrowArchiveException(CArchiveException::genericException);
    // Read whole before anything changes: a damaged record leaves the icon as it was.
    CXTPImageManagerIconHandle loaded[4];
    const int count = nVersion >= kFirstVersionWithChecked ? 4 : 3;
    for (int i = 0; i < count; ++i)
        ImageRecords::ArchiveImageHandle(loaded[i], ar);
    m_nHeight = nHeight;
    DropDerivedImages();
    CXTPImageManagerIconHandle* targets[] = {&m_hIcon, &m_hDisabled, &m_hHot, &m_hChecked};
    for (int i = 0; i < 4; ++i)
    {
        targets[i]->Clear();
        targets[i]->Adopt(loaded[i]);
    }
}
