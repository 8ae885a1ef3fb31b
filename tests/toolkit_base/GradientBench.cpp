// Times a 1280 x 960 two-colour gradient fill into a 24-bit memory DC, through
// msimg32's GradientFill and in bands, both directions; prints the median of
// many runs in milliseconds.
#include <windows.h>

#include <cstdlib>
#include <cstdio>

#include "BenchTimer.h"
#include "CXTGradientFiller.h"
#include "MemoryCanvas.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 960;

double MedianFill(const CXTGradientFiller& filler, CDC& dc, BOOL bHorizontal, int runs)
{
    const CRect rect(0, 0, kWidth, kHeight);
    const double median = testsupport::MedianMilliseconds(runs, [&](int i) {
        filler.FillGradient(&dc, rect, RGB(255, 255, 255), RGB(i % 200, 60, 0), bHorizontal);
        ::GdiFlush();
    });
    // A fill that drew nothing would time well: the far corner must hold the end colour.
    const COLORREF corner = dc.GetPixel(kWidth - 1, kHeight - 1);
    if (std::abs(GetRValue(corner) - (runs - 1) % 200) > 2 || std::abs(GetGValue(corner) - 60) > 2)
        std::printf("the fill did not reach the far corner (%06lx)\n", static_cast<unsigned long>(corner));
    return median;
}

} // namespace

int main()
{
    MemoryCanvas canvas(kWidth, kHeight);
    CDC& dc = canvas.dc();
    const CXTGradientFiller banded(nullptr);
    const int runs = 101;
    std::printf("gradient 1280x960, median of %d runs\n", runs);
    std::printf("GradientFill horizontal %.2f ms\n", MedianFill(CXTGradientFiller::Instance(), dc, TRUE, runs));
    std::printf("GradientFill vertical   %.2f ms\n", MedianFill(CXTGradientFiller::Instance(), dc, FALSE, runs));
    std::printf("banded horizontal       %.2f ms\n", MedianFill(banded, dc, TRUE, runs));
    std::printf("banded vertical         %.2f ms\n", MedianFill(banded, dc, FALSE, runs));
    return 0;
}
