#include "skin/controls/SkinControl.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "framework/Controls.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

namespace {

// A skinner may be freed by a message it passes on (a click that closes the form, a
// control whose window is re-made): after every call that can run foreign code the
// dispatch checks that the skinner still lives before it touches itself again.
class NextGuard {
public:
    NextGuard(std::weak_ptr<const void> life, const TWndMethod*& slot, const TWndMethod* value)
        : life_(std::move(life)), slot_(slot), saved_(slot) {
        slot_ = value;
    }
    ~NextGuard() {
        if (!life_.expired()) slot_ = saved_;
    }
    NextGuard(const NextGuard&) = delete;
    NextGuard& operator=(const NextGuard&) = delete;
    bool Alive() const { return !life_.expired(); }

private:
    std::weak_ptr<const void> life_;
    const TWndMethod*& slot_;
    const TWndMethod* saved_;
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

void FillSolid(HDC dc, const RECT& rect, TColour colour) {
    if (!dc) return;
    BrushHandle brush(CreateSolidBrush(ColourToRGB(colour)));
    if (brush) FillRect(dc, &rect, brush.get());
}

RECT AtOrigin(const RECT& r) { return RECT{0, 0, r.right - r.left, r.bottom - r.top}; }

}  // namespace

const TClassInfo& TSkinControl::StaticClass() {
    static const TClassInfo info("TSkinControl", &TComponent::StaticClass());
    return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
    UnhookControl();
    windowHook_.Reset();
    if (TSkinForm* form = formSkinner_.Get()) form->UnregisterSkinner(this);
}

void TSkinControl::SetFormSkinner(TSkinForm* form) { formSkinner_ = TComponentRef<TSkinForm>(form); }

void TSkinControl::RegisterWithForm() {
    if (TSkinForm* form = formSkinner_.Get()) form->RegisterSkinner(this);
}

void TSkinControl::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control) return;
    SetColour = setColour ? 1 : 0;
    skinData_ = skinData;
    SetFormSkinner(formSkinner);
    Canvas = canvas;
    control_ = control;
    handle_ = control->Handle();
    UnicodeWindow = handle_ && IsWindowUnicode(handle_) ? 1 : 0;
    HookControl(control);
    RegisterWithForm();
    if (SetColour) {
        SetParentBackground(true);
        SavedColour = control->Color();
        if (skinData_) control->SetColor(skinData_->Skin().ButtonFace());
    }
    if (ParentBackgroundCleared) Mode = 1;
    control->Invalidate();
    Attached = 1;
    State = skAttached;
}

void TSkinControl::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached || !window) return;
    skinData_ = skinData;
    Canvas = canvas;
    SetFormSkinner(formSkinner);
    handle_ = window;
    Enabled = 1;
    Mode = 0;
    RegisterWithForm();
    UnicodeWindow = IsWindowUnicode(window) ? 1 : 0;
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(got, 0)));
    Caption = std::move(text);
    HookWindow(window);
    InvalidateRect(window, nullptr, TRUE);
    Attached = 1;
    State = skAttached;
}

void TSkinControl::Detach() {
    if (!SkinActive) return;
    SkinActive = 0;
    // A destroyed window's control is on its way out: its colours stay as they are.
    if (State != skDestroyed && SetColour && control_) {
        SetParentBackground(false);
        control_->SetColor(SavedColour);
    }
}

bool TSkinControl::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCDESTROY: {
        State = skDestroyed;
        auto life = LifeToken();
        CallOldProc(m);
        if (!life.expired() && SkinActive) Detach();
        return false;
    }
    case SKINMSG_QUERY:
        m.Result = 1;
        return false;
    default:
        return true;
    }
}

void TSkinControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
        Repaint();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        break;
    default:
        break;
    }
}

void TSkinControl::PaintWindow(HDC dc) {
    RECT r;
    if (!handle_ || !GetWindowRect(handle_, &r)) return;
    WindowRect = r;
    const RECT rect = AtOrigin(r);
    Enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) ? 0 : 1;
    // A failed drawing leaves the window as its own procedure painted it.
    try {
        if (dc) {
            DrawSkin(dc, rect);
        } else {
            WindowDc windowDc(handle_, true);
            if (windowDc) DrawSkin(windowDc.get(), rect);
        }
    } catch (...) {
    }
}

void TSkinControl::SkinChanged() {
    if (SetColour && control_ && skinData_) control_->SetColor(skinData_->Skin().ButtonFace());
    Repaint();
}

void TSkinControl::CallOldProc(TMessage& m) {
    if (currentNext_) {
        (*currentNext_)(m);
        return;
    }
    // Outside a message of this window there is no procedure under the hook to call: the
    // default handling stands in.
    if (!handle_) return;
    m.Result = UnicodeWindow ? DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam)
                             : DefWindowProcA(handle_, m.Msg, m.WParam, m.LParam);
}

void TSkinControl::Repaint() {
    if (GraphicControl) {
        GraphicControl->Invalidate();
        return;
    }
    if (!handle_) return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

void TSkinControl::FillSkinColour(HDC dc, const RECT& rect) {
    if (skinData_) FillSolid(dc, rect, skinData_->Skin().ButtonFace());
}

TColour TSkinControl::ParentColour() const {
    const auto* owner = dynamic_cast<const TControl*>(PropertyOwner());
    const TWinControl* parent = owner ? owner->Parent() : nullptr;
    TPropKind kind;
    if (parent && PropKindOf(parent, "Color", kind)) {
        const long long colour = GetOrdProp(parent, "Color");
        if (colour != -1) return static_cast<TColour>(colour);
    }
    return skinData_ ? skinData_->Skin().ButtonFace() : SystemColour(COLOR_BTNFACE);
}

void TSkinControl::FillParentColour(HDC dc, const RECT& rect) { FillSolid(dc, rect, ParentColour()); }

LONG_PTR TSkinControl::WindowLong(int index) const {
    if (!handle_) return 0;
    return UnicodeWindow ? GetWindowLongPtrW(handle_, index) : GetWindowLongPtrA(handle_, index);
}

void TSkinControl::SetParentBackground(bool on) {
    if (!control_ || (skinData_ && SkinHas(skinData_->Options, xoParentBackGround))) return;
    if (!IsPublishedProp(control_, "ParentBackground")) return;
    if (on) {
        ParentBackgroundCleared = Lower(GetPropValue(control_, "ParentBackground")) == "true" ? 1 : 0;
        if (ParentBackgroundCleared) SetPropValue(control_, "ParentBackground", "False");
    } else if (ParentBackgroundCleared) {
        SetPropValue(control_, "ParentBackground", "True");
    }
}

void TSkinControl::DrawTextFocus(HDC dc, unsigned flags, const RECT& rect) {
    RECT t = rect;
    DrawCaption(dc, Caption, t, flags | DT_CALCRECT | DT_NOCLIP);
    const long width = rect.right - rect.left, height = rect.bottom - rect.top;
    const long textWidth = t.right - t.left, textHeight = t.bottom - t.top;
    if (flags & DT_CENTER)
        OffsetRect(&t, (width - textWidth) / 2, (height - textHeight) / 2 - 1);
    else if (flags & DT_RIGHT)
        OffsetRect(&t, width - textWidth, 0);
    InflateRect(&t, 2, 1);
    t.left = std::max(t.left, rect.left);
    t.top = std::max(t.top, rect.top);
    t.right = std::min(t.right, rect.right);
    t.bottom = std::min(t.bottom, rect.bottom);
    DrawFocusRect(dc, &t);
}

void TSkinControl::ForwardMouseDown(const TMessage& m) {
    auto* control = dynamic_cast<TControl*>(PropertyOwner());
    if (!control) return;
    int x = static_cast<int16_t>(LOWORD(m.LParam));
    int y = static_cast<int16_t>(HIWORD(m.LParam));
    // Coordinates past 16 bits do not fit the message: the cursor tells where it is.
    if (control->Width() > 0x8000 || control->Height() > 0x8000) {
        POINT p{};
        GetCursorPos(&p);
        p = control->ScreenToClient(p);
        x = p.x;
        y = p.y;
    }
    control->MouseDown(mbLeft, KeysToShiftState(m.WParam), x, y);
}

void TSkinControl::DrawElementFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                    const TDataSkinObject& element) {
    if (!dc || rect.right < rect.left || rect.bottom < rect.top) return;
    const TMargins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
    DrawFrameNineSlice(dc, rect, element.Image, false, element.Tile != 0, element.Trans != 0, frameCount, frameIndex,
                       margins);
}

int TSkinControl::DrawCaption(HDC dc, const std::wstring& text, RECT& rect, unsigned flags) {
    const auto* owner = dynamic_cast<const TControl*>(PropertyOwner());
    if (owner && owner->UseRightToLeftReading()) flags |= DT_RTLREADING;
    return DrawTextW(dc, text.c_str(), -1, &rect, flags);
}

void TSkinControl::PaintHandler(TMessage& m) {
    m.Result = 0;
    if (!handle_) return;
    auto draw = [this](HDC dc) {
        RECT r;
        if (!dc || !GetWindowRect(handle_, &r)) return;
        WindowRect = r;
        Enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) ? 0 : 1;
        DrawSkin(dc, AtOrigin(r));
    };
    if (HDC dc = reinterpret_cast<HDC>(m.WParam)) {
        draw(dc);
    } else {
        PaintScope paint(handle_);
        draw(paint.dc());
    }
}

void TSkinControl::EraseHandler(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (dc && control_) {
        PaintParentImage(control_, dc);
    } else if (dc && handle_) {
        RECT client;
        GetClientRect(handle_, &client);
        FillSkinColour(dc, client);
    }
    m.Result = 1;
}

bool TSkinControl::AnswerEmptyNcPaint(TMessage& m) {
    RECT window, client;
    if (m.Msg != WM_NCPAINT || !handle_ || !GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client))
        return false;
    if (window.right - window.left != client.right || window.bottom - window.top != client.bottom) return false;
    m.Result = 0;
    return true;
}

void TSkinControl::TrackMouseLeave() {
    if (!handle_) return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = handle_;
    TrackMouseEvent(&track);
}

std::string TSkinControl::PropText(const std::string& name) const { return Lower(GetPropValue(PropertyOwner(), name)); }

long long TSkinControl::PropOrdinal(const std::string& name) const { return GetOrdProp(PropertyOwner(), name); }

TObject* TSkinControl::PropObject(const std::string& name) const { return GetObjectProp(PropertyOwner(), name); }

bool TSkinControl::HasProp(const std::string& name) const { return IsPublishedProp(PropertyOwner(), name); }

bool TSkinControl::SetPropText(const std::string& name, const std::string& value) {
    TObject* owner = PropertyOwner();
    return owner && SetPropValue(owner, name, value);
}

void TSkinControl::SkinnerWndProc(TMessage& m, const TWndMethod& next) {
    NextGuard guard(LifeToken(), currentNext_, &next);
    // Focus is followed here, switched on or not, instead of asking the system on every
    // paint (a round trip to the window server under Wine).
    if (m.Msg == WM_SETFOCUS)
        Focused = 1;
    else if (m.Msg == WM_KILLFOCUS)
        Focused = 0;
    if (m.Msg == SKINMSG_ENABLE) {
        SkinActive = static_cast<int32_t>(m.WParam) > 0 ? 1 : 0;
        if (SkinActive) Repaint();
        return;
    }
    if (!SkinActive) {
        // Switched off, the skinner still learns that its window is gone, so that the form
        // skinner frees it instead of keeping it with a dead handle.
        if (m.Msg == WM_NCDESTROY) State = skDestroyed;
        CallOldProc(m);
        return;
    }
    if (!BeforeMessage(m) || !guard.Alive()) return;
    CallOldProc(m);
    if (guard.Alive()) AfterMessage(m);
}

void TSkinControl::HookControl(TControl* control) {
    if (!control) return;
    UnhookControl();
    hookedControl_ = TComponentRef<TControl>(control);
    TakeFocusState();
    controlHook_ = control->HookWindowProc([this](TMessage& m, const TWndMethod& next) { SkinnerWndProc(m, next); },
                                           [this] { controlHook_ = 0; });
}

void TSkinControl::UnhookControl() {
    if (TControl* control = hookedControl_.Get(); control && controlHook_) control->UnhookWindowProc(controlHook_);
    controlHook_ = 0;
    hookedControl_ = TComponentRef<TControl>();
}

void TSkinControl::TakeFocusState() {
    if (handle_) Focused = GetFocus() == handle_ ? 1 : 0;
}

void TSkinControl::HookWindow(HWND window) {
    TakeFocusState();
    windowHook_ = TWindowSubclass(
        window, [this](TMessage& m, const TWndMethod& next) { SkinnerWndProc(m, next); },
        [this] { windowHook_.Reset(); });
}

TObject* TSkinControl::PropertyOwner() const {
    if (GraphicControl) return GraphicControl;
    return control_;
}
