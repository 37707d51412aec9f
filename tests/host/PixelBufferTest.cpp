#include "skin/data/PixelBuffer.h"

#include <gtest/gtest.h>

TEST(PixelBuffer, ColourAndPixelConvertBothWays) {
    EXPECT_EQ(PixelFromColour(0x00336699u), 0xFF996633u);
    EXPECT_EQ(ColourFromPixel(0xFF996633u), 0x00336699u);
    EXPECT_EQ(ColourFromPixel(PixelFromColour(0x00FF00FFu)), 0x00FF00FFu);
}

TEST(PixelBuffer, StartsZeroAndIgnoresOutOfRangeAccess) {
    PixelBuffer b(3, 2);
    ASSERT_FALSE(b.Empty());
    EXPECT_EQ(b.Pixel(2, 1), 0u);
    b.SetPixel(2, 1, 7);
    b.SetPixel(3, 1, 9);
    b.SetPixel(-1, 0, 9);
    EXPECT_EQ(b.Row(1)[2], 7u);
    EXPECT_EQ(b.Pixel(3, 1), 0u);
    PixelBuffer c = b.Clone();
    b.Fill(5);
    EXPECT_EQ(c.Pixel(2, 1), 7u);
    EXPECT_EQ(PixelBuffer(0, 4).Empty(), true);
}
