#pragma once
// The shell's folder browser; the chosen folder is left in m_szPath.
#include "Framework.h"

class FolderPickerDialog {
public:
    explicit FolderPickerDialog(CWnd* pOwnerWnd);

    CString m_strTitle = L"Select Folder";
    // Starting folder on entry, the chosen one after IDOK.
    wchar_t m_szPath[MAX_PATH] = {};

    // IDOK when a file-system folder was chosen, IDCANCEL otherwise.
    INT_PTR DoModal();

private:
    CWnd* m_pOwnerWnd;
};
