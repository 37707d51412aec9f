// TControl: bounds, alignment requests, visibility, enabling, colour, font, text, cursor,
// mouse events and the replaceable WindowProc; the control atom and guarded dispatch.
#include "framework/Controls.h"

#include "framework/Forms.h"
#include "framework/Properties.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <new>
#include <unordered_map>

namespace {
const char* const kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};
}

ATOM ControlAtom() {
    static GlobalAtomHandle atom = [] {
        char name[64];
        std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                      static_cast<unsigned>(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr))),
                      static_cast<unsigned>(GetCurrentThreadId()));
        return GlobalAtomHandle(GlobalAddAtomA(name));
    }();
    return atom.get();
}

namespace {
// The framework windows and their controls, kept beside the window property: every
// message a framework window gets looks its control up, and reading a window property is
// a round trip to the window server under Wine. Never destroyed, since windows may still
// go during static destruction.
struct ControlTable {
    std::mutex lock;
    std::unordered_map<HWND, TWinControl*> controls;
};

ControlTable& Controls() {
    alignas(ControlTable) static unsigned char storage[sizeof(ControlTable)];
    static ControlTable* const table = ::new (static_cast<void*>(storage)) ControlTable();
    return *table;
}
}  // namespace

void RegisterControlWindow(HWND wnd, TWinControl* control) {
    SetPropA(wnd, MAKEINTATOM(ControlAtom()), control);
    ControlTable& table = Controls();
    std::lock_guard<std::mutex> hold(table.lock);
    table.controls[wnd] = control;
}

void UnregisterControlWindow(HWND wnd) {
    RemovePropA(wnd, MAKEINTATOM(ControlAtom()));
    ControlTable& table = Controls();
    std::lock_guard<std::mutex> hold(table.lock);
    table.controls.erase(wnd);
}

TWinControl* FindControl(HWND wnd) {
    if (!wnd) return nullptr;
    ControlTable& table = Controls();
    std::lock_guard<std::mutex> hold(table.lock);
    const auto found = table.controls.find(wnd);
    // A window that went without its control hearing of it has no control, as with the
    // property (IsWindow is answered in-process for our own windows).
    return found == table.controls.end() || !IsWindow(wnd) ? nullptr : found->second;
}

void GuardedDispatch(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        try {
            Application->HandleException(e);
        } catch (...) {
            // The error box itself failed; nothing more can be shown.
        }
    } catch (...) {
        try {
            Application->HandleException(Exception("Unknown error"));
        } catch (...) {
        }
    }
}

TShiftState KeysToShiftState(uintptr_t keys) {
    TShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

HCURSOR CursorHandle(TCursor cursor) {
    const char* id = nullptr;
    switch (cursor) {
    case crArrow: id = IDC_ARROW; break;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    case crNone: return nullptr;
    default: return nullptr;
    }
    return LoadCursorA(nullptr, id);
}

// The control under the mouse, for CM_MOUSEENTER / CM_MOUSELEAVE.
TControl* g_mouseControl = nullptr;

void ChangeMouseControl(TControl* now) {
    if (now == g_mouseControl) return;
    TControl* before = g_mouseControl;
    g_mouseControl = now;
    if (before) before->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(before));
    if (now) now->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(now));
}

// ---- TControl ----

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info(
        "TControl", &TComponent::StaticClass(),
        {props::Ordinal<TControl, int>("Left", &TControl::Left, &TControl::SetLeft),
         props::Ordinal<TControl, int>("Top", &TControl::Top, &TControl::SetTop),
         props::Ordinal<TControl, int>("Width", &TControl::Width, &TControl::SetWidth),
         props::Ordinal<TControl, int>("Height", &TControl::Height, &TControl::SetHeight),
         props::Enumeration<TControl, TAlign>("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                                             &TControl::Align, &TControl::SetAlign),
         props::Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible),
         props::Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled),
         props::Ordinal<TControl, TColor>("Color", &TControl::Color, &TControl::SetColor),
         props::Boolean<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
         props::Object<TControl, TFont>("Font", &TControl::FontObject, &TControl::SetFontObject),
         props::Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
         props::String<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
         props::Ordinal<TControl, TCursor>("Cursor", &TControl::Cursor, &TControl::SetCursor),
         props::String<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
         props::Boolean<TControl>("ShowHint", &TControl::ShowHint, &TControl::SetShowHint),
         props::Enumeration<TControl, TBiDiMode>(
             "BiDiMode", {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
             &TControl::BiDiMode, &TControl::SetBiDiMode)});
    (void)kAlignNames;
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    ownProc_ = [this](TMessage& m) { WndProc(m); };
    WindowProc = [this](TMessage& m) { hooks_.Dispatch(m, ownProc_); };
    font_.OnChange = [this](TObject*) {
        if (!fontFromParent_) parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (g_mouseControl == this) g_mouseControl = nullptr;
    if (parent_) parent_->RemoveControl(this);
    font_.OnChange = nullptr;
}

THookToken TControl::HookWindowProc(THookProc proc, TDetachedEvent onDetached) {
    return hooks_.Add(std::move(proc), std::move(onDetached));
}

bool TControl::UnhookWindowProc(THookToken token) { return hooks_.Remove(token); }

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    if (WindowProc) {
        WindowProc(m);
    } else {
        WndProc(m);
    }
    return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
}

void TControl::BoundsChanged() {
    RequestAlign();
    if (OnResize) OnResize(this);
}

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }
int TControl::ClientWidth() const {
    RECT r = ClientRect();
    return r.right - r.left;
}
int TControl::ClientHeight() const {
    RECT r = ClientRect();
    return r.bottom - r.top;
}
void TControl::SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
void TControl::SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
void TControl::SetClientSize(int width, int height) {
    SetBounds(left_, top_, width_ + width - ClientWidth(), height_ + height - ClientHeight());
}

POINT TControl::ClientOrigin() const {
    POINT p{left_, top_};
    if (parent_) {
        POINT o = parent_->ClientOrigin();
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

POINT TControl::ClientToScreen(POINT p) const {
    POINT o = ClientOrigin();
    return POINT{p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
    POINT o = ClientOrigin();
    return POINT{p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    VisibleChanging();
    Invalidate();
    visible_ = visible;
    if (auto* w = dynamic_cast<TWinControl*>(this)) w->UpdateWindowState();
    Invalidate();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    if (parent_ && align_ != alNone) parent_->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (!c->visible_) return false;
    }
    return true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (auto* w = dynamic_cast<TWinControl*>(this)) w->UpdateWindowState();
    Invalidate();
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v) TakeParentColor();
}

void TControl::TakeParentColor() {
    if (!parentColor_ || !parent_) return;
    if (parent_->Color() == color_) return;
    color_ = parent_->Color();
    ColorChanged();
}

void TControl::ColorChanged() {
    Perform(CM_COLORCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v) TakeParentFont();
}

void TControl::TakeParentFont() {
    if (!parentFont_ || !parent_) return;
    fontFromParent_ = true;
    font_.Assign(parent_->Font());
    fontFromParent_ = false;
}

void TControl::FontChanged() {
    Perform(CM_FONTCHANGED, 0, 0);
    Invalidate();
}

void TControl::SetText(const std::string& s) {
    if (GetText() == s) return;
    SetTextBuf(s);
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetTextBuf(const std::string& s) {
    text_ = s;
    Invalidate();
}

std::wstring TControl::WideCaption() const { return GetWideStrProp(this, "Caption"); }
void TControl::SetWideCaption(const std::wstring& s) { SetWideStrProp(this, "Caption", s); }

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == biDiMode_) return;
    biDiMode_ = mode;
    Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT r = BoundsRect();
    InvalidateRect(parent_->HandleIfAllocated(), &r, FALSE);
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::BringToFront() {
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
    }
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->HandleIfAllocated(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack() {
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(list.begin(), this);
    }
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->HandleIfAllocated(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        HandleMouseMessage(m);
        break;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::HandleMouseMessage(TMessage& m) {
    const int x = static_cast<short>(LOWORD(m.LParam));
    const int y = static_cast<short>(HIWORD(m.LParam));
    const TShiftState shift = KeysToShiftState(m.WParam);
    const bool clickEvents = dynamic_cast<TGraphicControl*>(this) || dynamic_cast<TCustomControl*>(this);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        if (clickEvents && enabled_) clicked_ = true;
        MouseDown(mbLeft, shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        if (clickEvents && enabled_) DblClick();
        MouseDown(mbLeft, shift | ssDouble, x, y);
        break;
    case WM_LBUTTONUP: {
        const bool wasClicked = clicked_;
        clicked_ = false;
        MouseUp(mbLeft, shift, x, y);
        RECT r = ClientRect();
        POINT p{x, y};
        if (wasClicked && PtInRect(&r, p)) Click();
        break;
    }
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    default: break;
    }
}

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}
