#pragma once
// TTrayIcon: one icon in the taskbar's notification area, owned by a form. It keeps the
// icon and tip current, turns the shell's notifications into events (click, double click,
// mouse, enter/exit, balloons), opens a popup menu at the cursor, can cycle through the
// icons of an image list, and lets the main form hide to the tray and come back.
// All tray icons of the process receive their notifications through one shared hidden
// window (see TrayHandler.h).
#include "framework/Component.h"
#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "framework/WindowHook.h"
#include "framework/ImageList.h"
#include "tray/ShellNotify.h"
#include "tray/SimpleTimer.h"
#include "tray/TrayHandler.h"
#include "tray/TrayNotify.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;
using TStartupEvent = std::function<void(TObject* Sender, bool& ShowMainForm)>;

class TTrayIcon : public TComponent, private TrayNotifyTarget, private TrayNotifySink {
    KELVORA_CLASS(TTrayIcon)
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    // Published properties.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool value) { designPreview_ = value; }
    TCustomImageList* IconList() const { return iconList_; }
    void SetIconList(TCustomImageList* value);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool value);
    uint32_t CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(uint32_t value);
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    std::string Hint() const { return hint_; }
    void SetHint(const std::string& value);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* value);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool value);
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int value);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value);
    bool LeftPopup() const override { return leftPopup_; }
    void SetLeftPopup(bool value) { leftPopup_ = value; }
    bool WantEnterExitEvents() const override { return wantEnterExitEvents_; }
    void SetWantEnterExitEvents(bool value);
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TCycleEvent OnCycle;
    TStartupEvent OnStartup;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnBalloonHintShow;
    TNotifyEvent OnBalloonHintHide;
    TNotifyEvent OnBalloonHintTimeout;
    TNotifyEvent OnBalloonHintClick;

    // Shell calls; each returns the shell's answer, which nobody needs to check.
    virtual bool DesignIconWanted() { return true; }
    virtual bool AddIcon();     // IconVisible := true, NIM_ADD
    virtual bool RemoveIcon();  // IconVisible := false, NIM_DELETE
    virtual bool UpdateIcon();  // NIM_MODIFY
    // Refreshes the icon handle and tip of the record sent to the shell.
    bool FillNotifyData();

    void PopupMenuAtCursor();
    void PopupMenuAt(int x, int y);
    // Hides the application window (the taskbar button) when it is visible.
    void HideAppWindow();
    // Hides the main form and the application window, when the owner is a form.
    void HideOwnerForm();

    // The icon's id in the notification area and the record the shell receives.
    uint32_t IconUid() const override { return iconUid_; }
    const TrayNotifyIconData& NotifyData() const { return notifyData_; }

    // The component's timers, for diagnostics and tests.
    const TSimpleTimer& AnimTimer() const { return *animTimer_; }
    const TSimpleTimer& ClickDelayTimer() const { return *clickDelayTimer_; }
    const TSimpleTimer& LeavePollTimer() const { return *leavePollTimer_; }

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle();
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseEnter();
    virtual void DoMouseExit();
    virtual void DoHideToTray();

private:
    // Notifications from the shared window (TrayNotifyTarget).
    void HandleTrayNotification(uint32_t code) override;

    // Facts and actions of the notification logic (TrayNotifySink).
    bool HasDblClickHandler() const override { return static_cast<bool>(OnDblClick); }
    bool ClickDelayRunning() const override { return clickDelayTimer_->Enabled(); }
    bool PopupMenuAutoPopup() const override { return popupMenu_ && popupMenu_->AutoPopup(); }
    TrayPoint CursorPos() const override;
    void StartClickDelay() override;
    void StopClickDelay() override { clickDelayTimer_->SetEnabled(false); }
    void MouseEnter() override { DoMouseEnter(); }
    void MouseExit() override { DoMouseExit(); }
    void MouseMove(TrayPoint at) override { DoMouseMove(ShiftStateNow(), at.x, at.y); }
    void MouseDown(TrayButton button, TrayPoint at) override;
    void MouseUp(TrayButton button, TrayPoint at) override;
    void Click() override { DoClick(); }
    void DblClick() override { DoDblClick(); }
    void PopupAtCursor() override;
    void ClickDefaultMenuItem() override;
    void BalloonShow() override { Raise(OnBalloonHintShow); }
    void BalloonHide() override { Raise(OnBalloonHintHide); }
    void BalloonTimeout() override { Raise(OnBalloonHintTimeout); }
    void BalloonClick() override { Raise(OnBalloonHintClick); }

    static TShiftState ShiftStateNow();
    void Raise(const TNotifyEvent& event) {
        if (event) event(this);
    }

    void IconChanged(TObject* sender);
    void CycleTick();
    void ApplyNotifyBehavior();

    // The application window's messages, seen before the application handles them.
    void AppWindowHook(TMessage& message);
    // The owner form's window messages while it is subclassed.
    void OwnerWindowMessage(TMessage& message, const TWndMethod& next);
    bool TryHideToTray();
    void SubclassOwner();
    void UnsubclassOwner();
    TWinControl* OwnerControl() const;

    bool enabled_ = true;
    std::unique_ptr<TIcon> icon_;
    uint32_t iconUid_;
    bool iconVisible_ = false;
    std::string hint_;
    bool showHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;  // not owned
    bool leftPopup_ = false;
    bool minimizeToTray_ = false;
    TrayNotifyLogic notify_;  // click, double-click and enter/exit state
    std::unique_ptr<TSimpleTimer> animTimer_;
    std::unique_ptr<TSimpleTimer> clickDelayTimer_;
    std::unique_ptr<TSimpleTimer> leavePollTimer_;
    bool wantEnterExitEvents_ = false;
    int iconIndex_ = 0;
    bool designPreview_ = false;
    bool startupCheckPending_ = true;
    TCustomImageList* iconList_ = nullptr;  // not owned
    bool cycleIcons_ = false;
    uint32_t cycleInterval_ = 0;
    TWindowSubclass ownerHook_;  // on the owner form's window
    int appHookCookie_ = 0;
    TrayNotifyIconData notifyData_;
};

// Hides the application's taskbar button for good: the application window is hidden
// and becomes a tool window.
void HideTaskbarButton();
