#pragma once
// A browse edit used as an in-place editor: Enter, Escape (cancelled) and the
// loss of the focus to any window but its own browse button end the edit.
#include "CXTBrowseEdit.h"

class CXTItemEdit : public CXTBrowseEdit {
    DECLARE_DYNCREATE(CXTItemEdit)
public:
    CXTItemEdit() = default;

    // TRUE when Escape ended the edit.
    BOOL IsCancelled() const { return m_bCancelled; }

    // What ending does is the owner's: a derived editor takes the text, or
    // drops it when cancelled.
    virtual void EndLabelEdit() {}

protected:
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    BOOL m_bCancelled = FALSE;
};
