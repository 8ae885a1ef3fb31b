#pragma once
// 32-bit bitmaps with a per-pixel alpha channel (blue, green, red, alpha;
// not premultiplied), held as DIB sections: reading, copying, premultiplying,
// cutting strips, and the drawing of a premultiplied one.
#include <vector>

#include "Framework.h"

class AlphaBitmaps
{
public:
    // A 40-byte header with room behind it for three masks.
    static constexpr UINT kHeaderBytes = 52;

    // A memory DC compatible with the screen that never selects a bitmap:
    // bits are read and written through it, and it tells the screen's
    // depth. All of it runs on the user-interface thread, and a DC per call
    // costs more than the work itself.
    static HDC WorkDC();
    // The bits of a 32-bit bitmap and its header; false for another depth.
    static bool GetBitmapBits32(HDC hDC, HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits);
    // The bits of a bitmap of any depth, captured as 32 bits per pixel with
    // the header that describes them, so no colour table is ever needed.
    static bool CaptureBitmapBits(HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits);
    // A DIB section of the header with the bits copied in; the bits must be
    // exactly what the header's size needs. Null on failure.
    static HBITMAP CreateDib(const BYTE* header, const BYTE* bits, size_t nBits);
    // A 32-bit DIB section of the size with the bits; cy negative for
    // top-down rows.
    static HBITMAP CreateAlphaDib(int cx, int cy, const BYTE* bits);
    static HBITMAP CopyAlphaBitmap(HBITMAP hBitmap);
    static HBITMAP CreateAlphaBitmapCopy(HBITMAP hBitmap);
    // n pieces of equal width, left to right; false leaves none made.
    static bool CutAlphaStrip(HBITMAP hBitmap, int n, std::vector<HBITMAP>& pieces);
    static COLORREF ReadBitmapPixel(HBITMAP hBitmap, int x, int y);
    // The bits of a 32-bit bitmap, read on the toolkit's own memory DC.
    static bool ReadBits32(HBITMAP hBitmap, std::vector<BYTE>& header, std::vector<BYTE>& bits);
    // Writes bits read by ReadBits32 (or captured) back into the bitmap.
    static bool SetBits(HBITMAP hBitmap, const std::vector<BYTE>& header, const std::vector<BYTE>& bits);
    // Rewrites the bits of a 32-bit bitmap in place through fn(bgra, count).
    template <typename Fn> static bool EditAlphaBits(HBITMAP hBitmap, Fn fn);

    // AlphaBlend from msimg32, looked up once.
    static bool HasAlphaBlend();
    // Nothing without AlphaBlend; a source of 0 x 0 is the destination size.
    static void DrawAlphaBitmap(HDC hDC, HBITMAP hBitmap, int x, int y, int cx, int cy, int xSrc = 0, int ySrc = 0,
                                int cxSrc = 0, int cySrc = 0);
    static bool IsAlphaImageListSupported();
};

template <typename Fn> bool AlphaBitmaps::EditAlphaBits(HBITMAP hBitmap, Fn fn)
{
    std::vector<BYTE> header, bits;
    if (!ReadBits32(hBitmap, header, bits))
        return false;
    fn(bits.data(), bits.size() / 4);
    return SetBits(hBitmap, header, bits);
}
