#pragma once
// A combo box that draws itself flat through its theme and, while the cursor
// is over it, has the focus or is dropped down, with a highlighted frame and a
// raised or pressed drop button. It can complete typed text from its list.
#include "CXTThemeHost.h"
#include "Framework.h"

class CXTFlatComboBoxTheme;

class CXTFlatComboBox : public CComboBox, public CXTThemeHost {
    DECLARE_DYNAMIC(CXTFlatComboBox)
public:
    static constexpr UINT_PTR kHotTimer = 1000;

    CXTFlatComboBox();

    void EnableAutoCompletion(BOOL bEnable = TRUE) { m_bAutoComplete = bEnable; }
    BOOL IsAutoCompletionEnabled() const { return m_bAutoComplete; }
    // With the flat look off the control neither tracks the cursor nor the focus.
    void EnableFlatLook(BOOL bFlat);
    BOOL IsFlat() const { return m_bFlat; }
    void SuppressCompletion(BOOL bSuppress) { m_bSuppressCompletion = bSuppress; }
    BOOL IsCompletionSuppressed() const { return m_bSuppressCompletion; }
    // Fills the text area of a list-only combo box; -1 means the window colour.
    void SetBackgroundColor(COLORREF clrBack);
    COLORREF GetBackgroundColor() const { return m_clrBack; }
    BOOL IsHot() const { return m_bHot; }
    BOOL IsFocused() const { return m_bFocused; }
    // False for a list-only combo box.
    BOOL HasEditField() const;

    CXTFlatComboBoxTheme* GetTheme() const;
    virtual BOOL IsCursorOver() const;
    // The state the theme draws: pressed while dropped down, raised while hot or
    // focused (always without the flat look), else flat.
    int GetDrawState() const;
    virtual void DrawCombo(CDC* pDC);

    // With auto-completion on, Backspace and Delete turn completion off until
    // the next other key, so that a completion can be deleted.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnThemeChanged() override;
    void Redraw();
    void TrackHotState();

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* pDC, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnSetFocusNotify();
    afx_msg void OnKillFocusNotify();
    afx_msg void OnEditUpdate();
    afx_msg void OnCloseUp();
    DECLARE_MESSAGE_MAP()

private:
    void DrawListOnlyText(CDC* pDC);

    BOOL m_bAutoComplete = FALSE;
    BOOL m_bFlat = TRUE;
    BOOL m_bSuppressCompletion = FALSE;
    BOOL m_bHot = FALSE;
    BOOL m_bFocused = FALSE;
    COLORREF m_clrBack = COLORREF(-1);
};
