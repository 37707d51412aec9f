#pragma once
// Scroll bars in the skin's look without any window: where the thumb of a scroll bar
// control lies, which part a point is on, where a dragged thumb goes, and the picture of
// a whole bar (arrows, track, thumb with its grip) in a pixel buffer.
//
// Positions are along the bar, in pixels from its start; "across" is the other axis.
#include <cstdint>

#include "skin/data/FrameDraw.h"
#include "skin/data/PixelBuffer.h"

class TDataSkinObject;
class TSkinDefinition;

// a * b / c rounded to the nearest integer (halves away from zero), as the system's
// MulDiv does; -1 when c is 0 or the result does not fit in 32 bits.
int32_t ScrollMulDiv(int32_t a, int32_t b, int32_t c);

// Part codes equal the scroll request codes (SB_LINEUP ... SB_THUMBTRACK).
constexpr int kPartNone = -1;
constexpr int kPartFirstArrow = 0;
constexpr int kPartSecondArrow = 1;
constexpr int kPartTrackBefore = 2;
constexpr int kPartTrackAfter = 3;
constexpr int kPartThumb = 5;

struct TThumbSpan {
    int32_t start = 0;
    int32_t end = 0;
    int32_t Length() const { return end - start; }
};

// The part at position pos along a bar.
int ScrollHitTest(int32_t pos, int32_t arrowSize, TThumbSpan thumb, int32_t barLength);

// The thumb of a scroll bar control from its scroll information (range nMax - nMin; an
// empty range counts as 9999999). With a page the thumb is proportional (at least 8
// pixels); without one it is a square of the arrow size.
TThumbSpan ControlThumb(int32_t barLength, int32_t arrowSize, int32_t nMin, int32_t nMax, uint32_t nPage,
                        int32_t nPos);
// The same from the control's own Min, Max, PageSize and Position (taken at a press).
TThumbSpan PropertyThumb(int32_t barLength, int32_t arrowSize, int32_t min, int32_t max, int32_t pageSize,
                         int32_t position);
// A dragged thumb: moved by delta from where it was at the press, kept between the two
// arrows (at the first arrow when the bar has no room for it).
TThumbSpan FollowThumb(int32_t downThumbStart, int32_t delta, int32_t thumbLength, int32_t arrowSize,
                       int32_t barLength);

// The drag of a drop-down list's thumb: the scroll position for a cursor moved by delta
// since the press.
struct TListDrag {
    int32_t thumbTop = 0;     // relative to the bar's start, at the press
    int32_t thumbBottom = 0;
    int32_t barLength = 0;
    int32_t arrowSize = 0;
    int32_t nMin = 0;
    int32_t nMax = 0;
    uint32_t nPage = 0;
};
int32_t ListDragPosition(const TListDrag& drag, int32_t delta);

// The elements a bar is drawn with; a missing one is not drawn.
struct TScrollLook {
    const TDataSkinObject* cells = nullptr;       // Scrollbar: 23 square cells
    const TDataSkinObject* horzTrack = nullptr;   // HorzScroll (4 frames; its Tile is used for both tracks)
    const TDataSkinObject* vertTrack = nullptr;   // VertScroll
    const TDataSkinObject* horzThumb = nullptr;   // HorzScrollThumb (its FrameCount and Trans for both thumbs)
    const TDataSkinObject* vertThumb = nullptr;   // VertScrollThumb
    uint32_t face = 0;                            // ButtonFace, 0x00BBGGRR resolved
    // A look can draw only with a non-empty cell strip.
    bool Usable() const;
};
TScrollLook ScrollLookOf(const TSkinDefinition& skin, uint32_t face);

struct TScrollBarState {
    int32_t width = 0;   // the bar's size
    int32_t height = 0;
    bool vertical = false;
    bool enabled = true;
    int32_t arrowSize = 0;
    int32_t systemThickness = 0;  // the system's scroll bar width
    TThumbSpan thumb;
    int32_t hotPart = kPartNone;
    bool tracking = false;  // a press is being forwarded
};

// The bar's thickness across: the cell strip's height, or the system's width when the
// two differ by more than 2 pixels.
int32_t ScrollThickness(const TScrollLook& look, int32_t systemThickness);
// Paints the bar into out, which must be width x height; false (nothing drawn) when the
// look is unusable or the bar is empty.
bool PaintScrollBar(PixelBuffer& out, const TScrollLook& look, const TScrollBarState& state);
