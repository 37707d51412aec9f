// The program's menu glyph strip: four 16 x 16 glyphs side by side (0 restore,
// 1 maximise, 2 minimise, 3 close), dark strokes on white. White is the strip's mask
// colour, so only the strokes are drawn where a glyph is used (the skinned system menu).
#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

namespace {

constexpr int kCell = 16;
constexpr int kGlyphCount = 4;

// A square outline whose edges sit on pixel boundaries, so every line is one crisp pixel.
Shape Box(double x0, double y0, double x1, double y1) { return InnerStroke(RoundRect(x0, y0, x1, y1, 0), 1); }

Shape GlyphAt(int index, double dx) {
    switch (index) {
    case 0: {  // restore: a back window peeking out above and right of the front one
        Shape front = RoundRect(dx + 3, 6, dx + 11, 13, 0);
        Shape back = Union(Box(dx + 5, 3, dx + 13, 10), RoundRect(dx + 5, 3, dx + 13, 5, 0));
        return Union(Union(Box(dx + 3, 6, dx + 11, 13), RoundRect(dx + 3, 6, dx + 11, 8, 0)),
                     Subtract(back, front));
    }
    case 1:  // maximise: a window with a heavier title edge
        return Union(Box(dx + 3, 3, dx + 13, 13), RoundRect(dx + 3, 3, dx + 13, 5, 0));
    case 2:  // minimise: a bar on the floor
        return RoundRect(dx + 4, 10, dx + 12, 12, 0);
    default:  // close: a cross
        return Union(Segment(dx + 4.5, 4.5, dx + 11.5, 11.5, 1.6), Segment(dx + 11.5, 4.5, dx + 4.5, 11.5, 1.6));
    }
}

}  // namespace

const char kMenuGlyphsName[] = "menuglyphs.bmp";

PixelBuffer DrawMenuGlyphs() {
    Layer layer(kCell * kGlyphCount, kCell);
    for (int i = 0; i < kGlyphCount; ++i) layer.Fill(GlyphAt(i, kCell * i), kText);
    // Pixels less than half covered become magenta here and white below: the mask.
    PixelBuffer strip = layer.Flatten(kWhite, 0.5);
    const uint32_t magenta = PixelFromColour(0xFF00FF), white = PixelFromColour(0xFFFFFF);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x)
            if (strip.Pixel(x, y) == magenta) strip.SetPixel(x, y, white);
    return strip;
}
