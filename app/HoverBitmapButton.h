#pragma once
#include "CXTPTabManagerItem.h"
#include "Framework.h"

// Flat owner-drawn picture button: one picture at rest, another while hovered
// or pressed, a third while disabled; a thin raised border on hover, a tooltip,
// and its description in the status bar while hovered.
class HoverBitmapButton : public CButton {
public:
    HoverBitmapButton();
    ~HoverBitmapButton() override;

    // Returns 0, 1 when a bitmap cannot be read, 2 when a mask cannot be made.
    int SetBitmaps(UINT nFirst, COLORREF crFirstKey, UINT nSecond, COLORREF crSecondKey, UINT nDisabled);
    void SetTooltipText(const CString& text, BOOL bActivate = TRUE);
    // Borrowed; the main view hands them over.
    void SetStatusWindow(CWnd* pStatus) { m_pStatus = pStatus; }
    void SetTabItem(CXTPTabManagerItem* pItem) { m_pTabItem = pItem; }
    BOOL IsHovered() const { return m_bHover; }
    // Index of the picture that the next paint shows (-1: none).
    int PictureToDraw(BOOL bPressed, BOOL bDisabled) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    virtual void DrawBorder(CDC* pDC, const CRect& rect);
    virtual void DrawIcon(CDC*, const CRect&) {}
    virtual void DrawBitmap(CDC* pDC, const CRect& rect);
    virtual void DrawText(CDC*, const CRect&) {}

    void PreSubclassWindow() override;
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCancelMode();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnClicked();
    DECLARE_MESSAGE_MAP()

private:
    struct Picture {
        HBITMAP hBitmap = nullptr;
        HBITMAP hMask = nullptr;
        int cx = 0, cy = 0;
    };
    int LoadPicture(int index, UINT nID, COLORREF crKey);
    void FreePictures();
    void LeaveHover();
    void ResetColors();

    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bDefault = FALSE;
    CPoint m_pressedOffset{1, 1};
    COLORREF m_colors[6] = {};
    Picture m_pictures[3];
    HWND m_hTooltip = nullptr;
    CString m_strDescription;
    CWnd* m_pStatus = nullptr;
    CXTPTabManagerItem* m_pTabItem = nullptr;
};
