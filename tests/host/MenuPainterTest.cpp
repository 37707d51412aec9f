// Skinned menu items pixel by pixel: element cells per state, separator cell, check mark,
// text placement and colours, right-to-left mirroring, the popup background, measuring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/MenuPainter.h"

namespace {

constexpr uint32_t kCellColours[5] = {0x000010, 0x000020, 0x000030, 0x000040, 0x000050};
constexpr uint32_t kMagenta = 0xFF00FF;

// Text is 6 pixels per byte and 10 high, drawn as a filled block of its colour; the image
// is a 16 x 16 block and the check mark a 7 x 7 block of fixed colours.
class FakeRenderer : public TMenuItemRenderer {
public:
    TExtent MeasureText(const std::string& text, bool) const override {
        return {6 * static_cast<int>(text.size()), 10};
    }
    void PaintText(PixelBuffer& target, const std::string& text, const TRect& rect, uint32_t rgb, bool bold,
                   unsigned format) override {
        texts.push_back({text, rect, rgb, bold, format});
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) target.SetPixel(x, y, PixelFromColour(rgb));
    }
    void PaintImage(PixelBuffer& target, int x, int y, bool) override {
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i) target.SetPixel(x + i, y + j, PixelFromColour(0x123456));
    }
    TExtent CheckMarkSize() const override { return {7, 7}; }
    void PaintCheckMark(PixelBuffer& target, int x, int y, uint32_t rgb) override {
        markAt = {x, y, x + 7, y + 7};
        for (int j = 0; j < 7; ++j)
            for (int i = 0; i < 7; ++i) target.SetPixel(x + i, y + j, PixelFromColour(rgb));
    }
    struct Text {
        std::string text;
        TRect rect;
        uint32_t rgb;
        bool bold;
        unsigned format;
    };
    std::vector<Text> texts;
    TRect markAt;
};

// MenuItem: five 20 x 20 cells side by side, each a solid colour with a 2-pixel magenta
// band at the top of the separator cell; margins 4. MenuBackground: 10 x 10, a 3-pixel
// border of one colour around another.
void MakeSkin(TSkinDefinition& skin) {
    skin.MenuItem = std::make_unique<TDataSkinObject>("MenuItem");
    TDataSkinObject& item = *skin.MenuItem;
    item.Image = PixelBuffer(100, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x) item.Image.SetPixel(x, y, PixelFromColour(kCellColours[x / 20]));
    for (int y = 0; y < 2; ++y)
        for (int x = 20; x < 40; ++x) item.Image.SetPixel(x, y, PixelFromColour(kMagenta));
    item.FrameCount = 5;
    item.LeftWidth = item.RightWidth = item.TopHeight = item.BottomHeight = 4;
    skin.MenuBackground = std::make_unique<TDataSkinObject>("MenuBackground");
    TDataSkinObject& back = *skin.MenuBackground;
    back.Image = PixelBuffer(10, 10);
    back.Image.Fill(PixelFromColour(0x00AA00));
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x) back.Image.SetPixel(x, y, PixelFromColour(0x0000BB));
    back.LeftWidth = back.RightWidth = back.TopHeight = back.BottomHeight = 3;
    skin.Colours[scMenu] = 0x111111;
    skin.Colours[scMenuText] = 0x222222;
    skin.Colours[scHilight] = 0x333333;
    skin.Colours[scHilightText] = 0x444444;
    skin.Colours[scButtonShadow] = 0x555555;
}

uint32_t At(const PixelBuffer& b, int x, int y) { return ColourFromPixel(b.Pixel(x, y)); }

class MenuPainterTest : public ::testing::Test {
protected:
    void SetUp() override { MakeSkin(skin); }
    PixelBuffer Paint(const TMenuItemLook& look, TRect r = {3, 3, 103, 23}, const PixelBuffer* back = nullptr) {
        PixelBuffer out(r.Width(), r.Height());
        renderer.texts.clear();
        PaintMenuItem(out, skin, look, r, back, renderer);
        return out;
    }
    TSkinDefinition skin;
    FakeRenderer renderer;
};

TEST_F(MenuPainterTest, ItemCellPerStateWithCaptionAndShortcutPlacedAndColoured) {
    TMenuItemLook look;
    look.caption = "Open";
    look.shortcut = "Ctrl+O";
    PixelBuffer normal = Paint(look);
    EXPECT_EQ(At(normal, 1, 1), kCellColours[0]);
    EXPECT_EQ(At(normal, 99, 19), kCellColours[0]);
    ASSERT_EQ(renderer.texts.size(), 2u);
    // Glyph box: 1 + LeftWidth 4, 16 wide; text 3 further, centred vertically.
    EXPECT_EQ(renderer.texts[0].rect, (TRect{24, 5, 48, 15}));
    EXPECT_EQ(renderer.texts[0].rgb, 0x222222u);
    EXPECT_EQ(renderer.texts[1].rect, (TRect{48, 5, 89, 15}));
    EXPECT_TRUE(renderer.texts[1].format & kMenuTextRight);

    look.selected = true;
    look.isDefault = true;
    PixelBuffer selected = Paint(look);
    EXPECT_EQ(At(selected, 1, 1), kCellColours[3]);
    EXPECT_EQ(renderer.texts[0].rgb, 0x444444u);
    EXPECT_TRUE(renderer.texts[0].bold);
}

TEST_F(MenuPainterTest, DisabledTextUsesButtonShadowUnlessItEqualsMenuText) {
    TMenuItemLook look;
    look.caption = "x";
    look.enabled = false;
    look.selected = true;
    EXPECT_EQ(MenuItemTextColour(skin, look), 0x555555u);
    skin.Colours[scButtonShadow] = skin.Colours[scMenuText];
    EXPECT_EQ(MenuItemTextColour(skin, look), ColourToRGB(SystemColour(16)));
    EXPECT_NE(MenuItemTextColour(skin, look), 0x222222u);
}

TEST_F(MenuPainterTest, SeparatorShowsSecondCellBottomAlignedOverTheBackground) {
    PixelBuffer back = MenuBackgroundPicture(skin, 120, 40);
    ASSERT_FALSE(back.Empty());
    TMenuItemLook look;
    look.caption = "-";
    // An item 10 high shows the cell's lower 10 rows: no magenta band, cell 2 everywhere.
    PixelBuffer low = Paint(look, {0, 10, 100, 20}, &back);
    EXPECT_EQ(At(low, 0, 0), kCellColours[1]);
    EXPECT_EQ(At(low, 50, 9), kCellColours[1]);
    EXPECT_TRUE(renderer.texts.empty());
    // An item as tall as the cell: the magenta rows let the popup background through.
    PixelBuffer full = Paint(look, {3, 3, 103, 23}, &back);
    // The item's background is the popup picture moved by the frame: its inner colour.
    EXPECT_EQ(At(full, 50, 0), 0x0000BBu);
    EXPECT_EQ(At(full, 50, 5), kCellColours[1]);
}

TEST_F(MenuPainterTest, CheckedItemWithoutImageGetsCentredCheckMarkAndWithImageSunkenBox) {
    TMenuItemLook look;
    look.caption = "a";
    look.checked = true;
    PixelBuffer plain = Paint(look);
    // Box 5..21 wide 16: mark centred (+1) horizontally, vertically in the item (+1).
    EXPECT_EQ(renderer.markAt, (TRect{10, 7, 17, 14}));
    EXPECT_EQ(At(plain, 10, 7), ColourToRGB(SystemColour(18)));

    look.hasImageList = true;
    look.hasImage = true;
    PixelBuffer image = Paint(look, {3, 3, 103, 25});
    // Box top = (22 - 16) / 2 = 3: sunken edge (shadow top-left, highlight bottom-right) on
    // the box, the image drawn over it.
    EXPECT_EQ(At(image, 5, 3), 0x123456u);
    look.hasImage = false;
    PixelBuffer noIndex = Paint(look, {3, 3, 103, 25});
    EXPECT_EQ(renderer.markAt.left, 10);  // no valid index: the check mark instead
    EXPECT_EQ(At(noIndex, 5, 3), kCellColours[0]);
}

TEST_F(MenuPainterTest, RightToLeftMirrorsGlyphCaptionAndShortcut) {
    TMenuItemLook look;
    look.caption = "Open";
    look.shortcut = "F3";
    look.checked = true;
    look.rightToLeft = true;
    Paint(look);
    // Box at the right edge less LeftWidth: 100 - 1 - 4 - 16 = 79.
    EXPECT_EQ(renderer.markAt.left, 79 + 4 + 1);
    ASSERT_EQ(renderer.texts.size(), 2u);
    EXPECT_EQ(renderer.texts[0].rect, (TRect{52, 5, 76, 15}));
    EXPECT_TRUE(renderer.texts[0].format & kMenuTextRtlReading);
    EXPECT_EQ(renderer.texts[1].rect, (TRect{11, 5, 52, 15}));
}

TEST_F(MenuPainterTest, WithoutMenuItemElementPlainFillAndEtchedSeparator) {
    skin.MenuItem.reset();
    TMenuItemLook look;
    look.caption = "a";
    look.selected = true;
    EXPECT_EQ(At(Paint(look), 50, 1), 0x333333u);
    look.caption = "-";
    look.selected = false;
    PixelBuffer line = Paint(look, {0, 0, 50, 9});
    EXPECT_EQ(At(line, 10, 2), 0x111111u);
    EXPECT_EQ(At(line, 10, 4), ColourToRGB(SystemColour(16)));
    EXPECT_EQ(At(line, 10, 5), ColourToRGB(SystemColour(20)));
}

TEST_F(MenuPainterTest, MeasuringAddsLeftWidthTwelveAndRoomForGlyphWithoutImages) {
    EXPECT_EQ(SkinnedMenuItemWidth(50, &skin, true), 50 + 4 + 12);
    EXPECT_EQ(SkinnedMenuItemWidth(50, &skin, false), 50 + 4 + 12 + 23);
    EXPECT_EQ(SkinnedMenuItemWidth(50, nullptr, false), 50 + 12 + 23);
}

TEST_F(MenuPainterTest, BackgroundKeepsThreePixelFrameAtAnySize) {
    PixelBuffer back = MenuBackgroundPicture(skin, 60, 90);
    EXPECT_EQ(At(back, 2, 45), 0x00AA00u);
    EXPECT_EQ(At(back, 57, 87), 0x00AA00u);
    EXPECT_EQ(At(back, 3, 3), 0x0000BBu);
    EXPECT_EQ(At(back, 56, 86), 0x0000BBu);
    skin.MenuBackground->Image = PixelBuffer();
    EXPECT_TRUE(MenuBackgroundPicture(skin, 60, 90).Empty());
}

}  // namespace
