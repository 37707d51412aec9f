#include "skin/form/FramePainter.h"

#include <algorithm>

#include "skin/data/Colour.h"
#include "skin/data/ImgUtil.h"

namespace {

const TDataSkinBorder& PartElement(const TSkinDefinition& skin, int part) {
    switch (part) {
        case 1: return skin.BorderLeft;
        case 2: return skin.BorderRight;
        case 3: return skin.BorderTop;
        default: return skin.BorderBottom;
    }
}

// Copies a picture opaquely with its top-left at (x, y).
void Put(PixelBuffer& dest, const PixelBuffer& picture, int x, int y) {
    if (picture.Empty()) return;
    StretchCopy(dest, {x, y, x + picture.Width(), y + picture.Height()}, picture,
                {0, 0, picture.Width(), picture.Height()});
}

void FillRect(PixelBuffer& dest, const TRect& r, uint32_t colour) {
    const TRect c = r.Intersect({0, 0, dest.Width(), dest.Height()});
    const uint32_t pixel = PixelFromColour(colour);
    for (int y = c.top; y < c.bottom; ++y) std::fill(dest.Row(y) + c.left, dest.Row(y) + c.right, pixel);
}

void AddRect(std::vector<RegionBatch>& parts, const TRect& r) {
    if (r.IsEmpty()) return;
    parts.push_back({r, {r}});
}

void AddPixels(std::vector<RegionBatch>& parts, const PixelBuffer& part, int x, int y) {
    // Magenta with a tolerance of one on each channel lies outside the window.
    for (RegionBatch& b : RegionFromBitmap(part, x, y, 1, 1, 1, kMagenta))
        if (!b.rects.empty()) parts.push_back(std::move(b));
}

TRect Bounds(const PixelBuffer& p) { return {0, 0, p.Width(), p.Height()}; }

bool Meets(const TRect& a, const TRect& b) { return !a.Intersect(b).IsEmpty(); }

// A caption button drawn from its image (not the window icon), moved by (-dx, -dy).
void DrawButton(PixelBuffer& dest, const TCaptionButtonPlace& b, int dx, int dy) {
    if (b.icon || !b.visible || b.bounds.IsEmpty() || b.element->Visibility == 100) return;
    DrawFrameStretched(dest, b.bounds.Offset(-dx, -dy), b.element->Image, true, b.frameCount, b.frame);
}

}  // namespace

PixelBuffer BorderPart(const TSkinDefinition& skin, int part, int width, int height, bool active) {
    if (width <= 0 || height <= 0) return {};
    const TDataSkinBorder& e = PartElement(skin, part);
    // Frame 2 is the inactive look, where the image has one.
    const int frame = active || e.SafeFrameCount() == 1 ? 1 : 2;
    const bool stacked = part == 3 || part == 4;
    return BuildFrameScratch(width, height, e.Image, {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight},
                            stacked, e.Tile == 1, e.SafeFrameCount(), frame);
}

TFramePicture PaintFrame(const TSkinDefinition& skin, const TFrameState& s, TPaintRenderer& renderer,
                         PixelBuffer reuse) {
    TFramePicture out;
    out.layout = LayoutFrame(skin, s, renderer);
    if (s.borderKind == TBorderKind::NoCaption || skin.NoSkinLoaded) return out;
    if (!reuse.Empty() && reuse.Width() == s.width && reuse.Height() == s.height)
        out.pixels = std::move(reuse);
    else
        out.pixels = PixelBuffer(s.width, s.height);
    if (out.pixels.Empty()) return out;
    const TFrameLayout& L = out.layout;
    const TFrameSizes& f = L.sizes;
    const int w = s.width, h = s.height;
    PixelBuffer& px = out.pixels;

    if (s.show == TShowState::Minimised) {
        px.Fill(PixelFromColour(ColourToRGB(skin.ButtonFace())));
    } else {
        Put(px, BorderPart(skin, 1, f.left, h, s.active), 0, 0);
        Put(px, BorderPart(skin, 2, f.right, h, s.active), w - f.right, 0);
        Put(px, BorderPart(skin, 4, w - f.left - f.right, f.bottom, s.active), f.left, h - f.bottom);
        out.client = L.client;
    }

    // The caption bar: top border, text background, text, then the buttons over them.
    const TRect& R = L.caption;
    Put(px, BorderPart(skin, 3, R.Width(), R.Height(), s.active), R.left, R.top);
    const TDataSkinTitle& t = skin.Title;
    if (!t.Image.Empty())
        DrawThreePart(px, {L.textBox.left, R.top, L.textBox.right, R.bottom}, t.Image, true, true, 2,
                      s.active ? 1 : 2, {t.TXTBackleft, 0, t.TXTBackRight, 0});
    out.texts.push_back(L.text);
    if (!L.text.rect.IsEmpty()) renderer.PaintText(px, L.text);
    out.captionBack = PixelBuffer::Scratch(R.Width(), R.Height());
    if (!out.captionBack.Empty()) StretchCopy(out.captionBack, Bounds(out.captionBack), px, R);

    for (const TCaptionButtonPlace& b : L.buttons) {
        if (b.icon) {
            if (b.visible && !b.bounds.IsEmpty() && b.element->Visibility != 100 && !L.icon.IsEmpty()) {
                renderer.PaintIcon(px, L.icon);
                out.icon = L.icon;
            }
            continue;
        }
        DrawButton(px, b, 0, 0);
    }

    if (!L.menuBar.IsEmpty()) FillRect(px, L.menuBar, ColourToRGB(skin.ButtonFace()));
    return out;
}

bool RepaintButtonCell(TFramePicture& picture, const TFrameLayout& layout, const TRect& cell) {
    const TRect& R = picture.layout.caption;
    if (cell.IsEmpty() || picture.pixels.Empty() || picture.captionBack.Empty()) return false;
    if (!(cell.Intersect(R) == cell) || !(cell.Intersect(Bounds(picture.pixels)) == cell)) return false;
    if (Meets(cell, picture.icon) || Meets(cell, layout.icon) || Meets(cell, layout.menuBar)) return false;
    const std::vector<TCaptionButtonPlace>& kept = picture.layout.buttons;
    if (kept.size() != layout.buttons.size()) return false;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i].visible != layout.buttons[i].visible || !(kept[i].bounds == layout.buttons[i].bounds)) return false;
    PixelBuffer drawn = PixelBuffer::Scratch(cell.Width(), cell.Height());
    if (drawn.Empty()) return false;
    StretchCopy(drawn, Bounds(drawn), picture.captionBack, cell.Offset(-R.left, -R.top));
    for (const TCaptionButtonPlace& b : layout.buttons)
        if (Meets(b.bounds, cell)) DrawButton(drawn, b, cell.left, cell.top);
    StretchCopy(picture.pixels, cell, drawn, Bounds(drawn));
    picture.layout.buttons = layout.buttons;
    return true;
}

bool TFrameRegion::Contains(int x, int y) const {
    for (const RegionBatch& b : parts) {
        if (x < b.bounds.left || x >= b.bounds.right || y < b.bounds.top || y >= b.bounds.bottom) continue;
        for (const TRect& r : b.rects)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    }
    return false;
}

TFrameRegion FrameRegion(const TSkinDefinition& skin, const TFrameState& s) {
    TFrameRegion region;
    const int w = s.width, h = s.height;
    if (w <= 0 || h <= 0) return region;
    const TDataSkinBorder* borders[] = {&skin.BorderLeft, &skin.BorderRight, &skin.BorderTop, &skin.BorderBottom};
    const bool anyTransparent =
        std::any_of(std::begin(borders), std::end(borders), [](const TDataSkinBorder* b) { return b->Trans != 0; });
    if (!anyTransparent) {
        AddRect(region.parts, {0, 0, w, h});
        return region;
    }
    region.shaped = true;
    const TFrameSizes f = FrameSizes(skin, s.borderKind);
    AddRect(region.parts, {f.left, f.top, w - f.right, h - f.bottom});
    if (s.borderKind == TBorderKind::NoCaption) return region;

    if (skin.BorderLeft.Trans == 1 && h > 1)
        AddPixels(region.parts, BorderPart(skin, 1, f.left, h, s.active), 0, 0);
    else
        AddRect(region.parts, {0, 0, f.left, h});

    if (skin.BorderRight.Trans == 1 && h > 1)
        AddPixels(region.parts, BorderPart(skin, 2, f.right, h, s.active), w - f.right, 0);
    else
        AddRect(region.parts, {w - f.right, 0, w, h});

    const int across = w - f.left - f.right;
    if (skin.BorderBottom.Trans == 1 && f.bottom >= 2)
        AddPixels(region.parts, BorderPart(skin, 4, across, f.bottom, s.active), f.left, h - f.bottom);
    else
        AddRect(region.parts, {f.left, h - f.bottom, w - f.right, h});

    if (skin.BorderTop.Trans == 1 && f.top > 1 && across > 0)
        AddPixels(region.parts, BorderPart(skin, 3, across, f.top, s.active), f.left, 0);
    else
        AddRect(region.parts, {f.left, 0, w - f.right, f.top});
    return region;
}
