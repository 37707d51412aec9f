// Scroll bar geometry and pictures, pixel by pixel, with a made-up look whose every cell
// and frame has a colour of its own.
#include <gtest/gtest.h>

#include "skin/controls/ScrollPainter.h"
#include "skin/data/SkinCore.h"

namespace {

constexpr uint32_t kFace = 0x00C0C0C0;
uint32_t CellColour(int cell) { return 0x000100 * cell + 0x10; }
uint32_t TrackColour(int frame) { return 0x100000 * frame + 0x20; }
uint32_t ThumbColour(int frame) { return 0x100000 * frame + 0x30; }

// count frames of size x size side by side, frame i in colour(i).
template <typename F>
void Strip(TDataSkinObject& e, int count, int size, F colour) {
    e.Image = PixelBuffer(count * size, size);
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) e.Image.SetPixel(i * size + x, y, PixelFromColour(colour(i + 1)));
    e.FrameCount = count;
}

class ScrollPainter : public ::testing::Test {
protected:
    void SetUp() override {
        Strip(cells, 23, 4, CellColour);
        Strip(track, 4, 2, TrackColour);
        Strip(thumb, 3, 2, ThumbColour);
        look = {&cells, &track, &track, &thumb, &thumb, kFace};
    }
    PixelBuffer Paint(int w, int h, bool vertical, TThumbSpan t, int hot = kPartNone, bool tracking = false,
                      bool enabled = true) {
        PixelBuffer out(w, h);
        TScrollBarState s;
        s.width = w;
        s.height = h;
        s.vertical = vertical;
        s.enabled = enabled;
        s.arrowSize = 4;
        s.systemThickness = 4;
        s.thumb = t;
        s.hotPart = hot;
        s.tracking = tracking;
        EXPECT_TRUE(PaintScrollBar(out, look, s));
        return out;
    }
    static int Count(const PixelBuffer& p, uint32_t colour) {
        int n = 0;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) n += p.Pixel(x, y) == PixelFromColour(colour);
        return n;
    }
    TDataSkinObject cells, track, thumb;
    TScrollLook look;
};

TEST_F(ScrollPainter, BarPartsAndTheirStates) {
    // Vertical 4 x 20: arrows rows 0-3 and 16-19, track between, thumb rows 6-12.
    PixelBuffer p = Paint(4, 20, true, {6, 12});
    EXPECT_EQ(p.Pixel(1, 0), PixelFromColour(CellColour(9)));
    EXPECT_EQ(p.Pixel(1, 19), PixelFromColour(CellColour(13)));
    EXPECT_EQ(p.Pixel(1, 4), PixelFromColour(TrackColour(1)));
    EXPECT_EQ(p.Pixel(1, 15), PixelFromColour(TrackColour(1)));
    EXPECT_EQ(p.Pixel(0, 6), PixelFromColour(ThumbColour(1)));
    EXPECT_EQ(p.Pixel(0, 11), PixelFromColour(ThumbColour(1)));
    // The grip (4 pixels) centred on the 6-pixel thumb: rows 7-10.
    EXPECT_EQ(Count(p, CellColour(20)), 16);
    EXPECT_EQ(p.Pixel(0, 7), PixelFromColour(CellColour(20)));

    // Hot arrow +3; pressed thumb frame 2 and grip +1; hot thumb frame 3 and grip +2.
    EXPECT_EQ(Paint(4, 20, true, {6, 12}, kPartFirstArrow).Pixel(1, 1), PixelFromColour(CellColour(12)));
    EXPECT_EQ(Paint(4, 20, true, {6, 12}, kPartSecondArrow, true).Pixel(1, 18), PixelFromColour(CellColour(14)));
    PixelBuffer pressed = Paint(4, 20, true, {6, 12}, kPartThumb, true);
    EXPECT_EQ(pressed.Pixel(0, 6), PixelFromColour(ThumbColour(2)));
    EXPECT_EQ(Count(pressed, CellColour(21)), 16);
    EXPECT_EQ(Count(Paint(4, 20, true, {6, 12}, kPartThumb), CellColour(22)), 16);

    // Horizontal: left/right arrow cells, horizontal grip; a thumb too short for the grip has none.
    PixelBuffer h = Paint(20, 4, false, {6, 8});
    EXPECT_EQ(h.Pixel(0, 1), PixelFromColour(CellColour(1)));
    EXPECT_EQ(h.Pixel(19, 1), PixelFromColour(CellColour(5)));
    EXPECT_EQ(h.Pixel(6, 0), PixelFromColour(ThumbColour(1)));
    EXPECT_EQ(Count(h, CellColour(17)), 0);
}

TEST_F(ScrollPainter, ShortDisabledAndOutsideBars) {
    // Shorter than two arrows: two half arrows of 3 pixels, no track.
    PixelBuffer s = Paint(4, 6, true, {4, 8});
    EXPECT_EQ(Count(s, CellColour(9)), 12);
    EXPECT_EQ(Count(s, CellColour(13)), 12);
    EXPECT_EQ(Count(s, TrackColour(1)), 0);
    EXPECT_EQ(Count(s, ThumbColour(1)), 0);

    // Disabled: track frame 3, no thumb, no grip.
    PixelBuffer d = Paint(4, 20, true, {6, 12}, kPartNone, false, false);
    EXPECT_EQ(Count(d, TrackColour(3)), 4 * 12);
    EXPECT_EQ(Count(d, ThumbColour(1)), 0);
    EXPECT_EQ(Count(d, CellColour(20)), 0);

    // A thumb reaching past the bar's end is not drawn; an empty thumb neither.
    EXPECT_EQ(Count(Paint(4, 20, true, {14, 22}), ThumbColour(1)), 0);
    EXPECT_EQ(Count(Paint(4, 20, true, {8, 8}), ThumbColour(1)), 0);

    // Nothing without the cell strip.
    TScrollLook bare = look;
    bare.cells = nullptr;
    PixelBuffer out(4, 20);
    TScrollBarState state;
    state.width = 4;
    state.height = 20;
    EXPECT_FALSE(PaintScrollBar(out, bare, state));
}

TEST(ScrollGeometry, ThicknessAndMulDiv) {
    TDataSkinObject cells;
    cells.Image = PixelBuffer(23 * 16, 16);
    TScrollLook look;
    look.cells = &cells;
    EXPECT_EQ(ScrollThickness(look, 17), 16);
    EXPECT_EQ(ScrollThickness(look, 18), 16);
    EXPECT_EQ(ScrollThickness(look, 19), 19);
    EXPECT_EQ(ScrollMulDiv(49, 50, 100), 25);
    EXPECT_EQ(ScrollMulDiv(-49, 50, 100), -25);
    EXPECT_EQ(ScrollMulDiv(7, 3, 0), -1);
    EXPECT_EQ(ScrollMulDiv(2147483647, 2, 1), -1);
}

TEST(ScrollGeometry, HitTestAndControlThumb) {
    const TThumbSpan t{30, 50};
    EXPECT_EQ(ScrollHitTest(16, 17, t, 200), kPartFirstArrow);
    EXPECT_EQ(ScrollHitTest(17, 17, t, 200), kPartTrackBefore);
    EXPECT_EQ(ScrollHitTest(30, 17, t, 200), kPartThumb);
    EXPECT_EQ(ScrollHitTest(50, 17, t, 200), kPartTrackAfter);
    EXPECT_EQ(ScrollHitTest(183, 17, t, 200), kPartSecondArrow);

    // No page: a square thumb of the arrow size, at the first arrow for nPos = nMin.
    EXPECT_EQ(ControlThumb(117, 17, 0, 100, 0, 0).start, 17);
    EXPECT_EQ(ControlThumb(117, 17, 0, 100, 0, 0).Length(), 17);
    EXPECT_EQ(ControlThumb(117, 17, 0, 100, 0, 50).start, 17 + 33);  // MulDiv(66, 50, 100)
    // A page: proportional, at least 8 pixels; the 8-pixel thumb moves over L - 8.
    EXPECT_EQ(ControlThumb(134, 17, 0, 100, 51, 10).start, 17 + 10);
    EXPECT_EQ(ControlThumb(134, 17, 0, 100, 51, 10).Length(), 50);
    EXPECT_EQ(ControlThumb(134, 17, 0, 1000, 2, 500).Length(), 8);
    EXPECT_EQ(ControlThumb(134, 17, 0, 1000, 2, 500).start, 17 + 46);
    // An empty range counts as a huge one.
    EXPECT_EQ(ControlThumb(134, 17, 5, 5, 0, 7).start, 17);
    // From the properties at a press: the same rules with Max - Min.
    EXPECT_EQ(PropertyThumb(134, 17, 0, 100, 51, 10).start, 27);
    EXPECT_EQ(PropertyThumb(117, 17, 0, 100, 0, 50).start, 50);
    EXPECT_EQ(PropertyThumb(117, 17, 0, 100, 0, 50).Length(), 17);
}

TEST(ScrollGeometry, DraggedThumbsStayBetweenTheArrows) {
    EXPECT_EQ(FollowThumb(40, 10, 20, 17, 200).start, 50);
    EXPECT_EQ(FollowThumb(40, -100, 20, 17, 200).start, 17);
    EXPECT_EQ(FollowThumb(40, 500, 20, 17, 200).start, 163);
    EXPECT_EQ(FollowThumb(40, 500, 20, 17, 200).end, 183);
    // No room at all: at the first arrow, whatever the move.
    EXPECT_EQ(FollowThumb(17, 30, 20, 17, 40).start, 17);

    // A drop-down list: bar 134, arrows 17, track 100, thumb 20 at the press.
    TListDrag paged{17, 37, 134, 17, 0, 99, 20};
    EXPECT_EQ(ListDragPosition(paged, 0), 0);
    EXPECT_EQ(ListDragPosition(paged, -50), 0);
    EXPECT_EQ(ListDragPosition(paged, 40), 40);   // MulDiv(40, 79, 80)
    EXPECT_EQ(ListDragPosition(paged, 79), 78);   // MulDiv(79, 79, 80)
    EXPECT_EQ(ListDragPosition(paged, 80), 80);   // at the end of the travel: the last position
    EXPECT_EQ(ListDragPosition(paged, 500), 80);
    TListDrag plain{17, 34, 134, 17, 0, 50, 0};
    EXPECT_EQ(ListDragPosition(plain, 40), 20);   // MulDiv(40, 50, 100)
    EXPECT_EQ(ListDragPosition(plain, 500), 42);  // capped at the thumb's travel, 83
    // A thumb that fills the track leaves the position at the start, not below it.
    TListDrag full{17, 117, 134, 17, 0, 10, 11};
    EXPECT_EQ(ListDragPosition(full, 30), 0);
}

}  // namespace
