#pragma once
// The toolkit's one source of colours. Numbers 0 to 29 are the system colours
// under their own numbers; 30 to 61 are the toolkit's shades, blended from the
// system colours and pushed apart where neighbours would look alike. Under the
// three standard visual-style colour schemes it also holds fixed scheme colours
// and gradients.
#include "Framework.h"
#include "CXTPPaintManagerColorGradient.h"
#include "ThemeEntryTable.h"

#include <functional>

// Which colour scheme the toolkit paints in; 4 and 5 follow the system's.
enum ColorSchemeKind {
    xtpColorSchemeNone = 0,
    xtpColorSchemeBlue = 1,
    xtpColorSchemeOlive = 2,
    xtpColorSchemeSilver = 3,
    xtpColorSchemeSystem = 4,
    xtpColorSchemeSystemOther = 5,
};

class CXTPColorManager : public CCmdTarget {
public:
    static constexpr int kColorCount = 62;
    static constexpr int kFirstToolkitColor = 30;
    // Gradients 0 to 6 follow the scheme; 7 (checked), 8 (pressed) and 9 (hot)
    // are the same in every scheme.
    static constexpr int kSchemeGradientCount = 7;
    static constexpr int kGradientCount = 10;

    CXTPColorManager();

    // A number above 61 is taken as an RGB value and returned unchanged, so an
    // RGB value of 61 or less reads as a colour number.
    COLORREF GetColor(int nIndex) const;
    // For 30 to 61 the scheme's colour when the scheme has one.
    COLORREF GetSchemeOrStandardColor(int nIndex) const;

    // Per channel: weight parts of first and the rest of second, in percent
    // below 100 and in tenths of a percent from 100 on (165 is 16.5 %).
    static COLORREF BlendColors(COLORREF clrFirst, COLORREF clrSecond, int nWeight);

    void RefreshColors();

    ColorSchemeKind GetCurrentTheme() const;
    ColorSchemeKind GetCurrentSystemTheme() const { return m_systemTheme; }
    BOOL SchemeColorsSwitchedOff() const { return m_bSchemeColorsDisabled; }
    BOOL IsLowColor() const { return m_bLowColor; }

    const CXTPPaintManagerColorGradient& GetGradient(int nIndex) const { return m_gradients[nIndex]; }

    // No caller in the program sets these; they let a user's choice win.
    void SetColor(int nIndex, COLORREF clr) { m_override[nIndex] = clr; }
    void SetTheme(ColorSchemeKind theme) { m_chosenTheme = theme; }
    void SwitchOffSchemeColors(BOOL bOff) { m_bSchemeColorsDisabled = bOff; }

    // Where the refresh reads the system colours (GetSysColor when empty), the
    // display's bits per pixel (the desktop's when empty) and the visual styles.
    void SetSystemColorSource(std::function<COLORREF(int)> source) { m_sysColorSource = std::move(source); }
    void SetDisplayDepthSource(std::function<int()> source) { m_displayDepthSource = std::move(source); }
    void SetThemeEntryTable(ThemeEntryTable& table) { m_themeTable = &table; }

private:
    COLORREF SystemColor(int nIndex) const;
    int DisplayDepth() const;
    // The scheme the scheme colours and gradients follow: none while switched off.
    ColorSchemeKind SchemeInForce() const;

    void SetPlainDefaults();
    void SetSchemeColors();
    void DeriveColors();
    void SetGradients();
    void ReadTreeViewBorder();

    CXTPPaintManagerColorGradient m_gradients[kGradientCount];
    BOOL m_bSchemeColorsDisabled = FALSE;
    COLORREF m_standard[kColorCount] = {};
    COLORREF m_override[kColorCount];
    COLORREF m_scheme[kColorCount];
    std::function<COLORREF(int)> m_sysColorSource;
    std::function<int()> m_displayDepthSource;
    ThemeEntryTable* m_themeTable = &ThemeEntryTable::Process();
    ColorSchemeKind m_chosenTheme = xtpColorSchemeSystem;
    ColorSchemeKind m_systemTheme = xtpColorSchemeNone;
    BOOL m_bLowColor = FALSE;
};

// The process's one colour manager, made (and refreshed) on first use.
CXTPColorManager* GetColorManager();

// Refreshes the colour manager when its last refresh is more than 500 ms old.
// Until the program has a main window every call refreshes: start-up may still
// change what the colours depend on.
void RefreshColorsIfStale();

// The standard colour scheme the system's visual style runs in, or none.
ColorSchemeKind DetectColorScheme(ThemeEntryTable& table = ThemeEntryTable::Process());
