#include "CXTPTabColorSetSchemeFlat.h"

#include "CXTPColorManager.h"
#include "CXTPTabManager.h"
#include "CXTPTabPaintManager.h"

void CXTPTabColorSetSchemeFlat::ReloadMetrics()
{
    m_bFlatColored = FALSE;
    if (!(m_pPaintManager && m_pPaintManager->UseNoSchemeColors())) {
        CXTPTabColorSetScheme::ReloadMetrics();
        return;
    }
    CXTPTabColorSet::ReloadMetrics();
    CXTPColorManager* pColors = GetColorManager();
    m_bSchemeColored = FALSE;
    m_clrSelectedTabFace = RGB(255, 255, 255);
    m_clrHotTabFace = pColors->GetColor(36);
    m_clrHotText = pColors->GetColor(COLOR_BTNTEXT);
    switch (pColors->GetCurrentTheme()) {
    case xtpColorSchemeBlue:
    case xtpColorSchemeOlive:
        m_clrHeaderFace.SetStandardValue(0xD5E2E4);
        m_bFlatColored = TRUE;
        break;
    case xtpColorSchemeSilver:
        m_clrNormalTabFace = 0xF8F5F5;
        m_clrHeaderFace.SetStandardValue(0xEEEEEE);
        m_bFlatColored = TRUE;
        break;
    default: break;
    }
    if (m_bFlatColored) {
        m_clrSlantLight = pColors->GetColor(57);
        m_clrFrameBorder = pColors->GetColor(57);
    }
}

COLORREF CXTPTabColorSetSchemeFlat::PaintTabBackground(CDC* pDC, const CRect& rc, CXTPTabManagerItem* pItem)
{
    const COLORREF clr = FaceOf(pItem);
    if (m_bFlatColored)
        ShadeArea(pDC, rc, CXTPColorManager::BlendColors(clr, RGB(255, 255, 255), 300), clr, PositionOf(pItem));
    else
        pDC->FillSolidRect(rc, clr);
    return clr;
}
