#pragma once
// Tab strips and panes of skinned tab controls, composed in a pixel buffer: geometry by
// orientation, current and other tabs, close boxes, and the caption layout of a tab.
//
// The tab strip is always composed upright (tabs standing on the pane below them) in a
// composition buffer: for bottom tabs the tab picture is flipped instead, for left and
// right tabs the composition has width and height exchanged and is turned back a quarter
// when it is placed. The pane picture is turned to the control's orientation once, when
// the images are prepared.
//
// Text goes through TButtonText (DrawText on Windows, a fixed-metrics stand-in in the
// tests); item images through TTabGlyphs.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/controls/ButtonPainter.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

// Where the tabs stand.
enum TTabSide : int { tabTop = 0, tabBottom = 1, tabLeft = 2, tabRight = 3 };

// From a tab control's window style: bit 0x2 (bottom, or right with vertical) and bit
// 0x80 (vertical).
int TabSideFromStyle(uint32_t style);

// The pictures one control draws with, prepared for its orientation.
struct TTabImages {
    PixelBuffer tab;        // the tab frames, flipped upside down for bottom tabs
    TMargins tabMargins;
    int tabFrames = 1;
    bool tabTransparent = false;
    bool tabTile = false;
    PixelBuffer pane;       // turned so that its tab-side edge faces the tabs
    TMargins paneMargins;   // turned with it
    bool paneTransparent = false;
    bool paneTile = false;
};

// The pane is the Tabs element's second picture (fixed margins 4, 5, 4, 4) when its Style
// is 0, the TabPane element's picture (its own margins) when the Style is 1 and the skin
// has one.
TTabImages PrepareTabImages(const TDataSkinBorder& tabs, const TDataSkinObject* tabPane, int side);

// The display area: the control's adjusted rectangle grown by 4 on every side and moved
// one pixel toward the tabs.
TRect TabDisplayArea(const TRect& adjusted, int side);
// The part of the control (0, 0, width, height) outside the display area on the tab side.
TRect TabStripArea(int width, int height, const TRect& display, int side);
// Size of the upright composition of a strip.
TTextSize TabCompositionSize(const TRect& strip, int side);
// A rectangle in control coordinates to the upright composition and back.
TRect StripToComposition(const TRect& r, const TRect& strip, int side);
TRect CompositionToStrip(const TRect& r, const TRect& strip, int side);

// Alignment of a tab's image and caption.
enum TTabCaptionAlign : int { tcaLeft = 0, tcaCentre = 1, tcaRight = 2 };

struct TTabCaptionLayout {
    TRect image;  // empty size without an image
    TRect text;
};
// The image-plus-text block of a tab: 3 pixels from the left, centred, or 2 pixels from
// the right, never closer than 1 to the left edge; image and text centred vertically.
TTabCaptionLayout LayoutTabCaption(const TRect& tab, TTextSize image, TTextSize text, int alignment);

// DrawText flags: measuring a caption and drawing it.
constexpr unsigned kTabMeasureFlags = 0x8550;  // calc rect, no clip, expand tabs, word break, end ellipsis
constexpr unsigned kTabDrawFlags = 0x8050;     // expand tabs, word break, end ellipsis

// The item images of a tab control (an image list).
class TTabGlyphs {
public:
    virtual ~TTabGlyphs() = default;
    virtual TTextSize Size() const = 0;
    virtual void Draw(PixelBuffer& target, int index, int x, int y) = 0;
};

struct TTabItem {
    std::wstring text;
    int image = -1;
    TRect rect;  // control coordinates, as the control reports it
};

struct TTabStrip {
    std::vector<TTabItem> items;
    int current = -1;              // drawn with currentFrame, the others with otherFrame
    int currentFrame = 2;
    int otherFrame = 1;
    int topShift = 1;              // top tabs are drawn this many pixels below their rectangle
    bool closeBoxes = false;
    bool disabled = false;
    int alignment = tcaCentre;
    uint32_t background = 0;       // 0x00BBGGRR, the parent's colour
    uint32_t normalText = 0;       // caption colour on other tabs
    uint32_t currentText = 0;      // caption colour on the current tab
    uint32_t disabledText = 0;
    TTabGlyphs* glyphs = nullptr;
};

// The tab picture a strip draws with (for tabs: the prepared Tabs frames; for button
// tabs: the Buttons element).
struct TTabFace {
    const PixelBuffer* image = nullptr;
    TMargins margins;
    int frames = 1;
    bool transparent = false;
    bool tile = false;
};
TTabFace TabFaceOf(const TTabImages& images);

// Draws the strip into comp (TabCompositionSize of strip): the background, each tab with
// its frame, caption and close box. Returns the close-box rectangles in control
// coordinates, one per item (empty without close boxes).
std::vector<TRect> PaintTabStrip(PixelBuffer& comp, const TRect& strip, int side, const TTabFace& face,
                                 const TTabStrip& tabs, TButtonText& text);
// The close box of a tab (upright composition coordinates): a 6 x 6 square at its
// top-right corner, 2 pixels in.
TRect TabCloseBox(const TRect& tab);
// Puts the composition onto target at strip, turned back for left and right tabs.
void PlaceTabStrip(PixelBuffer& target, const PixelBuffer& comp, const TRect& strip, int side);
// The pane picture nine-sliced into the display area.
void PaintTabPane(PixelBuffer& target, const TTabImages& images, const TRect& display);

// Index of the close box holding (x, y), -1 when none.
int TabCloseBoxAt(const std::vector<TRect>& boxes, int x, int y);

// An old-style tab set, composed into target (the whole control): the background, then
// each tab at its own rectangle (control coordinates) with its frame of face (the prepared
// Tabs picture, flipped for bottom tabs) and its caption laid out as a push button's: the
// first "||" a line break, centred, the vertical centre one pixel up. No image, no
// close box.
void PaintTabSet(PixelBuffer& target, const TTabFace& face, const TTabStrip& tabs, TButtonText& text);
