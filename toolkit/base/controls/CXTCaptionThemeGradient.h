#pragma once
// Caption bar in the colour scheme's caption gradients: framed with a text
// button, underlined without one.
#include "CXTCaptionTheme.h"

class CXTPPaintManagerColorGradient;

class CXTCaptionThemeGradient : public CXTCaptionTheme {
public:
    void DrawCaptionBack(CDC* pDC, CXTCaption* pCaption, const CRect& rc) override;
    // The gradient the bar is filled with.
    static const CXTPPaintManagerColorGradient& BackGradient(CXTCaption* pCaption);
};
