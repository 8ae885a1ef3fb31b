#pragma once
// Style 0: raised property-page tabs over a raised client frame.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearance3D : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearance3D();

    CRect GetClientMargin() override;
    CRect DrawHeaderAndFrame(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 13; }

protected:
    // The raised shape and the label.
    void DrawRaisedItem(CDC* pDC, CXTPTabManagerItem* pItem);
};
