#include "skin/controls/ComboPainter.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kBackground = 0x123456;

uint32_t Rgb(const PixelBuffer& px, int x, int y) { return ColourFromPixel(px.Pixel(x, y)); }

// count frames of w x h side by side, frame f solid colour f; with a magenta hole
// (transparent middle) when hole is set.
PixelBuffer Frames(int count, int w, int h, bool hole) {
    PixelBuffer image(count * w, h);
    for (int f = 0; f < count; ++f)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool middle = hole && x >= 3 && x < w - 3 && y >= 3 && y < h - 3;
                image.SetPixel(f * w + x, y, PixelFromColour(middle ? kMagenta : static_cast<uint32_t>(f + 1)));
            }
    return image;
}

std::unique_ptr<TDataSkinBorder> Button(int style, int frameColourOffset = 0) {
    auto b = std::make_unique<TDataSkinBorder>("ComboButton");
    b->Style = style;
    b->FrameCount = 4;
    b->Trans = 1;
    b->Image = Frames(4, 10, 10, false);
    b->Image2 = Frames(4, 10, 10, false);
    // The mirrored strip is told apart by its colours: 0x10 + cell.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x) b->Image2.SetPixel(x, y, PixelFromColour(0x10u + x / 10 + 1 + frameColourOffset));
    return b;
}

PixelBuffer Background(int w, int h) {
    PixelBuffer px(w, h);
    px.Fill(PixelFromColour(kBackground));
    return px;
}

// 6 px per character, 10 px high; records the runs.
struct FixedText : TButtonText {
    struct Run {
        std::wstring text;
        TRect rect;
        uint32_t colour;
    };
    std::vector<Run> runs;
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        return text.empty() ? TTextSize{} : TTextSize{static_cast<int>(text.size()) * 6, 10};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned, uint32_t colour) override {
        runs.push_back({text, rect, colour});
    }
};

}  // namespace

TEST(ComboPainter, FaceRulesIncludingTheCompactLookKeepingHotWhenDisabled) {
    EXPECT_EQ(cfPressed, ComboFace(true, true, false, false));
    EXPECT_EQ(cfHot, ComboFace(false, true, false, false));
    EXPECT_EQ(cfNormal, ComboFace(false, false, false, false));
    EXPECT_EQ(cfDisabled, ComboFace(true, true, true, false));
    EXPECT_EQ(cfDisabled, ComboFace(false, false, true, true));
    EXPECT_EQ(cfDisabled, ComboFace(true, false, true, true));
    EXPECT_EQ(cfHot, ComboFace(false, true, true, true));
}

TEST(ComboPainter, CompositeLookFramesTheWholeBoxAndLeavesItsMiddleToTheWindow) {
    TSkinDefinition skin;
    skin.ComboButton = Button(2);
    skin.ComboButton->Image = Frames(4, 12, 12, true);
    skin.ComboButton->LeftWidth = skin.ComboButton->RightWidth = 3;
    skin.ComboButton->TopHeight = skin.ComboButton->BottomHeight = 3;
    skin.SunkEdge = std::make_unique<TDataSkinObject>("SunkEdge");
    skin.SunkEdge->FrameCount = 4;
    skin.SunkEdge->Image = Frames(4, 12, 12, true);
    for (int y = 0; y < 12; ++y)  // the mirrored composite: colours 0x20 + cell
        for (int x = 0; x < 48; ++x)
            if (Rgb(skin.SunkEdge->Image, x, y) != kMagenta)
                skin.SunkEdge->Image.SetPixel(x, y, PixelFromColour(0x20u + x / 12 + 1));
    for (int face = 1; face <= 4; ++face) {
        PixelBuffer px = Background(80, 22);
        TComboLook look;
        look.face = face;
        EXPECT_TRUE(PaintComboBox(px, skin, look).IsEmpty());
        EXPECT_EQ(static_cast<uint32_t>(face), Rgb(px, 0, 0));
        EXPECT_EQ(static_cast<uint32_t>(face), Rgb(px, 79, 21));
        EXPECT_EQ(kBackground, Rgb(px, 40, 11)) << "the window's own text area stays";
        look.leftButton = true;
        PaintComboBox(px, skin, look);
        EXPECT_EQ(0x20u + face, Rgb(px, 0, 0)) << "left button: the mirrored composite";
    }
}

TEST(ComboPainter, SunkenLookKeepsTheTextAndDrawsButtonAndArrowOnItsSide) {
    TSkinDefinition skin;
    skin.ComboButton = Button(0);
    skin.SunkEdge = std::make_unique<TDataSkinObject>("SunkEdge");
    skin.SunkEdge->FrameCount = 4;
    skin.SunkEdge->Image = Frames(4, 8, 8, false);  // opaque, middle too
    skin.ExtraImages = std::make_unique<TDataSkinObject>("ExtraImages");
    skin.ExtraImages->FrameCount = 5;
    skin.ExtraImages->Image = PixelBuffer(5 * 4, 4);  // 4 x 4 arrow cells, colour 0x30 + cell
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 4; ++y) skin.ExtraImages->Image.SetPixel(x, y, PixelFromColour(0x30u + x / 4 + 1));

    const int w = 100, h = 24, a = 17;
    for (bool left : {false, true}) {
        PixelBuffer px = Background(w, h);
        TComboLook look;
        look.face = cfHot;
        look.leftButton = left;
        look.arrowWidth = a;
        const TRect button = PaintComboBox(px, skin, look);
        EXPECT_EQ(ComboButtonArea(w, h, left, a), button);
        EXPECT_EQ((left ? TRect{0, 0, 19, 24} : TRect{81, 0, 100, 24}), button);
        const TRect text = ComboTextArea(w, h, left, a);
        for (int y = text.top; y < text.bottom; ++y)
            for (int x = text.left; x < text.right; ++x) ASSERT_EQ(kBackground, Rgb(px, x, y)) << x << "," << y;
        // The frame of the state outside the text and the button.
        const int frameX = left ? w - 1 : 0;
        EXPECT_EQ(static_cast<uint32_t>(cfHot), Rgb(px, frameX, 0));
        // The button cell (mirrored strip for the left side), the arrow centred less 2 px outside.
        EXPECT_EQ(left ? 0x10u + cfHot : static_cast<uint32_t>(cfHot), Rgb(px, left ? 1 : w - 2, 1));
        const int arrowLeft = left ? button.left + 2 + (button.Width() - 2 - 4) / 2
                                   : button.left + (button.Width() - 2 - 4) / 2;
        EXPECT_EQ(0x30u + cfHot, Rgb(px, arrowLeft, (h - 4) / 2));
        EXPECT_NE(0x30u + cfHot, Rgb(px, arrowLeft - 1, (h - 4) / 2));
    }
}

TEST(ComboPainter, CompactLookFramesWithBrushAndShadowAndPutsTheCellAtTheButtonSide) {
    TSkinDefinition skin;
    skin.ComboButton = Button(1);
    PixelBuffer px = Background(60, 20);
    TComboLook look;
    look.face = cfPressed;
    look.stripWidth = 15;
    look.brushColour = 0x0000AA;
    look.shadowColour = 0x00BB00;
    const TRect cell = PaintComboBox(px, skin, look);
    EXPECT_EQ((TRect{48, 2, 58, 12}), cell);
    EXPECT_EQ(0x00BB00u, Rgb(px, 0, 10));
    EXPECT_EQ(0x0000AAu, Rgb(px, 1, 10));
    EXPECT_EQ(0x0000AAu, Rgb(px, 44, 15)) << "the strip below the cell";
    EXPECT_EQ(kBackground, Rgb(px, 20, 10));
    EXPECT_EQ(static_cast<uint32_t>(cfPressed), Rgb(px, 50, 5));
    look.leftButton = true;
    PixelBuffer leftSide = Background(60, 20);
    EXPECT_EQ((TRect{2, 2, 12, 12}), PaintComboBox(leftSide, skin, look));
    // No image: nothing drawn at all.
    skin.ComboButton->Image = PixelBuffer();
    PixelBuffer untouched = Background(60, 20);
    EXPECT_TRUE(PaintComboBox(untouched, skin, look).IsEmpty());
    EXPECT_EQ(kBackground, Rgb(untouched, 0, 0));
}

TEST(ComboPainter, ExtendedComboFramesLikeAnEditAndStretchesTheArrowCellOverTheButton) {
    TSkinDefinition skin;
    skin.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    skin.ComboxArrow->FrameCount = 4;
    skin.ComboxArrow->Image = Frames(4, 5, 5, false);
    PixelBuffer px = Background(50, 20);
    PaintExtendedCombo(px, skin, cfDisabled, true, {30, 2, 48, 18}, 0x808080, 0xC0C0C0);
    EXPECT_EQ(0x808080u, Rgb(px, 0, 0));
    EXPECT_EQ(0xFFFFFFu, Rgb(px, 1, 1));
    EXPECT_EQ(kBackground, Rgb(px, 10, 10));
    EXPECT_EQ(static_cast<uint32_t>(cfDisabled), Rgb(px, 39, 10));
    PixelBuffer bare = Background(50, 20);
    PaintExtendedCombo(bare, skin, cfNormal, false, {}, 0x808080, 0xC0C0C0);
    EXPECT_EQ(kBackground, Rgb(bare, 0, 0));
}

TEST(ComboPainter, HeaderHotItemFrameTwoOthersAndTheRestFrameOneCaptionsByFormat) {
    TDataSkinObject bar("Headerbar");
    bar.FrameCount = 5;
    bar.Image = Frames(5, 6, 6, false);
    std::vector<THeaderItem> items(3);
    items[0] = {{0, 0, 80, 20}, L"Name", hfLeft};
    items[1] = {{80, 0, 160, 20}, L"Size", hfRight};
    items[2] = {{160, 0, 240, 20}, L"Kind", hfCenter, 16, 16};
    PixelBuffer px(300, 20);
    FixedText text;
    auto placed = PaintHeaderBar(px, bar, items, 1, false, 0xC0C0C0, 0x000001, 0x808080, text);
    EXPECT_EQ(1u, Rgb(px, 40, 10));
    EXPECT_EQ(2u, Rgb(px, 120, 10));
    EXPECT_EQ(1u, Rgb(px, 200, 10));
    EXPECT_EQ(1u, Rgb(px, 280, 10)) << "right of the last item";
    ASSERT_EQ(3u, text.runs.size());
    EXPECT_EQ((TRect{6, 5, 30, 15}), text.runs[0].rect);
    EXPECT_EQ((TRect{130, 5, 154, 15}), text.runs[1].rect);
    // Image and text centred as one block: 16 + 3 + 24 = 43 wide in 80.
    EXPECT_EQ((TRect{160 + 18, 2, 160 + 34, 18}), placed[2].image);
    EXPECT_EQ((TRect{160 + 37, 5, 160 + 61, 15}), text.runs[2].rect);
    EXPECT_EQ(0x000001u, text.runs[0].colour);
    // A caption wider than its item never starts left of the item.
    items[1].caption = L"A much longer caption";
    text.runs.clear();
    PaintHeaderBar(px, bar, items, -1, true, 0xC0C0C0, 0x000001, 0x808080, text);
    EXPECT_EQ(81, text.runs[1].rect.left);
    EXPECT_EQ(160, text.runs[1].rect.right);
    EXPECT_EQ(0x808080u, text.runs[1].colour) << "disabled";
    EXPECT_EQ(1u, Rgb(px, 120, 10)) << "no hot item";

    EXPECT_EQ(1, HeaderItemAt(items, 80, 0));
    EXPECT_EQ(0, HeaderItemAt(items, 79, 19));
    EXPECT_EQ(-1, HeaderItemAt(items, 240, 5));
    EXPECT_EQ(-1, HeaderItemAt(items, 10, 20));
}
