#include "framework/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info(
        "TTrackBar", &TWinControl::StaticClass(),
        {props::Enumeration<TTrackBar, TTrackBarOrientation>("Orientation", {"trHorizontal", "trVertical"},
                                                             &TTrackBar::Orientation, &TTrackBar::SetOrientation),
         props::Ordinal<TTrackBar, int>("Min", &TTrackBar::Min, &TTrackBar::SetMin),
         props::Ordinal<TTrackBar, int>("Max", &TTrackBar::Max, &TTrackBar::SetMax),
         props::Ordinal<TTrackBar, int>("Position", &TTrackBar::Position, &TTrackBar::SetPosition)});
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetRange(int min, int max) {
    if (max < min) throw EInvalidOperation("Property value out of range");
    min_ = min;
    max_ = max;
    if (HandleAllocated()) {
        SendMessageA(HandleIfAllocated(), TBM_SETRANGEMAX, FALSE, max_);
        SendMessageA(HandleIfAllocated(), TBM_SETRANGEMIN, TRUE, min_);
    }
    SetPosition(position_);
}

void TTrackBar::SetPosition(int v) {
    v = std::max(min_, std::min(max_, v));
    const bool moved = v != position_;
    position_ = v;
    if (HandleAllocated()) SendMessageA(HandleIfAllocated(), TBM_SETPOS, TRUE, position_);
    if (moved && OnChange) OnChange(this);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_BAR_CLASSES;
    InitCommonControlsEx(&icc);
    TWinControl::CreateParams(p);
    p.StandardClass = TRACKBAR_CLASSA;
    p.Style |= (orientation_ == trVertical ? TBS_VERT : TBS_HORZ) | TBS_AUTOTICKS;
}

void TTrackBar::CreateHandleDone() {
    SendMessageA(HandleIfAllocated(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageA(HandleIfAllocated(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(HandleIfAllocated(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_HSCROLL:
        case CN_VSCROLL:
            SetPosition(static_cast<int>(SendMessageA(HandleIfAllocated(), TBM_GETPOS, 0, 0)));
            m.Result = 0;
            break;
        default: TWinControl::WndProc(m); break;
    }
}
