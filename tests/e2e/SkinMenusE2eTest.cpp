// The tray menu of the real program in the skin's look, opened with a real right click on
// the tray icon: it answers the skin's query, its frame and items are the skin's, the
// pointer over an item shows the selected cell, and its items act when clicked.
#include "E2eKelvora.h"

#include <string>
#include <vector>

using namespace e2e;

namespace {

// Our skin's menu colours: the frame's hairline, the popup's white and the selected cell.
constexpr uint32_t kMenuBorder = 0xC3CEDC;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSelectedFill = 0xE1ECFC;

bool Dark(uint32_t p) { return ((p >> 16) & 0xFF) < 110 && ((p >> 8) & 0xFF) < 110 && (p & 0xFF) < 110; }

class SkinMenusE2e : public KelvoraTest {
protected:
    // The centre of the program's icon in the notification area, or nothing.
    bool IconPoint(POINT& at) {
        HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
        if (!tray) return false;
        Capture c;
        const bool shown = WaitUntil([&] {
            c = CaptureClient(tray);
            return c.Count({c.width > 48 ? c.width - 48 : 0, 0, c.width, c.height}, [](int r, int g, int b) {
                return b > 180 && r < 120 && b > r + 80;
            }) > 20;
        });
        if (!shown) return false;
        long sx = 0, sy = 0, n = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = c.width > 48 ? c.width - 48 : 0; x < c.width; ++x) {
                const uint32_t p = c.At(x, y);
                const int r = (p >> 16) & 0xFF, b = p & 0xFF;
                if (b > 180 && r < 120 && b > r + 80) sx += x, sy += y, ++n;
            }
        POINT origin{0, 0};
        ClientToScreen(tray, &origin);
        at = {origin.x + static_cast<LONG>(sx / n), origin.y + static_cast<LONG>(sy / n)};
        return true;
    }
    // A real right click on the icon; the menu window once it is open, or nullptr.
    HWND RightClickIcon() {
        POINT at{};
        // The click carries the icon's point: a pointer still on its way from an earlier
        // test's place (the main window's caption) would open the system menu instead.
        if (!IconPoint(at) || !MouseMoveTo(at)) return nullptr;
        MouseRightClickAt(at);
        HWND menu = nullptr;
        WaitUntil([&] { return (menu = MenuWindow()) != nullptr && InMenuMode(menu); });
        return menu;
    }
    // Rows of the menu's item texts (dark pixels), top to bottom, as [top, bottom) bands.
    static std::vector<std::pair<int, int>> TextBands(const Capture& c) {
        std::vector<std::pair<int, int>> bands;
        for (int y = 3; y < c.height - 3; ++y) {
            bool dark = false;
            for (int x = 3; x < c.width - 3 && !dark; ++x) dark = Dark(c.At(x, y));
            if (!dark) continue;
            // Rows of one line of text are a few pixels apart at most; lines are an item apart.
            if (!bands.empty() && bands.back().second >= y - 5)
                bands.back().second = y + 1;
            else
                bands.push_back({y, y + 1});
        }
        return bands;
    }
    // The screen point in the middle of the n-th text band, left of the text's end.
    static POINT ItemPoint(HWND menu, const std::pair<int, int>& band) {
        RECT r{};
        GetWindowRect(menu, &r);
        return {r.left + (r.right - r.left) * 3 / 4, r.top + (band.first + band.second) / 2};
    }
    // The program's five commands show as five text bands once the items are drawn.
    std::vector<std::pair<int, int>> WaitForItems(HWND menu) {
        std::vector<std::pair<int, int>> bands;
        Capture c;
        WaitUntil([&] { return (bands = TextBands(c = CaptureWindow(menu))).size() == 5; });
        SaveBmp(c, ArtifactsFolder() + "skinned_tray_menu_items.bmp");
        return bands;
    }
};

TEST_F(SkinMenusE2e, RightClickOnTheTrayIconOpensTheSkinnedMenuAndQuitEndsTheProgram) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitActive(main));
    // Menus are skinned once the skin manager has started, which it has when the main
    // window has its skinned frame.
    ASSERT_TRUE(WaitUntil([&] { return WindowIsSkinned(main); }));
    if (!FindWindowA("Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no taskbar on this desktop";
    HWND menu = RightClickIcon();
    ASSERT_NE(menu, nullptr) << "no menu after a right click on the icon";
    EXPECT_EQ(Ask(menu, kSkinQuery), 1);

    // The frame: our hairline outside, the popup's white inside it, all round.
    Capture c;
    EXPECT_TRUE(WaitUntil([&] {
        c = CaptureWindow(menu);
        const int mx = c.width / 2, my = c.height / 2;
        return c.At(0, my) == kMenuBorder && c.At(c.width - 1, my) == kMenuBorder && c.At(mx, 0) == kMenuBorder &&
               c.At(mx, c.height - 1) == kMenuBorder && c.At(1, my) == kWhite && c.At(2, my) == kWhite;
    })) << "the menu's frame is not the skin's";
    const auto bands = WaitForItems(menu);
    ASSERT_EQ(bands.size(), 5u) << "the items are not drawn";

    // Hovering 显示窗口 (the third command) shows the selected cell behind it.
    const POINT show = ItemPoint(menu, bands[2]);
    ASSERT_TRUE(MouseMoveTo(show));
    RECT r{};
    GetWindowRect(menu, &r);
    EXPECT_TRUE(WaitUntil([&] {
        c = CaptureWindow(menu);
        return c.At(show.x - r.left, show.y - r.top) == kSelectedFill;
    })) << "no selected cell under the pointer";
    SaveBmp(c, ArtifactsFolder() + "skinned_tray_menu.bmp");
    EXPECT_EQ(c.At((c.width) * 3 / 4, (bands[4].first + bands[4].second) / 2), kWhite);

    ASSERT_TRUE(MouseClickAt(ItemPoint(menu, bands[4])));
    const auto code = first_.WaitExit(kActionTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "退出程序 did not end the program";
    EXPECT_EQ(*code, 0u);
}

TEST_F(SkinMenusE2e, ShowWindowFromTheSkinnedMenuShowsTheHiddenWindow) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitActive(main));
    // Menus are skinned once the skin manager has started, which it has when the main
    // window has its skinned frame.
    ASSERT_TRUE(WaitUntil([&] { return WindowIsSkinned(main); }));
    if (!FindWindowA("Shell_TrayWnd", nullptr)) GTEST_SKIP() << "no taskbar on this desktop";
    HWND trayButton = FindChild(main, "Button", "托盘");
    ASSERT_NE(trayButton, nullptr);
    PostButtonClick(trayButton);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));

    HWND menu = RightClickIcon();
    ASSERT_NE(menu, nullptr);
    const auto bands = WaitForItems(menu);
    ASSERT_EQ(bands.size(), 5u);
    ASSERT_TRUE(MouseClickAt(ItemPoint(menu, bands[2])));
    EXPECT_TRUE(WaitUntil([&] { return !MenuWindow(); })) << "the menu stays open";
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "显示窗口 did not show the window";
}

}  // namespace
