#pragma once
// An icon's mask and colour bitmaps, read once and drawn with two blits: what
// the system's icon drawing does at the icon's own size, without reading the
// icon's images again on every draw (which costs far more than the blits).
#include <memory>

#include "Framework.h"

class IconBlitParts
{
public:
    // Null when the icon is not drawn this way: no colour image (a monochrome
    // icon) or an alpha channel (the system blends those).
    static std::unique_ptr<IconBlitParts> Capture(HICON hIcon);
    ~IconBlitParts();
    IconBlitParts(const IconBlitParts&) = delete;
    IconBlitParts& operator=(const IconBlitParts&) = delete;

    CSize Extent() const { return m_size; }
    // The mask cuts the shape out in black, the colour is laid over it.
    void Draw(HDC hDC, int x, int y) const;

private:
    IconBlitParts(HBITMAP hMask, HBITMAP hColor, CSize size) : m_hMask(hMask), m_hColor(hColor), m_size(size) {}

    HBITMAP m_hMask;
    HBITMAP m_hColor;
    CSize m_size;
};
