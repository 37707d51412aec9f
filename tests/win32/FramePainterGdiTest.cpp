// The frame painter through GDI, with our own skin: the frame lands on a window DC in one
// copy that spares the client area, caption text and icon are drawn into the picture,
// and the GDI region holds exactly the pixels of the portable window shape.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "skin/form/FramePainterGdi.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

constexpr uint32_t kSentinel = 0x123456;

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
        ASSERT_TRUE(LoadSkinPackage(skin, OurPackage(), SystemSkinPlatform())) << "generated\\KelvoraSkin.skn";
        state.width = 453;
        state.height = 398;
        state.captionIcons = ciSystemMenu | ciMinimiseBox;
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
    ASSERT_EQ(expected.client, MakeRect(4, 30, 449, 394));

    PixelBuffer window(453, 398);
    window.Fill(PixelFromColour(kSentinel));
    {
        PictureDc dc(window);
        ASSERT_TRUE(PaintFrameToDc(dc.get(), skin, state, renderer));
        GdiFlush();
    }
    for (int y = 0; y < 398; ++y)
        for (int x = 0; x < 453; ++x) {
            const bool client = !expected.client.Intersect({x, y, x + 1, y + 1}).IsEmpty();
            const uint32_t want = client ? kSentinel : ColourFromPixel(expected.pixels.Pixel(x, y));
            ASSERT_EQ(ColourFromPixel(window.Pixel(x, y)), want) << x << "," << y;
        }

    // The text and the icon were drawn into the picture, each in its own place.
    NoTextRenderer withoutText(font.get(), icon);
    const TFramePicture bare = PaintFrame(skin, state, withoutText);
    const TRect text = expected.texts.at(0).rect;
    EXPECT_GT(text.Height(), 6);
    EXPECT_GT(Differences(expected.pixels, bare.pixels, text), 20);
    EXPECT_EQ(Differences(expected.pixels, bare.pixels, {0, 0, 453, 398}),
              Differences(expected.pixels, bare.pixels, text));
    TGdiPaintRenderer withoutIcon(font.get(), nullptr);
    EXPECT_GT(Differences(expected.pixels, PaintFrame(skin, state, withoutIcon).pixels, expected.icon), 20);
}

TEST_F(FramePainterGdi, RegionHoldsThePortableShape) {
    // Tall enough that each side border needs more than one batch of rectangles.
    for (int height : {398, 2600}) {
        state.height = height;
        const TFrameRegion shape = FrameRegion(skin, state);
        const RegionHandle region = CreateFrameRegion(shape);
        ASSERT_TRUE(region);
        RECT box{};
        GetRgnBox(region.get(), &box);
        EXPECT_EQ(box.left, 0);
        EXPECT_EQ(box.right, 453);
        EXPECT_EQ(box.bottom, height);
        for (int y = 0; y < height; y += (y < 40 || y > height - 10) ? 1 : 7)
            for (int x = 0; x < 453; ++x)
                ASSERT_EQ(PtInRegion(region.get(), x, y) != FALSE, shape.Contains(x, y)) << x << "," << y;
        EXPECT_FALSE(shape.Contains(0, 0));
        EXPECT_FALSE(shape.Contains(452, 0));
        EXPECT_TRUE(shape.Contains(0, 8));
        EXPECT_TRUE(shape.Contains(452, height - 1));
    }
}
