// Progress bar, tab control with pages, status bar with panels.
#include "framework/ComCtrls.h"

#include "framework/Exceptions.h"

#include <commctrl.h>

#include <algorithm>

namespace {
void InitCommonControlClasses() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
    done = true;
}
}  // namespace

// ---- TProgressBar ----

const TClassInfo& TProgressBar::StaticClass() {
    static const TClassInfo info("TProgressBar", &TWinControl::StaticClass(),
                                 {props::Ordinal<TProgressBar, int>("Min", &TProgressBar::Min, &TProgressBar::SetMin),
                                  props::Ordinal<TProgressBar, int>("Max", &TProgressBar::Max, &TProgressBar::SetMax),
                                  props::Ordinal<TProgressBar, int>("Position", &TProgressBar::Position,
                                                                    &TProgressBar::SetPosition)});
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
    SetColor(clBtnFace);
}

void TProgressBar::SetMin(int v) { SetRange(v, max_); }
void TProgressBar::SetMax(int v) { SetRange(min_, v); }

void TProgressBar::SetRange(int min, int max) {
    if (max < min) throw EInvalidOperation("Property value out of range");
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    if (HandleAllocated()) SendMessageA(HandleIfAllocated(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SetPosition(position_);
}

void TProgressBar::SetPosition(int v) {
    v = std::max(min_, std::min(max_, v));
    if (v == position_) return;
    position_ = v;
    if (HandleAllocated()) SendMessageA(HandleIfAllocated(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::CreateParams(TCreateParams& p) {
    InitCommonControlClasses();
    TWinControl::CreateParams(p);
    p.StandardClass = PROGRESS_CLASSA;
}

void TProgressBar::CreateHandleDone() {
    SendMessageA(HandleIfAllocated(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(HandleIfAllocated(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

// ---- TCustomTabControl ----

const TClassInfo& TCustomTabControl::StaticClass() {
    static const TClassInfo info(
        "TCustomTabControl", &TWinControl::StaticClass(),
        {props::Enumeration<TCustomTabControl, TTabStyle>("Style", {"tsTabs", "tsButtons", "tsFlatButtons"},
                                                          &TCustomTabControl::Style, &TCustomTabControl::SetStyle),
         props::Enumeration<TCustomTabControl, TTabPosition>("TabPosition", {"tpTop", "tpBottom"},
                                                             &TCustomTabControl::TabPosition,
                                                             &TCustomTabControl::SetTabPosition)});
    return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TCustomTabControl::SetStyle(TTabStyle v) {
    if (v == style_) return;
    style_ = v;
    RecreateWnd();
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
    if (v == tabPosition_) return;
    tabPosition_ = v;
    RecreateWnd();
}

int TCustomTabControl::TabIndex() {
    return HandleAllocated() ? static_cast<int>(SendMessageA(HandleIfAllocated(), TCM_GETCURSEL, 0, 0)) : -1;
}

void TCustomTabControl::SetTabIndex(int v) { SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(v), 0); }

RECT TCustomTabControl::DisplayRect() {
    RECT r = ClientRect();
    if (HandleAllocated()) {
        SendMessageA(HandleIfAllocated(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    } else {
        // Until the window exists: the usual frame of one row of tabs.
        r.left += 4;
        r.top += 24;
        r.right -= 4;
        r.bottom -= 4;
    }
    return r;
}

void TCustomTabControl::AdjustClientRect(RECT& rect) { rect = DisplayRect(); }

void TCustomTabControl::CreateParams(TCreateParams& p) {
    InitCommonControlClasses();
    TWinControl::CreateParams(p);
    p.StandardClass = WC_TABCONTROLA;
    p.Style |= WS_CLIPCHILDREN;
    if (style_ == tsButtons) p.Style |= TCS_BUTTONS;
    if (style_ == tsFlatButtons) p.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
    if (tabPosition_ == tpBottom) p.Style |= TCS_BOTTOM;
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
    // A skin announce carries a cookie, not a notification record, under the same number.
    if (m.Msg == CN_NOTIFY && !IsSkinAnnounce(m.Msg, m.LParam) && m.LParam != 0) {
        const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
        if (hdr->code == static_cast<UINT>(TCN_SELCHANGING)) {
            m.Result = CanChange() ? 0 : 1;
            return;
        }
        if (hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
            Change();
            m.Result = 0;
            return;
        }
    }
    TWinControl::WndProc(m);
}

// ---- TTabSheet ----

const TClassInfo& TTabSheet::StaticClass() {
    static const TClassInfo info("TTabSheet", &TCustomControl::StaticClass(),
                                 {props::Boolean<TTabSheet>("TabVisible", &TTabSheet::TabVisible,
                                                            &TTabSheet::SetTabVisible)});
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TCustomControl(owner) {
    // A page fills its page control's display area and shows only while it is active.
    SetVisible(false);
    SetAlign(alClient);
    SetParentColor(true);
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

void TTabSheet::SetParent(TWinControl* parent) {
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != pageControl) pageControl_->RemovePage(this);
    TCustomControl::SetParent(parent);
    if (pageControl && pageControl_ != pageControl) pageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

int TTabSheet::TabIndex() const {
    if (!pageControl_ || !tabVisible_) return -1;
    int index = 0;
    for (TTabSheet* p : pageControl_->pages_) {
        if (p == this) return index;
        if (p->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool v) {
    if (v == tabVisible_) return;
    tabVisible_ = v;
    if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::SetTextBuf(const std::string& s) {
    TCustomControl::SetTextBuf(s);
    if (pageControl_) pageControl_->UpdateTabs();
}

// ---- TPageControl ----

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info("TPageControl", &TCustomTabControl::StaticClass(),
                                 {props::Object<TPageControl, TTabSheet>("ActivePage", &TPageControl::ActivePage,
                                                                         &TPageControl::SetActivePage)});
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    UpdateTabs();
    if (!activePage_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const size_t index = static_cast<size_t>(it - pages_.begin());
    pages_.erase(it);
    page->pageControl_ = nullptr;
    if (activePage_ == page) {
        activePage_ = nullptr;
        if (!pages_.empty()) SetActivePage(pages_[std::min(index, pages_.size() - 1)]);
    }
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    HWND wnd = HandleIfAllocated();
    SendMessageA(wnd, TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (TTabSheet* p : pages_) {
        if (!p->tabVisible_) continue;
        std::string caption = p->Caption();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = &caption[0];
        SendMessageA(wnd, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
    if (activePage_) SendMessageA(wnd, TCM_SETCURSEL, static_cast<WPARAM>(activePage_->TabIndex()), 0);
    Realign();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (page == activePage_) return;
    TTabSheet* old = activePage_;
    activePage_ = page;
    if (page) {
        page->BringToFront();
        page->SetVisible(true);
        if (HandleAllocated() && page->TabIndex() >= 0)
            SendMessageA(HandleIfAllocated(), TCM_SETCURSEL, static_cast<WPARAM>(page->TabIndex()), 0);
    }
    if (old) old->SetVisible(false);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount()) {
        SetActivePage(pages_[static_cast<size_t>(index)]);
    } else {
        SetActivePage(nullptr);
    }
}

void TPageControl::SelectNextPage(bool forward) {
    if (pages_.empty()) return;
    const int n = PageCount();
    int i = ActivePageIndex();
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        if (pages_[static_cast<size_t>(i)]->tabVisible_) {
            SetActivePage(pages_[static_cast<size_t>(i)]);
            Change();
            return;
        }
    }
}

void TPageControl::CreateHandleDone() { UpdateTabs(); }

void TPageControl::Change() {
    const int tab = TabIndex();
    for (TTabSheet* p : pages_) {
        if (p->TabIndex() == tab && tab >= 0) {
            SetActivePage(p);
            break;
        }
    }
    TCustomTabControl::Change();
}

void TPageControl::BoundsChanged() { TCustomTabControl::BoundsChanged(); }

void TPageControl::PlacePages() { Realign(); }

// Every page fills the display area, shown or not, so the controls of a page that has
// not been opened yet already stand where they will be seen.
void TPageControl::AlignControls(RECT rect) {
    TCustomTabControl::AlignControls(rect);
    for (TTabSheet* p : pages_) {
        if (!p->Visible() && p->Align() == alClient)
            p->SetBounds(rect.left, rect.top, std::max(0L, static_cast<long>(rect.right - rect.left)),
                         std::max(0L, static_cast<long>(rect.bottom - rect.top)));
    }
}

void TPageControl::WndProc(TMessage& m) { TCustomTabControl::WndProc(m); }

// ---- status bar ----

void TStatusPanel::SetWidth(int v) {
    if (v == width_) return;
    width_ = v;
    bar_->UpdateParts();
}

void TStatusPanel::SetText(const std::string& s) {
    if (s == text_) return;
    text_ = s;
    bar_->UpdatePanelText(Index());
}

void TStatusPanel::SetBevel(TStatusPanelBevel v) {
    if (v == bevel_) return;
    bevel_ = v;
    bar_->UpdatePanelText(Index());
}

void TStatusPanel::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    bar_->UpdatePanelText(Index());
}

int TStatusPanel::Index() const {
    const auto& panels = bar_->panels_->panels_;
    for (size_t i = 0; i < panels.size(); ++i) {
        if (panels[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

TStatusPanel* TStatusPanels::Add() {
    panels_.push_back(std::make_unique<TStatusPanel>(bar_));
    bar_->UpdateParts();
    return panels_.back().get();
}

void TStatusPanels::Clear() {
    panels_.clear();
    bar_->UpdateParts();
}

const TClassInfo& TCustomStatusBar::StaticClass() {
    static const TClassInfo info(
        "TCustomStatusBar", &TWinControl::StaticClass(),
        {props::Boolean<TCustomStatusBar>("SimplePanel", &TCustomStatusBar::SimplePanel,
                                          &TCustomStatusBar::SetSimplePanel),
         props::String<TCustomStatusBar>("SimpleText", &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText),
         props::Boolean<TCustomStatusBar>("SizeGrip", &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip)});
    return info;
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(this)) {
    SetBounds(0, 0, 0, 19);
    SetAlign(alBottom);
    SetColor(clBtnFace);
}

TCustomStatusBar::~TCustomStatusBar() = default;

void TCustomStatusBar::SetSimplePanel(bool v) {
    if (v == simplePanel_) return;
    simplePanel_ = v;
    if (HandleAllocated()) {
        SendMessageA(HandleIfAllocated(), SB_SIMPLE, v ? 1 : 0, 0);
        UpdateParts();
    }
}

void TCustomStatusBar::SetSimpleText(const std::string& s) {
    simpleText_ = s;
    if (HandleAllocated() && simplePanel_)
        SendMessageA(HandleIfAllocated(), SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(s.c_str()));
}

void TCustomStatusBar::SetSizeGrip(bool v) {
    if (v == sizeGrip_) return;
    sizeGrip_ = v;
    RecreateWnd();
}

void TCustomStatusBar::CreateParams(TCreateParams& p) {
    InitCommonControlClasses();
    TWinControl::CreateParams(p);
    p.StandardClass = STATUSCLASSNAMEA;
    // The framework places the bar (Align); the control must not move itself.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateHandleDone() {
    if (simplePanel_) SendMessageA(HandleIfAllocated(), SB_SIMPLE, 1, 0);
    UpdateParts();
    SetSimpleText(simpleText_);
}

void TCustomStatusBar::BoundsChanged() {
    TWinControl::BoundsChanged();
    UpdateParts();
}

void TCustomStatusBar::UpdateParts() {
    if (!HandleAllocated()) return;
    HWND wnd = HandleIfAllocated();
    const int n = panels_->Count();
    if (n == 0) {
        int whole = -1;
        SendMessageA(wnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
        return;
    }
    // Right edges; the last panel reaches the right edge of the bar.
    std::vector<int> edges(static_cast<size_t>(n));
    int x = 0;
    for (int i = 0; i < n; ++i) {
        x += panels_->Items(i)->Width();
        edges[static_cast<size_t>(i)] = x;
    }
    edges.back() = -1;
    SendMessageA(wnd, SB_SETPARTS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < n; ++i) UpdatePanelText(i);
}

void TCustomStatusBar::UpdatePanelText(int index) {
    if (!HandleAllocated() || index < 0 || index >= panels_->Count()) return;
    const TStatusPanel* panel = panels_->Items(index);
    const std::string text = panel->Text();
    const WPARAM edge = panel->Bevel() == pbNone ? SBT_NOBORDERS : panel->Bevel() == pbRaised ? SBT_POPOUT : 0;
    SendMessageA(HandleIfAllocated(), SB_SETTEXTA, static_cast<WPARAM>(index) | edge,
                 reinterpret_cast<LPARAM>(text.c_str()));
}

const TClassInfo& TStatusBar::StaticClass() {
    static const TClassInfo info("TStatusBar", &TCustomStatusBar::StaticClass());
    return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TCustomStatusBar(owner) {}
