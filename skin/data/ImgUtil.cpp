#include "skin/data/ImgUtil.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {

int Red(uint32_t c) { return static_cast<int>(c & 0xFFu); }
int Green(uint32_t c) { return static_cast<int>((c >> 8) & 0xFFu); }
int Blue(uint32_t c) { return static_cast<int>((c >> 16) & 0xFFu); }
uint32_t Rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r & 0xFF) | static_cast<uint32_t>(g & 0xFF) << 8 | static_cast<uint32_t>(b & 0xFF) << 16;
}

// The most recently built ramps; slot `next` is overwritten by the next ramp built.
// A slot is found again by the colours it was built from: the last entry of a ramp
// differs from colour2 in falling channels (divisions truncate toward zero), so the
// entries themselves would not find it.
struct GradientSlot {
    uint32_t colour1 = 0;
    uint32_t colour2 = 0;
    std::vector<uint32_t> ramp;
};
struct GradientCache {
    std::array<GradientSlot, 16> slots;
    int next = 0;
};

GradientCache& Cache() {
    static GradientCache cache;
    return cache;
}

void BuildRamp(std::vector<uint32_t>& ramp, uint32_t colour1, uint32_t colour2, int n) {
    ramp.resize(static_cast<size_t>(n));
    const int r1 = Red(colour1), g1 = Green(colour1), b1 = Blue(colour1);
    const int dr = Red(colour2) - r1, dg = Green(colour2) - g1, db = Blue(colour2) - b1;
    if (n == 1) {
        ramp[0] = Rgb(r1 + dr / 2, g1 + dg / 2, b1 + db / 2);
        return;
    }
    const int d = n - 1;
    const int half = d / 2;
    for (int i = 0; i <= d; ++i)
        ramp[static_cast<size_t>(i)] = Rgb(r1 + (i * dr + half) / d, g1 + (i * dg + half) / d, b1 + (i * db + half) / d);
}

}  // namespace

uint32_t BlendColours(TColour c1, TColour c2, int weight) {
    const uint32_t a = ColourToRGB(c1);
    const uint32_t b = ColourToRGB(c2);
    const int scale = weight < 100 ? 100 : 1000;
    auto mix = [&](int x1, int x2) { return ((x2 * (scale - weight) + x1 * weight + scale / 2) / scale) & 0xFF; };
    return Rgb(mix(Red(a), Red(b)), mix(Green(a), Green(b)), mix(Blue(a), Blue(b)));
}

int SaturationIndex(TColour colour) {
    const uint32_t c = static_cast<uint32_t>(colour);
    const int r = Red(c), g = Green(c), b = Blue(c);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int hi = std::max({r, g, b});
    const int lo = std::min({r, g, b});
    const double s = hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi;
    return static_cast<int>(std::lround(s * 255.0));
}

const std::vector<uint32_t>& GradientRamp(uint32_t colour1, uint32_t colour2, int n) {
    if (n <= 0) throw std::invalid_argument("gradient ramp of no colours");
    GradientCache& cache = Cache();
    for (int i = 15; i >= 0; --i) {
        const GradientSlot& slot = cache.slots[static_cast<size_t>(i)];
        if (slot.ramp.size() == static_cast<size_t>(n) && slot.colour1 == colour1 && slot.colour2 == colour2)
            return slot.ramp;
    }
    GradientSlot& slot = cache.slots[static_cast<size_t>(cache.next)];
    slot.colour1 = colour1;
    slot.colour2 = colour2;
    BuildRamp(slot.ramp, colour1, colour2, n);
    cache.next = (cache.next + 1) % 16;
    return slot.ramp;
}

void ClearGradientCache() {
    GradientCache& cache = Cache();
    for (GradientSlot& slot : cache.slots) slot = GradientSlot{};
    cache.next = 0;
}

void ReplaceMagenta(PixelBuffer& image, uint32_t colour) {
    if (image.Empty()) return;
    const uint32_t replacement = PixelFromColour(colour & 0xFFFFFFu);
    uint32_t* p = image.Bits();
    const size_t count = static_cast<size_t>(image.Width()) * static_cast<size_t>(image.Height());
    for (size_t i = 0; i < count; ++i)
        if ((p[i] & 0xFFFFFFu) == 0xFF00FFu) p[i] = replacement;
}

void MirrorHorizontal(PixelBuffer& image) {
    if (image.Empty()) return;
    for (int y = 0; y < image.Height(); ++y) {
        uint32_t* row = image.Row(y);
        std::reverse(row, row + image.Width());
    }
}

void FlipVertical(PixelBuffer& image) {
    if (image.Empty()) return;
    for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
}

void RotateLeft(PixelBuffer& image) {
    if (image.Empty()) return;
    const int w = image.Width(), h = image.Height();
    PixelBuffer turned(h, w);
    if (turned.Empty()) return;
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) turned.Row(w - 1 - x)[y] = row[x];
    }
    image = std::move(turned);
}

void RotateRight(PixelBuffer& image) {
    if (image.Empty()) return;
    const int w = image.Width(), h = image.Height();
    PixelBuffer turned(h, w);
    if (turned.Empty()) return;
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) turned.Row(x)[h - 1 - y] = row[x];
    }
    image = std::move(turned);
}
