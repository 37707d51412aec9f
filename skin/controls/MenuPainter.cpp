#include "skin/controls/MenuPainter.h"

#include <algorithm>

#include "skin/data/FrameDraw.h"

namespace {

// System colour indices (GetSysColor) used when the skin gives no colour of its own.
constexpr int kSysBtnFace = 15;
constexpr int kSysBtnShadow = 16;
constexpr int kSysBtnText = 18;
constexpr int kSysBtnHighlight = 20;

constexpr int kMenuItemCells = 5;
constexpr int kNormalCell = 1;
constexpr int kSeparatorCell = 2;
constexpr int kSelectedCell = 4;
constexpr uint32_t kKeyColour = 0xFF00FF;

uint32_t Rgb(TColour colour) { return ColourToRGB(colour); }

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void FillRect(PixelBuffer& target, const TRect& r, uint32_t rgb) {
    const TRect clip = r.Intersect({0, 0, target.Width(), target.Height()});
    const uint32_t pixel = PixelFromColour(rgb);
    for (int y = clip.top; y < clip.bottom; ++y) std::fill(target.Row(y) + clip.left, target.Row(y) + clip.right, pixel);
}

// The popup's background under the item, or the Menu colour.
void PaintItemBackground(PixelBuffer& target, const TSkinDefinition& skin, const TRect& itemRect,
                         const PixelBuffer* background) {
    if (!background || background->Empty()) {
        target.Fill(PixelFromColour(Rgb(skin.Colours[scMenu])));
        return;
    }
    const int dx = itemRect.left;
    const int dy = itemRect.top;
    for (int y = 0; y < target.Height(); ++y) {
        uint32_t* row = target.Row(y);
        for (int x = 0; x < target.Width(); ++x) row[x] = background->Pixel(x + dx, y + dy);
    }
}

// Cell 2 of the MenuItem image, bottom-aligned when the item is shorter than the cell:
// left and right slices kept, the middle stretched, magenta left out.
void PaintSeparator(PixelBuffer& target, const TDataSkinObject& element) {
    const TRect cell = FrameRect(element.Image, false, kMenuItemCells, kSeparatorCell);
    const int height = std::min(cell.Height(), target.Height());
    const int srcTop = cell.top + (cell.Height() - height);
    if (height <= 0 || cell.Width() <= 0) return;
    const int left = std::min(element.LeftWidth, cell.Width());
    const int right = std::min(element.RightWidth, cell.Width() - left);
    const int width = target.Width();
    PixelBuffer strip = PixelBuffer::Scratch(width, height);
    if (strip.Empty()) return;
    StretchCopy(strip, {0, 0, left, height}, element.Image, {cell.left, srcTop, cell.left + left, srcTop + height});
    StretchCopy(strip, {left, 0, width - right, height}, element.Image,
                {cell.left + left, srcTop, cell.right - right, srcTop + height});
    StretchCopy(strip, {width - right, 0, width, height}, element.Image,
                {cell.right - right, srcTop, cell.right, srcTop + height});
    TransparentCopy(target, {0, 0, width, height}, strip, kKeyColour);
}

// The etched line of a plain separator, 4 pixels below the top.
void PaintEtchedLine(PixelBuffer& target) {
    FillRect(target, {0, 4, target.Width(), 5}, Rgb(SystemColour(kSysBtnShadow)));
    FillRect(target, {0, 5, target.Width(), 6}, Rgb(SystemColour(kSysBtnHighlight)));
}

// The pressed box behind a checked item's image: a checker of button face and highlight
// inside a sunken one-pixel edge.
void PaintCheckedBox(PixelBuffer& target, const TRect& box) {
    const uint32_t face = PixelFromColour(Rgb(SystemColour(kSysBtnFace)));
    const uint32_t light = PixelFromColour(Rgb(SystemColour(kSysBtnHighlight)));
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) target.SetPixel(x, y, ((x + y) & 1) ? face : light);
    const uint32_t shadow = Rgb(SystemColour(kSysBtnShadow));
    const uint32_t hilite = Rgb(SystemColour(kSysBtnHighlight));
    FillRect(target, {box.left, box.top, box.right, box.top + 1}, shadow);
    FillRect(target, {box.left, box.top, box.left + 1, box.bottom}, shadow);
    FillRect(target, {box.left, box.bottom - 1, box.right, box.bottom}, hilite);
    FillRect(target, {box.right - 1, box.top, box.right, box.bottom}, hilite);
}

// Measured text: an empty caption or a lone "&" is measured as if followed by a blank.
std::string MeasuredText(const std::string& text) { return text.empty() || text == "&" ? text + " " : text; }

void PaintItemContent(PixelBuffer& target, const TSkinDefinition& skin, const TMenuItemLook& item,
                      TMenuItemRenderer& renderer) {
    const int w = target.Width();
    const int h = target.Height();
    const int leftWidth = skin.MenuItem ? skin.MenuItem->LeftWidth : 0;
    int glyph = item.hasImageList ? item.imageWidth : 16;
    if (item.checked) glyph = std::max(glyph, 16);

    TRect box = item.rightToLeft ? TRect{w - 1 - leftWidth - glyph, 1, w - 1 - leftWidth, 1 + glyph}
                                 : TRect{1 + leftWidth, 1, 1 + leftWidth + glyph, 1 + glyph};
    if (item.hasImageList && item.hasImage) {
        if (item.checked) {
            box.top = (h - 16) / 2;
            box.bottom = box.top + glyph;
            PaintCheckedBox(target, box);
            renderer.PaintImage(target, box.left, box.top, item.enabled);
        } else {
            renderer.PaintImage(target, box.left, (h - item.imageHeight) / 2, item.enabled);
        }
    } else if (item.checked) {
        const TExtent mark = renderer.CheckMarkSize();
        renderer.PaintCheckMark(target, box.left + (glyph - mark.width) / 2 + 1, (h - mark.height) / 2 + 1,
                                Rgb(SystemColour(kSysBtnText)));
    }

    const uint32_t colour = MenuItemTextColour(skin, item);
    const TExtent text = renderer.MeasureText(MeasuredText(item.caption), item.isDefault);
    const int top = (h - text.height) / 2;
    const unsigned format = kMenuTextExpandTabs | kMenuTextSingleLine;
    if (!item.rightToLeft) {
        const TRect caption{box.right + 3, top, std::min(box.right + 3 + text.width, w - 1), top + text.height};
        renderer.PaintText(target, item.caption, caption, colour, item.isDefault, format);
        if (!item.shortcut.empty())
            renderer.PaintText(target, item.shortcut, {caption.right, top, w - 1 - 10, top + text.height}, colour,
                               item.isDefault, format | kMenuTextRight);
    } else {
        const TRect caption{std::max(box.left - 3 - text.width, 1), top, box.left - 3, top + text.height};
        renderer.PaintText(target, item.caption, caption, colour, item.isDefault,
                           format | kMenuTextRight | kMenuTextRtlReading);
        if (!item.shortcut.empty())
            renderer.PaintText(target, item.shortcut, {1 + 10, top, caption.left, top + text.height}, colour,
                               item.isDefault, format | kMenuTextRtlReading);
    }
}

}  // namespace

int SkinnedMenuItemWidth(int width, const TSkinDefinition* skin, bool hasImageList) {
    if (skin && skin->MenuItem) width += skin->MenuItem->LeftWidth;
    width += 12;
    if (!hasImageList) width += 23;
    return width;
}

uint32_t MenuItemTextColour(const TSkinDefinition& skin, const TMenuItemLook& item) {
    if (!item.enabled) {
        const TColour shadow = skin.Colours[scButtonShadow];
        return shadow == skin.Colours[scMenuText] ? Rgb(SystemColour(kSysBtnShadow)) : Rgb(shadow);
    }
    return Rgb(skin.Colours[item.selected ? scHilightText : scMenuText]);
}

bool HasMenuBackground(const TSkinDefinition& skin) {
    return skin.MenuBackground && !skin.MenuBackground->Image.Empty();
}

PixelBuffer MenuBackgroundPicture(const TSkinDefinition& skin, int width, int height) {
    if (!HasMenuBackground(skin) || width <= 0 || height <= 0) return {};
    const TDataSkinObject& e = *skin.MenuBackground;
    return BuildFrameBitmap(width, height, e.Image, MarginsOf(e), false, e.Tile == 1, 1, 1);
}

void PaintMenuItem(PixelBuffer& target, const TSkinDefinition& skin, const TMenuItemLook& item,
                   const TRect& itemRect, const PixelBuffer* background, TMenuItemRenderer& renderer) {
    if (target.Empty()) return;
    const bool separator = item.caption == "-";
    const TDataSkinObject* element = skin.MenuItem && !skin.MenuItem->Image.Empty() ? skin.MenuItem.get() : nullptr;
    if (!element) {
        target.Fill(PixelFromColour(Rgb(skin.Colours[item.selected ? scHilight : scMenu])));
        if (separator)
            PaintEtchedLine(target);
        else
            PaintItemContent(target, skin, item, renderer);
        return;
    }
    PaintItemBackground(target, skin, itemRect, background);
    if (separator) {
        PaintSeparator(target, *element);
        return;
    }
    DrawFrameNineSlice(target, {0, 0, target.Width(), target.Height()}, element->Image, false, element->Tile == 1,
                       element->Trans != 0, kMenuItemCells, item.selected ? kSelectedCell : kNormalCell,
                       MarginsOf(*element));
    PaintItemContent(target, skin, item, renderer);
}
