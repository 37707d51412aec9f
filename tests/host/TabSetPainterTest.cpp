// Old-style tab sets: frames by state, bottom tabs upside down, push-button captions.
#include "skin/controls/TabPainter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 6 px per character and line break, 10 px per line; records what is drawn.
struct FixedText : TButtonText {
    struct Run {
        std::wstring text;
        TRect rect;
        uint32_t colour;
    };
    std::vector<Run> runs;
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        if (text.empty()) return {};
        const size_t lines = text.find(L"\r\n") == std::wstring::npos ? 1 : 2;
        return {static_cast<int>(text.size() / lines) * 6, 10 * static_cast<int>(lines)};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned, uint32_t colour) override {
        runs.push_back({text, rect, colour});
    }
};

constexpr uint32_t kBack = 0x00102030;

uint32_t Rgb(const PixelBuffer& b, int x, int y) { return ColourFromPixel(b.Pixel(x, y)) & 0xFFFFFF; }

// Five 10 x 10 frames: frame f's upper half 0x10 * f, lower half 0x10 * f + 1.
void MakeTabs(TDataSkinBorder& t) {
    t.FrameCount = 5;
    t.Image = PixelBuffer(50, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 50; ++x)
            t.Image.SetPixel(x, y, PixelFromColour(static_cast<uint32_t>(0x10 * (x / 10 + 1) + (y >= 5 ? 1 : 0))));
}

// A 100 x 24 set of three 30 x 18 tabs on one edge, the second current.
PixelBuffer Paint(int side, FixedText& text, const std::vector<std::wstring>& captions) {
    TDataSkinBorder element;
    MakeTabs(element);
    const TTabImages images = PrepareTabImages(element, nullptr, side);
    TTabStrip s;
    s.current = 1;
    s.background = kBack;
    s.normalText = 0x111111;
    s.currentText = 0x222222;
    const int top = side == tabTop ? 0 : 6;
    for (int i = 0; i < 3; ++i) {
        TTabItem item;
        item.text = captions[static_cast<size_t>(i)];
        item.rect = {4 + 30 * i, top, 34 + 30 * i, top + 18};
        s.items.push_back(item);
    }
    PixelBuffer target(100, 24);
    PaintTabSet(target, TabFaceOf(images), s, text);
    return target;
}

}  // namespace

TEST(TabSetPainter, CurrentTabFrameTwoOthersFrameOneBottomTabsUpsideDown) {
    FixedText text;
    const PixelBuffer top = Paint(tabTop, text, {L"ab", L"ab", L"ab"});
    const PixelBuffer bottom = Paint(tabBottom, text, {L"ab", L"ab", L"ab"});
    for (int i = 0; i < 3; ++i) {
        const uint32_t frame = i == 1 ? 0x20 : 0x10;
        const int x = 4 + 30 * i + 15;
        // Top: the frame's upper half on the outer (upper) edge.
        EXPECT_EQ(frame, Rgb(top, x, 0)) << i;
        EXPECT_EQ(frame + 1, Rgb(top, x, 17)) << i;
        // Bottom: the same frame upside down, its upper half on the lower edge.
        EXPECT_EQ(frame + 1, Rgb(bottom, x, 6)) << i;
        EXPECT_EQ(frame, Rgb(bottom, x, 23)) << i;
    }
    // Beside and between the tabs: the background.
    EXPECT_EQ(kBack, Rgb(top, 1, 5));
    EXPECT_EQ(kBack, Rgb(top, 98, 5));
    EXPECT_EQ(kBack, Rgb(top, 50, 20));
    EXPECT_EQ(kBack, Rgb(bottom, 50, 2));
}

TEST(TabSetPainter, CaptionsAreCentredAsOnPushButtonsWithTheirStateColours) {
    FixedText text;
    Paint(tabTop, text, {L"ab", L"x||y||z", L""});
    // Empty captions are handed on too (the text adapter draws nothing for them).
    ASSERT_EQ(3u, text.runs.size());
    // 12 x 10 centred in the 30 x 18 tab at (4, 0): one pixel above the middle.
    EXPECT_EQ((TRect{13, 3, 25, 13}), text.runs[0].rect);
    EXPECT_EQ(0x111111u, text.runs[0].colour);
    // Only the first "||" breaks the line; the two lines are centred as one block.
    EXPECT_EQ(L"x\r\ny||z", text.runs[1].text);
    EXPECT_EQ(0x222222u, text.runs[1].colour);
    const TRect second = text.runs[1].rect;
    EXPECT_EQ(20, second.Height());
    EXPECT_EQ(34 + (30 - second.Width()) / 2, second.left);
    EXPECT_EQ((18 - 20) / 2 - 1, second.top);
}
