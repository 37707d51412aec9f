#include "framework/CheckBoxes.h"

namespace {
const std::initializer_list<const char*> kCheckStates = {"cbUnchecked", "cbChecked", "cbGrayed"};
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info(
        "TCheckBox", &TButtonControl::StaticClass(),
        {props::Boolean<TCheckBox>("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked),
         props::Enumeration<TCheckBox, TCheckBoxState>("State", kCheckStates, &TCheckBox::State, &TCheckBox::SetState)});
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

TCheckBoxState TCheckBox::State() const {
    if (!HandleAllocated()) return state_;
    const LRESULT check = SendMessageW(HandleIfAllocated(), BM_GETCHECK, 0, 0);
    return check == BST_CHECKED ? cbChecked : check == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

void TCheckBox::SetState(TCheckBoxState state) {
    state_ = state;
    if (!HandleAllocated()) return;
    // A two-state check box drops the grayed state: the window takes three states first.
    if (state == cbGrayed && (GetWindowLongPtrW(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
        Perform(BM_SETSTYLE, BS_AUTO3STATE, 1);
    Perform(BM_SETCHECK, state == cbChecked ? BST_CHECKED : state == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED);
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.StandardClass = "BUTTON";
    p.Style |= state_ == cbGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    SetState(state_);
}

void TCheckBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        m.Result = 0;
        return;
    }
    if (m.Msg == WM_DESTROY) state_ = State();
    TButtonControl::WndProc(m);
}

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo info("TRadioButton", &TButtonControl::StaticClass(),
                                 {props::Boolean<TRadioButton>("Checked", &TRadioButton::Checked,
                                                               &TRadioButton::SetChecked)});
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

bool TRadioButton::Checked() const {
    if (!HandleAllocated()) return checked_;
    return SendMessageW(HandleIfAllocated(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool checked) {
    checked_ = checked;
    if (HandleAllocated()) Perform(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TButtonControl::CreateParams(p);
    p.StandardClass = "BUTTON";
    p.Style |= BS_AUTORADIOBUTTON;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    SetChecked(checked_);
}

void TRadioButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        m.Result = 0;
        return;
    }
    if (m.Msg == WM_DESTROY) checked_ = Checked();
    TButtonControl::WndProc(m);
}
