#include "CXTPTabColorSetScheme.h"

#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTPTabManager.h"
#include "CXTPTabNavigateButton.h"
#include "CXTPTabPaintManager.h"

namespace {

// Fixed colours of the three standard schemes.
struct SchemeColors {
    COLORREF clrA, clrB, clrC;
    COLORREF clrSelectedBorder;
    COLORREF clrHeaderFrom, clrHeaderTo;
    COLORREF clrNormalFace, clrSelectedFace, clrHotFace;
    COLORREF clrButtonFrom, clrButtonTo;
    COLORREF clrButtonFrame;
};

const SchemeColors kSchemes[3] = {
    {0x9C613B, 0x9A3500, 0xF1A675, 0x800000, 0xFADAC4, 0xFEFDFC, 0xF6C0A2, 0x73C2FF, 0xC9F0FF, 0xF5BE9E, 0xFADAC4,
     0x800000},
    {0x588060, 0x6B7760, 0x8CC2B0, 0x385D3F, 0xE4F1F2, 0xFEFEFC, 0xAADED0, 0x73C2FF, 0xC7F0FF, 0xA7D9D9, 0xE4F1F2,
     0x385D3F},
    {0x947C7C, 0x927476, 0xCEB9BA, 0x6F4B4B, 0xF7F3F3, 0xFEFEFC, 0xE6D9D9, 0x73C2FF, 0xC2EEFF, 0xE5D7D7, 0xF7F3F3,
     0x6F4B4B},
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

} // namespace

void CXTPTabColorSetScheme::ReloadMetrics()
{
    CXTPTabColorSet::ReloadMetrics();
    CXTPColorManager* pColors = GetColorManager();
    auto color = [pColors](int nIndex) { return pColors->GetColor(nIndex); };

    m_clrHeaderFace.SetStandardValue(color(COLOR_BTNFACE),
                                     CXTPColorManager::BlendColors(color(COLOR_BTNFACE), color(COLOR_WINDOW), 205));
    m_clrSelectedFill.SetStandardValue(color(36));
    m_clrSelectedBorder.SetStandardValue(color(37));
    m_clrHotTabFace = color(36);
    m_clrHotText = color(COLOR_BTNTEXT);

    m_bSchemeColored = FALSE;
    const ColorSchemeKind scheme = pColors->GetCurrentTheme();
    if (!(m_pPaintManager && m_pPaintManager->UseNoSchemeColors()) && scheme >= xtpColorSchemeBlue &&
        scheme <= xtpColorSchemeSilver) {
        const SchemeColors& s = kSchemes[scheme - xtpColorSchemeBlue];
        m_clrFrameBorder = s.clrA;
        m_clrSelectedTabBorder = s.clrA;
        m_clrTabDarkShadow = s.clrB;
        m_clrSlantedTabBorder = s.clrB;
        m_clrTabShadow = s.clrC;
        m_clrSlantLight = s.clrC;
        m_clrSlantLight2 = kWhite;
        m_clrSelectedFill.SetStandardValue(0x6FC0FF);
        m_clrSelectedBorder.SetStandardValue(s.clrSelectedBorder);
        m_clrHeaderFace.SetStandardValue(s.clrHeaderFrom, s.clrHeaderTo);
        m_clrNormalTabFace = s.clrNormalFace;
        m_clrSelectedTabFace = s.clrSelectedFace;
        m_clrHotTabFace = s.clrHotFace;
        m_clrButtonFace.SetStandardValue(s.clrButtonFrom, s.clrButtonTo);
        m_clrButtonFrame = s.clrButtonFrame;
        m_bSchemeColored = TRUE;
    } else {
        m_clrSelectedTabFace = color(36);
    }

    const COLORREF clrFrame = m_clrFrameBorder;
    for (int i = 0; i < edgeCount; ++i) {
        const COLORREF clr = i < edgeInnerLeftTop ? clrFrame : COLORREF(-1);
        m_selectedBlock[i] = clr;
        m_normalBlock[i] = clr;
    }
    if (AppearanceStyle() == 4) {
        m_clrHeaderFace.SetStandardValue(color(COLOR_BTNFACE));
        m_clrButtonFace.SetStandardValue(color(COLOR_BTNFACE));
    }
}

COLORREF CXTPTabColorSetScheme::FaceOf(CXTPTabManagerItem* pItem)
{
    return pItem->IsHighlighted() && !pItem->IsSelected() ? COLORREF(m_clrHotTabFace) : TabFillColor(pItem);
}

COLORREF CXTPTabColorSetScheme::PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    const COLORREF clr = FaceOf(pItem);
    ShadeArea(pDC, rc, CXTPColorManager::BlendColors(clr, kWhite, 300), clr, PositionOf(pItem));
    return clr;
}

void CXTPTabColorSetScheme::PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc)
{
    CXTPColorManager* pColors = GetColorManager();
    const BOOL bPressed = pButton->IsPressed();
    const BOOL bHot = pButton->IsHot();
    if (!pButton->IsEnabled() || (!bPressed && !bHot)) {
        pDC->SetTextColor(pColors->GetColor(COLOR_BTNTEXT));
        return;
    }
    const BOOL bBoth = bPressed && bHot;
    if (m_bSchemeColored) {
        CXTGradientFiller::Instance().FillGradient(pDC, rc, bBoth ? COLORREF(0x5FB0FF) : COLORREF(0xC8F2FF),
                                                   bBoth ? COLORREF(0x8BCFFF) : COLORREF(0x97D4FF), FALSE);
        pDC->Draw3dRect(rc, m_clrButtonFrame, m_clrButtonFrame);
        pDC->SetTextColor(pColors->GetColor(COLOR_BTNTEXT));
    } else {
        pDC->FillSolidRect(rc, pColors->GetColor(bBoth ? 50 : 32));
        const COLORREF clrFrame = pColors->GetColor(bBoth ? 33 : 31);
        pDC->Draw3dRect(rc, clrFrame, clrFrame);
        pDC->SetTextColor(pColors->GetColor(bBoth ? 47 : 45));
    }
}
