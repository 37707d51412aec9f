// The tray icon of the real program, driven as the shell drives it: callback messages
// posted to the program's hidden notification window (left press and release, right
// press), the tray menu with its items, hiding to the tray, and the icon's removal.
#include "E2eKelvora.h"

#include <functional>
#include <string>
#include <vector>

using namespace e2e;

namespace {

constexpr UINT kTrayCallback = 0x0800;
// The main window's tray icon is the program's first and only one.
constexpr WPARAM kMainIconId = 1;

// Waits until `done` holds, pumping messages; false on timeout.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kActionTimeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        PumpFor(25);
    }
    return true;
}

std::vector<HWND> WindowsOfClass(const Process& p, const std::string& cls, bool visibleOnly) {
    std::vector<HWND> found;
    for (HWND w : TopLevelWindows(p.Id(), visibleOnly))
        if (ClassOf(w) == cls) found.push_back(w);
    return found;
}

class TrayE2e : public KelvoraTest {
protected:
    // What the shell does when the user acts on the icon: the callback message with the
    // icon's id and the mouse message. Sent to every utility window of the program (the
    // timer window ignores it).
    void PostTray(UINT mouseMessage) {
        for (HWND w : WindowsOfClass(first_, "TPUtilWindow", false))
            PostMessageA(w, kTrayCallback, kMainIconId, mouseMessage);
    }
    HWND OpenTrayMenu() {
        PostTray(WM_RBUTTONDOWN);
        PostTray(WM_RBUTTONUP);
        HWND menu = nullptr;
        WaitUntil([&] {
            auto menus = WindowsOfClass(first_, "#32768", true);
            menu = menus.empty() ? nullptr : menus.front();
            return menu != nullptr;
        });
        return menu;
    }
    // Picks the n-th command of the open menu (separators are skipped by the arrows).
    void ChooseFromMenu(HWND menu, int position) {
        for (int i = 0; i < position; ++i) {
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageA(menu, WM_KEYUP, VK_DOWN, 0xC0000001);
        }
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(menu, WM_KEYUP, VK_RETURN, 0xC0000001);
    }
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
    PumpFor(1000);
    Screenshot("tray_icon_shown.bmp");
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (!tray) GTEST_SKIP() << "no taskbar on this desktop";
    EXPECT_GT(IconPixelsInNotificationArea(CaptureClient(tray)), 20)
        << "the icon is not in the notification area";

    HWND quit = FindChild(main, "Button", "退出");
    ASSERT_NE(quit, nullptr);
    PostButtonClick(quit);
    ASSERT_TRUE(first_.WaitExit(kActionTimeoutMs).has_value());
    PumpFor(1000);
    Screenshot("tray_icon_removed.bmp");
    EXPECT_EQ(IconPixelsInNotificationArea(CaptureClient(tray)), 0)
        << "the icon is still in the notification area";
}

}  // namespace
