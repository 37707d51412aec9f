// The portable stretch against GDI itself: StretchBlt in COLORONCOLOR mode between DIB
// sections must pick the same pixels as StretchCopy for every pair of lengths, both axes,
// with offsets and with a destination partly outside the bitmap.
#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "skin/data/FrameDraw.h"

namespace {

class MemoryDc {
public:
    explicit MemoryDc(const PixelBuffer& b) : dc_(CreateCompatibleDC(nullptr)) {
        old_ = SelectObject(dc_, static_cast<HBITMAP>(b.NativeHandle()));
    }
    ~MemoryDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

PixelBuffer Numbered(int w, int h) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(x | y << 8));
    return b;
}

// Stretches src's srcRect onto a fresh w x h bitmap at destRect, once with GDI and once
// portably; true when every pixel agrees.
bool SameAsGdi(const PixelBuffer& src, const TRect& srcRect, int w, int h, const TRect& destRect) {
    PixelBuffer byGdi(w, h), byUs(w, h);
    {
        MemoryDc from(src), to(byGdi);
        SetStretchBltMode(to.Get(), COLORONCOLOR);
        StretchBlt(to.Get(), destRect.left, destRect.top, destRect.Width(), destRect.Height(), from.Get(),
                   srcRect.left, srcRect.top, srcRect.Width(), srcRect.Height(), SRCCOPY);
        GdiFlush();
    }
    StretchCopy(byUs, destRect, src, srcRect);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((byGdi.Pixel(x, y) & 0xFFFFFF) != (byUs.Pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

}  // namespace

TEST(FrameDrawGdi, StretchPicksTheSamePixelsAsStretchBlt) {
    const PixelBuffer src = Numbered(30, 30);
    int mismatches = 0;
    for (int s = 1; s <= 24; ++s)
        for (int d = 1; d <= 24; ++d) {
            if (!SameAsGdi(src, {0, 0, s, 1}, d, 1, {0, 0, d, 1})) {
                ++mismatches;
                ADD_FAILURE() << "across a row, " << s << " -> " << d;
            }
            if (!SameAsGdi(src, {0, 0, 1, s}, 1, d, {0, 0, 1, d})) {
                ++mismatches;
                ADD_FAILURE() << "down a column, " << s << " -> " << d;
            }
            if (mismatches > 10) return;
        }
}

TEST(FrameDrawGdi, OffsetsAndClippedDestinations) {
    const PixelBuffer src = Numbered(40, 40);
    EXPECT_TRUE(SameAsGdi(src, {3, 5, 10, 17}, 20, 20, {2, 1, 19, 7}));
    EXPECT_TRUE(SameAsGdi(src, {1, 1, 31, 21}, 20, 20, {4, 3, 11, 15}));
    EXPECT_TRUE(SameAsGdi(src, {0, 0, 5, 5}, 20, 20, {-7, -3, 13, 18}));   // starts left of and above the bitmap
    EXPECT_TRUE(SameAsGdi(src, {2, 2, 30, 30}, 12, 12, {5, 6, 17, 19}));   // runs past the right and bottom
}

// A composition's parts live in plain memory: the scratch picture of a frame is the same
// picture as the GDI-backed one, and making it costs no GDI object.
TEST(FrameDrawGdi, ScratchFramePicturesMatchAndHoldNoGdiObject) {
    const PixelBuffer image = Numbered(24, 60);
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const PixelBuffer scratch = BuildFrameScratch(300, 30, image, {6, 0, 6, 0}, true, true, 2, 2);
    EXPECT_EQ(before, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(scratch.NativeHandle(), nullptr);
    const PixelBuffer gdi = BuildFrameBitmap(300, 30, image, {6, 0, 6, 0}, true, true, 2, 2);
    ASSERT_NE(gdi.NativeHandle(), nullptr);
    ASSERT_EQ(scratch.Width(), gdi.Width());
    ASSERT_EQ(scratch.Height(), gdi.Height());
    EXPECT_EQ(0, std::memcmp(scratch.Bits(), gdi.Bits(), 300 * 30 * 4));
}
