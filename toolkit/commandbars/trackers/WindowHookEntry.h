#pragma once
#include "Framework.h"
#include "CXTPWindowHookClient.h"

// The clients of one subclassed window and the procedure it had before.
class WindowHookEntry {
public:
    WindowHookEntry(HWND hWnd, WNDPROC pfnOldWndProc) : m_hWnd(hWnd), m_pfnOldWndProc(pfnOldWndProc) {}
    // Puts the previous window procedure back.
    ~WindowHookEntry();
    WindowHookEntry(const WindowHookEntry&) = delete;
    WindowHookEntry& operator=(const WindowHookEntry&) = delete;

    BOOL HasClient(CXTPWindowHookClient* pClient) const;
    void AddClient(CXTPWindowHookClient* pClient);
    void RemoveClient(CXTPWindowHookClient* pClient);
    BOOL IsEmpty() const { return m_arrClients.IsEmpty(); }

    CArray<CXTPWindowHookClient*, CXTPWindowHookClient*> m_arrClients;
    HWND m_hWnd;
    WNDPROC m_pfnOldWndProc;
    // Messages of the window being handled now; an entry taken out of the map
    // meanwhile is deleted when the outermost one ends.
    int m_nDispatching = 0;
    BOOL m_bDetached = FALSE;
};
