#pragma once
// The pictures and the definition text of the Kelvora skin.
#include <string>
#include <vector>

#include "skin/data/PixelBuffer.h"

struct SkinPicture {
    std::string name;  // entry name in the package, e.g. "left.bmp"
    PixelBuffer image;
};

// Window frame: the four borders (active and inactive frames), the caption text
// background and the caption buttons.
void DrawFrameArt(std::vector<SkinPicture>& out);
// Push buttons, check boxes, radio buttons, tabs, progress, group box, status bar,
// combo box parts and list headers.
void DrawControlArt(std::vector<SkinPicture>& out);
// Scroll bars, up-down buttons and track bars.
void DrawScrollArt(std::vector<SkinPicture>& out);
// Menu bar, popup background and menu items.
void DrawMenuArt(std::vector<SkinPicture>& out);

// Every picture of the skin, in package order.
std::vector<SkinPicture> DrawSkinPictures();

// The program's menu glyph strip (64 x 16: restore, maximise, minimise, close; white is
// the mask). Not part of the package: the program carries it as a bitmap resource.
extern const char kMenuGlyphsName[];
PixelBuffer DrawMenuGlyphs();

// Name of the definition entry and its text (CR LF line ends).
extern const char kSkinDefinitionName[];
std::string SkinDefinitionText();
