#pragma once
// The flat highlight look in the toolkit's own colours: a plain face that
// fills when hot, pressed or checked, with faded and shadowed images.
#include "CXTButtonTheme.h"

class CXTButtonThemeHighlight : public CXTButtonTheme {
public:
    explicit CXTButtonThemeHighlight(BOOL bAlternateStyle = FALSE);

    void RefreshMetrics() override;
    BOOL NeedsHotTracking(CXTButton* pButton) override;
    COLORREF GetTextColor(UINT nState, CXTButton* pButton) override;
    void DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;
    void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton) override;
    void DrawFocusRect(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton) override;

    virtual void SetAlternateStyle(BOOL bAlternateStyle);
    virtual void SetPressedFillColor(COLORREF clr) { m_clrPressedFill.SetCustomValue(clr); }
    virtual void SetHotFillColor(COLORREF clr) { m_clrHotFill.SetCustomValue(clr); }
    virtual void SetPressedTextColor(COLORREF clr) { m_clrPressedText.SetCustomValue(clr); }
    virtual void SetHotTextColor(COLORREF clr) { m_clrHotText.SetCustomValue(clr); }

    BOOL GetAlternateStyle() const { return m_bAlternateStyle; }

    BOOL m_bFadedImages = TRUE;
    BOOL m_bIconShadow = TRUE;
    CXTPPaintManagerColor m_clrPressedFill;
    CXTPPaintManagerColor m_clrHotFill;
    CXTPPaintManagerColor m_clrPressedText;
    CXTPPaintManagerColor m_clrHotText;
    CXTPPaintManagerColor m_clrCheckedFill;

protected:
    BOOL m_bAlternateStyle;
};
