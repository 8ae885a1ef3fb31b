#pragma once
// The in-place editor: a single-line edit laid over a grid cell. It takes the
// keyboard, grows to the right as text is typed, and when Enter, Tab, Escape,
// a page or arrow key or the loss of focus ends it, sends the grid an
// end-edit notice with the final text and the key that ended it, then closes
// and deletes itself.
#include "CEdit.h"

class CGridCellEditor : public CEdit {
    DECLARE_DYNAMIC(CGridCellEditor)
public:
    // Creates and shows the window over rect (the grid's client coordinates)
    // and takes the focus. firstKey is what started the edit: 1 for the left
    // mouse button, else the character typed (Tab and space select the text,
    // Backspace removes its last character, Enter keeps it, any other
    // character replaces it). Made with new: once
    // its window exists the object deletes itself when the window is
    // destroyed; when the window could not be made (no window handle) the
    // caller deletes it.
    CGridCellEditor(CWnd* pParent, const CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                    const CString& initialText, UINT firstKey);

    // Sends the end-edit notice and closes the window. Runs once: a call made
    // while any editor is finishing does nothing.
    void FinishAndNotify();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    ~CGridCellEditor() override = default;
    friend class CGridCell;
    // Records the key and gives the focus back to the grid, which ends the edit.
    // The object may be gone when this returns.
    void EndWithKey(UINT key);
    // Widens the window to fit the text, up to the grid's right edge.
    void FitWidthToText();

    int m_nRow;
    int m_nColumn;
    CString m_sInitText;
    UINT m_nLastChar = 0;
    BOOL m_bExitOnArrows;
    CRect m_Rect;
    bool m_bAutoDelete = false;
};
