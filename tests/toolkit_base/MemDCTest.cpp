#include <gtest/gtest.h>

#include "CClientDC.h"
#include "CXTMemDC.h"
#include "GdiObjectCounter.h"
#include "ToolkitTestHost.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

} // namespace

TEST(MemDC, OriginIsTheRectanglesTopLeftCorner)
{
    MemoryCanvas canvas(120, 80);
    {
        CXTMemDC dc(&canvas.dc(), CRect(10, 20, 50, 60), CXTPPaintManagerColorGradient(RGB(0, 0, 255)));
        dc.FillSolidRect(0, 0, 5, 5, RGB(255, 0, 0));
    }
    EXPECT_EQ(canvas.Count(CRect(10, 20, 15, 25), RGB(255, 0, 0)), 25);
    EXPECT_EQ(canvas.Count(CRect(10, 20, 50, 60), RGB(0, 0, 255)), 40 * 40 - 25);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 120, 80), kWhite), 120 * 80 - 40 * 40);
}

TEST(MemDC, EmptyRectangleCoversTheTargetsClipBox)
{
    MemoryCanvas canvas(100, 60);
    canvas.dc().IntersectClipRect(30, 10, 70, 40);
    {
        CXTMemDC dc(&canvas.dc(), CRect(0, 0, 0, 0), CXTPPaintManagerColorGradient(RGB(0, 160, 0)));
    }
    EXPECT_EQ(canvas.Count(CRect(30, 10, 70, 40), RGB(0, 160, 0)), 40 * 30);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 60), kWhite), 100 * 60 - 40 * 30);
}

TEST(MemDC, BackgroundGradientRunsAlongTheChosenDirection)
{
    MemoryCanvas canvas(100, 100);
    CXTPPaintManagerColorGradient background;
    background.SetStandardValue(RGB(0, 0, 0), RGB(200, 200, 200));
    for (BOOL horizontal : {TRUE, FALSE}) {
        SCOPED_TRACE(horizontal);
        { CXTMemDC dc(&canvas.dc(), CRect(0, 0, 100, 100), background, horizontal); }
        // Dark where the gradient starts, light where it ends, and one colour across it.
        EXPECT_LT(GetRValue(canvas.At(1, 1)), 10);
        EXPECT_GT(GetRValue(canvas.At(98, 98)), 190);
        const POINT a = horizontal ? POINT{50, 5} : POINT{5, 50};
        const POINT b = horizontal ? POINT{50, 95} : POINT{95, 50};
        EXPECT_EQ(canvas.At(a.x, a.y), canvas.At(b.x, b.y));
    }
}

TEST(MemDC, NoBackgroundLeavesTheBitmapUnpainted)
{
    MemoryCanvas canvas(60, 40);
    {
        CXTMemDC dc(&canvas.dc(), CRect(10, 10, 50, 30));
        // A fresh bitmap holds black; nothing was filled over it.
        EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 0));
        EXPECT_EQ(dc.GetPixel(39, 19), RGB(0, 0, 0));
        dc.SetPixelV(3, 4, RGB(1, 200, 3));
    }
    EXPECT_EQ(canvas.At(13, 14), RGB(1, 200, 3));
    EXPECT_EQ(canvas.Count(CRect(0, 0, 60, 40), kWhite), 60 * 40 - 40 * 20);
}

TEST(MemDC, KeepsTheTargetsMapModeAndItsClassName)
{
    MemoryCanvas canvas(20, 20);
    canvas.dc().SetMapMode(MM_LOMETRIC);
    CXTMemDC dc(&canvas.dc(), CRect(0, 0, 10, 10));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    EXPECT_STREQ(dc.GetRuntimeClass()->m_lpszClassName, "CXTMemDC");
    canvas.dc().SetMapMode(MM_TEXT);
}

TEST(MemDC, PaintsOverAWindowEachStartFromAFreshDC)
{
    ToolkitTestWindow window;
    CClientDC windowDC(&window);
    const long heldBefore = GdiObjectCounter::Held();
    {
        CXTMemDC first(&windowDC, CRect(0, 0, 150, 100));
        first.FillSolidRect(0, 0, 150, 100, RGB(9, 9, 9));
        ::SetTextColor(first.GetSafeHdc(), RGB(200, 0, 0));
        ::SetBkMode(first.GetSafeHdc(), TRANSPARENT);
        ::SelectObject(first.GetSafeHdc(), ::GetStockObject(BLACK_BRUSH));
        ::SetViewportOrgEx(first.GetSafeHdc(), 5, 5, nullptr);
        first.IntersectClipRect(0, 0, 10, 10);
    }
    {
        CXTMemDC second(&windowDC, CRect(20, 20, 60, 50));
        const HDC hDC = second.GetSafeHdc();
        EXPECT_EQ(::GetTextColor(hDC), RGB(0, 0, 0));
        EXPECT_EQ(::GetBkMode(hDC), OPAQUE);
        EXPECT_EQ(::GetCurrentObject(hDC, OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH));
        POINT ptOrigin{};
        ::GetViewportOrgEx(hDC, &ptOrigin);
        EXPECT_EQ(CPoint(ptOrigin), CPoint(0, 0));
        // Black as a new bitmap, and no larger than the rectangle asked for.
        CRect rcClip;
        second.GetClipBox(&rcClip);
        EXPECT_EQ(rcClip, CRect(0, 0, 40, 30));
        EXPECT_EQ(::GetPixel(hDC, 0, 0), RGB(0, 0, 0));
        EXPECT_EQ(::GetPixel(hDC, 39, 29), RGB(0, 0, 0));
        {
            // A paint inside a paint gets a DC of its own.
            CXTMemDC inner(&windowDC, CRect(0, 0, 10, 10), CXTPPaintManagerColorGradient(RGB(0, 0, 255)));
            EXPECT_NE(inner.GetSafeHdc(), hDC);
            EXPECT_EQ(::GetPixel(inner.GetSafeHdc(), 5, 5), RGB(0, 0, 255));
        }
    }
    EXPECT_EQ(GdiObjectCounter::Held(), heldBefore);
}
