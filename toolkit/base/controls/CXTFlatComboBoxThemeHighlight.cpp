#include "CXTFlatComboBoxThemeHighlight.h"

#include "CXTPColorManager.h"

void CXTFlatComboBoxThemeHighlight::DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState)
{
    const COLORREF clrFrame = GetColorManager()->GetColor(IsActiveState(nState) ? 32 : 51);
    PaintCombo(pDC, pCombo, nState, CSize(m_cxBorder, m_cyBorder), clrFrame, clrFrame);
}

void CXTFlatComboBoxThemeHighlight::DrawDropButton(CDC* pDC, const CRect& rc, int nState, CXTFlatComboBox* pCombo)
{
    CRect rcButton = rc;
    DrawDropButtonFace(pDC, rcButton, nState, pCombo);
    DrawArrow(pDC, rcButton, 0, pCombo);
}

void CXTFlatComboBoxThemeHighlight::DrawButtonSeparator(CDC* pDC, const CRect& rc, COLORREF clrLine)
{
    pDC->FillSolidRect(rc.left - 1, rc.top, 1, rc.Height(), clrLine);
}

void CXTFlatComboBoxThemeHighlight::DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* /*pCombo*/)
{
    CXTPColorManager* pColors = GetColorManager();
    rc.left = rc.right - m_nDropButtonWidth + 2;
    if (IsActiveState(nState)) {
        pDC->FillSolidRect(&rc, pColors->GetColor(nState == StatePressed ? 33 : 31));
        DrawButtonSeparator(pDC, rc, pColors->GetColor(32));
        return;
    }
    CRect rcFace = rc;
    rcFace.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcFace, pColors->GetColor(COLOR_BTNFACE));
}
