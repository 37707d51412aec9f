// The main window's page control in the real program, read from the screen: the current
// tab shows the skin's current-tab picture (the accent line along its top), the others
// the plain one; a real click on the second tab moves the picture there.
#include "E2eKelvora.h"

#include <commctrl.h>

#include <string>

using namespace e2e;

namespace {

// Our skin's tabs: the current one has a 2-pixel accent line (#2D7FF9) along its top,
// the others a pale fill (#E4EBF4) under a light border.
bool Accent(uint32_t r, uint32_t g, uint32_t b) { return r < 0x60 && g > 0x60 && g < 0xA0 && b > 0xE0; }
bool PaleFill(uint32_t r, uint32_t g, uint32_t b) { return r > 0xD8 && r < 0xF0 && g > 0xE0 && b > 0xEC; }

RECT InMain(HWND main, HWND tab, RECT r) {
    MapWindowPoints(tab, main, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The two rows under the top of a tab's picture (it is drawn one pixel below the tab's
// rectangle), away from the rounded corners.
RECT TopBand(const RECT& item) { return {item.left + 5, item.top + 1, item.right - 5, item.top + 3}; }
// A patch of the fill left of the caption.
RECT FillPatch(const RECT& item) { return {item.left + 4, item.top + 5, item.left + 6, item.top + 10}; }

// Whether the screen shows tab `current` as the current one and every other as plain.
testing::AssertionResult ShowsCurrent(HWND main, HWND tabs, int current) {
    const Capture shot = CaptureClient(main);
    for (int i = 0; i < 3; ++i) {
        const auto item = TabItemRect(tabs, i);
        if (!item) return testing::AssertionFailure() << "no rectangle for tab " << i;
        const RECT r = InMain(main, tabs, *item);
        const RECT band = TopBand(r);
        const int area = (band.right - band.left) * (band.bottom - band.top);
        const int accent = shot.Count(band, Accent);
        const RECT patch = FillPatch(r);
        const int pale = shot.Count(patch, PaleFill);
        const int patchArea = (patch.right - patch.left) * (patch.bottom - patch.top);
        if (i == current && accent < area * 3 / 4)
            return testing::AssertionFailure() << "tab " << i << " (current) has " << accent << " of " << area
                                               << " accent pixels on top";
        if (i != current && (accent != 0 || pale < patchArea * 3 / 4))
            return testing::AssertionFailure() << "tab " << i << " (other) has " << accent << " accent and " << pale
                                               << " pale pixels";
    }
    return testing::AssertionSuccess();
}

}  // namespace

class SkinTabsE2e : public KelvoraTest {};

TEST_F(SkinTabsE2e, CurrentTabShowsTheCurrentPictureBeforeAndAfterARealClick) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitActive(main));
    const RECT pagesRect{0, 89, 445, 89 + 224};
    HWND tabs = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    ASSERT_TRUE(tabs);
    ASSERT_TRUE(WaitUntil([&] { return Ask(tabs, kSkinQuery) == 1; })) << "the page control is not skinned";
    ASSERT_EQ(3, static_cast<int>(Ask(tabs, TCM_GETITEMCOUNT)));
    ASSERT_EQ(0, static_cast<int>(Ask(tabs, TCM_GETCURSEL)));

    testing::AssertionResult before = testing::AssertionFailure();
    WaitUntil([&] { return static_cast<bool>(before = ShowsCurrent(main, tabs, 0)); });
    EXPECT_TRUE(before);

    const auto second = TabItemRect(tabs, 1);
    ASSERT_TRUE(second);
    POINT at{(second->left + second->right) / 2, second->bottom - 4};
    ClientToScreen(tabs, &at);
    ASSERT_TRUE(MouseClickAt(at));
    ASSERT_TRUE(WaitUntil([&] { return Ask(tabs, TCM_GETCURSEL) == 1; })) << "the click did not select the tab";

    testing::AssertionResult after = testing::AssertionFailure();
    WaitUntil([&] { return static_cast<bool>(after = ShowsCurrent(main, tabs, 1)); });
    EXPECT_TRUE(after);
    HWND page = FindChild(tabs, "TTabSheet", "自定义管理");
    ASSERT_TRUE(page);
    EXPECT_TRUE(IsWindowVisible(page));
}
