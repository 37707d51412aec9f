#include "tray/TrayNotify.h"

void TrayNotifyLogic::Handle(uint32_t code, TrayNotifySink& sink) {
    switch (code) {
    case TrayCode::BalloonShow: sink.BalloonShow(); return;
    case TrayCode::BalloonHide: sink.BalloonHide(); return;
    case TrayCode::BalloonTimeout: sink.BalloonTimeout(); return;
    case TrayCode::BalloonUserClick: sink.BalloonClick(); return;
    default: break;
    }
    if (!sink.Enabled()) return;  // a disabled icon ignores the mouse
    switch (code) {
    case TrayCode::MouseMove: OnMouseMove(sink); break;
    case TrayCode::LeftDown: OnLeftDown(sink); break;
    case TrayCode::LeftUp: OnLeftUp(sink); break;
    case TrayCode::LeftDoubleClick: OnLeftDoubleClick(sink); break;
    case TrayCode::RightDown: OnRightDown(sink); break;
    case TrayCode::RightUp: sink.MouseUp(TrayButton::Right, sink.CursorPos()); break;
    case TrayCode::MiddleDown: sink.MouseDown(TrayButton::Middle, sink.CursorPos()); break;
    case TrayCode::MiddleUp: sink.MouseUp(TrayButton::Middle, sink.CursorPos()); break;
    default: break;  // other double clicks, context-menu and keyboard selections
    }
}

void TrayNotifyLogic::OnMouseMove(TrayNotifySink& sink) {
    const TrayPoint at = sink.CursorPos();
    if (sink.WantEnterExitEvents() && cursorAway_) {
        sink.MouseEnter();
        cursorAway_ = false;
    }
    sink.MouseMove(at);
    lastCursorPos_ = at;
}

void TrayNotifyLogic::OnLeftDown(TrayNotifySink& sink) {
    const TrayPoint at = sink.CursorPos();
    // With a double-click handler the single click waits for the double-click time.
    if (sink.HasDblClickHandler()) sink.StartClickDelay();
    sink.MouseDown(TrayButton::Left, at);
    leftDownSeen_ = true;
    if (sink.LeftPopup() && sink.PopupMenuAutoPopup()) sink.PopupAtCursor();
}

void TrayNotifyLogic::OnLeftUp(TrayNotifySink& sink) {
    const TrayPoint at = sink.CursorPos();
    if (leftDownSeen_) clickArmed_ = true;
    if (leftDownSeen_ && !sink.ClickDelayRunning()) {
        leftDownSeen_ = false;
        clickArmed_ = false;
        sink.Click();
    }
    leftDownSeen_ = false;
    sink.MouseUp(TrayButton::Left, at);
}

void TrayNotifyLogic::OnLeftDoubleClick(TrayNotifySink& sink) {
    clickArmed_ = false;
    dblClickSeen_ = true;
    sink.DblClick();
    if (sink.PopupMenuAutoPopup() && !sink.LeftPopup()) sink.ClickDefaultMenuItem();
}

void TrayNotifyLogic::OnRightDown(TrayNotifySink& sink) {
    sink.MouseDown(TrayButton::Right, sink.CursorPos());
    if (sink.PopupMenuAutoPopup()) sink.PopupAtCursor();
}

void TrayNotifyLogic::ClickDelayElapsed(TrayNotifySink& sink) {
    sink.StopClickDelay();
    if (!dblClickSeen_ && clickArmed_) {
        clickArmed_ = false;
        sink.Click();
    }
    dblClickSeen_ = false;
}

void TrayNotifyLogic::LeavePollTick(TrayNotifySink& sink) {
    if (cursorAway_) return;
    if (sink.CursorPos() != lastCursorPos_) {
        cursorAway_ = true;
        sink.MouseExit();
    }
}
