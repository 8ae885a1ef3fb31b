#pragma once
// A single-line toolkit edit whose border is drawn flat by its theme and, while
// the cursor is over it or it has the focus, with a highlighted frame.
#include "CXTEdit.h"
#include "CXTThemeHost.h"

class CXTFlatEditTheme;

class CXTFlatEdit : public CXTEdit, public CXTThemeHost {
    DECLARE_DYNCREATE(CXTFlatEdit)
public:
    static constexpr UINT_PTR kHotTimer = 1000;

    CXTFlatEdit();

    // With the flat look off the edit paints the platform's own border and
    // neither tracks the cursor nor the focus.
    void EnableFlatLook(BOOL bFlat);
    BOOL IsFlat() const { return m_bFlat; }
    BOOL IsHot() const { return m_bHot; }
    BOOL IsFocused() const { return m_bFocused; }

    CXTFlatEditTheme* GetTheme() const;
    virtual BOOL IsCursorOver() const;
    // Pressed while focused, raised while hot, else flat.
    int GetDrawState() const;
    virtual void DrawBorders(CDC* pDC, const CRect& rc);

protected:
    void OnThemeChanged() override;
    void RedrawBorder();
    void TrackHotState();

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnNcPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bHot = FALSE;
    BOOL m_bFocused = FALSE;
    BOOL m_bFlat = TRUE;
};
