#pragma once
// The system's Open and Save As dialogs. The filter takes the framework's form
// "Description|*.ext|Other|*.a;*.b||"; the explorer layout is always asked for.
// m_ofn may be adjusted before DoModal, for instance to give a larger name
// buffer for multiple selection.

#include "CDialog.h"

#include <commdlg.h>
#include <string>

class CFileDialog : public CDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);

    OPENFILENAME m_ofn{};

    // IDOK when the user chose a file, IDCANCEL otherwise (also when the name
    // buffer is too small for the selection).
    INT_PTR DoModal() override;

    // The chosen path (with multiple selection of several files: their folder).
    CString GetPathName() const;
    // The last part of the path, with and without extension, and the extension without the dot.
    CString GetFileName() const;
    CString GetFileTitle() const;
    CString GetFileExt() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // Walks the chosen paths (OFN_ALLOWMULTISELECT); null when nothing was chosen.
    POSITION GetStartPosition() const;
    // The full path at pos; pos moves on (null after the last).
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    wchar_t m_szFileName[MAX_PATH] = {};
    wchar_t m_szFileTitle[MAX_PATH] = {};
    std::wstring m_strFilter; // '|' turned into the zeros the system expects
    std::wstring m_strDefExt;
};
