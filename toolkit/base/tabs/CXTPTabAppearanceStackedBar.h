#pragma once
// Style 8: full-width bars stacked down the control; the selected bar's page
// opens between it and the next bar, the following bars pushed to the bottom.
#include "CXTPTabAppearanceSet.h"

class CXTPTabAppearanceStackedBar : public CXTPTabAppearanceSet {
public:
    CXTPTabAppearanceStackedBar() { m_nStyle = 8; }

    CRect GetHeaderRect(CRect rcControl, CXTPTabManager* pManager) override;
    CRect GetClientRect(CRect rcControl, CXTPTabManager* pManager) override;
    int LayoutItems(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void AdjustClientRect(CXTPTabManager* pManager, CRect& rcClient) override;
    void DrawTabControl(CXTPTabManager* pManager, CDC* pDC, CRect rcControl) override;
    void DrawSingleItem(CDC* pDC, CXTPTabManagerItem* pItem) override;
    int GetColorSetMask() const override { return 5; }
};
