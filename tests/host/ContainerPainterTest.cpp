// The group-box face: the rounded outline's exact pixels, where the caption's box goes
// (left, or right-aligned for right-to-left windows) and what it cuts out of the outline,
// and boxes too small for their frame.
#include "skin/controls/ContainerPainter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint32_t kShadow = 0xFF808080u;
constexpr uint32_t kFace = 0xFFF0F0F0u;
constexpr uint32_t kUnder = 0xFF102030u;

PixelBuffer Painted(int width, int height, const TGroupBoxLayout& layout) {
    PixelBuffer px(width, height);
    px.Fill(kUnder);
    PaintGroupBoxFrame(px, layout, kShadow, kFace);
    return px;
}

// '#' shadow, 'o' face, '.' untouched.
std::vector<std::string> Picture(const PixelBuffer& px) {
    std::vector<std::string> rows;
    for (int y = 0; y < px.Height(); ++y) {
        std::string row;
        for (int x = 0; x < px.Width(); ++x) {
            const uint32_t p = px.Pixel(x, y);
            row += p == kShadow ? '#' : p == kFace ? 'o' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(ContainerPainter, OutlineHasFiveByFiveRoundedCornersAndStartsHalfALineDown) {
    // A line height of 4 puts the top edge at 4 / 2 - 1 = 1; the outline's rectangle runs
    // from (1, 1) to (width - 1, height - 1), exclusive.
    const TGroupBoxLayout layout = LayoutGroupBox(10, 9, 4, 0, 0, false);
    EXPECT_EQ(layout.frame, (TRect{1, 1, 9, 8}));
    EXPECT_TRUE(layout.caption.IsEmpty());
    const std::vector<std::string> expected = {
        "..........",
        "..######..",
        ".#......#.",
        ".#......#.",
        ".#......#.",
        ".#......#.",
        ".#......#.",
        "..######..",
        "..........",
    };
    EXPECT_EQ(Picture(Painted(10, 9, layout)), expected);
}

TEST(ContainerPainter, CaptionBoxSitsEightPixelsInFromTheLeftOrTheRightAndCutsTheOutline) {
    // 100 x 60, a 12-pixel line: top edge at y 5; a 30 x 12 caption.
    const TGroupBoxLayout left = LayoutGroupBox(100, 60, 12, 30, 12, false);
    EXPECT_EQ(left.caption, (TRect{8, 0, 38, 12}));
    PixelBuffer px = Painted(100, 60, left);
    EXPECT_EQ(px.Pixel(7, 5), kShadow);
    for (int x = 8; x < 38; ++x) EXPECT_EQ(px.Pixel(x, 5), kFace) << x;
    EXPECT_EQ(px.Pixel(38, 5), kShadow);
    EXPECT_EQ(px.Pixel(8, 11), kFace);  // the whole box, not only the line
    EXPECT_EQ(px.Pixel(8, 12), kUnder);

    const TGroupBoxLayout right = LayoutGroupBox(100, 60, 12, 30, 12, true);
    EXPECT_EQ(right.caption, (TRect{62, 0, 92, 12}));
    px = Painted(100, 60, right);
    EXPECT_EQ(px.Pixel(61, 5), kShadow);
    EXPECT_EQ(px.Pixel(62, 5), kFace);
    EXPECT_EQ(px.Pixel(91, 5), kFace);
    EXPECT_EQ(px.Pixel(92, 5), kShadow);
    EXPECT_EQ(px.Pixel(20, 5), kShadow);
    // The rest of the outline is the same whichever side the caption takes.
    EXPECT_EQ(px.Pixel(1, 30), kShadow);
    EXPECT_EQ(px.Pixel(98, 30), kShadow);
    EXPECT_EQ(px.Pixel(50, 58), kShadow);
}

TEST(ContainerPainter, TinyBoxesAndTinyFontsStayInsideTheBuffer) {
    // A line height of 0 or 1 puts the top edge above the box: clipped, sides still drawn.
    PixelBuffer px = Painted(20, 20, LayoutGroupBox(20, 20, 1, 0, 0, false));
    EXPECT_EQ(LayoutGroupBox(20, 20, 1, 0, 0, false).frame.top, -1);
    EXPECT_EQ(px.Pixel(1, 5), kShadow);
    EXPECT_EQ(px.Pixel(10, 0), kUnder);
    // Smaller than its corners: no outline; a caption wider than the box is clipped.
    for (int size : {0, 1, 3, 5, 6}) {
        PixelBuffer small = Painted(size, size, LayoutGroupBox(size, size, 12, 40, 12, size % 2 == 1));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) EXPECT_NE(small.Pixel(x, y), kShadow) << size << ": " << x << "," << y;
    }
}
