#pragma once
// The skinned menu bar's geometry and keyboard rules that need no window: where each
// button of the bar goes (left to right, or from the right edge for right-to-left menus),
// which button a point hits, the next and previous button with wrap-around, the arrow
// keys of a right-to-left bar, and a caption's accelerator character.
#include <string>
#include <vector>

#include "skin/data/Geometry.h"

// One top-level item of the bar as the layout takes it.
struct TMenuBarItem {
    std::string caption;  // ANSI code page; "&x" marks the accelerator
    int textWidth = 0;    // the caption's measured width
    bool visible = true;
};

// Horizontal padding added to each caption's width.
constexpr int kMenuButtonPadding = 10;

// Distance of the first button from the bar's leading edge. With a menu-bar element: its
// left margin + 4 (left to right) or right margin + 8 (right to left), and 12 when the bar
// is narrower than that; without one 6.
int MenuBarStartOffset(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft, int barWidth);

// Button rectangles inside bar (the same coordinates as bar), one per item. A hidden item
// gets an empty rectangle; an empty caption takes no width. Right to left the buttons run
// leftwards from the right edge, less `trailingReserve` (room kept for other buttons).
std::vector<TRect> LayoutMenuBar(const std::vector<TMenuBarItem>& items, const TRect& bar, int start,
                                 bool rightToLeft, int trailingReserve = 0);

// True for a button the user can reach: visible with a caption.
bool MenuButtonShown(const TMenuBarItem& item);

// Index of the first shown button whose rectangle holds the point, or -1.
int MenuBarHitTest(const std::vector<TMenuBarItem>& items, const std::vector<TRect>& rects, int x, int y);

// The next (forward) or previous shown button from `current`, wrapping at the ends;
// `current` itself when no other is shown, -1 when none is.
int NextMenuButton(const std::vector<TMenuBarItem>& items, int current, bool forward);

// Virtual-key codes of the arrows.
constexpr unsigned kVkLeft = 0x25;
constexpr unsigned kVkRight = 0x27;
// Left and right change places in a right-to-left menu; other keys pass unchanged.
unsigned ExchangeArrowKey(unsigned key, bool rightToLeft);

// The caption's accelerator character (the one after a single '&'), upper-cased for
// ASCII letters; 0 when it has none. "&&" is a literal ampersand; the two bytes of a
// double-byte character are never taken apart.
char MenuAccelerator(const std::string& caption);
// Whether `key` (any case) is the caption's accelerator.
bool HasAccelerator(const std::string& caption, char key);
