#include "skin/data/GdiAdapters.h"

#include <algorithm>

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "skin/data/ImgUtil.h"

namespace {

// A 1-bit mask of bitmap's w x h top-left part: bit set where the pixel's RGB is keyColour.
BitmapHandle KeyMask(const PixelBuffer& bitmap, int w, int h, uint32_t keyColour) {
    const int stride = ((w + 15) / 16) * 2;  // monochrome rows are WORD aligned
    std::vector<uint8_t> bits(static_cast<size_t>(stride) * h, 0);
    const uint32_t key = PixelFromColour(keyColour) & 0xFFFFFFu;
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = bitmap.Row(y);
        uint8_t* out = bits.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < w; ++x)
            if ((row[x] & 0xFFFFFFu) == key) out[x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
    }
    return BitmapHandle(CreateBitmap(w, h, 1, 1, bits.data()));
}

// Key pixels keep the destination, the others take the source.
void MaskedCopy(HDC dc, int x, int y, int w, int h, HDC src, HBITMAP mask) {
    if (MaskBlt(dc, x, y, w, h, src, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY))) return;
    // Without MaskBlt: dest ^ src, masked (white = keep), ^ src again.
    MemoryDcHandle maskDc(CreateCompatibleDC(dc));
    if (!maskDc) return;
    SelectScope selected(maskDc.get(), mask);
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, w, h, src, 0, 0, SRCINVERT);
    BitBlt(dc, x, y, w, h, maskDc.get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, w, h, src, 0, 0, SRCINVERT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

// Puts a composed picture at (x, y), magenta transparent or opaque.
void Place(HDC dc, int x, int y, const PixelBuffer& picture, bool transparent) {
    if (picture.Empty()) return;
    if (transparent) {
        TransparentCopy(dc, RECT{x, y, x + picture.Width(), y + picture.Height()}, picture, kMagenta);
        return;
    }
    BufferDc src(const_cast<PixelBuffer&>(picture));
    if (src) BitBlt(dc, x, y, picture.Width(), picture.Height(), src.get(), 0, 0, SRCCOPY);
}

TRect Whole(const PixelBuffer& b) { return {0, 0, b.Width(), b.Height()}; }

}  // namespace

void TransparentCopy(HDC dc, const RECT& rect, const PixelBuffer& bitmap, uint32_t keyColour) {
    if (rect.right <= rect.left || rect.bottom <= rect.top || bitmap.Empty()) return;
    const int w = std::min<int>(rect.right - rect.left, bitmap.Width());
    const int h = std::min<int>(rect.bottom - rect.top, bitmap.Height());
    BitmapHandle mask = KeyMask(bitmap, w, h, keyColour);
    BufferDc src(const_cast<PixelBuffer&>(bitmap));
    if (!mask || !src) return;
    MaskedCopy(dc, rect.left, rect.top, w, h, src.get(), mask.get());
}

void TileDraw(HDC dc, const RECT& destRect, const PixelBuffer& bitmap, const RECT& srcRect) {
    const TRect s = ToTRect(srcRect);
    if (s.IsEmpty()) return;
    // The source part as a tile of its own (parts outside the image read 0).
    PixelBuffer tile(s.Width(), s.Height());
    if (tile.Empty()) return;
    TileDraw(tile, Whole(tile), bitmap, s);
    BufferDc src(tile);
    if (!src) return;
    for (long y = destRect.top; y < destRect.bottom; y += tile.Height())
        for (long x = destRect.left; x < destRect.right; x += tile.Width())
            BitBlt(dc, x, y, tile.Width(), tile.Height(), src.get(), 0, 0, SRCCOPY);
}

void GradientFill(HDC dc, const RECT& rect, TColour colour1, bool vertical, TColour colour2) {
    if (!RectVisible(dc, &rect)) return;
    const int n = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    if (n <= 0) return;
    const std::vector<uint32_t>& ramp = GradientRamp(ColourToRGB(colour1), ColourToRGB(colour2), n);
    RECT clip{};
    if (GetClipBox(dc, &clip) == ERROR) return;
    // The DC's own brush takes each band's colour: no brush is made per band.
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const COLORREF previous = GetDCBrushColor(dc);
    for (int i = 0; i < n; ++i) {
        const RECT band = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                                   : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
        RECT visible;
        if (!IntersectRect(&visible, &band, &clip)) continue;
        SetDCBrushColor(dc, ramp[static_cast<size_t>(i)]);
        FillRect(dc, &band, brush);
    }
    SetDCBrushColor(dc, previous);
}

void DrawFrameNineSlice(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, bool tile,
                        bool transparent, int count, int index, const TMargins& margins) {
    const TRect r = ToTRect(rect);
    if (r.Width() < 0 || r.Height() < 0) return;
    const PixelBuffer picture = BuildFrameBitmap(r.Width(), r.Height(), image, margins, stacked, tile, count, index);
    Place(dc, r.left, r.top, picture, transparent);
}

void DrawFrameStretched(HDC dc, const RECT& rect, const PixelBuffer& image, bool transparent, int count, int index) {
    const TRect r = ToTRect(rect);
    if (r.IsEmpty()) return;
    PixelBuffer picture(r.Width(), r.Height());
    if (picture.Empty()) return;
    StretchCopy(picture, Whole(picture), image, FrameRect(image, false, count, index));
    Place(dc, r.left, r.top, picture, transparent);
}

void DrawFrameCentred(HDC dc, const RECT& rect, const PixelBuffer& image, bool transparent, int count, int index) {
    const TRect r = ToTRect(rect);
    const TRect f = FrameRect(image, false, count, index);
    PixelBuffer picture(f.Width(), f.Height());
    if (picture.Empty()) return;
    StretchCopy(picture, Whole(picture), image, f);  // same size: a plain copy
    Place(dc, r.left + (r.Width() - f.Width()) / 2, r.top + (r.Height() - f.Height()) / 2, picture, transparent);
}

void DrawThreePart(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, bool transparent, int count,
                   int index, const TMargins& margins) {
    const TRect r = ToTRect(rect);
    if (r.IsEmpty()) return;
    PixelBuffer picture(r.Width(), r.Height());
    if (picture.Empty()) return;
    DrawThreePart(picture, Whole(picture), image, stacked, false, count, index, margins);
    Place(dc, r.left, r.top, picture, transparent);
}

void StretchThreePart(HDC dc, const RECT& rect, const PixelBuffer& image, bool stacked, int count, int index,
                      const TMargins& margins) {
    const TRect r = ToTRect(rect);
    if (r.IsEmpty()) return;
    PixelBuffer picture(r.Width(), r.Height());
    if (picture.Empty()) return;
    StretchThreePart(picture, Whole(picture), image, stacked, count, index, margins);
    Place(dc, r.left, r.top, picture, false);
}

RegionHandle RegionFromBatches(const std::vector<RegionBatch>& batches) {
    RegionHandle result;
    // RGNDATA: a 32-byte header, then the rectangles; kept DWORD aligned.
    std::vector<RECT> data;
    static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT), "header is two RECTs long");
    for (const RegionBatch& batch : batches) {
        data.assign(2 + batch.rects.size(), RECT{});
        auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = static_cast<DWORD>(batch.rects.size());
        header->nRgnSize = static_cast<DWORD>(batch.rects.size() * sizeof(RECT));
        header->rcBound = ToRECT(batch.bounds);
        for (size_t i = 0; i < batch.rects.size(); ++i) data[2 + i] = ToRECT(batch.rects[i]);
        RegionHandle part(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size() * sizeof(RECT)),
                                          reinterpret_cast<const RGNDATA*>(data.data())));
        if (!part) return RegionHandle();
        if (!result) {
            result = std::move(part);
        } else if (CombineRgn(result.get(), result.get(), part.get(), RGN_OR) == ERROR) {
            return RegionHandle();
        }
    }
    if (!result) result.reset(CreateRectRgn(0, 0, 0, 0));
    return result;
}

RegionHandle BitmapRegion(const PixelBuffer& image, int offsetX, int offsetY, int toleranceBlue, int toleranceGreen,
                          int toleranceRed, uint32_t colour) {
    return RegionFromBatches(
        RegionFromBitmap(image, offsetX, offsetY, toleranceBlue, toleranceGreen, toleranceRed, colour));
}

void PaintParentImage(TControl* control, HDC dc) {
    if (!control || !control->Parent() || !dc) return;
    TWinControl* parent = control->Parent();
    SaveDcScope saved(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    RECT r = control->ClientRect();
    OffsetRect(&r, control->Left(), control->Top());
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
}
