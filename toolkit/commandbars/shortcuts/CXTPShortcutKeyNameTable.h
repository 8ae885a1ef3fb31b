#pragma once
// The names under which keys are shown in shortcut texts, by virtual-key
// code: digits and letters as themselves, the other keys by their names.
#include "Framework.h"

class CXTPShortcutKeyNameTable : public CMap<UINT, UINT, CString, LPCTSTR>
{
public:
    CXTPShortcutKeyNameTable();
    // Empty for a code the table does not name.
    CString GetName(UINT nKey) const;
};
