#pragma once
// The edit in which the user presses a new shortcut: it shows the keys held
// ("Ctrl+Shift") until a key other than a modifier completes the entry, and
// refuses what the shortcut manager does not allow.
#include "Framework.h"

#include "CXTPKeyTextFormatter.h"

class CXTPShortcutManager;

class CXTPShortcutEdit : public CEdit
{
public:
    explicit CXTPShortcutEdit(CXTPShortcutManager* pManager);

    // Forgets the keys: the entry zeroed, the text emptied.
    void Reset();
    BOOL IsKeyComplete() const { return m_bKeyComplete; }
    const ACCEL& GetAccelerator() const { return m_accel; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    // Eaten unless it is Tab moving the focus on.
    BOOL OnKey(const MSG* pMsg, BOOL bKeyDown);

    BOOL m_bKeyComplete = FALSE;
    ACCEL m_accel{};
    CXTPShortcutManager* m_pManager;
    CXTPKeyTextFormatter m_formatter;
};
