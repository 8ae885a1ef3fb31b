#pragma once
// Subclasses windows for hook clients, so that several clients see a
// window's messages before its own procedure, the last registered first. One
// map for the process, used from the UI thread.
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

class CXTPWindowHookManager {
public:
    CXTPWindowHookManager();
    // Each remaining entry is deleted, which restores its window's procedure.
    ~CXTPWindowHookManager();
    CXTPWindowHookManager(const CXTPWindowHookManager&) = delete;
    CXTPWindowHookManager& operator=(const CXTPWindowHookManager&) = delete;

    static CXTPWindowHookManager& Instance();

    void SetHook(HWND hWnd, CXTPWindowHookClient* pClient);
    void RemoveHook(HWND hWnd, CXTPWindowHookClient* pClient);
    void RemoveAll(CXTPWindowHookClient* pClient);
    WindowHookEntry* Lookup(HWND hWnd) const;

private:
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Takes the entry out of the map and deletes it, or leaves the deletion
    // to the message of its window that is being handled.
    void Release(WindowHookEntry* pEntry);

    CMap<HWND, HWND, WindowHookEntry*, WindowHookEntry*> m_mapHooks;
};
