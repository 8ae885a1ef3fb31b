#pragma once
// Flat edit framed in the colour scheme's hot frame colour while hot or focused.
#include "CXTFlatEditThemeHighlight.h"

class CXTFlatEditThemeGradient : public CXTFlatEditThemeHighlight {
public:
    void DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState) override;
};
