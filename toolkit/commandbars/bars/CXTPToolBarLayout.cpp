// The toolbar's sizes: floating (with its caption buttons), docked (with the
// overflow button), and its part of a plain parent's layout.
#include "CXTPToolBar.h"

#include "CClientDC.h"
#include "CXTObjectSelector.h"
#include "CXTPCommandBars.h"
#include "CXTPCommandBarsOptions.h"
#include "CXTPControls.h"
#include "CXTPDockBar.h"
#include "CXTPPaintManager.h"
#include "CXTPToolBarCloseButton.h"
#include "CXTPToolBarExpandButton.h"

#include <algorithm>

namespace {
// Room the overflow button takes at the end of a docked bar.
constexpr int kExpandButtonRoom = 11;
// Border around a floating bar's controls (the caption adds to the top).
constexpr int kFloatingBorder = 3;

// Keeps a control out of a measurement and gives it back its hide flags.
class HiddenWhileMeasuring {
public:
    explicit HiddenWhileMeasuring(CXTPControl* pControl)
        : m_pControl(pControl), m_dwHideFlags(pControl ? pControl->GetHideFlags() : 0)
    {
        if (m_pControl)
            m_pControl->SetHideFlags(m_dwHideFlags | xtpHideGeneric);
    }
    ~HiddenWhileMeasuring() { Restore(); }
    HiddenWhileMeasuring(const HiddenWhileMeasuring&) = delete;
    HiddenWhileMeasuring& operator=(const HiddenWhileMeasuring&) = delete;

    // Shows the control placed at rc (or keeps it hidden) instead of restoring it.
    void Place(const CRect* pRect)
    {
        if (!m_pControl)
            return;
        if (pRect) {
            m_pControl->SetHideFlags(m_dwHideFlags & ~static_cast<DWORD>(xtpHideGeneric | xtpHideWrap));
            m_pControl->SetRect(*pRect);
        }
        m_pControl = nullptr;
    }
    void Restore()
    {
        if (m_pControl)
            m_pControl->SetHideFlags(m_dwHideFlags);
        m_pControl = nullptr;
    }

private:
    CXTPControl* m_pControl;
    DWORD m_dwHideFlags;
};

BOOL IsExpandButtonAlways(const CXTPCommandBars* pCommandBars)
{
    return !pCommandBars || pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways;
}
} // namespace

CXTPControl* CXTPToolBar::EnsureSpecialControl(int nId)
{
    if (CXTPControl* pControl = m_pControls->FindControl(nId))
        return pControl;
    CXTPControl* pControl = nId == XTP_ID_TOOLBAR_HIDE ? static_cast<CXTPControl*>(new CXTPToolBarCloseButton())
                                                        : new CXTPToolBarExpandButton();
    return m_pControls->AddControl(pControl, nId, nullptr, -1, TRUE);
}

CSize CXTPToolBar::CalcDockingLayout(int nLength, DWORD dwMode)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CClientDC dc(this);
    CXTObjectSelector font(&dc, pPaintManager->GetCommandBarFont(this));
    const int h = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE).cy;

    CXTPControl* pClose = m_pControls->FindControl(XTP_ID_TOOLBAR_HIDE);
    if (IsFloating() && m_barType != xtpBarTypeMenuBar && m_bCloseable)
        pClose = EnsureSpecialControl(XTP_ID_TOOLBAR_HIDE);
    CXTPControl* pExpand = m_pControls->FindControl(XTP_ID_TOOLBAR_EXPAND);
    if (GetCommandBars() && m_bShowExpandButton)
        pExpand = EnsureSpecialControl(XTP_ID_TOOLBAR_EXPAND);

    HiddenWhileMeasuring closeHidden(pClose);
    HiddenWhileMeasuring expandHidden(pExpand);
    const CSize sz = m_pControls->CalcDynamicSize(
        &dc, nLength, dwMode, CRect(kFloatingBorder, h + 4, kFloatingBorder, kFloatingBorder));
    if (!(dwMode & LM_COMMIT))
        return sz;

    int nRight = sz.cx - kFloatingBorder;
    if (pClose && m_bCloseable && m_barType != xtpBarTypeMenuBar) {
        const CRect rcClose(nRight - h, 3, nRight, h + 3);
        closeHidden.Place(&rcClose);
        nRight -= h;
    } else {
        closeHidden.Place(nullptr);
    }
    if (IsExpandButtonAlways(GetCommandBars()) && nRight - h > 0) {
        const CRect rcExpand(nRight - h, 3, nRight, h + 3);
        expandHidden.Place(&rcExpand);
    } else {
        expandHidden.Place(nullptr);
    }
    return sz;
}

CSize CXTPToolBar::CalcDynamicLayout(int nLength, DWORD dwMode, int nWidth)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CClientDC dc(this);
    CXTObjectSelector font(&dc, pPaintManager->GetCommandBarFont(this));
    CRect rcBorder = pPaintManager->GetCommandBarBorders(this);
    if (m_dwStyle & CBRS_GRIPPER) {
        const CSize szGripper = pPaintManager->DrawCommandBarGripper(&dc, this, FALSE);
        rcBorder.left += szGripper.cx;
        rcBorder.top += szGripper.cy;
    }

    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (CXTPControl* pClose = m_pControls->FindControl(XTP_ID_TOOLBAR_HIDE))
        pClose->SetHideFlags(pClose->GetHideFlags() | xtpHideGeneric);
    CXTPControl* pExpand = m_pControls->FindControl(XTP_ID_TOOLBAR_EXPAND);
    if (pCommandBars && m_bShowExpandButton)
        pExpand = EnsureSpecialControl(XTP_ID_TOOLBAR_EXPAND);
    HiddenWhileMeasuring expandHidden(pExpand);

    const BOOL bAlways = IsExpandButtonAlways(pCommandBars);
    const BOOL bHorizontal = (dwMode & LM_HORZDOCK) != 0;
    if (!bAlways && !(dwMode & LM_COMMIT)) {
        CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder, nWidth);
        CSize szMin = m_pControls->CalcDynamicSize(&dc, 1, dwMode, rcBorder, nWidth);
        if (m_pControls->GetVisibleCount(FALSE) > 1) {
            (bHorizontal ? szMin.cx : szMin.cy) += kExpandButtonRoom;
            if ((bHorizontal ? szMin.cx >= sz.cx : szMin.cy >= sz.cy))
                sz = szMin;
        }
        return sz;
    }
    if (!bAlways) {
        const CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder, nWidth);
        BOOL bHidden = FALSE;
        for (int i = 0; i < m_pControls->GetCount() && !bHidden; i++)
            bHidden = (m_pControls->GetAt(i)->GetHideFlags() & xtpHideWrap) != 0;
        if (!bHidden) {
            expandHidden.Place(nullptr);
            return sz;
        }
    }

    (bHorizontal ? rcBorder.right : rcBorder.bottom) += kExpandButtonRoom;
    CSize sz = m_pControls->CalcDynamicSize(&dc, nLength, dwMode, rcBorder, nWidth);
    if (pExpand && (dwMode & LM_COMMIT)) {
        // The paint manager places the button in the bar's end area.
        CSize szBar = sz;
        pPaintManager->DrawSpecialControl(&dc, xtpButtonExpandToolbar, pExpand, this, FALSE, &szBar);
        const CRect rcExpand = pExpand->GetRect();
        expandHidden.Place(&rcExpand);
    }
    return sz;
}

void CXTPToolBar::OnRecalcLayout()
{
    if (!GetSafeHwnd())
        return;
    if (IsFloating()) {
        const CSize sz = CalcDockingLayout(-1, LM_COMMIT | LM_MRUWIDTH | LM_HORZ);
        SetWindowPos(nullptr, 0, 0, sz.cx, sz.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate(FALSE);
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->RecalcFrameLayout();
}

LRESULT CXTPToolBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!IsVisible())
        return 0;
    DWORD dwMode = LM_COMMIT | LM_HORZDOCK | LM_HORZ;
    if (m_dwFlags & xtpFlagStretched)
        dwMode |= LM_STRETCH;
    if (m_dwFlags & xtpFlagHideWrap)
        dwMode |= LM_SINGLEROW;
    if (!pLayout->hDWP)
        dwMode &= ~static_cast<DWORD>(LM_COMMIT);

    CRect rect(pLayout->rect);
    CSize sz = CalcDynamicLayout(rect.Width(), dwMode);
    sz.cx = std::min<LONG>(sz.cx, rect.Width());
    sz.cy = std::min<LONG>(sz.cy, rect.Height());
    const CRect rcBar(rect.left, rect.top, rect.left + sz.cx, rect.top + sz.cy);
    pLayout->rect.top += sz.cy;
    pLayout->sizeTotal.cy += sz.cy;
    pLayout->sizeTotal.cx = std::max<LONG>(pLayout->sizeTotal.cx, sz.cx);
    if (dwMode & LM_COMMIT)
        AfxRepositionWindow(pLayout, m_hWnd, &rcBar);
    m_dwState &= ~static_cast<DWORD>(XTP_BARSTATE_REDRAW);
    if (!IsRedrawLocked())
        Invalidate(FALSE);
    return 0;
}
