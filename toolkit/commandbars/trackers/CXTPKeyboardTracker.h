#pragma once
// Routes key presses to the hook clients of the tracking bars of one UI
// thread and closes the menus when the application is deactivated. Its
// hooks exist only while a client is listed.
#include "Framework.h"
#include "CXTPWindowHookClient.h"

class CXTPKeyboardTracker : public CCmdTarget {
public:
    CXTPKeyboardTracker();
    ~CXTPKeyboardTracker() override;

    // The tracker of the calling thread, made on first use.
    static CXTPKeyboardTracker* GetThreadTracker();

    POSITION AddClient(CXTPWindowHookClient* pClient);
    void RemoveClient(CXTPWindowHookClient* pClient);
    int GetClientCount() const { return static_cast<int>(m_lstClients.GetCount()); }
    // Asks the clients, the most recently added first; TRUE (swallow) unless
    // the deciding client answered 2.
    BOOL RouteMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    void SetupHooks(BOOL bSetup);

    HHOOK m_hHookKeyboard = nullptr;
    HHOOK m_hHookCallWndProc = nullptr;
    CList<CXTPWindowHookClient*, CXTPWindowHookClient*> m_lstClients;
};
