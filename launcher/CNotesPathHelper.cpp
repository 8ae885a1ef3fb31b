#include "CNotesPathHelper.h"

namespace {
const wchar_t kNotesKey[] = L"SOFTWARE\\Lotus\\Notes";
const wchar_t kPath[] = L"path";

// Registry key names are at most 255 characters.
constexpr DWORD kMaxKeyName = 256;
}  // namespace

int CNotesPathHelper::ReadNotesPath(CString& strPath)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kNotesKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return 0;
    const bool bRead = QueryTextValue(hKey, kPath, strPath);
    ::RegCloseKey(hKey);
    return bRead ? 1 : 0;
}

BOOL CNotesPathHelper::EnumNotesInstalls()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kNotesKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    BOOL bFound = FALSE;
    for (DWORD nIndex = 0;; ++nIndex) {
        wchar_t szName[kMaxKeyName];
        DWORD nNameSize = kMaxKeyName;
        // The class is not needed; asking for it could end the walk on a long class.
        if (::RegEnumKeyExW(hKey, nIndex, szName, &nNameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        CString strSubKey(kNotesKey);
        strSubKey += L'\\';
        strSubKey += szName;
        HKEY hSubKey = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, strSubKey, 0, KEY_READ, &hSubKey) != ERROR_SUCCESS)
            continue;
        CString strDir;
        if (QueryTextValue(hSubKey, kPath, strDir)) {
            AddDirToPath(strDir);
            bFound = TRUE;
        }
        ::RegCloseKey(hSubKey);
    }
    ::RegCloseKey(hKey);
    return bFound;
}

void CNotesPathHelper::AddDirToPath(const CString& strDir)
{
    CString strUpperPath = ReadPathVariable();
    strUpperPath.MakeUpper();
    CString strUpperDir = strDir;
    strUpperDir.MakeUpper();
    if (strUpperDir.IsEmpty() || HasPathEntry(strUpperPath, strUpperDir))
        return;
    if (!strUpperPath.IsEmpty())
        strUpperPath += L';';
    strUpperPath += strUpperDir;
    SetPathVariable(strUpperPath);
}

void CNotesPathHelper::SetPathVariable(const CString& strPath)
{
    CString strLower = strPath;
    strLower.MakeLower();
    ::SetEnvironmentVariableW(kPath, strLower);
}

// A text value of any length, terminated within its buffer even when the
// registry holds it without a terminating zero; an expandable one comes back
// expanded. Values of other types are not directories and count as unreadable.
bool CNotesPathHelper::QueryTextValue(HKEY hKey, LPCTSTR lpszName, CString& strValue)
{
    for (;;) {
        DWORD nType = 0;
        DWORD nBytes = 0;
        if (::RegQueryValueExW(hKey, lpszName, nullptr, &nType, nullptr, &nBytes) != ERROR_SUCCESS)
            return false;
        if (nType != REG_SZ && nType != REG_EXPAND_SZ)
            return false;
        const int nChars = static_cast<int>(nBytes / sizeof(wchar_t));
        wchar_t* pBuffer = strValue.GetBuffer(nChars + 1);
        const LSTATUS status =
            ::RegQueryValueExW(hKey, lpszName, nullptr, &nType, reinterpret_cast<LPBYTE>(pBuffer), &nBytes);
        if (status == ERROR_MORE_DATA) {
            // The value grew between the two calls.
            strValue.ReleaseBuffer(0);
            continue;
        }
        if (status != ERROR_SUCCESS || (nType != REG_SZ && nType != REG_EXPAND_SZ)) {
            strValue.ReleaseBuffer(0);
            return false;
        }
        const int nRead = static_cast<int>(nBytes / sizeof(wchar_t));
        pBuffer[nRead] = 0;
        strValue.ReleaseBuffer(-1);
        if (nType == REG_EXPAND_SZ)
            strValue = ExpandVariables(strValue);
        return true;
    }
}

// "%SystemDrive%\Lotus\Notes" as the directory it names; PATH would keep the
// variable names as they are.
CString CNotesPathHelper::ExpandVariables(const CString& strText)
{
    CString strExpanded;
    DWORD nSize = ::ExpandEnvironmentStringsW(strText, nullptr, 0);
    while (nSize != 0) {
        const DWORD nNeeded = ::ExpandEnvironmentStringsW(strText, strExpanded.GetBuffer(static_cast<int>(nSize)), nSize);
        if (nNeeded != 0 && nNeeded <= nSize) {
            strExpanded.ReleaseBuffer(-1);
            return strExpanded;
        }
        strExpanded.ReleaseBuffer(0);
        nSize = nNeeded;
    }
    return strText;
}

// The whole PATH, however long; an absent variable is an empty PATH.
CString CNotesPathHelper::ReadPathVariable()
{
    CString strPath;
    DWORD nSize = ::GetEnvironmentVariableW(kPath, nullptr, 0);
    while (nSize != 0) {
        const DWORD nLength = ::GetEnvironmentVariableW(kPath, strPath.GetBuffer(static_cast<int>(nSize)), nSize);
        if (nLength < nSize) {
            strPath.ReleaseBuffer(static_cast<int>(nLength));
            break;
        }
        strPath.ReleaseBuffer(0);
        nSize = nLength;
    }
    return strPath;
}

// Whole entries are compared: "C:\NOTES" is not present in "C:\NOTES9". A
// trailing backslash and surrounding quotes do not make an entry different.
bool CNotesPathHelper::HasPathEntry(const CString& strUpperPath, const CString& strUpperDir)
{
    CString strDir = strUpperDir;
    strDir.Trim(L'"');
    strDir.TrimRight(L'\\');
    for (int nStart = 0; nStart < strUpperPath.GetLength();) {
        int nEnd = strUpperPath.Find(L';', nStart);
        if (nEnd < 0)
            nEnd = strUpperPath.GetLength();
        CString strEntry = strUpperPath.Mid(nStart, nEnd - nStart);
        strEntry.Trim(L'"');
        strEntry.TrimRight(L'\\');
        if (strEntry == strDir)
            return true;
        nStart = nEnd + 1;
    }
    return false;
}
