#pragma once
// Pictures of skinned combo boxes and list headers, composed in a pixel buffer.
//
// A combo box keeps its own text: the buffer handed in holds what the window painted, and
// the painter draws the skin's frame and drop-down button over it, leaving the text area
// as it was. Three looks by ComboButton.Style: 1 a compact button cell in a plain frame,
// 2 one composite picture per state (edit frame and button together, made when the skin
// is parsed), anything else a sunken frame with a stretched button and a centred arrow.
//
// A header is drawn whole: every item with the Headerbar frame 2 when hot and 1
// otherwise, the area right of the last item with frame 1, captions aligned by format.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/controls/ButtonPainter.h"
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

// Cells of the combo button strips (1-based).
enum TComboFace : int { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

// Pressed 2, else focused or hot 4, else 1; a disabled combo shows 3, except that the
// compact look keeps 4 for a focused or hot one.
int ComboFace(bool pressed, bool focusedOrHot, bool disabled, bool compact);

// The text area the sunken look leaves alone, and its button rectangle, for a combo of
// width x height whose button is arrowWidth (SM_CXHSCROLL) wide plus 2.
TRect ComboTextArea(int width, int height, bool leftButton, int arrowWidth);
TRect ComboButtonArea(int width, int height, bool leftButton, int arrowWidth);

struct TComboLook {
    int face = cfNormal;
    bool leftButton = false;      // WS_EX_LEFTSCROLLBAR: the button on the left
    int arrowWidth = 17;          // SM_CXHSCROLL
    int stripWidth = 17;          // SM_CYVTHUMB: the compact look's button strip
    uint32_t brushColour = 0xFFFFFF;   // compact look: the DC's brush (0x00BBGGRR)
    uint32_t shadowColour = 0x808080;  // resolved ButtonShadow
};

// Draws the combo's skin over target (the window's picture at the origin). Returns the
// button rectangle the look draws (compact and sunken looks); empty for the composite
// look, whose button is where the system puts it. Nothing without a ComboButton image.
TRect PaintComboBox(PixelBuffer& target, const TSkinDefinition& skin, const TComboLook& look);

// An extended combo box: an edit-like frame (ButtonShadow outside, one white line inside)
// unless framed is false, and the button rectangle filled with faceColour under cell
// face of ComboxArrow stretched over it.
void PaintExtendedCombo(PixelBuffer& target, const TSkinDefinition& skin, int face, bool framed,
                        const TRect& button, uint32_t shadowColour, uint32_t faceColour);

// ---- Headers ----

// Header item format bits (HDF_*): alignment in the low two bits.
enum THeaderFormat : int { hfLeft = 0, hfRight = 1, hfCenter = 2, hfAlignMask = 3 };

struct THeaderItem {
    TRect rect;             // in the header's client coordinates
    std::wstring caption;
    int format = hfLeft;
    int imageWidth = 0;     // 0: no image
    int imageHeight = 0;
};

struct THeaderPlacement {
    TRect image;  // empty without an image
    TRect text;
};

// Where an item's image and caption go: the block (image, 3 px, text) 6 px from the left
// edge, centred, or ending 6 px before the right edge; never left of the item's left
// edge + 1. Both vertically centred.
THeaderPlacement PlaceHeaderCaption(const THeaderItem& item, TTextSize text);

// Index of the item whose rectangle holds (x, y); -1 for none.
int HeaderItemAt(const std::vector<THeaderItem>& items, int x, int y);

// The whole header: background, item frames, the area right of the last item, captions
// (textColour, or disabledColour when disabled). Returns each item's placement (for
// images drawn afterwards).
std::vector<THeaderPlacement> PaintHeaderBar(PixelBuffer& target, const TDataSkinObject& element,
                                             const std::vector<THeaderItem>& items, int hot, bool disabled,
                                             uint32_t background, uint32_t textColour, uint32_t disabledColour,
                                             TButtonText& text);
