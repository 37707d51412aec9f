#include "skin/controls/IndicatorPainter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// count frames side by side, each w x h, frame f solid in colour f * 0x10 (read back
// with FrameAt).
void SolidFrames(TDataSkinObject& e, int count, int w, int h) {
    e.FrameCount = count;
    e.Image = PixelBuffer(w * count, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * count; ++x) e.Image.SetPixel(x, y, PixelFromColour(static_cast<uint32_t>(x / w + 1) * 0x10));
}

// Which frame painted a pixel (0: none of them).
int FrameAt(const PixelBuffer& px, int x, int y) {
    const uint32_t c = ColourFromPixel(px.Pixel(x, y));
    return c % 0x10 == 0 && c <= 0xF0 ? static_cast<int>(c / 0x10) : 0;
}

// Records what is drawn.
struct RecordingText : TButtonText {
    struct Run {
        std::wstring text;
        TRect rect;
        unsigned flags;
    };
    std::vector<Run> runs;
    TTextSize Measure(const std::wstring&, int, unsigned) const override { return {}; }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned flags, uint32_t) override {
        runs.push_back({text, rect, flags});
    }
};

constexpr uint32_t kFace = 0x00C0C0C1;  // not a frame colour
constexpr uint32_t kShadow = 0x00808080, kHighlight = 0x00FFFFFF;

}  // namespace

TEST(IndicatorPainter, StatusBarFramesPanelsByBevelAndPlacesTextAndGrip) {
    TDataSkinObject edges, extra;
    SolidFrames(edges, 3, 6, 6);
    SolidFrames(extra, 5, 4, 3);
    TStatusBarFace face;
    face.faceColour = kFace;
    face.sizeGrip = true;
    face.panels.resize(3);
    face.panels[0] = {{0, 0, 50, 20}, pfRaised, L"one", paRight, false};
    face.panels[1] = {{52, 0, 100, 20}, pfFlat, L"", paLeft, false};
    face.panels[2] = {{102, 0, 140, 20}, pfLowered, L"three", paLeft, true};
    PixelBuffer px(200, 20);
    RecordingText text;
    PaintStatusBar(px, face, &edges, &extra, text);

    // Each panel's frame by its bevel, reaching two pixels past its reported right side;
    // the last one runs to the bar's right edge (except where the grip sits).
    EXPECT_EQ(FrameAt(px, 0, 10), pfRaised);
    EXPECT_EQ(FrameAt(px, 51, 10), pfRaised);
    EXPECT_EQ(FrameAt(px, 53, 10), pfFlat);
    EXPECT_EQ(FrameAt(px, 101, 10), pfFlat);
    EXPECT_EQ(FrameAt(px, 102, 10), pfLowered);
    EXPECT_EQ(FrameAt(px, 199, 5), pfLowered);
    // Grip: cell 5 (4 x 3) ending one pixel inside the bottom-right corner.
    for (int y = 16; y < 19; ++y)
        for (int x = 195; x < 199; ++x) EXPECT_EQ(FrameAt(px, x, y), 5) << x << "," << y;
    EXPECT_EQ(FrameAt(px, 199, 19), pfLowered);
    EXPECT_EQ(FrameAt(px, 194, 17), pfLowered);

    // Texts inset 2 across the framed area; an empty panel draws none; right-to-left
    // swaps the alignment and reads right to left.
    ASSERT_EQ(text.runs.size(), 2u);
    EXPECT_EQ(text.runs[0].rect, MakeRect(2, 0, 50, 20));
    EXPECT_EQ(text.runs[0].flags, btRight | ptVCentre | ptSingleLine);
    EXPECT_EQ(text.runs[1].rect, MakeRect(104, 0, 198, 20));
    EXPECT_EQ(text.runs[1].flags, btRight | ptVCentre | ptSingleLine | btRtlReading);
    EXPECT_EQ(PanelTextFlags(paRight, true), ptVCentre | ptSingleLine | btRtlReading);
    EXPECT_EQ(PanelTextFlags(paCentre, true) & 3u, btCenter);
}

TEST(IndicatorPainter, StatusBarWithoutEdgesDrawsThreeDLinesAndSimpleText) {
    TStatusBarFace face;
    face.faceColour = kFace;
    face.shadow = kShadow;
    face.highlight = kHighlight;
    face.panels.resize(3);
    face.panels[0] = {{0, 0, 30, 10}, pfLowered, L"", paLeft, false};
    face.panels[1] = {{32, 0, 60, 10}, pfRaised, L"", paLeft, false};
    face.panels[2] = {{62, 0, 90, 10}, pfFlat, L"", paLeft, false};
    PixelBuffer px(100, 10);
    RecordingText text;
    PaintStatusBar(px, face, nullptr, nullptr, text);
    auto at = [&](int x, int y) { return ColourFromPixel(px.Pixel(x, y)); };
    EXPECT_EQ(at(0, 5), kShadow);      // lowered: shadow left and top
    EXPECT_EQ(at(10, 0), kShadow);
    EXPECT_EQ(at(31, 5), kHighlight);  // highlight right (area is 2 wider) and bottom
    EXPECT_EQ(at(10, 9), kHighlight);
    EXPECT_EQ(at(32, 5), kHighlight);  // raised: the reverse
    EXPECT_EQ(at(61, 5), kShadow);
    EXPECT_EQ(at(62, 5), kFace);       // flat: nothing
    EXPECT_EQ(at(99, 9), kFace);
    EXPECT_EQ(at(15, 5), kFace);

    // Simple bar: one lowered frame over everything, its text inset 2, right-aligned
    // when the bar reads right to left.
    face.simple = true;
    face.rtl = true;
    face.simpleText = L"simple";
    PaintStatusBar(px, face, nullptr, nullptr, text);
    EXPECT_EQ(at(0, 5), kShadow);
    EXPECT_EQ(at(99, 5), kHighlight);
    EXPECT_EQ(at(62, 5), kFace);
    ASSERT_EQ(text.runs.size(), 1u);
    EXPECT_EQ(text.runs[0].rect, MakeRect(2, 0, 98, 10));
    EXPECT_EQ(text.runs[0].flags & 3u, btRight);
}

TEST(IndicatorPainter, ProgressFillCoversTheShareOfTheRangeAndNothingAtTheMinimum) {
    TDataSkinBorder bar;
    SolidFrames(bar, 2, 4, 4);  // both styles: style 0 cuts two frames
    auto filledColumns = [&](const TProgressState& s) {
        PixelBuffer px(200, 8);
        PaintProgress(px, bar, nullptr, s, kFace);
        int n = 0;
        for (int x = 0; x < 200; ++x) {
            if (FrameAt(px, x, 4) == 2) ++n;
            else EXPECT_EQ(FrameAt(px, x, 4), 1) << x;  // the empty frame everywhere else
        }
        return n;
    };
    EXPECT_EQ(filledColumns({0, 0, 100, false}), 0);
    EXPECT_EQ(filledColumns({30, 0, 100, false}), 60);
    EXPECT_EQ(filledColumns({1, 0, 3, false}), 67);   // rounded as MulDiv rounds
    EXPECT_EQ(filledColumns({500, 0, 100, false}), 200);
    // A minimum above 0 counts from the minimum: empty at it, half way at the middle.
    EXPECT_EQ(filledColumns({50, 50, 150, false}), 0);
    EXPECT_EQ(filledColumns({100, 50, 150, false}), 100);
    EXPECT_EQ(filledColumns({-25, -50, 50, false}), 50);
    EXPECT_EQ(filledColumns({5, 5, 5, false}), 0);    // empty range

    // Style 1 follows the same rule; the chunk goes inside the 2-pixel border.
    bar.Style = 1;
    SolidFrames(bar, 1, 4, 4);
    TDataSkinObject chunk;
    chunk.Image = PixelBuffer(3, 3);
    chunk.Image.Fill(PixelFromColour(0x70));
    chunk.FrameCount = 1;
    for (int position : {50, 100}) {
        PixelBuffer px(200, 10);
        PaintProgress(px, bar, &chunk, {position, 50, 150, false}, kFace);
        int right = 0;
        for (int x = 0; x < 200; ++x)
            if (FrameAt(px, x, 5) == 7) right = x + 1;
        EXPECT_EQ(right, position == 50 ? 0 : 2 + 100) << position;
        EXPECT_EQ(FrameAt(px, 1, 5), 1);
    }
    // Tiled chunks: whole chunks from LeftWidth + 2, none past the filled part.
    chunk.Tile = 1;
    chunk.LeftWidth = 1;
    PixelBuffer px(100, 9);
    PaintProgress(px, bar, &chunk, {20, 0, 100, false}, kFace);  // 20 px filled
    std::vector<int> chunkColumns;
    for (int x = 0; x < 100; ++x)
        if (FrameAt(px, x, 4) == 7) chunkColumns.push_back(x);
    EXPECT_EQ(chunkColumns, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(FrameAt(px, 4, 2), 1);  // 3 px high, centred in 9
    EXPECT_EQ(FrameAt(px, 4, 3), 7);
}

TEST(IndicatorPainter, VerticalProgressFillsFromTheBottom) {
    TDataSkinBorder bar;
    SolidFrames(bar, 2, 4, 4);
    PixelBuffer px(8, 100);
    PaintProgress(px, bar, nullptr, {25, 0, 100, true}, kFace);
    for (int y = 0; y < 100; ++y) EXPECT_EQ(FrameAt(px, 4, y), y >= 75 ? 2 : 1) << y;
}

TEST(IndicatorPainter, TrackThumbIsAlwaysCellTwoAndTheChannelHasThreeSlices) {
    TDataSkinObject thumb;
    SolidFrames(thumb, 5, 4, 6);
    for (int f = 0; f < 5; ++f) thumb.Image.SetPixel(f * 4, 0, PixelFromColour(0xFF00FF));  // keyed corner
    PixelBuffer px(20, 20);
    px.Fill(PixelFromColour(kFace));
    PaintTrackThumb(px, {2, 2, 10, 14}, &thumb, kShadow, kFace);  // stretched 2x
    EXPECT_EQ(ColourFromPixel(px.Pixel(2, 2)), kFace);             // magenta keyed out
    EXPECT_EQ(ColourFromPixel(px.Pixel(3, 3)), kFace);
    for (int y = 4; y < 14; ++y)
        for (int x = 2; x < 10; ++x) EXPECT_EQ(FrameAt(px, x, y), kTrackThumbCell);
    EXPECT_EQ(ColourFromPixel(px.Pixel(10, 8)), kFace);

    // No image: a face-coloured rectangle outlined in shadow.
    px.Fill(0);
    PaintTrackThumb(px, {2, 2, 10, 14}, nullptr, kShadow, kFace);
    EXPECT_EQ(ColourFromPixel(px.Pixel(2, 8)), kShadow);
    EXPECT_EQ(ColourFromPixel(px.Pixel(9, 13)), kShadow);
    EXPECT_EQ(ColourFromPixel(px.Pixel(5, 8)), kFace);

    // Channel 7 x 3 image with columns 1, 2 (middle), 3; margins 2 and 1.
    TDataSkinObject track;
    track.Image = PixelBuffer(7, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) track.Image.SetPixel(x, y, PixelFromColour(x < 2 ? 0x10u : x < 6 ? 0x20u : 0x30u));
    track.LeftWidth = 2;
    track.RightWidth = 1;
    px.Fill(PixelFromColour(kFace));
    PaintTrackChannel(px, {0, 5, 20, 12}, track, false);  // 7 high: image centred at 7..9
    std::vector<int> row;
    for (int x = 0; x < 20; ++x) row.push_back(FrameAt(px, x, 8));
    EXPECT_EQ(row, (std::vector<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3}));
    EXPECT_EQ(ColourFromPixel(px.Pixel(5, 6)), kFace);
    EXPECT_EQ(FrameAt(px, 5, 7), 2);
    EXPECT_EQ(FrameAt(px, 5, 9), 2);
    EXPECT_EQ(ColourFromPixel(px.Pixel(5, 10)), kFace);

    // Vertical: the same slicing top to bottom by TopHeight and BottomHeight, centred
    // across.
    TDataSkinObject vtrack;
    vtrack.Image = PixelBuffer(3, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 3; ++x) vtrack.Image.SetPixel(x, y, PixelFromColour(y < 2 ? 0x10u : y < 6 ? 0x20u : 0x30u));
    vtrack.TopHeight = 2;
    vtrack.BottomHeight = 1;
    px.Fill(PixelFromColour(kFace));
    PaintTrackChannel(px, {4, 0, 11, 20}, vtrack, true);
    EXPECT_EQ(FrameAt(px, 7, 0), 1);
    EXPECT_EQ(FrameAt(px, 7, 1), 1);
    EXPECT_EQ(FrameAt(px, 7, 2), 2);
    EXPECT_EQ(FrameAt(px, 7, 18), 2);
    EXPECT_EQ(FrameAt(px, 7, 19), 3);
    EXPECT_EQ(ColourFromPixel(px.Pixel(5, 10)), kFace);
    EXPECT_EQ(FrameAt(px, 6, 10), 2);
    EXPECT_EQ(FrameAt(px, 8, 10), 2);
    EXPECT_EQ(ColourFromPixel(px.Pixel(9, 10)), kFace);
}
