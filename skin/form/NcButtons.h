#pragma once
// The clickable objects of a skinned window frame (caption buttons, and the menu-bar
// buttons that come with the skinned menu bar) and the rules of the non-client mouse that
// need no window: how one object moves between its normal, hot and pressed states, the
// frame's single hot-or-pressed object, what a release, a double click and a right press
// on the caption do, the command behind a caption button, and when its hint shows.
#include <cstdint>

#include "skin/data/Geometry.h"
#include "skin/form/FrameLayout.h"

// Base of every clickable non-client object. `hot` in the mouse methods is the frame's
// one object that is hot or pressed (or null): an object becomes it on a move or a press
// and gives it up when it leaves.
class TNCObject {
public:
    TNCObject() = default;
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    TRect Bounds;  // window coordinates
    bool Visible = false;
    int State = static_cast<int>(TButtonState::Normal);
    bool Enabled = true;

    // Takes the hot place from the previous holder and shows pressed.
    void MouseDown(TNCObject*& hot);
    // Back to hot after a press.
    void MouseUp();
    // Becomes the hot object unless it already is.
    void MouseMove(TNCObject*& hot);
    // Gives up the hot place and shows normal again.
    void MouseLeave(TNCObject*& hot);
    bool Contains(int x, int y) const;

    virtual void Paint() {}
    virtual bool IsCaptionButton() const { return false; }
    // The caption button's action code; -1 for other objects.
    virtual int Action() const { return -1; }

protected:
    // After a leave: the frame hides the caption-button hint.
    virtual void Left() {}
};

// True when releasing the left button over `hit` clicks it: a caption button that was
// pressed and is still the hot object. A release on a button that was only hovered
// (the press began elsewhere, or a double click's second release) does nothing.
bool ReleaseClicks(const TNCObject* hit, const TNCObject* hot);

// The command a caption button performs when clicked.
enum class TButtonCommand {
    None,            // a disabled maximise or minimise button
    Close,           // WM_SYSCOMMAND SC_CLOSE when the system menu has a close command
    MaximiseToggle,
    MinimiseToggle,
    SystemMenu,      // opened one pixel below and right of the click
    ContextHelp,
    ChildMinimise,   // the active MDI child
    ChildRestore,
    ChildClose,
    Report,          // SKINMSG_BUTTONACTION to the window
};
TButtonCommand ButtonCommand(int action, bool enabled);

// The hint of a caption button by its action; empty when it has none.
const char* ButtonHint(int action);

// A double click in the non-client area. hitAction is the action of the caption button
// under the point (-1 for none); onCaption: the point is in the caption bar. The system
// turns a second press within the double-click time into a double click, so on a caption
// button other than the icon it is that button's press again (Press).
enum class TDoubleClick { CloseWindow, Press, Restore, MaximiseToggle, Previous };
TDoubleClick CaptionDoubleClick(int hitAction, bool onCaption, TShowState show, unsigned captionIcons);

// A right press on the caption (or a click on the icon button) asking for the system
// menu: it opens unless the previous one opened within the double-click time; a second
// press on the icon button then closes the window. Tick counts may wrap.
enum class TMenuPress { Open, CloseWindow, Nothing };
TMenuPress SystemMenuPress(uint32_t now, uint32_t lastOpened, uint32_t doubleClickTime, bool hotObject);

// The hint of a hovered caption button, advanced once per poll: it shows once the mouse
// has rested two hint pauses and hides a hint-hide pause later, and stays hidden until
// the mouse leaves (which resets the counter).
constexpr int kPollInterval = 250;
constexpr int kHintPause = 500;
constexpr int kHintHidePause = 2500;
enum class THintStep { Wait, Show, Hide };
THintStep HintTick(int& counter, int hintPause = kHintPause, int hidePause = kHintHidePause);
