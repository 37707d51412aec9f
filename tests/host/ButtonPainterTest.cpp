#include "skin/controls/ButtonPainter.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 6 px per character, 10 px per line; CR LF starts a line. Records what is drawn.
struct FixedText : TButtonText {
    struct Run {
        std::wstring text;
        TRect rect;
        unsigned flags;
    };
    std::vector<Run> runs;
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        if (text.empty()) return {};
        int lines = 1, widest = 0, cur = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++lines, ++i, cur = 0;
                continue;
            }
            widest = std::max(widest, ++cur);
        }
        return {widest * 6, lines * 10};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned flags, uint32_t) override {
        runs.push_back({text, rect, flags});
    }
};

// Five 8 x 8 frames, frame f solid colour f (opaque, no margins).
void FiveFrames(TDataSkinButton& b) {
    b.FrameCount = 5;
    b.Image = PixelBuffer(40, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 40; ++x) b.Image.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(x / 8 + 1));
}

int FrameShown(const TDataSkinButton& element, int face) {
    PixelBuffer target(30, 20);
    FixedText text;
    TPushFace f;
    f.face = face;
    PaintPushButton(target, element, f, text);
    return static_cast<int>(target.Pixel(15, 10) & 0xFF);
}

}  // namespace

TEST(ButtonPainter, FaceStateRulesAndTheFrameEachShows) {
    // Disabled overrides every mouse and focus state.
    for (uint8_t mouse : {0, 1, 2, 3})
        EXPECT_EQ(bfDisabled, PushButtonFace(false, mouse, true, true));
    EXPECT_EQ(bfPressed, PushButtonFace(true, kButtonHot | kButtonPressed, true, true));
    EXPECT_EQ(bfHot, PushButtonFace(true, kButtonHot, true, true));
    EXPECT_EQ(bfDefault, PushButtonFace(true, 0, false, true));
    EXPECT_EQ(bfDefault, PushButtonFace(true, 0, true, false));
    EXPECT_EQ(bfNormal, PushButtonFace(true, 0, false, false));
    EXPECT_EQ(bfHot, MenuButtonFace(true, 0, true));
    EXPECT_EQ(bfPressed, SpeedButtonFace(true, false, 0));
    EXPECT_EQ(bfNormal, SpeedButtonFace(false, true, 0));  // no default state

    TDataSkinButton element;
    FiveFrames(element);
    for (int face = 1; face <= 5; ++face) EXPECT_EQ(face, FrameShown(element, face)) << face;
}

TEST(ButtonPainter, CaptionSplitsAtFirstDoubleBarAndCentresBothLines) {
    EXPECT_EQ(L"ab\r\ncd||ef", TwoLineCaption(L"ab||cd||ef"));
    EXPECT_EQ(L"plain", TwoLineCaption(L"plain"));

    TDataSkinButton element;
    FiveFrames(element);
    PixelBuffer target(75, 41);
    FixedText text;
    TPushFace face;
    face.caption = L"Save||Now";
    face.focusRect = true;
    face.rtl = true;
    PaintPushButton(target, element, face, text);
    ASSERT_EQ(1u, text.runs.size());
    EXPECT_EQ(L"Save\r\nNow", text.runs[0].text);
    // 24 x 20 text: x (75 - 24) / 2 = 25, y (41 - 20) / 2 - 1 = 9.
    EXPECT_EQ((TRect{25, 9, 49, 29}), text.runs[0].rect);
    EXPECT_EQ(btCenter | btWordBreak | btExpandTabs | btRtlReading, text.runs[0].flags);
    // Focus rectangle two pixels around the text, dotted by inversion.
    EXPECT_EQ(0xFFFFFFFEu, target.Pixel(23, 7));  // frame 1 colour 0x000001 inverted
    EXPECT_EQ(0xFF000001u, target.Pixel(24, 7));
    EXPECT_EQ(0xFF000001u, target.Pixel(23, 8));  // inside the dotted line's gap
    EXPECT_EQ(0xFF000001u, target.Pixel(30, 15));  // not inside the rectangle

    // Centring rounds toward zero when the text is wider than the face.
    EXPECT_EQ(-3, PushCaptionRect(TRect{0, 0, 6, 10}, L"ab", text).left);
}

TEST(ButtonPainter, TextColourOverridesAndDisabledShadow) {
    TDataSkinButton element;
    FiveFrames(element);
    const TColour shadow = SystemColour(16);
    EXPECT_EQ(7, ButtonTextColour(element, bfHot, 7, shadow));
    element.HasNormalColour2 = true, element.NormalColour2 = 1;
    element.HasMouseOverColour2 = true, element.MouseOverColour2 = 2;
    element.HasPressedColour2 = true, element.PressedColour2 = 3;
    EXPECT_EQ(1, ButtonTextColour(element, bfDefault, 7, shadow));
    EXPECT_EQ(2, ButtonTextColour(element, bfHot, 7, shadow));
    EXPECT_EQ(3, ButtonTextColour(element, bfPressed, 7, shadow));
    EXPECT_EQ(shadow, ButtonTextColour(element, bfDisabled, 7, shadow));
}

TEST(ButtonPainter, GlyphLayoutMarginAndSpacing) {
    FixedText text;
    // Automatic margin and spacing split the free width in three: 100 - (16 + 24) = 60.
    TGlyphPlacement p = PlaceGlyphAndText(TRect{0, 0, 100, 30}, {16, 16}, L"abcd", glGlyphLeft, -1, -1, false, text);
    EXPECT_EQ((TRect{20, 7, 36, 23}), p.glyph);
    EXPECT_EQ((TRect{56, 10, 80, 20}), p.text);
    EXPECT_EQ(static_cast<unsigned>(btWordBreak), p.textFlags);

    // Fixed margin, automatic spacing: (100 - (4 + 16) - 24) / 2 = 28 between them.
    p = PlaceGlyphAndText(TRect{0, 0, 100, 30}, {16, 16}, L"abcd", glGlyphRight, 4, -1, false, text);
    EXPECT_EQ(80, p.glyph.left);
    EXPECT_EQ(80 - 28 - 24, p.text.left);
    EXPECT_TRUE(p.textFlags & btRight);

    // Centred alignment with a fixed spacing centres the pair; vertical layouts stack them.
    p = PlaceGlyphAndText(TRect{0, 0, 40, 60}, {16, 16}, L"ab", glGlyphBottom, 3, 2, true, text);
    EXPECT_EQ((TRect{12, 28, 28, 44}), p.glyph);  // margin (60 - 28) / 2 = 16 from the bottom
    EXPECT_EQ((TRect{14, 16, 26, 26}), p.text);
    EXPECT_TRUE(p.textFlags & btCenter);

    // No caption: spacing counts as 0 and the glyph alone is centred.
    p = PlaceGlyphAndText(TRect{0, 0, 40, 20}, {16, 16}, L"", glGlyphLeft, -1, 5, false, text);
    EXPECT_EQ(12, p.glyph.left);
    EXPECT_EQ(glGlyphTop, GlyphLayoutFromText("blglyphtop"));
    EXPECT_EQ(glGlyphLeft, GlyphLayoutFromText("bogus"));

    // Cells: pressed 3, disabled 2, down 4; a cell the glyph lacks falls back to 1.
    EXPECT_EQ(3, GlyphCell(bfPressed, 4));
    EXPECT_EQ(2, GlyphCell(bfDisabled, 4));
    EXPECT_EQ(1, GlyphCell(bfHot, 4));
    EXPECT_EQ(4, GlyphCell(bfPressed, 4, true));
    EXPECT_EQ(1, GlyphCell(bfPressed, 2));
}

TEST(ButtonPainter, GlyphKeyIsBottomLeftAndEmbossDrawsShape) {
    PixelBuffer glyph(4, 2);  // two 2 x 2 cells; key colour 0x0000FF at the bottom left
    glyph.Fill(PixelFromColour(0x0000FF));
    glyph.SetPixel(1, 0, PixelFromColour(0x00FF00));
    glyph.SetPixel(3, 1, PixelFromColour(0x123456));
    PixelBuffer target(4, 4);
    target.Fill(0xFF000000u);
    PaintGlyph(target, TRect{1, 1, 3, 3}, glyph, 2, 1, false, 0, 0);
    EXPECT_EQ(PixelFromColour(0x00FF00), target.Pixel(2, 1));
    EXPECT_EQ(0xFF000000u, target.Pixel(1, 1));
    target.Fill(0xFF000000u);
    PaintGlyph(target, TRect{1, 1, 3, 3}, glyph, 1, 1, true, 0xFFFFFF, 0x808080);
    EXPECT_EQ(PixelFromColour(0x808080), target.Pixel(2, 1));
    EXPECT_EQ(PixelFromColour(0xFFFFFF), target.Pixel(3, 2));
}

TEST(ButtonPainter, CheckAndRadioCells) {
    TCheckInput in;
    EXPECT_EQ(1, CheckBoxCell(in, 4));
    in.checked = true;
    EXPECT_EQ(2, CheckBoxCell(in, 4));
    EXPECT_EQ(5, CheckBoxCell(in, 12));
    in.disabled = true;
    EXPECT_EQ(4, CheckBoxCell(in, 4));
    EXPECT_EQ(8, CheckBoxCell(in, 12));
    in.checked = false;
    EXPECT_EQ(3, CheckBoxCell(in, 4));
    EXPECT_EQ(4, CheckBoxCell(in, 12));
    in.indeterminate = true;
    EXPECT_EQ(4, CheckBoxCell(in, 4));
    EXPECT_EQ(12, CheckBoxCell(in, 12));
    in.disabled = false;
    EXPECT_EQ(9, CheckBoxCell(in, 12));

    // A control's State text wins over the window; "unchecked" is not "checked".
    TCheckInput c;
    c.checked = true, c.hasControl = true, c.hasState = true, c.state = "cbunchecked";
    EXPECT_EQ(1, CheckBoxCell(c, 4));
    c.state = "cbgrayed";
    EXPECT_EQ(4, CheckBoxCell(c, 4));
    c.disabled = true;  // grayed and disabled stays on the strip
    EXPECT_EQ(4, CheckBoxCell(c, 4));
    TCheckInput d;
    d.hasControl = true, d.hasChecked = true, d.checkedTrue = true;
    EXPECT_EQ(2, CheckBoxCell(d, 4));
    d.hasDataField = true, d.rememberedCheck = 3;
    EXPECT_EQ(4, CheckBoxCell(d, 4));

    EXPECT_EQ(2, RadioButtonCell(false, true, true, false, 4));
    EXPECT_EQ(1, RadioButtonCell(true, true, false, false, 4));
    EXPECT_EQ(5, RadioButtonCell(true, false, false, false, 8));
    EXPECT_EQ(4, RadioButtonCell(false, false, false, true, 8));
    EXPECT_EQ(8, RadioButtonCell(true, false, false, true, 8));
}

TEST(ButtonPainter, CheckGlyphPlacement) {
    TCheckPlacement p = PlaceCheckGlyph(TRect{0, 0, 100, 21}, 13, 13, false, false, false);
    EXPECT_EQ((TRect{0, 4, 13, 17}), p.glyph);
    EXPECT_EQ((TRect{15, 0, 100, 21}), p.text);
    EXPECT_EQ(0u, p.textFlags);
    p = PlaceCheckGlyph(TRect{0, 0, 100, 21}, 13, 13, true, false, true);
    EXPECT_EQ((TRect{87, 4, 100, 17}), p.glyph);
    EXPECT_EQ((TRect{0, 0, 85, 21}), p.text);
    EXPECT_EQ(static_cast<unsigned>(btRight | btRtlReading), p.textFlags);
    p = PlaceCheckGlyph(TRect{0, 0, 100, 21}, 13, 13, true, true, false);
    EXPECT_EQ(86, p.glyph.left);
    EXPECT_EQ(0u, p.textFlags);

    // The cell is drawn with magenta left alone.
    PixelBuffer strip(4, 2);
    strip.Fill(PixelFromColour(0xFF00FF));
    strip.SetPixel(2, 0, PixelFromColour(0x00AA00));
    PixelBuffer target(2, 2);
    target.Fill(0xFF111111u);
    PaintGlyphCell(target, TRect{0, 0, 2, 2}, strip, 2, 2);
    EXPECT_EQ(PixelFromColour(0x00AA00), target.Pixel(0, 0) | 0xFF000000u);
    EXPECT_EQ(0xFF111111u, target.Pixel(1, 1));
}
