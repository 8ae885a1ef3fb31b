// The tooltip hit test of the command bars: which control shows which tip.
#include "CXTPToolBar.h"

#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPMouseTracker.h"
#include "CXTPShortcutManager.h"
#include "CXTPToolTipContext.h"

namespace {
// A control flag: the control shows its tip in a popup menu too.
constexpr DWORD kFlagTipInPopup = 0x40;
}

INT_PTR CXTPToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // No tips while a menu is open from the bar or a modal bar loop runs.
    if (m_barType != xtpBarTypePopup && m_bTracking == xtpTrackingPopup)
        return -1;
    CXTPMouseTracker* pTracker = CXTPMouseTracker::GetThreadTracker();
    if (pTracker->IsInNestedLoop() || pTracker->IsTrackedBar(const_cast<CXTPToolBar*>(this)))
        return -1;

    CXTPCommandBars* pCommandBars = GetCommandBars();
    BOOL bAccelTips = FALSE;
    if (pCommandBars) {
        const CXTPCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
        if (!pOptions->bToolBarScreenTips)
            return -1;
        bAccelTips = pOptions->bToolBarAccelTips;
    }

    CXTPControl* pControl = m_pControls->HitTest(point);
    if (!pControl)
        return -1;
    if (m_barType == xtpBarTypePopup && !(pControl->GetFlags() & kFlagTipInPopup) &&
        !(pCommandBars && pCommandBars->GetCommandBarsOptions()->bShowPopupBarToolTips))
        return -1;

    CString strTip = pControl->GetTooltipText();
    if (strTip.IsEmpty())
        return -1;
    CString strCaption = pControl->GetDisplayCaption();
    if (bAccelTips) {
        CString strShortcut = pControl->GetShortcutText();
        if (strShortcut.IsEmpty())
            pCommandBars->GetShortcutManager()->FindDefaultAccelerator(static_cast<UINT>(pControl->GetID()),
                                                                       strShortcut);
        if (!strShortcut.IsEmpty()) {
            strTip += L" (" + strShortcut + L")";
            strCaption += L" (" + strShortcut + L")";
        }
    }
    const INT_PTR nId = pControl->GetID();
    if (nId == 0)
        return -1;
    if (pTI)
        CXTPToolTipContext::FillInToolInfo(pTI, m_hWnd, pControl->GetRect(), nId, strTip, strCaption,
                                           pControl->GetDescription());
    return nId;
}
