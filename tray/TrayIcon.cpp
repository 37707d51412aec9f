#include "tray/TrayIcon.h"

#include "framework/Forms.h"
#include "tray/TrayIconIndex.h"
#include "tray/TrayTip.h"

#include <cstring>
#include <utility>

// ---------------------------------------------------------------------------------------
const TClassInfo& TTrayIcon::StaticClass() {
    using T = TTrayIcon;
    static const TClassInfo info(
        "TTrayIcon", &TComponent::StaticClass(),
        {props::Boolean<T>("DesignPreview", &T::DesignPreview, &T::SetDesignPreview),
         props::Object<T, TCustomImageList>("IconList", &T::IconList, &T::SetIconList),
         props::Boolean<T>("CycleIcons", &T::CycleIcons, &T::SetCycleIcons),
         props::Ordinal<T, uint32_t>("CycleInterval", &T::CycleInterval, &T::SetCycleInterval),
         props::Boolean<T>("Enabled", &T::Enabled, &T::SetEnabled),
         props::String<T>("Hint", &T::Hint, &T::SetHint),
         props::Boolean<T>("ShowHint", &T::ShowHint, &T::SetShowHint),
         props::Object<T, TIcon>("Icon", &T::Icon, &T::SetIcon),
         props::Boolean<T>("IconVisible", &T::IconVisible, &T::SetIconVisible),
         props::Ordinal<T, int>("IconIndex", &T::IconIndex, &T::SetIconIndex),
         props::Object<T, TPopupMenu>("PopupMenu", &T::PopupMenu, &T::SetPopupMenu),
         props::Boolean<T>("LeftPopup", &T::LeftPopup, &T::SetLeftPopup),
         props::Boolean<T>("WantEnterExitEvents", &T::WantEnterExitEvents, &T::SetWantEnterExitEvents),
         props::Boolean<T>("MinimizeToTray", &T::MinimizeToTray, &T::SetMinimizeToTray)});
    return info;
}

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {
    const HWND handlerWindow = AcquireTrayHandler(this);
    iconUid_ = NewTrayIconUid();

    icon_ = std::make_unique<TIcon>();
    icon_->OnChange = [this](TObject* sender) { IconChanged(sender); };

    std::memset(&notifyData_, 0, sizeof notifyData_);
    notifyData_.cbSize = sizeof notifyData_;
    notifyData_.hWnd = handlerWindow;
    notifyData_.uID = iconUid_;
    notifyData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    notifyData_.uCallbackMessage = TrayCallbackMessage;

    animTimer_ = std::make_unique<TSimpleTimer>(1000, [this](TSimpleTimer&) { CycleTick(); });
    clickDelayTimer_ = std::make_unique<TSimpleTimer>(
        1000, [this](TSimpleTimer&) { notify_.ClickDelayElapsed(*this); });
    leavePollTimer_ = std::make_unique<TSimpleTimer>(20, [this](TSimpleTimer&) { notify_.LeavePollTick(*this); });

    appHookCookie_ = Application->HookMainWindow([this](TMessage& message) {
        AppWindowHook(message);
        return false;  // the application handles the message as usual
    });
    if (OwnerControl()) SubclassOwner();
}

TTrayIcon::~TTrayIcon() {
    SetIconVisible(false);
    animTimer_.reset();
    clickDelayTimer_.reset();
    leavePollTimer_.reset();
    try {
        icon_.reset();
    } catch (...) {
        // The icon is going anyway; nothing useful can be done about a failure here.
    }
    Application->UnhookMainWindow(appHookCookie_);
    UnsubclassOwner();
    ReleaseTrayHandler(this);
}

TWinControl* TTrayIcon::OwnerControl() const { return dynamic_cast<TWinControl*>(Owner()); }

// --- properties ------------------------------------------------------------------------

void TTrayIcon::SetIconList(TCustomImageList* value) {
    iconList_ = value;
    if (value) FreeNotification(value);
    SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool value) {
    cycleIcons_ = value;
    if (value) {
        SetIconIndex(0);
        animTimer_->SetInterval(static_cast<int32_t>(cycleInterval_));
    }
    // A zero interval leaves the timer stopped.
    animTimer_->SetEnabled(value);
}

void TTrayIcon::SetCycleInterval(uint32_t value) {
    if (value == cycleInterval_) return;
    cycleInterval_ = value;
    SetCycleIcons(cycleIcons_);
}

void TTrayIcon::SetHint(const std::string& value) {
    hint_ = value;
    UpdateIcon();
}

void TTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    UpdateIcon();
}

void TTrayIcon::SetIcon(TIcon* value) {
    // One shell update for the whole copy, not one per change of the owned icon.
    icon_->OnChange = nullptr;
    if (value)
        icon_->Assign(*value);
    else
        icon_->SetHandle(nullptr);
    icon_->OnChange = [this](TObject* sender) { IconChanged(sender); };
    UpdateIcon();
}

void TTrayIcon::SetIconVisible(bool value) {
    if (value)
        AddIcon();
    else
        RemoveIcon();
}

void TTrayIcon::SetIconIndex(int value) {
    if (iconList_) {
        iconIndex_ = ClampTrayIconIndex(value, iconList_->Count(), true);
        iconList_->GetIcon(iconIndex_, *icon_);
    } else {
        iconIndex_ = 0;
    }
    UpdateIcon();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* value) {
    popupMenu_ = value;
    if (value) FreeNotification(value);
}

void TTrayIcon::SetWantEnterExitEvents(bool value) {
    wantEnterExitEvents_ = value;
    // The 20 ms poll runs only while someone wants to hear about the cursor leaving.
    leavePollTimer_->SetEnabled(value);
}

void TTrayIcon::IconChanged(TObject*) { UpdateIcon(); }

// --- shell calls -----------------------------------------------------------------------

bool TTrayIcon::AddIcon() {
    iconVisible_ = true;
    FillNotifyData();
    return CallShellNotify(TrayNim::Add, notifyData_);
}

bool TTrayIcon::RemoveIcon() {
    iconVisible_ = false;
    FillNotifyData();
    return CallShellNotify(TrayNim::Delete, notifyData_);
}

bool TTrayIcon::UpdateIcon() {
    FillNotifyData();
    return CallShellNotify(TrayNim::Modify, notifyData_);
}

bool TTrayIcon::FillNotifyData() {
    try {
        notifyData_.hIcon = icon_ ? icon_->Handle() : nullptr;
    } catch (...) {
        notifyData_.hIcon = nullptr;  // an icon without a usable handle is sent as none
    }
    const TrayTipBytes tip = MakeTrayTip(hint_, showHint_);
    std::memcpy(notifyData_.szTip, tip.data(), tip.size());
    return true;
}

void TTrayIcon::ApplyNotifyBehavior() {
    notifyData_.uVersion = 0;  // the classic notification messages
    CallShellNotify(TrayNim::SetVersion, notifyData_);
}

// --- loading and removal of referenced components ----------------------------------------

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    if (OwnerControl()) {
        bool showMainForm = true;
        if (OnStartup) OnStartup(this, showMainForm);
        if (!showMainForm) {
            Application->SetShowMainForm(false);
            HideOwnerForm();
        }
    }
    UpdateIcon();
    SetIconVisible(iconVisible_);
    SetCycleIcons(cycleIcons_);
    SetWantEnterExitEvents(wantEnterExitEvents_);
    ApplyNotifyBehavior();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == iconList_) {
        iconList_ = nullptr;
        SetIconList(nullptr);
    }
    if (component == popupMenu_) popupMenu_ = nullptr;
}

// --- notifications ---------------------------------------------------------------------

void TTrayIcon::HandleTrayNotification(uint32_t code) { notify_.Handle(code, *this); }

TShiftState TTrayIcon::ShiftStateNow() {
    TShiftState state = 0;
    if (GetAsyncKeyState(VK_SHIFT) & 0x8000) state |= ssShift;
    if (GetAsyncKeyState(VK_CONTROL) & 0x8000) state |= ssCtrl;
    if (GetAsyncKeyState(VK_MENU) & 0x8000) state |= ssAlt;
    return state;
}

TrayPoint TTrayIcon::CursorPos() const {
    POINT p{};
    if (!GetCursorPos(&p)) return {};
    return {p.x, p.y};
}

void TTrayIcon::StartClickDelay() {
    clickDelayTimer_->SetInterval(static_cast<int32_t>(GetDoubleClickTime()));
    clickDelayTimer_->SetEnabled(true);  // restarts a running delay
}

namespace {
TMouseButton FrameworkButton(TrayButton button) {
    switch (button) {
    case TrayButton::Left: return mbLeft;
    case TrayButton::Right: return mbRight;
    default: return mbMiddle;
    }
}
TShiftState ButtonShift(TrayButton button) {
    switch (button) {
    case TrayButton::Left: return ssLeft;
    case TrayButton::Right: return ssRight;
    default: return ssMiddle;
    }
}
}  // namespace

void TTrayIcon::MouseDown(TrayButton button, TrayPoint at) {
    DoMouseDown(FrameworkButton(button), ShiftStateNow() | ButtonShift(button), at.x, at.y);
}

void TTrayIcon::MouseUp(TrayButton button, TrayPoint at) {
    DoMouseUp(FrameworkButton(button), ShiftStateNow() | ButtonShift(button), at.x, at.y);
}

void TTrayIcon::PopupAtCursor() {
    SetForegroundWindow(notifyData_.hWnd);
    PopupMenuAtCursor();
}

void TTrayIcon::ClickDefaultMenuItem() {
    TMenuItem* items = popupMenu_->Items();
    for (int i = 0; i < items->Count(); ++i) {
        if (items->Items(i)->Default()) {
            items->Items(i)->Click();
            return;
        }
    }
}

void TTrayIcon::CycleTick() {
    if (!iconList_) return;
    iconList_->GetIcon(iconIndex_, *icon_);
    DoCycle();
    // The list may have gone in the cycle handler.
    SetIconIndex(NextTrayCycleIndex(iconIndex_, iconList_ ? iconList_->Count() : 0));
}

// --- events ----------------------------------------------------------------------------

void TTrayIcon::DoClick() { Raise(OnClick); }
void TTrayIcon::DoDblClick() { Raise(OnDblClick); }

void TTrayIcon::DoCycle() {
    const int next = iconList_ ? NextTrayCycleIndex(iconIndex_, iconList_->Count()) : 0;
    if (OnCycle) OnCycle(this, next);
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}
void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TTrayIcon::DoMouseEnter() { Raise(OnMouseEnter); }
void TTrayIcon::DoMouseExit() { Raise(OnMouseExit); }

void TTrayIcon::DoHideToTray() {
    HideOwnerForm();
    SetIconVisible(true);
}

// --- popup menu ------------------------------------------------------------------------

void TTrayIcon::PopupMenuAtCursor() {
    POINT p{};
    if (GetCursorPos(&p)) PopupMenuAt(p.x, p.y);
}

void TTrayIcon::PopupMenuAt(int x, int y) {
    if (!popupMenu_) return;
    // The menu closes properly when clicked away only if our window is in front.
    SetForegroundWindow(notifyData_.hWnd);
    Application->ProcessMessages();
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(x, y);
    if (TWinControl* owner = OwnerControl()) PostMessageA(owner->Handle(), WM_NULL, 0, 0);
}

// --- hiding to the tray ----------------------------------------------------------------

void TTrayIcon::HideAppWindow() {
    HWND app = Application->Handle();
    if (IsWindowVisible(app)) ShowWindow(app, SW_HIDE);
}

void TTrayIcon::HideOwnerForm() {
    if (!OwnerControl() || !Application->MainForm()) return;
    Application->MainForm()->SetVisible(false);
    HideAppWindow();
}

bool TTrayIcon::TryHideToTray() {
    if (!minimizeToTray_ || !OnMinimizeToTray) return false;
    OnMinimizeToTray(this);
    DoHideToTray();
    return true;
}

void TTrayIcon::AppWindowHook(TMessage& message) {
    switch (message.Msg) {
    case WM_SIZE:
        if (message.WParam == SIZE_MINIMIZED && minimizeToTray_) DoHideToTray();
        break;
    case WM_WINDOWPOSCHANGED:
        if (startupCheckPending_ && Application->MainForm()) {
            if (Application->MainForm()->FormStyle() == fsMDIForm) {
                bool showMainForm = true;
                if (OnStartup) OnStartup(this, showMainForm);
                if (!showMainForm) HideAppWindow();
            }
            startupCheckPending_ = false;
        }
        break;
    case WM_SYSCOMMAND:
        if (message.WParam == SC_RESTORE && Application->MainForm()) {
            TCustomForm* form = Application->MainForm();
            if (form->WindowState() == wsMinimized) form->SetWindowState(wsNormal);
            form->SetVisible(true);
        }
        break;
    default:
        break;
    }
    // The shell re-created its taskbar: a visible icon has to be added again.
    const UINT taskbarCreated = TaskbarCreatedMessage();
    if (taskbarCreated != 0 && message.Msg == taskbarCreated) {
        ForgetTrayShellState();
        if (iconVisible_) AddIcon();
    }
}

// --- the owner's window procedure ------------------------------------------------------

void TTrayIcon::SubclassOwner() {
    TWinControl* owner = OwnerControl();
    if (!owner) return;
    ownerHook_ = TWindowSubclass(owner->Handle(),
                                 [this](TMessage& m, const TWndMethod& next) { OwnerWindowMessage(m, next); });
}

void TTrayIcon::UnsubclassOwner() {
    // Takes off this icon's hook only: hooks installed on the owner after it stay in place.
    ownerHook_.Reset();
}

void TTrayIcon::OwnerWindowMessage(TMessage& m, const TWndMethod& next) {
    switch (m.Msg) {
    case WM_SHOWWINDOW:
        if (m.WParam == 1 && m.LParam == 0) {
            SetForegroundWindow(Application->Handle());
            SetForegroundWindow(ownerHook_.Window());
        } else if (m.WParam == 0 && m.LParam == SW_PARENTCLOSING && !Application->Terminated() && TryHideToTray()) {
            m.Result = 1;
            return;
        }
        break;
    case WM_SYSCOMMAND:
        if (m.WParam == SC_MINIMIZE && TryHideToTray()) {
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    next(m);
}

// ---------------------------------------------------------------------------------------

void HideTaskbarButton() {
    HWND app = Application->Handle();
    ShowWindow(app, SW_HIDE);
    SetWindowLongA(app, GWL_EXSTYLE, GetWindowLongA(app, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}
