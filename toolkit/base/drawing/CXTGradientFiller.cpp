#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "CXTPPaintManagerColorGradient.h"

#include <algorithm>

namespace {

// Loaded during static initialisation, as painting code may run before anything asks.
[[maybe_unused]] CXTGradientFiller& s_filler = CXTGradientFiller::Instance();

TRIVERTEX Vertex(LONG x, LONG y, COLORREF clr)
{
    return {x, y, static_cast<COLOR16>(GetRValue(clr) << 8), static_cast<COLOR16>(GetGValue(clr) << 8),
            static_cast<COLOR16>(GetBValue(clr) << 8), 0};
}

} // namespace

CXTGradientFiller& CXTGradientFiller::Instance()
{
    static CXTGradientFiller filler;
    return filler;
}

CXTGradientFiller::CXTGradientFiller() : m_hLibrary(::LoadLibraryW(L"msimg32.dll"))
{
    if (m_hLibrary != nullptr)
        m_pfnGradientFill = reinterpret_cast<GradientFillEntry>(
            reinterpret_cast<void*>(::GetProcAddress(m_hLibrary, "GradientFill")));
}

CXTGradientFiller::CXTGradientFiller(GradientFillEntry pfnGradientFill) : m_pfnGradientFill(pfnGradientFill)
{
}

CXTGradientFiller::~CXTGradientFiller()
{
    if (m_hLibrary != nullptr)
        ::FreeLibrary(m_hLibrary);
}

void CXTGradientFiller::FillGradient(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd,
                                     BOOL bHorizontal) const
{
    if (rect.IsRectEmpty())
        return;
    if (clrStart == clrEnd || IsLowColorDisplay(pDC)) {
        pDC->FillSolidRect(&rect, clrStart);
        return;
    }
    if (m_pfnGradientFill == nullptr) {
        FillBanded(pDC, rect, clrStart, clrEnd, bHorizontal);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, clrStart), Vertex(rect.right, rect.bottom, clrEnd)};
    GRADIENT_RECT mesh{0, 1};
    m_pfnGradientFill(pDC->GetSafeHdc(), vertices, 2, &mesh, 1,
                      bHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CXTGradientFiller::FillBanded(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd,
                                   BOOL bHorizontal) const
{
    CRect region;
    pDC->GetClipBox(&region);
    if (region.IsRectEmpty())
        region = rect;
    else
        region.IntersectRect(&region, &rect);
    if (bHorizontal) {
        const double width = rect.Width() > 0 ? rect.Width() : 1;
        for (int x = region.left; x < region.right; ++x) {
            const CRect band(x, region.top, x + 1, region.bottom);
            pDC->FillSolidRect(&band, MixColorsByRatio(clrStart, clrEnd, 1.0 - (x - rect.left) / width));
        }
    } else {
        const double height = rect.Height() > 0 ? rect.Height() : 1;
        for (int y = region.top; y < region.bottom; ++y) {
            const CRect band(region.left, y, region.right, y + 1);
            pDC->FillSolidRect(&band, MixColorsByRatio(clrStart, clrEnd, 1.0 - (y - rect.top) / height));
        }
    }
}

void CXTGradientFiller::FillGradientClipped(CDC* pDC, const CRect& rect, COLORREF clrStart, COLORREF clrEnd,
                                            BOOL bHorizontal, const CRect* pClip) const
{
    // An empty rectangle has no cut colours (their ratio would divide by its zero extent).
    if (rect.IsRectEmpty())
        return;
    if (pClip == nullptr) {
        FillGradient(pDC, rect, clrStart, clrEnd, bHorizontal);
        return;
    }
    // Along the gradient: [near, far) of the rectangle and of the clip; across it the clip only narrows.
    CRect fill = rect;
    LONG& nearEdge = bHorizontal ? fill.left : fill.top;
    LONG& farEdge = bHorizontal ? fill.right : fill.bottom;
    LONG& acrossNear = bHorizontal ? fill.top : fill.left;
    LONG& acrossFar = bHorizontal ? fill.bottom : fill.right;
    const LONG clipNear = bHorizontal ? pClip->left : pClip->top;
    const LONG clipFar = bHorizontal ? pClip->right : pClip->bottom;
    acrossNear = std::max(acrossNear, bHorizontal ? pClip->top : pClip->left);
    acrossFar = std::min(acrossFar, bHorizontal ? pClip->bottom : pClip->right);
    if (clipFar < nearEdge || farEdge < clipNear)
        return;
    const LONG rectNear = nearEdge;
    const LONG rectFar = farEdge;
    const double extent = rectFar - rectNear;
    COLORREF clrFrom = clrStart;
    COLORREF clrTo = clrEnd;
    if (rectNear < clipNear) {
        nearEdge = clipNear;
        clrFrom = MixColorsByRatio(clrStart, clrEnd, (rectFar - clipNear) / extent);
    }
    if (rectFar > clipFar) {
        farEdge = clipFar;
        clrTo = MixColorsByRatio(clrStart, clrEnd, (rectFar - clipFar) / extent);
    }
    FillGradient(pDC, fill, clrFrom, clrTo, bHorizontal);
}

void CXTGradientFiller::FillGradientPair(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& gradient,
                                         BOOL bHorizontal, const CRect* pClip) const
{
    const COLORREF clrStart = gradient.clrStart;
    const COLORREF clrEnd = gradient.clrEnd;
    const float factor = gradient.fGradientFactor;
    if (factor == 0.5f) {
        FillGradientClipped(pDC, rect, clrStart, clrEnd, bHorizontal, pClip);
        return;
    }
    const COLORREF clrMiddle = MixColorsByRatio(clrStart, clrEnd, factor);
    CRect first = rect;
    CRect second = rect;
    if (bHorizontal)
        first.right = second.left = rect.right - rect.Width() / 2;
    else
        first.bottom = second.top = rect.bottom - rect.Height() / 2;
    FillGradientClipped(pDC, first, clrStart, clrMiddle, bHorizontal, pClip);
    FillGradientClipped(pDC, second, clrMiddle, clrEnd, bHorizontal, pClip);
}

BOOL CXTGradientFiller::IsLowColorDisplay(CDC* pDC)
{
    // Every display DC has the display's depth, which the colour manager keeps:
    // asking a DC for its bits per pixel takes a tenth of a millisecond under
    // Wine, as long as the gradient it decides on.
    if (pDC == nullptr || pDC->GetDeviceCaps(TECHNOLOGY) == DT_RASDISPLAY)
        return GetColorManager()->IsLowColor();
    const int bits = pDC->GetDeviceCaps(BITSPIXEL);
    return bits >= 1 && bits <= 8;
}

COLORREF CXTGradientFiller::MixColorsByRatio(COLORREF clrA, COLORREF clrB, double dRatio)
{
    const auto channel = [dRatio](int a, int b) {
        return std::min(255, static_cast<int>(dRatio * a + (1.0 - dRatio) * b));
    };
    return RGB(channel(GetRValue(clrA), GetRValue(clrB)), channel(GetGValue(clrA), GetGValue(clrB)),
               channel(GetBValue(clrA), GetBValue(clrB)));
}
