#include <gtest/gtest.h>

#include "MessagePump.h"
#include "ProgressBar.h"
#include "WindowCapture.h"

TEST(ProgressBarTest, PercentAndBarWidth)
{
    struct Case {
        int pos, upper, percent;
    };
    for (const Case& c : {Case{0, 100, 0}, Case{50, 100, 50}, Case{100, 100, 100}, Case{7, 0, 0}, Case{1, 3, 33},
                          Case{30000, 30000, 100}})
        EXPECT_EQ(c.percent, ProgressBar::Percent(c.pos, c.upper)) << c.pos << "/" << c.upper;
    EXPECT_EQ(100, ProgressBar::BarWidth(200, 50));
    EXPECT_EQ(0, ProgressBar::BarWidth(200, 0));
    EXPECT_EQ(0, ProgressBar::BarWidth(0, 50));
    EXPECT_EQ(200, ProgressBar::BarWidth(200, 100));
}

TEST(ProgressBarTest, DrawsGreenUpToThePositionAndWhiteAfter)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, CRect(10, 10, 260, 60), nullptr, 0));
    ProgressBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 201, 24), &parent, 1));
    bar.SetRange(0, 100);
    bar.SetPos(50);
    bar.SetWindowText(L"");
    bar.RedrawWindow();
    testsupport::PumpMessages(100);
    auto shot = testsupport::WindowCapture::FromWindow(bar.GetSafeHwnd(), true);
    // The gradient ends green near x = 100; beyond it the bar stays white. Read
    // below the text line, which any font leaves clear in a bar 24 pixels high.
    EXPECT_GT(GetGValue(shot.At(95, 20)), 200);
    EXPECT_LT(GetRValue(shot.At(95, 20)), 60);
    EXPECT_EQ(RGB(255, 255, 255), shot.At(150, 20));
    EXPECT_TRUE(shot.HasTextLikePixels(RECT{80, 2, 130, 22}, 5));   // "50% "
    parent.DestroyWindow();
}
