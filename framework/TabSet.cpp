#include "framework/TabSet.h"

#include <algorithm>

#include "framework/Properties.h"

namespace {

constexpr int kStartMargin = 4;   // the first tab's distance from the left edge
constexpr int kTextMargin = 8;    // on each side of a caption
constexpr int kMinTabWidth = 24;

}  // namespace

const TClassInfo& TTabSet::StaticClass() {
    static const TClassInfo info(
        "TTabSet", &TCustomControl::StaticClass(),
        {props::Object<TTabSet, TStrings>("Tabs", &TTabSet::TabsObject, nullptr),
         props::Ordinal<TTabSet, int>("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex),
         props::Enumeration<TTabSet, TTabPosition>("TabPosition", {"tpTop", "tpBottom"}, &TTabSet::TabPosition,
                                                   &TTabSet::SetTabPosition),
         props::Ordinal<TTabSet, int>("TabHeight", &TTabSet::TabHeight, &TTabSet::SetTabHeight)});
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 21);
    SetColor(clBtnFace);
    tabs_.OnChange = [this](TObject*) { TabsChanged(); };
}

void TTabSet::TabsChanged() {
    // Tabs taken away may take the current one with them.
    if (tabIndex_ >= tabs_.Count()) {
        tabIndex_ = tabs_.Count() - 1;
        if (OnChange) OnChange(this);
    }
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    if (index < -1 || index >= tabs_.Count() || index == tabIndex_) return;
    tabIndex_ = index;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TTabSet::SetTabPosition(TTabPosition position) {
    if (position == position_) return;
    position_ = position;
    Invalidate();
}

void TTabSet::SetTabHeight(int height) {
    if (height < 1 || height == tabHeight_) return;
    tabHeight_ = height;
    Invalidate();
}

std::vector<RECT> TTabSet::TabRects() {
    std::vector<RECT> rects;
    HWND wnd = HandleIfAllocated();
    WindowDc dc(wnd);
    if (!dc) return rects;
    SelectScope font(dc.get(), Font().Handle());
    const RECT client = ClientRect();
    const int top = position_ == tpTop ? 0 : std::max(0, static_cast<int>(client.bottom) - tabHeight_);
    int x = kStartMargin;
    for (int i = 0; i < tabs_.Count(); ++i) {
        const std::string text = tabs_.Get(i);
        SIZE size{};
        GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        const int width = std::max(kMinTabWidth, static_cast<int>(size.cx) + 2 * kTextMargin);
        rects.push_back(RECT{x, top, x + width, top + tabHeight_});
        x += width;
    }
    return rects;
}

int TTabSet::TabAt(int x, int y) {
    const POINT p{x, y};
    const std::vector<RECT> rects = TabRects();
    for (size_t i = 0; i < rects.size(); ++i)
        if (PtInRect(&rects[i], p)) return static_cast<int>(i);
    return -1;
}

void TTabSet::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const std::vector<RECT> rects = TabRects();
    const bool top = position_ == tpTop;
    const UINT outer = top ? BF_TOP : BF_BOTTOM;
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT r = rects[i];
        if (static_cast<int>(i) == tabIndex_) {
            DrawEdge(dc, &r, EDGE_RAISED, BF_LEFT | BF_RIGHT | outer);
        } else {
            // Other tabs stand back by two pixels on their outer side.
            if (top) r.top += 2;
            else r.bottom -= 2;
            DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT | BF_RIGHT | outer);
        }
        canvas.DrawText(tabs_.Get(i), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TTabSet::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN) {
        const int hit = TabAt(static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)));
        if (hit >= 0) SetTabIndex(hit);
    }
    TCustomControl::WndProc(m);
}
