#pragma once
// Drawing one state frame of a skin element into a pixel buffer: nine-sliced, stretched,
// centred or in three parts, with magenta as the transparent colour; plus tiling, keyed
// copies, gradients and the rectangle runs that shape a window region.
//
// Element images hold `count` equal frames numbered from 1, side by side (frame width =
// image width / count) or stacked (frame height = image height / count). Scaling is
// nearest-neighbour exactly as GDI's StretchBlt in COLORONCOLOR mode picks pixels.
// Every routine clips to the destination buffer; source pixels outside the image read 0.
#include <cstdint>
#include <vector>

#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"

// Fixed margins of a nine-slice image (an element's LeftWidth, TopHeight, RightWidth,
// BottomHeight).
struct TMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle of frame index (1-based) of count in image. count < 1 counts as 1.
TRect FrameRect(const PixelBuffer& image, bool stacked, int count, int index);

// Scales src's srcRect onto dest's destRect, picking pixels as COLORONCOLOR StretchBlt
// does. Nothing when either rectangle has a zero or negative extent.
void StretchCopy(PixelBuffer& dest, const TRect& destRect, const PixelBuffer& src, const TRect& srcRect);
// Copies src from its origin, unscaled, to rect's top-left corner, at most rect's size;
// pixels whose RGB equals keyColour (0x00BBGGRR) leave dest unchanged.
void TransparentCopy(PixelBuffer& dest, const TRect& rect, const PixelBuffer& src, uint32_t keyColour);
// Repeats srcRect of src from destRect's top-left in steps of its size while the position
// is left of / above destRect's right / bottom edge; the last tiles may run past destRect.
void TileDraw(PixelBuffer& dest, const TRect& destRect, const PixelBuffer& src, const TRect& srcRect);

// A width x height picture of frame index: corners and edges stretched, the centre tiled
// (tile) or stretched. Side margins are dropped when width < left + right, top and
// bottom ones when height < top + bottom.
PixelBuffer BuildFrameBitmap(int width, int height, const PixelBuffer& image, const TMargins& margins,
                             bool stacked, bool tile, int count, int index);
// The same picture in plain memory (PixelBuffer::Scratch), for compositions done by the
// portable routines alone.
PixelBuffer BuildFrameScratch(int width, int height, const PixelBuffer& image, const TMargins& margins,
                              bool stacked, bool tile, int count, int index);
void DrawFrameNineSlice(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked,
                        bool tile, bool transparent, int count, int index, const TMargins& margins);
// Side-by-side frames: the whole frame scaled onto rect.
void DrawFrameStretched(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool transparent,
                        int count, int index);
// Side-by-side frames: the frame at its own size, centred in rect.
void DrawFrameCentred(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool transparent,
                      int count, int index);
// Left part, repeated middle and right part of the frame, each scaled to rect's height.
void DrawThreePart(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked,
                   bool transparent, int count, int index, const TMargins& margins);
// Left and right parts kept, middle stretched; a rect narrower than the frame gets the
// whole frame stretched. Always opaque.
void StretchThreePart(PixelBuffer& dest, const TRect& rect, const PixelBuffer& image, bool stacked,
                      int count, int index, const TMargins& margins);

// Bands of a gradient from colour1 to colour2 (system colours resolved), one pixel high
// (vertical) or wide, over rect; only bands inside clip (and the buffer) are drawn.
void GradientFill(PixelBuffer& dest, const TRect& rect, int32_t colour1, bool vertical, int32_t colour2,
                  const TRect& clip);
void GradientFill(PixelBuffer& dest, const TRect& rect, int32_t colour1, bool vertical, int32_t colour2);

// One batch of region rectangles (becomes one ExtCreateRegion call on Windows).
struct RegionBatch {
    TRect bounds;             // encloses every rectangle of the batch; zero when empty
    std::vector<TRect> rects;
};
constexpr int kRegionBatchSize = 2000;
constexpr int kRegionBufferGrowth = 500;
// The runs of pixels outside the colour range (r0..r0+tolRed, g0..g0+tolGreen,
// b0..b0+tolBlue, capped at 255; r0, g0, b0 from colour 0x00BBGGRR), one rectangle per
// run, moved by (offsetX, offsetY), in batches of kRegionBatchSize. The last batch holds
// the remainder and is always present (possibly empty); their union is the region.
std::vector<RegionBatch> RegionFromBitmap(const PixelBuffer& image, int offsetX, int offsetY, int toleranceBlue,
                                          int toleranceGreen, int toleranceRed, uint32_t colour);
