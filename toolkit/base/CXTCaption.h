#pragma once
// Caption bar: a static control that paints a title with an optional icon in
// its own colours. With the close style it carries a small close button that
// sends the caption's command id to its owner.
#include "Framework.h"

#include <mutex>

class CXTCaption : public CStatic {
public:
    // Caption style bits (the low three bits of the style given to Create).
    enum : DWORD { CaptionCloseButton = 0x04, CaptionStyleMask = 0x07 };
    static constexpr UINT kButtonId = 9115;

    CXTCaption();

    // The remaining bits of dwCaptionStyle are applied as extended window styles.
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwCaptionStyle, DWORD dwStyle, const CRect& rect,
                        UINT nID = 0xFFFF);

    // Each non-zero argument replaces its value; then repaints.
    void ConfigureCaption(int nBorder, CFont* pFont, LPCTSTR lpszText, HICON hIcon);
    // User colours survive system colour changes.
    void ApplyCaptionColors(COLORREF clrBack, COLORREF clrSecond, COLORREF clrText);
    // Stores the text and/or icon and paints them at once; from another thread
    // (the save worker) the caption is only invalidated, so nothing waits on the UI thread.
    virtual void ChangeCaptionNow(LPCTSTR lpszText, HICON hIcon);

    CString GetCaptionText() const;
    HICON GetCaptionIcon() const;
    COLORREF GetBackColor() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }
    CSize GetIconSize() const { return m_sizeIcon; }
    // The small-icon metric capped at 16 pixels.
    static int CappedIconExtent(int nMetric) { return nMetric < 16 ? nMetric : 16; }

    virtual CRect GetTextRect() const;
    virtual CRect GetButtonRect() const;

protected:
    virtual void DrawCaptionBack(CDC* pDC, const CRect& rcClient);
    virtual void DrawCaptionText(CDC* pDC);
    virtual void DrawCaptionIcon(CDC* pDC, const CRect& rcClient);
    void PaintCaption(CDC* pDC);

    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSysColorChange();
    afx_msg void OnButtonClicked();
    DECLARE_MESSAGE_MAP()

    int m_nBorder = 0;
    COLORREF m_clrBack;
    COLORREF m_clrSecond;
    COLORREF m_clrText;
    BOOL m_bUserColors = FALSE;
    CSize m_sizeIcon;
    DWORD m_dwCaptionStyle = 0;
    CFont* m_pFont = nullptr;
    CButton m_captionButton;

private:
    // Text and icon are changed by worker threads while the UI thread paints.
    mutable std::mutex m_mutex;
    HICON m_hIcon = nullptr;
    CString m_strCaption;
};
