#pragma once
// Check boxes and radio buttons over the system's BUTTON class (BS_AUTOCHECKBOX,
// BS_AUTORADIOBUTTON). The window keeps the check state; the properties read and write it.
#include "framework/StdCtrls.h"

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

// Published: Checked, State (cbUnchecked, cbChecked, cbGrayed), Caption.
class TCheckBox : public TButtonControl {
    KELVORA_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    TCheckBoxState state_ = cbUnchecked;  // while there is no window
};

// Published: Checked, Caption.
class TRadioButton : public TButtonControl {
    KELVORA_CLASS(TRadioButton)
public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool checked_ = false;  // while there is no window
};
