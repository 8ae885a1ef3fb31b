#pragma once
// The colour and mask of an icon, from which repainted copies of the icon
// are made. Reading an icon's bitmaps and making an icon are the costly
// steps; an icon's three derived looks share the bits its handle holds.
#include <memory>
#include <vector>

#include "Framework.h"
#include "IconBits.h"

class IconPixels
{
public:
    explicit IconPixels(std::shared_ptr<const IconBits> pBits);
    ~IconPixels();
    IconPixels(const IconPixels&) = delete;
    IconPixels& operator=(const IconPixels&) = delete;

    bool IsValid() const { return m_bValid; }
    const IconBits* Source() const { return m_pBits.get(); }
    // A new icon whose opaque pixels are fn(colour); null on failure.
    template <typename Fn> HICON Repaint(Fn fn);

private:
    HICON MakeIcon(const std::vector<BYTE>& colour);

    std::shared_ptr<const IconBits> m_pBits;
    ICONINFO m_info{};
    bool m_bValid = false;
};

template <typename Fn> HICON IconPixels::Repaint(Fn fn)
{
    if (!m_bValid)
        return nullptr;
    std::vector<BYTE> colour = m_pBits->Colour().bits;
    const std::vector<BYTE>& mask = m_pBits->Mask().bits;
    for (size_t i = 0; i < colour.size(); i += 4)
    {
        if (mask[i] || mask[i + 1] || mask[i + 2])
            continue;
        const COLORREF clr = fn(RGB(colour[i + 2], colour[i + 1], colour[i]));
        colour[i] = GetBValue(clr);
        colour[i + 1] = GetGValue(clr);
        colour[i + 2] = GetRValue(clr);
    }
    return MakeIcon(colour);
}
