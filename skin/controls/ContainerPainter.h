#pragma once
// The face of a skinned group box, composed in a pixel buffer: a rounded outline in the
// skin's shadow colour whose top edge runs through the middle of the caption line, and
// the caption's box on the face colour, cut out of the outline.
#include <cstdint>

#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"

struct TGroupBoxLayout {
    TRect frame;    // the outline's rectangle (right and bottom exclusive, as RoundRect takes it)
    TRect caption;  // where the caption goes; empty when there is none
};

// width x height: the box; lineHeight: the height of the text "0" in the box's font;
// captionWidth x captionHeight: the caption as DrawText measures it (0 x 0 for none);
// rightAligned: the window reads right to left (WS_EX_RIGHT). The outline runs from
// (1, lineHeight / 2 - 1) to (width - 1, height - 1); the caption starts 8 pixels from
// the left edge, or ends 8 pixels before the right edge.
TGroupBoxLayout LayoutGroupBox(int width, int height, int lineHeight, int captionWidth, int captionHeight,
                               bool rightAligned);

// The outline with 5 x 5 rounded corners in shadow (pixel 0xAARRGGBB), then the caption's
// box filled with face. Everything is clipped to target; an outline narrower or lower than
// its corners draws nothing.
void PaintGroupBoxFrame(PixelBuffer& target, const TGroupBoxLayout& layout, uint32_t shadow, uint32_t face);

// A one-pixel outline along rect's inside edge (as FrameRect draws it), clipped to target.
void PaintFrameOutline(PixelBuffer& target, const TRect& rect, uint32_t pixel);
