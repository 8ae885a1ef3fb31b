#pragma once
// Folders of the test's own under the temporary directory, made on first use,
// for the folder browser and the file dialogs to choose from.
#include <windows.h>

#include <string>

namespace browsefolders {

// "<temp>\orbalin_browse\<name>", made when missing; no trailing backslash.
inline std::wstring TestFolder(const std::wstring& name)
{
    wchar_t szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    wchar_t szLong[MAX_PATH] = {};
    ::GetLongPathNameW(szTemp, szLong, MAX_PATH);
    std::wstring path = std::wstring(szLong) + L"orbalin_browse";
    ::CreateDirectoryW(path.c_str(), nullptr);
    path += L"\\" + name;
    ::CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

// A folder of the system's that every installation has and nothing changes
// ("help", "inf", "logs" under the Windows directory): the folder browser is
// left to find it in its tree.
inline std::wstring SystemFolder(const std::wstring& name)
{
    wchar_t szWindows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(szWindows, MAX_PATH);
    return std::wstring(szWindows) + L"\\" + name;
}

// Case-insensitive, as the shell may spell a path differently.
inline bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

} // namespace browsefolders
