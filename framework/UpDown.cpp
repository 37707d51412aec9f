#include "framework/UpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"

namespace {
void InitUpDownClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_UPDOWN_CLASS;
    InitCommonControlsEx(&icc);
    done = true;
}
}  // namespace

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info(
        "TUpDown", &TWinControl::StaticClass(),
        {props::Enumeration<TUpDown, TUDOrientation>("Orientation", {"udVertical", "udHorizontal"},
                                                      &TUpDown::Orientation, &TUpDown::SetOrientation),
         props::Ordinal<TUpDown, int>("Min", &TUpDown::Min, &TUpDown::SetMin),
         props::Ordinal<TUpDown, int>("Max", &TUpDown::Max, &TUpDown::SetMax),
         props::Ordinal<TUpDown, int>("Position", &TUpDown::Position, &TUpDown::SetPosition)});
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TUpDown::SetOrientation(TUDOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (HandleAllocated()) RecreateWnd();
}

int TUpDown::Position() const {
    if (HWND h = HandleIfAllocated()) {
        BOOL failed = FALSE;
        const int pos = static_cast<int>(SendMessageA(h, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
        if (!failed) return pos;
    }
    return position_;
}

void TUpDown::SetRange(int min, int max) {
    if (max < min) throw EInvalidOperation("Property value out of range");
    min_ = min;
    max_ = max;
    if (HWND h = HandleIfAllocated()) SendMessageA(h, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SetPosition(Position());
}

void TUpDown::SetPosition(int v) {
    position_ = std::max(min_, std::min(max_, v));
    if (HWND h = HandleIfAllocated()) SendMessageA(h, UDM_SETPOS32, 0, position_);
}

void TUpDown::CreateParams(TCreateParams& p) {
    InitUpDownClass();
    TWinControl::CreateParams(p);
    p.StandardClass = UPDOWN_CLASSA;
    if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
}

void TUpDown::CreateHandleDone() {
    SendMessageA(HandleIfAllocated(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(HandleIfAllocated(), UDM_SETPOS32, 0, position_);
}

void TUpDown::DestroyWnd() {
    position_ = Position();
    TWinControl::DestroyWnd();
}

void TUpDown::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_HSCROLL:
        case CN_VSCROLL:
            if (LOWORD(m.WParam) == SB_THUMBPOSITION && OnChange) OnChange(this);
            m.Result = 0;
            break;
        default: TWinControl::WndProc(m); break;
    }
}
