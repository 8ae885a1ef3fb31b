#include "CGridDropReceiver.h"

#include "CGridCtrl.h"

namespace {

// Set while any drop target registers (UI thread only).
bool g_registering = false;

} // namespace

BOOL CGridDropReceiver::AttachToGrid(CWnd* pWnd)
{
    if (m_bRegistered || g_registering)
        return FALSE;
    g_registering = true;
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CGridCtrl))) {
        g_registering = false;
        return FALSE;
    }
    m_pGridCtrl = static_cast<CGridCtrl*>(pWnd);
    m_bRegistered = Register(pWnd);
    g_registering = false;
    return m_bRegistered;
}

void CGridDropReceiver::Revoke()
{
    m_bRegistered = FALSE;
    COleDropTarget::Revoke();
}

bool CGridDropReceiver::IsOwnGrid(const CWnd* pWnd) const
{
    return m_pGridCtrl && pWnd && m_pGridCtrl->GetSafeHwnd() && pWnd->GetSafeHwnd() == m_pGridCtrl->GetSafeHwnd();
}

DROPEFFECT CGridDropReceiver::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT CGridDropReceiver::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

BOOL CGridDropReceiver::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    return IsOwnGrid(pWnd) ? m_pGridCtrl->OnDrop(pDataObject, dropEffect, point) : FALSE;
}

void CGridDropReceiver::OnDragLeave(CWnd* pWnd)
{
    if (IsOwnGrid(pWnd))
        m_pGridCtrl->OnDragLeave();
}

DROPEFFECT CGridDropReceiver::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint)
{
    if (!IsOwnGrid(pWnd))
        return DROPEFFECT_NONE;
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
