// Customize mode, the customize selection and the hidden and used commands
// of personalized menus.
#include "CXTPCommandBars.h"

#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPCustomizeDropSource.h"

BOOL CXTPCommandBars::IsHiddenCommand(UINT nCommand) const
{
    BOOL bValue = FALSE;
    return m_pOptions->mapHiddenCommands.Lookup(nCommand, bValue) && !m_pOptions->mapUsedCommands.Lookup(nCommand, bValue);
}

BOOL CXTPCommandBars::IsControlHidden(CXTPControl* pControl) const
{
    if (IsHiddenCommand(static_cast<UINT>(pControl->GetID())))
        return TRUE;
    const int nType = pControl->GetType();
    if (!m_pOptions->bAutoHideUnusedPopups || nType < xtpControlPopup || nType > xtpControlSplitButtonPopup)
        return FALSE;
    CXTPCommandBar* pPopupBar = pControl->GetCommandBar();
    if (pPopupBar == nullptr)
        return FALSE;
    CXTPControls* pControls = pPopupBar->GetControls();
    // An empty popup stays: nothing in it was hidden.
    if (pControls->GetCount() == 0)
        return FALSE;
    for (int i = 0; i < pControls->GetCount(); ++i) {
        if (!IsControlHidden(pControls->GetAt(i)))
            return FALSE;
    }
    return TRUE;
}

UINT CXTPCommandBars::GetActiveMenuId() const
{
    // Only a multi-document frame changes its menu with the active document.
    return 0;
}

void CXTPCommandBars::HideCommands(const UINT* pCommands, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        HideCommand(pCommands[i]);
}

void CXTPCommandBars::HideCommand(UINT nCommand)
{
    m_pOptions->mapHiddenCommands.SetAt(nCommand, TRUE);
}

void CXTPCommandBars::SetCommandUsed(UINT nCommand)
{
    if (IsHiddenCommand(nCommand))
        m_pOptions->mapUsedCommands.SetAt(nCommand, TRUE);
}

void CXTPCommandBars::ResetUsedCommands()
{
    m_pOptions->mapUsedCommands.RemoveAll();
}

void CXTPCommandBars::SetCustomizeMode(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bQuickCustomizeMode = bMode;
    m_bCustomizeMode = bMode;
    SetCustomizeSelection(nullptr);
    SetKeyboardCuesVisible(m_pOptions->GetKeyboardCuesState().bVisible);
}

void CXTPCommandBars::SetCustomizeModeFromSheet(BOOL bMode)
{
    m_pOptions->bDirty = TRUE;
    m_bCustomizeMode = bMode;
    SetCustomizeSelection(nullptr);
    for (int i = 0; i < GetCount(); ++i)
        m_arrBars[i]->OnUpdateCmdUI(TRUE);
    RecalcFrameLayout();
    SetKeyboardCuesVisible(m_pOptions->GetKeyboardCuesState().bVisible);
}

void CXTPCommandBars::SetCustomizeSelection(CXTPControl* pControl)
{
    if (pControl != m_pCustomizeSelected) {
        if (m_pCustomizeSelected != nullptr) {
            if (CXTPCommandBar* pBar = m_pCustomizeSelected->GetParent(); pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
                pBar->Invalidate(FALSE);
            m_pCustomizeSelected->InternalRelease();
        }
        m_pCustomizeSelected = pControl;
        if (m_pCustomizeSelected != nullptr) {
            m_pCustomizeSelected->InternalAddRef();
            if (CXTPCommandBar* pBar = m_pCustomizeSelected->GetParent(); pBar != nullptr && pBar->GetSafeHwnd() != nullptr)
                pBar->Invalidate(FALSE);
        }
    }
    CWnd* pTarget = m_pDropSource->m_pSheet != nullptr ? m_pDropSource->m_pSheet : m_pFrame;
    if (pTarget != nullptr && pTarget->GetSafeHwnd() != nullptr)
        pTarget->SendMessage(WM_CMDBARS_SELCHANGED, 0, 0);
}

int CXTPCommandBars::ContextMenu(CXTPCommandBar* pBar, CPoint)
{
    if (m_bCustomizeMode)
        return m_bCustomizeMode;
    // The toolbars list popup comes with the popup bars; the frame hears of
    // the click without one.
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->SendMessage(WM_CMDBARS_CONTEXTMENU, reinterpret_cast<WPARAM>(pBar), 0);
    return 0;
}
