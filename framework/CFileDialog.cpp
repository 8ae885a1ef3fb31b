#include "CFileDialog.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : CDialog(0u, pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    m_ofn.lStructSize = dwSize != 0 ? dwSize : sizeof(m_ofn);
    // The explorer layout always: it also gives multiple selections as zero-separated names.
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = MAX_PATH;
    if (lpszFileName != nullptr)
        ::lstrcpynW(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFilter != nullptr) {
        m_strFilter = lpszFilter;
        for (wchar_t& ch : m_strFilter)
            if (ch == L'|')
                ch = L'\0';
        // The list ends with two zeros even when the caller left out the final "||".
        m_strFilter.append(2, L'\0');
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

INT_PTR CFileDialog::DoModal()
{
    if (m_ofn.hwndOwner == nullptr)
        m_ofn.hwndOwner = CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd();
    if (m_ofn.lpstrFile != nullptr && m_ofn.nMaxFile > 0) {
        // A single choice comes back as one string, and the walk over the chosen
        // paths looks past its end: the rest of the buffer must hold zeros.
        m_ofn.lpstrFile[m_ofn.nMaxFile - 1] = L'\0';
        const std::size_t nUsed = ::lstrlenW(m_ofn.lpstrFile);
        std::fill(m_ofn.lpstrFile + nUsed, m_ofn.lpstrFile + m_ofn.nMaxFile, L'\0');
    }
    const BOOL bChosen = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile != nullptr ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    const int nSlash = (std::max)(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    return path.Mid(nSlash + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int nDot = name.ReverseFind(L'.');
    return nDot < 0 ? name : name.Left(nDot);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int nDot = name.ReverseFind(L'.');
    return nDot < 0 ? CString() : name.Mid(nDot + 1);
}

POSITION CFileDialog::GetStartPosition() const
{
    if (m_ofn.lpstrFile == nullptr || m_ofn.lpstrFile[0] == L'\0')
        return nullptr;
    return reinterpret_cast<POSITION>(m_ofn.lpstrFile);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    // Explorer-style results separate the folder and the names by zeros, the
    // old style by spaces; a single choice is one full path either way.
    const bool bExplorer = (m_ofn.Flags & OFN_EXPLORER) != 0;
    const wchar_t chDelimiter = bExplorer ? L'\0' : L' ';
    const wchar_t* lpsz = reinterpret_cast<const wchar_t*>(pos);
    if (lpsz == nullptr)
        return CString();

    if (lpsz == m_ofn.lpstrFile) {
        if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0) {
            pos = nullptr;
            return m_ofn.lpstrFile;
        }
        while (*lpsz != chDelimiter && *lpsz != L'\0')
            ++lpsz;
        if (*lpsz == L'\0' && !bExplorer) {
            pos = nullptr;
            return m_ofn.lpstrFile;
        }
        ++lpsz;
        if (*lpsz == L'\0') {
            pos = nullptr;
            return m_ofn.lpstrFile;
        }
    }

    CString strBase(m_ofn.lpstrFile);
    if (!bExplorer) {
        const int nSpace = strBase.Find(L' ');
        if (nSpace >= 0)
            strBase = strBase.Left(nSpace);
    }
    const wchar_t* lpszName = lpsz;
    while (*lpsz != chDelimiter && *lpsz != L'\0')
        ++lpsz;
    const CString strName(lpszName, static_cast<int>(lpsz - lpszName));
    if (*lpsz == L'\0' && !bExplorer) {
        pos = nullptr;
    } else {
        ++lpsz;
        pos = *lpsz == L'\0' ? nullptr : reinterpret_cast<POSITION>(const_cast<wchar_t*>(lpsz));
    }

    const int nLength = strBase.GetLength();
    if (nLength > 0 && strBase[nLength - 1] != L'\\' && strBase[nLength - 1] != L'/')
        strBase += L'\\';
    return strBase + strName;
}
