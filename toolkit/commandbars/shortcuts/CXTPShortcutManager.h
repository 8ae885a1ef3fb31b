#pragma once
// The keyboard shortcuts of the command bars: the customized accelerator
// table keys are translated with, the default table a reset returns to, and
// the texts under which keys are shown in menus, tips and the Keyboard page.
#include "Framework.h"

#include <memory>
#include <vector>

class CXTPCommandBars;
class CXTPShortcutKeyNameTable;

class CXTPShortcutManager : public CCmdTarget
{
public:
    explicit CXTPShortcutManager(CXTPCommandBars* pCommandBars);
    ~CXTPShortcutManager() override;

    // The text of the command's shortcut: strText itself when it is one of the
    // command's keys, else the key of the highest priority. FALSE, with the
    // text emptied, when no table has a key for the command.
    virtual BOOL FindDefaultAccelerator(UINT nCmd, CString& strText);
    virtual void FormatAccelerator(CString& strText, const ACCEL& accel, int* pnPriority = nullptr);
    virtual CString GetKeyName(UINT nKey);
    // FALSE only for a plain Esc while Esc is not allowed.
    virtual BOOL IsAllowedAccelerator(const ACCEL& accel);
    virtual HACCEL GetAcceleratorTable() const { return m_hAccelTable; }
    // The customized table becomes a copy of the default one (none without it).
    virtual void ResetAccelerators();

    // Replaces the customized table; one that cannot be made leaves the old.
    BOOL SetAccelerators(const ACCEL* pAccels, int nCount);
    // The default table becomes a copy of hAccel, and the customized table too.
    void SetDefaultAccelerators(HACCEL hAccel);
    HACCEL GetDefaultAccelerators() const { return m_hDefaultAccelTable; }
    // A new table with the same entries; null for a null or empty table.
    static HACCEL CopyAcceleratorTable(HACCEL hAccel);

    // No key is translated while print preview is on.
    BOOL TranslateAccelerator(HWND hWnd, LPMSG lpMsg);
    void OnPreviewMode(BOOL bPreview) { m_nPreviewCount += bPreview ? 1 : -1; }

    // The binary profile value "Accelerators" of the section; both only with
    // a default table.
    void SaveShortcuts(LPCTSTR lpszSection);
    void LoadShortcuts(LPCTSTR lpszSection);

    // The keyboard driver's name of the key ("Page down"); empty when it has none.
    static CString GetSystemKeyName(UINT nKey);
    // Whether the key makes the character, in the current or any installed layout.
    static BOOL IsKeyForCharacter(wchar_t ch, UINT nKey);

    BOOL m_bAllowEscapeShortcut = FALSE;
    BOOL m_bUseSystemKeyNameText = FALSE;   // the driver's key names before the table's

private:
    static std::vector<ACCEL> Entries(HACCEL hAccel);
    static void DestroyTable(HACCEL& hAccel);

    int m_nPreviewCount = 0;
    CXTPCommandBars* m_pCommandBars;
    HACCEL m_hAccelTable = nullptr;
    HACCEL m_hDefaultAccelTable = nullptr;
    std::unique_ptr<CXTPShortcutKeyNameTable> m_pKeyNameTable;
};
