#include "CXTPMouseTracker.h"

#include "CThreadLocal.h"
#include "CXTPCommandBar.h"
#include "WindowGeometry.h"

namespace {
CThreadLocal<CXTPMouseTracker> t_mouseTracker;

const UINT_PTR kMouseLeaveTimer = 113341;
const UINT kMouseLeaveInterval = 50;

BOOL IsMouseMove(UINT nMessage)
{
    return nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
}
}  // namespace

POINT CXTPMouseTracker::m_ptLast = {0, 0};

CXTPMouseTracker::CXTPMouseTracker()
{
    m_hHookMouse = ::SetWindowsHookExW(WH_MOUSE, &MouseProc, nullptr, ::GetCurrentThreadId());
}

CXTPMouseTracker::~CXTPMouseTracker()
{
    if (m_hHookMouse != nullptr)
        ::UnhookWindowsHookEx(m_hHookMouse);
    if (m_hwndWatched != nullptr && ::IsWindow(m_hwndWatched))
        ::KillTimer(m_hwndWatched, kMouseLeaveTimer);
}

CXTPMouseTracker* CXTPMouseTracker::GetThreadTracker()
{
    return &t_mouseTracker.Get();
}

BOOL CXTPMouseTracker::IsTrackedBar(CXTPCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrTrackers.GetSize(); ++i)
        if (m_arrTrackers[i] == pBar)
            return TRUE;
    return FALSE;
}

void CXTPMouseTracker::AddTrackedBar(CXTPCommandBar* pBar)
{
    if (m_arrTrackers.IsEmpty() && m_pSelectingBar != nullptr && m_pSelectingBar != pBar)
        m_pSelectingBar->SetSelected(-1);
    if (!IsTrackedBar(pBar))
        m_arrTrackers.Add(pBar);
}

void CXTPMouseTracker::RemoveTrackedBar(CXTPCommandBar* pBar)
{
    BOOL bRemoved = FALSE;
    for (INT_PTR i = m_arrTrackers.GetSize() - 1; i >= 0; --i) {
        if (m_arrTrackers[i] == pBar) {
            m_arrTrackers.RemoveAt(i);
            bRemoved = TRUE;
        }
    }
    if (bRemoved && m_arrTrackers.IsEmpty()) {
        // A fresh mouse move for the window under the cursor, which saw none
        // while the menus had it.
        POINT point;
        if (::GetCursorPos(&point))
            ::SetCursorPos(point.x, point.y);
    }
    m_bIgnoreButtonUp = FALSE;
}

void CXTPMouseTracker::CloseAll()
{
    while (!m_arrTrackers.IsEmpty()) {
        CXTPCommandBar* pBar = m_arrTrackers[0];
        pBar->EndTracking();
        // A bar that leaves tracking but stays listed would hold this loop.
        if (!m_arrTrackers.IsEmpty() && m_arrTrackers[0] == pBar)
            RemoveTrackedBar(pBar);
    }
}

void CXTPMouseTracker::CloseUnlocked()
{
    if (m_arrTrackers.IsEmpty() || m_arrTrackers[0]->GetLockCount() <= 0)
        return;
    // Ending one bar's tracking may end others': the walk goes over a copy.
    CArray<CXTPCommandBar*, CXTPCommandBar*> arrBars;
    arrBars.Copy(m_arrTrackers);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i)
        if (IsTrackedBar(arrBars[i]) && arrBars[i]->GetLockCount() == 0)
            arrBars[i]->EndTracking();
}

BOOL CXTPMouseTracker::IsOtherTracking(CXTPCommandBar* pBar) const
{
    if (m_arrTrackers.IsEmpty())
        return FALSE;
    if (pBar == nullptr || pBar->GetLockCount() > 0)
        return TRUE;
    return !IsTrackedBar(pBar);
}

void CXTPMouseTracker::LockTrackedBars(BOOL bLock)
{
    for (INT_PTR i = 0; i < m_arrTrackers.GetSize(); ++i)
        m_arrTrackers[i]->SetLockCount(m_arrTrackers[i]->GetLockCount() + (bLock ? 1 : -1));
}

void CXTPMouseTracker::SetMenusExpanded(BOOL bExpanded)
{
    m_bMenusExpanded = bExpanded;
    if (bExpanded)
        m_bIgnoreButtonUp = TRUE;
}

void CXTPMouseTracker::AddTrustedWindow(HWND hWnd)
{
    m_arrTrusted.Add(hWnd);
}

void CXTPMouseTracker::RemoveTrustedWindow(HWND hWnd)
{
    for (INT_PTR i = m_arrTrusted.GetSize() - 1; i >= 0; --i)
        if (m_arrTrusted[i] == hWnd)
            m_arrTrusted.RemoveAt(i);
}

BOOL CXTPMouseTracker::IsInTrustedWindow(POINT point) const
{
    for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); ++i) {
        HWND hWnd = m_arrTrusted[i];
        RECT rc;
        if (::IsWindow(hWnd) && ::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, point))
            return TRUE;
    }
    return FALSE;
}

void CXTPMouseTracker::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hwndWatched)
        return;
    // The new window is watched before the old one hears of its leave, so
    // that its handler sees the tracker as it will stay.
    HWND hwndLeft = m_hwndWatched;
    m_hwndWatched = hWnd;
    if (hwndLeft != nullptr && ::IsWindow(hwndLeft)) {
        ::KillTimer(hwndLeft, kMouseLeaveTimer);
        ::SendMessageW(hwndLeft, WM_MOUSELEAVE, 0, 0);
    }
    if (hWnd != nullptr)
        ::SetTimer(hWnd, kMouseLeaveTimer, kMouseLeaveInterval, &MouseLeaveTimerProc);
}

void CALLBACK CXTPMouseTracker::MouseLeaveTimerProc(HWND hWnd, UINT /*nMsg*/, UINT_PTR nIDEvent, DWORD /*dwTime*/)
{
    CXTPMouseTracker* pTracker = GetThreadTracker();
    if (hWnd != pTracker->m_hwndWatched) {
        ::KillTimer(hWnd, nIDEvent);
        return;
    }
    pTracker->OnMouseLeaveTimer();
}

void CXTPMouseTracker::OnMouseLeaveTimer()
{
    HWND hWnd = m_hwndWatched;
    if (!::IsWindow(hWnd)) {
        m_hwndWatched = nullptr;
        return;
    }
    POINT point;
    RECT rc;
    const BOOL bInside = ::GetCursorPos(&point) && ::GetWindowRect(hWnd, &rc) && ::PtInRect(&rc, point);
    if (bInside && (::GetParent(hWnd) == nullptr || (::GetWindowLongW(hWnd, GWL_STYLE) & WS_POPUP) != 0
                    || IsTopLevelActive(hWnd)))
        return;
    ::KillTimer(hWnd, kMouseLeaveTimer);
    m_hwndWatched = nullptr;
    ::PostMessageW(hWnd, WM_MOUSELEAVE, 0, 0);
}

LRESULT CALLBACK CXTPMouseTracker::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPMouseTracker* pTracker = GetThreadTracker();
    if (nCode == HC_ACTION) {
        const auto* pHook = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (pTracker->OnHookMessage(static_cast<UINT>(wParam), pHook->pt))
            return TRUE;
    }
    return ::CallNextHookEx(pTracker->m_hHookMouse, nCode, wParam, lParam);
}

BOOL CXTPMouseTracker::OnHookMessage(UINT nMessage, POINT point)
{
    if (nMessage == WM_LBUTTONDOWN || nMessage == WM_RBUTTONDOWN)
        m_bIgnoreButtonUp = FALSE;
    if ((nMessage == WM_LBUTTONUP || nMessage == WM_NCLBUTTONUP) && m_bIgnoreButtonUp) {
        m_bIgnoreButtonUp = FALSE;
        return TRUE;
    }
    if (!m_arrTrackers.IsEmpty() && IsMouseMove(nMessage) && point.x == m_ptLast.x && point.y == m_ptLast.y)
        return TRUE;
    m_ptLast = point;
    if (!m_arrTrackers.IsEmpty())
        ExamineMessage(nMessage, point);
    return FALSE;
}

void CXTPMouseTracker::ExamineMessage(UINT nMessage, POINT point)
{
    HWND hwndPoint = ::WindowFromPoint(point);
    for (INT_PTR i = m_arrTrackers.GetSize() - 1; i >= 0; --i) {
        CXTPCommandBar* pBar = m_arrTrackers[i];
        HWND hwndBar = pBar->GetSafeHwnd();
        if (hwndBar == nullptr)
            continue;
        int nInBar = pBar->IsPointInBar(point);
        if (nInBar == -2 || (nInBar != 1 && (hwndPoint == nullptr || !::IsChild(hwndBar, hwndPoint))))
            continue;
        if (pBar->GetLockCount() > 0 && !IsMouseMove(nMessage) && !m_bIgnoreButtonUp) {
            CloseUnlocked();
            m_ptLast = POINT{0, 0};
        }
        return;
    }
    if (IsInTrustedWindow(point))
        return;

    CArray<CXTPCommandBar*, CXTPCommandBar*> arrBars;
    arrBars.Copy(m_arrTrackers);
    for (INT_PTR i = 0; i < arrBars.GetSize(); ++i) {
        CXTPCommandBar* pBar = arrBars[i];
        if (!IsTrackedBar(pBar))
            continue;
        switch (nMessage) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            if (pBar->GetLockCount() <= 0 && pBar->GetSafeHwnd() != nullptr) {
                POINT ptClient = point;
                ::ScreenToClient(pBar->GetSafeHwnd(), &ptClient);
                ::SendMessageW(pBar->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
            }
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            if (!IsLocked())
                CloseAll();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            CloseAll();
            break;
        default:
            break;
        }
    }
}
