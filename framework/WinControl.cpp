// TWinControl: the window made on demand, subclassing of standard classes, message
// reflection, child alignment, tab order, focus and routing of the mouse to graphic children.
#include "framework/Controls.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"

#include <algorithm>
#include <set>

extern TControl* g_mouseControl;
void ChangeMouseControl(TControl* now);

namespace {
TWinControl* g_creationControl = nullptr;  // the control whose window is being made
unsigned g_nextChildId = 100;
// Texts of this many bytes or more are set after the window is made.
constexpr std::size_t kLongWindowText = 30000;

bool IsWindowed(const TControl* c) { return dynamic_cast<const TWinControl*>(c) != nullptr; }

HWND ChildWindowOf(const TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
        return m.LParam ? reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        return d && d->CtlType != ODT_MENU ? d->hwndItem : nullptr;
    }
    default:
        return nullptr;
    }
}

bool IsCtlColor(uint32_t msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }
}  // namespace

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TWinControl* control = FindControl(wnd);
    if (!control) return DefWindowProcA(wnd, msg, wp, lp);
    TMessage m;
    m.Msg = msg;
    m.WParam = wp;
    m.LParam = lp;
    const TComponentRef<TWinControl> alive(control);
    ++control->dispatchDepth_;
    GuardedDispatch([&] { control->WindowProc(m); });
    // A handler may have freed the control: then nothing may touch it.
    if (!alive) return m.Result;
    --control->dispatchDepth_;
    // After WM_NCDESTROY the window is gone; the control lives on without it.
    if (msg == WM_NCDESTROY) GuardedDispatch([&] { control->WindowDestroyed(wnd); });
    if (control->dispatchDepth_ == 0) GuardedDispatch([&] { control->DispatchDone(); });
    return m.Result;
}

LRESULT CALLBACK FrameworkInitWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TWinControl* control = g_creationControl;
    if (!control) return DefWindowProcA(wnd, msg, wp, lp);
    g_creationControl = nullptr;
    control->AttachWindow(wnd);
    return FrameworkWndProc(wnd, msg, wp, lp);
}

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info("TWinControl", &TControl::StaticClass(),
                                 {props::Ordinal<TWinControl, int>("TabOrder", &TWinControl::TabOrder,
                                                                   &TWinControl::SetTabOrder),
                                  props::Boolean<TWinControl>("TabStop", &TWinControl::TabStop,
                                                              &TWinControl::SetTabStop)});
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();  // when freed without BeforeDestruction
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    tabList_.clear();
}

void TWinControl::BeforeDestruction() {
    if (Destroying()) return;
    // Owned components first (they may still use this control and its window), then the
    // window, so its hooks see WM_NCDESTROY while the control is whole.
    TControl::BeforeDestruction();
    DestroyHandle();
}

// ---- window ----

HWND TWinControl::Handle() {
    if (!handle_) {
        if (parent_) parent_->Handle();  // makes this window too, with the parent's children
        if (!handle_) CreateWnd();
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = text_;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Visible()) p.Style |= WS_VISIBLE;
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    p.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (p.Style & WS_CHILD) {
        if (!parent_ && !parentWindow_) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
        p.WndParent = parent_ ? parent_->Handle() : parentWindow_;
        if (handle_) return;  // the parent made it meanwhile
        if (!p.Menu) p.Menu = reinterpret_cast<HMENU>(static_cast<uintptr_t>(g_nextChildId++));
    }
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* className = p.StandardClass.c_str();
    if (p.StandardClass.empty()) {
        WNDCLASSA existing{};
        if (!GetClassInfoA(instance, p.WinClassName.c_str(), &existing)) {
            WNDCLASSA wc{};
            wc.style = p.ClassStyle;
            wc.lpfnWndProc = FrameworkInitWndProc;
            wc.hInstance = instance;
            wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = p.WinClassName.c_str();
            if (!RegisterClassA(&wc)) throw EOutOfResources("Cannot register window class " + p.WinClassName);
        }
        className = p.WinClassName.c_str();
        g_creationControl = this;
    }
    // An edit window refuses to be created with more text than its default limit (about
    // 32 K characters); such a text is put in once the window exists and its limit is set.
    const bool textAfterCreation = p.Caption.size() >= kLongWindowText;
    creating_ = true;
    HWND wnd = CreateWindowExA(p.ExStyle, className, textAfterCreation ? "" : p.Caption.c_str(), p.Style, p.X,
                               p.Y, p.Width, p.Height, p.WndParent, p.Menu, instance, nullptr);
    g_creationControl = nullptr;
    creating_ = false;
    if (!wnd) throw EOutOfResources("Error creating window");
    if (!handle_) AttachWindow(wnd);
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
    CreateHandleDone();
    if (textAfterCreation) SetWindowTextA(handle_, p.Caption.c_str());
    CreateChildHandles();
    Realign();
    AnnounceWindow();
}

void TWinControl::AnnounceWindow() {
    TWinControl* top = this;
    while (top->Parent()) top = top->Parent();
    if (handle_ && top->handle_)
        SendMessageA(top->handle_, CM_WNDCREATED, reinterpret_cast<WPARAM>(handle_), reinterpret_cast<LPARAM>(this));
}

void TWinControl::CreateChildHandles() {
    // Index: creating a child may add controls.
    for (size_t i = 0; i < controls_.size(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(controls_[i]);
        if (w && !w->handle_) w->CreateWnd();
    }
}

void TWinControl::AttachWindow(HWND wnd) {
    handle_ = wnd;
    RegisterControlWindow(wnd, this);
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC));
    defWndProc_ = current == FrameworkInitWndProc ? DefWindowProcA : current;
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameworkWndProc));
}

void TWinControl::DetachWindow() {
    if (!handle_) return;
    UnregisterControlWindow(handle_);
    handle_ = nullptr;
    defWndProc_ = nullptr;
}

void TWinControl::WindowDestroyed(HWND wnd) {
    if (handle_ == wnd) DetachWindow();
    hooks_.DetachAll();
}

void TWinControl::DestroyWnd() {
    // The text lives in the window; keep it for the next window.
    text_ = GetText();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    for (TControl* c : controls_) {
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    }
    DestroyWnd();
    HWND wnd = handle_;
    if (wnd) DestroyWindow(wnd);
    if (handle_ == wnd) WindowDestroyed(wnd);  // in case WM_NCDESTROY did not come through us
}

void TWinControl::SetParentWindow(HWND parent) {
    if (parent == parentWindow_) return;
    parentWindow_ = parent;
    if (handle_ && !parent_ && parent) ::SetParent(handle_, parent);
}

void TWinControl::RecreateWnd() {
    if (handle_) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::UpdateWindowState() {
    if (!handle_) return;
    EnableWindow(handle_, Enabled());
    ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

// ---- children ----

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    auto* w = dynamic_cast<TWinControl*>(control);
    if (w) tabList_.push_back(w);
    control->TakeParentFont();
    control->TakeParentColor();
    if (w && handle_) {
        if (w->handle_) {
            ::SetParent(w->handle_, handle_);
        } else {
            w->CreateWnd();
        }
    }
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<uintptr_t>(control), 1);
    if (control->Align() != alNone) Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    control->Invalidate();
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                  [&](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
                   tabList_.end());
    if (pressedControl_ == control) pressedControl_ = nullptr;
    control->parent_ = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyHandle();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<uintptr_t>(control), 0);
    if (control->Align() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c == this) return true;
    }
    return false;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWindowed) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible()) continue;
        if (!allowWindowed && IsWindowed(c)) continue;
        if (!allowDisabled && !c->Enabled()) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    // Copy: a handler may change the child list.
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
        message.Result = c->Perform(message.Msg, message.WParam, message.LParam);
        if (message.Result != 0 && message.Msg != CM_FOCUSCHANGED) return;
    }
}

// ---- tab order and focus ----

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::max(0, std::min(order, static_cast<int>(list.size())));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        style = v ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
    }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
    }
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return;
    const int n = static_cast<int>(list.size());
    int start = -1;
    for (int i = 0; i < n; ++i) {
        if (list[static_cast<size_t>(i)] == current) start = i;
    }
    if (start < 0) start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        int i = forward ? (start + step) % n : (start - step + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && c->CanFocus() && c->HandleAllocated()) {
            c->SetFocus();
            return;
        }
    }
}

void TWinControl::SetParentBackground(bool v) {
    if (v == parentBackground_) return;
    parentBackground_ = v;
    Invalidate();
}

// ---- geometry ----

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, 0, 0};
    if (handle_) {
        GetClientRect(handle_, &r);
        return r;
    }
    // No window yet: the client area the window's style will give.
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, p.Style & ~WS_VSCROLL & ~WS_HSCROLL, FALSE, p.ExStyle);
    r.right = std::max(0, Width() - static_cast<int>(frame.right - frame.left));
    r.bottom = std::max(0, Height() - static_cast<int>(frame.bottom - frame.top));
    return r;
}

POINT TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    POINT p{0, 0};
    ::ClientToScreen(handle_, &p);
    return p;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    BoundsChanged();
}

void TWinControl::BoundsChanged() {
    TControl::BoundsChanged();
    Realign();
}

void TWinControl::Realign() {
    if (aligning_) return;
    aligning_ = true;
    try {
        RECT r = ClientRect();
        AdjustClientRect(r);
        AlignControls(r);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AdjustClientRect(RECT& rect) {}

void TWinControl::AlignControls(RECT rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_) {
            if (c->Align() == align && c->Visible()) list.push_back(c);
        }
        // Order within one edge: the control nearest that edge first (stable for ties).
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
            case alTop: return a->Top() < b->Top();
            case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
            case alLeft: return a->Left() < b->Left();
            case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
            default: return false;
            }
        });
        for (TControl* c : list) {
            const int w = c->Width(), h = c->Height();
            const int rw = std::max(0L, static_cast<long>(rect.right - rect.left));
            const int rh = std::max(0L, static_cast<long>(rect.bottom - rect.top));
            switch (align) {
            case alTop:
                c->SetBounds(rect.left, rect.top, rw, h);
                rect.top += h;
                break;
            case alBottom:
                c->SetBounds(rect.left, rect.bottom - h, rw, h);
                rect.bottom -= h;
                break;
            case alLeft:
                c->SetBounds(rect.left, rect.top, w, rh);
                rect.left += w;
                break;
            case alRight:
                c->SetBounds(rect.right - w, rect.top, w, rh);
                rect.right -= w;
                break;
            case alClient:
                c->SetBounds(rect.left, rect.top, rw, rh);
                break;
            default:
                break;
            }
        }
    }
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

// ---- text, font, colour ----

std::string TWinControl::GetText() const {
    if (!handle_) return text_;
    const int n = GetWindowTextLengthA(handle_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(handle_, &s[0], n + 1);
    s.resize(static_cast<size_t>(std::max(0, got)));
    return s;
}

void TWinControl::SetTextBuf(const std::string& s) {
    text_ = s;
    if (handle_) Perform(WM_SETTEXT, 0, reinterpret_cast<intptr_t>(s.c_str()));
}

void TWinControl::FontChanged() {
    if (handle_) Perform(WM_SETFONT, reinterpret_cast<uintptr_t>(Font().Handle()), 1);
    for (TControl* c : controls_) c->TakeParentFont();
    TControl::FontChanged();
}

void TWinControl::ColorChanged() {
    for (TControl* c : controls_) c->TakeParentColor();
    TControl::ColorChanged();
}

HBRUSH TWinControl::ColorBrush() {
    if (!colorBrush_ || colorBrushColor_ != Color()) {
        colorBrush_.reset(CreateSolidBrush(ColorToRGB(Color())));
        colorBrushColor_ = Color();
    }
    return colorBrush_.get();
}

void TWinControl::CtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    m.Result = reinterpret_cast<intptr_t>(ColorBrush());
}

// ---- messages ----

bool TWinControl::ReflectToChild(TMessage& m) {
    HWND child = ChildWindowOf(m);
    if (!child || child == handle_) return false;
    TWinControl* control = FindControl(child);
    if (!control) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    // A control-colour message left unanswered gets the system's colours.
    return !(IsCtlColor(m.Msg) && m.Result == 0);
}

void TWinControl::TrackMouse(TMessage& m) {
    TRACKMOUSEEVENT t{};
    t.cbSize = sizeof t;
    t.dwFlags = TME_LEAVE;
    t.hwndTrack = handle_;
    TrackMouseEvent(&t);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (ReflectToChild(m)) return;
        break;
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        CtlColor(m);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
        TControl* target = pressedControl_ ? pressedControl_ : ControlAtPos(p);
        if (m.Msg == WM_MOUSEMOVE) {
            TControl* now = target ? target : this;
            if (g_mouseControl != now) {
                ChangeMouseControl(now);
                TrackMouse(m);
            }
        }
        if (target) {
            const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
            const bool up = m.Msg == WM_LBUTTONUP;
            if (down) {
                pressedControl_ = target;
                SetCapture(handle_);
            }
            if (up && pressedControl_) {
                pressedControl_ = nullptr;
                ReleaseCapture();
            }
            target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
            m.Result = 0;
            return;
        }
        break;
    }
    case WM_MOUSELEAVE:
        if (g_mouseControl == this || (g_mouseControl && g_mouseControl->Parent() == this && !IsWindowed(g_mouseControl)))
            ChangeMouseControl(nullptr);
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(m.LParam) != handle_) pressedControl_ = nullptr;
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
            TCursor cursor = Screen->Cursor();
            if (cursor == crDefault) {
                POINT p;
                GetCursorPos(&p);
                ::ScreenToClient(handle_, &p);
                TControl* c = ControlAtPos(p, true);
                cursor = c ? c->Cursor() : Cursor();
            }
            if (cursor != crDefault) {
                ::SetCursor(CursorHandle(cursor));
                m.Result = 1;
                return;
            }
        }
        break;
    case WM_SETFOCUS:
        TControl::WndProc(m);
        if (TCustomForm* form = GetParentForm(this); form && static_cast<TControl*>(form) != this)
            form->FocusControl(this);
        if (OnEnter) OnEnter(this);
        return;
    case WM_KILLFOCUS:
        TControl::WndProc(m);
        Perform(CM_EXIT, 0, 0);
        if (OnExit) OnExit(this);
        return;
    case WM_WINDOWPOSCHANGED: {
        TControl::WndProc(m);
        if (!handle_) return;
        RECT r;
        GetWindowRect(handle_, &r);
        if (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD)
            MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
        if (r.left != left_ || r.top != top_ || r.right - r.left != width_ || r.bottom - r.top != height_) {
            left_ = r.left;
            top_ = r.top;
            width_ = r.right - r.left;
            height_ = r.bottom - r.top;
            BoundsChanged();
        }
        return;
    }
    case WM_SIZE:
        TControl::WndProc(m);
        Realign();
        return;
    case CM_FOCUSCHANGED:
        Broadcast(m);
        m.Result = 0;
        return;
    case CM_RECREATEWND: {
        const bool focused = Focused();
        DestroyHandle();
        Handle();
        if (focused && CanFocus()) ::SetFocus(handle_);
        return;
    }
    default:
        break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (handle_ && defWndProc_) {
        m.Result = CallWindowProcA(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
    } else {
        m.Result = 0;
    }
}
