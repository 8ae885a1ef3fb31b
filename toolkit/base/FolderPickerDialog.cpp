#include "FolderPickerDialog.h"

#include <shlobj.h>

namespace {

int CALLBACK SelectStartFolder(HWND hWnd, UINT message, LPARAM, LPARAM lpData)
{
    if (message == BFFM_INITIALIZED && lpData != 0 && *reinterpret_cast<const wchar_t*>(lpData) != L'\0')
        ::SendMessageW(hWnd, BFFM_SETSELECTIONW, TRUE, lpData);
    return 0;
}

} // namespace

FolderPickerDialog::FolderPickerDialog(CWnd* pOwnerWnd) : m_pOwnerWnd(pOwnerWnd) {}

INT_PTR FolderPickerDialog::DoModal()
{
    BROWSEINFOW bi{};
    bi.hwndOwner = m_pOwnerWnd != nullptr ? m_pOwnerWnd->GetSafeHwnd() : nullptr;
    bi.lpszTitle = m_strTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    bi.lpfn = SelectStartFolder;
    bi.lParam = reinterpret_cast<LPARAM>(m_szPath);
    PIDLIST_ABSOLUTE pidl = ::SHBrowseForFolderW(&bi);
    if (pidl == nullptr)
        return IDCANCEL;
    wchar_t szChosen[MAX_PATH] = {};
    const BOOL bPath = ::SHGetPathFromIDListW(pidl, szChosen);
    ::CoTaskMemFree(pidl);
    if (!bPath)
        return IDCANCEL; // a virtual folder (Control Panel...) has no path
    ::lstrcpynW(m_szPath, szChosen, MAX_PATH);
    return IDOK;
}
