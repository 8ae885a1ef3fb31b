#pragma once
// The own tooltip window on a gradient in the colours of the current scheme.
#include "CXTPToolTipWindow.h"

class CXTPGradientToolTipWindow : public CXTPToolTipWindow {
public:
    using CXTPToolTipWindow::CXTPToolTipWindow;

    void DrawTipBackground(CDC* pDC, const CRect& rcClient) override;
};
