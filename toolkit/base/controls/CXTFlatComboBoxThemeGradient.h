#pragma once
// Flat combo box in the colour scheme's gradients: the drop button shows the
// scheme's flat, hot and pressed gradients.
#include "CXTFlatComboBoxThemeHighlight.h"

class CXTFlatComboBoxThemeGradient : public CXTFlatComboBoxThemeHighlight {
public:
    void DrawFlatComboBox(CDC* pDC, CXTFlatComboBox* pCombo, int nState) override;
    void DrawDropButtonFace(CDC* pDC, CRect& rc, int nState, CXTFlatComboBox* pCombo) override;
};
