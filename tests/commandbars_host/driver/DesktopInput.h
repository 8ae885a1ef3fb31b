#pragma once
// Real input in the programs' virtual desktop, as a user's hardware would give
// it: it passes the thread hooks of the program that gets it, which posted
// messages never do. The mouse moves and clicks in the X server (xdotool), whose
// events Wine turns into the desktop's input: SendInput's moves would also warp
// the X pointer, and Wine hands those warps back as stale moves to earlier
// points. Keys go in with SendInput from a thread of the test program that joins
// the desktop.
#include <windows.h>

#include "WindowCapture.h"

#include <functional>
#include <string>
#include <thread>

class DesktopInput {
public:
    explicit DesktopInput(const wchar_t* desktop);
    ~DesktopInput();
    DesktopInput(const DesktopInput&) = delete;
    DesktopInput& operator=(const DesktopInput&) = delete;

    // The thread joined the desktop.
    bool IsReady() const { return m_ready; }

    // Mouse, in the desktop's screen coordinates.
    void MoveTo(POINT point);
    void ButtonDown(POINT point, bool right = false);
    void ButtonUp(POINT point, bool right = false);
    void Click(POINT point, bool right = false);
    POINT CursorPos();

    // A key by virtual-key code, down and up; held for the given number of
    // repeats in between, as a keyboard repeats a held key.
    void Press(WORD key, int repeats = 0);

    // A rectangle of the desktop's screen, as it shows there.
    testsupport::WindowCapture Capture(const RECT& area);

private:
    // Runs the task on the desktop thread and waits for it (bounded).
    void Run(const std::function<void()>& task);
    void ThreadMain(const wchar_t* desktop);
    static bool Pointer(const std::wstring& commands);
    static std::wstring MoveCommand(POINT point);
    static void SendKey(WORD key, bool up);

    std::thread m_thread;
    DWORD m_threadId = 0;
    HANDLE m_started = nullptr;
    bool m_ready = false;
};
