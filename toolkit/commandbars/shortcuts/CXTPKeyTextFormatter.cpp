#include "CXTPKeyTextFormatter.h"

#include "CXTPShortcutManager.h"

CXTPKeyTextFormatter::CXTPKeyTextFormatter(const ACCEL* pAccel, CXTPShortcutManager* pManager)
    : m_pAccel(pAccel), m_pManager(pManager)
{
}

CString CXTPKeyTextFormatter::KeyName(UINT nKey) const
{
    return m_pManager != nullptr ? m_pManager->GetKeyName(nKey) : CXTPShortcutManager::GetSystemKeyName(nKey);
}

CString CXTPKeyTextFormatter::Format() const
{
    CString strText;
    const WORD nKey = m_pAccel->key;
    // The name of Ctrl+Break already says Ctrl.
    if (nKey != VK_CANCEL) {
        const struct {
            BYTE fFlag;
            UINT nKey;
        } modifiers[] = {{FCONTROL, VK_CONTROL}, {FSHIFT, VK_SHIFT}, {FALT, VK_MENU}};
        for (const auto& modifier : modifiers) {
            if ((m_pAccel->fVirt & modifier.fFlag) == 0)
                continue;
            CString strName = KeyName(modifier.nKey);
            if (!strName.IsEmpty())
                strText += strName + L"+";
        }
    }
    if (nKey == 0) {
        // Modifiers alone: no trailing "+" (and nothing to cut without any).
        if (!strText.IsEmpty())
            strText.Delete(strText.GetLength() - 1);
        return strText;
    }
    if (m_pAccel->fVirt & FVIRTKEY)
        strText += KeyName(nKey);
    else if (nKey != VK_ESCAPE && nKey != VK_TAB)
        strText += static_cast<wchar_t>(nKey & 0xFF);   // codes 128-255 as their Latin-1 characters
    return strText;
}

int CXTPKeyTextFormatter::Priority() const
{
    if (m_pAccel->fVirt & FCONTROL)
        return 3;
    if (m_pAccel->fVirt & FALT)
        return 2;
    if (m_pAccel->fVirt & FSHIFT)
        return 1;
    return 4;
}
