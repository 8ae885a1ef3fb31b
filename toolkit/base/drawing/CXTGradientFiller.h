#pragma once
// Two-colour gradient fills that work on every display: msimg32's GradientFill
// when the system has it, bands of solid colour otherwise, one solid colour on
// displays of 256 colours or fewer.
#include "Framework.h"

class CXTPPaintManagerColorGradient;

class CXTGradientFiller {
public:
    using GradientFillEntry = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

    // The process-wide filler over msimg32, loaded at start-up.
    static CXTGradientFiller& Instance();
    // A filler over the given entry; null fills in bands.
    explicit CXTGradientFiller(GradientFillEntry pfnGradientFill);
    ~CXTGradientFiller();
    CXTGradientFiller(const CXTGradientFiller&) = delete;
    CXTGradientFiller& operator=(const CXTGradientFiller&) = delete;

    void FillGradient(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal) const;
    // Only the part inside pClip, in the colours the whole gradient has there.
    void FillGradientClipped(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal,
                             const CRect* pClip) const;
    // A factor other than 0.5 puts the gradient's middle colour at the rectangle's middle.
    void FillGradientPair(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& gradient,
                          BOOL bHorizontal, const CRect* pClip = nullptr) const;

    // True when the DC (the screen when null) has 1 to 8 bits per pixel; display
    // DCs answer with the colour manager's view of the display.
    static BOOL IsLowColorDisplay(CDC* pDC = nullptr);
    // Per channel dRatio x clrA + (1 - dRatio) x clrB.
    static COLORREF MixColorsByRatio(COLORREF clrA, COLORREF clrB, double dRatio);

private:
    CXTGradientFiller();
    void FillBanded(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd, BOOL bHorizontal) const;

    HMODULE m_hLibrary = nullptr;
    GradientFillEntry m_pfnGradientFill = nullptr;
};
