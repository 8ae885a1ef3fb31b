#include "TrackerTestWindows.h"

#include <thread>

namespace {
const wchar_t kClassName[] = L"TrackerTestCountingWindow";

void RegisterOnce()
{
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return ::RegisterClassW(&wc);
    }();
    (void)atom;
}
}  // namespace

CountingWindow::CountingWindow(const RECT& rc, BOOL bVisible)
{
    RegisterOnce();
    m_hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | (bVisible ? WS_VISIBLE : 0), rc.left,
                               rc.top, rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc));
}

CountingWindow::~CountingWindow()
{
    Destroy();
}

void CountingWindow::Destroy()
{
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

int CountingWindow::Count(UINT nMessage) const
{
    auto it = m_counts.find(nMessage);
    return it == m_counts.end() ? 0 : it->second;
}

LPARAM CountingWindow::LastLParam(UINT nMessage) const
{
    auto it = m_lastLParams.find(nMessage);
    return it == m_lastLParams.end() ? 0 : it->second;
}

WNDPROC CountingWindow::OwnProcedure() const
{
    return &WndProc;
}

LRESULT CALLBACK CountingWindow::WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = reinterpret_cast<CountingWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pThis != nullptr) {
        ++pThis->m_counts[nMessage];
        pThis->m_lastLParams[nMessage] = lParam;
        if (nMessage == kTestMessage) {
            pThis->m_wParamSeen = wParam;
            return kOwnResult;
        }
    }
    return ::DefWindowProcW(hWnd, nMessage, wParam, lParam);
}

const wchar_t* PlainWindowClass()
{
    RegisterOnce();
    return kClassName;
}

void RunOnOwnThread(const std::function<void()>& body)
{
    std::thread thread(body);
    thread.join();
}
