#pragma once
// A static control that looks and acts like a web link: underlined text in a
// link colour (hover and visited colours besides), a hand cursor and a tooltip
// with the link over its text, and a click that opens the link through the
// shell. Colours, hover and cursor apply to text statics (SS_LEFT, SS_CENTER,
// SS_RIGHT) only; a bitmap static just opens its link.
#include "Framework.h"

class CXTHyperLink : public CStatic {
    DECLARE_DYNAMIC(CXTHyperLink)
public:
    static constexpr UINT_PTR kHoverTimer = 1;

    CXTHyperLink();
    ~CXTHyperLink() override;

    void AssignLinkColors(COLORREF clrLink, COLORREF clrVisited, COLORREF clrHover);
    COLORREF NormalTextColor() const { return m_clrLink; }
    COLORREF VisitedTextColor() const { return m_clrVisited; }
    COLORREF HoverTextColor() const { return m_clrHover; }
    void MarkVisited(BOOL bVisited = TRUE);
    BOOL IsVisited() const { return m_bVisited; }
    BOOL IsHovering() const { return m_bHover; }
    // -1 paints on the colour manager's button face.
    void SetBackgroundColor(COLORREF clrBack);
    COLORREF BackgroundColor() const;
    void EnableUnderline(BOOL bUnderline = TRUE);
    BOOL IsUnderlined() const { return m_bUnderline; }
    void SetHoverCursor(HCURSOR hCursor);
    HCURSOR HoverCursor() const { return m_hCursor; }

    // Stores the link; the tip shows it unless a tip text was set. False when
    // there is nothing to show in the tip.
    BOOL SetLinkTarget(LPCTSTR lpszURL);
    const CString& LinkTarget() const { return m_strURL; }
    // Opens the link (the control's when none is given) with the shell verb
    // "open"; a failure is shown to the user and answers FALSE.
    BOOL OpenLinkTarget(LPCTSTR lpszURL = nullptr, int nShowCmd = SW_SHOW, LPCTSTR lpszParams = nullptr,
                        LPCTSTR lpszDir = nullptr);
    // Beeps and shows the text of a shell error code in a message box.
    void ShowOpenError(int nCode);
    // The text of a shell error code, an unknown code formatted into it.
    static CString OpenErrorText(int nCode);

    BOOL IsPointerOverText();
    BOOL ApplyLinkFont();
    void MakeLinkFont(CFont& font, BOOL bUnderline);
    virtual void PrepareControl();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The shell's open; returns the shell's instance code (above 32 on success).
    virtual HINSTANCE ShellOpen(LPCTSTR lpszURL, LPCTSTR lpszParams, LPCTSTR lpszDir, int nShowCmd);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnNcHitTest(CPoint) { return HTCLIENT; }
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsTextControl() const;
    void Repaint();

    BOOL m_bOpenOnClick = TRUE;
    BOOL m_bInitOnSubclass = TRUE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bToolTip = TRUE;
    CFont m_font;
    CString m_strURL;
    CString m_strTipText;
    HCURSOR m_hCursor = nullptr;
    COLORREF m_clrLink = 0xFF0000;
    COLORREF m_clrHover = 0x0000FF;
    COLORREF m_clrVisited = 0x800080;
    COLORREF m_clrBack = COLORREF(-1);
    CToolTipCtrl m_toolTip;
};
