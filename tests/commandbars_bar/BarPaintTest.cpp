// Painting: WM_PAINT through the off-screen DC and WM_PRINTCLIENT show what
// DrawCommandBar draws; the background is never erased; the drop marker is
// an inverted I-shape that a second drawing erases.
#include <gtest/gtest.h>

#include "BarTestWindows.h"
#include "CXTPColorManager.h"
#include "MemoryCanvas.h"
#include "WindowCapture.h"
#include "WindowTestBar.h"

using testsupport::WindowCapture;

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 26;

// A bar whose drawing is not uniform: a hot control, a group separator.
void FillBar(WindowTestBar* pBar)
{
    pBar->AddSized(22, 22);
    pBar->AddSized(22, 22)->SetSelectedState(1);
    pBar->AddSized(22, 22, 0, TRUE);
    pBar->SetBarStyle(CBRS_GRIPPER);
    pBar->LayoutRow();
}

int CountDifferences(const MemoryCanvas& expected, const std::function<COLORREF(int, int)>& actual)
{
    int nDifferent = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            nDifferent += expected.At(x, y) != actual(x, y);
    return nDifferent;
}

COLORREF Inverted(COLORREF clr)
{
    return RGB(255 - GetRValue(clr), 255 - GetGValue(clr), 255 - GetBValue(clr));
}

} // namespace

TEST(BarPaint, PaintAndPrintClientShowTheBarsDrawing)
{
    FrameHolder frame;
    WindowBarHolder bar;
    ASSERT_TRUE(bar->CreateBar(frame.pFrame, CRect(0, 0, kWidth, kHeight)));
    FillBar(bar.pBar);
    MemoryCanvas expected(kWidth, kHeight);
    bar->DrawCommandBar(&expected.dc());
    ASSERT_GT(expected.Count(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255)), 0) << "the drawing has a highlight";
    ASSERT_LT(expected.Count(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255)), kWidth * kHeight / 2);

    MemoryCanvas printed(kWidth, kHeight);
    EXPECT_EQ(bar->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc().GetSafeHdc()), PRF_CLIENT), TRUE);
    EXPECT_EQ(CountDifferences(expected, [&](int x, int y) { return printed.At(x, y); }), 0);

    bar->Invalidate(FALSE);
    ASSERT_TRUE(WindowCapture::WaitUntilShown(bar->GetSafeHwnd()));
    const WindowCapture shown = WindowCapture::FromWindow(bar->GetSafeHwnd(), true);
    ASSERT_EQ(shown.Width(), kWidth);
    EXPECT_EQ(CountDifferences(expected, [&](int x, int y) { return shown.At(x, y); }), 0);
}

TEST(BarPaint, TheBackgroundIsNotErased)
{
    FrameHolder frame;
    WindowBarHolder bar;
    ASSERT_TRUE(bar->CreateBar(frame.pFrame, CRect(0, 0, kWidth, kHeight)));
    MemoryCanvas canvas(kWidth, kHeight);
    EXPECT_EQ(bar->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc().GetSafeHdc())), TRUE);
    EXPECT_EQ(canvas.Count(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255)), kWidth * kHeight);
}

TEST(BarPaint, DropMarkerIsAnInvertedIShapeErasedByASecondDrawing)
{
    const COLORREF clrMarker = Inverted(GetColorManager()->GetColor(COLOR_3DFACE));
    struct Case {
        const char* name;
        int nType;
        int nPosition;
        CRect rcMarker;
        std::vector<CPoint> inverted;
        std::vector<CPoint> kept;
        int nInverted;
    };
    const Case cases[] = {
        {"between buttons of a row: a column with short end strokes",
         xtpBarTypeNormal, xtpBarTop, CRect(10, 0, 16, 20),
         {{10, 0}, {15, 0}, {11, 1}, {14, 18}, {12, 2}, {13, 17}, {10, 19}},
         {{10, 1}, {10, 5}, {15, 10}, {11, 5}, {14, 10}, {9, 0}, {16, 0}},
         6 + 6 + 4 + 4 + 2 * 16},
        {"between menu entries: the same turned",
         xtpBarTypePopup, xtpBarPopup, CRect(0, 10, 100, 16),
         {{0, 10}, {0, 15}, {1, 11}, {98, 14}, {2, 12}, {97, 13}, {99, 10}},
         {{1, 10}, {50, 10}, {50, 15}, {50, 11}, {1, 15}, {0, 9}, {0, 16}},
         6 + 6 + 4 + 4 + 2 * 96},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowBarHolder bar(c.nType, c.nPosition);
        bar->SetDropMarker(c.rcMarker);
        MemoryCanvas canvas(120, 30);
        bar->DrawDropMarker(&canvas.dc());
        for (const CPoint& pt : c.inverted)
            EXPECT_EQ(canvas.At(pt.x, pt.y), clrMarker) << pt.x << "," << pt.y;
        for (const CPoint& pt : c.kept)
            EXPECT_EQ(canvas.At(pt.x, pt.y), RGB(255, 255, 255)) << pt.x << "," << pt.y;
        EXPECT_EQ(canvas.Count(CRect(0, 0, 120, 30), clrMarker), c.nInverted);
        bar->DrawDropMarker(&canvas.dc());
        EXPECT_EQ(canvas.Count(CRect(0, 0, 120, 30), RGB(255, 255, 255)), 120 * 30);
    }
}
