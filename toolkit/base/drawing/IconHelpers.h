#pragma once
// Icons drawn in a state, and icons made of bitmaps.
#include "Framework.h"

BOOL PaintIconWithStateFlags(CDC* pDC, int x, int y, int cx, int cy, HICON hIcon, UINT nFlags, HBRUSH hBrush);
// The colour of the bitmap's top-left pixel; -1 without a bitmap.
COLORREF TopLeftPixelColor(HBITMAP hBitmap);
// An icon of the bitmap, transparent where it has its top-left pixel's colour;
// null for no bitmap or an empty one. The caller destroys the icon.
HICON IconFromMaskedBitmap(HBITMAP hBitmap);
