#include "CXTPWindowHookManager.h"

CXTPWindowHookManager::CXTPWindowHookManager()
{
    m_mapHooks.InitHashTable(17);
}

CXTPWindowHookManager::~CXTPWindowHookManager()
{
    POSITION pos = m_mapHooks.GetStartPosition();
    while (pos != nullptr) {
        HWND hWnd = nullptr;
        WindowHookEntry* pEntry = nullptr;
        m_mapHooks.GetNextAssoc(pos, hWnd, pEntry);
        delete pEntry;
    }
    m_mapHooks.RemoveAll();
}

CXTPWindowHookManager& CXTPWindowHookManager::Instance()
{
    static CXTPWindowHookManager manager;
    return manager;
}

WindowHookEntry* CXTPWindowHookManager::Lookup(HWND hWnd) const
{
    WindowHookEntry* pEntry = nullptr;
    return m_mapHooks.Lookup(hWnd, pEntry) ? pEntry : nullptr;
}

void CXTPWindowHookManager::SetHook(HWND hWnd, CXTPWindowHookClient* pClient)
{
    if (!::IsWindow(hWnd) || pClient == nullptr)
        return;
    if (WindowHookEntry* pEntry = Lookup(hWnd)) {
        pEntry->AddClient(pClient);
        return;
    }
    auto pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookWndProc)));
    if (pfnOld == nullptr)
        return;
    auto* pEntry = new WindowHookEntry(hWnd, pfnOld);
    pEntry->AddClient(pClient);
    m_mapHooks[hWnd] = pEntry;
}

void CXTPWindowHookManager::RemoveHook(HWND hWnd, CXTPWindowHookClient* pClient)
{
    WindowHookEntry* pEntry = Lookup(hWnd);
    if (pEntry == nullptr)
        return;
    pEntry->RemoveClient(pClient);
    if (pEntry->IsEmpty())
        Release(pEntry);
}

void CXTPWindowHookManager::RemoveAll(CXTPWindowHookClient* pClient)
{
    CArray<WindowHookEntry*, WindowHookEntry*> arrEmptied;
    POSITION pos = m_mapHooks.GetStartPosition();
    while (pos != nullptr) {
        HWND hWnd = nullptr;
        WindowHookEntry* pEntry = nullptr;
        m_mapHooks.GetNextAssoc(pos, hWnd, pEntry);
        pEntry->RemoveClient(pClient);
        if (pEntry->IsEmpty())
            arrEmptied.Add(pEntry);
    }
    // Not while walking the map: releasing takes entries out of it.
    for (INT_PTR i = 0; i < arrEmptied.GetSize(); ++i)
        Release(arrEmptied[i]);
}

void CXTPWindowHookManager::Release(WindowHookEntry* pEntry)
{
    m_mapHooks.RemoveKey(pEntry->m_hWnd);
    if (pEntry->m_nDispatching > 0) {
        // The window's procedure goes back now; the message being handled
        // finishes through its own copy of it and deletes the entry.
        ::SetWindowLongPtrW(pEntry->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pEntry->m_pfnOldWndProc));
        // A client may subclass the window again before then: the late
        // deletion must leave that alone.
        pEntry->m_pfnOldWndProc = nullptr;
        pEntry->m_bDetached = TRUE;
        return;
    }
    delete pEntry;
}

LRESULT CALLBACK CXTPWindowHookManager::HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    MSG msgSaved = *CWnd::GetCurrentMessage();
    CWnd::SetCurrentMessage(MSG{hWnd, nMessage, wParam, lParam, 0, {}});

    CXTPWindowHookManager& manager = Instance();
    WindowHookEntry* pEntry = manager.Lookup(hWnd);
    if (pEntry == nullptr) {
        CWnd::SetCurrentMessage(msgSaved);
        return ::DefWindowProcW(hWnd, nMessage, wParam, lParam);
    }

    // Clients may remove themselves, others or the whole entry while they
    // are asked: the procedure and the clients are taken before anyone runs.
    ++pEntry->m_nDispatching;
    WNDPROC pfnOldWndProc = pEntry->m_pfnOldWndProc;
    LRESULT lResult = 0;
    BOOL bHandled = FALSE;
    if (nMessage == WM_NCDESTROY) {
        manager.Release(pEntry);
    } else {
        CArray<CXTPWindowHookClient*, CXTPWindowHookClient*> arrClients;
        arrClients.Copy(pEntry->m_arrClients);
        for (INT_PTR i = arrClients.GetSize() - 1; i >= 0; --i) {
            if (!pEntry->HasClient(arrClients[i]))
                continue;
            int nAnswer = arrClients[i]->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
            if (nAnswer == 1) {
                bHandled = TRUE;
                break;
            }
            if (nAnswer == 2)
                break;
        }
    }
    if (!bHandled)
        lResult = ::CallWindowProcW(pfnOldWndProc, hWnd, nMessage, wParam, lParam);

    if (--pEntry->m_nDispatching == 0 && pEntry->m_bDetached)
        delete pEntry;
    CWnd::SetCurrentMessage(msgSaved);
    return lResult;
}
