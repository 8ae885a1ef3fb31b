#include "PaintedTestWindow.h"

namespace {
constexpr wchar_t kClassName[] = L"PaintedTestWindowWnd";
}

PaintedTestWindow::PaintedTestWindow(int width, int height, Painter painter) : m_painter(std::move(painter))
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PaintedTestWindow::HostProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    ::RegisterClassW(&wc);
    m_hWnd = ::CreateWindowExW(0, kClassName, L"toolkit", WS_POPUP, 10, 10, width, height, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(m_hWnd);
}

PaintedTestWindow::~PaintedTestWindow()
{
    ::DestroyWindow(m_hWnd);
}

testsupport::WindowCapture PaintedTestWindow::Capture() const
{
    if (!testsupport::WindowCapture::WaitUntilShown(m_hWnd))
        return {};
    return testsupport::WindowCapture::FromWindow(m_hWnd, true);
}

LRESULT CALLBACK PaintedTestWindow::HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* host = reinterpret_cast<PaintedTestWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hWnd, &ps);
        if (host && host->m_painter) {
            CDC dc;
            dc.Attach(hDC);
            CRect client;
            ::GetClientRect(hWnd, &client);
            host->m_painter(dc, client);
            dc.Detach();
        }
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}
