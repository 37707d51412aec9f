#pragma once
// What a tray icon does with each notification the shell sends about it: the mouse
// messages, the click / double-click logic with its delay, enter and exit through a
// cursor poll, and the balloon notifications. Pure logic; the component supplies the
// facts it asks for and carries out the actions through TrayNotifySink.
#include <cstdint>

enum class TrayButton { Left, Right, Middle };

// Notification codes carried in lParam of the tray callback message.
namespace TrayCode {
constexpr uint32_t MouseMove = 0x200;
constexpr uint32_t LeftDown = 0x201;
constexpr uint32_t LeftUp = 0x202;
constexpr uint32_t LeftDoubleClick = 0x203;
constexpr uint32_t RightDown = 0x204;
constexpr uint32_t RightUp = 0x205;
constexpr uint32_t MiddleDown = 0x207;
constexpr uint32_t MiddleUp = 0x208;
constexpr uint32_t BalloonShow = 0x402;
constexpr uint32_t BalloonHide = 0x403;
constexpr uint32_t BalloonTimeout = 0x404;
constexpr uint32_t BalloonUserClick = 0x405;
}  // namespace TrayCode

struct TrayPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const TrayPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const TrayPoint& o) const { return !(*this == o); }
};

class TrayNotifySink {
public:
    virtual ~TrayNotifySink() = default;
    // Facts read at the moment they matter.
    virtual bool Enabled() const = 0;
    virtual bool HasDblClickHandler() const = 0;
    virtual bool ClickDelayRunning() const = 0;
    virtual bool WantEnterExitEvents() const = 0;
    virtual bool LeftPopup() const = 0;
    // A popup menu is set and its AutoPopup is on.
    virtual bool PopupMenuAutoPopup() const = 0;
    virtual TrayPoint CursorPos() const = 0;

    // Actions.
    virtual void StartClickDelay() = 0;  // (re)starts the delay with the double-click time
    virtual void StopClickDelay() = 0;
    virtual void MouseEnter() = 0;
    virtual void MouseExit() = 0;
    virtual void MouseMove(TrayPoint at) = 0;
    virtual void MouseDown(TrayButton button, TrayPoint at) = 0;
    virtual void MouseUp(TrayButton button, TrayPoint at) = 0;
    virtual void Click() = 0;
    virtual void DblClick() = 0;
    virtual void PopupAtCursor() = 0;       // brings the handler window forward and opens the menu
    virtual void ClickDefaultMenuItem() = 0;  // the first top-level item marked Default, if any
    virtual void BalloonShow() = 0;
    virtual void BalloonHide() = 0;
    virtual void BalloonTimeout() = 0;
    virtual void BalloonClick() = 0;
};

class TrayNotifyLogic {
public:
    // One notification from the shell.
    void Handle(uint32_t code, TrayNotifySink& sink);
    // The click delay elapsed: raises the single click unless a double click came first.
    void ClickDelayElapsed(TrayNotifySink& sink);
    // One tick of the leave poll: reports the exit once the cursor has moved off.
    void LeavePollTick(TrayNotifySink& sink);

    bool LeftDownSeen() const { return leftDownSeen_; }
    bool ClickArmed() const { return clickArmed_; }
    bool DblClickSeen() const { return dblClickSeen_; }
    bool CursorAway() const { return cursorAway_; }
    TrayPoint LastCursorPos() const { return lastCursorPos_; }

private:
    void OnMouseMove(TrayNotifySink& sink);
    void OnLeftDown(TrayNotifySink& sink);
    void OnLeftUp(TrayNotifySink& sink);
    void OnLeftDoubleClick(TrayNotifySink& sink);
    void OnRightDown(TrayNotifySink& sink);

    bool leftDownSeen_ = false;
    bool clickArmed_ = false;
    bool dblClickSeen_ = false;
    TrayPoint lastCursorPos_;
    bool cursorAway_ = true;
};
