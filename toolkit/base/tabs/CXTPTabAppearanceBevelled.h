#pragma once
// Style 9: trapezoid tabs with bevelled upper corners, overlapping toward the selected tab.
#include "CXTPTabAppearanceSlanted.h"

class CXTPTabAppearanceBevelled : public CXTPTabAppearanceSlanted {
public:
    CXTPTabAppearanceBevelled();

    CRect GetHeaderMargin() override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
};
