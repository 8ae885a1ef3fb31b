// The frame's own window messages as the command bars see them first.
#include "CXTPCommandBars.h"

#include "CXTPColorManager.h"
#include "CXTPCustomizeDropSource.h"
#include "CXTPEdit.h"
#include "CXTPImageManager.h"
#include "CXTPMouseTracker.h"
#include "CXTPPaintManager.h"

namespace {

// Re-lays out the frame and paints it anew after a colour or setting change.
void RedrawFrame(CXTPCommandBars* pCommandBars, CWnd* pFrame)
{
    pCommandBars->RecalcFrameLayout();
    if (pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr)
        pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace

BOOL CXTPCommandBars::OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_CLOSE:
        // The customize dialog must end first.
        return m_pDropSource->m_pSheet != nullptr;
    case WM_SYSCOLORCHANGE:
        GetColorManager()->RefreshColors();
        GetPaintManager()->RefreshMetrics();
        GetImageManager()->InvalidateImages();
        RedrawFrame(this, m_pFrame);
        return FALSE;
    case WM_SETTINGCHANGE:
        GetPaintManager()->RefreshMetrics();
        RedrawFrame(this, m_pFrame);
        return FALSE;
    case WM_ACTIVATEAPP:
        if (wParam == 0)
            CloseAllMenus();
        return FALSE;
    case WM_COMMAND: {
        auto* pEdit = DYNAMIC_DOWNCAST(CXTPEdit, CWnd::GetFocus());
        if (pEdit != nullptr && pEdit->OnCommand(wParam, lParam)) {
            if (pResult != nullptr)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_SYSCOMMAND:
        if (!((wParam != 0 && LOWORD(wParam) == 0) || wParam == SC_KEYMENU || m_bCustomizeMode))
            CloseAllMenus();
        return FALSE;
    case WM_IDLEUPDATECMDUI:
        for (int i = 0; i < GetCount(); ++i) {
            if (m_arrBars[i]->GetPosition() == xtpBarFloating)
                m_arrBars[i]->OnUpdateCmdUI(TRUE);
        }
        return FALSE;
    default:
        return FALSE;
    }
}
