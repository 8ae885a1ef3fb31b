#pragma once
// Style 6: flat tabs outlined in the frame colour.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearanceFlat : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearanceFlat();

    CRect DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 7; }
    int GetDefaultColorSet() const override { return 2; }

protected:
    // The tab's rectangle grown on its trailing side, and for the selected tab toward the client.
    CRect OutlineRect(CXTPTabManagerItem* pItem) const;
};
