// Window frame art: one small window is drawn whole (caption gradient, round top
// corners, outline) and cut into the left, right, top and bottom border pictures, so the
// pieces always meet without seams. Caption buttons are drawn on the caption colours of
// the rows they sit on.
#include <cmath>
#include <utility>

#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

namespace {

// Colour of the frame at row y: the caption ramp, then the caption's darker end.
Rgb FrameFill(bool active, double y) {
    double row = std::floor(y);
    return CaptionColour(active, row < kCaptionHeight ? row : kCaptionHeight - 1);
}

PixelBuffer DrawWholeFrame(bool active) {
    const int w = 2 * kBorderWidth + kTopWidth;
    const int h = kCaptionHeight + kSideMiddle + kBorderWidth;
    const double r = kCornerRadius;
    Layer layer(w, h);
    Shape outer = RoundRect4(0, 0, w, h, r, r, 0, 0);
    layer.Fill(outer, [active](double, double y) { return FrameFill(active, y); });
    // A faint light line under the top edge gives the caption some depth.
    Shape innerTop = Intersect(InnerStroke(RoundRect4(1, 1, w - 1, h, r - 1, r - 1, 0, 0), 1),
                               RoundRect(0, 1, w, 2, 0));
    layer.Fill(innerTop, kWhite, 0.16);
    // The outline follows the fill, one step deeper all round.
    layer.Fill(InnerStroke(outer, 1), [active](double, double y) { return Darken(FrameFill(active, y), 0.22); });
    return layer.FlattenHard();
}

enum class Glyph { Close, Maximise, Restore, Minimise, Help };

Shape GlyphShape(Glyph glyph) {
    const double stroke = 1.3;
    switch (glyph) {
    case Glyph::Close:
        return Union(Segment(9.5, 6.5, 18.5, 15.5, 1.4), Segment(18.5, 6.5, 9.5, 15.5, 1.4));
    case Glyph::Minimise:
        return Segment(9.5, 11.5, 18.5, 11.5, 1.2);
    case Glyph::Maximise:
        return InnerStroke(RoundRect(9, 6, 19, 16, 1.5), 1.2);
    case Glyph::Restore: {
        Shape front = RoundRect(9, 8, 17, 16, 1.2);
        Shape back = InnerStroke(RoundRect(11, 6, 19, 14, 1.2), 1.2);
        return Union(InnerStroke(front, 1.2), Subtract(back, RoundRect(8, 7, 18, 17, 1.5)));
    }
    case Glyph::Help: {
        const double pi = 3.14159265358979323846;
        double cx = 14, cy = 8.6, radius = 2.9, end = 0.55;
        double ex = cx + radius * std::cos(end), ey = cy + radius * std::sin(end);
        Shape hook = Union(Arc(cx, cy, radius, pi, 2 * pi + end, stroke),
                           Polyline({ex, ey, 14, 12.2, 14, 13.2}, stroke));
        return Union(hook, Circle(14, 15.6, 0.95));
    }
    }
    return Circle(0, 0, 0);
}

// Frames: 1 normal, 2 pressed, 3 hot, 4 inactive window or disabled button.
PixelBuffer DrawCaptionButton(Glyph glyph) {
    const int w = kCaptionButtonWidth, h = kCaptionButtonHeight;
    const bool close = glyph == Glyph::Close;
    std::vector<PixelBuffer> frames;
    for (int state = 1; state <= 4; ++state) {
        const bool active = state != 4;
        Paint caption = [active](double, double y) { return CaptionColour(active, kCaptionButtonTop + std::floor(y)); };
        Layer layer(w, h);
        Shape body = RoundRect(0, 0, w, h, 4);
        if (state == 2)
            layer.Fill(body, close ? Solid(kClosePressed) : Paint([caption](double x, double y) {
                return Darken(caption(x, y), 0.18);
            }));
        if (state == 3)
            layer.Fill(body, close ? Solid(kCloseHot) : Paint([caption](double x, double y) {
                return Lighten(caption(x, y), 0.18);
            }));
        Rgb ink = state == 4 ? Mix(kWhite, kCaptionBottomInactive, 0.3) : kWhite;
        layer.Fill(GlyphShape(glyph), ink);
        frames.push_back(layer.Flatten(caption));
    }
    return JoinFrames(frames, false);
}

// A soft rounded band behind the caption text, frames stacked: active, inactive.
PixelBuffer DrawTextBack() {
    std::vector<PixelBuffer> frames;
    for (bool active : {true, false}) {
        Paint caption = [active](double, double y) { return CaptionColour(active, std::floor(y)); };
        Layer layer(kTextBackWidth, kCaptionHeight);
        double lift = active ? 0.10 : 0.08;
        layer.Fill(RoundRect(0.5, 5, kTextBackWidth - 0.5, kCaptionHeight - 5, kTextBackEnd),
                   [caption, lift](double x, double y) { return Lighten(caption(x, y), lift); });
        frames.push_back(layer.Flatten(caption));
    }
    return JoinFrames(frames, true);
}

PixelBuffer JoinTwo(PixelBuffer first, PixelBuffer second, bool stacked) {
    std::vector<PixelBuffer> frames;
    frames.push_back(std::move(first));
    frames.push_back(std::move(second));
    return JoinFrames(frames, stacked);
}

}  // namespace

void DrawFrameArt(std::vector<SkinPicture>& out) {
    const int w = 2 * kBorderWidth + kTopWidth;
    const int h = kCaptionHeight + kSideMiddle + kBorderWidth;
    PixelBuffer active = DrawWholeFrame(true);
    PixelBuffer inactive = DrawWholeFrame(false);
    // Side pictures hold their two frames side by side, top and bottom ones stacked.
    out.push_back({"left.bmp", JoinTwo(Crop(active, 0, 0, kBorderWidth, h), Crop(inactive, 0, 0, kBorderWidth, h), false)});
    out.push_back({"right.bmp", JoinTwo(Crop(active, w - kBorderWidth, 0, kBorderWidth, h),
                                         Crop(inactive, w - kBorderWidth, 0, kBorderWidth, h), false)});
    out.push_back({"top.bmp", JoinTwo(Crop(active, kBorderWidth, 0, kTopWidth, kCaptionHeight),
                                       Crop(inactive, kBorderWidth, 0, kTopWidth, kCaptionHeight), true)});
    out.push_back({"bottom.bmp", JoinTwo(Crop(active, kBorderWidth, h - kBorderWidth, kTopWidth, kBorderWidth),
                                          Crop(inactive, kBorderWidth, h - kBorderWidth, kTopWidth, kBorderWidth), true)});
    out.push_back({"titleback.bmp", DrawTextBack()});
    out.push_back({"btnclose.bmp", DrawCaptionButton(Glyph::Close)});
    out.push_back({"btnmax.bmp", DrawCaptionButton(Glyph::Maximise)});
    out.push_back({"btnrestore.bmp", DrawCaptionButton(Glyph::Restore)});
    out.push_back({"btnmin.bmp", DrawCaptionButton(Glyph::Minimise)});
    out.push_back({"btnhelp.bmp", DrawCaptionButton(Glyph::Help)});
}
