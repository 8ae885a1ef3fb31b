#include "CUiThreadCall.h"

#include <atomic>
#include <exception>

namespace {

constexpr UINT WM_RUN_CALL = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"FrameworkUiThreadCall";

std::atomic<HWND> s_window{nullptr};
std::atomic<DWORD> s_uiThreadId{0};

struct PendingCall {
    const std::function<void()>* call;
    std::exception_ptr error;
    bool ran = false;
};

LRESULT CALLBACK UiCallWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RUN_CALL) {
        auto* pending = reinterpret_cast<PendingCall*>(lParam);
        try {
            (*pending->call)();
        } catch (...) {
            pending->error = std::current_exception();
        }
        pending->ran = true;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

bool CUiThreadCall::Initialize()
{
    if (s_window.load())
        return true;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = UiCallWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    HWND hwnd = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!hwnd)
        return false;
    s_uiThreadId.store(GetCurrentThreadId());
    s_window.store(hwnd);
    return true;
}

void CUiThreadCall::Shutdown()
{
    HWND hwnd = s_window.exchange(nullptr);
    if (hwnd)
        DestroyWindow(hwnd);
    s_uiThreadId.store(0);
}

bool CUiThreadCall::IsUiThread()
{
    return s_window.load() && s_uiThreadId.load() == GetCurrentThreadId();
}

bool CUiThreadCall::Run(const std::function<void()>& call)
{
    HWND hwnd = s_window.load();
    if (!hwnd)
        return false;
    if (s_uiThreadId.load() == GetCurrentThreadId()) {
        call();
        return true;
    }
    PendingCall pending{&call};
    SendMessageW(hwnd, WM_RUN_CALL, 0, reinterpret_cast<LPARAM>(&pending));
    if (pending.error)
        std::rethrow_exception(pending.error);
    return pending.ran;
}
