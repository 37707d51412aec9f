#include "skin/controls/ComboPainter.h"

#include <algorithm>

#include "skin/data/FrameDraw.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kCaptionInset = 6;  // the system header's text margin
constexpr int kImageGap = 3;

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void Fill(PixelBuffer& px, const TRect& r, uint32_t colour) {
    const TRect c = r.Intersect({0, 0, px.Width(), px.Height()});
    const uint32_t pixel = PixelFromColour(colour);
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) px.SetPixel(x, y, pixel);
}

// A one-pixel outline of r (FrameRect).
void Frame(PixelBuffer& px, const TRect& r, uint32_t colour) {
    if (r.IsEmpty()) return;
    Fill(px, {r.left, r.top, r.right, r.top + 1}, colour);
    Fill(px, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
    Fill(px, {r.left, r.top, r.left + 1, r.bottom}, colour);
    Fill(px, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

TRect Inset(const TRect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// The pixels of area, kept aside while a frame is drawn over everything.
class SavedArea {
public:
    SavedArea(const PixelBuffer& px, const TRect& area)
        : area_(area.Intersect({0, 0, px.Width(), px.Height()})),
          copy_(PixelBuffer::Scratch(area_.Width(), area_.Height())) {
        for (int y = 0; y < area_.Height(); ++y)
            for (int x = 0; x < area_.Width(); ++x) copy_.SetPixel(x, y, px.Pixel(area_.left + x, area_.top + y));
    }
    void Restore(PixelBuffer& px) const {
        for (int y = 0; y < area_.Height(); ++y)
            for (int x = 0; x < area_.Width(); ++x) px.SetPixel(area_.left + x, area_.top + y, copy_.Pixel(x, y));
    }

private:
    TRect area_;
    PixelBuffer copy_;
};

TRect PaintCompact(PixelBuffer& target, const TDataSkinBorder& button, const TComboLook& look) {
    const TRect r{0, 0, target.Width(), target.Height()};
    Frame(target, Inset(r, 1), look.brushColour);
    const TRect inner = Inset(r, 2);
    const TRect strip = look.leftButton ? TRect{inner.left, inner.top, inner.left + look.stripWidth, inner.bottom}
                                        : TRect{inner.right - look.stripWidth, inner.top, inner.right, inner.bottom};
    Fill(target, strip.Intersect(inner), look.brushColour);
    Frame(target, r, look.shadowColour);
    const int cells = button.SafeFrameCount();
    const int cellWidth = button.Image.Width() / cells;
    const int cellHeight = std::min(button.Image.Height(), inner.Height());
    const int x = look.leftButton ? inner.left : inner.right - cellWidth;
    const TRect cell{x, inner.top, x + cellWidth, inner.top + cellHeight};
    DrawFrameStretched(target, cell, button.Image, true, cells, look.face);
    return cell;
}

TRect PaintSunken(PixelBuffer& target, const TSkinDefinition& skin, const TComboLook& look) {
    const TDataSkinBorder& button = *skin.ComboButton;
    const int w = target.Width(), h = target.Height();
    {
        const SavedArea text(target, ComboTextArea(w, h, look.leftButton, look.arrowWidth));
        if (const TDataSkinObject* sunk = skin.SunkEdge.get(); sunk && !sunk->Image.Empty())
            DrawFrameNineSlice(target, {0, 0, w, h}, sunk->Image, false, sunk->Tile != 0, sunk->Trans != 0,
                               sunk->SafeFrameCount(), look.face, MarginsOf(*sunk));
        text.Restore(target);
    }
    const TRect area = ComboButtonArea(w, h, look.leftButton, look.arrowWidth);
    const PixelBuffer& strip = look.leftButton && !button.Image2.Empty() ? button.Image2 : button.Image;
    DrawFrameStretched(target, area, strip, true, button.SafeFrameCount(), look.face);
    if (const TDataSkinObject* extra = skin.ExtraImages.get(); extra && !extra->Image.Empty()) {
        // The arrow sits centred in the button less 2 pixels on its outer side.
        const TRect arrowArea =
            look.leftButton ? TRect{area.left + 2, area.top, area.right, area.bottom}
                            : TRect{area.left, area.top, area.right - 2, area.bottom};
        DrawFrameCentred(target, arrowArea, extra->Image, true, extra->SafeFrameCount(), look.face);
    }
    return area;
}

}  // namespace

int ComboFace(bool pressed, bool focusedOrHot, bool disabled, bool compact) {
    const int g = pressed ? cfPressed : focusedOrHot ? cfHot : cfNormal;
    if (!disabled) return g;
    if (compact && g == cfHot) return cfHot;
    return cfDisabled;
}

TRect ComboTextArea(int width, int height, bool leftButton, int arrowWidth) {
    if (leftButton) return {arrowWidth + 4, 2, width - 2, height - 2};
    return {2, 2, width - arrowWidth - 4, height - 2};
}

TRect ComboButtonArea(int width, int height, bool leftButton, int arrowWidth) {
    if (leftButton) return {0, 0, arrowWidth + 2, height};
    return {width - arrowWidth - 2, 0, width, height};
}

TRect PaintComboBox(PixelBuffer& target, const TSkinDefinition& skin, const TComboLook& look) {
    const TDataSkinBorder* button = skin.ComboButton.get();
    if (!button || button->Image.Empty() || target.Empty()) return {};
    switch (button->Style) {
        case 1: return PaintCompact(target, *button, look);
        case 2: {
            // The composite mirrored for a left-side button is the SunkEdge image.
            const TDataSkinObject* element = button;
            if (look.leftButton && skin.SunkEdge && !skin.SunkEdge->Image.Empty()) element = skin.SunkEdge.get();
            DrawFrameNineSlice(target, {0, 0, target.Width(), target.Height()}, element->Image, false,
                               element->Tile != 0, true, element->SafeFrameCount(), look.face, MarginsOf(*element));
            return {};
        }
        default: return PaintSunken(target, skin, look);
    }
}

void PaintExtendedCombo(PixelBuffer& target, const TSkinDefinition& skin, int face, bool framed,
                        const TRect& button, uint32_t shadowColour, uint32_t faceColour) {
    if (target.Empty()) return;
    if (framed) {
        const TRect r{0, 0, target.Width(), target.Height()};
        Frame(target, r, shadowColour);
        Frame(target, Inset(r, 1), kWhite);
    }
    if (button.IsEmpty()) return;
    Fill(target, button, faceColour);
    if (const TDataSkinObject* arrow = skin.ComboxArrow.get(); arrow && !arrow->Image.Empty())
        DrawFrameStretched(target, button, arrow->Image, false, arrow->SafeFrameCount(), face);
}

THeaderPlacement PlaceHeaderCaption(const THeaderItem& item, TTextSize text) {
    const TRect& r = item.rect;
    const int imageWidth = item.imageWidth > 0 ? item.imageWidth : 0;
    const int gap = imageWidth > 0 && text.width > 0 ? kImageGap : 0;
    const int block = imageWidth + gap + text.width;
    int x;
    switch (item.format & hfAlignMask) {
        case hfRight: x = r.right - kCaptionInset - block; break;
        case hfCenter: x = r.left + (r.Width() - block) / 2; break;
        default: x = r.left + kCaptionInset; break;
    }
    x = std::max(x, r.left + 1);
    THeaderPlacement p;
    if (imageWidth > 0) {
        const int y = r.top + (r.Height() - item.imageHeight) / 2;
        p.image = {x, y, x + imageWidth, y + item.imageHeight};
    }
    const int tx = x + imageWidth + gap;
    const int ty = r.top + (r.Height() - text.height) / 2;
    p.text = {tx, ty, std::min(tx + text.width, r.right), ty + text.height};
    return p;
}

int HeaderItemAt(const std::vector<THeaderItem>& items, int x, int y) {
    for (size_t i = 0; i < items.size(); ++i) {
        const TRect& r = items[i].rect;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return static_cast<int>(i);
    }
    return -1;
}

std::vector<THeaderPlacement> PaintHeaderBar(PixelBuffer& target, const TDataSkinObject& element,
                                             const std::vector<THeaderItem>& items, int hot, bool disabled,
                                             uint32_t background, uint32_t textColour, uint32_t disabledColour,
                                             TButtonText& text) {
    std::vector<THeaderPlacement> placements;
    if (target.Empty()) return placements;
    target.Fill(PixelFromColour(background));
    const int count = element.SafeFrameCount();
    const bool hasImage = !element.Image.Empty();
    const auto frame = [&](const TRect& r, int index) {
        if (hasImage && !r.IsEmpty())
            DrawFrameNineSlice(target, r, element.Image, false, element.Tile != 0, element.Trans != 0, count, index,
                               MarginsOf(element));
    };
    int lastRight = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        frame(items[i].rect, static_cast<int>(i) == hot ? 2 : 1);
        lastRight = std::max(lastRight, items[i].rect.right);
    }
    frame({lastRight, 0, target.Width(), target.Height()}, 1);
    const uint32_t ink = disabled ? disabledColour : textColour;
    for (const THeaderItem& item : items) {
        const TTextSize size = text.Measure(item.caption, std::max(item.rect.Width(), 0), btCalcRect | btNoClip);
        THeaderPlacement p = PlaceHeaderCaption(item, size);
        text.Draw(target, item.caption, p.text, 0, ink);
        placements.push_back(p);
    }
    return placements;
}
