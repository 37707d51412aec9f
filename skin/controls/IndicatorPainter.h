#pragma once
// The faces of skinned indicators: status bar panels, progress bars and track-bar
// channels and thumbs, composed in a pixel buffer.
//
// Text goes through TButtonText (DrawText on Windows, a stand-in in the tests); the rest
// is plain pixels from the skin's element records.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/controls/ButtonPainter.h"
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

// ---------------------------------------------------------------------------------------
// Status bars.

// Frames of the StatusBarEdges element (1-based) by panel bevel.
enum TPanelFrameKind : int { pfLowered = 1, pfRaised = 2, pfFlat = 3 };

// Panel text alignment (the values of the framework's TAlignment).
enum TPanelAlign : int { paLeft = 0, paRight = 1, paCentre = 2 };

// DrawText flags of panel text (same values as DT_*).
enum TPanelTextFlag : unsigned { ptVCentre = 0x4, ptSingleLine = 0x20 };

struct TStatusPanelFace {
    TRect rect;             // as the bar reports it (SB_GETRECT)
    int kind = pfLowered;
    std::wstring text;
    int alignment = paLeft;
    bool rtl = false;       // the panel reads right to left: left and right swap
};

struct TStatusBarFace {
    uint32_t faceColour = 0;       // resolved ButtonFace
    uint32_t textColour = 0;       // resolved
    uint32_t shadow = 0;           // resolved ButtonShadow (frames without an edges image)
    uint32_t highlight = 0;        // resolved ButtonHighlight
    bool simple = false;           // one panel over the whole bar
    std::wstring simpleText;
    bool rtl = false;              // the bar reads right to left (simple text right-aligned)
    std::vector<TStatusPanelFace> panels;
    bool sizeGrip = false;
};

// The area a reported panel rectangle is framed in: two pixels wider on the right; the
// last panel reaches the bar's right edge.
TRect StatusPanelArea(const TRect& reported, bool last, int barWidth);
// Frame of kind k over rect: frame k of 3 of the edges image nine-sliced, or without an
// image a one-pixel 3-D line (lowered: shadow top-left, highlight bottom-right; raised
// the reverse; flat nothing).
void PaintPanelFrame(PixelBuffer& target, const TRect& rect, const TDataSkinObject* edges, int kind,
                     uint32_t shadow, uint32_t highlight);
// DrawText flags for a panel's text: one line, vertically centred, aligned (left and
// right swapped for a right-to-left panel).
unsigned PanelTextFlags(int alignment, bool rtl);
// The whole bar into target (its size is the bar's): face, panels with their frames and
// texts, the size grip (cell 5 of extraImages at the bottom-right corner, one pixel in).
void PaintStatusBar(PixelBuffer& target, const TStatusBarFace& face, const TDataSkinObject* edges,
                    const TDataSkinObject* extraImages, TButtonText& text);

// ---------------------------------------------------------------------------------------
// Progress bars.

struct TProgressState {
    int position = 0;
    int low = 0;
    int high = 100;
    bool vertical = false;   // fills from the bottom
};

// Width of the filled part of a bar `length` long: the share of the range the position
// has covered, clamped to 0..length; 0 for an empty or inverted range.
int ProgressFill(int length, const TProgressState& state);
// The bar into target (its size is the bar's). Style 1: frame 1 of 1 under the chunk
// image (tiled after ProgressChunk.LeftWidth + 2 when the chunk tiles, else nine-sliced
// into the inner area); other styles: frame 1 of 2 under frame 2 over the filled part.
// A vertical bar is composed turned a quarter and turned back.
void PaintProgress(PixelBuffer& target, const TDataSkinBorder& progress, const TDataSkinObject* chunk,
                   const TProgressState& state, uint32_t faceColour);

// ---------------------------------------------------------------------------------------
// Track bars.

// Cell of the thumb image drawn whatever the mouse does.
constexpr int kTrackThumbCell = 2;
constexpr int kTrackThumbCells = 5;

// The thumb into rect: cell 2 of 5 stretched, magenta transparent; without an image, a
// ButtonFace rectangle outlined in shadow.
void PaintTrackThumb(PixelBuffer& target, const TRect& rect, const TDataSkinObject* thumb, uint32_t shadow,
                     uint32_t faceColour);
// The channel into rect in three stretched slices: left/middle/right by LeftWidth and
// RightWidth (vertically centred when the image is lower than rect), or for a vertical
// bar top/middle/bottom by TopHeight and BottomHeight (horizontally centred when
// narrower).
void PaintTrackChannel(PixelBuffer& target, const TRect& rect, const TDataSkinObject& track, bool vertical);
