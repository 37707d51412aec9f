#include "skin/data/ImgUtil.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

PixelBuffer Numbered(int w, int h) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<uint32_t>(y * 100 + x));
    return b;
}

}  // namespace

TEST(ImgUtil, BlendColoursWeights) {
    EXPECT_EQ(BlendColours(0x0000FF, 0x00FF00, 0), 0x00FF00u);          // weight 0: all c2
    EXPECT_EQ(BlendColours(0x0000FF, 0x00FF00, 50), 0x008080u);         // rounds 127.5 up
    EXPECT_EQ(BlendColours(0x0000C8, 0x000000, 100), 0x000014u);        // per mille: 10 % of c1
    EXPECT_EQ(BlendColours(0x808080, 0xFFFFFF, 150), 0xECECECu);        // 15 % grey, 85 % white
    // System colour 15 (button face) is resolved first: the host answers the classic 0xC8D0D4.
    EXPECT_EQ(BlendColours(SystemColour(15), 0x000000, 99), 0xC6CED2u);
}

TEST(ImgUtil, SaturationIndex) {
    EXPECT_EQ(SaturationIndex(0x0000FF), 255);  // pure red
    EXPECT_EQ(SaturationIndex(0x808080), 200);  // nothing reaches 160
    EXPECT_EQ(SaturationIndex(0xC8C8C8), 0);    // light grey
    EXPECT_EQ(SaturationIndex(0xF97F2D), 209);  // (249 - 45) / 249 * 255 = 208.9
}

TEST(ImgUtil, GradientRampEndpointsMidpointAndRounding) {
    ClearGradientCache();
    const std::vector<uint32_t>& one = GradientRamp(0x000000, 0x0A14FF, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], 0x050A7Fu);  // the midpoint, halves truncated

    const std::vector<uint32_t> ramp = GradientRamp(0x0000FF, 0x000000, 4);
    // Red falls 255 over 3 steps: (i * -255 + 1) / 3 truncated toward zero, so a falling
    // channel ends one above colour2.
    EXPECT_EQ(ramp, (std::vector<uint32_t>{255, 171, 86, 1}));
    EXPECT_EQ(GradientRamp(0x000000, 0x0000FF, 4), (std::vector<uint32_t>{0, 85, 170, 255}));
    EXPECT_THROW(GradientRamp(0, 0, 0), std::invalid_argument);
}

TEST(ImgUtil, GradientCacheReusesAndReplacesInTurn) {
    ClearGradientCache();
    const std::vector<uint32_t>* first = &GradientRamp(0x102030, 0x405060, 30);
    EXPECT_EQ(&GradientRamp(0x102030, 0x405060, 30), first);  // same slot, not rebuilt
    EXPECT_NE(&GradientRamp(0x102030, 0x405060, 31), first);  // other length, next slot
    for (int i = 0; i < 14; ++i) GradientRamp(0x000000, static_cast<uint32_t>(i + 1), 8);
    EXPECT_EQ(&GradientRamp(0x102030, 0x405060, 30), first);  // 16 slots: still cached
    GradientRamp(0x111111, 0x222222, 5);                        // 17th ramp takes slot 0
    const std::vector<uint32_t>& rebuilt = GradientRamp(0x102030, 0x405060, 30);
    EXPECT_EQ(rebuilt.front(), 0x102030u);
    EXPECT_EQ(rebuilt.back(), 0x405060u);
    EXPECT_EQ(&rebuilt, &GradientRamp(0x102030, 0x405060, 30));
    // A falling ramp (whose last entry is not colour2) is found again too.
    const std::vector<uint32_t>* falling = &GradientRamp(0xFFFFFF, 0x000000, 40);
    EXPECT_EQ(&GradientRamp(0xFFFFFF, 0x000000, 40), falling);
}

TEST(ImgUtil, ReplaceMagentaTouchesOnlyPureMagenta) {
    PixelBuffer b(3, 1);
    b.SetPixel(0, 0, 0xFFFF00FFu);
    b.SetPixel(1, 0, 0xFFFE00FFu);
    b.SetPixel(2, 0, 0x00FF00FFu);  // alpha does not matter
    ReplaceMagenta(b, 0xFFFAF6F3u);  // the top byte is dropped, not resolved
    EXPECT_EQ(b.Pixel(0, 0), 0xFFF3F6FAu);
    EXPECT_EQ(b.Pixel(1, 0), 0xFFFE00FFu);
    EXPECT_EQ(b.Pixel(2, 0), 0xFFF3F6FAu);
}

TEST(ImgUtil, MirrorFlipAndQuarterTurns) {
    PixelBuffer b = Numbered(3, 2);
    MirrorHorizontal(b);
    EXPECT_EQ(b.Pixel(0, 0), 2u);
    EXPECT_EQ(b.Pixel(2, 1), 100u);
    FlipVertical(b);
    EXPECT_EQ(b.Pixel(0, 0), 102u);

    PixelBuffer left = Numbered(3, 2);
    RotateLeft(left);  // (x, y) -> (y, W - 1 - x)
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    EXPECT_EQ(left.Pixel(0, 2), 0u);
    EXPECT_EQ(left.Pixel(1, 0), 102u);
    EXPECT_EQ(left.Pixel(0, 0), 2u);

    PixelBuffer right = Numbered(3, 2);
    RotateRight(right);  // (x, y) -> (H - 1 - y, x)
    EXPECT_EQ(right.Pixel(1, 0), 0u);
    EXPECT_EQ(right.Pixel(0, 2), 102u);
    RotateLeft(right);
    PixelBuffer original = Numbered(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(right.Pixel(x, y), original.Pixel(x, y));
}
