// Click, double-click, enter/exit logic of the tray icon, the tip field and the icon
// index rules, checked without windows.
#include "tray/TrayIconIndex.h"
#include "tray/TrayNotify.h"
#include "tray/TrayTip.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingSink : public TrayNotifySink {
public:
    bool enabled = true;
    bool hasDblClick = false;
    bool delayRunning = false;
    bool wantEnterExit = false;
    bool leftPopup = false;
    bool autoPopup = false;
    TrayPoint cursor{10, 20};
    std::vector<std::string> log;

    bool Enabled() const override { return enabled; }
    bool HasDblClickHandler() const override { return hasDblClick; }
    bool ClickDelayRunning() const override { return delayRunning; }
    bool WantEnterExitEvents() const override { return wantEnterExit; }
    bool LeftPopup() const override { return leftPopup; }
    bool PopupMenuAutoPopup() const override { return autoPopup; }
    TrayPoint CursorPos() const override { return cursor; }

    void StartClickDelay() override { delayRunning = true; log.push_back("delay"); }
    void StopClickDelay() override { delayRunning = false; }
    void MouseEnter() override { log.push_back("enter"); }
    void MouseExit() override { log.push_back("exit"); }
    void MouseMove(TrayPoint) override { log.push_back("move"); }
    void MouseDown(TrayButton b, TrayPoint) override { log.push_back("down" + Name(b)); }
    void MouseUp(TrayButton b, TrayPoint) override { log.push_back("up" + Name(b)); }
    void Click() override { log.push_back("click"); }
    void DblClick() override { log.push_back("dblclick"); }
    void PopupAtCursor() override { log.push_back("popup"); }
    void ClickDefaultMenuItem() override { log.push_back("default-item"); }
    void BalloonShow() override { log.push_back("balloon-show"); }
    void BalloonHide() override { log.push_back("balloon-hide"); }
    void BalloonTimeout() override { log.push_back("balloon-timeout"); }
    void BalloonClick() override { log.push_back("balloon-click"); }

    static std::string Name(TrayButton b) {
        return b == TrayButton::Left ? "L" : b == TrayButton::Right ? "R" : "M";
    }
};

using Log = std::vector<std::string>;

TEST(TrayClick, SingleClickWithoutDblClickHandlerFiresAtReleaseBeforeMouseUp) {
    RecordingSink s;
    TrayNotifyLogic logic;
    logic.Handle(TrayCode::LeftDown, s);
    logic.Handle(TrayCode::LeftUp, s);
    EXPECT_EQ(s.log, (Log{"downL", "click", "upL"}));
    EXPECT_FALSE(logic.LeftDownSeen());
    EXPECT_FALSE(logic.ClickArmed());
}

TEST(TrayClick, ReleaseWithoutPressRaisesNoClick) {
    RecordingSink s;
    TrayNotifyLogic logic;
    logic.Handle(TrayCode::LeftUp, s);
    EXPECT_EQ(s.log, (Log{"upL"}));
    EXPECT_FALSE(logic.ClickArmed());
    s.hasDblClick = true;
    logic.ClickDelayElapsed(s);  // a stray timer tick does not click either
    EXPECT_EQ(s.log, (Log{"upL"}));
}

TEST(TrayClick, WithDblClickHandlerSingleClickWaitsForTheDelay) {
    RecordingSink s;
    s.hasDblClick = true;
    TrayNotifyLogic logic;
    logic.Handle(TrayCode::LeftDown, s);
    logic.Handle(TrayCode::LeftUp, s);
    EXPECT_EQ(s.log, (Log{"delay", "downL", "upL"}));
    EXPECT_TRUE(logic.ClickArmed());
    logic.ClickDelayElapsed(s);
    EXPECT_EQ(s.log.back(), "click");
    EXPECT_FALSE(s.delayRunning);
    EXPECT_FALSE(logic.ClickArmed());
}

TEST(TrayClick, DoubleClickRaisesOnlyDblClick) {
    RecordingSink s;
    s.hasDblClick = true;
    TrayNotifyLogic logic;
    // The shell's sequence: down, up, double click, up.
    logic.Handle(TrayCode::LeftDown, s);
    logic.Handle(TrayCode::LeftUp, s);
    logic.Handle(TrayCode::LeftDoubleClick, s);
    logic.Handle(TrayCode::LeftUp, s);
    logic.ClickDelayElapsed(s);
    EXPECT_EQ(s.log, (Log{"delay", "downL", "upL", "dblclick", "upL"}));
    EXPECT_FALSE(logic.DblClickSeen());
    // The next single click works again.
    logic.Handle(TrayCode::LeftDown, s);
    logic.Handle(TrayCode::LeftUp, s);
    logic.ClickDelayElapsed(s);
    EXPECT_EQ(s.log.back(), "click");
}

TEST(TrayClick, DoubleClickClicksDefaultMenuItemOnlyWithAutoPopupAndNoLeftPopup) {
    RecordingSink s;
    TrayNotifyLogic logic;
    logic.Handle(TrayCode::LeftDoubleClick, s);
    EXPECT_EQ(s.log, (Log{"dblclick"}));
    s.autoPopup = true;
    logic.Handle(TrayCode::LeftDoubleClick, s);
    EXPECT_EQ(s.log.back(), "default-item");
    s.log.clear();
    s.leftPopup = true;
    logic.Handle(TrayCode::LeftDoubleClick, s);
    EXPECT_EQ(s.log, (Log{"dblclick"}));
}

TEST(TrayClick, PopupOnRightPressAndOnLeftPressOnlyWithLeftPopup) {
    RecordingSink s;
    TrayNotifyLogic logic;
    logic.Handle(TrayCode::RightDown, s);  // AutoPopup off: mouse down only
    EXPECT_EQ(s.log, (Log{"downR"}));
    s.autoPopup = true;
    s.log.clear();
    logic.Handle(TrayCode::RightDown, s);
    logic.Handle(TrayCode::RightUp, s);
    logic.Handle(TrayCode::LeftDown, s);
    EXPECT_EQ(s.log, (Log{"downR", "popup", "upR", "downL"}));
    s.leftPopup = true;
    s.log.clear();
    logic.Handle(TrayCode::LeftDown, s);
    EXPECT_EQ(s.log, (Log{"downL", "popup"}));
}

TEST(TrayClick, DisabledIgnoresMouseButStillReportsBalloons) {
    RecordingSink s;
    s.enabled = false;
    s.autoPopup = true;
    TrayNotifyLogic logic;
    for (uint32_t code : {TrayCode::MouseMove, TrayCode::LeftDown, TrayCode::LeftUp,
                          TrayCode::LeftDoubleClick, TrayCode::RightDown, TrayCode::RightUp,
                          TrayCode::MiddleDown, TrayCode::MiddleUp})
        logic.Handle(code, s);
    EXPECT_TRUE(s.log.empty());
    EXPECT_FALSE(logic.LeftDownSeen());
    logic.Handle(TrayCode::BalloonShow, s);
    logic.Handle(TrayCode::BalloonHide, s);
    logic.Handle(TrayCode::BalloonTimeout, s);
    logic.Handle(TrayCode::BalloonUserClick, s);
    EXPECT_EQ(s.log, (Log{"balloon-show", "balloon-hide", "balloon-timeout", "balloon-click"}));
}

TEST(TrayClick, OtherNotificationsAreIgnored) {
    RecordingSink s;
    s.autoPopup = true;
    TrayNotifyLogic logic;
    for (uint32_t code : {0x206u /*right dbl*/, 0x209u /*middle dbl*/, 0x7Bu /*context menu*/,
                          0x400u /*select*/, 0x401u /*key select*/})
        logic.Handle(code, s);
    EXPECT_TRUE(s.log.empty());
}

TEST(TrayEnterExit, EnterOnFirstMoveExitWhenCursorLeaves) {
    RecordingSink s;
    s.wantEnterExit = true;
    TrayNotifyLogic logic;
    logic.LeavePollTick(s);  // nothing entered yet
    logic.Handle(TrayCode::MouseMove, s);
    logic.Handle(TrayCode::MouseMove, s);
    logic.LeavePollTick(s);  // cursor still where it was
    EXPECT_EQ(s.log, (Log{"enter", "move", "move"}));
    s.cursor = {11, 20};
    logic.LeavePollTick(s);
    logic.LeavePollTick(s);  // reported once
    EXPECT_EQ(s.log.back(), "exit");
    EXPECT_EQ(s.log.size(), 4u);
    logic.Handle(TrayCode::MouseMove, s);
    EXPECT_EQ(s.log, (Log{"enter", "move", "move", "exit", "enter", "move"}));
    EXPECT_EQ(logic.LastCursorPos(), (TrayPoint{11, 20}));
}

std::string TipText(const TrayTipBytes& tip) { return std::string(tip.data()); }

TEST(TrayTip, CutsAt127BytesAndAlwaysEndsWithZero) {
    const std::string hint(200, 'a');
    const TrayTipBytes tip = MakeTrayTip(hint, true);
    EXPECT_EQ(TipText(tip), hint.substr(0, 127));
    EXPECT_EQ(tip[127], 0);
    EXPECT_EQ(TipText(MakeTrayTip(std::string(127, 'b'), true)), std::string(127, 'b'));
    EXPECT_EQ(TipText(MakeTrayTip("Kelvora", true)), "Kelvora");
}

TEST(TrayTip, EmptyWhenHintOffOrEmpty) {
    const TrayTipBytes zero{};
    EXPECT_EQ(MakeTrayTip("Kelvora", false), zero);
    EXPECT_EQ(MakeTrayTip("", true), zero);
}

TEST(TrayTip, NeverSplitsADoubleByteCharacter) {
    const std::string han = "托";  // two bytes in code page 936
    ASSERT_EQ(han.size(), 2u);
    // 'a' then 63 characters: the last one would occupy bytes 125 and 126, so it fits;
    // one more ASCII byte in front pushes it to bytes 126 and 127, and it is left out.
    std::string fits = "a";
    for (int i = 0; i < 70; ++i) fits += han;
    EXPECT_EQ(TipText(MakeTrayTip(fits, true)).size(), 127u);

    std::string shifted = "ab";
    for (int i = 0; i < 70; ++i) shifted += han;
    const std::string tip = TipText(MakeTrayTip(shifted, true));
    EXPECT_EQ(tip.size(), 126u);
    EXPECT_EQ(tip, shifted.substr(0, 126));

    // A lead-byte value as the second byte of a character is not mistaken for a lead.
    std::string trailing;
    for (int i = 0; i < 64; ++i) trailing += "\xB0\xA1";  // "啊"
    EXPECT_EQ(TipText(MakeTrayTip(trailing, true)).size(), 126u);
    trailing = "x" + trailing;
    EXPECT_EQ(TipText(MakeTrayTip(trailing, true)).size(), 127u);
}

TEST(TrayIconIndex, ClampsOnlyAtTheTop) {
    EXPECT_EQ(ClampTrayIconIndex(7, 3, true), 2);
    EXPECT_EQ(ClampTrayIconIndex(7, 0, true), -1);
    EXPECT_EQ(ClampTrayIconIndex(-3, 3, true), -3);
    EXPECT_EQ(ClampTrayIconIndex(1, 3, true), 1);
    EXPECT_EQ(ClampTrayIconIndex(5, 3, false), 0);
}

TEST(TrayIconIndex, CyclesThroughTheListAndWraps) {
    std::vector<int> seen;
    int index = 0;
    for (int i = 0; i < 5; ++i) seen.push_back(index = NextTrayCycleIndex(index, 3));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_EQ(NextTrayCycleIndex(2, 3), 0);
    EXPECT_EQ(NextTrayCycleIndex(0, 0), 0);
    EXPECT_EQ(NextTrayCycleIndex(-1, 0), 0);
}

}  // namespace
