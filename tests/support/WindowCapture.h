#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A snapshot of pixels taken from a window, the screen or any device context,
// kept as 24-bit RGB rows (top row first) so tests can probe what was drawn.
class WindowCapture {
public:
    WindowCapture() = default;

    // The window as it shows on the screen (whole window, or its client area), once
    // it shows there (see WaitUntilShown). A window that is hidden or not fully on
    // the screen is asked to print itself instead.
    static WindowCapture FromWindow(HWND window, bool clientOnly = false);
    // A rectangle of the screen, in screen coordinates (layered windows included);
    // when a window is given, taken once that window shows on the screen.
    static WindowCapture FromScreen(const RECT& area, HWND shown = nullptr);

    // Pumps this thread's messages until the window is visible, painted and the
    // screen shows it steadily (two captures of its rectangle alike), for at most
    // boundMs. Wine hands a window's pixels to the X server after painting, so a
    // fixed wait may capture what was there before. False when the bound passed.
    static bool WaitUntilShown(HWND window, unsigned boundMs = 5000);
    // A rectangle of a device context, in its logical coordinates (memory DCs too).
    static WindowCapture FromDC(HDC source, const RECT& area, DWORD rop = SRCCOPY);

    bool IsEmpty() const { return m_width <= 0 || m_height <= 0; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT Bounds() const { return RECT{0, 0, m_width, m_height}; }
    const std::vector<std::uint8_t>& Rgb() const { return m_rgb; }

    // The pixel at (x, y) as RGB(); CLR_INVALID outside the image.
    COLORREF At(int x, int y) const;

    // Pixels in the area (clipped to the image) for which match is true.
    int CountPixels(const RECT& area, const std::function<bool(COLORREF)>& match) const;
    // Pixels whose every channel is within tolerance of colour.
    int CountColor(const RECT& area, COLORREF colour, int tolerance = 0) const;
    // At least the given share of the area's pixels is colour (within tolerance).
    bool IsMostlyColor(const RECT& area, COLORREF colour, double share = 0.9, int tolerance = 8) const;
    // At least minimumCount dark pixels (every channel below 0x60), as glyphs leave them.
    bool HasTextLikePixels(const RECT& area, int minimumCount = 8) const;

    bool SavePng(const std::wstring& path) const;

    static bool ColorsClose(COLORREF a, COLORREF b, int tolerance);

private:
    static WindowCapture Grab(HDC source, const RECT& area, DWORD rop);

    WindowCapture(int width, int height, std::vector<std::uint8_t> rgb)
        : m_width(width), m_height(height), m_rgb(std::move(rgb)) {}

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_rgb;
};

} // namespace testsupport
