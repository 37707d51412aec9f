#include "skin/controls/EditPainter.h"

#include <algorithm>

#include "skin/data/FrameDraw.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
// Up-down elements hold eight frames stacked: four states of the first half, then of the second.
constexpr int kUpDownFrames = 8;
// Cells of the date-time arrow strip.
constexpr int kArrowNormalCell = 1;
constexpr int kArrowHotCell = 4;

void FillRect(PixelBuffer& target, const TRect& rect, uint32_t colour) {
    const TRect r = rect.Intersect({0, 0, target.Width(), target.Height()});
    const uint32_t pixel = PixelFromColour(colour);
    for (int y = r.top; y < r.bottom; ++y) std::fill(target.Row(y) + r.left, target.Row(y) + r.right, pixel);
}

}  // namespace

TEditFrame EditFrameRings(const TRect& rect, int whiteLines) {
    TEditFrame frame;
    frame.rings[0] = {rect, true};
    frame.count = 1;
    const int white = std::clamp(whiteLines, 0, 2);
    for (int i = 1; i <= white; ++i) frame.rings[frame.count++] = {{rect.left + i, rect.top + i, rect.right - i, rect.bottom - i}, false};
    return frame;
}

bool EditHasBorder(int clientWidth, int clientHeight, int width, int height) {
    return clientWidth != width && clientHeight != height;
}

bool PrintFrameWanted(int clientWidth, int clientHeight, int width, int height) {
    return clientWidth + 2 < width && clientHeight + 2 < height;
}

void PaintRing(PixelBuffer& target, const TRect& rect, uint32_t colour) {
    if (rect.IsEmpty()) return;
    FillRect(target, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect(target, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect(target, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect(target, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void PaintEditFrame(PixelBuffer& target, const TRect& rect, uint32_t shadow, int whiteLines) {
    const TEditFrame frame = EditFrameRings(rect, whiteLines);
    for (int i = 0; i < frame.count; ++i) PaintRing(target, frame.rings[i].rect, frame.rings[i].shadow ? shadow : kWhite);
}

int UpDownHalfState(bool disabled, bool cursorInHalf, uint8_t mouseState) {
    if (disabled) return udDisabled;
    if (!cursorInHalf) return udNormal;
    if (mouseState & kUpDownPressed) return udPressed;
    if (mouseState & kUpDownHot) return udHot;
    return udNormal;
}

TUpDownHalves SplitUpDown(const TRect& area, bool horizontal) {
    if (horizontal) {
        const int mid = area.left + area.Width() / 2;
        return {{area.left, area.top, mid, area.bottom}, {mid, area.top, area.right, area.bottom}};
    }
    const int mid = area.top + area.Height() / 2;
    return {{area.left, area.top, area.right, mid}, {area.left, mid, area.right, area.bottom}};
}

TRect EmbeddedUpDownArea(const TRect& client, const TRect& edit) {
    TRect r = client;
    r.top = std::max(r.top, edit.top + 3);
    r.bottom = std::min(r.bottom, edit.bottom - 3);
    r.right = std::min(r.right, edit.right - 3);
    return r.IsEmpty() ? TRect{} : r;
}

void PaintLineArrow(PixelBuffer& target, const TRect& rect, TArrowDirection direction, uint32_t colour,
                    bool pressed) {
    const bool vertical = direction == adUp || direction == adDown;
    // Along: the axis the arrow's lines run on; across: the one it points along.
    const int along = vertical ? rect.Width() : rect.Height();
    const int across = vertical ? rect.Height() : rect.Width();
    const int lines = std::min(4, std::min((along - 1) / 2, across - 2));
    if (lines < 1) return;
    const int shift = pressed ? 1 : 0;
    const int centre = (vertical ? rect.left : rect.top) + (along - 1) / 2 + shift;
    const int start = (vertical ? rect.top : rect.left) + (across - lines) / 2 + shift;
    const bool pointsBack = direction == adUp || direction == adLeft;
    const uint32_t pixel = PixelFromColour(colour);
    for (int k = 0; k < lines; ++k) {
        const int half = pointsBack ? k : lines - 1 - k;
        for (int t = centre - half; t <= centre + half; ++t) {
            if (vertical)
                target.SetPixel(t, start + k, pixel);
            else
                target.SetPixel(start + k, t, pixel);
        }
    }
}

void PaintUpDown(PixelBuffer& target, const TDataSkinBorder* element, const TUpDownLook& look) {
    if (target.Empty()) return;
    target.Fill(PixelFromColour(look.embedded ? kWhite : look.face));
    const TRect whole{0, 0, target.Width(), target.Height()};
    const TRect area = look.area.IsEmpty() ? (look.embedded ? TRect{} : whole) : look.area.Intersect(whole);
    if (area.IsEmpty()) return;
    const TUpDownHalves halves = SplitUpDown(area, look.horizontal);
    const TRect half[2] = {halves.first, halves.second};
    const int state[2] = {look.firstState, look.secondState};
    if (element && !element->Image.Empty()) {
        const TMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
        const int glyphCells = element->SafeFrameCount();
        for (int h = 0; h < 2; ++h) {
            const int index = h * 4 + std::clamp(state[h], 1, 4);
            DrawFrameNineSlice(target, half[h], element->Image, true, element->Tile != 0, element->Trans != 0,
                               kUpDownFrames, index, margins);
            if (!element->Image2.Empty())
                DrawFrameCentred(target, half[h], element->Image2, element->Trans != 0, glyphCells, index);
        }
        return;
    }
    const TArrowDirection directions[2] = {look.horizontal ? adLeft : adUp, look.horizontal ? adRight : adDown};
    for (int h = 0; h < 2; ++h)
        PaintLineArrow(target, half[h], directions[h], state[h] == udDisabled ? look.disabledArrow : look.arrow,
                       state[h] == udPressed);
}

TRect ArrowButtonBounds(int pickerWidth, int pickerHeight, int buttonWidth, bool leftScrollBar) {
    const int left = leftScrollBar ? 2 : pickerWidth - buttonWidth - 4;
    return {left, 0, left + buttonWidth, pickerHeight - 4};
}

void PaintArrowButton(PixelBuffer& target, const TDataSkinObject* arrow, bool hot, uint32_t face) {
    if (target.Empty()) return;
    target.Fill(PixelFromColour(face));
    if (!arrow || arrow->Image.Empty()) return;
    const int cells = arrow->SafeFrameCount();
    // A strip shorter than four cells has no hot cell: its first stands in.
    const int cell = hot && cells >= kArrowHotCell ? kArrowHotCell : kArrowNormalCell;
    DrawFrameStretched(target, {0, 0, target.Width(), target.Height()}, arrow->Image, arrow->Trans != 0, cells, cell);
}
