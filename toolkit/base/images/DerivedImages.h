#pragma once
// The looks made from a command's own images: faded, shadow, disabled (grey
// or between two colours), and icons stretched to another width. Alpha
// images are converted on their bits, icons where their mask is opaque.
// Each answers an empty handle when it cannot be made.
#include "CXTPImageManagerIconHandle.h"
#include "IconPixels.h"

class DerivedImages
{
public:
    static void MakeFaded(const CXTPImageManagerIconHandle& source, CXTPImageManagerIconHandle& result,
                          IconPixels* pPixels = nullptr);
    static void MakeShadow(const CXTPImageManagerIconHandle& source, COLORREF clrShadow,
                           CXTPImageManagerIconHandle& result, IconPixels* pPixels = nullptr);
    // Colourised when neither colour is -1, grey otherwise.
    static void MakeDisabled(const CXTPImageManagerIconHandle& source, COLORREF clrLight, COLORREF clrDark,
                             CXTPImageManagerIconHandle& result, IconPixels* pPixels = nullptr);
    // The shadow colour: colour 31 of the colour manager at three quarters.
    static COLORREF ShadowColor();
    static COLORREF LightenColor(COLORREF clr, double factor);
    // Null for a width of 0 or an empty icon; a copy for the same width.
    static HICON StretchIconToWidth(HICON hIcon, int nWidth, int nOldWidth, int nOldHeight);

private:
    // fn(colour) -> new colour, applied to the opaque pixels of an icon.
    template <typename Fn>
    static HICON RepaintIcon(const CXTPImageManagerIconHandle& source, IconPixels* pPixels, Fn fn);
    template <typename Fn> static void RepaintAlpha(const CXTPImageManagerIconHandle& source, Fn fn,
                                                    CXTPImageManagerIconHandle& result);
};
