#include "skin/controls/TabPainter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "skin/data/ImgUtil.h"

namespace {

constexpr uint32_t kTabBottomBit = 0x2;
constexpr uint32_t kTabVerticalBit = 0x80;

PixelBuffer ScratchCopy(const PixelBuffer& src) {
    if (src.Empty()) return {};
    PixelBuffer copy = PixelBuffer::Scratch(src.Width(), src.Height());
    if (copy.Empty()) return {};
    std::memcpy(copy.Bits(), src.Bits(), static_cast<size_t>(src.Width()) * static_cast<size_t>(src.Height()) * 4);
    return copy;
}

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void FillRect(PixelBuffer& target, const TRect& r, uint32_t colour) {
    const TRect c = r.Intersect({0, 0, target.Width(), target.Height()});
    const uint32_t px = PixelFromColour(colour);
    for (int y = c.top; y < c.bottom; ++y) std::fill(target.Row(y) + c.left, target.Row(y) + c.right, px);
}

// A line from (x0, y0) to (x1, y1) inclusive, one pixel per step of the longer axis.
void Line(PixelBuffer& target, int x0, int y0, int x1, int y1, uint32_t colour) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const uint32_t px = PixelFromColour(colour);
    for (int i = 0; i <= steps; ++i) {
        const int x = steps ? x0 + (x1 - x0) * i / steps : x0;
        const int y = steps ? y0 + (y1 - y0) * i / steps : y0;
        target.SetPixel(x, y, px);
    }
}

void PaintCloseBox(PixelBuffer& comp, const TRect& box, uint32_t colour) {
    const int l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
    Line(comp, l, t, r, t, colour);
    Line(comp, l, b, r, b, colour);
    Line(comp, l, t, l, b, colour);
    Line(comp, r, t, r, b, colour);
    Line(comp, l, t, r, b, colour);
    Line(comp, l, b, r, t, colour);
}

}  // namespace

int TabSideFromStyle(uint32_t style) {
    const bool second = (style & kTabBottomBit) != 0;
    if (style & kTabVerticalBit) return second ? tabRight : tabLeft;
    return second ? tabBottom : tabTop;
}

TTabImages PrepareTabImages(const TDataSkinBorder& tabs, const TDataSkinObject* tabPane, int side) {
    TTabImages out;
    out.tab = ScratchCopy(tabs.Image);
    out.tabMargins = MarginsOf(tabs);
    out.tabFrames = tabs.SafeFrameCount();
    out.tabTransparent = tabs.Trans != 0;
    out.tabTile = tabs.Tile != 0;
    if (tabs.Style == 1 && tabPane) {
        out.pane = ScratchCopy(tabPane->Image);
        out.paneMargins = MarginsOf(*tabPane);
        out.paneTransparent = tabPane->Trans != 0;
        out.paneTile = tabPane->Tile != 0;
    } else {
        out.pane = ScratchCopy(tabs.Image2);
        out.paneMargins = {4, 5, 4, 4};
        out.paneTransparent = tabs.Trans != 0;
    }
    // The margins follow their edges, so a turned picture keeps its corners unstretched.
    TMargins& pm = out.paneMargins;
    switch (side) {
        case tabBottom:
            if (!out.tab.Empty()) FlipVertical(out.tab);
            if (!out.pane.Empty()) FlipVertical(out.pane);
            std::swap(out.tabMargins.top, out.tabMargins.bottom);
            std::swap(pm.top, pm.bottom);
            break;
        case tabLeft:
            if (!out.pane.Empty()) RotateLeft(out.pane);
            pm = {pm.top, pm.right, pm.bottom, pm.left};
            break;
        case tabRight:
            if (!out.pane.Empty()) RotateRight(out.pane);
            pm = {pm.bottom, pm.left, pm.top, pm.right};
            break;
        default: break;
    }
    return out;
}

TRect TabDisplayArea(const TRect& adjusted, int side) {
    TRect r{adjusted.left - 4, adjusted.top - 4, adjusted.right + 4, adjusted.bottom + 4};
    switch (side) {
        case tabBottom: r.bottom -= 1; break;
        case tabLeft: r.left += 1; break;
        case tabRight: r.right -= 1; break;
        default: r.top += 1; break;
    }
    return r;
}

TRect TabStripArea(int width, int height, const TRect& display, int side) {
    TRect r{0, 0, width, height};
    switch (side) {
        case tabBottom: r.top = std::max(0, display.bottom); break;
        case tabLeft: r.right = std::min(width, display.left); break;
        case tabRight: r.left = std::max(0, display.right); break;
        default: r.bottom = std::min(height, display.top); break;
    }
    if (r.IsEmpty()) return {};
    return r;
}

TTextSize TabCompositionSize(const TRect& strip, int side) {
    if (side == tabLeft || side == tabRight) return {strip.Height(), strip.Width()};
    return {strip.Width(), strip.Height()};
}

// Left tabs: the upright composition is turned a quarter to the left (counter-clockwise)
// onto the strip, so its bottom edge (the pane side) becomes the strip's right edge; right
// tabs the other way.
TRect StripToComposition(const TRect& r, const TRect& strip, int side) {
    const TRect s = r.Offset(-strip.left, -strip.top);
    switch (side) {
        case tabLeft: return {strip.Height() - s.bottom, s.left, strip.Height() - s.top, s.right};
        case tabRight: return {s.top, strip.Width() - s.right, s.bottom, strip.Width() - s.left};
        default: return s;
    }
}

TRect CompositionToStrip(const TRect& c, const TRect& strip, int side) {
    TRect s = c;
    switch (side) {
        case tabLeft: s = {c.top, strip.Height() - c.right, c.bottom, strip.Height() - c.left}; break;
        case tabRight: s = {strip.Width() - c.bottom, c.left, strip.Width() - c.top, c.right}; break;
        default: break;
    }
    return s.Offset(strip.left, strip.top);
}

TTabCaptionLayout LayoutTabCaption(const TRect& tab, TTextSize image, TTextSize text, int alignment) {
    const int block = image.width + text.width;
    int x;
    switch (alignment) {
        case tcaLeft: x = 3; break;
        case tcaRight: x = tab.Width() - block - 2; break;
        default: x = (tab.Width() - image.width - text.width) / 2; break;
    }
    x = tab.left + std::max(1, x);
    TTabCaptionLayout out;
    const int imageTop = tab.top + (tab.Height() - image.height) / 2;
    out.image = {x, imageTop, x + image.width, imageTop + image.height};
    const int textTop = tab.top + (tab.Height() - text.height) / 2;
    out.text = TRect{x + image.width, textTop, x + image.width + text.width, textTop + text.height};
    return out;
}

TTabFace TabFaceOf(const TTabImages& images) {
    return {&images.tab, images.tabMargins, images.tabFrames, images.tabTransparent, images.tabTile};
}

TRect TabCloseBox(const TRect& tab) { return {tab.right - 8, tab.top + 2, tab.right - 2, tab.top + 8}; }

std::vector<TRect> PaintTabStrip(PixelBuffer& comp, const TRect& strip, int side, const TTabFace& face,
                                 const TTabStrip& tabs, TButtonText& text) {
    std::vector<TRect> boxes;
    FillRect(comp, {0, 0, comp.Width(), comp.Height()}, tabs.background);
    const TTextSize glyphSize = tabs.glyphs ? tabs.glyphs->Size() : TTextSize{};
    for (size_t i = 0; i < tabs.items.size(); ++i) {
        const TTabItem& item = tabs.items[i];
        const bool current = static_cast<int>(i) == tabs.current;
        TRect tab = StripToComposition(side == tabTop ? item.rect.Offset(0, tabs.topShift) : item.rect, strip, side);
        if (face.image && !face.image->Empty())
            DrawFrameNineSlice(comp, tab, *face.image, false, face.tile, face.transparent, face.frames,
                               current ? tabs.currentFrame : tabs.otherFrame, face.margins);
        const uint32_t colour = tabs.disabled ? tabs.disabledText : current ? tabs.currentText : tabs.normalText;
        // An image only when the list is narrower than the tab.
        const bool image = tabs.glyphs && item.image != -1 && glyphSize.width < tab.Width();
        const TTextSize textSize = text.Measure(item.text, tab.Width(), kTabMeasureFlags);
        const TTabCaptionLayout place = LayoutTabCaption(tab, image ? glyphSize : TTextSize{}, textSize, tabs.alignment);
        if (image) tabs.glyphs->Draw(comp, item.image, place.image.left, place.image.top);
        const TRect textRect = place.text.Intersect(tab);
        if (!textRect.IsEmpty()) text.Draw(comp, item.text, textRect, kTabDrawFlags, colour);
        if (tabs.closeBoxes) {
            const TRect box = TabCloseBox(tab);
            PaintCloseBox(comp, box, colour);
            boxes.push_back(CompositionToStrip(box, strip, side));
        }
    }
    return boxes;
}

void PlaceTabStrip(PixelBuffer& target, const PixelBuffer& comp, const TRect& strip, int side) {
    for (int y = 0; y < comp.Height(); ++y) {
        const uint32_t* row = comp.Row(y);
        for (int x = 0; x < comp.Width(); ++x) {
            int sx = x, sy = y;
            if (side == tabLeft) {
                sx = y;
                sy = comp.Width() - 1 - x;
            } else if (side == tabRight) {
                sx = comp.Height() - 1 - y;
                sy = x;
            }
            target.SetPixel(strip.left + sx, strip.top + sy, row[x]);
        }
    }
}

void PaintTabPane(PixelBuffer& target, const TTabImages& images, const TRect& display) {
    if (images.pane.Empty() || display.IsEmpty()) return;
    DrawFrameNineSlice(target, display, images.pane, false, images.paneTile, images.paneTransparent, 1, 1,
                       images.paneMargins);
}

int TabCloseBoxAt(const std::vector<TRect>& boxes, int x, int y) {
    for (size_t i = 0; i < boxes.size(); ++i) {
        const TRect& b = boxes[i];
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return static_cast<int>(i);
    }
    return -1;
}

void PaintTabSet(PixelBuffer& target, const TTabFace& face, const TTabStrip& tabs, TButtonText& text) {
    FillRect(target, {0, 0, target.Width(), target.Height()}, tabs.background);
    for (size_t i = 0; i < tabs.items.size(); ++i) {
        const TTabItem& item = tabs.items[i];
        const bool current = static_cast<int>(i) == tabs.current;
        if (face.image && !face.image->Empty())
            DrawFrameNineSlice(target, item.rect, *face.image, false, face.tile, face.transparent, face.frames,
                               current ? tabs.currentFrame : tabs.otherFrame, face.margins);
        const uint32_t colour = tabs.disabled ? tabs.disabledText : current ? tabs.currentText : tabs.normalText;
        const std::wstring caption = TwoLineCaption(item.text);
        const TRect place = PushCaptionRect(item.rect, caption, text);
        text.Draw(target, caption, place, btCenter | btWordBreak | btExpandTabs, colour);
    }
}
