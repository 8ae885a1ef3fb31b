// The idle command update of a command bar: template visibility, the command
// states of its controls through the site's command route, and the layout and
// redraw requests kept since the last update.
#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControlCmdUI.h"
#include "CXTPControls.h"

namespace {

// The reflected form of an update (WM_COMMAND reflected back to the bar).
const int kReflectedUpdate = static_cast<int>(MAKELONG(0xFFFF, WM_REFLECT_BASE + WM_COMMAND));

} // namespace

LRESULT CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM /*lParam*/)
{
    OnUpdateCmdUI(static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CXTPCommandBar::OnInitialUpdate(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    OnUpdateCmdUI(TRUE);
    return 0;
}

void CXTPCommandBar::OnUpdateCmdUI(BOOL bDisableIfNoHndler)
{
    if (!GetSafeHwnd() || !(GetStyle() & WS_VISIBLE))
        return;
    UpdateDocTemplateVisibility(GetActiveMenuId());
    CWnd* pTarget = GetOwnerSite();
    if (pTarget) {
        const BOOL bSuppressed = GetRootParent()->m_bUpdateSuppressed;
        CXTPControlCmdUI state;
        state.m_pOther = this;
        for (int i = 0; i < m_pControls->GetCount(); i++) {
            CXTPControl* pControl = m_pControls->GetAt(i);
            if (pControl->GetPressed() != 0) {
                pControl->SetPressed(0);
                DelayRedraw();
            }
            if (bSuppressed || (pControl->GetFlags() & xtpFlagManualUpdate))
                continue;
            state.SetControl(pControl);
            state.m_nID = static_cast<UINT>(pControl->GetID());
            state.m_nIndex = static_cast<UINT>(i);
            state.m_nIndexMax = static_cast<UINT>(m_pControls->GetCount());
            if (OnCmdMsg(0, kReflectedUpdate, &state, nullptr))
                continue;
            if (OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
                continue;
            if (IsCustomizeMode())
                pControl->SetEnabled(TRUE);
            else
                state.DoUpdate(pTarget, bDisableIfNoHndler);
        }
    }
    if (m_dwState & XTP_BARSTATE_REDRAW) {
        m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_REDRAW);
        Invalidate(FALSE);
    }
    if (m_dwState & XTP_BARSTATE_LAYOUT) {
        m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_LAYOUT);
        OnRecalcLayout();
    }
    if (pTarget)
        UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

UINT CXTPCommandBar::GetActiveMenuId() const
{
    // The active document's menu is told by the command bars of an MDI frame;
    // the plain command bars serve single-document frames only.
    return 0;
}

void CXTPCommandBar::UpdateDocTemplateVisibility(UINT nActiveMenuId)
{
    if (nActiveMenuId == 0)
        return;
    BOOL bDummy = FALSE;
    for (int i = 0; i < m_pControls->GetCount(); i++) {
        CXTPControl* pControl = m_pControls->GetAt(i);
        const DWORD dwOld = pControl->GetHideFlags();
        DWORD dwFlags = dwOld;
        CXTPControl::CDocTemplateMap& mapAssigned = pControl->GetDocTemplatesAssigned();
        if (!mapAssigned.IsEmpty()) {
            if (mapAssigned.Lookup(nActiveMenuId, bDummy))
                dwFlags &= ~static_cast<DWORD>(xtpHideDocTemplate);
            else
                dwFlags |= xtpHideDocTemplate;
        }
        CXTPControl::CDocTemplateMap& mapExcluded = pControl->GetDocTemplatesExcluded();
        if (!mapExcluded.IsEmpty()) {
            if (mapExcluded.Lookup(nActiveMenuId, bDummy))
                dwFlags |= xtpHideDocTemplate;
            else
                dwFlags &= ~static_cast<DWORD>(xtpHideDocTemplate);
        }
        if (dwFlags != dwOld) {
            pControl->SetHideFlags(dwFlags);
            DelayLayout();
        }
    }
}
