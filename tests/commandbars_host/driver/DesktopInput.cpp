#include "DesktopInput.h"

#include <cstdio>
#include <cstdlib>

namespace {

const UINT kRunTask = WM_APP + 1;

struct Task {
    const std::function<void()>* work;
    HANDLE done;
};

bool IsExtendedKey(WORD key)
{
    switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END:
    case VK_PRIOR: case VK_NEXT: case VK_INSERT: case VK_DELETE: case VK_RMENU: case VK_RCONTROL:
        return true;
    default:
        return false;
    }
}

} // namespace

DesktopInput::DesktopInput(const wchar_t* desktop)
{
    m_started = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = std::thread([this, desktop] { ThreadMain(desktop); });
    if (::WaitForSingleObject(m_started, 10000) != WAIT_OBJECT_0)
        std::fprintf(stderr, "the input thread did not start\n");
}

DesktopInput::~DesktopInput()
{
    if (m_threadId)
        ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    if (m_thread.joinable())
        m_thread.join();
    ::CloseHandle(m_started);
}

void DesktopInput::ThreadMain(const wchar_t* desktop)
{
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the queue that receives the tasks
    m_threadId = ::GetCurrentThreadId();
    HDESK handle = ::OpenDesktopW(desktop, 0, FALSE, GENERIC_ALL);
    m_ready = handle && ::SetThreadDesktop(handle);
    if (!m_ready)
        std::fprintf(stderr, "the input thread could not join the desktop (error %lu)\n", ::GetLastError());
    ::SetEvent(m_started);
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kRunTask) {
            auto* task = reinterpret_cast<Task*>(msg.lParam);
            (*task->work)();
            ::SetEvent(task->done);
            continue;
        }
        ::DispatchMessageW(&msg);
    }
    if (handle)
        ::CloseDesktop(handle);
}

void DesktopInput::Run(const std::function<void()>& work)
{
    Task task{&work, ::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    if (::PostThreadMessageW(m_threadId, kRunTask, 0, reinterpret_cast<LPARAM>(&task))
        && ::WaitForSingleObject(task.done, 10000) != WAIT_OBJECT_0) {
        // The task still points at this frame: the thread is stuck, nothing can be undone safely.
        std::fprintf(stderr, "the input thread did not run a task in time\n");
        std::abort();
    }
    ::CloseHandle(task.done);
}

bool DesktopInput::Pointer(const std::wstring& commands)
{
    // xdotool from Debian's package, started from Wine as a Unix program; it
    // talks to the X server of the program's virtual desktop (DISPLAY is passed
    // on). Wine hands out no handle of a Unix process to wait on, so xdotool's
    // last command leaves a file when the others are done: the next input must
    // not overtake this one.
    static int s_nCommand = 0;
    const std::wstring marker = L"/tmp/orbalin-pointer-" + std::to_wstring(::GetCurrentProcessId()) + L"-"
                                + std::to_wstring(++s_nCommand);
    std::wstring markerPath = L"Z:" + marker;
    for (wchar_t& c : markerPath)
        if (c == L'/')
            c = L'\\';
    std::wstring commandLine = L"xdotool " + commands + L" exec --sync touch " + marker;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(L"Z:\\usr\\bin\\xdotool", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &pi)) {
        std::fprintf(stderr, "xdotool did not start (error %lu)\n", ::GetLastError());
        return false;
    }
    if (pi.hThread)
        ::CloseHandle(pi.hThread);
    if (pi.hProcess)
        ::CloseHandle(pi.hProcess);
    const ULONGLONG end = ::GetTickCount64() + 10000;
    while (::GetFileAttributesW(markerPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (::GetTickCount64() >= end) {
            std::fprintf(stderr, "xdotool %ls did not finish\n", commands.c_str());
            return false;
        }
        ::Sleep(1);
    }
    ::DeleteFileW(markerPath.c_str());
    return true;
}

std::wstring DesktopInput::MoveCommand(POINT point)
{
    // The virtual desktop's window sits at the X screen's origin: its
    // coordinates are the X server's.
    return L"mousemove " + std::to_wstring(point.x) + L" " + std::to_wstring(point.y);
}

void DesktopInput::MoveTo(POINT point)
{
    Pointer(MoveCommand(point));
}

void DesktopInput::ButtonDown(POINT point, bool right)
{
    Pointer(MoveCommand(point) + (right ? L" mousedown 3" : L" mousedown 1"));
}

void DesktopInput::ButtonUp(POINT point, bool right)
{
    Pointer(MoveCommand(point) + (right ? L" mouseup 3" : L" mouseup 1"));
}

void DesktopInput::Click(POINT point, bool right)
{
    Pointer(MoveCommand(point) + (right ? L" click 3" : L" click 1"));
}

POINT DesktopInput::CursorPos()
{
    POINT point{};
    Run([&] { ::GetCursorPos(&point); });
    return point;
}

void DesktopInput::SendKey(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    ::SendInput(1, &input, sizeof(input));
}

void DesktopInput::Press(WORD key, int repeats)
{
    Run([&] {
        for (int i = 0; i <= repeats; ++i)
            SendKey(key, false);
        SendKey(key, true);
    });
}

testsupport::WindowCapture DesktopInput::Capture(const RECT& area)
{
    testsupport::WindowCapture capture;
    Run([&] { capture = testsupport::WindowCapture::FromScreen(area); });
    return capture;
}
