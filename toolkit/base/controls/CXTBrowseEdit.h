#pragma once
// Edit control with a browse button at its right that fills it with a chosen
// folder or file path, or opens a popup menu.
#include "CXTBrowseButton.h"
#include "CXTEdit.h"

class CXTBrowseEdit : public CXTEdit {
    DECLARE_DYNCREATE(CXTBrowseEdit)
public:
    // The low three bits of the browse style choose the kind of browse.
    enum : DWORD { BrowseFolder = 0x01, BrowseFile = 0x02, BrowsePopupMenu = 0x04, BrowseKindMask = 0x07 };
    static constexpr UINT kButtonId = 9124;
    static constexpr UINT kDefaultExtensionId = 9033;   // "*.*"
    static constexpr UINT kFilterId = 9034;             // "All Files (*.*)|*.*||"
    static constexpr UINT kFolderTitleId = 9035;        // "Directory name:"

    CXTBrowseEdit();

    // Initializes the edit part; with a browse kind, makes the button and
    // narrows the edit to leave room for it. False when either step fails.
    BOOL PrepareBrowseEdit(CWnd* pParentWnd, DWORD dwBrowseStyle, UINT nMenu = 0, int nSubMenuIndx = 0);

    void SetDefaultExtension(LPCTSTR lpszDefExt) { m_strDefExt = lpszDefExt; }
    void SetFileName(LPCTSTR lpszFileName) { m_strFileName = lpszFileName; }
    void SetFilter(LPCTSTR lpszFilter) { m_strFilter = lpszFilter; }
    void SetFolderTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    // TRUE: an Open dialog; FALSE: Save As.
    void SetOpenFile(BOOL bOpenFileDialog) { m_bOpenFileDialog = bOpenFileDialog; }
    // A dialog of the caller's own to run in place of the built-in one (borrowed).
    void SetFileDialog(CFileDialog* pFileDialog) { m_pFileDialog = pFileDialog; }

    DWORD GetBrowseStyle() const { return m_dwBrowseStyle; }
    BOOL IsDialogOpen() const { return m_bDialogOpen; }
    CXTBrowseButton& GetBrowseButton() { return m_browseButton; }

    // The button's action: the folder browser, the file dialog or the popup
    // menu; then the edit takes the focus with all its text selected.
    virtual void RunBrowseAction();

protected:
    virtual void ChooseFolder();
    virtual void ChooseFile();
    virtual void ShowPopupMenu();
    void PositionBrowseButton();

    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

    int m_nGap;
    BOOL m_bDialogOpen = FALSE;
    BOOL m_bOpenFileDialog = TRUE;
    UINT m_nMenu = 0;
    int m_nSubMenuIndx = 0;
    DWORD m_dwFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    DWORD m_dwBrowseStyle = BrowseFolder;
    CString m_strDefExt;
    CString m_strFileName;
    CString m_strFilter;
    CString m_strTitle;
    CFileDialog* m_pFileDialog = nullptr;
    CXTBrowseButton m_browseButton;

private:
    static int ButtonWidth();
};
