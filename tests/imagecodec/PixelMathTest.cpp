#include <gtest/gtest.h>

#include "imagecodec/PixelMath.h"

using namespace imagecodec;

TEST(PixelMath, DerivedLooks) {
    EXPECT_EQ(PixelMath::Fade(0), 76);
    EXPECT_EQ(PixelMath::Fade(255), 255);
    EXPECT_EQ(PixelMath::Grey({64, 64, 64}).r, 127);
    EXPECT_EQ(PixelMath::Grey({0, 0, 0}).g, 0);
    const PixelMath::Rgb light{250, 240, 230}, dark{10, 20, 30};
    const auto black = PixelMath::Colourise({0, 0, 0}, light, dark);
    EXPECT_EQ(black.r, 10);
    EXPECT_EQ(black.b, 30);
    const auto white = PixelMath::Colourise({255, 255, 255}, light, dark);
    EXPECT_NEAR(white.r, 250, 1);
}

TEST(PixelMath, PixelRowsKeepAlpha) {
    uint8_t px[] = {200, 100, 50, 128, 0, 0, 0, 255};
    PixelMath::PremultiplyPixels(px, 1);
    EXPECT_EQ(px[0], 200 * 128 / 255);
    EXPECT_EQ(px[2], 50 * 128 / 255);
    EXPECT_EQ(px[3], 128);
    PixelMath::FadePixels(px + 4, 1);
    EXPECT_EQ(px[4], 76);
    EXPECT_EQ(px[7], 255);
    PixelMath::PaintPixels(px, 2, {1, 2, 3});
    EXPECT_EQ(px[0], 3);
    EXPECT_EQ(px[2], 1);
    EXPECT_EQ(px[3], 128);
}
