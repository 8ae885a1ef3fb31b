#pragma once
// The drawing engine of the command bars: every bar, control, separator,
// gripper, status-bar pane and popup animation is measured and drawn here. It
// owns the command-bar fonts, 62 colours taken from the colour manager, the
// icon options and the animation settings. The look itself belongs to the
// themes that derive from it; one global instance serves every bar without a
// paint manager of its own.
#include "Framework.h"
#include "CXTPPaintManagerColor.h"
#include "CXTPPaintManagerColorGradient.h"
#include "CXTPPaintManagerFont.h"

class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPImageManagerIcon;

// The kinds of popup animation.
enum XTPAnimationType {
    xtpAnimateSlide = 2,
    xtpAnimateUnfold = 3,
    xtpAnimateFade = 4,
};

// What DrawSpecialControl draws.
enum XTPSpecialControl {
    xtpButtonExpandToolbar = 0,
    xtpButtonExpandMenu = 1,
    xtpButtonMDIClose = 2,
    xtpButtonPopupArrow = 3,
};

class CXTPPaintManager : public CCmdTarget {
public:
    static constexpr int kColorCount = 62;

    // The icon options the options exchange reads and writes in place.
    struct IconOptions {
        BOOL bUseFadedIcons = FALSE;
        BOOL bUseDisabledIcons = FALSE;
        BOOL bIconsWithShadow = FALSE;
        BOOL bTintedDisabledIcons = FALSE;
    };

    ~CXTPPaintManager() override;

    // A new paint manager of the theme (the default theme for numbers it does
    // not know); the caller owns the one reference.
    static CXTPPaintManager* CreateTheme(int nTheme);
    // Takes over the caller's reference, releases the previous global one,
    // marks the new one as installed by itself (theme 5) and refreshes it.
    static void SetGlobalPaintManager(CXTPPaintManager* pPaintManager);
    // Makes the theme global and leaves the number in its theme field.
    static CXTPPaintManager* SetTheme(int nTheme);
    static void ReleaseGlobalPaintManager();
    // The global instance, or null before the first SetTheme.
    static CXTPPaintManager* GetGlobal();
    // The global instance, made with theme 0 when there is none yet.
    static CXTPPaintManager* GetGlobalPaintManager();

    // Measures (bDraw FALSE) or draws a control: edits and combo boxes by
    // their own operations, menu rows and toolbar buttons by their parent's kind.
    CSize DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw = TRUE);

    virtual CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) = 0;
    virtual CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc);
    virtual CSize DrawControlComboBox(CDC* pDC, CXTPControl* pControl, BOOL bDraw) = 0;
    virtual CSize DrawControlEdit(CDC* pDC, CXTPControl* pControl, BOOL bDraw) = 0;
    // A command as an entry of the customize dialogs' lists.
    virtual CSize DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected, BOOL bDraw,
                                     CXTPCommandBars* pCommandBars) = 0;
    virtual void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) = 0;
    // The state background of a control; leaves the text colour for it in the DC.
    virtual void DrawRectangle(CDC* pDC, CRect rc, BOOL bEnabled, BOOL bSelected, BOOL bPressed, BOOL bChecked,
                               BOOL bPopuped, int nBarPosition) = 0;
    virtual void DrawControlEntry(CDC* pDC, CXTPControl* pControl);
    virtual void DrawButtonFrame(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, BOOL bToolBar, int nBarPosition) = 0;
    virtual CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) = 0;
    // pControl may be null when only the separator's size is asked for.
    virtual CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                          BOOL bDraw = TRUE) = 0;
    // The rectangle a popup opened from the control must not cover.
    virtual void AdjustExcludeRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) = 0;
    virtual void DrawStatusBarPaneBorder(CDC* pDC, CRect rc);
    virtual void DrawStatusBarGripper(CDC* pDC, CRect rcClient);
    virtual void FillDockBar(CDC* pDC, CWnd* pBar);
    virtual void FillStatusBar(CDC* pDC, CWnd* pBar);
    virtual void RefreshMetrics();
    // True: popups are shadowed even when the system shadows none, and
    // disabled captions are drawn flat instead of embossed.
    virtual BOOL HasPopupShadow() const;
    // nKind is an XTPSpecialControl; lpParam is the kind's extra value (the
    // bar's size for the expand button of a toolbar, whether it hides controls).
    virtual CSize DrawSpecialControl(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar, BOOL bDraw,
                                     LPVOID lpParam);
    // The four margins of a bar's controls.
    virtual CRect GetCommandBarBorders(CXTPCommandBar* pBar);
    virtual CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) = 0;
    virtual void DrawImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage, BOOL bSelected,
                           BOOL bPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped, BOOL bToolBar) = 0;
    // The gripper of a bar that asks for one as tall as its text.
    virtual CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) = 0;
    virtual int GetThemeValue() = 0;
    virtual CFont* GetCommandBarFont(CXTPCommandBar* pBar, BOOL bBold = FALSE);
    virtual void DrawCheckMark(CDC* pDC, CRect rcCheck, COLORREF clr, BOOL bLayoutVariant = FALSE);
    virtual void DrawDropDownGlyph(CDC* pDC, CRect rc, COLORREF clr);
    // Shows the source's picture on the target in the animation's steps.
    virtual void Animate(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nAnimationType);
    // Called with a popup bar's caption before its check marks are drawn; no theme draws anything here.
    virtual void DrawCommandBarExtra(LPCTSTR lpszCaption);

    // Image and caption side by side: the size of the pair, drawn when bDraw.
    CSize DrawControlText(CDC* pDC, CXTPControl* pControl, CRect rcText, BOOL bDraw, BOOL bVert,
                          BOOL bCentered, BOOL bTriangled);
    CSize DrawTextCaption(CDC* pDC, const CString& strCaption, CRect rcText, BOOL bDraw, BOOL bVert,
                          BOOL bCentered, BOOL bTriangled, BOOL bEmbossed, BOOL bUnderline);
    void Triangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    // Fill and border are colour indices (or colours); -1 leaves out a part.
    void Rectangle(CDC* pDC, CRect rc, int nFill, int nBorder);
    void Draw3dRect(CDC* pDC, CRect rc, int nTopLeft, int nBottomRight);
    void Line(CDC* pDC, CPoint ptFrom, CPoint ptTo);
    void Line(CDC* pDC, CPoint ptFrom, CPoint ptTo, int nPen);
    void GradientFill(CDC* pDC, CRect rc, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal,
                      const CRect* pClip = nullptr);

    // Index 0 to 61: the custom value when set, else the standard one. Any
    // other number stands for a colour of its own and is returned unchanged.
    COLORREF GetColor(int nIndex) const;
    // Writes standard values, one per index.
    void SetColors(int nCount, const int* pIndices, const COLORREF* pValues);
    // The colour scheme in force: schemes 4 and 5 follow the system.
    int GetCurrentTheme() const;

    void SetCommandBarsFontIndirect(const LOGFONT* pLogFont, BOOL bUseStandardFont = FALSE);
    // The command-bar font made from the system's menu font: at least 11
    // pixels tall when the height is given as a character height.
    static LOGFONT StandardFontFromMenuFont(const LOGFONT& lfMenu, BYTE nCharSet);
    void RefreshFonts();

    IconOptions* GetOptionRecord() { return &m_iconOptions; }
    int GetTheme() const { return m_nTheme; }
    int GetTextHeight() const { return m_nTextHeight; }
    COLORREF GetTextColor() const { return m_clrText; }
    const CXTPPaintManagerColorGradient& GetFaceGradient() const { return m_faceGradient; }
    CFont* GetRegularFont() { return &m_fontRegular; }
    CFont* GetRegularBoldFont() { return &m_fontRegularBold; }
    CFont* GetIconFont() { return &m_fontIcon; }
    CFont* GetSmCaptionFont() { return &m_fontSmCaption; }
    int GetAnimationSteps() const { return m_nAnimationSteps; }
    int GetAnimationTime() const { return m_nAnimationTime; }
    void SetAnimationDelay(int nSteps, int nTime)
    {
        m_nAnimationSteps = nSteps;
        m_nAnimationTime = nTime;
    }
    // -1 lets each caller decide whether mnemonics are underlined.
    void SetAccelUnderline(int nUnderline) { m_nAccelUnderline = nUnderline; }
    void SetBoldCheckMarks(BOOL bBold) { m_bBoldCheckMarks = bBold; }
    void SetColorScheme(int nScheme) { m_nColorScheme = nScheme; }

protected:
    CXTPPaintManager();

    // A filled down triangle of the glyph size used by buttons with a drop-down part.
    void DrawDropDownTriangle(CDC* pDC, CRect rc, COLORREF clr);

    COLORREF m_clrThemeColor = 0;
    COLORREF m_clrText = 0;
    CXTPPaintManagerColorGradient m_faceGradient;
    BOOL m_bBoldCheckMarks = FALSE;
    BOOL m_bThemeFlag = TRUE;
    CFont m_fontRegular;
    CFont m_fontRegularBold;
    CFont m_fontVert;
    CFont m_fontVertBold;
    CXTPPaintManagerFont m_fontSmCaption;
    CXTPPaintManagerFont m_fontIcon;
    CXTPPaintManagerFont m_fontIconBold;
    int m_nTextHeight = 0;
    BOOL m_bUseTahoma = FALSE;
    BOOL m_bUseStandardFont = TRUE;
    int m_nTheme = 0;
    IconOptions m_iconOptions;
    int m_nAnimationSteps = 10;
    int m_nAnimationTime = 100;
    int m_nAccelUnderline = -1;
    CXTPPaintManagerColor m_colors[kColorCount];
    int m_nColorScheme = 5;

private:
    // The image a toolbar control shows, if any, and its size at the bar's image width.
    CXTPImageManagerIcon* ToolBarImage(CXTPControl* pControl, CSize& szIcon);

    static CXTPPaintManager* s_pGlobal;
};
