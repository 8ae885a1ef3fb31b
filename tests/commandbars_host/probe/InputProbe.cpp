// A window with the three thread hooks the command bars' trackers use (mouse,
// keyboard, call-window-procedure), which records what each hook and the
// window procedure see, so that a driver can check how input sent from another
// process reaches them under Wine. Driven through the host channel:
// "state" answers the records, "clear" forgets them, "quit" ends the probe.
#include "HostChannel.h"

#include <nlohmann/json.hpp>

#include <windows.h>

#include <cwchar>

namespace {

using nlohmann::json;

HWND g_window = nullptr;
HWND g_reply = nullptr;
HHOOK g_mouseHook = nullptr;
HHOOK g_keyboardHook = nullptr;
HHOOK g_callHook = nullptr;
json g_events = json::array();

void Record(json event)
{
    // Moves come in floods: one record per point is enough.
    if (event.value("message", 0u) == WM_MOUSEMOVE && !g_events.empty() && g_events.back() == event)
        return;
    g_events.push_back(std::move(event));
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        Record({{"source", "mouse hook"}, {"message", static_cast<unsigned>(wParam)}, {"x", info->pt.x},
                {"y", info->pt.y}});
    }
    return ::CallNextHookEx(g_mouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
        Record({{"source", "keyboard hook"}, {"key", static_cast<unsigned>(wParam)},
                {"lParam", static_cast<unsigned>(lParam)}});
    return ::CallNextHookEx(g_keyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK CallHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (info->message == WM_ACTIVATEAPP)
            Record({{"source", "call hook"}, {"message", WM_ACTIVATEAPP}, {"wParam", info->wParam != 0}});
    }
    return ::CallNextHookEx(g_callHook, code, wParam, lParam);
}

std::string State()
{
    RECT rc{};
    ::GetWindowRect(g_window, &rc);
    json state = {{"window", reinterpret_cast<std::uintptr_t>(g_window)},
                  {"foreground", ::GetForegroundWindow() == g_window},
                  {"rect", {rc.left, rc.top, rc.right, rc.bottom}},
                  {"events", g_events}};
    return state.dump();
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COPYDATA: {
        std::string request;
        if (!hostchannel::Read(lParam, hostchannel::kRequest, request))
            break;
        if (request == "clear")
            g_events = json::array();
        if (request == "quit")
            ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        hostchannel::Send(reinterpret_cast<HWND>(wParam), hWnd, hostchannel::kReply, State());
        return TRUE;
    }
    case WM_SYSCOMMAND:
        Record({{"source", "window"}, {"message", WM_SYSCOMMAND}, {"wParam", static_cast<unsigned>(wParam)},
                {"lParam", static_cast<long long>(lParam)}});
        // The system menu would run a modal loop: what matters is that it was asked for.
        if ((wParam & 0xFFF0) == SC_KEYMENU)
            return 0;
        break;
    case WM_ACTIVATEAPP:
        Record({{"source", "window"}, {"message", WM_ACTIVATEAPP}, {"wParam", wParam != 0}});
        break;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_reply = hostchannel::ReplyWindowFromCommandLine(::GetCommandLineW());
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"OrbalinInputProbe";
    ::RegisterClassW(&wc);
    // "--at x y" places the window elsewhere, for a second probe that stands
    // for another program beside the first.
    POINT at{100, 100};
    if (const wchar_t* p = std::wcsstr(::GetCommandLineW(), L"--at ")) {
        wchar_t* end = nullptr;
        at.x = static_cast<LONG>(std::wcstol(p + 5, &end, 10));
        at.y = static_cast<LONG>(std::wcstol(end, nullptr, 10));
    }
    g_window = ::CreateWindowExW(0, wc.lpszClassName, L"Input probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, at.x, at.y,
                                 400, 300, nullptr, nullptr, instance, nullptr);
    if (!g_window)
        return 1;
    const DWORD thread = ::GetCurrentThreadId();
    g_mouseHook = ::SetWindowsHookExW(WH_MOUSE, MouseHook, nullptr, thread);
    g_keyboardHook = ::SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, nullptr, thread);
    g_callHook = ::SetWindowsHookExW(WH_CALLWNDPROC, CallHook, nullptr, thread);
    ::SetForegroundWindow(g_window);
    ::UpdateWindow(g_window);
    const json ready = {{"window", reinterpret_cast<std::uintptr_t>(g_window)},
                        {"process", ::GetCurrentProcessId()},
                        {"hooks", g_mouseHook && g_keyboardHook && g_callHook}};
    if (g_reply)
        hostchannel::Send(g_reply, g_window, hostchannel::kReady, ready.dump());

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::UnhookWindowsHookEx(g_callHook);
    ::UnhookWindowsHookEx(g_keyboardHook);
    ::UnhookWindowsHookEx(g_mouseHook);
    return 0;
}
