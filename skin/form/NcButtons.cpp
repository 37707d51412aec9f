#include "skin/form/NcButtons.h"

namespace {

constexpr int kNormal = static_cast<int>(TButtonState::Normal);
constexpr int kPressed = static_cast<int>(TButtonState::Pressed);
constexpr int kHot = static_cast<int>(TButtonState::Hot);

}  // namespace

void TNCObject::MouseDown(TNCObject*& hot) {
    if (hot && hot != this) hot->MouseLeave(hot);
    if (!Visible) return;
    hot = this;
    State = kPressed;
    Paint();
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = kHot;
    Paint();
}

void TNCObject::MouseMove(TNCObject*& hot) {
    if (hot == this) return;
    if (hot) hot->MouseLeave(hot);
    if (!Visible) return;
    hot = this;
    State = kHot;
    Paint();
}

void TNCObject::MouseLeave(TNCObject*& hot) {
    if (!Visible) return;
    if (hot == this) hot = nullptr;
    State = kNormal;
    Paint();
    Left();
}

bool TNCObject::Contains(int x, int y) const {
    return x >= Bounds.left && x < Bounds.right && y >= Bounds.top && y < Bounds.bottom;
}

bool ReleaseClicks(const TNCObject* hit, const TNCObject* hot) {
    return hit && hit == hot && hit->IsCaptionButton() && hit->State == kPressed;
}

TButtonCommand ButtonCommand(int action, bool enabled) {
    switch (action) {
        case caClose: return TButtonCommand::Close;
        case caMaximise:
        case 22: return enabled ? TButtonCommand::MaximiseToggle : TButtonCommand::None;
        case caMinimise:
        case 23: return enabled ? TButtonCommand::MinimiseToggle : TButtonCommand::None;
        case caIcon:
        case caIconAlt:
        case caSystemMenu: return TButtonCommand::SystemMenu;
        case caHelp: return TButtonCommand::ContextHelp;
        case 7:
        case 60: return TButtonCommand::ChildMinimise;
        case 8:
        case 61: return TButtonCommand::ChildRestore;
        case 9:
        case 62: return TButtonCommand::ChildClose;
        default: return TButtonCommand::Report;
    }
}

const char* ButtonHint(int action) {
    switch (action) {
        case caClose:
        case 9:
        case 62: return "Close";
        case caMaximise:
        case 22: return "Maximize";
        case caMinimise:
        case 23:
        case 7:
        case 60: return "Minimize";
        case 8:
        case 61: return "Restore";
        default: return "";
    }
}

TDoubleClick CaptionDoubleClick(int hitAction, bool onCaption, TShowState show, unsigned captionIcons) {
    if (hitAction == caIcon || hitAction == caIconAlt) return TDoubleClick::CloseWindow;
    if (hitAction >= 0) return TDoubleClick::Press;
    // Only the caption bar itself toggles: a double click on a border or the menu bar is
    // the system's to handle.
    if (!onCaption) return TDoubleClick::Previous;
    if (show != TShowState::Normal) return TDoubleClick::Restore;
    if (captionIcons & ciMaximiseBox) return TDoubleClick::MaximiseToggle;
    return TDoubleClick::Previous;
}

TMenuPress SystemMenuPress(uint32_t now, uint32_t lastOpened, uint32_t doubleClickTime, bool hotObject) {
    // Unsigned difference: right across the tick count's wrap after 49.7 days.
    if (now - lastOpened > doubleClickTime) return TMenuPress::Open;
    return hotObject ? TMenuPress::CloseWindow : TMenuPress::Nothing;
}

THintStep HintTick(int& counter, int hintPause, int hidePause) {
    const int showAt = 2 * hintPause;
    const int hideAt = showAt + hidePause;
    // The counter stops at the hiding point, so hours of hovering cannot overflow it.
    if (counter < hideAt) counter += kPollInterval;
    if (counter < showAt) return THintStep::Wait;
    return counter < hideAt ? THintStep::Show : THintStep::Hide;
}
