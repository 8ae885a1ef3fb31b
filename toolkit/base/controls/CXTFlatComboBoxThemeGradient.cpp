#include "CXTFlatComboBoxThemeGradient.h"

#include "CXTFlatComboBox.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"

void CXTFlatComboBoxThemeGradient::DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState)
{
    const COLORREF clrFrame = IsActiveState(nState) ? GetColorManager()->GetSchemeOrStandardColor(32) : COLORREF(-1);
    PaintCombo(pDC, pCombo, nState, CSize(m_cxBorder, m_cyBorder), clrFrame, clrFrame);
}

void CXTFlatComboBoxThemeGradient::DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* pCombo)
{
    CXTPColorManager* pColors = GetColorManager();
    const CXTGradientFiller& filler = CXTGradientFiller::Instance();
    rc.left = rc.right - m_nDropButtonWidth + 2;
    if (IsActiveState(nState)) {
        filler.FillGradientPair(pDC, rc, pColors->GetGradient(nState == StatePressed ? 8 : 9), FALSE);
        DrawButtonSeparator(pDC, rc, pColors->GetSchemeOrStandardColor(32));
        return;
    }
    if (pCombo->IsWindowEnabled()) {
        CRect rcFace = rc;
        rcFace.DeflateRect(1, 1);
        filler.FillGradientPair(pDC, rcFace, pColors->GetGradient(6), FALSE);
    }
}
