// The frame painter with our own skin: where the main window's frame parts go, which
// state frame each part and button is drawn with, and the window shape.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/ImgUtil.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "skin/form/FramePainter.h"

namespace fs = std::filesystem;

namespace {

// Seven pixels per byte, sixteen high; remembers what it was asked to draw, in order.
class FakeRenderer : public TPaintRenderer {
public:
    TExtent Measure(TFontRole, const std::string& text) const override {
        return {7 * static_cast<int>(text.size()), 16};
    }
    void PaintText(PixelBuffer&, const TTextRun& run) override { calls.push_back("text " + run.text); }
    void PaintIcon(PixelBuffer&, const TRect&) override { calls.push_back("icon"); }
    std::vector<std::string> calls;
};

bool IsMagenta(uint32_t pixel) { return (pixel & 0xFFFFFFu) == (PixelFromColour(kMagenta) & 0xFFFFFFu); }

// A frame of an element's side-by-side strip, cut out at its own size.
PixelBuffer Frame(const TDataSkinObject& e, int index) {
    const TRect f = FrameRect(e.Image, false, e.SafeFrameCount(), index);
    PixelBuffer out(f.Width(), f.Height());
    StretchCopy(out, {0, 0, f.Width(), f.Height()}, e.Image, f);
    return out;
}

// True when every opaque pixel of picture shows at (x, y) of target.
bool Shows(const PixelBuffer& target, const PixelBuffer& picture, int x, int y) {
    for (int py = 0; py < picture.Height(); ++py)
        for (int px = 0; px < picture.Width(); ++px)
            if (!IsMagenta(picture.Pixel(px, py)) && target.Pixel(x + px, y + py) != picture.Pixel(px, py))
                return false;
    return true;
}

class FramePainter : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path package = fs::read_symlink("/proc/self/exe").parent_path() / "generated" / "KelvoraSkin.skn";
        std::ifstream in(package, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_TRUE(LoadSkinPackage(skin, bytes, ClassicSkinPlatform())) << package;
        // The main window: 445 x 364 client, single border, system menu and minimise box.
        state.width = 453;
        state.height = 398;
        state.captionIcons = ciSystemMenu | ciMinimiseBox;
        state.caption = "Kelvora";
        state.hasIcon = true;
    }
    const TCaptionButtonPlace& Button(const TFrameLayout& l, int action, int visibility) {
        for (const TCaptionButtonPlace& b : l.buttons)
            if (b.element->Action == action && b.element->Visibility == visibility) return b;
        ADD_FAILURE() << "no button " << action << "/" << visibility;
        return l.buttons.front();
    }

    TSkinDefinition skin;
    TFrameState state;
    FakeRenderer renderer;
};

}  // namespace

TEST_F(FramePainter, MainWindowGeometry) {
    const TFrameLayout l = LayoutFrame(skin, state, renderer);
    const TExtent outer = WindowSizeForClient(l.sizes, 0, 445, 364);
    EXPECT_EQ((std::vector<int>{l.sizes.left, l.sizes.top, l.sizes.right, l.sizes.bottom, outer.width, outer.height}),
              (std::vector<int>{4, 30, 4, 4, 453, 398}));
    EXPECT_EQ(l.caption, MakeRect(4, 0, 449, 30));
    EXPECT_EQ(l.client, MakeRect(4, 30, 449, 394));

    // "  Kelvora " is 70 x 16: its box starts at the text shift (24) from the caption's
    // left, is centred vertically and carries 10-pixel background ends.
    EXPECT_EQ(l.text.text, "  Kelvora ");
    EXPECT_EQ(l.textBox, MakeRect(28, 7, 118, 23));
    EXPECT_EQ(l.text.rect, MakeRect(38, 7, 108, 23));
    EXPECT_EQ(l.text.colour, ColourToRGB(skin.Colours[scTitleTextActive]));
    EXPECT_EQ(l.text.format, unsigned{tfSingleLine | tfNoPrefix | tfEndEllipsis});
    EXPECT_EQ(l.icon, MakeRect(8, 7, 24, 23));

    // Close and minimise work; maximise shows greyed; restore and help hide.
    EXPECT_EQ(l.rightButtonsWidth, 94);
    const TCaptionButtonPlace& close = Button(l, caClose, 0);
    EXPECT_EQ(close.bounds, MakeRect(419, 4, 447, 26));
    EXPECT_EQ(close.frame, 1);
    const TCaptionButtonPlace& max = Button(l, caMaximise, 2);
    EXPECT_TRUE(max.visible && !max.enabled && max.frame == 4);
    EXPECT_EQ(Button(l, caMinimise, 6).bounds, MakeRect(359, 4, 387, 26));
    EXPECT_FALSE(Button(l, caMaximise, 1).visible);
    EXPECT_FALSE(Button(l, caHelp, 10).visible);

    // A long caption stops at the skin's right clip; maximised with a maximise box, the
    // restore button replaces the maximise button.
    state.caption = std::string(80, 'x');
    state.captionIcons |= ciMaximiseBox;
    state.show = TShowState::Maximised;
    const TFrameLayout m = LayoutFrame(skin, state, renderer);
    EXPECT_EQ(m.textBox.right, 449 - 100);
    EXPECT_EQ(m.text.rect.right, 449 - 100 - 10);
    EXPECT_FALSE(Button(m, caMaximise, 2).visible);
    EXPECT_TRUE(Button(m, caMaximise, 1).visible && Button(m, caMaximise, 1).enabled);
}

TEST_F(FramePainter, ActiveAndInactiveLooksDiffer) {
    const TFramePicture active = PaintFrame(skin, state, renderer);
    state.active = false;
    const TFramePicture inactive = PaintFrame(skin, state, renderer);
    ASSERT_EQ(active.pixels.Width(), 453);
    ASSERT_EQ(active.pixels.Height(), 398);

    // Every border part in frame 1 when active, frame 2 when not.
    for (bool on : {true, false}) {
        const PixelBuffer& px = on ? active.pixels : inactive.pixels;
        EXPECT_TRUE(Shows(px, BorderPart(skin, 1, 4, 398, on), 0, 0));
        EXPECT_TRUE(Shows(px, BorderPart(skin, 2, 4, 398, on), 449, 0));
        EXPECT_TRUE(Shows(px, BorderPart(skin, 4, 445, 4, on), 4, 394));
    }
    EXPECT_NE(active.pixels.Pixel(226, 15), inactive.pixels.Pixel(226, 15));
    EXPECT_NE(active.pixels.Pixel(0, 200), inactive.pixels.Pixel(0, 200));
    ASSERT_EQ(inactive.texts.size(), 1u);
    EXPECT_EQ(inactive.texts[0].colour, ColourToRGB(skin.Colours[scTitleTextNoActive]));
    EXPECT_NE(inactive.texts[0].colour, active.texts[0].colour);
    // Working buttons grey out in an inactive window.
    const TCaptionButtonPlace& close = Button(inactive.layout, caClose, 0);
    EXPECT_EQ(close.frame, 4);
    EXPECT_TRUE(Shows(inactive.pixels, Frame(*close.element, 4), close.bounds.left, close.bounds.top));

    // Text is drawn before the icon button; the client area stays untouched.
    EXPECT_EQ(renderer.calls, (std::vector<std::string>{"text   Kelvora ", "icon", "text   Kelvora ", "icon"}));
    EXPECT_EQ(active.client, MakeRect(4, 30, 449, 394));
    for (int y = 30; y < 394; y += 7)
        for (int x = 4; x < 449; x += 5) ASSERT_EQ(active.pixels.Pixel(x, y), 0u) << x << "," << y;
}

TEST_F(FramePainter, HotAndPressedButtonsUseTheirFrames) {
    const TFramePicture normal = PaintFrame(skin, state, renderer);
    const TCaptionButtonPlace& close = Button(normal.layout, caClose, 0);
    EXPECT_TRUE(Shows(normal.pixels, Frame(*close.element, 1), close.bounds.left, close.bounds.top));

    state.buttonStates.assign(skin.SysButtons.size(), TButtonState::Normal);
    state.buttonStates[0] = TButtonState::Pressed;  // the close button
    state.buttonStates[1] = TButtonState::Hot;      // maximise, disabled here
    const TFramePicture pressed = PaintFrame(skin, state, renderer);
    EXPECT_EQ(pressed.layout.buttons[0].frame, 2);
    EXPECT_TRUE(Shows(pressed.pixels, Frame(*close.element, 2), close.bounds.left, close.bounds.top));
    int changed = 0;
    for (int y = close.bounds.top; y < close.bounds.bottom; ++y)
        for (int x = close.bounds.left; x < close.bounds.right; ++x)
            changed += pressed.pixels.Pixel(x, y) != normal.pixels.Pixel(x, y);
    EXPECT_GT(changed, 100);
    EXPECT_EQ(pressed.layout.buttons[1].frame, 4);

    state.buttonStates[0] = TButtonState::Hot;
    EXPECT_EQ(LayoutFrame(skin, state, renderer).buttons[0].frame, 3);
}

TEST_F(FramePainter, TinyAndCaptionlessWindowsAreSafe) {
    for (TShowState show : {TShowState::Normal, TShowState::Minimised})
        for (int w : {0, 1, 3, 5, 8, 9, 40})
            for (int h : {0, 1, 2, 5, 30, 33, 35}) {
                state.width = w;
                state.height = h;
                state.show = show;
                const TFramePicture p = PaintFrame(skin, state, renderer);
                EXPECT_EQ(p.pixels.Width(), w > 0 && h > 0 ? w : 0);
                const TRect c = p.layout.client;
                EXPECT_TRUE(c.IsEmpty() || FrameRegion(skin, state).Contains(c.left, c.top)) << w << "x" << h;
            }
    state.show = TShowState::Normal;
    state.borderKind = TBorderKind::NoCaption;
    EXPECT_TRUE(PaintFrame(skin, state, renderer).pixels.Empty());
    EXPECT_EQ(LayoutFrame(skin, state, renderer).client, MakeRect(0, 0, 40, 35));
}

TEST_F(FramePainter, RegionCutsTheRoundedTopCornersOnly) {
    const TFrameRegion region = FrameRegion(skin, state);
    EXPECT_TRUE(region.shaped);
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_FALSE(region.Contains(452, 0));
    EXPECT_FALSE(region.Contains(0, 2));
    EXPECT_TRUE(region.Contains(0, 8));
    EXPECT_TRUE(region.Contains(226, 0));
    EXPECT_TRUE(region.Contains(0, 397));
    EXPECT_TRUE(region.Contains(452, 397));
    EXPECT_FALSE(region.Contains(453, 100));
    // Exactly the border pixels that are not magenta belong to the window.
    const PixelBuffer left = BorderPart(skin, 1, 4, 398, true), top = BorderPart(skin, 3, 445, 30, true);
    for (int y = 0; y < 398; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_EQ(region.Contains(x, y), !IsMagenta(left.Pixel(x, y))) << x << "," << y;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 445; ++x)
            ASSERT_EQ(region.Contains(4 + x, y), !IsMagenta(top.Pixel(x, y))) << x << "," << y;

    // Without transparent borders the window keeps its rectangle.
    for (TDataSkinBorder* b : {&skin.BorderLeft, &skin.BorderRight, &skin.BorderTop, &skin.BorderBottom}) b->Trans = 0;
    const TFrameRegion plain = FrameRegion(skin, state);
    EXPECT_FALSE(plain.shaped);
    EXPECT_TRUE(plain.Contains(0, 0));
    EXPECT_TRUE(plain.Contains(452, 397));
}
