#include "CXTPTabColorSetPlain.h"

#include "CXTPColorManager.h"
#include "CXTPTabNavigateButton.h"

void CXTPTabColorSetPlain::ReloadMetrics()
{
    CXTPTabColorSet::ReloadMetrics();
    CXTPColorManager* pColors = GetColorManager();
    auto color = [pColors](int nIndex) { return pColors->GetColor(nIndex); };

    m_clrSelectedFill.SetStandardValue(kDitheredFill, kDitheredFill);
    m_clrSelectedBorder.SetStandardValue(color(COLOR_BTNSHADOW), color(COLOR_BTNHIGHLIGHT));
    const COLORREF selected[edgeCount] = {color(COLOR_BTNTEXT), color(COLOR_BTNTEXT), color(COLOR_BTNTEXT),
                                          color(COLOR_WINDOW), color(COLOR_BTNSHADOW), color(COLOR_BTNSHADOW)};
    for (int i = 0; i < edgeCount; ++i) {
        m_selectedBlock[i] = selected[i];
        m_normalBlock[i] = i < edgeInnerLeftTop ? selected[i] : COLORREF(-1);
    }
    if (AppearanceStyle() == 7) {
        m_clrSelectedTabFace = color(COLOR_BTNFACE);
        m_clrNormalTabFace = color(COLOR_WINDOW);
        m_clrFrameBorder = color(COLOR_BTNTEXT);
    }
}

void CXTPTabColorSetPlain::PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc)
{
    if (!pButton->IsEnabled())
        return;
    CXTPColorManager* pColors = GetColorManager();
    if (pButton->IsPressed()) {
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNSHADOW), pColors->GetColor(COLOR_BTNHIGHLIGHT));
        rc.OffsetRect(1, 1);
    } else if (pButton->IsHot()) {
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNHIGHLIGHT), pColors->GetColor(COLOR_BTNSHADOW));
    }
    pDC->SetTextColor(pColors->GetColor(COLOR_BTNTEXT));
}
