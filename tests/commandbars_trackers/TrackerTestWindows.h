#pragma once
// Plain windows whose procedure counts what reaches it, and a way to run a
// test body on a thread of its own, which gets fresh per-thread trackers.
#include <windows.h>

#include <functional>
#include <map>

// A top-level popup window; its procedure counts every message it receives
// and answers kOwnResult to kTestMessage, remembering the wParam it saw.
class CountingWindow {
public:
    static const UINT kTestMessage = WM_APP + 7;
    static const LRESULT kOwnResult = 77;

    explicit CountingWindow(const RECT& rc = RECT{0, 0, 60, 40}, BOOL bVisible = FALSE);
    ~CountingWindow();
    CountingWindow(const CountingWindow&) = delete;
    CountingWindow& operator=(const CountingWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    int Count(UINT nMessage) const;
    // The lParam of the latest nMessage received, 0 before any.
    LPARAM LastLParam(UINT nMessage) const;
    WNDPROC OwnProcedure() const;
    void Destroy();

    WPARAM m_wParamSeen = 0;

private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    std::map<UINT, int> m_counts;
    std::map<UINT, LPARAM> m_lastLParams;
};

// A registered window class answering every message with the default
// handling, for windows that must take clicks themselves.
const wchar_t* PlainWindowClass();

// Runs body on a new thread and waits for it; the thread's trackers are
// destroyed when it ends.
void RunOnOwnThread(const std::function<void()>& body);
