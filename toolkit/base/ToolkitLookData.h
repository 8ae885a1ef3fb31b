#pragma once
// The toolkit's one record of the system's look: the colours controls paint
// with, the standard fonts, a few cursors and metrics, the common-controls
// version and which Windows runs. Read once, when first asked for; a later
// change of the system colours or style does not reach it.
#include "Framework.h"
#include "NonClientMetrics.h"

#include <functional>

// What the look data reads of the system; tests hand in their own.
struct LookDataSystem {
    std::function<NonClientMetrics()> nonClientMetrics;
    std::function<LOGFONTW()> iconTitleFont;
    std::function<BYTE()> screenCharset;
    std::function<BOOL(LPCTSTR lpszFace)> fontFamilyExists;
    // The system's hand cursor; null on systems without one.
    std::function<HCURSOR()> systemHandCursor;

    static LookDataSystem Actual();
};

class ToolkitLookData {
public:
    // The toolkit's own colours from number 30 on that the record keeps.
    static constexpr int kToolkitColorCount = 20;

    explicit ToolkitLookData(LookDataSystem system = LookDataSystem::Actual());
    virtual ~ToolkitLookData() = default;
    ToolkitLookData(const ToolkitLookData&) = delete;
    ToolkitLookData& operator=(const ToolkitLookData&) = delete;

    // Builds the ten fonts again; a face given and installed replaces the
    // horizontal fonts' (and the status and small-caption fonts') face, or the
    // vertical fonts' face. FALSE at the first font that cannot be made; the
    // fonts made before it stay.
    BOOL UpdateFonts(LPCTSTR lpszHorzFace = nullptr, LPCTSTR lpszVertFace = nullptr);

    // Major version in the high, minor in the low 16 bits; 0 while unknown.
    DWORD GetComCtlVersion() const { return m_nComCtlVersion == -1 ? 0 : static_cast<DWORD>(m_nComCtlVersion); }

    COLORREF clrBtnFace = 0;
    COLORREF clrBtnShadow = 0;
    COLORREF clr3DDkShadow = 0;
    COLORREF clrBtnHighlight = 0;
    COLORREF clr3DLight = 0;
    COLORREF clrBtnText = 0;
    COLORREF clrGrayText = 0;
    COLORREF clrHighlight = 0;
    COLORREF clrHighlightText = 0;
    COLORREF clrMenu = 0;
    COLORREF clrMenuText = 0;
    COLORREF clrWindow = 0;
    COLORREF clrWindowFrame = 0;
    COLORREF clrWindowText = 0;
    COLORREF clrActiveCaption = 0;
    COLORREF clrInactiveCaption = 0;
    COLORREF clrGradActiveCaption = 0;
    COLORREF clrGradInactiveCaption = 0;
    COLORREF clrActiveCaptionText = 0;
    COLORREF clrInactiveCaptionText = 0;
    COLORREF clrToolkit[kToolkitColorCount] = {};   // colour-manager numbers 30 to 49

    HCURSOR hcurSplitHorz = nullptr;   // resource 9008
    HCURSOR hcurSplitVert = nullptr;   // resource 9009
    HCURSOR hcurMove = nullptr;        // resource 9011
    HCURSOR hcurHand = nullptr;        // the system's, else resource 9973
    HCURSOR hcurDragMove = nullptr;    // resource 9970
    HCURSOR hcurDragCopy = nullptr;    // resource 9971
    HCURSOR hcurSizeAll = nullptr;

    int cxSmIcon = 0;
    int cySmIcon = 0;
    int cxHThumb = 0;
    int cyVThumb = 0;
    int cyMenuItem = 0;

    CFont fontNormal;
    CFont fontBold;
    CFont fontUnderline;
    CFont fontVert;
    CFont fontVertBold;
    CFont fontIconTitle;
    CFont fontIconTitleBold;
    CFont fontSymbol;          // "Marlett", as tall as the icon-title font
    CFont fontStatus;
    CFont fontSmallCaption;

    BOOL bWin95 = FALSE;
    BOOL bWin98 = FALSE;
    BOOL bWinNT4 = FALSE;
    BOOL bWin2K = FALSE;
    BOOL bWinXP = FALSE;

    // Makes the horizontal fonts "Tahoma" on Western character sets.
    BOOL bPreferTahoma = FALSE;

private:
    void ReadComCtlVersion();
    void ReadColors();
    void ReadMetrics();
    void LoadCursors();

    LookDataSystem m_system;
    int m_nComCtlVersion = -1;
};

// The process's look data, made on first call and destroyed at exit. Only the
// user-interface thread calls it.
class ToolkitLookData& ToolkitLookData();
