#include "CXTPTabColorSetThemed.h"

#include "CXTPColorManager.h"
#include "CXTPTabManager.h"
#include "CXTPTabNavigateButton.h"
#include "PixelHelpers.h"

#include <vssym32.h>

#include <vector>

namespace {

// A 32-bit top-down DIB section of the size, its pixels at *ppBits.
HBITMAP CreateDib32(HDC hDC, int cx, int cy, DWORD** ppBits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    *ppBits = static_cast<DWORD*>(pBits);
    return hBitmap;
}

} // namespace

void CXTPTabColorSetThemed::ReloadMetrics()
{
    CXTPTabColorSetPlain::ReloadMetrics();
    m_themeTab.OpenThemeData(nullptr, L"TAB");
    m_themeToolbar.OpenThemeData(nullptr, L"TOOLBAR");
    if (m_themeTab.GetThemeHandle()) {
        m_clrTabHighlight = COLORREF(-1);
        m_clrTabShadow = COLORREF(-1);
        m_clrTabDarkShadow = COLORREF(-1);
        m_clrHotText = m_clrNormalText.GetStandardColor();
        m_clrHotText.SetCustomValue(m_clrNormalText.IsCustomValue() ? m_clrNormalText.GetColor() : COLORREF(-1));
    }
}

BOOL CXTPTabColorSetThemed::IsSystemThemed() const
{
    return m_themeTab.GetThemeHandle() != nullptr;
}

void CXTPTabColorSetThemed::PaintHeaderBackground(CDC* pDC, const CRect& rc, CXTPTabManager* pManager)
{
    // The theme draws no header of its own; the control face under it shows.
    if (!IsSystemThemed())
        CXTPTabColorSetPlain::PaintHeaderBackground(pDC, rc, pManager);
}

void CXTPTabColorSetThemed::PaintClientBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    if (!IsSystemThemed()) {
        CXTPTabColorSetPlain::PaintClientBackground(pDC, rc, pItem);
        return;
    }
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), TABP_PANE, 1, rc, nullptr);
}

void CXTPTabColorSetThemed::PaintSelectedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    if (!IsSystemThemed()) {
        CXTPTabColorSetPlain::PaintSelectedTab(pDC, rc, pItem);
        return;
    }
    DrawThemedTab(pDC, rc, pItem);
}

COLORREF CXTPTabColorSetThemed::PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    if (!IsSystemThemed())
        return CXTPTabColorSetPlain::PaintTabBackground(pDC, rc, pItem);
    DrawThemedTab(pDC, rc, pItem);
    return COLORREF(-1);
}

void CXTPTabColorSetThemed::DrawThemedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    if (rc.IsRectEmpty())
        return;
    const int nState = pItem->IsSelected() ? 3 : pItem->IsHighlighted() ? 5 : 1;
    const int nPosition = PositionOf(pItem);
    const int nSaved = pDC->SaveDC();
    ExcludeCornerPixels(pDC, rc.left, rc.top, rc.right, rc.bottom);
    if (nPosition == xtpTabPositionTop) {
        m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), TABP_TABITEM, nState, rc, nullptr);
        pDC->RestoreDC(nSaved);
        return;
    }

    // The theme draws tabs for the top only: draw upright, then turn into place.
    const BOOL bVertical = CXTPTabAppearanceSet::IsVertical(nPosition);
    const int cx = bVertical ? rc.Height() : rc.Width();
    const int cy = bVertical ? rc.Width() : rc.Height();
    CDC dcUpright;
    dcUpright.CreateCompatibleDC(pDC);
    DWORD* pUpright = nullptr;
    CBitmap bmpUpright;
    bmpUpright.Attach(CreateDib32(pDC->GetSafeHdc(), cx, cy, &pUpright));
    DWORD* pTurned = nullptr;
    CBitmap bmpTurned;
    bmpTurned.Attach(CreateDib32(pDC->GetSafeHdc(), rc.Width(), rc.Height(), &pTurned));
    if (!pUpright || !pTurned) {
        pDC->RestoreDC(nSaved);
        return;
    }
    CBitmap* pOldUpright = dcUpright.SelectObject(&bmpUpright);
    dcUpright.FillSolidRect(0, 0, cx, cy, m_clrClientFace);
    const CRect rcUpright(0, 0, cx, cy);
    m_themeTab.DrawThemeBackground(dcUpright.GetSafeHdc(), TABP_TABITEM, nState, rcUpright, nullptr);
    ::GdiFlush();
    const int w = rc.Width();
    const int h = rc.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            DWORD pixel = 0;
            switch (nPosition) {
            case xtpTabPositionBottom: pixel = pUpright[(h - 1 - y) * cx + x]; break;
            case xtpTabPositionLeft: pixel = pUpright[x * cx + y]; break;
            default: pixel = pUpright[(w - 1 - x) * cx + y]; break;
            }
            pTurned[y * w + x] = pixel;
        }
    dcUpright.SelectObject(pOldUpright);
    ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(bmpTurned.GetSafeHandle()), 0,
                 rc.left, rc.top, w, h, DST_BITMAP);
    pDC->RestoreDC(nSaved);
}

void CXTPTabColorSetThemed::PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc)
{
    if (!m_themeToolbar.GetThemeHandle() || !IsSystemThemed()) {
        CXTPTabColorSetPlain::PaintNavigateButtonFace(pDC, pButton, rc);
        return;
    }
    const int nState = pButton->IsPressed() ? 3 : pButton->IsHot() ? 2 : 1;
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), TP_BUTTON, nState, rc, nullptr);
    pDC->SetTextColor(GetColorManager()->GetColor(COLOR_BTNTEXT));
}
