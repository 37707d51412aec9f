// The skinned system menu of the real program: Alt+Space opens it at the client origin
// and its close command ends the program with code 0; a right press on the caption
// opens it, and a second press within the double-click time does not open it again.
#include "E2eKelvora.h"

#include <cstdlib>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace e2e;

namespace {

// Key strokes in one SendInput call: each press is followed by its release at once, so a
// busy moment between them never lets the display's key repeat add a stroke.
void SendKeys(std::initializer_list<std::pair<WORD, bool>> strokes) {
    std::vector<INPUT> in;
    for (const auto& [vk, up] : strokes) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}


}  // namespace

class SkinSystemMenuE2e : public KelvoraTest {
protected:
    HWND StartSkinned() {
        HWND main = StartAndWaitForMainWindow(first_);
        if (!main || !WaitActive(main)) return nullptr;
        return WaitUntil([&] { return WindowIsSkinned(main); }) ? main : nullptr;
    }
    // The open menu once the program's menu loop has the input, else nullptr.
    HWND WaitForMenu() {
        HWND menu = nullptr;
        WaitUntil([&] { return (menu = MenuWindow()) != nullptr && InMenuMode(menu); });
        return menu;
    }
    void PostKey(HWND menu, UINT vk) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
        PostMessageA(menu, WM_KEYDOWN, vk, scan | 1);
        PostMessageA(menu, WM_KEYUP, vk, scan | 1 | 0xC0000000);
    }
};

TEST_F(SkinSystemMenuE2e, AltSpaceOpensItAtTheClientOriginAndCloseEndsTheProgram) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    // The pointer goes where the menu will not open: resting over it, it would select the
    // item under it and the arrow keys would start from there.
    ASSERT_TRUE(MouseMoveTo(POINT{5, 5}));
    SendKeys({{VK_MENU, false}, {VK_SPACE, false}, {VK_SPACE, true}, {VK_MENU, true}});
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "Alt+Space opens no menu";
    RECT r{};
    GetWindowRect(menu, &r);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    EXPECT_LE(std::abs(r.left - origin.x), 4) << r.left << " vs " << origin.x;
    EXPECT_LE(std::abs(r.top - origin.y), 4) << r.top << " vs " << origin.y;
    // Close ("关闭") is chosen from the keyboard: End selects the last item, which in this
    // Wine is "关于 Wine" below a separator, and Up moves over the separator to Close.
    // Counting arrow presses from the top is not safe: the menu opens with its first item
    // selected or with none, depending on timing.
    SendKeys({{VK_END, false}, {VK_END, true}});
    SendKeys({{VK_UP, false}, {VK_UP, true}});
    SendKeys({{VK_RETURN, false}, {VK_RETURN, true}});
    std::optional<DWORD> code = first_.WaitExit(kActionTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "still running after the menu's close";
    EXPECT_EQ(*code, 0u);
}

TEST_F(SkinSystemMenuE2e, RightPressOnTheCaptionOpensItOnce) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    RECT window{};
    GetWindowRect(main, &window);
    const POINT caption{window.left + 200, window.top + 15};
    ASSERT_TRUE(MouseMoveTo(caption));
    MouseRightClickAt(caption);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "a right press on the caption opens no menu";
    RECT r{};
    GetWindowRect(menu, &r);
    EXPECT_LE(std::abs(r.left - caption.x), 4);
    // A second press within the double-click time opens no second menu: the first one
    // stays or closes, and once it is gone none follows.
    MouseRightClickAt(caption);
    PumpFor(500);
    HWND now = MenuWindow();
    EXPECT_TRUE(now == nullptr || now == menu) << "the second press opened the menu again";
    if (now) PostKey(now, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return MenuWindow() == nullptr; }));
    PumpFor(500);
    EXPECT_EQ(MenuWindow(), nullptr);
    EXPECT_TRUE(first_.Running());
}
