#include "ColorContrast.h"

#include <gtest/gtest.h>

TEST(ColorContrast, ThresholdCountsDoubleNextToBlack)
{
    EXPECT_DOUBLE_EQ(ColorContrast::AdaptedThreshold(RGB(0, 0, 0), 50), 100.0);
    EXPECT_DOUBLE_EQ(ColorContrast::AdaptedThreshold(RGB(255, 255, 255), 50), 50.0);
    EXPECT_DOUBLE_EQ(ColorContrast::AdaptedThreshold(RGB(128, 128, 128), 50), 50.0);  // brightness 221
    EXPECT_NEAR(ColorContrast::Brightness(RGB(255, 255, 255)), 440.85, 0.01);
    EXPECT_FALSE(ColorContrast::DifferEnough(RGB(192, 192, 192), RGB(202, 202, 202), 35));  // 17.3 apart
    EXPECT_TRUE(ColorContrast::DifferEnough(RGB(192, 192, 192), RGB(255, 255, 255), 35));
}

TEST(ColorContrast, PullAndPushMoveToTheWantedDistance)
{
    struct Case {
        const char* name;
        COLORREF reference, other;
        int threshold;
        COLORREF pulled;   // 0xFFFFFFFF: not a pull case
        COLORREF pushed;
    } cases[] = {
        // White pulled toward black stops 200 (twice 100) away: 255 x 200 / 440.85.
        {"white toward black", RGB(0, 0, 0), RGB(255, 255, 255), 100, RGB(116, 116, 116), CLR_INVALID},
        {"black toward white", RGB(255, 255, 255), RGB(0, 0, 0), 100, RGB(197, 197, 197), CLR_INVALID},
        {"blue toward yellow", RGB(30, 60, 200), RGB(250, 240, 10), 40, RGB(71, 93, 165), CLR_INVALID},
        // Equal greys: darkened by 50 along the line from black: 128 x (221.3 - 50) / 221.3.
        {"grey from grey", RGB(128, 128, 128), RGB(128, 128, 128), 50, CLR_INVALID, RGB(99, 99, 99)},
        // Black cannot get darker: lightened by 100 from white's side.
        {"black from black", RGB(0, 0, 0), RGB(0, 0, 0), 50, CLR_INVALID, RGB(58, 58, 58)},
        {"olive from olive", RGB(200, 180, 40), RGB(190, 170, 60), 80, CLR_INVALID, RGB(150, 134, 47)},
        // The reference lies farther from the line than the threshold: no point on
        // the line is that far, the colour stays where it is (and is no NaN).
        {"far off the line", RGB(255, 0, 0), RGB(255, 0, 255), 10, CLR_INVALID, RGB(255, 0, 255)},
    };
    for (const Case& c : cases) {
        if (c.pulled != CLR_INVALID) {
            EXPECT_EQ(ColorContrast::PullToward(c.reference, c.other, c.threshold), c.pulled) << c.name;
        }
        if (c.pushed != CLR_INVALID) {
            EXPECT_EQ(ColorContrast::PushAway(c.reference, c.other, c.threshold), c.pushed) << c.name;
        }
    }
}
