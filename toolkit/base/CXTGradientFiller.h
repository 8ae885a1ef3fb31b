#pragma once
// Two-colour gradient fills through msimg32's GradientFill.
#include "Framework.h"

class CXTGradientFiller {
public:
    static CXTGradientFiller& Instance();
    void FillGradient(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal);

private:
    CXTGradientFiller() = default;
};
