#include "skin/controls/SkinScrollBars.h"

#include <windowsx.h>

#include <cctype>
#include <string>
#include <utility>

#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"
#include "skin/controls/ScrollPainter.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

namespace {
// The answer a skinner gives to a frame-print request it served.
constexpr intptr_t kPrintFrameAnswer = 0x41A2;
// What a combo box sends its drop-down list when the list scrolled.
constexpr UINT kListScrollNotice = 0x1AE;
}  // namespace

const TClassInfo& TScrollOverlay::StaticClass() {
    static const TClassInfo info("TScrollOverlay", &TCustomPanel::StaticClass());
    return info;
}

const TClassInfo& TSkinScrollbar::StaticClass() {
    static const TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinScrollbarH::StaticClass() {
    static const TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinScControl::StaticClass() {
    static const TClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TComboxScrollBar::StaticClass() {
    static const TClassInfo info("TComboxScrollBar", &TSkinControl::StaticClass());
    return info;
}

namespace {

// The system's answer for a bar, or false when it has none.
bool BarInfo(HWND wnd, LONG object, SCROLLBARINFO& info) {
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    return wnd && GetScrollBarInfo(wnd, object, &info) != FALSE;
}

POINT ScreenToWindow(HWND wnd, POINT p) {
    RECT w{};
    GetWindowRect(wnd, &w);
    return {p.x - w.left, p.y - w.top};
}

uint32_t FaceOf(const TSkinData* data) {
    return data ? ColourToRGB(data->Skin().ButtonFace()) : GetSysColor(COLOR_BTNFACE);
}

// Fills rect of a DC with one colour.
void FillColour(HDC dc, const RECT& rect, uint32_t colour) {
    BrushHandle brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.get());
}

// The square between a window's two bars, in ButtonFace, when both overlays show; drawn
// on dc (window coordinates) or, without one, on the window's own DC.
void FillSizeBox(HWND wnd, const TScrollOverlay* h, const TScrollOverlay* v, const TSkinData* data,
                 HDC dc = nullptr) {
    if (!wnd || !h || !v || !h->Shown || !v->Shown) return;
    SCROLLBARINFO hi, vi;
    if (!BarInfo(wnd, OBJID_HSCROLL, hi) || !BarInfo(wnd, OBJID_VSCROLL, vi)) return;
    const POINT topLeft = ScreenToWindow(wnd, {vi.rcScrollBar.left, hi.rcScrollBar.top});
    const POINT bottomRight = ScreenToWindow(wnd, {vi.rcScrollBar.right, hi.rcScrollBar.bottom});
    const RECT box{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    if (dc) {
        FillColour(dc, box, FaceOf(data));
        return;
    }
    WindowDc own(wnd, true);
    if (own) FillColour(own.get(), box, FaceOf(data));
}

// True when the overlay lies exactly over the bar the system reports.
bool Covers(TScrollOverlay* o, const SCROLLBARINFO& bar) {
    if (!o || !o->Shown || !o->HandleAllocated()) return false;
    RECT r{};
    return GetWindowRect(o->Handle(), &r) && EqualRect(&r, &bar.rcScrollBar);
}

// Puts a plain-memory picture on a DC at (x, y).
void ShowPicture(HDC dc, int x, int y, const PixelBuffer& picture) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = picture.Width();
    bi.bmiHeader.biHeight = -picture.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width()), static_cast<DWORD>(picture.Height()), 0, 0, 0,
                      static_cast<UINT>(picture.Height()), picture.Bits(), &bi, DIB_RGB_COLORS);
}

// Paints a bar of the skin into picture (made anew when its size changed); false when
// there is nothing to paint.
bool ComposeBar(PixelBuffer& picture, const TSkinData* data, const TScrollBarState& state) {
    if (!data) return false;
    const TScrollLook look = ScrollLookOf(data->Skin(), FaceOf(data));
    if (!look.Usable() || state.width <= 0 || state.height <= 0) return false;
    if (picture.Width() != state.width || picture.Height() != state.height)
        picture = PixelBuffer::Scratch(state.width, state.height);
    if (picture.Empty()) return false;
    return PaintScrollBar(picture, look, state);
}

void InvalidateShown(TScrollOverlay* o) {
    if (o && o->Shown) o->Invalidate();
}

void SetHotPart(TScrollOverlay* o, uintptr_t wParam) {
    if (!o) return;
    o->HotPart = LOWORD(wParam);
    o->Invalidate();
}

void PlaceOverlay(TScrollOverlay* o) {
    if (o) o->Place();
}

void HideOverlay(TScrollOverlay* o) {
    if (o) o->HideOverlay();
}

// Whether any part of a window shows: it is visible and its ancestors' client areas do not
// clip it away entirely.
bool OnScreen(HWND wnd) {
    if (!wnd || !IsWindowVisible(wnd)) return false;
    RECT r{};
    GetWindowRect(wnd, &r);
    for (HWND w = wnd; GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD;) {
        const HWND parent = GetAncestor(w, GA_PARENT);
        if (!parent) break;
        RECT client{};
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        if (!IntersectRect(&r, &r, &client)) return false;
        w = parent;
    }
    return true;
}

void FreeOverlay(TScrollOverlay*& o) {
    if (o) TComponent::Free(o);
    o = nullptr;
}

}  // namespace

// ---- TScrollOverlay ----

TScrollOverlay::TScrollOverlay(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(bvNone);
    SetTabStop(false);
    SetVisible(false);
    ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
}

TScrollOverlay::~TScrollOverlay() = default;

void TScrollOverlay::CreateParams(TCreateParams& params) {
    TCustomPanel::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW;
    params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
}

void TScrollOverlay::AttachToHandle(TOverlayKind kind, HWND target) {
    TargetHandle = target;
    Kind = kind;
    Orientation = kind == okControl ? 1 : kind;
    SetParentWindow(GetParent(target));
    Place();
}

void TScrollOverlay::AttachToControl(TOverlayKind kind, TWinControl* control) {
    TargetControl = control;
    if (OwnerSkinner) SetColor(static_cast<TColor>(OwnerSkinner->ParentColour()));
    const HWND target = control ? control->Handle() : nullptr;
    AttachToHandle(kind, target);
    if (kind == okControl && control) {
        std::string kindName = GetEnumProp(control, "Kind");
        for (char& c : kindName) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        Orientation = kindName == "sbhorizontal" ? 0 : 1;
        Place();
    }
}

bool TScrollOverlay::QueryGeometry(TBarGeometry& g) const {
    if (!TargetHandle || !IsWindow(TargetHandle)) return false;
    if (Kind != okControl) {
        SCROLLBARINFO info;
        if (!BarInfo(TargetHandle, Kind == okVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info)) return false;
        g.screen = info.rcScrollBar;
        g.thumbStart = info.xyThumbTop;
        g.thumbEnd = info.xyThumbBottom;
        g.invisible = (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
        g.enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
        return true;
    }
    GetWindowRect(TargetHandle, &g.screen);
    const int32_t length = Orientation ? g.screen.bottom - g.screen.top : g.screen.right - g.screen.left;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!GetScrollInfo(TargetHandle, SB_CTL, &si)) return false;
    const TThumbSpan t = ControlThumb(length, ArrowSize, si.nMin, si.nMax, si.nPage, si.nPos);
    g.thumbStart = t.start;
    g.thumbEnd = t.end;
    g.enabled = IsWindowEnabled(TargetHandle) != FALSE;
    return true;
}

void TScrollOverlay::Place() {
    TBarGeometry g;
    if (!QueryGeometry(g)) {
        Shown = 0;
        return;
    }
    if (!(GetWindowLongPtrA(TargetHandle, GWL_STYLE) & WS_VISIBLE) || g.invisible) {
        HideOverlay();
        return;
    }
    const int w = g.screen.right - g.screen.left, h = g.screen.bottom - g.screen.top;
    if (Kind == okControl) {
        BarRect = {0, 0, w, h};
    } else {
        POINT origin{g.screen.left, g.screen.top};
        ::ScreenToClient(TargetHandle, &origin);
        BarRect = {origin.x, origin.y, origin.x + w, origin.y + h};
    }
    BarLength = Orientation ? h : w;
    ThumbStart = g.thumbStart;
    ThumbEnd = g.thumbEnd;
    BarEnabled = g.enabled ? 1 : 0;
    Offset = {g.screen.left, g.screen.top};
    POINT at = Offset;
    if (HWND parent = GetParent(TargetHandle)) ::ScreenToClient(parent, &at);
    SetBounds(at.x, at.y, w, h);
    SetVisible(true);
    const HWND self = Handle();
    HWND after = GetWindow(TargetHandle, GW_HWNDPREV);
    if (after == self) after = nullptr;
    SetWindowPos(self, after ? after : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Shown = 1;
    Invalidate();
}

void TScrollOverlay::HideOverlay() {
    if (HandleAllocated()) ShowWindow(HandleIfAllocated(), SW_HIDE);
    Shown = 0;
    SetVisible(false);
}

TScrollPart TScrollOverlay::HitTest(POINT p) const {
    const int32_t pos = Orientation ? p.y : p.x;
    return static_cast<TScrollPart>(ScrollHitTest(pos, ArrowSize, {ThumbStart, ThumbEnd}, BarLength));
}

void TScrollOverlay::Paint(TCanvas& canvas) { PaintBar(canvas.Handle()); }

void TScrollOverlay::PaintMessage(TMessage& m) {
    if (m.WParam) {
        if (!PaintBar(reinterpret_cast<HDC>(m.WParam))) TCustomPanel::WndProc(m);
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(Handle(), &ps);
    if (!PaintBar(dc)) {
        // No bar to draw (no skin artwork, no geometry): the overlay's own colour.
        BrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColourToRGB(Color()))));
        FillRect(dc, &ps.rcPaint, brush.get());
    }
    EndPaint(Handle(), &ps);
    m.Result = 0;
}

bool TScrollOverlay::PaintBar(HDC dc) {
    TSkinData* data = OwnerSkinner ? OwnerSkinner->SkinData() : nullptr;
    if (!data || !data->Skin().Scrollbar || data->Skin().Scrollbar->Image.Empty()) return false;
    TBarGeometry g;
    if (!QueryGeometry(g) || g.invisible) return false;
    const int w = g.screen.right - g.screen.left, h = g.screen.bottom - g.screen.top;
    if (w > ClientWidth() || h > ClientHeight()) return false;
    BarLength = Orientation ? h : w;
    TScrollBarState s;
    s.width = w;
    s.height = h;
    s.vertical = Orientation != 0;
    s.enabled = g.enabled;
    s.arrowSize = ArrowSize;
    s.systemThickness = GetSystemMetrics(SM_CXHSCROLL);
    s.thumb = {g.thumbStart, g.thumbEnd};
    if (Tracking && HotPart == spThumb && Kind != okControl) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const int32_t delta = Orientation ? cursor.y - DownCursor.y : cursor.x - DownCursor.x;
        s.thumb = FollowThumb(DownThumbStart, delta, g.thumbEnd - g.thumbStart, ArrowSize, BarLength);
    }
    s.hotPart = HotPart;
    s.tracking = Tracking != 0;
    if (!ComposeBar(picture_, data, s)) return false;
    ShowPicture(dc, 0, 0, picture_);
    painted_ = TPainted::Of(g);
    return true;
}

bool TScrollOverlay::Stale() const {
    if (Tracking || picture_.Empty()) return true;
    TBarGeometry g;
    if (!QueryGeometry(g)) return true;
    return !(TPainted::Of(g) == painted_);
}

void TScrollOverlay::MouseMove(TMessage& m) {
    TCustomPanel::WndProc(m);
    const int32_t part = HitTest({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    if (part != HotPart) {
        HotPart = part;
        Invalidate();
    }
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = Handle();
    TrackMouseEvent(&track);
}

void TScrollOverlay::MouseLeave(TMessage& m) {
    TCustomPanel::WndProc(m);
    if (Tracking) return;
    HotPart = spNone;
    Invalidate();
}

void TScrollOverlay::ButtonDown(TMessage& m) {
    TCustomPanel::WndProc(m);
    GetCursorPos(&DownCursor);
    TBarGeometry g;
    if (QueryGeometry(g)) {
        ThumbStart = g.thumbStart;
        ThumbEnd = g.thumbEnd;
    }
    if (Kind == okControl && OwnerSkinner) {
        const TThumbSpan t = PropertyThumb(
            BarLength, ArrowSize, static_cast<int32_t>(OwnerSkinner->PropOrdinal("Min")),
            static_cast<int32_t>(OwnerSkinner->PropOrdinal("Max")),
            static_cast<int32_t>(OwnerSkinner->PropOrdinal("PageSize")),
            static_cast<int32_t>(OwnerSkinner->PropOrdinal("Position")));
        ThumbStart = t.start;
        ThumbEnd = t.end;
    }
    DownThumbStart = ThumbStart;
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    HotPart = HitTest(p);
    if (Kind != okControl) {
        Offset = {g.screen.left, g.screen.top};
        p.x += Offset.x;
        p.y += Offset.y;
    }
    Tracking = 1;
    Invalidate();
    ReleaseCapture();
    const HWND target = TargetHandle;
    if (Kind == okControl)
        SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    else
        SendMessageA(target, WM_NCLBUTTONDOWN, Kind == okVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
    Tracking = 0;
    ReleaseCapture();
    if (Kind == okControl) Invalidate();
}

void TScrollOverlay::ButtonUp(TMessage& m) {
    TCustomPanel::WndProc(m);
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (Kind != okControl) {
        p.x += Offset.x;
        p.y += Offset.y;
    }
    Tracking = 0;
    ReleaseCapture();
    if (Kind == okControl) {
        PostMessageA(TargetHandle, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        Invalidate();
    } else {
        PostMessageA(TargetHandle, WM_NCLBUTTONUP, Kind == okVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(p.x, p.y));
    }
}

void TScrollOverlay::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_ERASEBKGND: m.Result = 1; break;
        case WM_PAINT: PaintMessage(m); break;
        case WM_MOUSEMOVE: MouseMove(m); break;
        case WM_MOUSELEAVE: MouseLeave(m); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: ButtonDown(m); break;
        case WM_LBUTTONUP: ButtonUp(m); break;
        default: TCustomPanel::WndProc(m); break;
    }
}

// ---- TSkinScrollbar ----

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}
TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachScroll(TWinControl* control, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached || !control) return;
    SetSkinData(skinData);
    SetFormSkinner(formSkinner);
    SetControl(control);
    SetHandle(control->Handle());
    Canvas = canvas;
    if (formSkinner) formSkinner->RegisterSkinner(this);
    DrawBorder = PropText("BorderStyle") != "bsnone" ? 1 : 0;
    if (control->InheritsFrom("TImageScrollBox") || Mode == 1) DrawBorder = 0;
    if (HasProp("FixedColor") && PropOrdinal("FixedColor") >= 0) {
        SavedColour = static_cast<TColour>(PropOrdinal("FixedColor"));
        SetColour = 1;
        SetPropText("FixedColor", std::to_string(FaceOf(skinData)));
    }
    // An overlay is a window of its own: a control that does not show yet (on a hidden
    // page, or past the edge of its window) gets its overlays when it first paints.
    if (OnScreen(control->Handle())) MakeOverlays();
    HookControl(control);
    Attached = 1;
    State = skAttached;
}

void TSkinScrollbar::MakeOverlays() {
    TWinControl* control = Control();
    if (horizontal_ || vertical_ || !control) return;
    for (TOverlayKind kind : {okHorizontal, okVertical}) {
        if (SingleBar && kind == okHorizontal) continue;
        TScrollOverlay* o = MakeComponent<TScrollOverlay>(this);
        o->OwnerSkinner = this;
        (kind == okHorizontal ? horizontal_ : vertical_) = o;
        o->AttachToControl(kind, control);
        o->SetEnabled(control->Enabled());
        if (!control->Visible()) o->HideOverlay();
    }
}

void TSkinScrollbar::PlaceBoth() {
    PlaceOverlay(horizontal_);
    PlaceOverlay(vertical_);
}

void TSkinScrollbar::FrameWindow(HDC dc) {
    RECT r{};
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    const uint32_t face = FaceOf(SkinData());
    const uint32_t shadow = SkinData() ? ColourToRGB(SkinData()->Skin().Colours[scButtonShadow])
                                       : GetSysColor(COLOR_BTNSHADOW);
    BrushHandle outer(CreateSolidBrush(shadow));
    BrushHandle inner(CreateSolidBrush(face));
    if (outer) FrameRect(dc, &r, outer.get());
    InflateRect(&r, -1, -1);
    if (inner) FrameRect(dc, &r, inner.get());
}

// The overlays cover every bar the window shows (at least one) and what is left of the
// non-client area is the border that FrameWindow paints (none without DrawBorder): the
// system's painting of that area would not show.
bool TSkinScrollbar::OverlaysCoverNonClient() const {
    const HWND w = Handle();
    RECT window{}, covered{};
    if (!w || !GetWindowRect(w, &window) || !GetClientRect(w, &covered)) return false;
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&covered), 2);
    bool any = false;
    for (const auto& [object, overlay] : {std::pair{OBJID_HSCROLL, horizontal_}, std::pair{OBJID_VSCROLL, vertical_}}) {
        SCROLLBARINFO info;
        if (!BarInfo(w, object, info)) return false;
        if ((info.rgstate[0] & STATE_SYSTEM_INVISIBLE) || IsRectEmpty(&info.rcScrollBar)) continue;
        if (!Covers(overlay, info)) return false;
        UnionRect(&covered, &covered, &info.rcScrollBar);
        any = true;
    }
    const LONG border = DrawBorder ? 2 : 0;
    return any && covered.left - window.left <= border && covered.top - window.top <= border &&
           window.right - covered.right <= border && window.bottom - covered.bottom <= border;
}

bool TSkinScrollbar::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_NCPAINT && OverlaysCoverNonClient()) {
        // Only the border and the size box: the bars under the overlays are not drawn.
        WindowDc dc(Handle(), true);
        if (dc) {
            if (DrawBorder) FrameWindow(dc.get());
            FillSizeBox(Handle(), horizontal_, vertical_, SkinData(), dc.get());
        }
        m.Result = 0;
        return false;
    }
    if (m.Msg == WM_NCPAINT && DrawBorder) {
        CallOldProc(m);
        {
            WindowDc dc(Handle(), true);
            if (dc) FrameWindow(dc.get());
        }
        FillSizeBox(Handle(), horizontal_, vertical_, SkinData());
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_SIZE:
        case WM_WINDOWPOSCHANGED: PlaceBoth(); break;
        case WM_NCPAINT: FillSizeBox(Handle(), horizontal_, vertical_, SkinData()); break;
        case WM_HSCROLL: SetHotPart(horizontal_, m.WParam); break;
        case WM_VSCROLL: SetHotPart(vertical_, m.WParam); break;
        case WM_MOUSEWHEEL:
            InvalidateShown(horizontal_);
            InvalidateShown(vertical_);
            break;
        case CM_VISIBLECHANGED:
            if (m.WParam) {
                if (OnScreen(Handle())) MakeOverlays();
                PlaceBoth();
            } else {
                HideOverlay(horizontal_);
                HideOverlay(vertical_);
            }
            break;
        case CM_ENABLEDCHANGED:
            for (TScrollOverlay* o : {horizontal_, vertical_})
                if (o && Control()) o->SetEnabled(Control()->Enabled());
            break;
        case CM_RECREATEWND:
            if (FormSkinner() && FormSkinner()->WindowHandle())
                PostMessageA(FormSkinner()->WindowHandle(), SKINMSG_RESKINCONTROL, reinterpret_cast<WPARAM>(Handle()),
                             0);
            break;
        case SKINMSG_PRINTFRAME:
            if (m.LParam == kPrintFrameAnswer) {
                if (m.WParam) FrameWindow(reinterpret_cast<HDC>(m.WParam));
                m.Result = kPrintFrameAnswer;
            } else {
                TSkinControl::AfterMessage(m);
            }
            break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinScrollbar::PaintWindow(HDC) {
    // The control's own painting stays in its client area: the bars and the border need no
    // DC here, only overlays that no longer show the bar as it stands.
    if (Handle()) DrawSkin(nullptr, RECT{});
}

void TSkinScrollbar::DrawSkin(HDC, const RECT&) {
    MakeOverlays();
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    for (TScrollOverlay* o : {horizontal_, vertical_}) {
        if (!o) continue;
        if (o->Shown) {
            if (o->Stale()) o->Invalidate();
        } else if (style & (o == vertical_ ? WS_VSCROLL : WS_HSCROLL)) {
            o->Place();
        }
    }
    FillSizeBox(Handle(), horizontal_, vertical_, SkinData());
}

void TSkinScrollbar::Detach() {
    if (SetColour) SetPropText("FixedColor", std::to_string(SavedColour));
    SetColour = 0;
    TSkinControl::Detach();
    if (State != skDestroyed) {
        FreeOverlay(horizontal_);
        FreeOverlay(vertical_);
    }
}

void TSkinScrollbar::SkinChanged() {
    if (HasProp("FixedColor") && PropOrdinal("FixedColor") >= 0)
        SetPropText("FixedColor", std::to_string(FaceOf(SkinData())));
    InvalidateShown(horizontal_);
    InvalidateShown(vertical_);
}

// ---- TSkinScrollbarH ----

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}
TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached || !window) return;
    SetFormSkinner(formSkinner);
    SetSkinData(skinData);
    SetHandle(window);
    Canvas = canvas;
    if (formSkinner) formSkinner->RegisterSkinner(this);
    for (TOverlayKind kind : {okHorizontal, okVertical}) {
        TScrollOverlay* o = MakeComponent<TScrollOverlay>(this);
        o->OwnerSkinner = this;
        (kind == okHorizontal ? horizontal_ : vertical_) = o;
        o->AttachToHandle(kind, window);
    }
    HookWindow(window);
    Attached = 1;
    State = skAttached;
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
    if (!IsWindowVisible(Handle())) HideOverlay(vertical_);
    switch (m.Msg) {
        case WM_SIZE:
        case WM_NCPAINT:
            PlaceOverlay(horizontal_);
            PlaceOverlay(vertical_);
            FillSizeBox(Handle(), horizontal_, vertical_, SkinData());
            break;
        case WM_HSCROLL: SetHotPart(horizontal_, m.WParam); break;
        case WM_VSCROLL: SetHotPart(vertical_, m.WParam); break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinScrollbarH::DrawSkin(HDC, const RECT&) {
    InvalidateShown(horizontal_);
    InvalidateShown(vertical_);
    FillSizeBox(Handle(), horizontal_, vertical_, SkinData());
}

void TSkinScrollbarH::Detach() {
    TSkinControl::Detach();
    if (State != skDestroyed) {
        FreeOverlay(horizontal_);
        FreeOverlay(vertical_);
    }
}

// ---- TSkinScControl ----

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}
TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachScrollControl(TWinControl* control, TSkinData* skinData, TSkinForm* formSkinner,
                                         TCanvas* canvas) {
    if (Attached || !control) return;
    SetSkinData(skinData);
    SetFormSkinner(formSkinner);
    SetControl(control);
    SetHandle(control->Handle());
    Canvas = canvas;
    if (formSkinner) formSkinner->RegisterSkinner(this);
    overlay_ = MakeComponent<TScrollOverlay>(this);
    overlay_->OwnerSkinner = this;
    overlay_->SetShowHint(control->ShowHint());
    overlay_->SetHint(control->Hint());
    overlay_->AttachToControl(okControl, control);
    if (!control->Visible()) overlay_->HideOverlay();
    HookControl(control);
    Attached = 1;
    State = skAttached;
}

void TSkinScControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_WINDOWPOSCHANGED: PlaceOverlay(overlay_); break;
        case WM_NCPAINT:
            if (Control()) SetHandle(Control()->Handle());
            if (overlay_) overlay_->TargetHandle = Handle();
            PlaceOverlay(overlay_);
            break;
        case SBM_SETSCROLLINFO:
        case CN_HSCROLL:
        case CN_VSCROLL:
            if (overlay_) overlay_->Invalidate();
            break;
        case CM_VISIBLECHANGED:
            if (m.WParam)
                PlaceOverlay(overlay_);
            else
                HideOverlay(overlay_);
            break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
    if (overlay_) overlay_->Invalidate();
}

void TSkinScControl::Detach() {
    TSkinControl::Detach();
    if (State != skDestroyed) FreeOverlay(overlay_);
}

// ---- TComboxScrollBar ----

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {}
TComboxScrollBar::~TComboxScrollBar() = default;

void TComboxScrollBar::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached || !window) return;
    SetFormSkinner(formSkinner);
    SetSkinData(skinData);
    SetHandle(window);
    Canvas = canvas;
    ArrowSize = GetSystemMetrics(SM_CXHSCROLL);
    if (formSkinner) formSkinner->RegisterSkinner(this);
    HookWindow(window);
    Attached = 1;
    State = skAttached;
}

bool TComboxScrollBar::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_NCPAINT: return true;
        case WM_NCMOUSEMOVE:
            if (m.WParam == HTHSCROLL || m.WParam == HTVSCROLL) {
                m.Result = 0;
                return false;
            }
            return true;
        case WM_NCLBUTTONDOWN: return !ThumbDrag(m);
        case WM_CAPTURECHANGED:
            if (Tracking) captureLost_ = 1;
            return true;
        default: return TSkinControl::BeforeMessage(m);
    }
}

void TComboxScrollBar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_NCPAINT:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case kListScrollNotice: PaintWindow(nullptr); break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) {
    SCROLLBARINFO info;
    if (!BarInfo(Handle(), OBJID_VSCROLL, info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return;
    const POINT at = ScreenToWindow(Handle(), {info.rcScrollBar.left, info.rcScrollBar.top});
    TScrollBarState s;
    s.width = info.rcScrollBar.right - info.rcScrollBar.left;
    s.height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    s.vertical = true;
    s.enabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
    s.arrowSize = ArrowSize;
    s.systemThickness = GetSystemMetrics(SM_CXHSCROLL);
    s.thumb = {info.xyThumbTop, info.xyThumbBottom};
    s.hotPart = HotPart;
    s.tracking = Tracking != 0;
    if (!ComposeBar(picture_, SkinData(), s)) return;
    if (dc) {
        ShowPicture(dc, at.x, at.y, picture_);
    } else {
        WindowDc own(Handle(), true);
        if (own) ShowPicture(own.get(), at.x, at.y, picture_);
    }
}

bool TComboxScrollBar::DragInterrupted(HWND foreground) const {
    return captureLost_ || GetCapture() != Handle() || GetForegroundWindow() != foreground;
}

bool TComboxScrollBar::ThumbDrag(TMessage& m) {
    const HWND list = Handle();
    if (m.WParam != HTVSCROLL || Tracking) return false;
    SCROLLBARINFO info;
    if (!BarInfo(list, OBJID_VSCROLL, info)) return false;
    const POINT press{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    const int32_t along = press.y - info.rcScrollBar.top;
    if (along < info.xyThumbTop || along >= info.xyThumbBottom) return false;

    const bool hadCapture = GetCapture() == list;
    SetCapture(list);
    POINT start{};
    GetCursorPos(&start);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(list, SB_VERT, &si);
    TListDrag drag;
    drag.thumbTop = info.xyThumbTop;
    drag.thumbBottom = info.xyThumbBottom;
    drag.barLength = info.rcScrollBar.bottom - info.rcScrollBar.top;
    drag.arrowSize = ArrowSize;
    drag.nMin = si.nMin;
    drag.nMax = si.nMax;
    drag.nPage = si.nPage;
    int32_t last = si.nPos;
    const HWND foreground = GetForegroundWindow();
    captureLost_ = 0;
    Tracking = 1;
    HotPart = spThumb;
    PaintWindow(nullptr);

    // Waits for each message instead of polling, so a held button with the mouse still
    // costs no processor time; a lost capture, Escape or another active window ends the
    // drag as a release would.
    for (;;) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (DragInterrupted(foreground)) break;
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            POINT cursor{};
            GetCursorPos(&cursor);
            const int32_t pos = ListDragPosition(drag, cursor.y - start.y);
            if (pos != last) {
                SendMessageA(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
                last = pos;
            }
        }
        if (DragInterrupted(foreground)) break;
    }
    SendMessageA(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
    PostMessageA(list, WM_VSCROLL, SB_ENDSCROLL, 0);
    if (!hadCapture && GetCapture() == list) ReleaseCapture();
    Tracking = 0;
    HotPart = spNone;
    captureLost_ = 0;
    PaintWindow(nullptr);
    m.Result = 0;
    return true;
}
