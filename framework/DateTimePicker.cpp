#include "framework/DateTimePicker.h"

#include <commctrl.h>

#include "framework/PrivateMessages.h"

namespace {
void InitDateClasses() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_DATE_CLASSES;
    InitCommonControlsEx(&icc);
    done = true;
}
}  // namespace

const TClassInfo& TDateTimePicker::StaticClass() {
    static const TClassInfo info("TDateTimePicker", &TWinControl::StaticClass());
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
    InitDateClasses();
    TWinControl::CreateParams(p);
    p.StandardClass = DATETIMEPICK_CLASSA;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::Notified(TMessage& m) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (!header) return;
    switch (header->code) {
        case DTN_DROPDOWN:
            droppedDown_ = true;
            if (OnDropDown) OnDropDown(this);
            break;
        case DTN_CLOSEUP:
            droppedDown_ = false;
            if (OnCloseUp) OnCloseUp(this);
            break;
        case DTN_DATETIMECHANGE:
            if (OnChange) OnChange(this);
            break;
        default: break;
    }
}

void TDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && !IsSkinAnnounce(m.Msg, m.LParam)) {
        Notified(m);
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}
