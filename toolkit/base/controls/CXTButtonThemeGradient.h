#pragma once
// The gradient look that follows the system's colour scheme: hot, pressed and
// checked faces are filled with the colour manager's button gradients.
#include "CXTButtonThemeHighlight.h"

class CXTButtonThemeGradient : public CXTButtonThemeHighlight {
public:
    explicit CXTButtonThemeGradient(BOOL bAlternateStyle = FALSE);

    void RefreshMetrics() override;
    void DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;
    void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;
};
