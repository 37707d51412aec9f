// The tray icon of the real program, driven as the shell drives it: callback messages
// posted to the program's hidden notification window (left press and release, right
// press), the tray menu with its items, hiding to the tray, and the icon's removal.
#include "E2eKelvora.h"

#include <functional>
#include <string>
#include <vector>

using namespace e2e;

namespace {

class TrayE2e : public KelvoraTest {
protected:
    HWND AppWindow() {
        auto apps = WindowsOfClass(first_, "TApplication", false);
        return apps.empty() ? nullptr : apps.front();
    }
    void Screenshot(const std::string& name) {
        HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
        HWND target = tray ? tray : GetDesktopWindow();
        SaveBmp(CaptureClient(target), ArtifactsFolder() + name);
    }
};

// Pixels of the program's icon (saturated blue) in the right end of the taskbar, where
// the notification area shows its icons.
int IconPixelsInNotificationArea(const Capture& c) {
    const RECT strip{c.width > 48 ? c.width - 48 : 0, 0, c.width, c.height};
    return c.Count(strip, [](int r, int g, int b) { return b > 180 && r < 120 && b > r + 80; });
}

// Menu positions, counted in arrow presses from no selection.
constexpr int kShowWindow = 3, kHideWindow = 4, kQuit = 5;

TEST_F(TrayE2e, TrayButtonHidesAndAClickOnTheIconBringsTheWindowBack) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    Screenshot("tray_running.bmp");
    HWND app = AppWindow();
    ASSERT_NE(app, nullptr);
    EXPECT_FALSE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    HWND trayButton = FindChild(main, "Button", "托盘");
    ASSERT_NE(trayButton, nullptr);
    PostButtonClick(trayButton);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); })) << "the window stays after 托盘";
    EXPECT_TRUE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(IsWindowVisible(app));

    PostTray(WM_LBUTTONDOWN);
    PostTray(WM_LBUTTONUP);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "a click did not show the window";
    // Still without a taskbar button.
    EXPECT_TRUE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST_F(TrayE2e, RightPressOpensTheMenuAndItsItemsAct) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND app = AppWindow();
    // The menu closes when the desktop activates a window under it: open it only once the
    // start-up activation has settled.
    ASSERT_TRUE(WaitActive(main));

    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "no popup menu after a right press";
    Screenshot("tray_menu.bmp");
    ChooseFromMenu(menu, kHideWindow);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); })) << "隐藏窗口 did not hide";
    EXPECT_TRUE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr);
    ChooseFromMenu(menu, kShowWindow);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; })) << "显示窗口 did not show";

    menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr);
    ChooseFromMenu(menu, kQuit);
    EXPECT_TRUE(first_.WaitExit(kActionTimeoutMs).has_value()) << "退出程序 did not end the program";
}

TEST_F(TrayE2e, ClosingRemovesTheIcon) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (!tray) GTEST_SKIP() << "no taskbar on this desktop";
    // The shell draws the icon at its own pace: wait for it, and later for its removal.
    EXPECT_TRUE(WaitUntil([&] { return IconPixelsInNotificationArea(CaptureClient(tray)) > 20; }))
        << "the icon is not in the notification area";
    Screenshot("tray_icon_shown.bmp");

    HWND quit = FindChild(main, "Button", "退出");
    ASSERT_NE(quit, nullptr);
    PostButtonClick(quit);
    ASSERT_TRUE(first_.WaitExit(kActionTimeoutMs).has_value());
    EXPECT_TRUE(WaitUntil([&] { return IconPixelsInNotificationArea(CaptureClient(tray)) == 0; }))
        << "the icon is still in the notification area";
    Screenshot("tray_icon_removed.bmp");
}

}  // namespace
