#pragma once
// The text of one accelerator entry ("Ctrl+Shift+F5") and its display
// priority, with the key names of a shortcut manager (or, without one, those
// of the keyboard driver).
#include "Framework.h"

class CXTPShortcutManager;

class CXTPKeyTextFormatter
{
public:
    CXTPKeyTextFormatter(const ACCEL* pAccel, CXTPShortcutManager* pManager);

    CString Format() const;
    // 3 with Ctrl, else 2 with Alt, else 1 with Shift, else 4.
    int Priority() const;

private:
    CString KeyName(UINT nKey) const;

    const ACCEL* m_pAccel;
    CXTPShortcutManager* m_pManager;
};
