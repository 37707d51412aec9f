#pragma once
// The look of the Kelvora skin in one place: its colours and the sizes that both the
// pictures and the definition text depend on.
#include "tools/skingen/Raster.h"

namespace style {

// Accent and window frame.
inline const Rgb kAccent = Hex(0x2D7FF9);
inline const Rgb kAccentDark = Hex(0x1A5FD0);
inline const Rgb kCaptionTopActive = Hex(0x2D7FF9);
inline const Rgb kCaptionBottomActive = Hex(0x1A5FD0);
inline const Rgb kCaptionTopInactive = Hex(0x8FA5C4);
inline const Rgb kCaptionBottomInactive = Hex(0x7A8FAD);
inline const Rgb kTitleTextActive = Hex(0xFFFFFF);
inline const Rgb kTitleTextInactive = Hex(0xEEF2F8);
inline const Rgb kCloseHot = Hex(0xE5483B);
inline const Rgb kClosePressed = Hex(0xB8342A);

// Client area and controls.
inline const Rgb kFace = Hex(0xF3F6FA);
inline const Rgb kText = Hex(0x243447);
inline const Rgb kTextMuted = Hex(0x4A5A70);
inline const Rgb kTextDisabled = Hex(0xA3AFBF);
inline const Rgb kWhite = Hex(0xFFFFFF);
inline const Rgb kBorder = Hex(0xC5D0DE);
inline const Rgb kBorderStrong = Hex(0xA9B7C9);
inline const Rgb kBorderDisabled = Hex(0xD8DFE8);
inline const Rgb kFillDisabled = Hex(0xF0F3F7);
inline const Rgb kHotFill = Hex(0xE8F1FE);
inline const Rgb kPressedFill = Hex(0xD3E3FB);
inline const Rgb kSelectedFill = Hex(0xE1ECFC);
inline const Rgb kDivider = Hex(0xDDE3EB);
inline const Rgb kTabFill = Hex(0xE4EBF4);
inline const Rgb kTabHotFill = Hex(0xEEF3FA);
inline const Rgb kTabBorder = Hex(0xC9D3E0);
inline const Rgb kStatusFill = Hex(0xEAEFF5);
inline const Rgb kStatusLine = Hex(0xD3DBE6);
inline const Rgb kProgressTrack = Hex(0xE6EBF2);
inline const Rgb kProgressBorder = Hex(0xCFD7E2);
inline const Rgb kGreenTop = Hex(0x43CB85);
inline const Rgb kGreenBottom = Hex(0x25A862);
inline const Rgb kGreenBorder = Hex(0x1F9A57);
inline const Rgb kScrollTrack = Hex(0xEEF2F7);
inline const Rgb kScrollTrackDisabled = Hex(0xF5F7FA);
inline const Rgb kScrollThumb = Hex(0xC3CDDA);
inline const Rgb kScrollThumbHot = Hex(0xA6B3C5);
inline const Rgb kScrollThumbPressed = Hex(0x8E9CB0);
inline const Rgb kScrollArrow = Hex(0x9AA8BA);
inline const Rgb kScrollArrowHot = Hex(0x5A6B82);
inline const Rgb kScrollArrowPressed = Hex(0x3F4E63);
inline const Rgb kScrollArrowHotFill = Hex(0xE1E8F1);
inline const Rgb kScrollArrowPressedFill = Hex(0xD2DBE7);
inline const Rgb kMenuBorder = Hex(0xC3CEDC);
inline const Rgb kGrip = Hex(0xA9B7C9);

// Window frame: widths of the borders and the caption height.
constexpr int kBorderWidth = 4;
constexpr int kCaptionHeight = 30;
constexpr int kCornerRadius = 6;
// Width of the top border picture and its fixed ends (which hold the round corners).
constexpr int kTopWidth = 24;
constexpr int kTopEnd = 8;
// Rows of the side pictures between caption and bottom corner.
constexpr int kSideMiddle = 8;

// Caption buttons: size, top offset and distances of their left edges from the right
// window edge.
constexpr int kCaptionButtonWidth = 28;
constexpr int kCaptionButtonHeight = 22;
constexpr int kCaptionButtonTop = 4;
constexpr int kCloseX = 34;
constexpr int kMaximiseX = 64;
constexpr int kMinimiseX = 94;
// Window icon: left edge and top.
constexpr int kIconX = 8;
constexpr int kIconY = 7;

// Caption text: start after the icon, room kept for the buttons, and the rounded
// background behind the text.
constexpr int kTitleShift = 24;
constexpr int kTitleRightClip = 100;
constexpr int kTextBackEnd = 10;
constexpr int kTextBackWidth = 28;

// Check box and radio button glyph cells.
constexpr int kGlyphCell = 13;
// Scroll bar cells (the arrow size of the system scroll bars).
constexpr int kScrollCell = 17;

// Colour of the caption at row y (0 = top edge of the window).
inline Rgb CaptionColour(bool active, double y) {
    double t = y <= 0 ? 0 : (y >= kCaptionHeight - 1 ? 1 : y / (kCaptionHeight - 1));
    return active ? Mix(kCaptionTopActive, kCaptionBottomActive, t)
                  : Mix(kCaptionTopInactive, kCaptionBottomInactive, t);
}

}  // namespace style
