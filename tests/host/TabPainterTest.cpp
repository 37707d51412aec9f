#include "skin/controls/TabPainter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 6 px per character, 10 px high; records what is drawn.
struct FixedText : TButtonText {
    struct Run {
        std::wstring text;
        TRect rect;
        uint32_t colour;
    };
    std::vector<Run> runs;
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        if (text.empty()) return {};
        return {static_cast<int>(text.size()) * 6, 10};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned, uint32_t colour) override {
        runs.push_back({text, rect, colour});
    }
};

constexpr uint32_t kBack = 0x00102030;
constexpr uint32_t kClose = 0x000000EE;

uint32_t Rgb(const PixelBuffer& b, int x, int y) { return ColourFromPixel(b.Pixel(x, y)) & 0xFFFFFF; }

// Tabs: five 10 x 10 frames, frame f's upper half colour 0x10 * f, lower half 0x10 * f + 1.
// Pane ("Border"): 16 x 16, upper half 0xA0, lower half 0xB0, left column 0xC0.
void MakeTabs(TDataSkinBorder& t) {
    t.FrameCount = 5;
    t.Image = PixelBuffer(50, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 50; ++x)
            t.Image.SetPixel(x, y, PixelFromColour(static_cast<uint32_t>(0x10 * (x / 10 + 1) + (y >= 5 ? 1 : 0))));
    t.Image2 = PixelBuffer(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) t.Image2.SetPixel(x, y, PixelFromColour(x == 0 ? 0xC0 : y < 8 ? 0xA0 : 0xB0));
}

struct Picture {
    PixelBuffer target;
    std::vector<TRect> boxes;
};

// A whole 120 x 80 control: three 30 px tabs on the given side, the second current.
Picture Paint(const TDataSkinBorder& tabs, int side, bool closeBoxes, FixedText& text) {
    const int w = 120, h = 80;
    TTabImages images = PrepareTabImages(tabs, nullptr, side);
    TRect adjusted{4, 24, w - 4, h - 4};
    if (side == tabBottom) adjusted = {4, 4, w - 4, h - 24};
    if (side == tabLeft) adjusted = {24, 4, w - 4, h - 4};
    if (side == tabRight) adjusted = {4, 4, w - 24, h - 4};
    const TRect display = TabDisplayArea(adjusted, side);
    const TRect strip = TabStripArea(w, h, display, side);
    TTabStrip s;
    s.current = 1;
    s.closeBoxes = closeBoxes;
    s.background = kBack;
    s.normalText = 0x111111;
    s.currentText = 0x222222;
    for (int i = 0; i < 3; ++i) {
        TTabItem item;
        item.text = L"ab";
        if (side == tabTop) item.rect = {2 + 30 * i, 2, 32 + 30 * i, 20};
        if (side == tabBottom) item.rect = {2 + 30 * i, h - 20, 32 + 30 * i, h - 2};
        if (side == tabLeft) item.rect = {2, 2 + 20 * i, 20, 22 + 20 * i};
        if (side == tabRight) item.rect = {w - 20, 2 + 20 * i, w - 2, 22 + 20 * i};
        s.items.push_back(item);
    }
    Picture p;
    p.target = PixelBuffer(w, h);
    p.target.Fill(PixelFromColour(kBack));
    PaintTabPane(p.target, images, display);
    const TTextSize size = TabCompositionSize(strip, side);
    PixelBuffer comp(size.width, size.height);
    p.boxes = PaintTabStrip(comp, strip, side, TabFaceOf(images), s, text);
    PlaceTabStrip(p.target, comp, strip, side);
    return p;
}

}  // namespace

TEST(TabPainter, CurrentTabShowsFrameTwoOthersFrameOneWithTheirTextColours) {
    TDataSkinBorder tabs;
    MakeTabs(tabs);
    FixedText text;
    Picture p = Paint(tabs, tabTop, false, text);
    // Upper half of each tab (rows 3..; top tabs are moved one pixel down).
    EXPECT_EQ(0x10u, Rgb(p.target, 15, 5));
    EXPECT_EQ(0x20u, Rgb(p.target, 45, 5));
    EXPECT_EQ(0x10u, Rgb(p.target, 75, 5));
    EXPECT_EQ(kBack, Rgb(p.target, 15, 2));  // the row the control reported stays background
    EXPECT_EQ(0x10u, Rgb(p.target, 15, 3));
    // Pane under the strip: upper half of the "Border" picture.
    EXPECT_EQ(0xA0u, Rgb(p.target, 60, 30));
    ASSERT_EQ(3u, text.runs.size());
    EXPECT_EQ(0x111111u, text.runs[0].colour);
    EXPECT_EQ(0x222222u, text.runs[1].colour);
    EXPECT_EQ(0x111111u, text.runs[2].colour);
}

TEST(TabPainter, BottomTabsFlipTabAndPaneSideTabsTurnThePane) {
    TDataSkinBorder tabs;
    MakeTabs(tabs);
    FixedText text;
    Picture p = Paint(tabs, tabBottom, false, text);
    // Tab rows upside down: the lower half of the frame picture comes first.
    EXPECT_EQ(0x11u, Rgb(p.target, 15, 62));
    EXPECT_EQ(0x10u, Rgb(p.target, 15, 75));
    EXPECT_EQ(0x21u, Rgb(p.target, 45, 62));
    // Pane upside down too: its lower half at the top of the display area.
    EXPECT_EQ(0xB0u, Rgb(p.target, 60, 10));
    EXPECT_EQ(0xA0u, Rgb(p.target, 60, 55));

    // Left tabs: the pane's top edge faces left, so its left column (0xC0) is now the bottom
    // row; the tabs stand on the pane, their upper (outer) half at the left.
    FixedText text2;
    Picture left = Paint(tabs, tabLeft, false, text2);
    EXPECT_EQ(0xC0u, Rgb(left.target, 60, 79));
    EXPECT_EQ(0xA0u, Rgb(left.target, 30, 40));
    EXPECT_EQ(0x20u, Rgb(left.target, 5, 32));
    EXPECT_EQ(0x21u, Rgb(left.target, 17, 32));
    EXPECT_EQ(0x10u, Rgb(left.target, 5, 12));
}

TEST(TabPainter, CloseBoxesAreRememberedWhereTheyAreDrawnOnEverySide) {
    TDataSkinBorder tabs;
    MakeTabs(tabs);
    for (int side : {tabTop, tabBottom, tabLeft, tabRight}) {
        SCOPED_TRACE(side);
        FixedText text;
        Picture p = Paint(tabs, side, true, text);
        ASSERT_EQ(3u, p.boxes.size());
        for (size_t i = 0; i < p.boxes.size(); ++i) {
            const TRect b = p.boxes[i];
            EXPECT_EQ(6, b.Width());
            EXPECT_EQ(6, b.Height());
            // The square's four corners and the centre of its diagonals are drawn.
            const uint32_t colour = i == 1 ? 0x222222u : 0x111111u;
            EXPECT_EQ(colour, Rgb(p.target, b.left, b.top));
            EXPECT_EQ(colour, Rgb(p.target, b.right - 1, b.bottom - 1));
            EXPECT_EQ(colour, Rgb(p.target, b.left, b.bottom - 1));
            EXPECT_EQ(colour, Rgb(p.target, b.right - 1, b.top));
            EXPECT_EQ(colour, Rgb(p.target, b.left + 2, b.top + 2));
            EXPECT_EQ(static_cast<int>(i), TabCloseBoxAt(p.boxes, b.left + 3, b.top + 1));
            EXPECT_EQ(-1, TabCloseBoxAt(p.boxes, b.left - 1, b.top - 1));
        }
    }
    // Top: at the tab's top-right corner, 2 pixels in, after the one-pixel move down.
    FixedText text;
    Picture top = Paint(tabs, tabTop, true, text);
    EXPECT_EQ((TRect{24, 5, 30, 11}), top.boxes[0]);
}

TEST(TabPainter, CaptionBlockAlignsLeftCentredRightAndNeverTouchesTheLeftEdge) {
    const TRect tab{10, 0, 70, 20};
    const TTextSize image{16, 16}, text{24, 10};
    TTabCaptionLayout left = LayoutTabCaption(tab, image, text, tcaLeft);
    EXPECT_EQ((TRect{13, 2, 29, 18}), left.image);
    EXPECT_EQ((TRect{29, 5, 53, 15}), left.text);
    EXPECT_EQ(20, LayoutTabCaption(tab, image, text, tcaCentre).image.left);
    EXPECT_EQ(28, LayoutTabCaption(tab, image, text, tcaRight).image.left);
    EXPECT_EQ(44, LayoutTabCaption(tab, {}, text, tcaRight).text.left);
    // A block wider than the tab starts one pixel in when centred or right-aligned.
    const TTextSize wide{80, 10};
    EXPECT_EQ(13, LayoutTabCaption(tab, {}, wide, tcaLeft).text.left);
    for (int a : {tcaCentre, tcaRight}) EXPECT_EQ(11, LayoutTabCaption(tab, {}, wide, a).text.left);
}
