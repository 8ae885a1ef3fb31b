#include "CXTGradientFiller.h"
#include "CXTPColorManager.h"
#include "TestPaths.h"
#include "ThemedRun.h"
#include "PaintedTestWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr int kColumns = 8;
constexpr int kSwatchWidth = 60;
constexpr int kSwatchHeight = 34;
constexpr int kGradientWidth = 234;
constexpr int kGradientHeight = 26;
constexpr int kGradientTop = 8 * kSwatchHeight + 8;

CRect SwatchRect(int index)
{
    const int x = (index % kColumns) * kSwatchWidth, y = (index / kColumns) * kSwatchHeight;
    return CRect(x + 2, y + 2, x + kSwatchWidth - 2, y + kSwatchHeight - 2);
}

CRect GradientRect(int index)
{
    const int x = (index / 5) * (kGradientWidth + 8) + 2, y = kGradientTop + (index % 5) * (kGradientHeight + 4);
    return CRect(x, y, x + kGradientWidth, y + kGradientHeight);
}

COLORREF TextColorOn(COLORREF back)
{
    return GetRValue(back) * 3 + GetGValue(back) * 6 + GetBValue(back) < 1200 ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

// The 62 colours with their numbers, then the ten gradients (the seven of the
// scheme and the three fixed ones), each labelled.
void PaintColours(CDC& dc, const CRect& client)
{
    const CXTPColorManager& colours = *GetColorManager();
    dc.FillSolidRect(client, RGB(255, 255, 255));
    HGDIOBJ oldFont = ::SelectObject(dc.GetSafeHdc(), ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < CXTPColorManager::kColorCount; ++i) {
        const CRect r = SwatchRect(i);
        const COLORREF clr = colours.GetColor(i);
        dc.FillSolidRect(r, clr);
        dc.SetTextColor(TextColorOn(clr));
        CString number;
        number.Format(L"%d", i);
        dc.TextOut(r.left + 3, r.top + 2, number);
    }
    for (int i = 0; i < CXTPColorManager::kGradientCount; ++i) {
        const CRect r = GradientRect(i);
        const CXTPPaintManagerColorGradient& g = colours.GetGradient(i);
        CXTGradientFiller::Instance().FillGradient(&dc, r, g.clrStart, g.clrEnd, TRUE);
        dc.SetTextColor(TextColorOn(g.clrStart));
        CString label;
        label.Format(L"gradient %d", i);
        dc.TextOut(r.left + 4, r.top + 6, label);
    }
    ::SelectObject(dc.GetSafeHdc(), oldFont);
}

} // namespace

TEST(ColorSwatches, ShowsEveryColourAndGradientOfTheRun)
{
    RefreshColorsIfStale();
    PaintedTestWindow host(kColumns * kSwatchWidth, kGradientTop + 5 * (kGradientHeight + 4) + 4, &PaintColours);
    const testsupport::WindowCapture shot = host.Capture();
    ASSERT_FALSE(shot.IsEmpty());
    const std::wstring name = std::wstring(L"colour-manager-") + RunName() + L".png";
    EXPECT_TRUE(shot.SavePng(testsupport::TestOutputPath(name)));

    const CXTPColorManager& colours = *GetColorManager();
    for (int i = 0; i < CXTPColorManager::kColorCount; ++i) {
        const CRect r = SwatchRect(i);
        EXPECT_EQ(shot.At(r.right - 3, r.bottom - 3), colours.GetColor(i)) << i;  // below and right of the number
    }
    for (int i = 0; i < CXTPColorManager::kGradientCount; ++i) {
        const CRect r = GradientRect(i);
        const CXTPPaintManagerColorGradient& g = colours.GetGradient(i);
        EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(shot.At(r.left, r.bottom - 2), g.clrStart, 8)) << i;
        EXPECT_TRUE(testsupport::WindowCapture::ColorsClose(shot.At(r.right - 1, r.bottom - 2), g.clrEnd, 8)) << i;
    }
}
