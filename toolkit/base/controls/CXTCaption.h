#pragma once
// Caption bar: a static control that paints a title with an optional icon
// through its caption theme and carries one caption button. With the close
// style the button is a small close glyph that sends the caption's command to
// its owner; otherwise the button shows the caption's text and opens a popup
// that shows a child window the caption was given.
#include "CXTCaptionButton.h"
#include "CXTIconHandle.h"
#include "CXTThemeHost.h"
#include "Framework.h"

class CXTCaptionPopupWnd;
class CXTCaptionTheme;

// Notices of the caption popup to its caption, passed on to the caption's owner.
constexpr UINT WM_CAPTIONPOPUP_PINNED = 0x273E;
constexpr UINT WM_CAPTIONPOPUP_CLOSED = 0x273F;

class CXTCaption : public CStatic, public CXTThemeHost {
    DECLARE_DYNAMIC(CXTCaption)
public:
    // Caption style bits (the low three bits of the style given to Create).
    enum : DWORD { CaptionEtched = 0x01, CaptionRaised = 0x02, CaptionCloseButton = 0x04, CaptionStyleMask = 0x07 };
    static constexpr UINT kButtonId = 9115;

    CXTCaption();
    ~CXTCaption() override;

    // The remaining bits of dwCaptionStyle are applied as extended window styles.
    virtual BOOL Create(CWnd* pParentWnd, LPCTSTR lpszText, DWORD dwCaptionStyle, DWORD dwStyle, const CRect& rect,
                        UINT nID = 0xFFFF);

    // Each non-zero argument replaces its value; then repaints.
    void ConfigureCaption(int nBorder, CFont* pFont, LPCTSTR lpszText, HICON hIcon);
    // User colours survive system colour changes.
    void ApplyCaptionColors(COLORREF clrBorder, COLORREF clrFace, COLORREF clrText);
    // Stores the text and/or icon and paints them at once. From another thread
    // (the save worker) the change is handed to the caption's own thread, which
    // applies and paints the changes in the order they were made.
    void ChangeCaptionNow(LPCTSTR lpszText, HICON hIcon);
    // The child the text button shows in a popup, and the window told when the
    // popup is pinned or closes (the parent when null).
    void AttachPopupChild(CWnd* pChild, CWnd* pNotifyWnd);

    // What the themes read.
    int GetBorderSize() const { return m_nBorder; }
    COLORREF GetBorderColor() const { return m_clrBorder; }
    COLORREF GetFaceColor() const { return m_clrFace; }
    COLORREF GetTextColor() const { return m_clrText; }
    DWORD GetCaptionStyle() const { return m_dwCaptionStyle; }
    BOOL HasTextButton() const { return m_bTextButton; }
    void SetTextButton(BOOL bTextButton) { m_bTextButton = bTextButton; }
    HICON GetCaptionIcon() const { return m_hIcon; }
    CSize GetIconSize() const { return m_sizeIcon; }
    const CString& GetCaptionText() const { return m_strCaption; }
    CXTCaptionTheme* GetTheme() const;
    CXTCaptionButton& GetCaptionButton() { return m_captionButton; }
    CXTCaptionPopupWnd* GetPopup() const { return m_pPopup; }

    // The small-icon metric capped at 16 pixels.
    static int CappedIconExtent(int nMetric) { return nMetric < 16 ? nMetric : 16; }

    virtual CRect GetTextRect() const;
    virtual CRect GetButtonRect() const;

protected:
    // Stores the text and/or icon and paints background, text and icon at once on a window DC.
    virtual void UpdateCaption(LPCTSTR lpszText, HICON hIcon);
    virtual void DrawCaptionBack(CDC* pDC, const CRect& rcClient);
    virtual void DrawCaptionText(CDC* pDC);
    virtual void DrawCaptionIcon(CDC* pDC, const CRect& rcClient);
    virtual void ShowPopup();
    void OnThemeChanged() override;
    void ClosePopup();
    void NotifyOwner(UINT message);

    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    afx_msg void OnButtonClicked();
    afx_msg LRESULT OnPopupPinned(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChangeFromOtherThread(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int m_nBorder = 0;
    COLORREF m_clrBorder;
    COLORREF m_clrFace;
    COLORREF m_clrText;
    int m_nOffset = 0;
    BOOL m_bUserColors = FALSE;
    BOOL m_bTextButton = FALSE;
    CWnd* m_pChildWnd = nullptr;
    CWnd* m_pNotifyWnd = nullptr;
    CWnd* m_pParentWnd = nullptr;
    CWnd* m_pGrandParentWnd = nullptr;
    CSize m_sizeIcon;
    CRect m_rcChild;
    CRect m_rcParent;
    CRect m_rcGrandParent;
    DWORD m_dwCaptionStyle = 0;
    HICON m_hIcon = nullptr;
    CString m_strCaption;
    CImageList m_imageList;
    CXTIconHandle m_iconClose;
    CXTCaptionButton m_captionButton;
    CXTCaptionPopupWnd* m_pPopup = nullptr;
};
