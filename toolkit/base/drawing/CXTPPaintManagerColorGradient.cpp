#include "CXTPPaintManagerColorGradient.h"

void CXTPPaintManagerColorGradient::SetStandardValue(COLORREF clrStartValue, COLORREF clrEndValue, float fFactor)
{
    clrStart.SetStandardValue(clrStartValue);
    clrEnd.SetStandardValue(clrEndValue);
    fGradientFactor = fFactor;
}

void CXTPPaintManagerColorGradient::Assign(const CXTPPaintManagerColorGradient& other)
{
    SetStandardValue(other.clrStart.GetColor(), other.clrEnd.GetColor(), other.fGradientFactor);
}
