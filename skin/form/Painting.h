#pragma once
// What a portable painter hands out besides its pixels: text runs to be drawn in one of
// the skin's fonts, and the small interface through which it measures and draws them
// while it composes (GDI on Windows, a stand-in on the host).
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"

enum class TFontRole { Caption };

// Text layout flags; the values are those of DrawText's DT_ flags.
enum TTextFormat : unsigned {
    tfRight = 0x2,
    tfSingleLine = 0x20,
    tfNoPrefix = 0x800,
    tfEndEllipsis = 0x8000,
    tfRtlReading = 0x20000,
};

// One text to draw: a byte string in the ANSI code page, laid into rect.
struct TTextRun {
    std::string text;
    TRect rect;
    uint32_t colour = 0;  // 0x00BBGGRR
    TFontRole font = TFontRole::Caption;
    unsigned format = 0;  // TTextFormat flags
};

struct TExtent {
    int width = 0;
    int height = 0;
};

// Text and pictures that only the platform can draw. A painter measures through it while
// laying out and calls the drawing methods at the point of composition where the text or
// icon belongs, so later layers (caption buttons) cover them as they should. The default
// drawing methods do nothing: the caller then draws the returned runs itself.
class TPaintRenderer {
public:
    virtual ~TPaintRenderer() = default;
    // Width and height of the text as one DrawText calculation (DT_CALCRECT | DT_NOPREFIX |
    // DT_NOCLIP) gives them: line breaks make more lines.
    virtual TExtent Measure(TFontRole font, const std::string& text) const = 0;
    virtual void PaintText(PixelBuffer& target, const TTextRun& run) {}
    // The window's small icon scaled into rect.
    virtual void PaintIcon(PixelBuffer& target, const TRect& rect) {}
};
