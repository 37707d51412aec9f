#pragma once
// Menus in the skin's look, without the platform: the width a skinned owner-drawn item
// asks for, the picture of one item (the MenuItem element cell, separator, glyph box, check
// mark, caption and shortcut, mirrored for right-to-left menus) and the popup window's
// background with its 3-pixel frame. Text, image-list glyphs and the system check mark
// are drawn through TMenuItemRenderer (GDI on Windows, a stand-in on the host).
#include <cstdint>
#include <string>

#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
#include "skin/form/Painting.h"

// Width of the popup frame drawn from MenuBackground; items are clipped inside it.
constexpr int kMenuFrameWidth = 3;

// What an item looks like at the moment it is drawn.
struct TMenuItemLook {
    std::string caption;   // "-" is a separator
    std::string shortcut;  // shortcut text, empty for none
    bool selected = false;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;    // drawn bold
    bool rightToLeft = false;  // the item's menu reads right to left
    bool hasImageList = false; // the item's menu has images
    int imageWidth = 16;
    int imageHeight = 16;
    bool hasImage = false;     // a valid image index in that list
};

class TMenuItemRenderer {
public:
    virtual ~TMenuItemRenderer() = default;
    // Extent of a single line of text (DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS |
    // DT_SINGLELINE) in the menu font, bold or regular.
    virtual TExtent MeasureText(const std::string& text, bool bold) const = 0;
    // format: DrawText flags (DT_EXPANDTABS | DT_SINGLELINE, with DT_RIGHT / DT_RTLREADING).
    virtual void PaintText(PixelBuffer& target, const std::string& text, const TRect& rect, uint32_t rgb,
                           bool bold, unsigned format) = 0;
    // The item's image with its top-left at (x, y), greyed when not enabled.
    virtual void PaintImage(PixelBuffer& target, int x, int y, bool enabled) = 0;
    // The system's check mark, drawn in colour rgb with its top-left at (x, y).
    virtual TExtent CheckMarkSize() const = 0;
    virtual void PaintCheckMark(PixelBuffer& target, int x, int y, uint32_t rgb) = 0;
};

// DrawText flags the item text is drawn with.
enum : unsigned {
    kMenuTextRight = 0x2,
    kMenuTextSingleLine = 0x20,
    kMenuTextExpandTabs = 0x40,
    kMenuTextRtlReading = 0x20000,
};

// The width a skinned item asks for after its own measuring gave `width`: the MenuItem
// element's LeftWidth (when the skin has it), 12, and 23 more when the menu has no images.
int SkinnedMenuItemWidth(int width, const TSkinDefinition* skin, bool hasImageList);

// Caption or shortcut colour (0x00BBGGRR, system colours resolved): HilightText when
// selected, MenuText otherwise; a disabled item uses ButtonShadow, or the system's button
// shadow when the skin's ButtonShadow equals its MenuText (it would not stand out).
uint32_t MenuItemTextColour(const TSkinDefinition& skin, const TMenuItemLook& item);

// The popup's background: MenuBackground frame 1 nine-sliced to width x height. Empty when
// the skin has no usable MenuBackground image.
PixelBuffer MenuBackgroundPicture(const TSkinDefinition& skin, int width, int height);
bool HasMenuBackground(const TSkinDefinition& skin);

// Paints the item into target (the item's size, origin at its top-left). itemRect is the
// item's rectangle in the popup window's coordinates, where background (the popup's
// background picture, frame included, or null) lies: the part under the item is the item's
// background, else the Menu colour. Without a MenuItem element the item is drawn
// plainly: a Hilight or Menu fill and an etched line for a separator.
void PaintMenuItem(PixelBuffer& target, const TSkinDefinition& skin, const TMenuItemLook& item,
                   const TRect& itemRect, const PixelBuffer* background, TMenuItemRenderer& renderer);
