#pragma once
// A thread with a message loop: pumps messages, offers each one to the
// PreTranslateMessage chain of its window first, and runs idle processing
// (command-state updates) when the queue is empty.
#include "CCmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = FALSE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur{};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's result after WM_QUIT.
    virtual int Run();
    // Offers pMsg to the windows from its target up to the top-level window,
    // then to the main window (its accelerators) when the message belongs to
    // another top-level window and the main window is enabled.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // lCount 0: command-state update of the main window and its descendants
    // (WM_IDLEUPDATECMDUI); lCount 1: temporary objects are freed. TRUE while
    // more idle work is wanted.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

protected:
    // Thread messages (no window) go through the map (ON_THREAD_MESSAGE).
    BOOL DispatchThreadMessageEx(MSG* pMsg);

private:
    POINT m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
};

// The message-loop object of the calling thread; null when there is none.
CWinThread* AfxGetThread();
// One round of the calling thread's message loop (PreTranslateMessage included).
BOOL AfxPumpMessage();
// The PreTranslateMessage chain of the calling thread for one message.
BOOL AfxPreTranslateMessage(MSG* pMsg);
// Makes the message loops that Windows runs itself on this thread (message
// boxes, system dialogs) offer their messages to PreTranslateMessage too.
void AfxHookMessageFilter();
// Frees the temporary wrapper objects of this thread (windows, menus, GDI).
void AfxDeleteTempMaps();
