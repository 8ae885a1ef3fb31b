#include "WindowCapture.h"
#include "CaptureKeeper.h"
#include "MessagePump.h"
#include "PngWriter.h"

#include <cstdlib>

namespace testsupport {

WindowCapture WindowCapture::FromDC(HDC source, const RECT& area, DWORD rop)
{
    WindowCapture capture = Grab(source, area, rop);
    CaptureKeeper::Instance().Remember(capture);
    return capture;
}

WindowCapture WindowCapture::Grab(HDC source, const RECT& area, DWORD rop)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (!source || width <= 0 || height <= 0)
        return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib)
        return {};
    HDC memory = ::CreateCompatibleDC(source);
    HGDIOBJ previous = ::SelectObject(memory, dib);
    const BOOL copied = ::BitBlt(memory, 0, 0, width, height, source, area.left, area.top, rop);
    ::GdiFlush();

    std::vector<std::uint8_t> rgb;
    if (copied) {
        const int stride = (width * 3 + 3) & ~3;
        rgb.resize(static_cast<std::size_t>(width) * height * 3);
        const auto* src = static_cast<const std::uint8_t*>(bits);
        std::uint8_t* dst = rgb.data();
        for (int y = 0; y < height; ++y) {
            const std::uint8_t* row = src + static_cast<std::ptrdiff_t>(y) * stride;
            for (int x = 0; x < width; ++x, row += 3) {
                *dst++ = row[2]; // the DIB stores blue, green, red
                *dst++ = row[1];
                *dst++ = row[0];
            }
        }
    }
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::DeleteObject(dib);
    if (!copied)
        return {};
    return WindowCapture(width, height, std::move(rgb));
}

WindowCapture WindowCapture::FromScreen(const RECT& area, HWND shown)
{
    if (shown)
        WaitUntilShown(shown);
    HDC screen = ::GetDC(nullptr);
    WindowCapture capture = FromDC(screen, area, SRCCOPY | CAPTUREBLT);
    ::ReleaseDC(nullptr, screen);
    return capture;
}

WindowCapture WindowCapture::FromWindow(HWND window, bool clientOnly)
{
    if (!::IsWindow(window))
        return {};
    ::UpdateWindow(window);
    ::GdiFlush();

    RECT area{};
    if (clientOnly) {
        ::GetClientRect(window, &area);
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        ::GetWindowRect(window, &area);
    }
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT visible{};
    const bool onScreen = ::IsWindowVisible(window) && ::IntersectRect(&visible, &area, &screen)
                          && ::EqualRect(&visible, &area);
    if (onScreen)
        return FromScreen(area, window);

    // Off the screen or hidden: let the window paint itself into a bitmap.
    RECT whole{};
    ::GetWindowRect(window, &whole);
    const int width = whole.right - whole.left;
    const int height = whole.bottom - whole.top;
    if (width <= 0 || height <= 0)
        return {};
    HDC screenDC = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screenDC);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screenDC, width, height);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::PrintWindow(window, memory, 0);
    RECT part{0, 0, width, height};
    if (clientOnly)
        part = RECT{area.left - whole.left, area.top - whole.top, area.right - whole.left, area.bottom - whole.top};
    WindowCapture capture = FromDC(memory, part);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screenDC);
    return capture;
}

bool WindowCapture::WaitUntilShown(HWND window, unsigned boundMs)
{
    const ULONGLONG end = ::GetTickCount64() + boundMs;
    WindowCapture previous;
    for (;;) {
        PumpMessages(20);
        RECT area{};
        if (::IsWindowVisible(window) && ::GetWindowRect(window, &area)) {
            ::UpdateWindow(window);
            ::GdiFlush();
            HDC screen = ::GetDC(nullptr);
            WindowCapture now = Grab(screen, area, SRCCOPY | CAPTUREBLT);
            ::ReleaseDC(nullptr, screen);
            if (!now.IsEmpty() && now.m_width == previous.m_width && now.m_rgb == previous.m_rgb)
                return true;
            previous = std::move(now);
        }
        if (::GetTickCount64() >= end)
            return false;
    }
}

COLORREF WindowCapture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const std::uint8_t* p = &m_rgb[(static_cast<std::size_t>(y) * m_width + x) * 3];
    return RGB(p[0], p[1], p[2]);
}

int WindowCapture::CountPixels(const RECT& area, const std::function<bool(COLORREF)>& match) const
{
    const RECT bounds = Bounds();
    RECT clipped{};
    if (!::IntersectRect(&clipped, &area, &bounds))
        return 0;
    int count = 0;
    for (int y = clipped.top; y < clipped.bottom; ++y)
        for (int x = clipped.left; x < clipped.right; ++x)
            if (match(At(x, y)))
                ++count;
    return count;
}

bool WindowCapture::ColorsClose(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance
           && std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

int WindowCapture::CountColor(const RECT& area, COLORREF colour, int tolerance) const
{
    return CountPixels(area, [&](COLORREF c) { return ColorsClose(c, colour, tolerance); });
}

bool WindowCapture::IsMostlyColor(const RECT& area, COLORREF colour, double share, int tolerance) const
{
    const RECT bounds = Bounds();
    RECT clipped{};
    if (!::IntersectRect(&clipped, &area, &bounds))
        return false;
    const double total = static_cast<double>(clipped.right - clipped.left) * (clipped.bottom - clipped.top);
    return CountColor(clipped, colour, tolerance) >= share * total;
}

bool WindowCapture::HasTextLikePixels(const RECT& area, int minimumCount) const
{
    const int dark = CountPixels(area, [](COLORREF c) {
        return GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
    });
    return dark >= minimumCount;
}

bool WindowCapture::SavePng(const std::wstring& path) const
{
    return !IsEmpty() && PngWriter::Save(path, m_width, m_height, m_rgb);
}

} // namespace testsupport
