#pragma once
// A caption's button in the colour scheme's gradients: hot and pressed
// gradients framed, otherwise the caption bar's own gradient at the button's
// place, so that the button does not show on the bar.
#include "CXTButtonThemeGradient.h"

class CXTCaption;
class CXTPPaintManagerColorGradient;

class CXTCaptionButtonThemeGradient : public CXTButtonThemeGradient {
public:
    CXTCaptionButtonThemeGradient();

    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;
    // The colours of the caption's gradient at two points on the screen; FALSE
    // when the caption has no window.
    virtual BOOL GetCaptionGradient(CPoint ptStart, CPoint ptEnd, CXTCaption* pCaption,
                                    CXTPPaintManagerColorGradient& gradient);
};
