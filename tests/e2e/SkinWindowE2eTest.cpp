// The whole main window of the real program under its skin, checked from outside: every
// child window, on all three pages, answers the skin's query as skinned; pictures of the
// three pages and of the tray menu are kept with the build's artifacts, to be compared by
// eye with the skin preview.
#include "E2eKelvora.h"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace e2e;

namespace {

constexpr const char* kPageCaptions[] = {"软件设置", "自定义管理", "关于我们"};

bool SamePixels(const Capture& a, const Capture& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

}  // namespace

class SkinWindowE2e : public KelvoraTest {
protected:
    // The main window once it is active and its frame is the skin's; nullptr otherwise.
    HWND StartSkinned() {
        HWND main = StartAndWaitForMainWindow(first_);
        if (!main || !WaitActive(main) || !WaitUntil([&] { return WindowIsSkinned(main); })) return nullptr;
        return main;
    }
    // The page control at the top of the client area and its sheet with this caption.
    static HWND Pages(HWND main) {
        const RECT pagesRect{0, 89, 445, 89 + 224};
        return FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    }
    // Selects page index as the tab strip does and waits until its sheet shows and the
    // window's picture has settled (two captures a moment apart are the same).
    static bool ShowPage(HWND main, HWND pages, int index, Capture& shot) {
        Ask(pages, TCM_SETCURFOCUS, static_cast<WPARAM>(index));
        HWND sheet = FindChild(pages, "TTabSheet", kPageCaptions[index]);
        if (!sheet || !WaitUntil([&] { return IsWindowVisible(sheet) != FALSE; })) return false;
        Capture last = CaptureWindow(main);
        return WaitUntil([&] {
            PumpFor(150);
            shot = CaptureWindow(main);
            const bool settled = SamePixels(shot, last);
            last = shot;
            return settled;
        });
    }
};

TEST_F(SkinWindowE2e, EveryChildWindowOnEveryPageAnswersAsSkinned) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr) << "the main window did not get its skin";
    HWND pages = Pages(main);
    ASSERT_NE(pages, nullptr);
    for (int page = 0; page < 3; ++page) {
        Capture shot;
        ASSERT_TRUE(ShowPage(main, pages, page, shot)) << "page " << page + 1 << " does not show";
        EXPECT_TRUE(SaveBmp(shot, ArtifactsFolder() + "skinned-window-page" + std::to_string(page + 1) + ".bmp"));
    }

    // Labels, the banner image and the bevel have no window of their own; every window
    // there is should carry a skinner. The scroll overlays are the skin's own drawing
    // surfaces over the memos' bars, not controls of the window.
    std::vector<std::string> plain;
    int asked = 0;
    for (HWND w : Descendants(main)) {
        const std::string cls = ClassOf(w);
        if (cls == "TScrollOverlay") continue;
        ++asked;
        if (Ask(w, kSkinQuery) != 1) plain.push_back(cls + " \"" + TextOf(w) + "\"");
    }
    EXPECT_GE(asked, 20);
    std::string list;
    for (const std::string& p : plain) list += "\n  " + p;
    EXPECT_TRUE(plain.empty()) << plain.size() << " of " << asked << " windows are not skinned:" << list;

    // The tray menu's picture beside the pages' (its skin is the menu tests' business).
    HWND menu = OpenTrayMenu();
    ASSERT_NE(menu, nullptr) << "the tray menu does not open";
    Capture last = CaptureWindow(menu), shot;
    EXPECT_TRUE(WaitUntil([&] {
        PumpFor(150);
        shot = CaptureWindow(menu);
        const bool settled = SamePixels(shot, last);
        last = shot;
        return settled;
    }));
    EXPECT_TRUE(SaveBmp(shot, ArtifactsFolder() + "skinned-tray-menu.bmp"));
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(menu, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    EXPECT_TRUE(WaitUntil([&] { return !MenuWindow(); })) << "the menu stays open";
}
