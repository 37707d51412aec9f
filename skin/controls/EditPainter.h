#pragma once
// The faces of skinned text fields and up-down buttons, without any window: the thin frame
// an edit or a date-time picker gets in place of its 3-D border, the up-down halves in
// their states, and the drop-down arrow button of a date-time picker.
//
// Colours are plain 0x00BBGGRR values as GDI takes them (system colours already looked
// up by the caller).
#include <array>
#include <cstdint>

#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

// ---------------------------------------------------------------------------------------
// Text field frames.

// One 1-pixel outline: the edge pixels of rect (as FrameRect draws it).
struct TFrameRing {
    TRect rect;
    bool shadow = false;  // ButtonShadow; otherwise white
};

// The rings of a text field's frame, outermost first: rect in ButtonShadow, then
// whiteLines (0 to 2) white rings inside it. count tells how many of rings are used.
struct TEditFrame {
    std::array<TFrameRing, 3> rings{};
    int count = 0;
};
TEditFrame EditFrameRings(const TRect& rect, int whiteLines);

// A field has a border to cover when its client area is smaller than its window in both
// directions (a borderless edit's client area is the whole window).
bool EditHasBorder(int clientWidth, int clientHeight, int width, int height);
// The frame printed around a field's client picture: only when the border is wider than
// one pixel on some side pair (client area plus 2 still short of the window).
bool PrintFrameWanted(int clientWidth, int clientHeight, int width, int height);

// Draws a 1-pixel outline of rect (clipped to the target).
void PaintRing(PixelBuffer& target, const TRect& rect, uint32_t colour);
// The whole frame of EditFrameRings with the shadow colour given.
void PaintEditFrame(PixelBuffer& target, const TRect& rect, uint32_t shadow, int whiteLines);

// ---------------------------------------------------------------------------------------
// Up-down buttons.

// Frames of each half (1-based within the half's group of four).
enum TUpDownState : int { udNormal = 1, udPressed = 2, udDisabled = 3, udHot = 4 };

// Mouse state bits as the skinners keep them.
constexpr uint8_t kUpDownHot = 1;
constexpr uint8_t kUpDownPressed = 2;

// Disabled wins; a half the cursor is not over is normal; else pressed, hot, normal.
int UpDownHalfState(bool disabled, bool cursorInHalf, uint8_t mouseState);

// The two equal halves of area: left and right for a horizontal up-down, top and bottom
// otherwise (an odd pixel goes to the second half).
struct TUpDownHalves {
    TRect first;
    TRect second;
};
TUpDownHalves SplitUpDown(const TRect& area, bool horizontal);

// Where an up-down inside an edit may draw: its client rectangle less whatever lies within
// 3 pixels of the edit's top, bottom and right edges. edit is the edit's window rectangle
// in the up-down's client coordinates.
TRect EmbeddedUpDownArea(const TRect& client, const TRect& edit);

struct TUpDownLook {
    bool horizontal = false;
    int firstState = udNormal;
    int secondState = udNormal;
    TRect area;                  // where the halves go; empty: the whole buffer (nothing when embedded)
    bool embedded = false;       // the whole buffer is made white first
    uint32_t face = 0;           // background of the buffer (0x00BBGGRR)
    uint32_t arrow = 0;          // line arrows without the element
    uint32_t disabledArrow = 0;
};

// The whole face into target (its size is the window's): the background, each half's
// frame of the element (eight frames stacked, 1-4 the first half, 5-8 the second)
// nine-sliced with the arrow cell of the same number from its second image centred over
// it; without an element (or an element without an image) arrows drawn with lines.
void PaintUpDown(PixelBuffer& target, const TDataSkinBorder* element, const TUpDownLook& look);

// A plain arrow of horizontal (or vertical) lines centred in rect, pointing up, down,
// left or right; pressed moves it one pixel right and down.
enum TArrowDirection : int { adUp, adDown, adLeft, adRight };
void PaintLineArrow(PixelBuffer& target, const TRect& rect, TArrowDirection direction, uint32_t colour,
                    bool pressed);

// ---------------------------------------------------------------------------------------
// Date-time picker drop-down button.

// The button's place in the picker's client area: buttonWidth wide, the picker's height
// less 4 high, at the top; at the left (2) for a left-scroll-bar picker, else against the
// right edge of the client area (picker width - button width - 4).
TRect ArrowButtonBounds(int pickerWidth, int pickerHeight, int buttonWidth, bool leftScrollBar);

// Its face: face colour, then cell 4 (hot) or 1 of the arrow strip stretched over it.
void PaintArrowButton(PixelBuffer& target, const TDataSkinObject* arrow, bool hot, uint32_t face);
