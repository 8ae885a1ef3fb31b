#include "CXTPTabColorSet.h"

#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

COLORREF PaletteTabColor(COLORREF clrValue)
{
    static const COLORREF kPalette[8] = {0xE4A88A, 0x75DBFF, 0x9FCDBD, 0x9F9EF0,
                                         0xE1A6BA, 0xB4BF9A, 0x83B6F7, 0xC0ABD8};
    if (clrValue >= kFirstPaletteTabColor && clrValue < kFirstPaletteTabColor + 8)
        return kPalette[clrValue - kFirstPaletteTabColor];
    return clrValue;
}

void CXTPTabColorSet::ReloadMetrics()
{
    CXTPColorManager* pColors = GetColorManager();
    auto color = [pColors](int nIndex) { return pColors->GetColor(nIndex); };

    m_clrHeaderFace.SetStandardValue(color(COLOR_BTNFACE));
    m_clrButtonFace.SetStandardValue(color(COLOR_BTNFACE));
    m_clrFrameBorder = color(COLOR_BTNSHADOW);
    m_clrClientFace = color(COLOR_BTNFACE);
    m_clrFrameHighlight = color(COLOR_BTNHIGHLIGHT);
    m_clrSelectedTabFace = color(AppearanceStyle() == 7 ? COLOR_WINDOW : COLOR_BTNFACE);
    m_clrNormalTabFace = color(COLOR_BTNFACE);
    m_clrNormalText = color(COLOR_BTNTEXT);
    m_clrInactiveText = color(COLOR_BTNTEXT);
    m_clrSelectedText = color(COLOR_BTNTEXT);
    m_clrHotText = RGB(0, 0, 0x80);
    m_clrDisabledText = color(COLOR_GRAYTEXT);
    m_clrSelectedFill.SetStandardValue(color(COLOR_WINDOW));
    m_clrSelectedBorder.SetStandardValue(color(COLOR_HIGHLIGHT));

    m_clrTabHighlight = color(COLOR_BTNHIGHLIGHT);
    m_clrTabShadow = color(COLOR_BTNSHADOW);
    m_clrTabDarkShadow = color(COLOR_3DDKSHADOW);
    m_clrSlantedTabBorder = color(COLOR_BTNSHADOW);
    m_clrSelectedTabBorder = color(COLOR_BTNSHADOW);
    m_clrSlantLight = color(COLOR_BTNFACE);
    m_clrSlantLight2 = color(COLOR_BTNFACE);
    const COLORREF selected[edgeCount] = {color(COLOR_BTNTEXT), color(COLOR_BTNSHADOW), color(COLOR_BTNTEXT),
                                          COLORREF(-1), COLORREF(-1), COLORREF(-1)};
    for (int i = 0; i < edgeCount; ++i)
        m_selectedBlock[i] = selected[i];
    const COLORREF normal[edgeCount] = {color(COLOR_BTNTEXT), color(COLOR_BTNSHADOW), color(COLOR_BTNTEXT),
                                        color(COLOR_WINDOW), color(COLOR_BTNSHADOW), COLORREF(-1)};
    for (int i = 0; i < edgeCount; ++i)
        m_normalBlock[i] = normal[i];
}

int CXTPTabColorSet::AppearanceStyle() const
{
    return m_pPaintManager ? m_pPaintManager->CurrentAppearanceStyle() : -1;
}

int CXTPTabColorSet::PositionOf(CXTPTabManagerItem* pItem)
{
    return pItem && pItem->GetTabManager() ? pItem->GetTabManager()->GetPosition() : xtpTabPositionTop;
}

void CXTPTabColorSet::ApplyTextColor(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CXTPTabManager* pManager = pItem->GetTabManager();
    COLORREF clr = m_clrNormalText;
    if (!pItem->IsEnabled())
        clr = m_clrDisabledText;
    else if (pManager && !pManager->IsActive())
        clr = m_clrInactiveText;
    else if (pItem->IsSelected())
        clr = m_clrSelectedText;
    else if (pItem->IsHighlighted())
        clr = m_clrHotText;
    pDC->SetTextColor(clr);
}

COLORREF CXTPTabColorSet::TabFillColor(CXTPTabManagerItem* pItem)
{
    if (m_pPaintManager && m_pPaintManager->GetOwner())
        return pItem->GetTabManager() ? pItem->GetTabManager()->GetItemColor(pItem) : PaletteTabColor(pItem->GetColor());
    return pItem->IsSelected() ? m_clrSelectedTabFace : m_clrNormalTabFace;
}

COLORREF CXTPTabColorSet::PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    const COLORREF clr = TabFillColor(pItem);
    pDC->FillSolidRect(rc, clr);
    return clr;
}

void CXTPTabColorSet::PaintClientBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    pDC->FillSolidRect(rc, pItem ? TabFillColor(pItem) : COLORREF(m_clrSelectedTabFace));
}

void CXTPTabColorSet::PaintHeaderBackground(CDC* pDC, const CRect& rc, CXTPTabManager* pManager)
{
    ShadeArea(pDC, rc, m_clrHeaderFace.clrStart, m_clrHeaderFace.clrEnd,
              pManager ? pManager->GetPosition() : xtpTabPositionTop);
}

void CXTPTabColorSet::PaintSelectedTab(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    const int nPosition = PositionOf(pItem);
    if (pItem->IsSelected()) {
        if (m_pPaintManager && m_pPaintManager->GetOwner())
            pDC->FillSolidRect(rc, TabFillColor(pItem));
        else
            ShadeArea(pDC, rc, m_clrSelectedFill.clrStart, m_clrSelectedFill.clrEnd, nPosition);
        pDC->Draw3dRect(rc, m_clrSelectedBorder.clrStart, m_clrSelectedBorder.clrEnd);
        return;
    }
    // Other tabs get an etched separator at their trailing edge.
    CXTPColorManager* pColors = GetColorManager();
    const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    const COLORREF clrLight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    if (CXTPTabAppearanceSet::IsVertical(nPosition)) {
        pDC->FillSolidRect(rc.left + 2, rc.bottom - 2, rc.Width() - 4, 1, clrShadow);
        pDC->FillSolidRect(rc.left + 2, rc.bottom - 1, rc.Width() - 4, 1, clrLight);
    } else {
        pDC->FillSolidRect(rc.right - 2, rc.top + 2, 1, rc.Height() - 4, clrShadow);
        pDC->FillSolidRect(rc.right - 1, rc.top + 2, 1, rc.Height() - 4, clrLight);
    }
}

void CXTPTabColorSet::DrawTabButton(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    CXTPColorManager* pColors = GetColorManager();
    const COLORREF clrLight = pColors->GetColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrShadow = pColors->GetColor(COLOR_BTNSHADOW);
    const COLORREF clrDark = pColors->GetColor(COLOR_3DDKSHADOW);
    CRect rcButton = rc;
    if (pItem->IsSelected()) {
        // Pressed: sunken edges over the selected face.
        ShadeArea(pDC, rcButton, m_clrSelectedFill.clrStart, m_clrSelectedFill.clrEnd, PositionOf(pItem));
        pDC->Draw3dRect(rcButton, clrDark, clrLight);
        rcButton.DeflateRect(1, 1);
        pDC->Draw3dRect(rcButton, clrShadow, m_clrButtonFace.clrStart);
    } else {
        ShadeArea(pDC, rcButton, m_clrButtonFace.clrStart, m_clrButtonFace.clrEnd, PositionOf(pItem));
        if (pItem->IsHighlighted()) {
            pDC->Draw3dRect(rcButton, clrLight, clrShadow);
        } else {
            pDC->Draw3dRect(rcButton, clrLight, clrDark);
            rcButton.DeflateRect(1, 1);
            pDC->Draw3dRect(rcButton, m_clrButtonFace.clrStart, clrShadow);
        }
    }
}

void CXTPTabColorSet::ShadeArea(CDC* pDC, const CRect& rc, COLORREF clrFirst, COLORREF clrSecond, int nPosition) const
{
    if (clrFirst == kDitheredFill) {
        CXTPColorManager* pColors = GetColorManager();
        static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        CBitmap bitmap;
        bitmap.Attach(::CreateBitmap(8, 8, 1, 1, kPattern));
        CBrush brush;
        brush.Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap.GetSafeHandle())));
        const COLORREF clrOldText = pDC->SetTextColor(pColors->GetColor(COLOR_BTNFACE));
        const COLORREF clrOldBk = pDC->SetBkColor(pColors->GetColor(COLOR_BTNHIGHLIGHT));
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
        pDC->SelectObject(pOldBrush);
        pDC->SetTextColor(clrOldText);
        pDC->SetBkColor(clrOldBk);
        return;
    }
    const BOOL bVertical = CXTPTabAppearanceSet::IsVertical(nPosition);
    BOOL bSwap = bVertical;
    if (m_pPaintManager && m_pPaintManager->m_bGradientSwap)
        bSwap = !bSwap;
    CXTGradientFiller::Instance().FillGradient(pDC, rc, bSwap ? clrSecond : clrFirst, bSwap ? clrFirst : clrSecond,
                                               bVertical);
}
