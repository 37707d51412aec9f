// Scroll bar, up-down and track bar art. Scroll bars are thin and light: a pale track,
// a slim rounded thumb and small chevrons that darken under the mouse.
#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

namespace {

enum class Dir { Left, Right, Up, Down };

// A chevron pointing dir, centred at (cx, cy), reaching half-size out from it.
Shape Chevron(Dir dir, double cx, double cy, double half, double width) {
    double d = half, e = half / 2;
    switch (dir) {
    case Dir::Left: return Polyline({cx + e, cy - d, cx - e, cy, cx + e, cy + d}, width);
    case Dir::Right: return Polyline({cx - e, cy - d, cx + e, cy, cx - e, cy + d}, width);
    case Dir::Up: return Polyline({cx - d, cy + e, cx, cy - e, cx + d, cy + e}, width);
    case Dir::Down: return Polyline({cx - d, cy - e, cx, cy + e, cx + d, cy - e}, width);
    }
    return Circle(0, 0, 0);
}

struct Look {
    Rgb fill;
    Rgb border;
};

// The 23 cells: four arrows (normal, pressed, unused, hot), then the thumb grips, which
// this skin leaves clear, and a last unused cell.
PixelBuffer DrawScrollCells() {
    const int s = kScrollCell;
    const double c = s / 2.0;
    std::vector<PixelBuffer> cells;
    for (Dir dir : {Dir::Left, Dir::Right, Dir::Up, Dir::Down}) {
        for (int state = 1; state <= 4; ++state) {
            Layer layer(s, s);
            layer.Flood(kScrollTrack);
            if (state == 2) layer.Fill(RoundRect(2, 2, s - 2, s - 2, 3), kScrollArrowPressedFill);
            if (state == 4) layer.Fill(RoundRect(2, 2, s - 2, s - 2, 3), kScrollArrowHotFill);
            Rgb ink = state == 2 ? kScrollArrowPressed : state == 4 ? kScrollArrowHot : kScrollArrow;
            layer.Fill(Chevron(dir, c, c, 3, 1.4), ink);
            cells.push_back(layer.Flatten(kScrollTrack));
        }
    }
    for (int i = 17; i <= 23; ++i) cells.push_back(Layer(s, s).Flatten(kScrollTrack));
    return JoinFrames(cells, false);
}

// Four track frames: 1 enabled, 2 and 4 as 1, 3 disabled.
PixelBuffer DrawScrollTrack() {
    const int s = kScrollCell;
    std::vector<PixelBuffer> frames;
    for (int i = 1; i <= 4; ++i) {
        Layer layer(s, s);
        layer.Flood(i == 3 ? kScrollTrackDisabled : kScrollTrack);
        frames.push_back(layer.Flatten(kScrollTrack));
    }
    return JoinFrames(frames, false);
}

// Three thumb frames: normal, pressed, hot. A slim pill across the middle of the bar.
PixelBuffer DrawScrollThumb(bool vertical) {
    const int across = kScrollCell, along = 24;
    const Rgb inks[3] = {kScrollThumb, kScrollThumbPressed, kScrollThumbHot};
    std::vector<PixelBuffer> frames;
    for (const Rgb& ink : inks) {
        Layer layer(vertical ? across : along, vertical ? along : across);
        layer.Flood(kScrollTrack);
        Shape pill = vertical ? RoundRect(5, 2, across - 5, along - 2, 3.5) : RoundRect(2, 5, along - 2, across - 5, 3.5);
        layer.Fill(pill, ink);
        frames.push_back(layer.Flatten(kScrollTrack));
    }
    return JoinFrames(frames, false);
}

const Look kSpinLooks[4] = {{kWhite, kBorder}, {kPressedFill, kAccent}, {kFillDisabled, kBorderDisabled},
                            {kHotFill, kAccent}};
const Rgb kSpinInks[4] = {kTextMuted, kAccentDark, kTextDisabled, kAccent};

// Eight frames stacked: the first half (normal, pressed, disabled, hot), then the second.
// The first half carries the line between the two.
PixelBuffer DrawUpDown(bool horizontal) {
    const double r = 3;
    const int w = horizontal ? 11 : 16, h = horizontal ? 16 : 11;
    std::vector<PixelBuffer> frames;
    for (int half = 0; half < 2; ++half) {
        Shape body = horizontal ? (half == 0 ? RoundRect4(0, 0, w, h, r, 0, 0, r) : RoundRect4(-4, 0, w, h, 0, r, r, 0))
                                : (half == 0 ? RoundRect4(0, 0, w, h, r, r, 0, 0) : RoundRect4(0, -4, w, h, 0, 0, r, r));
        for (const Look& look : kSpinLooks) {
            Layer layer(w, h);
            layer.Fill(body, look.fill);
            layer.Fill(InnerStroke(body, 1), look.border);
            frames.push_back(layer.Flatten(kFace));
        }
    }
    return JoinFrames(frames, true);
}

// Eight arrow cells side by side, matching the frames of DrawUpDown.
PixelBuffer DrawUpDownGlyphs(bool horizontal) {
    const int w = horizontal ? 6 : 9, h = horizontal ? 9 : 6;
    std::vector<PixelBuffer> cells;
    for (int half = 0; half < 2; ++half) {
        Dir dir = horizontal ? (half == 0 ? Dir::Left : Dir::Right) : (half == 0 ? Dir::Up : Dir::Down);
        // Each arrow's soft edge is blended into the fill of the frame it is drawn on.
        for (int look = 0; look < 4; ++look) {
            Layer layer(w, h);
            layer.Fill(Chevron(dir, w / 2.0, h / 2.0, 3, 1.4), kSpinInks[look]);
            cells.push_back(layer.Flatten(kSpinLooks[look].fill));
        }
    }
    return JoinFrames(cells, false);
}

enum class Thumb { Horz, Vert, Left, Right, Up, Down };

// Five cells: normal, the one the track bar shows, hot, pressed, disabled.
PixelBuffer DrawTrackThumb(Thumb kind) {
    const bool across = kind == Thumb::Vert || kind == Thumb::Left || kind == Thumb::Right;
    const int w = across ? 20 : 11, h = across ? 11 : 20;
    const Rgb fills[5] = {kAccent, kAccent, Lighten(kAccent, 0.14), kAccentDark, Hex(0xB9C8DC)};
    Shape body;
    switch (kind) {
    case Thumb::Horz:
    case Thumb::Vert: body = RoundRect(0, 0, w, h, 3); break;
    case Thumb::Down: body = Polygon({0, 0, 11, 0, 11, 14, 5.5, 20, 0, 14}); break;
    case Thumb::Up: body = Polygon({0, 6, 5.5, 0, 11, 6, 11, 20, 0, 20}); break;
    case Thumb::Right: body = Polygon({0, 0, 14, 0, 20, 5.5, 14, 11, 0, 11}); break;
    case Thumb::Left: body = Polygon({6, 0, 20, 0, 20, 11, 6, 11, 0, 5.5}); break;
    }
    std::vector<PixelBuffer> cells;
    for (const Rgb& fill : fills) {
        Layer layer(w, h);
        layer.Fill(body, fill);
        layer.Fill(InnerStroke(body, 1), Darken(fill, 0.12));
        cells.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(cells, false);
}

PixelBuffer DrawTrackGroove(bool vertical) {
    const int w = vertical ? 4 : 16, h = vertical ? 16 : 4;
    Layer layer(w, h);
    layer.Fill(RoundRect(0, 0, w, h, 2), Hex(0xD3DBE6));
    return layer.Flatten(kFace, 0);
}

}  // namespace

void DrawScrollArt(std::vector<SkinPicture>& out) {
    out.push_back({"scrollbar.bmp", DrawScrollCells()});
    out.push_back({"scrolltrack.bmp", DrawScrollTrack()});
    out.push_back({"hthumb.bmp", DrawScrollThumb(false)});
    out.push_back({"vthumb.bmp", DrawScrollThumb(true)});
    out.push_back({"updownh.bmp", DrawUpDown(true)});
    out.push_back({"updownhglyph.bmp", DrawUpDownGlyphs(true)});
    out.push_back({"updownv.bmp", DrawUpDown(false)});
    out.push_back({"updownvglyph.bmp", DrawUpDownGlyphs(false)});
    out.push_back({"thumbhorz.bmp", DrawTrackThumb(Thumb::Horz)});
    out.push_back({"thumbvert.bmp", DrawTrackThumb(Thumb::Vert)});
    out.push_back({"thumbleft.bmp", DrawTrackThumb(Thumb::Left)});
    out.push_back({"thumbright.bmp", DrawTrackThumb(Thumb::Right)});
    out.push_back({"thumbup.bmp", DrawTrackThumb(Thumb::Up)});
    out.push_back({"thumbdown.bmp", DrawTrackThumb(Thumb::Down)});
    out.push_back({"track.bmp", DrawTrackGroove(false)});
    out.push_back({"trackvert.bmp", DrawTrackGroove(true)});
}
