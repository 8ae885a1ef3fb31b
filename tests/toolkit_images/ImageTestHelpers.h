#pragma once
// Images made in code for the image-manager tests, a 32-bit canvas to probe
// what they draw, and the paths of the checked-in fixtures.
#include <functional>
#include <string>
#include <vector>

#include "AlphaBitmaps.h"
#include "CDC.h"

struct Bgra
{
    BYTE b, g, r, a;
};

// A 32-bit alpha bitmap, rows top-down; pixel(x, y) from the top-left.
inline HBITMAP MakeAlphaBitmap(int cx, int cy, const std::function<Bgra(int, int)>& pixel)
{
    std::vector<BYTE> bits;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const Bgra p = pixel(x, y);
            bits.insert(bits.end(), {p.b, p.g, p.r, p.a});
        }
    return AlphaBitmaps::CreateAlphaDib(cx, -cy, bits.data());
}

// An opaque icon; colour(x, y) gives each pixel.
inline HICON MakeIcon(int cx, int cy, const std::function<COLORREF(int, int)>& colour)
{
    HDC hScreen = GetDC(nullptr);
    HBITMAP hColor = CreateCompatibleBitmap(hScreen, cx, cy);
    ReleaseDC(nullptr, hScreen);
    HBITMAP hMask = CreateBitmap(cx, cy, 1, 1, nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hColor);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            SetPixel(hDC, x, y, colour(x, y));
    SelectObject(hDC, hMask);
    PatBlt(hDC, 0, 0, cx, cy, BLACKNESS);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    ICONINFO info{TRUE, 0, 0, hMask, hColor};
    HICON hIcon = CreateIconIndirect(&info);
    DeleteObject(hColor);
    DeleteObject(hMask);
    return hIcon;
}

inline HICON MakeSolidIcon(int cx, int cy, COLORREF clr)
{
    return MakeIcon(cx, cy, [clr](int, int) { return clr; });
}

// Reads one pixel of any bitmap (alpha left out).
inline COLORREF PixelOf(HBITMAP hBitmap, int x, int y)
{
    return AlphaBitmaps::ReadBitmapPixel(hBitmap, x, y);
}

// The colour and alpha of one pixel of a 32-bit bitmap, y from the top.
inline Bgra AlphaPixelOf(HBITMAP hBitmap, int x, int y)
{
    std::vector<BYTE> header, bits;
    HDC hDC = GetDC(nullptr);
    AlphaBitmaps::GetBitmapBits32(hDC, hBitmap, header, bits);
    ReleaseDC(nullptr, hDC);
    const auto& bi = *reinterpret_cast<const BITMAPINFOHEADER*>(header.data());
    const int row = bi.biHeight < 0 ? y : bi.biHeight - 1 - y;
    const BYTE* p = &bits[(static_cast<size_t>(row) * bi.biWidth + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

// A 32-bit DIB section memory DC, filled white, for probes of what is drawn.
class Canvas32
{
public:
    Canvas32(int cx, int cy) : m_cx(cx)
    {
        m_dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_hBitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = static_cast<const BYTE*>(bits);
        m_hOld = SelectObject(m_dc, m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~Canvas32()
    {
        SelectObject(m_dc, m_hOld);
        DeleteObject(m_hBitmap);
    }
    CDC& dc() { return m_dc; }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const BYTE* p = m_bits + (static_cast<size_t>(y) * m_cx + x) * 4;
        return RGB(p[2], p[1], p[0]);
    }
    // Width and height of the area not white.
    CSize PaintedExtent(int cx, int cy) const
    {
        int right = 0, bottom = 0;
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                if (At(x, y) != RGB(255, 255, 255))
                {
                    right = std::max(right, x + 1);
                    bottom = std::max(bottom, y + 1);
                }
        return CSize(right, bottom);
    }

private:
    int m_cx;
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const BYTE* m_bits = nullptr;
};

inline std::wstring FixturePath(const wchar_t* name)
{
    std::string base(ORBALIN_TEST_SOURCE_DIR);
    return std::wstring(base.begin(), base.end()) + L"\\tests\\toolkit_images\\fixtures\\" + name;
}
