// Non-client arithmetic of a skinned window with the widths of our own skin (left and
// right 4, caption 30, bottom 4): client rectangle, hit-test rule, fitted and given-back
// sizes, and the widening of a dialog for its caption.
#include <gtest/gtest.h>

#include "skin/form/NcGeometry.h"

namespace {

const TNcFrame kOurs{4, 30, 4, 4, 0};
const TNcFrame kWithMenu{4, 30, 4, 4, 19};

TEST(NcGeometry, ClientAreaKeepsItsSizeUnderTheSkin) {
    const TExtent outer = FitWindowSize(kOurs, 445, 364);
    EXPECT_EQ(453, outer.width);
    EXPECT_EQ(398, outer.height);
    const TRect client = NcClientRect(kOurs, 100, 50, outer.width, outer.height);
    EXPECT_EQ((TRect{104, 80, 549, 444}), client);

    // A menu-bar strip sits between caption and client and adds to the height.
    EXPECT_EQ(417, FitWindowSize(kWithMenu, 445, 364).height);
    EXPECT_EQ((TRect{4, 49, 449, 413}), NcClientRect(kWithMenu, 0, 0, 453, 417));

    // Giving the system frame back keeps the client size: 445 x 364 under a system frame
    // of 6 x 29 (3-pixel sides, 23-pixel caption).
    const TExtent plain = SystemFrameWindowSize(kOurs, outer.width, outer.height, 6, 29);
    EXPECT_EQ(451, plain.width);
    EXPECT_EQ(393, plain.height);
}

TEST(NcGeometry, HitTestRule) {
    // The top three rows keep the system's answer, whatever it was.
    EXPECT_EQ(nhCaption, NcHitTestRule(nhCaption, 2, kWithMenu));
    EXPECT_EQ(nhNowhere, NcHitTestRule(nhNowhere, 3, kOurs));
    // Below them: caption, and in the menu-bar strip the menu.
    EXPECT_EQ(nhCaption, NcHitTestRule(nhNowhere, 4, kOurs));
    EXPECT_EQ(nhCaption, NcHitTestRule(nhCaption, 30, kWithMenu));
    EXPECT_EQ(nhMenu, NcHitTestRule(nhNowhere, 31, kWithMenu));
    EXPECT_EQ(nhCaption, NcHitTestRule(nhNowhere, 31, kOurs));
    // Borders, buttons and the client area stay as the system computed them.
    for (int code : {int{nhClient}, 10 /* left */, 15 /* bottom */, 20 /* close */, 3 /* system menu */})
        EXPECT_EQ(code, NcHitTestRule(code, 12, kWithMenu)) << code;
}

TEST(NcGeometry, DialogWidenedForItsCaption) {
    EXPECT_EQ(300, WidenForCaption(300, 300).width);
    EXPECT_EQ(0, WidenForCaption(300, 120).childShift);
    const TDialogWidening w = WidenForCaption(200, 261);
    EXPECT_EQ(261, w.width);
    EXPECT_EQ(30, w.childShift);  // half the difference, rounded down

    TDataSkinTitle title{"Title"};
    title.LeftWidth = 20;
    title.RightWidth = 30;
    title.TXTBackleft = 6;
    title.TXTBackRight = 7;
    const TFrameSizes sizes{4, 30, 4, 4};
    // Borders, margins and the text: the title's right margin keeps the text clear.
    EXPECT_EQ(4 + 20 + 6 + 100 + 7 + 30 + 4, CaptionWidthNeeded(sizes, title, 100, false, 60));
    // A popup window's text keeps clear of its right-aligned buttons and their gap instead.
    EXPECT_EQ(4 + 20 + 6 + 100 + 7 + 65 + 4, CaptionWidthNeeded(sizes, title, 100, true, 60));
    EXPECT_EQ(4 + 20 + 6 + 100 + 7 + 0 + 4, CaptionWidthNeeded(sizes, title, 100, true, 5));
}

}  // namespace
