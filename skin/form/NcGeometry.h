#pragma once
// The arithmetic of a skinned window's non-client area that needs no window: the client
// rectangle for WM_NCCALCSIZE, the caption and menu-bar hit-test rule, the outer size that
// keeps a client area under the skin's borders (with a dialog widened to show its
// caption), and the size that gives a window its system frame back. Window coordinates:
// (0, 0) is the window's top-left corner.
#include "skin/data/Geometry.h"
#include "skin/form/FrameLayout.h"

// The skinned non-client widths of one window.
struct TNcFrame {
    int left = 0;
    int top = 0;  // caption bar
    int right = 0;
    int bottom = 0;
    int menuBar = 0;  // the skinned menu-bar strip under the caption
};

// Hit-test codes used by the rule (the values of WM_NCHITTEST's answers).
enum TNcHit : int { nhNowhere = 0, nhClient = 1, nhCaption = 2, nhMenu = 5 };

// The client rectangle of a window placed at (x, y) with outer size cx x cy.
TRect NcClientRect(const TNcFrame& frame, int x, int y, int cx, int cy);

// What a point at window y becomes when the system answered `previous`: a point it put
// nowhere or in its caption lies in our caption below the top three rows, and in our
// menu-bar strip below the caption bar. Every other answer stays.
int NcHitTestRule(int previous, int windowY, const TNcFrame& frame);

// The outer size for a client area of clientWidth x clientHeight.
TExtent FitWindowSize(const TNcFrame& frame, int clientWidth, int clientHeight);

// A dialog whose caption needs more width than the window has: the new width and how far
// its child windows move right (half the difference) so they stay centred.
struct TDialogWidening {
    int width = 0;
    int childShift = 0;
};
TDialogWidening WidenForCaption(int width, int neededWidth);

// The outer width at which a caption text of textWidth pixels (prefix and suffix blanks
// included) is drawn whole: the borders, the title element's end margins, the text
// background's margins, and on the right whichever keeps the text clear (the title's
// right margin, or for a popup window the right-aligned caption buttons and their gap).
int CaptionWidthNeeded(const TFrameSizes& sizes, const TDataSkinTitle& title, int textWidth, bool popup,
                       int rightButtonsWidth);

// The outer size that gives a window of outer size (width, height) its system frame back
// with the same client area.
TExtent SystemFrameWindowSize(const TNcFrame& frame, int width, int height, int systemFrameWidth,
                              int systemFrameHeight);
