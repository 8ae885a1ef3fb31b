// Selection, popups and tracking mode of a command bar.
#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"

BOOL CXTPCommandBar::SetSelected(int nSelected, BOOL bKeyboard)
{
    if (nSelected == m_nSelected && (nSelected == -1 || m_bKeyboardSelect == bKeyboard))
        return FALSE;
    LockRedraw();
    if (CXTPControl* pOld = GetAt(m_nSelected))
        pOld->OnSetSelected(0);
    m_nSelected = nSelected;
    m_bKeyboardSelect = bKeyboard;
    if (CXTPControl* pNew = GetAt(nSelected))
        pNew->OnSetSelected(bKeyboard ? 2 : 1);
    UnlockRedraw();
    return TRUE;
}

BOOL CXTPCommandBar::SetPopuped(int nPopuped, BOOL /*bKeyboard*/)
{
    if (nPopuped != -1 || m_nPopuped == -1)
        return FALSE;
    LockRedraw();
    if (CXTPControl* pControl = GetAt(m_nPopuped))
        pControl->OnSetPopup(FALSE);
    m_nPopuped = -1;
    UnlockRedraw();
    return TRUE;
}

BOOL CXTPCommandBar::SetTrackingMode(int bMode, BOOL bSelectFirst, BOOL /*bKeyboard*/)
{
    if (m_bTracking == bMode)
        return FALSE;
    LockRedraw();
    if (!bMode) {
        SetPopuped(-1);
        if (bSelectFirst)
            SetSelected(-1);
    }
    m_bTracking = bMode;
    UnlockRedraw();
    return TRUE;
}

void CXTPCommandBar::EndMenus()
{
    if (m_bTrackingModal)
        SetTrackingMode(FALSE, TRUE);
}

BOOL CXTPCommandBar::OnNavigate(int /*nCode*/)
{
    return FALSE;
}

int CXTPCommandBar::OnHookMessage(HWND /*hWnd*/, UINT /*nMessage*/, WPARAM& /*wParam*/, LPARAM& /*lParam*/,
                                  LRESULT& /*lResult*/)
{
    return 0;
}

void CXTPCommandBar::OnTimer(UINT_PTR nIDEvent)
{
    CWnd::OnTimer(nIDEvent);
}
