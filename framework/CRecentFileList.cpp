#include "CRecentFileList.h"

#include "CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                                 int nMaxDispLen)
    : m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_arrNames(static_cast<size_t>(nSize > 0 ? nSize : 0))
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == 0 || m_arrNames.empty())
        return;
    CString path(lpszPathName);
    // The place the path takes from: its old entry, else the last one.
    size_t iFrom = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); ++i) {
        if (m_arrNames[i].CompareNoCase(path) == 0) {
            iFrom = i;
            break;
        }
    }
    for (size_t i = iFrom; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = path;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.emplace_back();
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < GetSize(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, entry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < GetSize(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        const CString& name = m_arrNames[static_cast<size_t>(i)];
        // Empty places leave no stale value behind.
        pApp->WriteProfileString(m_strSectionName, entry, name.IsEmpty() ? nullptr : static_cast<LPCTSTR>(name));
    }
}
