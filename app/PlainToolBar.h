#pragma once
// The wizard's toolbar until the real command bars take over: a native toolbar window.
#include "Framework.h"

class PlainToolBar : public CWnd {
public:
    BOOL CreateBar(CWnd* pFrame, LPCTSTR lpszTitle, UINT nID);
    // Loads the buttons of a toolbar resource (bitmap and button list of the same id).
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    void SetBarFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    DWORD GetBarFlags() const { return m_dwFlags; }
    const CString& GetTitle() const { return m_strTitle; }
    // Replaces the picture of a command's button by an icon.
    void SetCommandIcon(UINT nCommand, HICON hIcon);
    void HideCommand(UINT nCommand);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strTitle;
    DWORD m_dwFlags = 0;
    HIMAGELIST m_hImages = nullptr;
};
