#include "skin/data/FrameDraw.h"

#include <algorithm>

#include "skin/data/ImgUtil.h"

namespace {

TRect Bounds(const PixelBuffer& image) { return {0, 0, image.Width(), image.Height()}; }

// Which source index each destination index takes along one axis, as GDI's
// COLORONCOLOR StretchBlt picks them (checked against Wine's StretchBlt for every pair of
// lengths up to 40). Enlarging walks a Bresenham line over the destination. Shrinking
// walks one over the source and groups source pixels per destination pixel: across a
// row the last pixel of each group is kept, down a column the first; a row shrunk to a
// single pixel keeps the one before the last.
enum class Axis { Horizontal, Vertical };

std::vector<int> AxisMap(int srcLength, int dstLength, Axis axis) {
    std::vector<int> map(static_cast<size_t>(dstLength), 0);
    const int64_t s = srcLength, d = dstLength;
    if (d >= s) {
        int64_t err = 3 * s - 2 * d;
        int k = 0;
        for (size_t x = 0; x < map.size(); ++x) {
            map[x] = k;
            if (err > 0) {
                ++k;
                err += 2 * s - 2 * d;
            } else {
                err += 2 * s;
            }
        }
        return map;
    }
    if (axis == Axis::Horizontal && d == 1) {
        map[0] = srcLength - 2;
        return map;
    }
    int64_t err = 3 * d - 2 * s;
    size_t k = 0;
    bool groupStarted = false;
    for (int x = 0; x < srcLength && k < map.size(); ++x) {
        if (axis == Axis::Horizontal || !groupStarted) map[k] = x;
        groupStarted = true;
        if (err > 0) {
            ++k;
            groupStarted = false;
            err += 2 * d - 2 * s;
        } else {
            err += 2 * d;
        }
    }
    return map;
}

// Copies srcRect of src unscaled with its top-left at (x, y); with a key, pixels whose
// RGB equals it are skipped. Parts outside either buffer are left out.
void Blit(PixelBuffer& dest, int x, int y, const PixelBuffer& src, TRect srcRect, const uint32_t* key) {
    srcRect = srcRect.Intersect(Bounds(src));
    if (srcRect.IsEmpty() || dest.Empty()) return;
    const TRect target = srcRect.Offset(x - srcRect.left, y - srcRect.top).Intersect(Bounds(dest));
    if (target.IsEmpty()) return;
    const int sx = srcRect.left + (target.left - x);
    const int sy = srcRect.top + (target.top - y);
    const int w = target.Width();
    const uint32_t keyPixel = key ? (PixelFromColour(*key) & 0xFFFFFFu) : 0u;
    for (int row = 0; row < target.Height(); ++row) {
        const uint32_t* s = src.Row(sy + row) + sx;
        uint32_t* d = dest.Row(target.top + row) + target.left;
        if (!key) {
            std::copy(s, s + w, d);
        } else {
            for (int i = 0; i < w; ++i)
                if ((s[i] & 0xFFFFFFu) != keyPixel) d[i] = s[i];
        }
    }
}

// Puts a composed picture at rect's top-left, magenta transparent or opaque.
void Place(PixelBuffer& dest, const TRect& rect, const PixelBuffer& picture, bool transparent) {
    if (transparent)
        TransparentCopy(dest, rect, picture, kMagenta);
    else
        Blit(dest, rect.left, rect.top, picture, Bounds(picture), nullptr);
}

bool Positive(int64_t a, int64_t b) { return a * b > 0; }

// Margins come from skin definitions. A negative margin means nothing sensible, and a
// margin beyond any bitmap size behaves like a large one; keeping them in this range
// keeps every coordinate sum below within int.
constexpr int kMaxMargin = 1 << 20;
TMargins Sane(const TMargins& m) {
    auto clamp = [](int v) { return v < 0 ? 0 : (v > kMaxMargin ? kMaxMargin : v); };
    return {clamp(m.left), clamp(m.top), clamp(m.right), clamp(m.bottom)};
}

}  // namespace

TRect FrameRect(const PixelBuffer& image, bool stacked, int count, int index) {
    if (count < 1) count = 1;
    // A frame number far outside the image lies outside it all the same; the offset is
    // kept in a range where adding the frame size cannot overflow.
    auto offset = [](int64_t frame, int size) {
        const int64_t v = frame * size;
        return static_cast<int>(v < -kMaxMargin ? -kMaxMargin : (v > (1 << 30) ? (1 << 30) : v));
    };
    if (stacked) {
        const int fh = image.Height() / count;
        const int top = offset(static_cast<int64_t>(index) - 1, fh);
        return {0, top, image.Width(), top + fh};
    }
    const int fw = image.Width() / count;
    const int left = offset(static_cast<int64_t>(index) - 1, fw);
    return {left, 0, left + fw, image.Height()};
}

void StretchCopy(PixelBuffer& dest, const TRect& destRect, const PixelBuffer& src, const TRect& srcRect) {
    if (destRect.IsEmpty() || srcRect.IsEmpty() || dest.Empty()) return;
    const TRect visible = destRect.Intersect(Bounds(dest));
    if (visible.IsEmpty()) return;
    const std::vector<int> mapX = AxisMap(srcRect.Width(), destRect.Width(), Axis::Horizontal);
    const std::vector<int> mapY = AxisMap(srcRect.Height(), destRect.Height(), Axis::Vertical);
    for (int y = visible.top; y < visible.bottom; ++y) {
        const int sy = srcRect.top + mapY[static_cast<size_t>(y - destRect.top)];
        uint32_t* d = dest.Row(y);
        const bool rowInside = sy >= 0 && sy < src.Height();
        for (int x = visible.left; x < visible.right; ++x) {
            const int sx = srcRect.left + mapX[static_cast<size_t>(x - destRect.left)];
            d[x] = rowInside && sx >= 0 && sx < src.Width() ? src.Row(sy)[sx] : 0u;
        }
    }
}

void TransparentCopy(PixelBuffer& dest, const TRect& rect, const PixelBuffer& src, uint32_t keyColour) {
    if (rect.IsEmpty()) return;
    const TRect part{0, 0, std::min(rect.Width(), src.Width()), std::min(rect.Height(), src.Height())};
    Blit(dest, rect.left, rect.top, src, part, &keyColour);
}

void TileDraw(PixelBuffer& dest, const TRect& destRect, const PixelBuffer& src, const TRect& srcRect) {
    if (srcRect.IsEmpty()) return;
    // The source part as a tile of its own: parts outside the image read 0.
    PixelBuffer tile = PixelBuffer::Scratch(srcRect.Width(), srcRect.Height());
    if (tile.Empty()) return;
    Blit(tile, -srcRect.left, -srcRect.top, src, Bounds(src), nullptr);
    const int64_t right = destRect.right, bottom = destRect.bottom;
    const int64_t tw = tile.Width(), th = tile.Height();
    // Tiles wholly left of or above the buffer are skipped without walking them.
    auto firstVisible = [](int64_t start, int64_t step) {
        return start < -step ? start + ((-start) / step - 1) * step : start;
    };
    for (int64_t y = firstVisible(destRect.top, th); y < bottom; y += th) {
        if (y >= dest.Height()) break;
        for (int64_t x = firstVisible(destRect.left, tw); x < right; x += tw) {
            if (x >= dest.Width()) break;
            if (x + tile.Width() <= 0 || y + tile.Height() <= 0) continue;
            Blit(dest, static_cast<int>(x), static_cast<int>(y), tile, Bounds(tile), nullptr);
        }
    }
}

namespace {

// Composes the frame into out (of the destination's size); see BuildFrameBitmap.
void ComposeFrame(PixelBuffer& out, const PixelBuffer& image, const TMargins& margins, bool stacked, bool tile,
                  int count, int index) {
    if (out.Empty()) return;
    const int width = out.Width(), height = out.Height();
    const TRect f = FrameRect(image, stacked, count, index);
    const int sx = f.left, sy = f.top, fw = f.Width(), fh = f.Height();
    const int W = width, H = height;
    const TMargins m = Sane(margins);
    int l = m.left, t = m.top, r = m.right, b = m.bottom;
    if (static_cast<int64_t>(W) < static_cast<int64_t>(l) + r) l = r = 0;
    if (static_cast<int64_t>(H) < static_cast<int64_t>(t) + b) t = b = 0;

    auto part = [&](TRect d, TRect s) { StretchCopy(out, d, image, s); };
    if (Positive(l, t)) part({0, 0, l, t}, {sx, sy, sx + l, sy + t});
    if (Positive(l, b)) part({0, H - b, l, H}, {sx, sy + fh - b, sx + l, sy + fh});
    if (Positive(r, t)) part({W - r, 0, W, t}, {sx + fw - r, sy, sx + fw, sy + t});
    if (l > 0) part({0, t, l, H - b}, {sx, sy + t, sx + l, sy + fh - b});
    if (t > 0) part({l, 0, W - r, t}, {sx + l, sy, sx + fw - r, sy + t});
    const TRect centre{l, t, W - r, H - b};
    const TRect centreSource{sx + l, sy + t, sx + fw - r, sy + fh - b};
    if (tile)
        TileDraw(out, centre, image, centreSource);
    else
        part(centre, centreSource);
    // Drawn after the centre, so they cover what a tiled centre ran over.
    if (Positive(r, b)) part({W - r, H - b, W, H}, {sx + fw - r, sy + fh - b, sx + fw, sy + fh});
    if (r > 0) part({W - r, t, W, H - b}, {sx + fw - r, sy + t, sx + fw, sy + fh - b});
    if (b > 0) part({l, H - b, W - r, H}, {sx + l, sy + fh - b, sx + fw - r, sy + fh});
}

}  // namespace

PixelBuffer BuildFrameBitmap(int width, int height, const PixelBuffer& image, const TMargins& margins, bool stacked,
                             bool tile, int count, int index) {
    PixelBuffer out(width, height);
    ComposeFrame(out, image, margins, stacked, tile, count, index);
    return out;
}

PixelBuffer BuildFrameScratch(int width, int height, const PixelBuffer& image, const TMargins& margins, bool stacked,
                              bool tile, int count, int index) {
    PixelBuffer out = PixelBuffer::Scratch(width, height);
    ComposeFrame(out, image, margins, stacked, tile, count, index);
    return out;
}

void DrawFrameNineSlice(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked, bool tile,
                        bool transparent, int count, int index, const TMargins& margins) {
    if (rect.Width() < 0 || rect.Height() < 0) return;
    const PixelBuffer picture =
        BuildFrameScratch(rect.Width(), rect.Height(), image, margins, stacked, tile, count, index);
    if (!picture.Empty()) Place(dest, rect, picture, transparent);
}

void DrawFrameStretched(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool transparent, int count,
                        int index) {
    if (rect.IsEmpty()) return;
    PixelBuffer picture = PixelBuffer::Scratch(rect.Width(), rect.Height());
    if (picture.Empty()) return;
    StretchCopy(picture, Bounds(picture), image, FrameRect(image, false, count, index));
    Place(dest, rect, picture, transparent);
}

void DrawFrameCentred(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool transparent, int count,
                      int index) {
    const TRect f = FrameRect(image, false, count, index);
    const int x = rect.left + (rect.Width() - f.Width()) / 2;
    const int y = rect.top + (rect.Height() - f.Height()) / 2;
    const uint32_t key = kMagenta;
    Blit(dest, x, y, image, f, transparent ? &key : nullptr);
}

void DrawThreePart(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked, bool transparent,
                   int count, int index, const TMargins& margins) {
    if (rect.IsEmpty()) return;
    const int W = rect.Width(), H = rect.Height();
    PixelBuffer picture = PixelBuffer::Scratch(W, H);
    if (picture.Empty()) return;
    const TRect f = FrameRect(image, stacked, count, index);
    const int sx = f.left, sy = f.top, fw = f.Width(), fh = f.Height();
    const int left = Sane(margins).left, right = Sane(margins).right;
    StretchCopy(picture, {0, 0, left, H}, image, {sx, sy, sx + left, sy + fh});
    const int middle = fw - left - right;
    if (middle > 0)
        for (int64_t x = left; x < static_cast<int64_t>(W) - right; x += middle)
            StretchCopy(picture, {static_cast<int>(x), 0, static_cast<int>(x) + middle, H}, image,
                        {sx + left, sy, sx + left + middle, sy + fh});
    StretchCopy(picture, {W - right, 0, W, H}, image, {sx + fw - right, sy, sx + fw, sy + fh});
    Place(dest, rect, picture, transparent);
}

void StretchThreePart(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked, int count,
                      int index, const TMargins& margins) {
    const TRect f = FrameRect(image, stacked, count, index);
    const int sx = f.left, sy = f.top, fw = f.Width(), fh = f.Height();
    if (rect.Width() < fw) {
        StretchCopy(dest, rect, image, f);
        return;
    }
    const int left = Sane(margins).left, right = Sane(margins).right;
    StretchCopy(dest, {rect.left, rect.top, rect.left + left, rect.bottom}, image, {sx, sy, sx + left, sy + fh});
    StretchCopy(dest, {rect.left + left, rect.top, rect.right - right, rect.bottom}, image,
                {sx + left, sy, sx + fw - right, sy + fh});
    StretchCopy(dest, {rect.right - right, rect.top, rect.right, rect.bottom}, image,
                {sx + fw - right, sy, sx + fw, sy + fh});
}

void GradientFill(PixelBuffer& dest, const TRect& rect, int32_t colour1, bool vertical, int32_t colour2,
                  const TRect& clip) {
    const TRect visible = rect.Intersect(clip).Intersect(Bounds(dest));
    if (visible.IsEmpty()) return;
    const int n = vertical ? rect.Height() : rect.Width();
    if (n <= 0) return;
    const std::vector<uint32_t>& ramp = GradientRamp(ColourToRGB(colour1), ColourToRGB(colour2), n);
    if (vertical) {
        for (int y = visible.top; y < visible.bottom; ++y) {
            const uint32_t pixel = PixelFromColour(ramp[static_cast<size_t>(y - rect.top)]);
            std::fill(dest.Row(y) + visible.left, dest.Row(y) + visible.right, pixel);
        }
    } else {
        for (int y = visible.top; y < visible.bottom; ++y) {
            uint32_t* row = dest.Row(y);
            for (int x = visible.left; x < visible.right; ++x)
                row[x] = PixelFromColour(ramp[static_cast<size_t>(x - rect.left)]);
        }
    }
}

void GradientFill(PixelBuffer& dest, const TRect& rect, int32_t colour1, bool vertical, int32_t colour2) {
    GradientFill(dest, rect, colour1, vertical, colour2, Bounds(dest));
}

std::vector<RegionBatch> RegionFromBitmap(const PixelBuffer& image, int offsetX, int offsetY, int toleranceBlue,
                                          int toleranceGreen, int toleranceRed, uint32_t colour) {
    const int r0 = static_cast<int>(colour & 0xFF), g0 = static_cast<int>((colour >> 8) & 0xFF),
              b0 = static_cast<int>((colour >> 16) & 0xFF);
    const int r1 = std::min(255, r0 + toleranceRed), g1 = std::min(255, g0 + toleranceGreen),
              b1 = std::min(255, b0 + toleranceBlue);
    auto inside = [&](uint32_t p) {
        const int r = static_cast<int>((p >> 16) & 0xFF), g = static_cast<int>((p >> 8) & 0xFF),
                  b = static_cast<int>(p & 0xFF);
        return r >= r0 && r <= r1 && g >= g0 && g <= g1 && b >= b0 && b <= b1;
    };

    std::vector<RegionBatch> batches;
    RegionBatch batch;
    batch.rects.reserve(kRegionBufferGrowth);
    auto close = [&]() {
        batches.push_back(std::move(batch));
        batch = RegionBatch{};
        batch.rects.reserve(kRegionBufferGrowth);
    };
    auto add = [&](const TRect& r) {
        if (batch.rects.size() == batch.rects.capacity()) batch.rects.reserve(batch.rects.size() + kRegionBufferGrowth);
        if (batch.rects.empty()) {
            batch.bounds = r;
        } else {
            batch.bounds.left = std::min(batch.bounds.left, r.left);
            batch.bounds.top = std::min(batch.bounds.top, r.top);
            batch.bounds.right = std::max(batch.bounds.right, r.right);
            batch.bounds.bottom = std::max(batch.bounds.bottom, r.bottom);
        }
        batch.rects.push_back(r);
        if (batch.rects.size() == static_cast<size_t>(kRegionBatchSize)) close();
    };

    for (int y = 0; y < image.Height() && !image.Empty(); ++y) {
        const uint32_t* row = image.Row(y);
        int x = 0;
        const int w = image.Width();
        while (x < w) {
            while (x < w && inside(row[x])) ++x;
            const int start = x;
            while (x < w && !inside(row[x])) ++x;
            if (x > start) add({start + offsetX, y + offsetY, x + offsetX, y + offsetY + 1});
        }
    }
    close();
    return batches;
}
