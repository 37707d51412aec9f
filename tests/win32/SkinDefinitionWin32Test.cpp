// The skin parse in the Windows build: system colours and the scroll-arrow width come
// from the running system, and every record's pixels live in DIB sections GDI can use.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace {

std::vector<uint8_t> Bmp(int w, int h, uint32_t colour) {
    PixelBuffer b(w, h);
    b.Fill(PixelFromColour(colour));
    return EncodeBmp(b, 24);
}

}  // namespace

TEST(SkinDefinitionWin32, PlatformValuesComeFromTheSystem) {
    const SkinPlatform& platform = SystemSkinPlatform();
    EXPECT_EQ(platform.SysColour(COLOR_BTNFACE), static_cast<uint32_t>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(platform.HorzScrollArrowWidth(), GetSystemMetrics(SM_CXHSCROLL));
    EXPECT_EQ(platform.Resolve(SystemColour(COLOR_HIGHLIGHT)), static_cast<uint32_t>(GetSysColor(COLOR_HIGHLIGHT)));
}

TEST(SkinDefinitionWin32, LoadedRecordsAreDibSectionsWithSystemColours) {
    const std::string text =
        "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\n"
        "[ComboButton]\r\nImage=combo.bmp\r\n"
        "[SunkEdge]\r\nImage=sunk.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\n";
    const std::vector<uint8_t> package = BuildSkinPackage(
        50000, {{"k.ini", {text.begin(), text.end()}},
                {"top.bmp", Bmp(60, 60, 0x00D07F2D)},
                {"combo.bmp", Bmp(68, 17, 0x00FF00FF)},
                {"sunk.bmp", Bmp(40, 21, 0x00404040)}});
    TSkinDefinition skin;
    ASSERT_TRUE(LoadSkinPackage(skin, package, SystemSkinPlatform()));
    EXPECT_FALSE(skin.NoSkinLoaded);

    ASSERT_NE(skin.BorderTop.Image.NativeHandle(), nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(static_cast<HBITMAP>(skin.BorderTop.Image.NativeHandle()), sizeof info, &info),
              static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 60);
    EXPECT_EQ(info.bmHeight, 60);
    EXPECT_EQ(skin.FrameColour, 0x00D07F2D);

    // The combo strip is sized by the system's scroll-arrow width.
    const int w = GetSystemMetrics(SM_CXHSCROLL) + 2;
    ASSERT_NE(skin.ComboButton, nullptr);
    EXPECT_EQ(skin.ComboButton->RightWidth, w + 2);
    EXPECT_EQ(skin.SunkEdge->LeftWidth, w + 2);
    EXPECT_EQ(skin.ComboButton->Image.Width(), 200);
    ASSERT_NE(skin.ToolbarBack, nullptr);
    EXPECT_NE(skin.ToolbarBack->Image.NativeHandle(), nullptr);
    ASSERT_NE(skin.Track, nullptr);
    EXPECT_EQ(skin.Track->Image.Width(), 16);

    // The background brush is a GDI brush in the system's button face colour.
    ASSERT_NE(skin.BackgroundBrush, nullptr);
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectA(static_cast<HBRUSH>(skin.BackgroundBrush->NativeHandle()), sizeof brush, &brush),
              static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(brush.lbColor, GetSysColor(COLOR_BTNFACE));
}
