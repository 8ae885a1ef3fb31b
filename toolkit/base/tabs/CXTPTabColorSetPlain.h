#pragma once
// The classic colour set: system colours, a dithered selected tab.
#include "CXTPTabColorSet.h"

class CXTPTabColorSetPlain : public CXTPTabColorSet {
public:
    void ReloadMetrics() override;
    void PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc) override;
};
