#pragma once
// The shell's folder browser. It opens at the folder of the path buffer, or
// at the current directory when that is empty, and leaves the chosen folder
// in the buffer.
#include "Framework.h"

#include <shlobj.h>

class CXTFolderBrowser {
public:
    static constexpr UINT kTitleId = 9030;   // "Select Directory:"

    // Owned by pOwnerWnd when given.
    explicit CXTFolderBrowser(CWnd* pOwnerWnd = nullptr);
    virtual ~CXTFolderBrowser() = default;
    CXTFolderBrowser(const CXTFolderBrowser&) = delete;
    CXTFolderBrowser& operator=(const CXTFolderBrowser&) = delete;

    void SetOwner(HWND hWndOwner) { m_bi.hwndOwner = hWndOwner; }
    void SetTitle(LPCTSTR lpszTitle);
    // The folder to open at. A path that does not fit the buffer leaves it
    // empty, so the browser opens at the current directory.
    void SetSelPath(LPCTSTR lpszPath);
    // The starting folder before DoModal, the chosen one after IDOK.
    LPCTSTR GetSelPath() const { return m_szPath; }
    const BROWSEINFOW& GetBrowseInfo() const { return m_bi; }

    // IDOK when a folder with a file-system path was chosen; IDCANCEL when the
    // user cancelled, the shell allocator is missing or the folder has no path.
    virtual INT_PTR DoModal();

private:
    static int CALLBACK BrowseCallbackProc(HWND hWnd, UINT message, LPARAM lParam, LPARAM lpData);

    BROWSEINFOW m_bi{};
    wchar_t m_szPath[MAX_PATH] = {};
    CString m_strTitle;
};
