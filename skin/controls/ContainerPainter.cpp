#include "skin/controls/ContainerPainter.h"

namespace {

void FillRect(PixelBuffer& target, const TRect& r, uint32_t pixel) {
    const TRect clipped = r.Intersect(TRect{0, 0, target.Width(), target.Height()});
    if (clipped.IsEmpty()) return;
    for (int y = clipped.top; y < clipped.bottom; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = clipped.left; x < clipped.right; ++x) row[x] = pixel;
    }
}

}  // namespace

TGroupBoxLayout LayoutGroupBox(int width, int height, int lineHeight, int captionWidth, int captionHeight,
                               bool rightAligned) {
    TGroupBoxLayout layout;
    // Integer division truncates toward zero, so a line height of 0 or 1 puts the top
    // edge one pixel above the box, where it is clipped away.
    const int y = lineHeight / 2 - 1;
    layout.frame = TRect{1, y, width - 1, height - 1};
    if (captionWidth > 0 && captionHeight > 0) {
        const int left = rightAligned ? width - 8 - captionWidth : 8;
        layout.caption = TRect{left, 0, left + captionWidth, captionHeight};
    }
    return layout;
}

void PaintGroupBoxFrame(PixelBuffer& target, const TGroupBoxLayout& layout, uint32_t shadow, uint32_t face) {
    const TRect& f = layout.frame;
    // The pen runs on the rectangle's inside: its last column and row are right - 1 and
    // bottom - 1. A 5 x 5 corner, as GDI draws it with a one-pixel pen, leaves out just the
    // corner pixel itself.
    if (f.Width() >= 5 && f.Height() >= 5) {
        const int l = f.left, t = f.top, r = f.right - 1, b = f.bottom - 1;
        FillRect(target, {l + 1, t, r, t + 1}, shadow);
        FillRect(target, {l + 1, b, r, b + 1}, shadow);
        FillRect(target, {l, t + 1, l + 1, b}, shadow);
        FillRect(target, {r, t + 1, r + 1, b}, shadow);
    }
    FillRect(target, layout.caption, face);
}

void PaintFrameOutline(PixelBuffer& target, const TRect& rect, uint32_t pixel) {
    if (rect.IsEmpty()) return;
    FillRect(target, {rect.left, rect.top, rect.right, rect.top + 1}, pixel);
    FillRect(target, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, pixel);
    FillRect(target, {rect.left, rect.top, rect.left + 1, rect.bottom}, pixel);
    FillRect(target, {rect.right - 1, rect.top, rect.right, rect.bottom}, pixel);
}
