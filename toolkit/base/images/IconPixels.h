#pragma once
// The colour and mask of an icon, read once, from which repainted copies of
// the icon are made. Reading an icon's bitmaps and making an icon are the
// costly steps; an icon's three derived looks share one reading.
#include <vector>

#include "Framework.h"

class IconPixels
{
public:
    explicit IconPixels(HICON hIcon);
    ~IconPixels();
    IconPixels(const IconPixels&) = delete;
    IconPixels& operator=(const IconPixels&) = delete;

    bool IsValid() const { return m_bValid; }
    HICON Source() const { return m_hSource; }
    // A new icon whose opaque pixels are fn(colour); null on failure.
    template <typename Fn> HICON Repaint(Fn fn);

private:
    HICON MakeIcon(const std::vector<BYTE>& colour);

    HICON m_hSource;
    ICONINFO m_info{};
    std::vector<BYTE> m_header, m_colour, m_maskHeader, m_mask;
    bool m_bValid = false;
};

template <typename Fn> HICON IconPixels::Repaint(Fn fn)
{
    if (!m_bValid)
        return nullptr;
    std::vector<BYTE> colour = m_colour;
    for (size_t i = 0; i < colour.size(); i += 4)
    {
        if (m_mask[i] || m_mask[i + 1] || m_mask[i + 2])
            continue;
        const COLORREF clr = fn(RGB(colour[i + 2], colour[i + 1], colour[i]));
        colour[i] = GetBValue(clr);
        colour[i + 1] = GetGValue(clr);
        colour[i + 2] = GetRValue(clr);
    }
    return MakeIcon(colour);
}
