#include "CXTPTabColorSetThemed.h"

#include "CXTPColorManager.h"
#include "CXTPTabManager.h"
#include "CXTPTabNavigateButton.h"
#include "PixelHelpers.h"

#include <vssym32.h>


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
    m_turnedTabs.clear();
    m_bmpPane.DeleteObject();
    m_bPaneOpaque = m_themeTab.GetThemeHandle() && !m_themeTab.IsThemeBackgroundPartiallyTransparent(TABP_PANE, 1);
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
    // The theme stretches its pane picture over the whole client area, which is slow; an
    // opaque pane looks the same wherever it is drawn, so one drawing is kept and copied.
    const HBITMAP hPane = m_bPaneOpaque ? PaneOfSize(pDC, rc.Size()) : nullptr;
    if (!hPane) {
        m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), TABP_PANE, 1, rc, nullptr);
        return;
    }
    CDC dcPane;
    dcPane.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(dcPane.GetSafeHdc(), hPane);
    pDC->BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &dcPane, 0, 0, SRCCOPY);
    ::SelectObject(dcPane.GetSafeHdc(), hOld);
}

HBITMAP CXTPTabColorSetThemed::PaneOfSize(CDC* pDC, CSize size)
{
    if (m_bmpPane.GetSafeHandle() && m_szPane == size)
        return static_cast<HBITMAP>(m_bmpPane.GetSafeHandle());
    m_bmpPane.DeleteObject();
    DWORD* pBits = nullptr;
    if (!m_bmpPane.Attach(CreateDib32(pDC->GetSafeHdc(), size.cx, size.cy, &pBits)) || !pBits) {
        m_bmpPane.DeleteObject();
        return nullptr;
    }
    m_szPane = size;
    CDC dcPane;
    dcPane.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcPane.SelectObject(&m_bmpPane);
    const CRect rcPane(0, 0, size.cx, size.cy);
    m_themeTab.DrawThemeBackground(dcPane.GetSafeHdc(), TABP_PANE, 1, rcPane, nullptr);
    dcPane.SelectObject(pOld);
    return static_cast<HBITMAP>(m_bmpPane.GetSafeHandle());
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
    // Turning costs a theme draw and two DIBs, so each turned picture is kept.
    const TurnedKey key{nState, nPosition, rc.Width(), rc.Height(), COLORREF(m_clrClientFace)};
    const HBITMAP hTurned = TurnedTab(pDC, key);
    if (hTurned)
        ::DrawStateW(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(hTurned), 0, rc.left, rc.top,
                     key.cx, key.cy, DST_BITMAP);
    pDC->RestoreDC(nSaved);
}

HBITMAP CXTPTabColorSetThemed::TurnedTab(CDC* pDC, const TurnedKey& key)
{
    const auto found = m_turnedTabs.find(key);
    if (found != m_turnedTabs.end())
        return static_cast<HBITMAP>(found->second->GetSafeHandle());

    const BOOL bVertical = CXTPTabAppearanceSet::IsVertical(key.nPosition);
    const int w = key.cx;
    const int h = key.cy;
    const int cx = bVertical ? h : w;
    const int cy = bVertical ? w : h;
    CDC dcUpright;
    dcUpright.CreateCompatibleDC(pDC);
    DWORD* pUpright = nullptr;
    CBitmap bmpUpright;
    bmpUpright.Attach(CreateDib32(pDC->GetSafeHdc(), cx, cy, &pUpright));
    DWORD* pTurned = nullptr;
    auto bmpTurned = std::make_unique<CBitmap>();
    bmpTurned->Attach(CreateDib32(pDC->GetSafeHdc(), w, h, &pTurned));
    if (!pUpright || !pTurned)
        return nullptr;
    CBitmap* pOldUpright = dcUpright.SelectObject(&bmpUpright);
    dcUpright.FillSolidRect(0, 0, cx, cy, key.clrFace);
    const CRect rcUpright(0, 0, cx, cy);
    m_themeTab.DrawThemeBackground(dcUpright.GetSafeHdc(), TABP_TABITEM, key.nState, rcUpright, nullptr);
    ::GdiFlush();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            DWORD pixel = 0;
            switch (key.nPosition) {
            case xtpTabPositionBottom: pixel = pUpright[(h - 1 - y) * cx + x]; break;
            case xtpTabPositionLeft: pixel = pUpright[x * cx + y]; break;
            default: pixel = pUpright[(w - 1 - x) * cx + y]; break;
            }
            pTurned[y * w + x] = pixel;
        }
    dcUpright.SelectObject(pOldUpright);

    // Tab sizes follow the captions; a bound keeps a window of ever new captions from
    // holding a bitmap for each size it ever showed.
    if (m_turnedTabs.size() >= kMaxTurnedTabs)
        m_turnedTabs.clear();
    m_bmpPane.DeleteObject();
    m_bPaneOpaque = m_themeTab.GetThemeHandle() && !m_themeTab.IsThemeBackgroundPartiallyTransparent(TABP_PANE, 1);
    const HBITMAP hTurned = static_cast<HBITMAP>(bmpTurned->GetSafeHandle());
    m_turnedTabs.emplace(key, std::move(bmpTurned));
    return hTurned;
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
