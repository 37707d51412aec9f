// Frame drawing figures: the four frame parts of a 453 x 398 window (and the 445 x 364
// main window), the region of its borders, a cached against an uncached gradient, and the
// whole skinned frame of our skin (picture and shape) as the form skinner composes it.
#include <ctime>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "skin/form/FramePainter.h"

namespace {

// Text measured as the caption font of a 96 dpi screen roughly is; no text is drawn.
class FixedMetrics : public TPaintRenderer {
public:
    TExtent Measure(TFontRole, const std::string& text) const override {
        return {7 * static_cast<int>(text.size()), 13};
    }
};

// Our skin, as the build packs it beside the benchmarks (generated/).
void OurSkinFrame(const char* program) {
    std::string dir = program;
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    std::ifstream in(dir + "generated/KelvoraSkin.skn", std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TSkinDefinition skin;
    if (!LoadSkinPackage(skin, package, ClassicSkinPlatform())) {
        std::printf("our skin: no package beside the benchmark\n");
        return;
    }
    TFrameState state;
    state.width = 453;
    state.height = 398;
    state.captionIcons = ciSystemMenu | ciMinimiseBox;
    state.caption = "Kelvora";
    FixedMetrics metrics;
    TFramePicture picture = PaintFrame(skin, state, metrics);
    const double fresh = MicrosecondsPerRun(500, [&] { PaintFrame(skin, state, metrics); });
    const double over = MicrosecondsPerRun(500, [&] {
        picture = PaintFrame(skin, state, metrics, std::move(picture.pixels));
    });
    size_t parts = 0;
    const double region = MicrosecondsPerRun(500, [&] { parts = FrameRegion(skin, state).parts.size(); });
    std::printf("our skin's frame at 453 x 398: composed %.1f us (%.1f us over the previous picture), "
                "shape %.1f us (%zu batches)\n", fresh, over, region, parts);
}


// Border images like our skin's: two frames, magenta outside rounded corners.
PixelBuffer Border(int w, int h, bool stacked) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, PixelFromColour(0xD05F1Au + static_cast<uint32_t>(y)));
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6 - i; ++j) {
            b.SetPixel(j, i, 0xFFFF00FFu);
            b.SetPixel((stacked ? w : w / 2) - 1 - j, i, 0xFFFF00FFu);
        }
    return b;
}

struct Frame {
    int left = 4, top = 30, right = 4, bottom = 4;
};

}  // namespace

int main(int, char** argv) {
    const PixelBuffer top = Border(24, 60, true);      // two stacked frames of 24 x 30
    const PixelBuffer bottom = Border(24, 8, true);
    const PixelBuffer left = Border(8, 42, false);     // two frames of 4 x 42 side by side
    const PixelBuffer right = Border(8, 42, false);
    const Frame f;

    for (const auto& size : {std::pair<int, int>{453, 398}, std::pair<int, int>{445, 364}}) {
        const int w = size.first, h = size.second;
        const double us = MicrosecondsPerRun(500, [&] {
            BuildFrameBitmap(f.left, h, left, {0, 30, 0, 4}, false, false, 2, 1);
            BuildFrameBitmap(f.right, h, right, {0, 30, 0, 4}, false, false, 2, 1);
            BuildFrameBitmap(w - 8, f.top, top, {6, 0, 6, 0}, true, false, 2, 1);
            BuildFrameBitmap(w - 8, f.bottom, bottom, {6, 0, 6, 0}, true, false, 2, 1);
        });
        std::printf("BuildFrameBitmap, four frame parts of %d x %d: %.1f us\n", w, h, us);
        const double tiled = MicrosecondsPerRun(500, [&] {
            BuildFrameBitmap(w - 8, f.top, top, {6, 0, 6, 0}, true, true, 2, 1);
        });
        std::printf("  caption part alone with a tiled centre: %.1f us\n", tiled);
    }

    const PixelBuffer leftPart = BuildFrameBitmap(4, 398, left, {0, 30, 0, 4}, false, false, 2, 1);
    const PixelBuffer rightPart = BuildFrameBitmap(4, 398, right, {0, 30, 0, 4}, false, false, 2, 1);
    const PixelBuffer topPart = BuildFrameBitmap(445, 30, top, {6, 0, 6, 0}, true, false, 2, 1);
    const PixelBuffer bottomPart = BuildFrameBitmap(445, 4, bottom, {6, 0, 6, 0}, true, false, 2, 1);
    size_t rects = 0;
    const double regionUs = MicrosecondsPerRun(500, [&] {
        rects = 0;
        for (const PixelBuffer* p : {&leftPart, &rightPart, &topPart, &bottomPart})
            for (const RegionBatch& b : RegionFromBitmap(*p, 0, 0, 1, 1, 1, kMagenta)) rects += b.rects.size();
    });
    std::printf("RegionFromBitmap, four borders of 453 x 398: %.1f us (%zu rectangles)\n", regionUs, rects);

    PixelBuffer caption(445, 30);
    ClearGradientCache();
    const double cached = MicrosecondsPerRun(5000, [&] {
        GradientFill(caption, {0, 0, 445, 30}, 0xF97F2D, true, 0xD05F1A);
    });
    int flip = 0;
    const double uncached = MicrosecondsPerRun(5000, [&] {
        // A new pair of colours every time: the ramp is built afresh.
        ++flip;
        GradientFill(caption, {0, 0, 445, 30}, 0xF97F2D, true, 0xD05F1A + static_cast<uint32_t>(flip & 0xFFFF));
    });
    std::printf("GradientFill 445 x 30 vertical: cached ramp %.2f us, uncached %.2f us\n", cached, uncached);
    const double rampCached = MicrosecondsPerRun(100000, [&] { GradientRamp(0x2D7FF9, 0x1A5FD0, 400); });
    const double rampBuilt = MicrosecondsPerRun(100000, [&] {
        ++flip;
        GradientRamp(0x2D7FF9, 0x1A5FD0 + static_cast<uint32_t>(flip & 0xFFFF), 400);
    });
    std::printf("GradientRamp of 400: cached %.3f us, built %.3f us\n", rampCached, rampBuilt);
    OurSkinFrame(argv[0]);
    return 0;
}
