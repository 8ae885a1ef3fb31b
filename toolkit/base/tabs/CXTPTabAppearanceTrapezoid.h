#pragma once
// Style 7: trapezoid tabs leaning into their neighbours, in the colour set's edge blocks.
#include "CXTPTabAppearanceFlat.h"

class CXTPTabAppearanceTrapezoid : public CXTPTabAppearanceFlat {
public:
    CXTPTabAppearanceTrapezoid();

    CRect GetHeaderMargin() override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
};
