// Docking side of the command bars: the dock bars, adding, docking, floating
// and removing bars.
#include "CXTPCommandBars.h"

#include "CXTPBarDragContext.h"
#include "CXTPDockBar.h"
#include "CXTPReBar.h"
#include "CResourceException.h"
#include "CXTPToolBar.h"

namespace {

// Id and align-and-border style of the dock bars, top, bottom, left, right.
struct DockBarSpec {
    UINT nID;
    DWORD dwStyle;
};
constexpr DockBarSpec kDockBars[4] = {
    {XTP_ID_DOCKBAR_TOP, 0x2800}, {XTP_ID_DOCKBAR_BOTTOM, 0x8200},
    {XTP_ID_DOCKBAR_LEFT, 0x1400}, {XTP_ID_DOCKBAR_RIGHT, 0x4100}};

// How near a dock bar a point must be to dock there.
constexpr int kDockSnap = 20;

// Band style of a bar added to the frame's rebar: a break before it and a
// gripper always.
constexpr DWORD kReBarBandStyle = 129;

constexpr DWORD kToolBarFlags = 63;

} // namespace

void CXTPCommandBars::EnableDocking()
{
    for (int i = 0; i < 4; ++i) {
        if (m_pDocks[i] != nullptr)
            continue;
        auto* pDockBar = new CXTPDockBar(this);
        if (!pDockBar->Create(m_pFrame, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | kDockBars[i].dwStyle,
                              kDockBars[i].nID)) {
            delete pDockBar;
            AfxThrowResourceException();
        }
        m_pDocks[i] = pDockBar;
    }
}

CXTPToolBar* CXTPCommandBars::AddToolBar(LPCTSTR lpszTitle, int barPosition, CRuntimeClass* pToolbarClass)
{
    CRuntimeClass* pClass = pToolbarClass != nullptr ? pToolbarClass : RUNTIME_CLASS(CXTPToolBar);
    auto* pBar = DYNAMIC_DOWNCAST(CXTPToolBar, pClass->CreateObject());
    if (pBar == nullptr)
        return nullptr;
    pBar->SetCommandBars(this);
    pBar->SetFlags(kToolBarFlags);
    pBar->SetTitle(lpszTitle);
    if (!pBar->SetPosition(barPosition)) {
        pBar->InternalRelease();
        return nullptr;
    }
    AppendBar(pBar);
    return pBar;
}

CXTPToolBar* CXTPCommandBars::AddCustomBar(LPCTSTR lpszTitle, UINT nBarID, BOOL bTearOffBar)
{
    auto* pBar = static_cast<CXTPToolBar*>(RUNTIME_CLASS(CXTPToolBar)->CreateObject());
    pBar->SetCommandBars(this);
    XTP_COMMANDBARS_CREATEBAR cs{pBar, FALSE, FALSE, TRUE, bTearOffBar, lpszTitle, nBarID};
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->SendMessage(WM_CMDBARS_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(&cs));
    if (pBar->GetDragContext() == nullptr)
        pBar->SetFlags(kToolBarFlags);
    pBar->SetTitle(lpszTitle);
    if (!pBar->SetPosition(bTearOffBar ? xtpBarFloating : xtpBarTop)) {
        pBar->InternalRelease();
        return nullptr;
    }
    AppendBar(pBar);
    pBar->SetBarID(static_cast<int>(nBarID));
    pBar->SetBuiltIn(FALSE);
    pBar->SetTearOff(bTearOffBar);
    if (!bTearOffBar)
        RecalcFrameLayout();
    OnBarAdded(pBar);
    return pBar;
}

void CXTPCommandBars::OnBarAdded(CXTPCommandBar* pBar)
{
    auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pBar);
    CWnd* pReBar = m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr ? m_pFrame->GetDlgItem(XTP_ID_REBAR) : nullptr;
    if (auto* pXTPReBar = DYNAMIC_DOWNCAST(CXTPReBar, pReBar); pXTPReBar != nullptr && pToolBar != nullptr)
        pXTPReBar->AddCommandBar(pToolBar, kReBarBandStyle);
}

void CXTPCommandBars::OnBarRemoved(CXTPCommandBar* pBar)
{
    if (pBar == m_pMenuBar)
        m_pMenuBar = nullptr;
    auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pBar);
    CWnd* pReBar = m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr ? m_pFrame->GetDlgItem(XTP_ID_REBAR) : nullptr;
    if (auto* pXTPReBar = DYNAMIC_DOWNCAST(CXTPReBar, pReBar); pXTPReBar != nullptr && pToolBar != nullptr)
        pXTPReBar->DeleteCommandBar(pToolBar);
}

CXTPDockBar* CXTPCommandBars::FindDockBarAt(CPoint point, CXTPDockBar* pPreferred) const
{
    auto catches = [&point](const CXTPDockBar* pDockBar) {
        if (pDockBar == nullptr || pDockBar->GetSafeHwnd() == nullptr)
            return false;
        CRect rc;
        pDockBar->GetWindowRect(&rc);
        rc.InflateRect(kDockSnap, kDockSnap);
        return rc.PtInRect(point) != FALSE;
    };
    if (catches(pPreferred))
        return pPreferred;
    for (CXTPDockBar* pDockBar : m_pDocks) {
        if (catches(pDockBar))
            return pDockBar;
    }
    return nullptr;
}

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar)
{
    if (pBar == nullptr || pDockBar == nullptr || !pBar->SetFloatingMode(FALSE, m_pFrame))
        return FALSE;
    pDockBar->DockCommandBar(pBar, lpRect);
    pBar->m_barPosition = pDockBar->GetPosition();
    return TRUE;
}

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pBar, int nDockBar)
{
    return DockCommandBar(pBar, nullptr, GetDockBar(nDockBar));
}

BOOL CXTPCommandBars::FloatCommandBar(CXTPToolBar* pBar)
{
    if (pBar == nullptr || !pBar->SetFloatingMode(TRUE, m_pFrame))
        return FALSE;
    if (CXTPDockBar* pDockBar = pBar->GetDockBar())
        pDockBar->RemoveCommandBar(pBar);
    pBar->m_barPosition = xtpBarFloating;
    return TRUE;
}

void CXTPCommandBars::RemoveCommandBar(CXTPCommandBar* pBar)
{
    const int nIndex = IndexOf(pBar);
    if (nIndex < 0)
        return;
    if (pBar->GetSafeHwnd() != nullptr)
        pBar->ShowWindow(SW_HIDE);
    pBar->m_bVisible = FALSE;
    if (auto* pToolBar = DYNAMIC_DOWNCAST(CXTPToolBar, pBar)) {
        if (CXTPDockBar* pDockBar = pToolBar->GetDockBar()) {
            pDockBar->RemoveCommandBar(pToolBar);
            RecalcFrameLayout();
        }
    }
    OnBarRemoved(pBar);
    m_arrBars.RemoveAt(nIndex);
    pBar->InternalRelease();
}

void CXTPCommandBars::ToggleVisible(int nIndex)
{
    if (CXTPCommandBar* pBar = GetAt(nIndex))
        pBar->SetVisible(!pBar->IsVisible());
}
