// Text field frames, up-down faces and the date-time arrow button, pixel by pixel, with a
// made-up look whose every frame and cell has a colour of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/EditPainter.h"

namespace {

constexpr uint32_t kFace = 0xC0C0C0;
constexpr uint32_t kShadow = 0x808080;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMarker = 0x123456;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kInk = 0x000000;
uint32_t FrameColour(int frame) { return 0x100000 * frame + 0x20; }
uint32_t GlyphColour(int cell) { return 0x000100 * cell + 0x40; }

uint32_t At(const PixelBuffer& p, int x, int y) { return ColourFromPixel(p.Pixel(x, y)); }

// The picture as rows of letters: '.' for the background, other letters by colour.
std::vector<std::string> Rows(const PixelBuffer& p, uint32_t background, uint32_t ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < p.Height(); ++y) {
        std::string row;
        for (int x = 0; x < p.Width(); ++x) {
            const uint32_t c = At(p, x, y);
            row += c == background ? '.' : c == ink ? '#' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// Eight frames of w x h stacked, frame i all in FrameColour(i); eight glyph cells of
// gw x gh side by side, cell i in GlyphColour(i) with a magenta top-left pixel.
void MakeUpDown(TDataSkinBorder& e, int w, int h, int gw, int gh) {
    e.Image = PixelBuffer(w, 8 * h);
    for (int f = 0; f < 8; ++f)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) e.Image.SetPixel(x, f * h + y, PixelFromColour(FrameColour(f + 1)));
    e.Image2 = PixelBuffer(8 * gw, gh);
    for (int c = 0; c < 8; ++c)
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x)
                e.Image2.SetPixel(c * gw + x, y, PixelFromColour(x == 0 && y == 0 ? kMagenta : GlyphColour(c + 1)));
    e.FrameCount = 8;
    e.LeftWidth = e.TopHeight = e.RightWidth = e.BottomHeight = 1;
    e.Trans = 1;
}

// Half of a painted up-down: all frame colour except the centred glyph cell.
void ExpectHalf(const PixelBuffer& p, const TRect& half, int frame, int gw, int gh) {
    const int gx = half.left + (half.Width() - gw) / 2, gy = half.top + (half.Height() - gh) / 2;
    for (int y = half.top; y < half.bottom; ++y)
        for (int x = half.left; x < half.right; ++x) {
            const bool glyph = x >= gx && x < gx + gw && y >= gy && y < gy + gh && !(x == gx && y == gy);
            ASSERT_EQ(At(p, x, y), glyph ? GlyphColour(frame) : FrameColour(frame)) << "frame " << frame << " at " << x
                                                                                     << "," << y;
        }
}

}  // namespace

TEST(EditPainter, FieldFrameIsShadowThenWhiteRingsAndOnlyWhereThereIsABorder) {
    PixelBuffer p(8, 7);
    p.Fill(PixelFromColour(kMarker));
    PaintEditFrame(p, {0, 0, 8, 7}, kShadow, 2);
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(At(p, x, 0), kShadow);
        EXPECT_EQ(At(p, x, 6), kShadow);
    }
    for (int y = 0; y < 7; ++y) EXPECT_EQ(At(p, 7, y), kShadow);
    for (int i : {1, 2}) {
        EXPECT_EQ(At(p, i, i), kWhite);
        EXPECT_EQ(At(p, 7 - i, 6 - i), kWhite);
        EXPECT_EQ(At(p, 4, i), kWhite);
    }
    EXPECT_EQ(At(p, 3, 3), kMarker);  // the field itself stays as it was
    EXPECT_EQ(At(p, 4, 3), kMarker);

    // One white ring (the date-time picker's frame): the second ring is left alone.
    p.Fill(PixelFromColour(kMarker));
    PaintEditFrame(p, {0, 0, 8, 7}, kShadow, 1);
    EXPECT_EQ(At(p, 1, 1), kWhite);
    EXPECT_EQ(At(p, 2, 2), kMarker);

    // A borderless edit's client area is its window: no frame; a sunken one has a 2 px
    // border on each side; a plain 1 px border gets no printed frame.
    EXPECT_FALSE(EditHasBorder(100, 21, 100, 21));
    EXPECT_FALSE(EditHasBorder(100, 17, 100, 21));
    EXPECT_TRUE(EditHasBorder(96, 17, 100, 21));
    EXPECT_TRUE(PrintFrameWanted(96, 17, 100, 21));
    EXPECT_FALSE(PrintFrameWanted(98, 19, 100, 21));
}

TEST(EditPainter, HalfStatesDisabledWinsAndOnlyTheHalfUnderTheCursorReacts) {
    EXPECT_EQ(udDisabled, UpDownHalfState(true, true, kUpDownPressed | kUpDownHot));
    EXPECT_EQ(udNormal, UpDownHalfState(false, false, kUpDownPressed | kUpDownHot));
    EXPECT_EQ(udPressed, UpDownHalfState(false, true, kUpDownPressed | kUpDownHot));
    EXPECT_EQ(udHot, UpDownHalfState(false, true, kUpDownHot));
    EXPECT_EQ(udNormal, UpDownHalfState(false, true, 0));

    const TUpDownHalves v = SplitUpDown({0, 0, 16, 23}, false);
    EXPECT_EQ(v.first, (TRect{0, 0, 16, 11}));
    EXPECT_EQ(v.second, (TRect{0, 11, 16, 23}));
    const TUpDownHalves h = SplitUpDown({2, 1, 12, 9}, true);
    EXPECT_EQ(h.first, (TRect{2, 1, 7, 9}));
    EXPECT_EQ(h.second, (TRect{7, 1, 12, 9}));
}

TEST(EditPainter, UpDownHalvesShowTheirOwnFrameAndGlyphCell) {
    TDataSkinBorder e("UpDown.Vert");
    MakeUpDown(e, 4, 4, 3, 2);
    TUpDownLook look;
    look.face = kFace;
    // Vertical: pressed top half (frame 2), hot bottom half (frame 4 + 4).
    look.firstState = udPressed;
    look.secondState = udHot;
    PixelBuffer p(12, 14);
    PaintUpDown(p, &e, look);
    ExpectHalf(p, {0, 0, 12, 7}, 2, 3, 2);
    ExpectHalf(p, {0, 7, 12, 14}, 8, 3, 2);

    // Horizontal, disabled: frames 3 and 7 side by side.
    look.horizontal = true;
    look.firstState = look.secondState = udDisabled;
    PixelBuffer q(14, 9);
    PaintUpDown(q, &e, look);
    ExpectHalf(q, {0, 0, 7, 9}, 3, 3, 2);
    ExpectHalf(q, {7, 0, 14, 9}, 7, 3, 2);
}

TEST(EditPainter, EmbeddedUpDownIsWhiteAroundAndStaysInsideTheEditBorder) {
    // An up-down 15 x 20 at the right end of a 100 x 20 edit: edit is at (-85, 0)-(15, 20)
    // in the up-down's coordinates.
    const TRect area = EmbeddedUpDownArea({0, 0, 15, 20}, {-85, 0, 15, 20});
    EXPECT_EQ(area, (TRect{0, 3, 12, 17}));
    EXPECT_TRUE(EmbeddedUpDownArea({0, 0, 15, 5}, {-85, 0, 15, 5}).IsEmpty());

    TDataSkinBorder e("UpDown.Vert");
    MakeUpDown(e, 4, 4, 3, 2);
    TUpDownLook look;
    look.face = kFace;
    look.embedded = true;
    look.area = area;
    PixelBuffer p(15, 20);
    PaintUpDown(p, &e, look);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x)
            if (x >= 12 || y < 3 || y >= 17) {
                ASSERT_EQ(At(p, x, y), kWhite) << x << "," << y;
            }
    ExpectHalf(p, {0, 3, 12, 10}, 1, 3, 2);
    ExpectHalf(p, {0, 10, 12, 17}, 5, 3, 2);
}

TEST(EditPainter, WithoutTheElementArrowsAreLines) {
    TUpDownLook look;
    look.face = kFace;
    look.arrow = kInk;
    look.disabledArrow = kShadow;
    look.secondState = udPressed;
    PixelBuffer p(9, 12);
    PaintUpDown(p, nullptr, look);
    const std::vector<std::string> expected = {
        ".........",  //
        "....#....",  // up arrow in the top half
        "...###...",  //
        "..#####..",  //
        ".#######.",  //
        ".........",  //
        ".........",  //
        ".........",  //
        "..#######",  // down arrow, pressed: one pixel right and down
        "...#####.",  //
        "....###..",  //
        ".....#...",
    };
    EXPECT_EQ(Rows(p, kFace, kInk), expected);

    look.firstState = look.secondState = udDisabled;
    PaintUpDown(p, nullptr, look);
    EXPECT_EQ(At(p, 4, 2), kShadow);
    EXPECT_EQ(At(p, 4, 9), kShadow);
    EXPECT_EQ(At(p, 8, 8), kFace);  // not pressed any more
}

TEST(EditPainter, ArrowButtonSitsAtThePickerEdgeAndShowsCellFourWhenHot) {
    EXPECT_EQ(ArrowButtonBounds(120, 21, 16, false), (TRect{100, 0, 116, 17}));
    EXPECT_EQ(ArrowButtonBounds(120, 21, 16, true), (TRect{2, 0, 18, 17}));

    TDataSkinObject arrow("ComboxArrow");
    arrow.Image = PixelBuffer(4 * 2, 2);
    for (int c = 0; c < 4; ++c)
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x) arrow.Image.SetPixel(c * 2 + x, y, PixelFromColour(GlyphColour(c + 1)));
    arrow.FrameCount = 4;
    PixelBuffer p(6, 8);
    for (bool hot : {false, true}) {
        PaintArrowButton(p, &arrow, hot, kFace);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 6; ++x) ASSERT_EQ(At(p, x, y), GlyphColour(hot ? 4 : 1)) << hot;
    }
    // A strip without a hot cell shows its first when hot; no strip: the face alone.
    arrow.FrameCount = 2;
    PaintArrowButton(p, &arrow, true, kFace);
    EXPECT_EQ(At(p, 0, 0), GlyphColour(1));
    PaintArrowButton(p, nullptr, true, kFace);
    EXPECT_EQ(At(p, 3, 3), kFace);
}
