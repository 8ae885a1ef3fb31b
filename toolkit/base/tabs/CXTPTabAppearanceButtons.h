#pragma once
// Style 4: every tab a push button; no header face, no client frame, rows apart.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearanceButtons : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearanceButtons();

    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 31; }
    int GetDefaultColorSet() const override { return 2; }
};
