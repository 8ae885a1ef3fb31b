#pragma once
// The most-recently-used file list, kept in the application profile as
// "<section>\File1".. values (most recent first).
#include "CString.h"

#include <vector>

class CRecentFileList {
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize, int nMaxDispLen = 64);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    CString& operator[](int nIndex) { return m_arrNames[static_cast<size_t>(nIndex)]; }

    // Puts the path first; an equal path (case ignored) moves up instead of
    // appearing twice, and the oldest drops off a full list.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();

    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strSectionName;
    CString m_strEntryFormat;

protected:
    std::vector<CString> m_arrNames;
};
