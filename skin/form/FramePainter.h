#pragma once
// The skinned window frame as pixels: borders, caption bar with its text background,
// caption text, window icon and caption buttons, composed into one buffer the size of
// the window; and the window shape that follows the transparent (magenta) pixels of the
// border images.
//
// The client area is left as it is (zero pixels): the window draws it, and the Windows
// adapter keeps it out of the copy. Magenta pixels of the borders stay in the picture;
// the window region cuts them away.
#include <vector>

#include "skin/data/FrameDraw.h"
#include "skin/data/SkinCore.h"
#include "skin/form/FrameLayout.h"
#include "skin/form/Painting.h"

struct TFramePicture {
    PixelBuffer pixels;           // the whole window; empty when the frame is not drawn
    std::vector<TTextRun> texts;  // the caption text
    TRect icon;                   // where the window icon was put; empty when none
    TRect client;                 // not painted; empty when the whole buffer is painted
    TFrameLayout layout;
    // The caption bar (layout.caption) as it was before the caption buttons went on it:
    // a button that changes state is drawn again over this alone.
    PixelBuffer captionBack;
};

// One border part (1 left, 2 right, 3 top, 4 bottom) as a width x height picture in the
// active or inactive look; empty for a negative or zero size.
PixelBuffer BorderPart(const TSkinDefinition& skin, int part, int width, int height, bool active);

// Composes the frame for the state. The renderer measures the caption text and draws the
// text and icon into the buffer at their turn (after the text background, before the
// caption buttons). A window without a caption gets no picture. A buffer of the window's
// size in `reuse` (a previous picture's) is painted over instead of a new one: everything
// but the client area is drawn anew, the client area keeps what it held.
TFramePicture PaintFrame(const TSkinDefinition& skin, const TFrameState& state, TPaintRenderer& renderer,
                         PixelBuffer reuse = {});

// Draws the caption buttons again in the frames of `layout` (a layout of the same window
// whose buttons changed state only), within `cell` alone, over the kept caption bar: the
// pixels come out as a whole composition with that layout gives them, and the picture
// takes the layout. False, with the picture unchanged, when the cell cannot be drawn
// alone: it leaves the caption bar, or meets the window icon or the menu bar.
bool RepaintButtonCell(TFramePicture& picture, const TFrameLayout& layout, const TRect& cell);

// The window shape: the union of its rectangles. A skin whose borders have no transparent
// parts gives the whole window rectangle.
struct TFrameRegion {
    bool shaped = false;
    std::vector<RegionBatch> parts;
    bool Contains(int x, int y) const;
};
TFrameRegion FrameRegion(const TSkinDefinition& skin, const TFrameState& state);
