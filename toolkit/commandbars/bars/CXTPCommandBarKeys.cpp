// The keys a tracking command bar takes: Tab, Enter, Escape, arrows, Home,
// End and mnemonic letters.
#include "CXTPCommandBar.h"

#include "CCmdTargetHold.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPShortcutManager.h"

BOOL(WINAPI* CXTPCommandBar::s_pfnMessageBeep)(UINT) = &::MessageBeep;

namespace {

BOOL IsKeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

} // namespace

int CXTPCommandBar::OnKeyDown(UINT nChar, LPARAM lParam)
{
    if (IsCustomizeMode() || IsHelpMode())
        return 2;
    if (m_nLockCount > 0)
        return 1;

    CXTPControl* pSelected = GetAt(m_nSelected);
    if (pSelected && pSelected->IsFocused()) {
        const int nResult = pSelected->OnHookKeyDown(nChar, lParam);
        if (nResult == 1 || nResult == 2)
            return nResult;
    }

    // The site may close the bar; the object stays until the key is handled.
    CCmdTargetHold hold(this);
    KeyDownNotify record = {nChar, lParam};
    if (CWnd* pSite = GetSite())
        pSite->SendMessage(WM_CMDBARS_KEYDOWN, reinterpret_cast<WPARAM>(&record), reinterpret_cast<LPARAM>(this));
    if (!GetSafeHwnd())
        return 1;
    nChar = record.nChar;

    switch (nChar) {
    case VK_TAB:
        OnNavigate(IsKeyDown(VK_SHIFT) ? XTP_NAVIGATE_PREVIOUS : XTP_NAVIGATE_NEXT);
        if (CXTPControl* pControl = GetAt(m_nSelected)) {
            if (pControl->IsFocusable())
                pControl->SetFocused(TRUE);
        }
        return 1;
    case VK_RETURN:
        OnNavigate(XTP_NAVIGATE_EXECUTE);
        return 1;
    case VK_ESCAPE:
        OnNavigate(XTP_NAVIGATE_CANCEL);
        return 1;
    default:
        break;
    }

    HWND hwndFocus = ::GetFocus();
    if (hwndFocus && ::IsChild(m_hWnd, hwndFocus))
        return 2;

    const BOOL bHorizontal = m_barPosition == xtpBarTop || m_barPosition == xtpBarBottom ||
                             m_barPosition == xtpBarFloating ||
                             (m_barPosition == xtpBarPopup && m_barType == xtpBarTypeNormal);
    const BOOL bRTL = IsRTL();
    switch (nChar) {
    case VK_END:
        return OnNavigate(XTP_NAVIGATE_LAST);
    case VK_HOME:
        return OnNavigate(XTP_NAVIGATE_FIRST);
    case VK_LEFT:
        if (bHorizontal)
            return OnNavigate(bRTL ? XTP_NAVIGATE_NEXT : XTP_NAVIGATE_PREVIOUS);
        return OnNavigate(bRTL ? XTP_NAVIGATE_OPENPOPUP : XTP_NAVIGATE_CLOSEPOPUP);
    case VK_RIGHT:
        if (bHorizontal)
            return OnNavigate(bRTL ? XTP_NAVIGATE_PREVIOUS : XTP_NAVIGATE_NEXT);
        return OnNavigate(bRTL ? XTP_NAVIGATE_CLOSEPOPUP : XTP_NAVIGATE_OPENPOPUP);
    case VK_UP:
        return OnNavigate(bHorizontal ? XTP_NAVIGATE_CLOSEPOPUP : XTP_NAVIGATE_PREVIOUS);
    case VK_DOWN:
        return OnNavigate(bHorizontal ? XTP_NAVIGATE_OPENPOPUP : XTP_NAVIGATE_NEXT);
    default:
        break;
    }

    // Keys without a character (F5, Shift) are swallowed while the bar tracks.
    if (nChar == 0 || ::MapVirtualKeyW(nChar, MAPVK_VK_TO_CHAR) == 0)
        return 1;
    if (!IsKeyDown(VK_CONTROL)) {
        BOOL bMultiple = FALSE;
        const int nIndex = FindAccelControl(nChar, bMultiple);
        if (nIndex != -1) {
            SetSelected(nIndex, TRUE);
            if (!bMultiple) {
                if (CXTPControl* pControl = GetAt(nIndex))
                    pControl->OnUnderlineActivate();
            }
            return 1;
        }
    }
    if (nChar != VK_SHIFT && nChar != VK_CONTROL)
        s_pfnMessageBeep(0);
    return 1;
}

int CXTPCommandBar::FindAccelControl(UINT nChar, BOOL& bMultiple)
{
    bMultiple = FALSE;
    const int nStart = m_pControls->GetNext(m_nSelected, +1, TRUE, FALSE, TRUE);
    if (nStart == -1)
        return -1;

    int nUnderlined = -1;
    int nFirstLetter = -1;
    BOOL bFirstLetterShared = FALSE;
    int nIndex = nStart;
    do {
        const CXTPControl* pControl = GetAt(nIndex);
        const CString strCaption = pControl->GetDisplayCaption();
        if (pControl->GetEnabled() && !strCaption.IsEmpty()) {
            const int nAmpersand = strCaption.Find(L'&');
            const BOOL bUnderlined = nAmpersand != -1 && nAmpersand < strCaption.GetLength() - 1;
            const WCHAR chMnemonic = bUnderlined ? strCaption[nAmpersand + 1] : strCaption[0];
            if (CXTPShortcutManager::IsKeyForCharacter(chMnemonic, nChar)) {
                if (bUnderlined) {
                    if (nUnderlined != -1) {
                        bMultiple = TRUE;
                        return nUnderlined;
                    }
                    nUnderlined = nIndex;
                } else if (nFirstLetter == -1) {
                    nFirstLetter = nIndex;
                } else {
                    bFirstLetterShared = TRUE;
                }
            }
        }
        nIndex = m_pControls->GetNext(nIndex, +1, TRUE, FALSE, FALSE);
    } while (nIndex != -1 && nIndex != nStart);

    if (nUnderlined != -1)
        return nUnderlined;
    // Entries that only share a first letter are stepped through, not run;
    // a single underlined match runs whatever first letters others share.
    bMultiple = bFirstLetterShared;
    return nFirstLetter;
}
