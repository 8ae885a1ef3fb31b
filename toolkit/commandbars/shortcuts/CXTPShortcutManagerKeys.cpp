// Key texts and the keys of characters.
#include "CXTPShortcutManager.h"

#include <vector>

#include "CXTPKeyTextFormatter.h"
#include "CXTPShortcutKeyNameTable.h"

namespace
{
// The platform's upper case of one character.
wchar_t UpperChar(wchar_t ch)
{
    return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(ch)))));
}
}

void CXTPShortcutManager::FormatAccelerator(CString& strText, const ACCEL& accel, int* pnPriority)
{
    CXTPKeyTextFormatter formatter(&accel, this);
    strText = formatter.Format();
    if (pnPriority != nullptr)
        *pnPriority = formatter.Priority();
}

CString CXTPShortcutManager::GetKeyName(UINT nKey)
{
    CString strName;
    if (m_bUseSystemKeyNameText)
        strName = GetSystemKeyName(nKey);
    if (strName.IsEmpty())
        strName = m_pKeyNameTable->GetName(nKey);
    if (strName.IsEmpty() && !m_bUseSystemKeyNameText)
        strName = GetSystemKeyName(nKey);
    return strName;
}

BOOL CXTPShortcutManager::IsAllowedAccelerator(const ACCEL& accel)
{
    const BOOL bPlainEscape = (accel.fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT)) == FVIRTKEY && accel.key == VK_ESCAPE;
    return !bPlainEscape || m_bAllowEscapeShortcut;
}

CString CXTPShortcutManager::GetSystemKeyName(UINT nKey)
{
    if (nKey == VK_CANCEL)
        return CString();
    const UINT nScanCode = ::MapVirtualKeyExW(nKey, MAPVK_VK_TO_VSC, ::GetKeyboardLayout(0));
    LONG lParam = static_cast<LONG>((nScanCode << 16) | 1);
    // The navigation keys are the extended ones, not their keypad twins.
    if (nKey >= VK_PRIOR && nKey <= VK_HELP)
        lParam |= 1 << 24;
    wchar_t szName[50] = {};
    if (::GetKeyNameTextW(lParam, szName, 50) <= 0)
        return CString();
    CString strName(szName);
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); ++i) {
        if (::IsCharLowerW(strName[i])) {
            strName.SetAt(i, UpperChar(strName[i]));
            break;
        }
    }
    return strName;
}

BOOL CXTPShortcutManager::IsKeyForCharacter(wchar_t ch, UINT nKey)
{
    if (::MapVirtualKeyW(nKey, MAPVK_VK_TO_CHAR) == 0)
        return FALSE;
    if (nKey == ch || nKey == UpperChar(ch))
        return TRUE;
    const int nLayouts = ::GetKeyboardLayoutList(0, nullptr);
    BYTE keyState[256] = {};
    if (nLayouts <= 1 || !::GetKeyboardState(keyState))
        return FALSE;
    std::vector<HKL> layouts(static_cast<size_t>(nLayouts));
    layouts.resize(static_cast<size_t>(::GetKeyboardLayoutList(nLayouts, layouts.data())));
    for (HKL hLayout : layouts) {
        wchar_t made[2] = {};
        if (::ToUnicodeEx(nKey, 0, keyState, made, 1, 0, hLayout) == 1 && (made[0] == ch || UpperChar(made[0]) == UpperChar(ch)))
            return TRUE;
    }
    return FALSE;
}
