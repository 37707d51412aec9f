// Menu art: the popup background with its thin frame, menu items (a pale rounded
// highlight for the selected one, a hairline separator) and the menu-bar strip.
#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

namespace {

constexpr int kItemWidth = 24;
constexpr int kItemHeight = 22;

// Five cells: 1 normal (clear, the popup background shows), 2 the separator line near
// the bottom (separators are cut bottom-aligned from it), 3 as 1, 4 selected, 5 as 4.
PixelBuffer DrawMenuItems() {
    std::vector<PixelBuffer> cells;
    for (int i = 1; i <= 5; ++i) {
        Layer layer(kItemWidth, kItemHeight);
        if (i == 2) layer.Fill(RoundRect(4, kItemHeight - 5, kItemWidth - 4, kItemHeight - 4, 0), kDivider);
        if (i >= 4) {
            Shape body = RoundRect(2, 1, kItemWidth - 2, kItemHeight - 1, 3);
            layer.Fill(body, kSelectedFill);
            layer.Fill(InnerStroke(body, 1), Hex(0xC8DBF8));
        }
        cells.push_back(layer.Flatten(kWhite));
    }
    return JoinFrames(cells, false);
}

PixelBuffer DrawMenuBackground() {
    const int s = 16;
    Layer layer(s, s);
    layer.Flood(kWhite);
    layer.Fill(InnerStroke(RoundRect(0, 0, s, s, 0), 1), kMenuBorder);
    return layer.Flatten(kWhite);
}

// Two frames stacked, active and inactive window: the client colour with a hairline
// along the bottom.
PixelBuffer DrawMenuBar() {
    const int w = 16, h = 20;
    std::vector<PixelBuffer> frames;
    for (int i = 0; i < 2; ++i) {
        Layer layer(w, h);
        layer.Flood(kFace);
        layer.Fill(RoundRect(0, h - 1, w, h, 0), i == 0 ? kDivider : Lighten(kDivider, 0.3));
        frames.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(frames, true);
}

}  // namespace

void DrawMenuArt(std::vector<SkinPicture>& out) {
    out.push_back({"menuitem.bmp", DrawMenuItems()});
    out.push_back({"menubg.bmp", DrawMenuBackground()});
    out.push_back({"menubar.bmp", DrawMenuBar()});
}
