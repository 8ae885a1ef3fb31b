#pragma once
// Style 3: tabs with a slanted leading side that reaches under the tab before.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearanceSlanted : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearanceSlanted();

    CRect GetHeaderMargin() override;
    CRect DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 21; }
    int GetDefaultColorSet() const override { return 4; }

protected:
    COLORREF BorderColor(CXTPTabManagerItem* pItem) const;
};
