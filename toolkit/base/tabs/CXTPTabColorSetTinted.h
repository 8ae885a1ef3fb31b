#pragma once
// The plain set with a tinted header and flat navigate buttons.
#include "CXTPTabColorSetPlain.h"

class CXTPTabColorSetTinted : public CXTPTabColorSetPlain {
public:
    void ReloadMetrics() override;
    void PaintNavigateButtonFace(CDC* pDC, CXTPTabNavigateButton* pButton, CRect& rc) override;
};
