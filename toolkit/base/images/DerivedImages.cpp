#include "DerivedImages.h"

#include <commctrl.h>
#include <new>

#include "AlphaBitmaps.h"
#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "imagecodec/PixelMath.h"

using imagecodec::PixelMath;

namespace
{
PixelMath::Rgb RgbOf(COLORREF clr)
{
    return {GetRValue(clr), GetGValue(clr), GetBValue(clr)};
}

// Asked of the toolkit's memory DC, which has the screen's depth: a screen
// DC per image costs more than the image.
bool IsLowColorScreen()
{
    return CXTGradientFiller::IsLowColorDisplay(CDC::FromHandle(AlphaBitmaps::WorkDC())) != FALSE;
}

COLORREF ColorOf(PixelMath::Rgb c)
{
    return RGB(c.r, c.g, c.b);
}
} // namespace

template <typename Fn>
HICON DerivedImages::RepaintIcon(const CXTPImageManagerIconHandle& source, IconPixels* pPixels, Fn fn)
{
    auto pBits = source.GetIconBits();
    if (pPixels && pBits && pPixels->Source() == pBits.get())
        return pPixels->Repaint(fn);
    IconPixels pixels(std::move(pBits));
    return pixels.Repaint(fn);
}

template <typename Fn>
void DerivedImages::RepaintAlpha(const CXTPImageManagerIconHandle& source, Fn fn, CXTPImageManagerIconHandle& result)
{
    HBITMAP hCopy = AlphaBitmaps::CopyAlphaBitmap(source.GetBitmap());
    if (!hCopy)
        return;
    if (!AlphaBitmaps::EditAlphaBits(hCopy, fn))
    {
        DeleteObject(hCopy);
        return;
    }
    result.TakeBitmap(hCopy);
}

COLORREF DerivedImages::LightenColor(COLORREF clr, double factor)
{
    return RGB(PixelMath::Lighten(GetRValue(clr), factor), PixelMath::Lighten(GetGValue(clr), factor),
               PixelMath::Lighten(GetBValue(clr), factor));
}

COLORREF DerivedImages::ShadowColor()
{
    return ColorOf(PixelMath::Darken(RgbOf(GetColorManager()->GetColor(31)), 0.75));
}

void DerivedImages::MakeFaded(const CXTPImageManagerIconHandle& source, CXTPImageManagerIconHandle& result,
                              IconPixels* pPixels)
{
    result.Clear();
    try
    {
        if (source.IsAlpha())
            RepaintAlpha(source, [](BYTE* p, size_t n) { PixelMath::FadePixels(p, n); }, result);
        else if (IsLowColorScreen())
            result.SetIcon(CopyIcon(source.GetIcon()));
        else if (HICON hIcon = RepaintIcon(source, pPixels, [](COLORREF c) { return LightenColor(c, 0.3); }))
            result.SetIcon(hIcon);
    }
    catch (const std::bad_alloc&)
    {
        result.Clear();
    }
}

void DerivedImages::MakeShadow(const CXTPImageManagerIconHandle& source, COLORREF clrShadow,
                               CXTPImageManagerIconHandle& result, IconPixels* pPixels)
{
    result.Clear();
    try
    {
        if (source.IsAlpha())
            RepaintAlpha(source, [&](BYTE* p, size_t n) { PixelMath::PaintPixels(p, n, RgbOf(clrShadow)); }, result);
        else if (HICON hIcon = RepaintIcon(source, pPixels, [&](COLORREF) { return clrShadow; }))
            result.SetIcon(hIcon);
    }
    catch (const std::bad_alloc&)
    {
        result.Clear();
    }
}

void DerivedImages::MakeDisabled(const CXTPImageManagerIconHandle& source, COLORREF clrLight, COLORREF clrDark,
                                 CXTPImageManagerIconHandle& result, IconPixels* pPixels)
{
    result.Clear();
    const bool colourised = clrLight != static_cast<COLORREF>(-1) && clrDark != static_cast<COLORREF>(-1);
    const PixelMath::Rgb light = RgbOf(clrLight), dark = RgbOf(clrDark);
    try
    {
        if (source.IsAlpha())
            RepaintAlpha(source,
                         [&](BYTE* p, size_t n) {
                             PixelMath::DisablePixels(p, n, colourised ? &light : nullptr, colourised ? &dark : nullptr);
                         },
                         result);
        else if (HICON hIcon = RepaintIcon(source, pPixels, [&](COLORREF c) {
                     return ColorOf(colourised ? PixelMath::Colourise(RgbOf(c), light, dark) : PixelMath::Grey(RgbOf(c)));
                 }))
            result.SetIcon(hIcon);
    }
    catch (const std::bad_alloc&)
    {
        result.Clear();
    }
}

HICON DerivedImages::StretchIconToWidth(HICON hIcon, int nWidth, int nOldWidth, int nOldHeight)
{
    if (!hIcon || nWidth <= 0 || nOldWidth <= 0 || nOldHeight <= 0)
        return nullptr;
    if (nWidth == nOldWidth)
        return CopyIcon(hIcon);
    const int nHeight = MulDiv(nOldHeight, nWidth, nOldWidth);
    HIMAGELIST hList = ImageList_Create(nWidth, nHeight, ILC_COLOR32 | ILC_MASK, 1, 1);
    if (!hList)
        return nullptr;
    HICON hResult = ImageList_ReplaceIcon(hList, -1, hIcon) >= 0 ? ImageList_GetIcon(hList, 0, 0) : nullptr;
    ImageList_Destroy(hList);
    return hResult;
}
