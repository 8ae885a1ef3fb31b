#pragma once
// The plain look of a caption's button: the button theme in the colours of the
// caption it belongs to, showing the caption's text when it is a text button.
#include "CXTButtonTheme.h"

class CXTCaption;

class CXTCaptionButtonTheme : public CXTButtonTheme {
public:
    CXTCaptionButtonTheme();

    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;
    void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;

    // The caption the button belongs to, when it has a window; else null.
    static CXTCaption* CaptionOf(CXTButton* pButton);
    // The caption's text in the button rectangle, for the text button only.
    static void DrawCaptionText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton, CXTButtonTheme* pTheme,
                                BOOL bOffsetPushedText);
    // Themes 1 and 2 on a caption with a window: disabled, hot or pressed
    // colours, else the caption's text colour.
    static COLORREF HighlightTextColor(UINT nState, CXTButton* pButton, COLORREF clrHotText);
};
