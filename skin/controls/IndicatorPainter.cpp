#include "skin/controls/IndicatorPainter.h"

#include <algorithm>

#include "skin/data/FrameDraw.h"
#include "skin/data/ImgUtil.h"

namespace {

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void FillRect(PixelBuffer& target, const TRect& rect, uint32_t rgb) {
    const TRect r = rect.Intersect({0, 0, target.Width(), target.Height()});
    const uint32_t pixel = PixelFromColour(rgb);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) target.Row(y)[x] = pixel;
}

void HorizontalLine(PixelBuffer& target, int x0, int x1, int y, uint32_t rgb) { FillRect(target, {x0, y, x1, y + 1}, rgb); }
void VerticalLine(PixelBuffer& target, int x, int y0, int y1, uint32_t rgb) { FillRect(target, {x, y0, x + 1, y1}, rgb); }

void Outline(PixelBuffer& target, const TRect& r, uint32_t topLeft, uint32_t bottomRight) {
    if (r.IsEmpty()) return;
    HorizontalLine(target, r.left, r.right - 1, r.top, topLeft);
    VerticalLine(target, r.left, r.top, r.bottom - 1, topLeft);
    HorizontalLine(target, r.left, r.right, r.bottom - 1, bottomRight);
    VerticalLine(target, r.right - 1, r.top, r.bottom, bottomRight);
}

TRect Inset(const TRect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy}; }

}  // namespace

// ---------------------------------------------------------------------------------------
// Status bars.

TRect StatusPanelArea(const TRect& reported, bool last, int barWidth) {
    TRect r = reported;
    r.right = last ? barWidth : r.right + 2;
    return r;
}

void PaintPanelFrame(PixelBuffer& target, const TRect& rect, const TDataSkinObject* edges, int kind,
                     uint32_t shadow, uint32_t highlight) {
    if (rect.IsEmpty()) return;
    if (edges && !edges->Image.Empty()) {
        DrawFrameNineSlice(target, rect, edges->Image, false, edges->Tile == 1, edges->Trans != 0, 3, kind,
                           MarginsOf(*edges));
        return;
    }
    if (kind == pfLowered) Outline(target, rect, shadow, highlight);
    else if (kind == pfRaised) Outline(target, rect, highlight, shadow);
}

unsigned PanelTextFlags(int alignment, bool rtl) {
    int a = alignment;
    if (rtl && a == paLeft) a = paRight;
    else if (rtl && a == paRight) a = paLeft;
    const unsigned horizontal = a == paRight ? btRight : a == paCentre ? btCenter : 0u;
    return horizontal | ptVCentre | ptSingleLine | (rtl ? btRtlReading : 0u);
}

void PaintStatusBar(PixelBuffer& target, const TStatusBarFace& face, const TDataSkinObject* edges,
                    const TDataSkinObject* extraImages, TButtonText& text) {
    const int width = target.Width(), height = target.Height();
    if (width <= 0 || height <= 0) return;
    target.Fill(PixelFromColour(face.faceColour));

    if (face.simple || face.panels.empty()) {
        const TRect all{0, 0, width, height};
        PaintPanelFrame(target, all, edges, pfLowered, face.shadow, face.highlight);
        if (!face.simpleText.empty())
            text.Draw(target, face.simpleText, Inset(all, 2, 0), PanelTextFlags(paLeft, face.rtl), face.textColour);
    } else {
        const size_t n = face.panels.size();
        for (size_t i = 0; i < n; ++i) {
            const TStatusPanelFace& p = face.panels[i];
            const TRect area = StatusPanelArea(p.rect, i + 1 == n, width);
            PaintPanelFrame(target, area, edges, p.kind, face.shadow, face.highlight);
            if (!p.text.empty())
                text.Draw(target, p.text, Inset(area, 2, 0), PanelTextFlags(p.alignment, p.rtl), face.textColour);
        }
    }

    if (face.sizeGrip && extraImages && !extraImages->Image.Empty()) {
        const int cells = extraImages->SafeFrameCount();
        const int cw = extraImages->Image.Width() / cells, ch = extraImages->Image.Height();
        const TRect cell{width - 1 - cw, height - 1 - ch, width - 1, height - 1};
        DrawFrameStretched(target, cell, extraImages->Image, extraImages->Trans != 0, cells, 5);
    }
}

// ---------------------------------------------------------------------------------------
// Progress bars.

int ProgressFill(int length, const TProgressState& s) {
    if (length <= 0 || s.high <= s.low || s.position <= s.low) return 0;
    const int64_t range = static_cast<int64_t>(s.high) - s.low;
    const int64_t done = std::min<int64_t>(static_cast<int64_t>(s.position) - s.low, range);
    // Rounded as MulDiv rounds (half away from zero); the range fits 32 bits in practice,
    // but a 64-bit product keeps the extremes right too.
    return static_cast<int>((static_cast<int64_t>(length) * done * 2 + range) / (range * 2));
}

namespace {

void PaintHorizontalProgress(PixelBuffer& target, const TDataSkinBorder& progress, const TDataSkinObject* chunk,
                             int filled, uint32_t faceColour) {
    const int width = target.Width(), height = target.Height();
    const TRect all{0, 0, width, height};
    target.Fill(PixelFromColour(faceColour));
    const bool transparent = progress.Trans != 0;
    const bool tile = progress.Tile == 1;
    if (progress.Style != 1) {
        DrawFrameNineSlice(target, all, progress.Image, false, tile, transparent, 2, 1, MarginsOf(progress));
        if (filled > 0)
            DrawFrameNineSlice(target, {0, 0, filled, height}, progress.Image, false, tile, transparent, 2, 2,
                               MarginsOf(progress));
        return;
    }
    DrawFrameNineSlice(target, all, progress.Image, false, tile, transparent, 1, 1, MarginsOf(progress));
    if (filled <= 0 || !chunk || chunk->Image.Empty()) return;
    const PixelBuffer& image = chunk->Image;
    if (chunk->Tile == 1) {
        // Side-by-side chunks from just inside the left edge, none past the filled part
        // or into the right edge.
        const int cw = image.Width(), ch = image.Height();
        const int right = std::min(filled, width - 2);
        const int y = (height - ch) / 2;
        for (int x = chunk->LeftWidth + 2; x + cw <= right; x += cw)
            DrawFrameStretched(target, {x, y, x + cw, y + ch}, image, chunk->Trans != 0, 1, 1);
    } else {
        const TRect inner{2, 2, std::min(2 + filled, width - 2), height - 2};
        DrawFrameNineSlice(target, inner, image, false, false, chunk->Trans != 0, 1, 1, MarginsOf(*chunk));
    }
}

}  // namespace

void PaintProgress(PixelBuffer& target, const TDataSkinBorder& progress, const TDataSkinObject* chunk,
                   const TProgressState& state, uint32_t faceColour) {
    if (target.Empty()) return;
    if (!state.vertical) {
        PaintHorizontalProgress(target, progress, chunk, ProgressFill(target.Width(), state), faceColour);
        return;
    }
    // Composed lying down (the filled part on the left) and stood up: the left end
    // becomes the bottom.
    PixelBuffer turned = PixelBuffer::Scratch(target.Height(), target.Width());
    PaintHorizontalProgress(turned, progress, chunk, ProgressFill(turned.Width(), state), faceColour);
    RotateLeft(turned);
    for (int y = 0; y < target.Height(); ++y) std::copy_n(turned.Row(y), target.Width(), target.Row(y));
}

// ---------------------------------------------------------------------------------------
// Track bars.

void PaintTrackThumb(PixelBuffer& target, const TRect& rect, const TDataSkinObject* thumb, uint32_t shadow,
                     uint32_t faceColour) {
    if (rect.IsEmpty()) return;
    if (thumb && !thumb->Image.Empty()) {
        DrawFrameStretched(target, rect, thumb->Image, true, kTrackThumbCells, kTrackThumbCell);
        return;
    }
    FillRect(target, rect, faceColour);
    Outline(target, rect, shadow, shadow);
}

void PaintTrackChannel(PixelBuffer& target, const TRect& rect, const TDataSkinObject& track, bool vertical) {
    const PixelBuffer& image = track.Image;
    if (rect.IsEmpty() || image.Empty()) return;
    const int iw = image.Width(), ih = image.Height();
    if (!vertical) {
        TRect band = rect;
        if (ih < rect.Height()) {
            band.top = rect.top + (rect.Height() - ih) / 2;
            band.bottom = band.top + ih;
        }
        const int l = std::clamp(track.LeftWidth, 0, iw), r = std::clamp(track.RightWidth, 0, iw - l);
        StretchCopy(target, {band.left, band.top, band.left + l, band.bottom}, image, {0, 0, l, ih});
        StretchCopy(target, {band.left + l, band.top, band.right - r, band.bottom}, image, {l, 0, iw - r, ih});
        StretchCopy(target, {band.right - r, band.top, band.right, band.bottom}, image, {iw - r, 0, iw, ih});
        return;
    }
    TRect band = rect;
    if (iw < rect.Width()) {
        band.left = rect.left + (rect.Width() - iw) / 2;
        band.right = band.left + iw;
    }
    const int t = std::clamp(track.TopHeight, 0, ih), b = std::clamp(track.BottomHeight, 0, ih - t);
    StretchCopy(target, {band.left, band.top, band.right, band.top + t}, image, {0, 0, iw, t});
    StretchCopy(target, {band.left, band.top + t, band.right, band.bottom - b}, image, {0, t, iw, ih - b});
    StretchCopy(target, {band.left, band.bottom - b, band.right, band.bottom}, image, {0, ih - b, iw, ih});
}
