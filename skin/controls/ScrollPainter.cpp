#include "skin/controls/ScrollPainter.h"

#include <algorithm>
#include <cstdlib>

#include "skin/data/SkinCore.h"

namespace {

constexpr int32_t kEmptyRange = 9999999;
constexpr int kCellCount = 23;
constexpr int kMinProportionalThumb = 8;

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

bool Drawable(const TDataSkinObject* e) { return e && !e->Image.Empty(); }

}  // namespace

int32_t ScrollMulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    int64_t m = a, d = c;
    if (d < 0) {
        m = -m;
        d = -d;
    }
    const int64_t product = m * b;
    const int64_t r = product < 0 ? (product - d / 2) / d : (product + d / 2) / d;
    if (r > 2147483647LL || r < -2147483647LL) return -1;
    return static_cast<int32_t>(r);
}

int ScrollHitTest(int32_t pos, int32_t arrowSize, TThumbSpan thumb, int32_t barLength) {
    if (pos < arrowSize) return kPartFirstArrow;
    if (pos < thumb.start) return kPartTrackBefore;
    if (pos < thumb.end) return kPartThumb;
    if (pos < barLength - arrowSize) return kPartTrackAfter;
    return kPartSecondArrow;
}

TThumbSpan ControlThumb(int32_t barLength, int32_t arrowSize, int32_t nMin, int32_t nMax, uint32_t nPage,
                        int32_t nPos) {
    const int32_t range = nMax == nMin ? kEmptyRange : nMax - nMin;
    const int32_t l = barLength - 2 * arrowSize;
    TThumbSpan t;
    if (nPage != 0) {
        int32_t length = ScrollMulDiv(l, static_cast<int32_t>(nPage) - 1, range);
        if (length >= kMinProportionalThumb) {
            t.start = nPos == nMin ? arrowSize : arrowSize + ScrollMulDiv(l, nPos - nMin, range);
        } else {
            length = kMinProportionalThumb;
            t.start = nPos == nMin ? arrowSize : arrowSize + ScrollMulDiv(l - length, nPos - nMin, range);
        }
        t.end = t.start + length;
    } else {
        t.start = nPos == nMin ? arrowSize : arrowSize + ScrollMulDiv(barLength - 3 * arrowSize, nPos - nMin, range);
        t.end = t.start + arrowSize;
    }
    return t;
}

TThumbSpan PropertyThumb(int32_t barLength, int32_t arrowSize, int32_t min, int32_t max, int32_t pageSize,
                         int32_t position) {
    const bool paged = pageSize != 0;
    const int32_t length = paged ? ScrollMulDiv(barLength - 2 * arrowSize, pageSize - 1, max - min) : arrowSize;
    const int32_t k = paged ? 2 : 3;
    TThumbSpan t;
    t.start = min == position ? arrowSize
                              : arrowSize + ScrollMulDiv(barLength - k * arrowSize, position - min, max - min);
    t.end = t.start + length;
    return t;
}

TThumbSpan FollowThumb(int32_t downThumbStart, int32_t delta, int32_t thumbLength, int32_t arrowSize,
                       int32_t barLength) {
    const int32_t last = barLength - arrowSize - thumbLength;
    const int32_t start = std::max(arrowSize, std::min(downThumbStart + delta, last));
    return {start, start + thumbLength};
}

int32_t ListDragPosition(const TListDrag& d, int32_t delta) {
    const int32_t track = d.barLength - 2 * d.arrowSize;
    const int32_t thumb = d.thumbBottom - d.thumbTop;
    const int32_t room = track - thumb;
    const int32_t n = std::max(0, d.thumbTop - d.arrowSize + delta);
    int32_t pos;
    if (d.nPage != 0) {
        const int32_t page = static_cast<int32_t>(d.nPage);
        pos = d.nMin + ScrollMulDiv(n > room ? room + 1 : n, d.nMax - d.nMin - page, room);
        if (pos >= d.nMax - page) pos = d.nMax - page + 1;
    } else {
        pos = std::min(d.nMax, d.nMin + ScrollMulDiv(std::min(n, room), d.nMax - d.nMin, track));
    }
    return std::max(pos, d.nMin);
}

bool TScrollLook::Usable() const { return Drawable(cells); }

TScrollLook ScrollLookOf(const TSkinDefinition& skin, uint32_t face) {
    TScrollLook look;
    look.cells = skin.Scrollbar.get();
    look.horzTrack = skin.HorzScroll.get();
    look.vertTrack = skin.VertScroll.get();
    look.horzThumb = skin.HorzScrollThumb.get();
    look.vertThumb = skin.VertScrollThumb.get();
    look.face = face;
    return look;
}

int32_t ScrollThickness(const TScrollLook& look, int32_t systemThickness) {
    const int32_t cellHeight = look.cells ? look.cells->Image.Height() : 0;
    return std::abs(cellHeight - systemThickness) > 2 ? systemThickness : cellHeight;
}

bool PaintScrollBar(PixelBuffer& out, const TScrollLook& look, const TScrollBarState& s) {
    if (!look.Usable() || s.width <= 0 || s.height <= 0 || out.Empty()) return false;
    out.Fill(PixelFromColour(look.face));
    const bool v = s.vertical;
    const int32_t length = v ? s.height : s.width;
    const int32_t thick = ScrollThickness(look, s.systemThickness);
    const int32_t a = s.arrowSize;
    auto span = [&](int32_t from, int32_t to) { return v ? TRect{0, from, thick, to} : TRect{from, 0, to, thick}; };
    const PixelBuffer& cells = look.cells->Image;

    // Track between the arrows; a bar shorter than two arrows has none.
    const TDataSkinObject* track = v ? look.vertTrack : look.horzTrack;
    if (Drawable(track) && length > 2 * a) {
        const bool tile = look.horzTrack && look.horzTrack->Tile == 1;
        DrawFrameNineSlice(out, span(a, length - a), track->Image, false, tile, track->Trans != 0, 4,
                           s.enabled ? 1 : 3, MarginsOf(*track));
    }

    // Arrows: half the bar each when it is shorter than two.
    const int32_t arrow = length < 2 * a ? length / 2 : a;
    auto arrowCell = [&](int base, int part) {
        return base + (s.hotPart == part ? (s.tracking ? 1 : 3) : 0);
    };
    DrawFrameStretched(out, span(0, arrow), cells, true, kCellCount, arrowCell(v ? 9 : 1, kPartFirstArrow));
    DrawFrameStretched(out, span(length - arrow, length), cells, true, kCellCount,
                       arrowCell(v ? 13 : 5, kPartSecondArrow));

    // Thumb with its grip; a disabled bar has none.
    const TDataSkinObject* thumb = v ? look.vertThumb : look.horzThumb;
    const TDataSkinObject* thumbInfo = look.horzThumb;
    const int32_t thumbLength = s.thumb.Length();
    if (!s.enabled || !Drawable(thumb) || !thumbInfo || thumbLength <= 0) return true;
    if (s.thumb.start < 0 || s.thumb.end > length) return true;
    const bool hot = s.hotPart == kPartThumb;
    const int frame = hot ? (s.tracking ? 2 : 3) : 1;
    DrawFrameNineSlice(out, span(s.thumb.start, s.thumb.end), thumb->Image, false, thumb->Tile == 1,
                       thumbInfo->Trans != 0, thumbInfo->SafeFrameCount(), frame, MarginsOf(*thumb));
    const int32_t cell = FrameRect(cells, false, kCellCount, 1).Width();
    if (thumbLength <= cell - 2) return true;
    const int grip = (v ? 20 : 17) + (hot ? (s.tracking ? 1 : 2) : 0);
    const int32_t at = s.thumb.start + (thumbLength - cell) / 2;
    const TRect gripRect = v ? TRect{0, at, cell, at + cell} : TRect{at, 0, at + cell, cell};
    if (gripRect.left >= 0 && gripRect.top >= 0 && gripRect.right <= s.width && gripRect.bottom <= s.height)
        DrawFrameStretched(out, gripRect, cells, true, kCellCount, grip);
    return true;
}
