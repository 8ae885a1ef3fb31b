// Keyboard side of the command bars: the frame's pre-translation, mnemonics,
// keyboard cues and activating a bar from the keyboard.
#include "CXTPCommandBars.h"

#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPKeyboardTracker.h"
#include "CXTPMouseTracker.h"
#include "CXTPShortcutManager.h"
#include "WindowGeometry.h"

namespace {

// The character a caption answers to: the one after the first "&", else
// (no "&", or "&" last) its first character; bExplicit tells which.
wchar_t MnemonicOf(const CString& strCaption, BOOL& bExplicit)
{
    const int nAmpersand = strCaption.Find(L'&');
    bExplicit = nAmpersand >= 0 && nAmpersand + 1 < strCaption.GetLength();
    return bExplicit ? strCaption[nAmpersand + 1] : strCaption[0];
}

BOOL IsMenuBarType(const CXTPCommandBar* pBar)
{
    return pBar->GetType() == xtpBarTypeMenuBar;
}

} // namespace

CXTPCommandBar* CXTPCommandBars::GetTrackingBar()
{
    // The innermost of the tracked bars: an open popup before the bar it came from.
    CXTPMouseTracker* pTracker = GetMouseTracker();
    const int nCount = pTracker->GetTrackedBarCount();
    return nCount > 0 ? pTracker->GetTrackedBar(nCount - 1) : nullptr;
}

void CXTPCommandBars::SetKeyboardCuesVisible(BOOL bShow)
{
    if (m_bCustomizeMode)
        bShow = TRUE;
    if (!m_bHideKeyboardCues || m_bKeyboardCuesVisible == bShow)
        return;
    m_bKeyboardCuesVisible = bShow;
    RedrawCommandBars();
}

void CXTPCommandBars::SetKeyboardCuesState(BOOL bHideMode, BOOL bVisible)
{
    m_bHideKeyboardCues = bHideMode;
    if (m_bKeyboardCuesVisible == bVisible)
        return;
    m_bKeyboardCuesVisible = bVisible;
    RedrawCommandBars();
}

LRESULT CXTPCommandBars::OnIdleKeyboardCues(WPARAM, LRESULT lResult)
{
    if (lResult != 0)
        return lResult;
    if (m_bHideKeyboardCues && GetMouseTracker()->GetTrackedBarCount() == 0)
        SetKeyboardCuesVisible(FALSE);
    return 0;
}

BOOL CXTPCommandBars::ActivateBarByKeyboard(CXTPCommandBar* pBar, int nDirection)
{
    if (pBar == nullptr)
        return FALSE;
    if (nDirection != 0) {
        const int nCount = GetCount();
        const int nStart = IndexOf(pBar);
        if (nCount < 2 || nStart < 0)
            return FALSE;
        CXTPCommandBar* pNext = nullptr;
        // Wraps once round the array; the bar itself is no answer.
        for (int nStep = 1; nStep < nCount && pNext == nullptr; ++nStep) {
            CXTPCommandBar* pCandidate = m_arrBars[((nStart + nDirection * nStep) % nCount + nCount) % nCount];
            if (pCandidate->IsVisible() && pCandidate->GetSafeHwnd() != nullptr)
                pNext = pCandidate;
        }
        if (pNext == nullptr || pNext == pBar)
            return FALSE;
        pBar = pNext;
    }
    CloseAllMenus();
    SetKeyboardCuesVisible(TRUE);
    // Tracking with the first visible control selected.
    pBar->SetTrackingMode(xtpTrackingKeyboard, TRUE, TRUE);
    return TRUE;
}

CXTPControl* CXTPCommandBars::FindMnemonicControl(UINT nChar, CXTPCommandBar* pBar, BOOL& bAmbiguous) const
{
    const int nUse = m_pOptions->nKeyboardCuesUse;
    const BOOL bAllBars = (nUse & 1) != 0;
    const BOOL bFirstLetters = (nUse & 4) == 0;
    CXTPControl* pExplicit = nullptr;
    CXTPControl* pFirstLetter = nullptr;
    BOOL bFirstLetterTwice = FALSE;
    bAmbiguous = FALSE;

    const int nStart = IndexOf(pBar);
    const int nBars = bAllBars && nStart >= 0 ? GetCount() : 1;
    for (int nStep = 0; nStep < nBars; ++nStep) {
        CXTPCommandBar* pWalk = nStep == 0 ? pBar : m_arrBars[(nStart + nStep) % GetCount()];
        if (!pWalk->IsVisible())
            continue;
        const BOOL bFirstLetterBar = bFirstLetters && (pWalk->IsTrackingMode() || IsMenuBarType(pWalk));
        CXTPControls* pControls = pWalk->GetControls();
        for (int i = 0; i < pControls->GetCount(); ++i) {
            CXTPControl* pControl = pControls->GetAt(i);
            const CString strCaption = pControl->GetCaption();
            if (!pControl->IsVisible() || strCaption.IsEmpty())
                continue;
            BOOL bExplicit = FALSE;
            const wchar_t chMnemonic = MnemonicOf(strCaption, bExplicit);
            if (!CXTPShortcutManager::IsKeyForCharacter(chMnemonic, nChar))
                continue;
            if (bExplicit) {
                if (pExplicit != nullptr) {
                    bAmbiguous = TRUE;
                    return pExplicit;
                }
                pExplicit = pControl;
            } else if (bFirstLetterBar) {
                if (pFirstLetter != nullptr)
                    bFirstLetterTwice = TRUE;
                else
                    pFirstLetter = pControl;
            }
        }
    }
    if (pExplicit != nullptr)
        return pExplicit;
    bAmbiguous = bFirstLetterTwice;
    return pFirstLetter;
}

BOOL CXTPCommandBars::HandleMnemonic(UINT nChar)
{
    if (m_pOptions->nKeyboardCuesUse == 2 || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9)
        || ::MapVirtualKeyW(nChar, MAPVK_VK_TO_CHAR) == 0)
        return FALSE;
    CXTPCommandBar* pBar = GetTrackingBar();
    if (pBar == nullptr && m_pMenuBar != nullptr && m_pMenuBar->IsVisible())
        pBar = m_pMenuBar;
    if (pBar == nullptr && (m_pOptions->nKeyboardCuesUse & 1)) {
        for (int i = 0; i < GetCount() && pBar == nullptr; ++i) {
            if (m_arrBars[i]->IsVisible())
                pBar = m_arrBars[i];
        }
    }
    if (pBar == nullptr || !pBar->IsVisible())
        return FALSE;

    BOOL bAmbiguous = FALSE;
    CXTPControl* pControl = FindMnemonicControl(nChar, pBar, bAmbiguous);
    if (pControl == nullptr)
        return FALSE;
    CXTPCommandBar* pControlBar = pControl->GetParent();
    if (!pControlBar->IsTrackingMode())
        CloseAllMenus();
    SetKeyboardCuesVisible(TRUE);
    pControlBar->SetTrackingMode(xtpTrackingKeyboard, FALSE, TRUE);
    pControlBar->SetSelected(pControl->GetIndex(), TRUE);
    if (!bAmbiguous)
        pControl->OnUnderlineActivate();
    return TRUE;
}

BOOL CXTPCommandBars::PreTranslateFrameMessage(MSG* pMsg)
{
    const UINT message = pMsg->message;
    const BOOL bMenuTracking = GetMouseTracker()->GetTrackedBarCount() > 0;
    if (message == WM_SYSKEYDOWN && (pMsg->lParam & (1 << 29)) && !GetMouseTracker()->IsInNestedLoop()
        && !bMenuTracking && m_pFrame != nullptr && IsTopLevelActive(m_pFrame->GetSafeHwnd())) {
        const UINT nKey = static_cast<UINT>(pMsg->wParam);
        if (nKey == VK_MENU) {
            SetKeyboardCuesVisible(TRUE);
            return FALSE;
        }
        // A key that is no mnemonic may still be an accelerator.
        if (!(m_bIgnoreShiftMenuKey && ::GetKeyState(VK_SHIFT) < 0) && HandleMnemonic(nKey))
            return TRUE;
    }
    if ((message == WM_SYSKEYUP || message == WM_KEYUP) && m_bHideKeyboardCues && m_bKeyboardCuesVisible
        && !bMenuTracking)
        SetKeyboardCuesVisible(FALSE);
    if ((message == WM_CONTEXTMENU || message == WM_SYSKEYUP) && bMenuTracking)
        return TRUE;
    if (message == WM_MOUSEWHEEL) {
        CXTPKeyboardTracker* pTracker = CXTPKeyboardTracker::GetThreadTracker();
        return pTracker->GetClientCount() > 0 && pTracker->RouteMessage(message, pMsg->wParam, pMsg->lParam);
    }
    if (message < WM_KEYFIRST || message > WM_KEYLAST || m_pFrame == nullptr)
        return FALSE;
    return m_pShortcutManager->TranslateAccelerator(m_pFrame->GetSafeHwnd(), pMsg);
}
