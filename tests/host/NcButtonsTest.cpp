// Caption-button mouse rules without a window: states and the one hot object, which
// release clicks, what double clicks and right presses do, and the hint's timing.
#include <gtest/gtest.h>

#include <string>

#include "skin/form/NcButtons.h"

namespace {

// A caption button that counts its paints and leaves.
class FakeButton : public TNCObject {
public:
    explicit FakeButton(int action) : action_(action) {
        Visible = true;
        Bounds = {10, 4, 30, 22};
    }
    void Paint() override { ++paints; }
    bool IsCaptionButton() const override { return true; }
    int Action() const override { return action_; }
    int paints = 0;
    int leaves = 0;

protected:
    void Left() override { ++leaves; }

private:
    int action_;
};

}  // namespace

TEST(NcButtons, StatesFollowTheMouseAndOnlyAPressReleasedOnTheSameButtonClicks) {
    FakeButton close(caClose), min(caMinimise);
    TNCObject* hot = nullptr;

    close.MouseMove(hot);                // 1 -> 3
    close.MouseMove(hot);                // already hot: nothing
    EXPECT_TRUE(hot == &close && close.State == 3 && close.paints == 1);
    close.MouseDown(hot);                // 3 -> 2
    EXPECT_EQ(close.State, 2);
    EXPECT_TRUE(ReleaseClicks(&close, hot));
    close.MouseUp();                     // 2 -> 3
    EXPECT_EQ(close.State, 3);
    EXPECT_FALSE(ReleaseClicks(&close, hot)) << "a second release (double click) clicks again";
    close.MouseLeave(hot);               // 3 -> 1
    EXPECT_TRUE(hot == nullptr && close.State == 1 && close.leaves == 1);

    // Press on close, move off onto minimise, release there: nothing is clicked.
    close.MouseDown(hot);
    min.MouseMove(hot);
    EXPECT_TRUE(hot == &min && close.State == 1 && min.State == 3 && close.leaves == 2);
    EXPECT_FALSE(ReleaseClicks(&min, hot));
    EXPECT_FALSE(ReleaseClicks(nullptr, hot));
    EXPECT_FALSE(ReleaseClicks(&close, hot));

    // A hidden button neither becomes hot nor takes a press, but the old hot one leaves.
    FakeButton hidden(caMaximise);
    hidden.Visible = false;
    hidden.MouseDown(hot);
    EXPECT_TRUE(hot == nullptr && hidden.State == 1 && hidden.paints == 0 && min.State == 1);

    EXPECT_TRUE(close.Contains(10, 4) && close.Contains(29, 21));
    EXPECT_FALSE(close.Contains(30, 4) || close.Contains(10, 22) || close.Contains(9, 10));
}

TEST(NcButtons, CommandsAndHintsByAction) {
    struct Row { int action; bool enabled; TButtonCommand command; const char* hint; };
    const Row rows[] = {
        {0, false, TButtonCommand::Close, "Close"},
        {1, true, TButtonCommand::MaximiseToggle, "Maximize"},
        {22, false, TButtonCommand::None, "Maximize"},
        {2, true, TButtonCommand::MinimiseToggle, "Minimize"},
        {23, false, TButtonCommand::None, "Minimize"},
        {3, true, TButtonCommand::SystemMenu, ""},
        {11, true, TButtonCommand::SystemMenu, ""},
        {12, true, TButtonCommand::SystemMenu, ""},
        {4, true, TButtonCommand::ContextHelp, ""},
        {60, true, TButtonCommand::ChildMinimise, "Minimize"},
        {8, true, TButtonCommand::ChildRestore, "Restore"},
        {62, true, TButtonCommand::ChildClose, "Close"},
        {5, true, TButtonCommand::Report, ""},
        {500, true, TButtonCommand::Report, ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ButtonCommand(r.action, r.enabled), r.command) << r.action;
        EXPECT_EQ(std::string(ButtonHint(r.action)), r.hint) << r.action;
    }
}

TEST(NcButtons, DoubleClicksAndRightPresses) {
    const unsigned all = ciSystemMenu | ciMinimiseBox | ciMaximiseBox;
    const unsigned noMax = ciSystemMenu | ciMinimiseBox;
    EXPECT_EQ(CaptionDoubleClick(caIcon, true, TShowState::Normal, all), TDoubleClick::CloseWindow);
    EXPECT_EQ(CaptionDoubleClick(caIconAlt, false, TShowState::Normal, all), TDoubleClick::CloseWindow);
    EXPECT_EQ(CaptionDoubleClick(caClose, true, TShowState::Normal, all), TDoubleClick::Press)
        << "a quick second click on a button presses it again";
    EXPECT_EQ(CaptionDoubleClick(-1, true, TShowState::Normal, all), TDoubleClick::MaximiseToggle);
    EXPECT_EQ(CaptionDoubleClick(-1, true, TShowState::Maximised, all), TDoubleClick::Restore);
    EXPECT_EQ(CaptionDoubleClick(-1, true, TShowState::Minimised, noMax), TDoubleClick::Restore);
    EXPECT_EQ(CaptionDoubleClick(-1, true, TShowState::Normal, noMax), TDoubleClick::Previous);
    EXPECT_EQ(CaptionDoubleClick(-1, false, TShowState::Normal, all), TDoubleClick::Previous) << "a border";

    // Two presses within the double-click time open the menu once; the icon's second
    // press closes; the tick count may wrap between them.
    EXPECT_EQ(SystemMenuPress(1000, 0, 500, false), TMenuPress::Open);
    EXPECT_EQ(SystemMenuPress(1400, 1000, 500, false), TMenuPress::Nothing);
    EXPECT_EQ(SystemMenuPress(1400, 1000, 500, true), TMenuPress::CloseWindow);
    EXPECT_EQ(SystemMenuPress(1501, 1000, 500, true), TMenuPress::Open);
    EXPECT_EQ(SystemMenuPress(100, 0xFFFFFF00u, 500, false), TMenuPress::Nothing);
    EXPECT_EQ(SystemMenuPress(300, 0xFFFFFF00u, 500, false), TMenuPress::Open);
}

TEST(NcButtons, HintShowsAfterFourTicksHidesAfterFourteenAndStaysHidden) {
    int counter = 0;
    std::string steps;
    for (int tick = 1; tick <= 20; ++tick) {
        const THintStep s = HintTick(counter);
        steps += s == THintStep::Wait ? 'w' : s == THintStep::Show ? 'S' : 'h';
    }
    EXPECT_EQ(steps, "wwwSSSSSSSSSShhhhhhh");
    EXPECT_EQ(counter, 3500);  // stops growing once hidden
    counter = 0;               // the mouse left: a new hover waits again
    EXPECT_EQ(HintTick(counter), THintStep::Wait);
    counter = 0;
    for (int i = 0; i < 3; ++i) HintTick(counter, 250, 500);
    EXPECT_EQ(HintTick(counter, 250, 500), THintStep::Hide) << "shorter pauses: shown at 500, hidden at 1000";
}
