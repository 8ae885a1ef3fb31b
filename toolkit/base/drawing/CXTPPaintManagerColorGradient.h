#pragma once
// Two overridable colours and the point (0..1) where a two-part gradient
// between them turns.
#include "CXTPPaintManagerColor.h"

class CXTPPaintManagerColorGradient {
public:
    CXTPPaintManagerColorGradient() = default;
    explicit CXTPPaintManagerColorGradient(COLORREF clr) { SetStandardValue(clr); }

    void SetStandardValue(COLORREF clr) { SetStandardValue(clr, clr); }
    void SetStandardValue(COLORREF clrStart, COLORREF clrEnd, float fFactor = 0.5f);
    // Takes over the other's effective colours as standard values.
    void Assign(const CXTPPaintManagerColorGradient& other);

    CXTPPaintManagerColor clrStart;
    CXTPPaintManagerColor clrEnd;
    float fGradientFactor = 0.5f;
};
