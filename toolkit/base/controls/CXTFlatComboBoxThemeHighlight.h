#pragma once
// Flat combo box in the toolkit's highlight colours: a one-pixel frame and a
// filled drop button while hot or pressed; the arrow never moves.
#include "CXTFlatComboBoxTheme.h"

class CXTFlatComboBoxThemeHighlight : public CXTFlatComboBoxTheme {
public:
    void DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState) override;
    void DrawDropButton(CDC* pDC, const CRect& rc, int nState, CXTFlatComboBox* pCombo) override;
    void DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* pCombo) override;

protected:
    // The one-pixel line left of the button face.
    static void DrawButtonSeparator(CDC* pDC, const CRect& rc, COLORREF clrLine);
};
