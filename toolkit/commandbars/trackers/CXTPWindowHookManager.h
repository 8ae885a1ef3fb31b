#pragma once
// Subclasses windows for hook clients, so that several clients see a
// window's messages before its own procedure, the last registered first. One
// map for the process, used from the UI thread.
#include "Framework.h"
#include "WindowHookEntry.h"

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
