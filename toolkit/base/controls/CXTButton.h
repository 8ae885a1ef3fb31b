#pragma once
// The toolkit's push button: an owner-drawn button whose whole look is drawn
// by a button theme. The button keeps what the theme draws from: hot and
// pushed state, the icon, the look flags and where image and text go.
#include "Framework.h"
#include "CXTThemeHost.h"

class CXTButtonTheme;
class CXTPImageManagerIcon;
class CXTPImageManagerIconHandle;

// Look flags, read by the themes.
enum : DWORD {
    BS_XT_FLAT = 0x0001,          // frame only while hot or down
    BS_XT_SEMIFLAT = 0x0002,      // one-pixel frame always
    BS_XT_TWOROWS = 0x0004,       // image above the caption
    BS_XT_SHOWFOCUS = 0x0010,     // dotted focus rectangle
    BS_XT_HILITEPRESSED = 0x0020, // dithered face while down
    BS_XT_XPFLAT = 0x0040,        // the second alternative theme
    BS_XT_WINXP_COMPAT = 0x1000,  // visual styles when the system has them
};

class CXTButton : public CButton, public CXTThemeHost {
    DECLARE_DYNAMIC(CXTButton)
public:
    // Draws with the themes of pFactoryClass (a CXTThemeManagerStyleFactory),
    // or of CXTButtonThemeFactory when none is given.
    explicit CXTButton(const CRuntimeClass* pFactoryClass = nullptr);
    ~CXTButton() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    // Icons: every form stores the size and replaces the icon; the hot image is optional.
    virtual BOOL SetIcon(CSize size, HICON hIcon, HICON hIconHot = nullptr, BOOL bRedraw = TRUE);
    // Icon resources; FALSE (and nothing changed) when the normal one cannot be loaded.
    virtual BOOL SetIcon(CSize size, UINT nID, UINT nHotID = 0, BOOL bRedraw = TRUE);
    virtual BOOL SetIcon(CSize size, const CXTPImageManagerIconHandle& hIcon,
                         const CXTPImageManagerIconHandle& hIconHot, BOOL bRedraw = TRUE);
    // A toolkit alpha bitmap, else a bitmap masked by its top-left pixel's colour.
    virtual BOOL SetBitmap(CSize size, UINT nID, BOOL bRedraw = TRUE);
    // Places image and text at these points instead of the theme's places.
    virtual void SetTextAndImagePos(CPoint ptImage, CPoint ptText, BOOL bRedraw = TRUE);
    // Bit 0x40 gives the button a gradient theme of its own, else bit 0x01 a
    // highlight theme; without either it draws with its factory's theme.
    // Answers the old flags.
    virtual DWORD SetLookFlags(DWORD dwFlags, BOOL bRedraw = TRUE);
    virtual DWORD GetLookFlags() const;
    virtual BOOL HasTheme() const;
    // Colours of the theme; each does nothing and answers FALSE without a theme.
    virtual BOOL SetColorFace(COLORREF clrFace);
    // Without a theme, the look data's button face.
    virtual COLORREF GetColorFace() const;
    virtual BOOL SetColorHilite(COLORREF clrHilite);
    virtual BOOL SetColorShadow(COLORREF clrShadow);
    virtual BOOL SetColors(COLORREF clrFace, COLORREF clrHilite, COLORREF clrShadow, COLORREF clrText);
    // Face, frame, hot fill and pressed fill of a highlight or gradient theme.
    virtual BOOL SetHighlightColors(COLORREF clrFace, COLORREF clrFrame, COLORREF clrHotFill,
                                    COLORREF clrPressedFill);
    // The alternate (framed) style of a highlight or gradient theme.
    virtual BOOL SetAlternateStyle(BOOL bAlternate);
    // WM_SETFONT with redraw; answers the previous font.
    virtual CFont* SwapFont(CFont* pFont);
    // Turns the button owner-drawn, keeping every other style bit.
    virtual void InitOwnerDraw();
    virtual void CleanUpIcon();
    virtual CString GetButtonText(BOOL bRemoveAmpersand) const;

    // What the themes read.
    CXTButtonTheme* GetTheme() const;
    BOOL IsHot() const { return m_bHot; }
    BOOL IsPushed() const { return m_bPushed; }
    // A toggle's checked state (a browse button while its menu is open).
    void SetPushed(BOOL bPushed);
    BOOL HasUserPositions() const { return m_bUserPosition; }
    int GetBorderGap() const { return m_nBorderGap; }
    int GetImageGap() const { return m_nImageGap; }
    // Each (0, 0) while the theme does not draw images.
    CSize GetImageSize() const;
    CPoint GetImagePoint() const;
    CPoint GetTextPoint() const;
    CXTPImageManagerIcon* GetIcon() const { return m_pIcon; }

    static constexpr UINT_PTR kHotTimer = 1;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnThemeChanged() override;
    void RedrawIfAsked(BOOL bRedraw);
    // Ends hot tracking when the button is pressed or the cursor left it.
    void CheckHot();

    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    int m_nImageGap = 8;
    int m_nBorderGap = 4;
    BOOL m_bPreSubclassInit = TRUE;
    BOOL m_bHot = FALSE;
    BOOL m_bUserPosition = FALSE;
    BOOL m_bPushed = FALSE;
    DWORD m_dwLookFlags = BS_XT_FLAT;
    CSize m_sizeImage{0, 0};
    CPoint m_ptImage{0, 0};
    CPoint m_ptText{0, 0};
    CXTPImageManagerIcon* m_pIcon = nullptr;   // one reference held
};
