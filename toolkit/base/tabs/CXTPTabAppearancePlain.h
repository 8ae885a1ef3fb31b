#pragma once
// Style 5: only the selected tab has a face; the others are parted by separators.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearancePlain : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearancePlain();

    CRect DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 7; }
    int GetDefaultColorSet() const override { return 2; }
};
