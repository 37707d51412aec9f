// The frame painter through GDI: the frame lands on a window DC in one copy that spares
// the client area, caption text and icon are drawn into the picture, and the GDI region
// holds exactly the pixels of the portable window shape.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/data/ImgUtil.h"
#include "skin/form/FramePainterGdi.h"

namespace {

constexpr uint32_t kSentinel = 0x123456;

PixelBuffer Solid(int w, int h, uint32_t colour) {
    PixelBuffer b(w, h);
    b.Fill(PixelFromColour(colour));
    return b;
}

// Frame `index` of a strip laid side by side (or stacked) gets its own colour; the first
// `cut` pixels of each frame's first row stay magenta.
PixelBuffer Strip(int fw, int fh, int frames, bool stacked, uint32_t colour, int cut) {
    PixelBuffer b = Solid(stacked ? fw : fw * frames, stacked ? fh * frames : fh, colour);
    for (int f = 0; f < frames; ++f) {
        const int x0 = stacked ? 0 : f * fw, y0 = stacked ? f * fh : 0;
        for (int y = y0; y < y0 + fh; ++y)
            for (int x = x0; x < x0 + fw; ++x)
                b.SetPixel(x, y, PixelFromColour(colour + 0x202020u * static_cast<uint32_t>(f)));
        for (int x = 0; x < cut; ++x) b.SetPixel(x0 + x, y0, PixelFromColour(kMagenta));
    }
    return b;
}

// A small skin: round-cut side borders, a caption with a text band, a close button and
// the window icon.
void MakeSkin(TSkinDefinition& s) {
    s.BorderLeft.Image = Strip(4, 40, 2, false, 0x804020, 2);
    s.BorderLeft.TopHeight = 8;
    s.BorderLeft.BottomHeight = 4;
    s.BorderRight.Image = Strip(4, 40, 2, false, 0x804020, 2);
    s.BorderRight.TopHeight = 8;
    s.BorderRight.BottomHeight = 4;
    s.BorderTop.Image = Strip(20, 24, 2, true, 0xA05030, 3);
    s.BorderTop.LeftWidth = s.BorderTop.RightWidth = 4;
    s.BorderBottom.Image = Strip(20, 4, 2, true, 0x804020, 0);
    for (TDataSkinBorder* b : {&s.BorderLeft, &s.BorderRight, &s.BorderTop, &s.BorderBottom}) {
        b->FrameCount = 2;
        b->Trans = 1;
    }
    s.Title.Image = Strip(20, 24, 2, true, 0xC08060, 0);
    s.Title.LeftWidth = 24;
    s.Title.RightWidth = 30;
    s.Title.TXTBackleft = s.Title.TXTBackRight = 3;
    auto close = std::make_unique<TDataSkinSysButton>("BUTTONCLOSE");
    close->Action = caClose;
    close->Align = 1;
    close->Xcoord = 22;
    close->Ycoord = 3;
    close->FrameCount = 4;
    close->Image = Strip(18, 16, 4, false, 0x3030C0, 2);
    s.SysButtons.push_back(std::move(close));
    auto icon = std::make_unique<TDataSkinSysButton>("BUTTONICON");
    icon->Action = caIcon;
    icon->Xcoord = icon->Ycoord = 4;
    s.SysButtons.push_back(std::move(icon));
    s.Colours[scTitleTextActive] = 0xFFFFFF;
    s.Colours[scButtonFace] = 0xF0F0F0;
    s.NoSkinLoaded = false;
}

class BufferDc {
public:
    explicit BufferDc(const PixelBuffer& b) : dc_(CreateCompatibleDC(nullptr)) {
        old_ = SelectObject(dc_, static_cast<HBITMAP>(b.NativeHandle()));
    }
    ~BufferDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    BufferDc(const BufferDc&) = delete;
    BufferDc& operator=(const BufferDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Draws the icon but leaves the text out.
class NoTextRenderer : public TGdiPaintRenderer {
public:
    using TGdiPaintRenderer::TGdiPaintRenderer;
    void PaintText(PixelBuffer&, const TTextRun&) override {}
};

int Differences(const PixelBuffer& a, const PixelBuffer& b, const TRect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += (a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF);
    return n;
}

class FramePainterGdi : public ::testing::Test {
protected:
    void SetUp() override {
        MakeSkin(skin);
        state.width = 200;
        state.height = 120;
        state.caption = "Kelvora 托盘";
        state.hasIcon = true;
        font = CreateCaptionFont();
        ASSERT_TRUE(font);
    }
    TSkinDefinition skin;
    TFrameState state;
    FontHandle font;
    HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
};

}  // namespace

TEST_F(FramePainterGdi, OneCopyOfThePortablePictureAroundTheClient) {
    TGdiPaintRenderer renderer(font.get(), icon);
    const TFramePicture expected = PaintFrame(skin, state, renderer);
    ASSERT_FALSE(expected.pixels.Empty());
    ASSERT_EQ(expected.client, MakeRect(4, 24, 196, 116));

    PixelBuffer window = Solid(200, 120, kSentinel);
    {
        BufferDc dc(window);
        ASSERT_TRUE(PaintFrameToDc(dc.get(), skin, state, renderer));
        GdiFlush();
    }
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x) {
            const uint32_t want = expected.client.Intersect({x, y, x + 1, y + 1}).IsEmpty()
                                      ? expected.pixels.Pixel(x, y) & 0xFFFFFF
                                      : PixelFromColour(kSentinel) & 0xFFFFFF;
            ASSERT_EQ(window.Pixel(x, y) & 0xFFFFFF, want) << x << "," << y;
        }

    // The text and the icon were drawn into the picture, each in its place.
    NoTextRenderer withoutText(font.get(), icon);
    const TFramePicture bare = PaintFrame(skin, state, withoutText);
    const TRect text = expected.texts.at(0).rect;
    EXPECT_GT(text.Height(), 6);
    EXPECT_GT(Differences(expected.pixels, bare.pixels, text), 20);
    EXPECT_EQ(Differences(expected.pixels, bare.pixels, {0, 0, 200, 120}),
              Differences(expected.pixels, bare.pixels, text));
    TGdiPaintRenderer withoutIcon(font.get(), nullptr);
    EXPECT_GT(Differences(expected.pixels, PaintFrame(skin, state, withoutIcon).pixels, expected.icon), 20);
}

TEST_F(FramePainterGdi, RegionHoldsThePortableShape) {
    // Tall enough that each side border needs more than one batch of rectangles.
    for (int height : {120, 2600}) {
        state.height = height;
        const TFrameRegion shape = FrameRegion(skin, state);
        ASSERT_TRUE(shape.shaped);
        const RegionHandle region = CreateFrameRegion(shape);
        ASSERT_TRUE(region);
        RECT box{};
        GetRgnBox(region.get(), &box);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.right, 200);
        EXPECT_EQ(box.bottom, height);
        for (int y = 0; y < height; y += (y < 30 || y > height - 10) ? 1 : 7)
            for (int x = 0; x < 200; ++x)
                ASSERT_EQ(PtInRegion(region.get(), x, y) != FALSE, shape.Contains(x, y)) << x << "," << y;
        // The magenta cuts: the first two columns of each side border's top row, the first
        // three of the caption's.
        EXPECT_FALSE(shape.Contains(0, 0));
        EXPECT_TRUE(shape.Contains(2, 0));
        EXPECT_FALSE(shape.Contains(197, 0));
        EXPECT_TRUE(shape.Contains(198, 0));
        EXPECT_FALSE(shape.Contains(6, 0));
        EXPECT_TRUE(shape.Contains(7, 0));
        EXPECT_TRUE(shape.Contains(0, 1));
    }
}
