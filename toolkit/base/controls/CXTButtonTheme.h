#pragma once
// The classic button look: a raised three-dimensional face (flat and
// semi-flat variants by the button's look flags), visual styles when the
// button asks for them, caption and image shifted by a pixel while down.
#include "Framework.h"
#include "CXTPPaintManagerColor.h"
#include "CXTPWinThemeWrapper.h"
#include "CXTThemeManagerStyle.h"

class CXTButton;

class CXTButtonTheme : public CXTThemeManagerStyle {
public:
    // The visual styles are reached through the table given.
    explicit CXTButtonTheme(ThemeEntryTable& table = ThemeEntryTable::Process());
    ~CXTButtonTheme() override;

    void ReloadMetrics() override { RefreshMetrics(); }
    virtual void RefreshMetrics();
    virtual BOOL NeedsHotTracking(CXTButton* pButton);
    virtual BOOL IsVisualStyle(CXTButton* pButton);
    virtual BOOL GetDrawImages() const { return m_bDrawImages; }
    virtual void SetDrawImages(BOOL bDrawImages) { m_bDrawImages = bDrawImages; }
    virtual CFont* GetThemeFont(CXTButton* pButton) const;
    // Ignored unless the font holds a font.
    virtual void SetThemeFont(CFont* pFont);
    virtual void SetColors(COLORREF clrFace, COLORREF clrLight, COLORREF clrShadow, COLORREF clrText);
    virtual void SetBackgroundColor(COLORREF clr) { m_clrBack.SetCustomValue(clr); }
    virtual COLORREF GetBackgroundColor() const { return m_clrBack; }
    virtual void SetLightColor(COLORREF clr) { m_clrLight.SetCustomValue(clr); }
    virtual void SetShadowColor(COLORREF clr) { m_clrShadow.SetCustomValue(clr); }
    virtual void SetTextColor(COLORREF clr) { m_clrText.SetCustomValue(clr); }
    virtual CPoint CalcCenterPosition(int cx, int cy, CXTButton* pButton);
    virtual CPoint CalcTextPosition(CDC* pDC, UINT nState, const CRect& rcItem, CSize sizeText, CXTButton* pButton);
    virtual COLORREF GetTextColor(UINT nState, CXTButton* pButton);
    virtual void DrawButtonText(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton);
    virtual CPoint CalcImagePosition(CDC* pDC, UINT nState, const CRect& rcItem, BOOL bHasImage, CXTButton* pButton);
    virtual void DrawButtonImage(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    virtual BOOL DrawVisualStyleBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    virtual void DrawButtonBackground(LPDRAWITEMSTRUCT lpDIS, CXTButton* pButton);
    virtual void DrawFocusRect(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton);

    // Down: pressed with the mouse, or a checked toggle.
    static BOOL IsDown(UINT nState, const CXTButton* pButton);
    // The caption as measured: single mnemonic marks left out.
    static CString MeasuredText(const CString& strText);

    BOOL m_bOffsetPushedText = TRUE;
    CXTPPaintManagerColor m_clrBack;
    CXTPPaintManagerColor m_clrText;
    CXTPPaintManagerColor m_clrDisabledText;
    CXTPPaintManagerColor m_clrLight;
    CXTPPaintManagerColor m_clrShadow;
    CXTPPaintManagerColor m_clrHighlight;
    CXTPPaintManagerColor m_clrDarkShadow;

protected:
    // Where the image of a button goes, one pixel further while it is down.
    CPoint ImageOrigin(CDC* pDC, UINT nState, const CRect& rcItem, CXTButton* pButton);
    // The 50 % dither of a pressed face (look flag 0x20).
    static void DrawDitheredFace(CDC* pDC, const CRect& rect);
    // The caption's extent in the theme font.
    CSize MeasureText(CDC* pDC, CXTButton* pButton);

    BOOL m_bDrawImages = TRUE;
    CFont* m_pFont = nullptr;
    CXTPWinThemeWrapper m_themeButton;
    BOOL m_bThemeOpened = FALSE;
};
