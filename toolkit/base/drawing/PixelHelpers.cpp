#include "PixelHelpers.h"

void ExcludeCornerPixels(CDC* pDC, int left, int top, int right, int bottom)
{
    pDC->ExcludeClipRect(left, top, left + 1, top + 1);
    pDC->ExcludeClipRect(right - 1, top, right, top + 1);
    pDC->ExcludeClipRect(left, bottom - 1, left + 1, bottom);
    pDC->ExcludeClipRect(right - 1, bottom - 1, right, bottom);
}

void AverageWithNeighbour(CDC* pDC, const POINT* pPoints, int nCount)
{
    // Whole pairs only: an odd last point has no offset to read.
    for (int i = 0; i + 1 < nCount; i += 2) {
        const POINT& p = pPoints[i];
        const POINT& d = pPoints[i + 1];
        const COLORREF a = pDC->GetPixel(p.x, p.y);
        const COLORREF b = pDC->GetPixel(p.x + d.x, p.y + d.y);
        pDC->SetPixelV(p.x, p.y,
                       RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
                           (GetBValue(a) + GetBValue(b)) / 2));
    }
}
