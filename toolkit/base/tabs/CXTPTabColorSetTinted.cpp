#include "CXTPTabColorSetTinted.h"

#include "CXTPColorManager.h"
#include "CXTPTabNavigateButton.h"

void CXTPTabColorSetTinted::ReloadMetrics()
{
    // The base values, not the plain set's.
    CXTPTabColorSet::ReloadMetrics();
    CXTPColorManager* pColors = GetColorManager();
    const int nStyle = AppearanceStyle();
    if (nStyle != 7 && nStyle != 4)
        m_clrHeaderFace.SetStandardValue(pColors->GetColor(48));
    if (nStyle == 5) {
        m_clrNormalText = pColors->GetColor(49);
        m_clrInactiveText = pColors->GetColor(49);
    }
}

void CXTPTabColorSetTinted::PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc)
{
    const int nStyle = AppearanceStyle();
    if (nStyle == 7 || nStyle == 4) {
        CXTPTabColorSetPlain::PaintNavigateButtonFace(pDC, pButton, rc);
        return;
    }
    CXTPColorManager* pColors = GetColorManager();
    if (pButton->IsPressed()) {
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNTEXT), pColors->GetColor(COLOR_BTNFACE));
        rc.OffsetRect(1, 1);
    } else if (pButton->IsHot()) {
        pDC->Draw3dRect(rc, pColors->GetColor(COLOR_BTNFACE), pColors->GetColor(COLOR_BTNTEXT));
    }
    pDC->SetTextColor(pColors->GetColor(49));
}
