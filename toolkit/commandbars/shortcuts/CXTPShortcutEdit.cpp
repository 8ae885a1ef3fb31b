#include "CXTPShortcutEdit.h"

#include "CXTPShortcutManager.h"

namespace
{
BOOL IsDown(int nKey)
{
    return (::GetKeyState(nKey) & 0x8000) != 0;
}
}

CXTPShortcutEdit::CXTPShortcutEdit(CXTPShortcutManager* pManager)
    : m_pManager(pManager), m_formatter(&m_accel, pManager)
{
}

void CXTPShortcutEdit::Reset()
{
    m_accel = ACCEL{};
    m_bKeyComplete = FALSE;
    SetWindowText(L"");
}

BOOL CXTPShortcutEdit::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetFocus();
        return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return OnKey(pMsg, TRUE);
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return OnKey(pMsg, FALSE);
    default:
        return CEdit::PreTranslateMessage(pMsg);
    }
}

BOOL CXTPShortcutEdit::OnKey(const MSG* pMsg, BOOL bKeyDown)
{
    const UINT nKey = static_cast<UINT>(pMsg->wParam);
    // Tab moves the focus on; it never becomes part of a shortcut.
    if (nKey == VK_TAB && !IsDown(VK_CONTROL) && !IsDown(VK_MENU)) {
        if (!m_bKeyComplete)
            Reset();
        return FALSE;
    }
    const BOOL bRepeat = (pMsg->lParam & (1 << 30)) != 0;
    if (bKeyDown && !bRepeat)
        Reset();
    if (!m_bKeyComplete) {
        m_accel.fVirt = static_cast<BYTE>((IsDown(VK_SHIFT) ? FSHIFT : 0) | (IsDown(VK_CONTROL) ? FCONTROL : 0) |
                                          (IsDown(VK_MENU) ? FALT : 0));
        if (nKey != VK_SHIFT && nKey != VK_CONTROL && nKey != VK_MENU) {
            m_accel.key = static_cast<WORD>(nKey);
            if (bKeyDown) {
                m_bKeyComplete = TRUE;
                m_accel.fVirt |= FVIRTKEY;
            }
        }
    }
    if (m_pManager == nullptr || m_pManager->IsAllowedAccelerator(m_accel))
        SetWindowText(m_formatter.Format());
    else
        Reset();
    return TRUE;
}
