#pragma once
// Date-time picker: the system's "SysDateTimePick32" class, a date field with a drop-down
// calendar. Its notifications come back to it from its parent as CN_NOTIFY.
#include "framework/Controls.h"

class TDateTimePicker : public TWinControl {
    KELVORA_CLASS(TDateTimePicker)
public:
    explicit TDateTimePicker(TComponent* owner);
    // The calendar is open (between its drop-down and close-up notifications).
    bool DroppedDown() const { return droppedDown_; }

    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    void Notified(TMessage& m);
    bool droppedDown_ = false;
};
