#pragma once
// Fixture for tests of the real program: each test gets its own copy of Kelvora.exe in
// a fresh folder (the program keeps its list file beside itself), and every copy it
// starts is ended when the test ends, whatever happened.
#include "E2eDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e {

class KelvoraTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::make_unique<TempFolder>();
        exe_ = folder_->Path() + "Kelvora.exe";
        ASSERT_TRUE(CopyFileA(KelvoraExe().c_str(), exe_.c_str(), FALSE))
            << "cannot copy " << KelvoraExe() << " to " << exe_;
    }
    void TearDown() override {
        // Processes first: the folder cannot go while the program runs from it.
        first_.Kill();
        second_.Kill();
        folder_.reset();
    }

    // Starts the copy and waits for its main window; the window handle or nullptr.
    HWND StartAndWaitForMainWindow(Process& process) {
        process = Process::Start(exe_);
        return WaitForWindow(process, kMainWindowClass, "Kelvora", kStartTimeoutMs);
    }

    std::string ListFilePath() const { return folder_->Path() + "p.txt"; }

    // What the shell does when the user acts on the tray icon: the callback message with
    // the icon's id and the mouse message, sent to every utility window of the program
    // (the timer window ignores it).
    void PostTray(UINT mouseMessage) {
        for (HWND w : WindowsOfClass(first_, "TPUtilWindow", false))
            PostMessageA(w, kTrayCallback, kMainIconId, mouseMessage);
    }
    // Opens the tray menu with a right press; the menu window or nullptr. Keys posted to
    // the menu count only once the program's menu loop has the input, so this waits for
    // that, after any earlier menu has gone.
    HWND OpenTrayMenu() {
        if (!WaitUntil([&] { return !MenuWindow() && !InMenuMode(AnyWindow()); })) return nullptr;
        PostTray(WM_RBUTTONDOWN);
        PostTray(WM_RBUTTONUP);
        HWND menu = nullptr;
        WaitUntil([&] { return (menu = MenuWindow()) != nullptr && InMenuMode(menu); });
        return menu;
    }
    // Picks the n-th command of the open menu (separators are skipped by the arrows) and
    // waits until the menu has closed.
    void ChooseFromMenu(HWND menu, int position) {
        // Key messages as the keyboard makes them, with repeat count 1 and the key's scan
        // code (with neither, Wine's menu loop let keys pass unused now and then).
        auto key = [&](UINT vk) {
            const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
            PostMessageA(menu, WM_KEYDOWN, vk, scan | 1);
            PostMessageA(menu, WM_KEYUP, vk, scan | 1 | 0xC0000000);
        };
        for (int i = 0; i < position; ++i) key(VK_DOWN);
        key(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); })) << "the menu stays open";
    }
    // The program's open popup menu, or nullptr.
    HWND MenuWindow() {
        auto menus = WindowsOfClass(first_, "#32768", true);
        return menus.empty() ? nullptr : menus.front();
    }
    // A window of the program's user-interface thread, for questions about that thread.
    HWND AnyWindow() {
        auto windows = TopLevelWindows(first_.Id(), false);
        return windows.empty() ? nullptr : windows.front();
    }

    static constexpr UINT kTrayCallback = 0x0800;
    // The main window's tray icon is the program's first and only one.
    static constexpr WPARAM kMainIconId = 1;

    static constexpr const char* kMainWindowClass = "TForm1";
    std::unique_ptr<TempFolder> folder_;
    std::string exe_;
    Process first_, second_;
};

}  // namespace e2e
