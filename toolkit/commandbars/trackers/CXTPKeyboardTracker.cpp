#include "CXTPKeyboardTracker.h"

#include "CThreadLocal.h"
#include "CXTPMouseTracker.h"

namespace {
CThreadLocal<CXTPKeyboardTracker> t_keyboardTracker;
}

CXTPKeyboardTracker::CXTPKeyboardTracker() = default;

CXTPKeyboardTracker::~CXTPKeyboardTracker()
{
    SetupHooks(FALSE);
}

CXTPKeyboardTracker* CXTPKeyboardTracker::GetThreadTracker()
{
    return &t_keyboardTracker.Get();
}

void CXTPKeyboardTracker::SetupHooks(BOOL bSetup)
{
    if (bSetup) {
        const DWORD dwThreadId = ::GetCurrentThreadId();
        if (m_hHookKeyboard == nullptr)
            m_hHookKeyboard = ::SetWindowsHookExW(WH_KEYBOARD, &KeyboardProc, AfxGetInstanceHandle(), dwThreadId);
        if (m_hHookCallWndProc == nullptr)
            m_hHookCallWndProc = ::SetWindowsHookExW(WH_CALLWNDPROC, &CallWndProc, AfxGetInstanceHandle(), dwThreadId);
        return;
    }
    if (m_hHookKeyboard != nullptr)
        ::UnhookWindowsHookEx(m_hHookKeyboard);
    if (m_hHookCallWndProc != nullptr)
        ::UnhookWindowsHookEx(m_hHookCallWndProc);
    m_hHookKeyboard = nullptr;
    m_hHookCallWndProc = nullptr;
}

POSITION CXTPKeyboardTracker::AddClient(CXTPWindowHookClient* pClient)
{
    SetupHooks(TRUE);
    if (POSITION pos = m_lstClients.Find(pClient))
        return pos;
    return m_lstClients.AddTail(pClient);
}

void CXTPKeyboardTracker::RemoveClient(CXTPWindowHookClient* pClient)
{
    if (POSITION pos = m_lstClients.Find(pClient))
        m_lstClients.RemoveAt(pos);
    if (m_lstClients.IsEmpty())
        SetupHooks(FALSE);
}

BOOL CXTPKeyboardTracker::RouteMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    // A client may end tracking and so leave the list while it is asked:
    // the walk goes over a copy and skips clients gone meanwhile.
    CArray<CXTPWindowHookClient*, CXTPWindowHookClient*> arrClients;
    for (POSITION pos = m_lstClients.GetHeadPosition(); pos != nullptr;)
        arrClients.Add(m_lstClients.GetNext(pos));
    for (INT_PTR i = arrClients.GetSize() - 1; i >= 0; --i) {
        if (m_lstClients.Find(arrClients[i]) == nullptr)
            continue;
        WPARAM wParamClient = wParam;
        LPARAM lParamClient = lParam;
        LRESULT lResult = 0;
        int nAnswer = arrClients[i]->OnHookMessage(nullptr, nMessage, wParamClient, lParamClient, lResult);
        if (nAnswer != 0)
            return nAnswer != 2;
    }
    return TRUE;
}

LRESULT CALLBACK CXTPKeyboardTracker::KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardTracker* pTracker = GetThreadTracker();
    const BOOL bKeyDown = (static_cast<DWORD>(lParam) & 0x80000000) == 0;
    if (nCode == HC_ACTION && bKeyDown && !pTracker->m_lstClients.IsEmpty()) {
        CXTPMouseTracker* pMouseTracker = CXTPMouseTracker::GetThreadTracker();
        if (wParam == VK_MENU && (lParam & 0x20000000) != 0 && !pMouseTracker->IsLocked()) {
            if ((lParam & 0x40000000) == 0) {
                pMouseTracker->CloseAll();
                return TRUE;
            }
        } else if (pTracker->RouteMessage(WM_KEYDOWN, wParam, lParam)) {
            return TRUE;
        }
    }
    return ::CallNextHookEx(pTracker->m_hHookKeyboard, nCode, wParam, lParam);
}

LRESULT CALLBACK CXTPKeyboardTracker::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPKeyboardTracker* pTracker = GetThreadTracker();
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_ACTIVATEAPP && !pMsg->wParam)
        CXTPMouseTracker::GetThreadTracker()->CloseAll();
    return ::CallNextHookEx(pTracker->m_hHookCallWndProc, nCode, wParam, lParam);
}
