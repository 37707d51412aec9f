#include "skin/data/FrameDraw.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/data/ImgUtil.h"

namespace {

// count frames of w x h side by side; pixel = frame * 1000 + y * 10 + x (opaque).
PixelBuffer Frames(int count, int w, int h) {
    PixelBuffer b(w * count, h);
    for (int f = 0; f < count; ++f)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(f * w + x, y, 0xFF000000u | static_cast<uint32_t>((f + 1) * 1000 + y * 10 + x));
    return b;
}
uint32_t F(int frame, int x, int y) { return 0xFF000000u | static_cast<uint32_t>(frame * 1000 + y * 10 + x); }

std::vector<int> RowOf(const PixelBuffer& b, int y) {
    std::vector<int> v;
    for (int x = 0; x < b.Width(); ++x) v.push_back(static_cast<int>(b.Pixel(x, y) & 0xFFFF));
    return v;
}
std::vector<int> ColumnOf(const PixelBuffer& b, int x) {
    std::vector<int> v;
    for (int y = 0; y < b.Height(); ++y) v.push_back(static_cast<int>(b.Pixel(x, y) & 0xFFFF));
    return v;
}

// A strip whose pixel values are their own index along x and along y * 100.
PixelBuffer Indexed(int w, int h) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<uint32_t>(x + 100 * y));
    return b;
}

std::vector<int> Stretched(int s, int d, bool vertical) {
    const PixelBuffer src = vertical ? Indexed(1, s) : Indexed(s, 1);
    PixelBuffer dst = vertical ? PixelBuffer(1, d) : PixelBuffer(d, 1);
    StretchCopy(dst, {0, 0, dst.Width(), dst.Height()}, src, {0, 0, src.Width(), src.Height()});
    if (!vertical) return RowOf(dst, 0);
    std::vector<int> v = ColumnOf(dst, 0);
    for (int& i : v) i /= 100;
    return v;
}

}  // namespace

TEST(StretchCopy, PicksPixelsAsGdiColorOnColor) {
    using V = std::vector<int>;
    EXPECT_EQ(Stretched(2, 4, false), (V{0, 0, 1, 1}));
    EXPECT_EQ(Stretched(3, 5, false), (V{0, 0, 1, 2, 2}));
    EXPECT_EQ(Stretched(5, 12, true), (V{0, 0, 1, 1, 1, 2, 2, 3, 3, 3, 4, 4}));
    EXPECT_EQ(Stretched(4, 4, true), (V{0, 1, 2, 3}));
    // Shrinking keeps the last pixel of each group across a row, the first down a column.
    EXPECT_EQ(Stretched(4, 2, false), (V{1, 3}));
    EXPECT_EQ(Stretched(4, 2, true), (V{0, 2}));
    EXPECT_EQ(Stretched(12, 5, false), (V{1, 4, 6, 9, 11}));
    EXPECT_EQ(Stretched(12, 5, true), (V{0, 2, 5, 7, 10}));
    EXPECT_EQ(Stretched(5, 1, false), (V{3}));
    EXPECT_EQ(Stretched(5, 1, true), (V{0}));
}

TEST(StretchCopy, ClipsToTheDestinationAndIgnoresEmptyRectangles) {
    const PixelBuffer src = Indexed(2, 1);
    PixelBuffer dst(3, 1);
    dst.Fill(77);
    // 2 -> 6 maps 0 0 0 1 1 1 over the whole rectangle; only its last three are visible.
    StretchCopy(dst, {-2, 0, 4, 1}, src, {0, 0, 2, 1});
    EXPECT_EQ(RowOf(dst, 0), (std::vector<int>{0, 1, 1}));
    dst.Fill(77);
    StretchCopy(dst, {0, 0, 0, 1}, src, {0, 0, 2, 1});
    StretchCopy(dst, {0, 0, 3, 1}, src, {1, 0, 1, 1});
    StretchCopy(dst, {0, 0, 3, 1}, src, {2, 0, 0, 1});
    EXPECT_EQ(RowOf(dst, 0), (std::vector<int>{77, 77, 77}));
}

TEST(BuildFrameBitmap, NineSlicesOfTheChosenFrame) {
    const PixelBuffer image = Frames(2, 6, 6);
    const PixelBuffer out = BuildFrameBitmap(10, 8, image, {2, 2, 2, 2}, false, false, 2, 2);
    ASSERT_EQ(out.Width(), 10);
    ASSERT_EQ(out.Height(), 8);
    EXPECT_EQ(out.Pixel(0, 0), F(2, 0, 0));
    EXPECT_EQ(out.Pixel(1, 1), F(2, 1, 1));
    EXPECT_EQ(out.Pixel(9, 0), F(2, 5, 0));
    EXPECT_EQ(out.Pixel(0, 7), F(2, 0, 5));
    EXPECT_EQ(out.Pixel(9, 7), F(2, 5, 5));
    EXPECT_EQ(out.Pixel(0, 3), F(2, 0, 2));  // left edge: rows 2..3 doubled
    EXPECT_EQ(out.Pixel(0, 4), F(2, 0, 3));
    EXPECT_EQ(out.Pixel(4, 2), F(2, 2, 2));  // centre: 2 x 2 stretched to 6 x 4
    EXPECT_EQ(out.Pixel(5, 5), F(2, 3, 3));

    const PixelBuffer stacked = BuildFrameBitmap(6, 6, Frames(1, 6, 12), {1, 1, 1, 1}, true, false, 2, 2);
    EXPECT_EQ(stacked.Pixel(0, 0), F(1, 0, 6));
    EXPECT_EQ(stacked.Pixel(5, 5), F(1, 5, 11));
}

TEST(BuildFrameBitmap, TiledCentreIsCoveredByRightAndBottomParts) {
    const PixelBuffer image = Frames(1, 6, 6);
    const PixelBuffer out = BuildFrameBitmap(11, 11, image, {2, 2, 2, 2}, false, true, 1, 1);
    EXPECT_EQ(out.Pixel(2, 2), F(1, 2, 2));
    EXPECT_EQ(out.Pixel(5, 5), F(1, 3, 3));  // tiles repeat every 2 pixels
    EXPECT_EQ(out.Pixel(6, 4), F(1, 2, 2));
    // The last tile starts at 8 and runs to 10; the right edge drawn afterwards wins.
    EXPECT_EQ(out.Pixel(9, 3), F(1, 4, 2));
    EXPECT_EQ(out.Pixel(3, 9), F(1, 2, 4));
}

TEST(BuildFrameBitmap, NarrowRectangleDropsSideMargins) {
    const PixelBuffer image = Frames(1, 6, 6);
    const PixelBuffer out = BuildFrameBitmap(3, 8, image, {2, 2, 2, 2}, false, false, 1, 1);
    // No corners: the top edge spans the whole frame width, shrunk 6 -> 3.
    EXPECT_EQ(out.Pixel(0, 0), F(1, 1, 0));
    EXPECT_EQ(out.Pixel(2, 1), F(1, 5, 1));
    EXPECT_EQ(out.Pixel(1, 7), F(1, 3, 5));
    const PixelBuffer flat = BuildFrameBitmap(8, 3, image, {2, 2, 2, 2}, false, false, 1, 1);
    EXPECT_EQ(flat.Pixel(0, 0), F(1, 0, 0));  // top and bottom margins dropped: left edge spans
    EXPECT_EQ(flat.Pixel(0, 2), F(1, 0, 4));  // 6 -> 3 down a column keeps rows 0, 2, 4
    EXPECT_TRUE(BuildFrameBitmap(0, 5, image, {}, false, false, 1, 1).Empty());
}

TEST(FrameDraw, TransparentCopyLeavesKeyPixelsAlone) {
    PixelBuffer src(3, 2);
    src.Fill(0xFF123456u);
    src.SetPixel(1, 0, 0xFFFF00FFu);
    src.SetPixel(2, 1, 0x00FF00FFu);
    PixelBuffer dst(6, 4);
    dst.Fill(7);
    TransparentCopy(dst, {1, 1, 6, 4}, src, kMagenta);  // larger than the bitmap: its size
    EXPECT_EQ(dst.Pixel(1, 1), 0xFF123456u);
    EXPECT_EQ(dst.Pixel(2, 1), 7u);
    EXPECT_EQ(dst.Pixel(3, 2), 7u);
    EXPECT_EQ(dst.Pixel(4, 1), 7u);
    dst.Fill(7);
    TransparentCopy(dst, {0, 0, 1, 1}, src, kMagenta);  // smaller: the rectangle's size
    EXPECT_EQ(dst.Pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(dst.Pixel(1, 0), 7u);
    TransparentCopy(dst, {3, 3, 1, 1}, src, kMagenta);  // inverted: nothing
    EXPECT_EQ(dst.Pixel(3, 3), 7u);
}

TEST(FrameDraw, TileDrawRunsPastTheRectangle) {
    const PixelBuffer src = Indexed(4, 4);
    PixelBuffer dst(7, 3);
    TileDraw(dst, {1, 0, 6, 3}, src, {1, 1, 3, 3});
    EXPECT_EQ(dst.Pixel(1, 0), 101u);
    EXPECT_EQ(dst.Pixel(2, 1), 202u);
    EXPECT_EQ(dst.Pixel(5, 0), 101u);
    EXPECT_EQ(dst.Pixel(6, 0), 102u);  // the last tile starts left of the edge
    EXPECT_EQ(dst.Pixel(0, 0), 0u);
    EXPECT_EQ(dst.Pixel(3, 2), 101u);
}

TEST(FrameDraw, StretchedCentredAndNineSliceTransparency) {
    PixelBuffer image = Frames(2, 2, 2);
    image.SetPixel(2, 0, 0xFFFF00FFu);  // frame 2, top-left: transparent
    PixelBuffer dst(6, 6);
    dst.Fill(9);
    DrawFrameCentred(dst, {0, 0, 5, 5}, image, true, 2, 2);  // at ((5 - 2) / 2, same)
    EXPECT_EQ(dst.Pixel(1, 1), 9u);
    EXPECT_EQ(dst.Pixel(2, 1), F(2, 1, 0));
    EXPECT_EQ(dst.Pixel(2, 2), F(2, 1, 1));
    dst.Fill(9);
    DrawFrameCentred(dst, {3, 3, 4, 4}, image, false, 2, 1);  // (1 - 2) / 2 truncates to 0
    EXPECT_EQ(dst.Pixel(3, 3), F(1, 0, 0));

    dst.Fill(9);
    DrawFrameStretched(dst, {0, 0, 4, 4}, image, true, 2, 2);
    EXPECT_EQ(dst.Pixel(0, 0), 9u);
    EXPECT_EQ(dst.Pixel(1, 1), 9u);
    EXPECT_EQ(dst.Pixel(3, 3), F(2, 1, 1));
    dst.Fill(9);
    DrawFrameNineSlice(dst, {1, 1, 5, 5}, image, false, false, false, 2, 2, {});
    EXPECT_EQ(dst.Pixel(1, 1) & 0xFFFFFF, kMagenta);  // opaque: magenta is drawn
    EXPECT_EQ(dst.Pixel(0, 0), 9u);
}

TEST(FrameDraw, ThreePartRoutines) {
    // One frame 5 x 1: L a b c R.
    PixelBuffer image(5, 1);
    for (int x = 0; x < 5; ++x) image.SetPixel(x, 0, static_cast<uint32_t>(10 + x));
    PixelBuffer dst(9, 2);
    DrawThreePart(dst, {0, 0, 9, 2}, image, false, false, 1, 1, {1, 0, 1, 0});
    // Middles at 1, 4 and 7 (7 < 9 - 1); the right part at 8 is drawn last.
    EXPECT_EQ(RowOf(dst, 1), (std::vector<int>{10, 11, 12, 13, 11, 12, 13, 11, 14}));

    PixelBuffer wide(8, 1);
    StretchThreePart(wide, {0, 0, 8, 1}, image, false, 1, 1, {1, 0, 1, 0});
    EXPECT_EQ(RowOf(wide, 0), (std::vector<int>{10, 11, 11, 12, 12, 13, 13, 14}));
    PixelBuffer narrow(3, 1);
    StretchThreePart(narrow, {0, 0, 3, 1}, image, false, 1, 1, {1, 0, 1, 0});
    EXPECT_EQ(RowOf(narrow, 0), (std::vector<int>{11, 12, 14}));  // the whole frame shrunk
}

TEST(GradientFill, BandsMidpointAndClip) {
    ClearGradientCache();
    PixelBuffer dst(4, 3);
    GradientFill(dst, {0, 1, 4, 2}, 0x000000, true, 0x0000FE);  // 1 pixel high: the midpoint
    EXPECT_EQ(dst.Pixel(2, 1), PixelFromColour(0x00007F));
    EXPECT_EQ(dst.Pixel(2, 0), 0u);

    GradientFill(dst, {0, 0, 4, 3}, 0x000000, false, 0x0000FF, {1, 0, 3, 3});
    EXPECT_EQ(dst.Pixel(0, 0), 0u);  // outside the clip
    EXPECT_EQ(dst.Pixel(1, 2), PixelFromColour(0x000055));
    EXPECT_EQ(dst.Pixel(2, 0), PixelFromColour(0x0000AA));
    EXPECT_EQ(dst.Pixel(3, 0), 0u);
    GradientFill(dst, {0, 3, 4, 3}, 0, true, 0xFFFFFF);  // no bands
}

TEST(RegionFromBitmap, AllInsideAllOutsideAndRuns) {
    PixelBuffer magenta(5, 3);
    magenta.Fill(0xFFFF00FFu);
    auto batches = RegionFromBitmap(magenta, 0, 0, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_TRUE(batches[0].rects.empty());

    PixelBuffer grey(5, 3);
    grey.Fill(0xFF808080u);
    batches = RegionFromBitmap(grey, 10, 20, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches.size(), 1u);
    ASSERT_EQ(batches[0].rects.size(), 3u);
    EXPECT_EQ(batches[0].rects[1], (TRect{10, 21, 15, 22}));
    EXPECT_EQ(batches[0].bounds, (TRect{10, 20, 15, 23}));

    // Tolerance counts upward from the colour and stops at 255: with magenta and 1, red
    // may run 255..255, green 0..1, blue 255..255.
    PixelBuffer row(6, 1);
    row.Fill(0xFFFF00FFu);
    row.SetPixel(1, 0, 0xFFFF01FFu);  // green 1: inside
    row.SetPixel(2, 0, 0xFFFE00FFu);  // red 254: outside
    row.SetPixel(3, 0, 0xFF000000u);
    row.SetPixel(5, 0, 0xFFFF02FFu);  // green 2: outside
    batches = RegionFromBitmap(row, 0, 0, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches[0].rects.size(), 2u);
    EXPECT_EQ(batches[0].rects[0], (TRect{2, 0, 4, 1}));
    EXPECT_EQ(batches[0].rects[1], (TRect{5, 0, 6, 1}));
}

TEST(RegionFromBitmap, BatchesOf2000) {
    PixelBuffer stripes(10, 900);  // 5 runs per row: 4500 rectangles
    for (int y = 0; y < 900; ++y)
        for (int x = 0; x < 10; ++x) stripes.SetPixel(x, y, x % 2 ? 0xFF000000u : 0xFFFF00FFu);
    const auto batches = RegionFromBitmap(stripes, 0, -5, 1, 1, 1, kMagenta);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].rects.size(), 2000u);
    EXPECT_EQ(batches[1].rects.size(), 2000u);
    EXPECT_EQ(batches[2].rects.size(), 500u);
    EXPECT_EQ(batches[0].bounds, (TRect{1, -5, 10, 395}));
    EXPECT_EQ(batches[2].bounds, (TRect{1, 795, 10, 895}));
}

TEST(FrameDraw, NonsenseMarginsAndFrameNumbersStayInBounds) {
    // Skin definitions may hold any integer; nothing may overflow or read outside.
    const PixelBuffer image = Frames(2, 6, 6);
    const TMargins wild{INT32_MIN, INT32_MAX, -5, 1 << 30};
    const PixelBuffer out = BuildFrameBitmap(20, 10, image, wild, false, true, 2, 1);
    EXPECT_EQ(out.Width(), 20);
    for (int index : {INT32_MIN, -3, 0, 3, INT32_MAX})
        for (int count : {INT32_MIN, 0, 1, 2, INT32_MAX}) {
            PixelBuffer dst(12, 12);
            DrawFrameNineSlice(dst, {-4, -4, 9, 15}, image, index % 2 != 0, true, true, count, index, wild);
            DrawThreePart(dst, {0, 0, 12, 5}, image, false, false, count, index, wild);
            StretchThreePart(dst, {0, 0, 12, 5}, image, true, count, index, wild);
            DrawFrameCentred(dst, {0, 0, 12, 12}, image, true, count, index);
            DrawFrameStretched(dst, {1, 1, 11, 11}, image, false, count, index);
        }
    PixelBuffer dst(5, 5);
    TileDraw(dst, {-1000000000, -1000000000, 3, 3}, image, {0, 0, 1, 1});
    EXPECT_EQ(dst.Pixel(2, 2), F(1, 0, 0));
}
