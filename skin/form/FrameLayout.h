#pragma once
// Where each piece of a skinned window frame goes for one window size and state: the
// border widths, caption bar, client area, caption text with its background strip, the
// window icon and every caption button. Window coordinates: (0, 0) is the window's
// top-left corner, so the client area starts at (left, top + menu bar height).
//
// A pure function of the skin's records and a small state, shared by the frame painter,
// the frame skinner's hit testing and the preview tool.
#include <functional>
#include <string>
#include <vector>

#include "skin/data/Geometry.h"
#include "skin/data/SkinCore.h"
#include "skin/form/Painting.h"

// From the window style: sizeable (WS_THICKFRAME), single, no caption (the style lacks
// one of the two caption bits) and dialog (modal frame, or a dialog class).
enum class TBorderKind { Sizeable = 0, Single = 1, NoCaption = 2, Dialog = 3 };
enum class TShowState { Normal, Maximised, Minimised };

// The window's caption icons (bit set).
enum TCaptionIcon : unsigned {
    ciMaximiseBox = 1,
    ciMinimiseBox = 2,
    ciHelpBox = 4,
    ciSystemMenu = 8,
};

enum class TButtonState { Normal = 1, Pressed = 2, Hot = 3 };

// Caption button actions with a meaning of their own in the layout.
enum TCaptionAction : int {
    caClose = 0,
    caMaximise = 1,
    caMinimise = 2,
    caIcon = 3,
    caHelp = 4,
    caIconAlt = 11,
    caSystemMenu = 12,
};

struct TFrameState {
    int width = 0;   // the window's outer size
    int height = 0;
    TBorderKind borderKind = TBorderKind::Single;
    unsigned captionIcons = ciSystemMenu | ciMinimiseBox | ciMaximiseBox;
    TShowState show = TShowState::Normal;
    bool active = true;
    bool dialogClass = false;  // window class "#32770" or "TMessageForm"
    bool popup = false;        // WS_POPUP
    bool rightToLeft = false;  // WS_EX_LEFTSCROLLBAR: caption text from the right
    int menuBarHeight = 0;     // the skinned menu-bar strip under the caption
    // An MDI frame whose active child is maximised and which has a skinned menu bar: the
    // child's buttons then show in the menu-bar row.
    bool mdiChildButtons = false;
    std::string caption;  // window text, ANSI code page
    bool hasIcon = false;
    int iconSize = 16;    // SM_CXSMICON
    // State of each caption button, by index into the skin's SysButtons; missing ones
    // are normal.
    std::vector<TButtonState> buttonStates;
    // Answers for buttons whose Visibility lies in 1000..2000 (the window decides); when
    // empty those buttons stay hidden.
    std::function<bool(int visibility, int action)> askVisible;
};

struct TFrameSizes {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct TCaptionButtonPlace {
    const TDataSkinSysButton* element = nullptr;
    bool visible = false;
    bool enabled = true;
    bool icon = false;   // the window-icon button
    int frameCount = 1;  // state frames side by side in the element's image
    TRect bounds;        // empty unless visible and drawn from an image
    int frame = 1;       // the state frame to draw
};

struct TFrameLayout {
    TFrameSizes sizes;
    int menuBarHeight = 0;
    TRect caption;     // the caption bar the top border is drawn into
    TRect client;      // left to the window; empty when minimised
    TRect menuBar;     // the menu-bar strip, empty when there is none
    TRect textBox;     // caption text with its background margins
    TTextRun text;     // the caption text itself
    TRect icon;        // where the window icon goes; empty when it is not shown
    int rightButtonsWidth = 0;  // largest Xcoord of the right-aligned buttons shown
    std::vector<TCaptionButtonPlace> buttons;  // one per SysButtons record, same order
};

// Border widths: one state frame of each border image; all zero for a window without
// a caption.
TFrameSizes FrameSizes(const TSkinDefinition& skin, TBorderKind kind);
// The outer size that keeps a client area of clientWidth x clientHeight under the skin's
// borders and menu bar.
TExtent WindowSizeForClient(const TFrameSizes& sizes, int menuBarHeight, int clientWidth, int clientHeight);
// Whether a caption button shows for this state; enabled tells whether it works.
bool CaptionButtonVisible(const TDataSkinSysButton& button, const TFrameState& state, bool& enabled);
TFrameLayout LayoutFrame(const TSkinDefinition& skin, const TFrameState& state, const TPaintRenderer& metrics);
