#pragma once
#include "Framework.h"

// Finds the Lotus Notes client through the registry and puts its directory
// on the PATH of this process.
class CNotesPathHelper {
public:
    virtual ~CNotesPathHelper() = default;

    // The "path" value of the Notes key: 1 when the key opened and the value
    // was read as text, else 0.
    int ReadNotesPath(CString& strPath);
    // Adds the "path" value of every subkey of the Notes key (installed
    // releases) to PATH; TRUE when at least one value was read.
    BOOL EnumNotesInstalls();
    // Appends the directory to PATH unless PATH already has it as an entry.
    void AddDirToPath(const CString& strDir);
    // Sets PATH to the text, lower-cased.
    void SetPathVariable(const CString& strPath);

private:
    static bool QueryTextValue(HKEY hKey, LPCTSTR lpszName, CString& strValue);
    static CString ExpandVariables(const CString& strText);
    static CString ReadPathVariable();
    static bool HasPathEntry(const CString& strUpperPath, const CString& strUpperDir);
};
