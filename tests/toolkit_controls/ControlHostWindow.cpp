#include "ControlHostWindow.h"

#include "MessagePump.h"
#include "WindowCapture.h"

#include <atomic>
#include <thread>

ControlHostWindow::ControlHostWindow(const CRect& rect, COLORREF clrBack) : m_hBrush(::CreateSolidBrush(clrBack))
{
    CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), m_hBrush), L"controls test",
             WS_POPUP | WS_VISIBLE, rect, nullptr, 0);
    testsupport::WindowCapture::WaitUntilShown(m_hWnd);
}

ControlHostWindow::~ControlHostWindow()
{
    DestroyWindow();
    ::DeleteObject(m_hBrush);
}

BOOL ControlHostWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (!CWnd::OnCommand(wParam, lParam))
        commands.emplace_back(wParam, lParam);
    return TRUE;
}

LRESULT ControlHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= watchFrom && message <= watchTo && watchFrom != 0)
        watched.push_back(message);
    return CWnd::WindowProc(message, wParam, lParam);
}

namespace controltest {

bool PumpUntil(const std::function<bool()>& done, unsigned boundMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        testsupport::PumpMessages(0);
        if (done())
            return true;
        if (::GetTickCount() - start >= boundMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void MovePointer(CPoint ptScreen)
{
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    PumpUntil([&] {
        CPoint pt;
        ::GetCursorPos(&pt);
        return pt == ptScreen;
    }, 1000);
}

CString TextOfMessageBoxDuring(const std::function<void()>& action, unsigned boundMs)
{
    std::atomic<bool> stop{false};
    CString text;
    std::thread watcher([&] {
        const DWORD start = ::GetTickCount();
        while (!stop && ::GetTickCount() - start < boundMs) {
            struct Search {
                HWND box = nullptr;
            } search;
            ::EnumWindows(
                [](HWND hWnd, LPARAM lParam) -> BOOL {
                    DWORD pid = 0;
                    ::GetWindowThreadProcessId(hWnd, &pid);
                    wchar_t cls[16] = {};
                    ::GetClassNameW(hWnd, cls, 16);
                    if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(hWnd) && lstrcmpW(cls, L"#32770") == 0) {
                        reinterpret_cast<Search*>(lParam)->box = hWnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.box != nullptr) {
                // The message is the box's longest static text (the icon is a static too).
                ::EnumChildWindows(
                    search.box,
                    [](HWND hChild, LPARAM lParam) -> BOOL {
                        wchar_t buffer[512] = {};
                        ::GetWindowTextW(hChild, buffer, 512);
                        wchar_t cls[16] = {};
                        ::GetClassNameW(hChild, cls, 16);
                        auto* pText = reinterpret_cast<CString*>(lParam);
                        if (lstrcmpiW(cls, L"Static") == 0 && lstrlenW(buffer) > pText->GetLength())
                            *pText = buffer;
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&text));
                ::PostMessageW(search.box, WM_COMMAND, IDOK, 0);
                return;
            }
            ::Sleep(10);
        }
    });
    action();
    stop = true;
    watcher.join();
    return text;
}

} // namespace controltest
