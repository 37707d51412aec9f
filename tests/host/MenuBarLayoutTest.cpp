// Menu-bar geometry and keys without a window: button places left to right and right to
// left, empty captions, hit testing, wrap-around, arrow exchange and accelerators.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/MenuBarLayout.h"

namespace {

std::vector<TMenuBarItem> Items() {
    return {{"&File", 30, true}, {"", 40, true}, {"&Edit", 28, true}, {"&Hidden", 50, false}, {"帮助(&H)", 52, true}};
}

}  // namespace

TEST(MenuBarLayout, ButtonsRunFromTheLeadingEdgeAndEmptyCaptionsTakeNoSpace) {
    const TRect bar{4, 30, 304, 49};  // window coordinates, height 19
    const auto items = Items();
    const auto ltr = LayoutMenuBar(items, bar, 6, false);
    EXPECT_EQ(ltr[0], (TRect{10, 30, 50, 48}));
    EXPECT_EQ(ltr[1].Width(), 0);
    EXPECT_EQ(ltr[2], (TRect{50, 30, 88, 48}));
    EXPECT_TRUE(ltr[3].IsEmpty());
    EXPECT_EQ(ltr[4], (TRect{88, 30, 150, 48}));

    const auto rtl = LayoutMenuBar(items, bar, 8, true, 20);
    EXPECT_EQ(rtl[0], (TRect{236, 30, 276, 48}));
    EXPECT_EQ(rtl[2], (TRect{198, 30, 236, 48}));

    // An empty caption is never hit, even where its zero-width button sits; nor a hidden one.
    EXPECT_EQ(MenuBarHitTest(items, ltr, 50, 35), 2);
    EXPECT_EQ(MenuBarHitTest(items, ltr, 10, 35), 0);
    EXPECT_EQ(MenuBarHitTest(items, ltr, 9, 35), -1);
    EXPECT_EQ(MenuBarHitTest(items, ltr, 20, 48), -1);
    EXPECT_EQ(MenuBarHitTest(items, ltr, 200, 35), -1);

    EXPECT_EQ(MenuBarStartOffset(false, 9, 9, false, 300), 6);
    EXPECT_EQ(MenuBarStartOffset(true, 9, 5, false, 300), 13);
    EXPECT_EQ(MenuBarStartOffset(true, 9, 5, true, 300), 13);
    EXPECT_EQ(MenuBarStartOffset(true, 9, 5, false, 10), 12);
}

TEST(MenuBarLayout, NextAndPreviousSkipUnreachableButtonsAndWrap) {
    const auto items = Items();
    EXPECT_EQ(NextMenuButton(items, 0, true), 2);
    EXPECT_EQ(NextMenuButton(items, 2, true), 4);
    EXPECT_EQ(NextMenuButton(items, 4, true), 0);  // last to first
    EXPECT_EQ(NextMenuButton(items, 0, false), 4);  // first to last
    EXPECT_EQ(NextMenuButton(items, -1, true), 0);
    EXPECT_EQ(NextMenuButton({{"&One", 20, true}}, 0, true), 0);
    EXPECT_EQ(NextMenuButton({{"", 20, true}}, 0, true), -1);

    EXPECT_EQ(ExchangeArrowKey(kVkLeft, true), kVkRight);
    EXPECT_EQ(ExchangeArrowKey(kVkRight, true), kVkLeft);
    EXPECT_EQ(ExchangeArrowKey(kVkLeft, false), kVkLeft);
    EXPECT_EQ(ExchangeArrowKey(0x28, true), 0x28u);
}

TEST(MenuBarLayout, AcceleratorsSkipDoubledAmpersandsAndDoubleByteCharacters) {
    EXPECT_EQ(MenuAccelerator("&File"), 'F');
    EXPECT_EQ(MenuAccelerator("帮助(&h)"), 'H');
    EXPECT_EQ(MenuAccelerator("A&&B"), 0);
    EXPECT_EQ(MenuAccelerator("A&&&B"), 'B');
    EXPECT_EQ(MenuAccelerator("Trailing&"), 0);
    // 0x26 is never a trail byte in this code page, but a lead byte right after '&' is no key.
    EXPECT_EQ(MenuAccelerator("&帮助"), 0);
    EXPECT_TRUE(HasAccelerator("&Edit", 'e'));
    EXPECT_FALSE(HasAccelerator("Edit", 'E'));
}
