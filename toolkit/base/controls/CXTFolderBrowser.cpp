#include "CXTFolderBrowser.h"

#include "CXTPResourceManager.h"

CXTFolderBrowser::CXTFolderBrowser(CWnd* pOwnerWnd)
{
    GetResourceManager()->FetchString(m_strTitle, kTitleId);
    m_bi.hwndOwner = pOwnerWnd != nullptr ? pOwnerWnd->GetSafeHwnd() : nullptr;
    m_bi.pidlRoot = nullptr;
    m_bi.pszDisplayName = m_szPath;
    m_bi.lpszTitle = m_strTitle;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
    m_bi.lpfn = BrowseCallbackProc;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
    m_bi.iImage = 0;
}

void CXTFolderBrowser::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    m_bi.lpszTitle = m_strTitle;
}

void CXTFolderBrowser::SetSelPath(LPCTSTR lpszPath)
{
    const std::size_t nLength = lpszPath != nullptr ? ::wcslen(lpszPath) : 0;
    if (nLength >= MAX_PATH) {
        m_szPath[0] = L'\0';
        return;
    }
    ::wmemcpy(m_szPath, lpszPath != nullptr ? lpszPath : L"", nLength + 1);
}

INT_PTR CXTFolderBrowser::DoModal()
{
    IMalloc* pMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&pMalloc)) || pMalloc == nullptr)
        return IDCANCEL;
    INT_PTR nResult = IDCANCEL;
    if (PIDLIST_ABSOLUTE pidl = ::SHBrowseForFolderW(&m_bi)) {
        if (::SHGetPathFromIDListW(pidl, m_szPath))
            nResult = IDOK;
        pMalloc->Free(pidl);
    }
    pMalloc->Release();
    return nResult;
}

int CALLBACK CXTFolderBrowser::BrowseCallbackProc(HWND hWnd, UINT message, LPARAM lParam, LPARAM lpData)
{
    const auto* pThis = reinterpret_cast<const CXTFolderBrowser*>(lpData);
    switch (message) {
    case BFFM_INITIALIZED: {
        wchar_t szStart[MAX_PATH] = {};
        if (pThis->m_szPath[0] != L'\0')
            ::wmemcpy(szStart, pThis->m_szPath, MAX_PATH);
        else if (::GetCurrentDirectoryW(MAX_PATH, szStart) >= MAX_PATH)
            szStart[0] = L'\0'; // too long for the buffer: nothing was written
        if (szStart[0] != L'\0')
            ::SendMessageW(hWnd, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(szStart));
        break;
    }
    case BFFM_SELCHANGED:
        if (pThis->m_bi.ulFlags & BIF_STATUSTEXT) {
            wchar_t szPath[MAX_PATH] = {};
            if (::SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), szPath))
                ::SendMessageW(hWnd, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(szPath));
        }
        break;
    default:
        break;
    }
    return 0;
}
