#pragma once
// Style 2: the flat tabs with their two outer corners softened.
#include "CXTPTabAppearanceFlat.h"

class CXTPTabAppearanceBordered : public CXTPTabAppearanceFlat {
public:
    CXTPTabAppearanceBordered() { m_nStyle = 2; }

    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetDefaultColorSet() const override { return 1; }
};
