#include "framework/ScrollBar.h"

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"

const TClassInfo& TScrollBar::StaticClass() {
    static const TClassInfo info(
        "TScrollBar", &TWinControl::StaticClass(),
        {props::Enumeration<TScrollBar, TScrollBarKind>("Kind", {"sbHorizontal", "sbVertical"}, &TScrollBar::Kind,
                                                        &TScrollBar::SetKind),
         props::Ordinal<TScrollBar, int>("Min", &TScrollBar::Min, &TScrollBar::SetMin),
         props::Ordinal<TScrollBar, int>("Max", &TScrollBar::Max, &TScrollBar::SetMax),
         props::Ordinal<TScrollBar, int>("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
         props::Ordinal<TScrollBar, int>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)});
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (v == kind_) return;
    kind_ = v;
    if (HandleAllocated()) {
        DestroyHandle();
        Handle();
    }
}

void TScrollBar::SetPageSize(int v) {
    if (v < 0 || v > max_ - min_ + 1) throw EInvalidOperation("Property value out of range");
    if (v == pageSize_) return;
    pageSize_ = v;
    SetParams(position_, min_, max_);
    UpdateScrollInfo();
}

int TScrollBar::LastPosition() const { return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_; }

void TScrollBar::SetParams(int position, int min, int max) {
    if (max < min) throw EInvalidOperation("Property value out of range");
    const bool rangeChanged = min != min_ || max != max_;
    min_ = min;
    max_ = max;
    if (pageSize_ > max_ - min_ + 1) pageSize_ = max_ - min_ + 1;
    position = std::max(min_, std::min(LastPosition(), position));
    const bool moved = position != position_;
    position_ = position;
    if (rangeChanged || moved) UpdateScrollInfo();
    if (moved && OnChange) OnChange(this);
}

void TScrollBar::UpdateScrollInfo() {
    if (!HandleAllocated()) return;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = min_;
    si.nMax = max_;
    si.nPage = static_cast<UINT>(pageSize_);
    si.nPos = position_;
    SetScrollInfo(HandleIfAllocated(), SB_CTL, &si, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.StandardClass = "SCROLLBAR";
    p.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateHandleDone() { UpdateScrollInfo(); }

void TScrollBar::Scrolled(TMessage& m) {
    const int step = std::max(1, pageSize_);
    int pos = position_;
    switch (LOWORD(m.WParam)) {
        case SB_LINEUP: pos -= 1; break;
        case SB_LINEDOWN: pos += 1; break;
        case SB_PAGEUP: pos -= step; break;
        case SB_PAGEDOWN: pos += step; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            // The 16-bit position of the message is cut short; the bar's own is not.
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            pos = GetScrollInfo(HandleIfAllocated(), SB_CTL, &si) ? si.nTrackPos : HIWORD(m.WParam);
            break;
        }
        case SB_TOP: pos = min_; break;
        case SB_BOTTOM: pos = max_; break;
        default: break;
    }
    SetPosition(pos);
    m.Result = 0;
}

void TScrollBar::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CN_HSCROLL:
        case CN_VSCROLL: Scrolled(m); break;
        default: TWinControl::WndProc(m); break;
    }
}
