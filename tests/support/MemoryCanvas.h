#pragma once
// A 24-bit memory DC with a white bitmap selected, for drawing tests that read
// pixels back.

#include "CDC.h"

class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : m_width(width), m_height(height)
    {
        m_dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<const BYTE*>(bits);
        m_previous = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    }
    ~MemoryCanvas() { m_dc.SelectObject(m_previous); }

    CDC& dc() { return m_dc; }
    CBitmap& bitmap() { return m_bitmap; }
    // The device pixel, whatever mapping the DC has.
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const BYTE* p = m_bits + y * ((m_width * 3 + 3) & ~3) + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Pixels of the given colour inside the rectangle.
    int Count(const RECT& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) == colour;
        return count;
    }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_previous = nullptr;
    const BYTE* m_bits = nullptr;
};
