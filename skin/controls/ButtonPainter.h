#pragma once
// The faces of skinned buttons, composed in a pixel buffer: which frame of the Buttons
// element a state shows, the push-button face with its caption, the glyph and caption
// layout of bitmap buttons, and the glyph cells of check boxes and radio buttons.
//
// Text goes through TButtonText, which measures and draws as DrawText does (GDI on
// Windows, a fixed-metrics stand-in in the tests); everything else is plain pixels.
#include <cstdint>
#include <string>

#include "skin/data/Colour.h"
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

// Frames of the Buttons element (1-based).
enum TButtonFace : int { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfDefault = 5 };

// DrawText flags the layouts use (same values).
enum TButtonTextFlag : unsigned {
    btCenter = 0x1,
    btRight = 0x2,
    btWordBreak = 0x10,
    btExpandTabs = 0x40,
    btNoClip = 0x100,
    btCalcRect = 0x400,
    btRtlReading = 0x20000,
};

// Mouse state bits (as the skinners keep them).
constexpr uint8_t kButtonHot = 1;
constexpr uint8_t kButtonPressed = 2;

// Push button: disabled wins, then pressed, hot, focused-or-default, normal.
int PushButtonFace(bool enabled, uint8_t mouseState, bool focused, bool isDefault);
// Menu button: disabled, pressed, hot or focused, normal.
int MenuButtonFace(bool enabled, uint8_t mouseState, bool focused);
// Speed button: Down shows pressed; otherwise disabled, pressed, hot, normal.
int SpeedButtonFace(bool down, bool enabled, uint8_t mouseState);
// Glyph cell (1-based) for a face: pressed 3, disabled 2, else 1; a cell the glyph does
// not have falls back to 1. A Down speed button asks for cell 4 (down = true).
int GlyphCell(int face, int numGlyphs, bool down = false);

// The caption with its first "||" made a line break (CR LF); later ones stay.
std::wstring TwoLineCaption(const std::wstring& caption);

// Text colour for a face: the element's second normal colour when given, its hot and
// pressed colours for those faces, disabledColour for the disabled face; else base.
TColour ButtonTextColour(const TDataSkinButton& element, int face, TColour base, TColour disabledColour);

struct TTextSize {
    int width = 0;
    int height = 0;
};

class TButtonText {
public:
    virtual ~TButtonText() = default;
    // DrawText(DT_CALCRECT) of text in a rectangle maxWidth wide, with flags: the size the
    // text takes. An empty text measures (0, 0).
    virtual TTextSize Measure(const std::wstring& text, int maxWidth, unsigned flags) const = 0;
    // DrawText of text into rect of target, in colour (0x00BBGGRR), transparent background.
    virtual void Draw(PixelBuffer& target, const std::wstring& text, const TRect& rect, unsigned flags,
                      uint32_t colour) = 0;
    // DrawFocusRect: the default inverts every other pixel of rect's edge.
    virtual void FocusRect(PixelBuffer& target, const TRect& rect);
};

// Dotted focus rectangle by inversion (pixels whose x + y is even), clipped to target.
void InvertFocusRect(PixelBuffer& target, const TRect& rect);

// Where a push button's caption goes in a face of size client: measured in client less 2
// on every side, centred (the vertical centre one pixel up).
TRect PushCaptionRect(const TRect& client, const std::wstring& caption, const TButtonText& text);

// What a push-button face shows.
struct TPushFace {
    int face = bfNormal;
    std::wstring caption;          // as the control has it ("||" not yet replaced)
    uint32_t textColour = 0;       // resolved 0x00BBGGRR
    uint32_t faceColour = 0;       // background when there is no background picture
    const PixelBuffer* background = nullptr;  // the parent's image, same size as target
    bool focusRect = false;        // focused and the skin wants focus rectangles
    bool rtl = false;
};

// Composes the whole face into target (its size is the button's): background, the frame
// of the Buttons element nine-sliced, caption, focus rectangle. Nothing but the
// background when the element has no image.
void PaintPushButton(PixelBuffer& target, const TDataSkinButton& element, const TPushFace& face, TButtonText& text);

// Background and frame only (the part every button kind shares).
void PaintButtonFrame(PixelBuffer& target, const TDataSkinButton& element, int face, uint32_t faceColour,
                      const PixelBuffer* background);

// Glyph and caption placement of bitmap and speed buttons.
enum TGlyphLayout : int { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };
// "blglyphright" etc. (lower case) to the layout; anything else is glGlyphLeft.
int GlyphLayoutFromText(const std::string& lowerText);

struct TGlyphPlacement {
    TRect glyph;           // empty size when there is no glyph
    TRect text;            // where the caption is drawn
    unsigned textFlags = btWordBreak;
};

// client: the face at the origin. glyph: the cell size (0, 0 without a glyph). margin or
// spacing -1: automatic; centred: the control's Alignment is taCenter. caption already
// has its line break.
TGlyphPlacement PlaceGlyphAndText(const TRect& client, TTextSize glyph, const std::wstring& caption, int layout,
                                  int margin, int spacing, bool centred, const TButtonText& text);

// Cell (1-based) of a strip of numGlyphs side-by-side cells at at's top-left, the cell's
// bottom-left pixel colour transparent. embossed: the cell's shape once in highlight at
// (1, 1) and once in shadow over it (a disabled glyph that has no disabled cell).
void PaintGlyph(PixelBuffer& target, const TRect& at, const PixelBuffer& glyph, int numGlyphs, int cell,
                bool embossed, uint32_t highlight, uint32_t shadow);

// Check box glyph cell (1-based) of a strip of cellCount cells.
struct TCheckInput {
    bool checked = false;         // BM_GETSTATE has BST_CHECKED
    bool indeterminate = false;   // BM_GETSTATE has BST_INDETERMINATE
    bool disabled = false;
    bool hasControl = false;
    bool hasState = false;        // the control publishes "State"
    std::string state;            // its text, lower case
    bool hasChecked = false;      // the control publishes "Checked"
    bool checkedTrue = false;
    bool hasDataField = false;
    int rememberedCheck = 0;      // BM_SETCHECK wParam + 1; 0 none
    bool hasDataBinding = false;
};
int CheckBoxCell(const TCheckInput& in, int cellCount);
// Radio glyph cell: checked from BM_GETCHECK, a published Checked overriding it.
int RadioButtonCell(bool checked, bool hasChecked, bool checkedTrue, bool disabled, int cellCount);

struct TCheckPlacement {
    TRect glyph;
    TRect text;
    unsigned textFlags = 0;
};
// The glyph cell vertically centred in r, left (text after it) or, with leftText, at
// the right (radio buttons one pixel in) with the text before it.
TCheckPlacement PlaceCheckGlyph(const TRect& r, int cellWidth, int cellHeight, bool leftText, bool radio, bool rtl);

// Draws cell (1-based) of a strip of cellCount side-by-side cells into rect, magenta
// transparent.
void PaintGlyphCell(PixelBuffer& target, const TRect& rect, const PixelBuffer& strip, int cellCount, int cell);

// A check box or radio caption in its text area: measured, centred vertically.
TRect CheckCaptionRect(const TRect& textArea, const std::wstring& caption, unsigned flags, const TButtonText& text);
