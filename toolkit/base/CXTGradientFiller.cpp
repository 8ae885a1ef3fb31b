#include "CXTGradientFiller.h"

CXTGradientFiller& CXTGradientFiller::Instance()
{
    static CXTGradientFiller filler;
    return filler;
}

void CXTGradientFiller::FillGradient(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd,
                                     BOOL bHorizontal)
{
    if (rect.IsRectEmpty())
        return;
    if (clrStart == clrEnd) {
        pDC->FillSolidRect(&rect, clrStart);
        return;
    }
    TRIVERTEX v[2] = {
        {rect.left, rect.top, static_cast<COLOR16>(GetRValue(clrStart) << 8),
         static_cast<COLOR16>(GetGValue(clrStart) << 8), static_cast<COLOR16>(GetBValue(clrStart) << 8), 0},
        {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(clrEnd) << 8),
         static_cast<COLOR16>(GetGValue(clrEnd) << 8), static_cast<COLOR16>(GetBValue(clrEnd) << 8), 0},
    };
    GRADIENT_RECT r{0, 1};
    ::GradientFill(pDC->GetSafeHdc(), v, 2, &r, 1, bHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}
