#pragma once
// A caption's button in the flat highlight look: hot and pressed fills framed
// in the toolkit's colours, otherwise the caption's face.
#include "CXTButtonThemeHighlight.h"

class CXTCaptionButtonThemeHighlight : public CXTButtonThemeHighlight {
public:
    CXTCaptionButtonThemeHighlight();

    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;
    void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;
};
