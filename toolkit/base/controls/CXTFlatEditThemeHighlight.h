#pragma once
// Flat edit framed in the toolkit's hot frame colour while hot or focused.
#include "CXTFlatEditTheme.h"

class CXTFlatEditThemeHighlight : public CXTFlatEditTheme {
public:
    void DrawFlatEdit(CDC* pDC, CXTFlatEdit* pEdit, const CRect& rc, int nState) override;
};
