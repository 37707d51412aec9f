#pragma once
// The skin's bitmap routines on GDI device contexts (Windows build only).
//
// Each routine composes its picture with the pixel-buffer routines of FrameDraw.h and
// puts it into the DC with one blit, so the pixels drawn are the ones the portable code is
// tested for; keyed copies leave exactly the pixels of the key colour's destination alone.
#include <windows.h>

#include <vector>

#include "framework/Handles.h"
#include "skin/data/Colour.h"
#include "skin/data/FrameDraw.h"

class TControl;

inline TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Copies bitmap from its origin, unscaled, to rect's top-left corner (at most rect's
// size); pixels whose RGB equals keyColour leave the DC unchanged. Nothing for an empty
// or inverted rectangle.
void TransparentCopy(HDC dc, const RECT& rect, const PixelBuffer& bitmap, uint32_t keyColour);
// Repeats srcRect of bitmap from destRect's top-left while the position is left of /
// above destRect's right / bottom edge; the last tiles may run past destRect.
void TileDraw(HDC dc, const RECT& destRect, const PixelBuffer& bitmap, const RECT& srcRect);
// One-pixel bands from colour1 to colour2 (system colours resolved) over rect, only those
// inside the DC's clip box; nothing when rect is not visible in the DC.
void GradientFill(HDC dc, const RECT& rect, TColour colour1, bool vertical, TColour colour2);

void DrawFrameNineSlice(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, bool tile,
                        bool transparent, int count, int index, const TMargins& margins);
void DrawFrameStretched(HDC dc, const RECT& rect, const PixelBuffer& image, bool transparent, int count, int index);
void DrawFrameCentred(HDC dc, const RECT& rect, const PixelBuffer& image, bool transparent, int count, int index);
void DrawThreePart(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, bool transparent, int count,
                   int index, const TMargins& margins);
// Opaque: left and right parts kept, middle stretched (the whole frame stretched when
// rect is narrower than the frame).
void StretchThreePart(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, int count, int index,
                      const TMargins& margins);

// One region from rectangle batches: each batch through ExtCreateRegion, OR-combined.
// An empty list or only empty batches give an empty region; a failing call gives none.
RegionHandle RegionFromBatches(const std::vector<RegionBatch>& batches);
// The region of the pixels of image outside the colour range (see RegionFromBitmap in
// FrameDraw.h), moved by the offsets. The caller owns it; SetWindowRgn(wnd, r.release(),
// redraw) hands it to a window.
RegionHandle BitmapRegion(const PixelBuffer& image, int offsetX, int offsetY, int toleranceBlue, int toleranceGreen,
                          int toleranceRed, uint32_t colour);

// Paints what the control's parent shows under the control into dc (the control's client
// coordinates): the parent gets WM_ERASEBKGND and WM_PAINT with dc, its viewport moved by
// the control's position and clipped to the control. Nothing without a parent.
void PaintParentImage(TControl* control, HDC dc);
