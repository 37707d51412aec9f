// The form skinner: attach, the three stages of message dispatch, the non-client size,
// hit test and activation, the form's own handler, skin changes and detach.
#include "skin/form/SkinForm.h"

#include <algorithm>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainterGdi.h"

namespace {

constexpr LPARAM kSkinCookie = 0x41A2;
constexpr UINT kPollIntervalMs = 250;
// The system's request to redraw the caption (themes); the skin draws its own.
constexpr UINT kSystemCaptionRedraw = 0xAE;
// A frame-changed SetWindowPos that moves, sizes, reorders and activates nothing.
constexpr UINT kFrameChangedOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
// Kept while the caption icons carry it: the window keeps its system-menu style.
constexpr unsigned kKeepSystemMenuStyle = 0x10;

TSkinManager* Manager() { return TSkinManager::Instance(); }

bool IsNt50OrNewerMinorZero() {
    OSVERSIONINFOA v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (!GetVersionExA(&v)) return false;
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion >= 5 && v.dwMinorVersion == 0;
}

// Restores a pointer when the scope ends (the innermost message's `next`).
class NextScope {
public:
    NextScope(const TWndMethod*& slot, const TWndMethod* value) : slot_(slot), saved_(slot) { slot_ = value; }
    ~NextScope() { slot_ = saved_; }
    NextScope(const NextScope&) = delete;
    NextScope& operator=(const NextScope&) = delete;

private:
    const TWndMethod*& slot_;
    const TWndMethod* saved_;
};

}  // namespace

const TClassInfo& TSkinForm::StaticClass() {
    static const TClassInfo info("TSkinForm", &TComponent::StaticClass());
    return info;
}

TSkinForm::TSkinForm(TComponent* owner) : TComponent(owner) {
    DoubleClickTime = GetDoubleClickTime();
    IconSize = GetSystemMetrics(SM_CXSMICON);
}

TSkinForm::~TSkinForm() {
    FreeSkinners();
    FreeCaptionButtons();
    UnhookForm();
    mdiClientSubclass_.Reset();
    subclass_.Reset();
    renderer_.reset();
    if (TSkinManager* manager = Manager()) manager->ForgetFormSkinner(this);
}

void TSkinForm::SetWindow(HWND window, HMODULE module, const std::string& windowClassName) {
    windowHandle_ = window;
    moduleHandle_ = module;
    WindowClassName = windowClassName;
}

TCustomForm* TSkinForm::FormControl() const { return formControl_.Get(); }

void TSkinForm::AttachToForm(TSkinData* skinData, TCustomForm* form) {
    formControl_ = TComponentRef<TCustomForm>(form);
    if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, windowHandle_, WindowClassName);
    if (SkinHas(skinData->SkinControls, xcMenuItem)) SetPropValue(form, "AutoScroll", "False");
    InitFrame(skinData);
    if (FrameSkinned && !controlHook_)
        controlHook_ = form->HookWindowProc([this](TMessage& m, const TWndMethod& next) { ControlWindowProc(m, next); },
                                            [this] { controlHook_ = 0; });
    savedFormColor_ = form->Color();
    form->SetColor(skinData->Skin().ButtonFace());
}

void TSkinForm::AttachToWindow(TSkinData* skinData) { InitFrame(skinData); }

void TSkinForm::InitFrame(TSkinData* skinData) {
    if (Attached() || !windowHandle_ || !skinData) return;
    HWND w = windowHandle_;
    if (TSkinManager* manager = Manager()) manager->WindowBeingSkinned();
    skinData_ = skinData;

    pollTimer_ = MakeUnowned<TTimer>();
    pollTimer_->SetEnabled(false);
    pollTimer_->SetInterval(kPollIntervalMs);
    pollTimer_->OnTimer = [this](TObject*) { OnPollTimer(); };

    FrameSkinned = SkinHas(skinData->SkinControls, xcMainMenu);
    WindowStyle = GetWindowLongPtrA(w, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(w, GWL_EXSTYLE);
    RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    IsChildStyle = (WindowStyle & WS_CHILD) != 0;
    char name[101] = {};
    GetClassNameA(w, name, sizeof name);
    WndClassName = name;
    ownerWindow_ = GetWindow(w, GW_OWNER);

    CaptionIcons = 0;
    if ((WindowStyle & WS_SYSMENU) || SystemMenu) CaptionIcons |= ciSystemMenu;
    if (WindowStyle & WS_MINIMIZEBOX) CaptionIcons |= ciMinimiseBox;
    if (WindowStyle & WS_MAXIMIZEBOX) CaptionIcons |= ciMaximiseBox;
    if (exStyle & WS_EX_CONTEXTHELP) CaptionIcons |= ciHelpBox;

    ReadShowState();
    Sizeable = (WindowStyle & WS_THICKFRAME) != 0;
    if (HWND client = FindWindowExA(w, nullptr, "MDIClient", nullptr)) {
        MdiKind = mkFrame;
        MdiClientWnd = client;
        if (TSkinManager* manager = Manager()) {
            manager->MdiClient = client;
            manager->MdiFrame = this;
        }
    }
    if (exStyle & WS_EX_MDICHILD) {
        MdiKind = mkChild;
        if (SkinHas(skinData->Options, xoMDIChildBorder)) FrameSkinned = false;
    }

    BorderKind = TBorderKind::Single;
    if ((WindowStyle & WS_CAPTION) != WS_CAPTION)
        BorderKind = TBorderKind::NoCaption;
    else if (WindowStyle & WS_THICKFRAME)
        BorderKind = TBorderKind::Sizeable;
    else if (WindowStyle & DS_MODALFRAME)
        BorderKind = TBorderKind::Dialog;
    if (exStyle & WS_EX_DLGMODALFRAME) BorderKind = TBorderKind::Dialog;

    if (IsNt50OrNewerMinorZero()) {
        if (exStyle & WS_EX_APPWINDOW) CaptionIcons |= kKeepSystemMenuStyle;
        if (!ownerWindow_ && MdiKind != mkChild) CaptionIcons |= kKeepSystemMenuStyle;
    }

    UnicodeWindow = IsWindowUnicode(w) != FALSE;
    IsDialogClass = WndClassName == "#32770" || WndClassName == "TMessageForm";
    if (IsDialogClass) BorderKind = TBorderKind::Dialog;

    TSkinManager* manager = Manager();
    if (manager && manager->HidesWindowsWhileSkinning() && !IsChildStyle && FrameSkinned &&
        BorderKind != TBorderKind::NoCaption && (WindowStyle & WS_VISIBLE)) {
        WindowStyle &= ~static_cast<LONG_PTR>(WS_VISIBLE);
        SetWindowLongPtrA(w, GWL_STYLE, WindowStyle);
        visibilityRemoved_ = true;
    }

    if (MdiKind == mkFrame)
        mdiClientSubclass_ = TWindowSubclass(
            MdiClientWnd, [this](TMessage& m, const TWndMethod& next) { MdiClientProc(m, next); },
            [this] { mdiClientSubclass_.Reset(); });
    subclass_ = TWindowSubclass(
        w, [this](TMessage& m, const TWndMethod& next) { FrameWndProc(m, next); }, [this] { subclass_.Reset(); });
    savedMenuUpdate_ = skinData->MenuUpdate;

    if (FrameSkinned) {
        // A window menu becomes the skinned menu bar, with its strip in the frame.
        CreateMenuBar();
        ComputeFrameSizes();
    } else {
        SkinState = ssActive;
    }
    if (MdiKind == mkChild) {
        const int least = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (FrameTop < least) MenuBarHeight = least - FrameTop;
    }
    MakePaintTools();
}

void TSkinForm::ComputeFrameSizes() {
    if (!skinData_ || skinData_->NoSkinLoaded()) return;
    const TFrameSizes f = FrameSizes(skinData_->Skin(), BorderKind);
    FrameLeft = f.left;
    FrameTop = f.top;
    FrameRight = f.right;
    FrameBottom = f.bottom;
    if (BorderKind == TBorderKind::NoCaption) MenuBarHeight = 0;
    FreeCaptionButtons();
    BuildCaptionButtons();
}

void TSkinForm::ReadShowState() {
    WINDOWPLACEMENT p{};
    p.length = sizeof p;
    if (!GetWindowPlacement(windowHandle_, &p)) return;
    switch (p.showCmd) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE: ShowState = TShowState::Minimised; break;
        case SW_SHOWMAXIMIZED: ShowState = TShowState::Maximised; break;
        default: ShowState = TShowState::Normal; break;
    }
}

// ---- activation and fitting ----

void TSkinForm::Activate() {
    HWND w = windowHandle_;
    AdoptMdiChildForm();
    Initialised = 1;
    SystemMenu = GetSystemMenu(w, FALSE);
    // The icon's picture made when the frame was set up still stands unless the caption's
    // icon changed since without a WM_SETICON to this window (which makes it again).
    if (IconBitmap.Empty() || WindowIcon != CaptionIcon()) RebuildIconBitmap();
    GetClientRect(w, &ClientRect);
    RECT outer{};
    GetWindowRect(w, &outer);
    SystemFrameSize = {(outer.right - outer.left) - ClientRect.right, (outer.bottom - outer.top) - ClientRect.bottom};
    if (visibilityRemoved_) {
        visibilityRemoved_ = false;
        WindowStyle = GetWindowLongPtrA(w, GWL_STYLE) | WS_VISIBLE;
        SetWindowLongPtrA(w, GWL_STYLE, WindowStyle);
    }
    SkinChildControls();

    if (SkinState == ssAttached) {
        if (MdiKind == mkChild) {
            if (ShowState == TShowState::Maximised) {
                PostMessageA(GetParent(w), SKINMSG_REDRAWCHILD, reinterpret_cast<WPARAM>(w), 0);
            } else if (ShowState == TShowState::Normal) {
                FitThenShape(true);
            }
        } else if (!IsChildStyle && BorderKind != TBorderKind::NoCaption && ShowState != TShowState::Minimised) {
            FitThenShape(ShowState == TShowState::Normal);
        }
    }
    Announce();
    SkinState = ssActive;
    if (pollTimer_) pollTimer_->SetEnabled(true);
}

// Resizes the window to the skin's frame without drawing, then gives it its region (or,
// without one, a frame-changed pass), which redraws the window once. Every redrawing pass
// repaints the frame and erases every child window (their frames too) at once, so a paint
// of the resized window before it has its shape would only be thrown away.
void TSkinForm::FitThenShape(bool shape) {
    HWND w = windowHandle_;
    SkinState = ssFitting;
    FitWindowToClient(false, false);
    SkinState = ssActive;
    const int builds = regionBuilds_;
    if (shape) BuildRegion();
    // BuildRegion keeps a region of the same size and sets none without a skin: the frame
    // still owes its paint then.
    if (!shape || regionBuilds_ == builds) SetWindowPos(w, nullptr, 0, 0, 0, 0, kFrameChangedOnly);
}

void TSkinForm::Announce() {
    SendMessageA(windowHandle_, SKINMSG_ANNOUNCE, 0, kSkinCookie);
    if (skinData_ && skinData_->OnAfterSkinForm)
        skinData_->OnAfterSkinForm(FormControl(), windowHandle_, WindowClassName);
}

void TSkinForm::FitWindowToClient(bool useClientRect, bool redraw) {
    HWND w = windowHandle_;
    // Without drawing, nothing is erased either: what the window still owes (it may not
    // have been painted since it was shown) is erased with the pass that redraws it.
    const UINT noRedraw = redraw ? 0 : SWP_NOREDRAW | SWP_DEFERERASE;
    if (ShowState == TShowState::Maximised) {
        SetWindowPos(w, nullptr, 0, 0, 0, 0, kFrameChangedOnly | noRedraw);
        return;
    }
    if (useClientRect) GetClientRect(w, &ClientRect);
    int clientWidth = ClientRect.right;
    int clientHeight = ClientRect.bottom;
    TCustomForm* form = FormControl();
    if (!useClientRect && form) {
        clientWidth = form->ClientWidth();
        clientHeight = MdiKind == mkChild ? form->ClientHeight() : form->ClientHeight() - MenuBarHeight;
    }
    TExtent size = FitWindowSize(NcFrame(), clientWidth, clientHeight);

    if (IsDialogClass && !useClientRect && skinData_) {
        TitleTextWidth = CaptionTextWidth();
        TFrameState state = FrameState();
        state.width = size.width;
        state.height = size.height;
        const TFrameLayout layout = LayoutFrame(skinData_->Skin(), state, *renderer_);
        const int needed = CaptionWidthNeeded(layout.sizes, skinData_->Skin().Title, TitleTextWidth,
                                              (WindowStyle & WS_POPUP) != 0, layout.rightButtonsWidth);
        const TDialogWidening widening = WidenForCaption(size.width, needed);
        if (widening.childShift > 0) {
            for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + widening.childShift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        size.width = widening.width;
    }
    SetWindowPos(w, nullptr, 0, 0, size.width, size.height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | noRedraw);
    GetClientRect(w, &ClientRect);
}

// ---- dispatch ----

void TSkinForm::FrameWndProc(TMessage& m, const TWndMethod& next) {
    NextScope scope(currentNext_, &next);
    if (Stage1(m)) return;
    if (!FrameSkinned) {
        Previous(m);
        return;
    }
    if (Stage2(m)) return;
    const bool maximisedChild = MdiKind == mkChild && ShowState == TShowState::Maximised;
    if (!maximisedChild && SkinState != ssAttached && Stage3(m)) return;
    Previous(m);
}

void TSkinForm::Previous(TMessage& m) { m.Result = CallPrevious(m.Msg, m.WParam, m.LParam); }

LRESULT TSkinForm::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) {
    TMessage m;
    m.Msg = message;
    m.WParam = wParam;
    m.LParam = lParam;
    // Outside a message of this window there is no procedure under the hook to call:
    // the default handling stands in.
    if (!currentNext_) return DefWindowProcA(windowHandle_, message, wParam, lParam);
    (*currentNext_)(m);
    return m.Result;
}

bool TSkinForm::Stage1(TMessage& m) {
    if (SkinState == ssAttached && m.Msg == WM_NCPAINT) {
        m.Result = 0;  // no system frame before activation
        return true;
    }
    switch (m.Msg) {
        case WM_ERASEBKGND: EraseBackground(m); return true;
        case WM_NCDESTROY:
            SkinState = ssDestroying;
            DetachOnDestroy();
            Previous(m);
            SkinState = ssDestroyed;
            return true;
        case WM_NCACTIVATE:
            if (SkinState != ssAttached || MdiKind == mkChild) return false;
            // Nothing is drawn before activation; the change itself is allowed (an answer
            // of 0 to a deactivation would keep the window active).
            m.Result = TRUE;
            return true;
        case kSystemCaptionRedraw: m.Result = 0; return true;
        case WM_INITMENUPOPUP: InitMenuPopup(m); return true;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC: ControlColour(m); return true;
        case SKINMSG_ATTACHED: Activate(); m.Result = 0; return true;
        case SKINMSG_QUERY: AnswerQuery(m); return true;
        case SKINMSG_RESKINCONTROL: ReskinControl(reinterpret_cast<HWND>(m.WParam)); m.Result = 0; return true;
        default: return false;
    }
}

bool TSkinForm::Stage2(TMessage& m) {
    if (IsChildStyle && MdiKind != mkChild) {
        Previous(m);
        return true;
    }
    switch (m.Msg) {
        // Handled here once; stage 3 never sees it.
        case WM_SIZE: SizeHandler(m); return true;
        case WM_ACTIVATE: IsActive = LOBYTE(m.WParam) != 0; return false;
        case WM_GETMINMAXINFO: Previous(m); ReadShowState(); return true;
        case WM_WINDOWPOSCHANGED: ReadShowState(); Previous(m); return true;
        case WM_SETICON: SetIcon(m); return true;
        case WM_NCACTIVATE: IsActive = LOBYTE(m.WParam) != 0; return false;
        case WM_COMMAND:
            if (!Command(m)) Previous(m);
            return true;
        case WM_SYSCOMMAND:
            if (!SysCommand(m)) Previous(m);
            return true;
        case CM_MENUCHANGED: MenuChanged(m); return true;
        case SKINMSG_MENUKEY: MenuKey(m); return true;
        default: return false;
    }
}

bool TSkinForm::Stage3(TMessage& m) {
    switch (m.Msg) {
        case WM_NCCALCSIZE: NcCalcSize(m); return true;
        case WM_NCHITTEST: NcHitTest(m); return true;
        case WM_NCPAINT: NcPaint(m); return true;
        case WM_NCACTIVATE: NcActivate(m); return true;
        case WM_NCMOUSEMOVE: return NcMouseMove(m);
        case WM_NCLBUTTONDOWN: return NcLButtonDown(m);
        case WM_NCLBUTTONUP: return NcLButtonUp(m);
        case WM_NCLBUTTONDBLCLK: return NcLButtonDblClk(m);
        case WM_NCRBUTTONDOWN: return NcRButtonDown(m);
        case WM_MEASUREITEM: return MeasureMenuItem(m);
        case WM_DRAWITEM: return DrawMenuItem(m);
        case SKINMSG_REPAINTFRAME: PaintFrame(nullptr); m.Result = 0; return true;
        default: return false;
    }
}

// ---- stage 1 handlers ----

void TSkinForm::EraseBackground(TMessage& m) {
    Previous(m);
    if (FormControl() || !skinData_) return;
    const auto& brush = skinData_->Skin().BackgroundBrush;
    if (!brush || !brush->NativeHandle()) return;
    RECT r{};
    GetClientRect(windowHandle_, &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, static_cast<HBRUSH>(brush->NativeHandle()));
    m.Result = 1;
}

void TSkinForm::ControlColour(TMessage& m) {
    Previous(m);
    if (FormControl()) return;
    SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
    if (m.Msg != WM_CTLCOLORSTATIC || !skinData_) return;
    const auto& brush = skinData_->Skin().BackgroundBrush;
    if (brush && brush->NativeHandle()) m.Result = reinterpret_cast<intptr_t>(brush->NativeHandle());
}

void TSkinForm::InitMenuPopup(TMessage& m) {
    if (TSkinManager* manager = Manager())
        manager->PopupKind = reinterpret_cast<HMENU>(m.WParam) == SystemMenu ? pkSystemMenu : pkMainMenuDropDown;
    Previous(m);
}

void TSkinForm::AnswerQuery(TMessage& m) {
    m.Result = 1;
    PostMessageA(windowHandle_, SKINMSG_ANNOUNCE, 0, kSkinCookie);
}

// ---- stage 2 handlers ----

void TSkinForm::SetIcon(TMessage& m) {
    Previous(m);
    RebuildIconBitmap();
}

void TSkinForm::MenuChanged(TMessage& m) {
    if (skinData_) skinData_->NCPaintAllowed = false;
    Previous(m);
    if (skinData_) skinData_->NCPaintAllowed = true;
    MenuBarChanged();
}

void TSkinForm::SizeHandler(TMessage& m) {
    Previous(m);
    switch (m.WParam) {
        case SIZE_RESTORED: ShowState = TShowState::Normal; break;
        case SIZE_MINIMIZED: ShowState = TShowState::Minimised; break;
        case SIZE_MAXIMIZED: ShowState = TShowState::Maximised; break;
        default: break;
    }
    if (ShowState == TShowState::Minimised) return;
    if (MdiKind == mkChild) {
        TSkinManager* manager = Manager();
        if ((manager && manager->MdiChildMaximised) || ShowState != TShowState::Normal) return;
    }
    if (SkinState == ssActive || SkinState == ssApplying) BuildRegion();
}

// ---- stage 3 handlers ----

void TSkinForm::NcCalcSize(TMessage& m) {
    Previous(m);
    if (!m.WParam) {
        m.Result = 0;
        return;
    }
    auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    const bool mdiChildNotNormal = MdiKind == mkChild && ShowState != TShowState::Normal;
    if (mdiChildNotNormal || BorderKind == TBorderKind::NoCaption || !p->lppos) {
        p->rgrc[1] = p->rgrc[0];
    } else {
        const WINDOWPOS& pos = *p->lppos;
        const TRect r = NcClientRect(NcFrame(), pos.x, pos.y, pos.cx, pos.cy);
        p->rgrc[0] = {r.left, r.top, r.right, r.bottom};
        p->rgrc[1] = p->rgrc[0];
    }
    m.Result = WVR_VALIDRECTS;
}

POINT TSkinForm::ToWindowPoint(int screenX, int screenY) const {
    POINT p{screenX, screenY};
    ScreenToClient(windowHandle_, &p);
    if (!(MdiKind == mkChild && ShowState == TShowState::Minimised)) {
        p.x += FrameLeft;
        p.y += FrameTop + MenuBarHeight;
    }
    return p;
}

void TSkinForm::NcHitTest(TMessage& m) {
    Previous(m);
    if (m.Result != HTNOWHERE && m.Result != HTCAPTION) return;
    const POINT p = ToWindowPoint(static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)));
    m.Result = NcHitTestRule(static_cast<int>(m.Result), p.y, NcFrame());
}

void TSkinForm::NcPaint(TMessage& m) {
    StripSysMenuStyle(true);
    // While the window is being fitted to the skin the frame is painted after the fit.
    if (SkinState == ssFitting) {
        m.Result = 0;
        return;
    }
    if (skinData_ && !skinData_->NCPaintAllowed) {
        m.Result = 0;
        return;
    }
    if ((MdiKind == mkChild && ShowState == TShowState::Maximised) || BorderKind == TBorderKind::NoCaption) {
        Previous(m);
        return;
    }
    PaintFrame(nullptr);
    m.Result = 0;
}

void TSkinForm::StripSysMenuStyle(bool strip) {
    if (CaptionIcons & kKeepSystemMenuStyle) return;
    LONG_PTR style = GetWindowLongPtrA(windowHandle_, GWL_STYLE);
    const LONG_PTR before = style;
    if (strip)
        style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
    else if (SystemMenu)
        style |= WS_SYSMENU;
    WindowStyle = style;
    // Writing an unchanged style would only send style-change messages on every paint.
    if (style != before) SetWindowLongPtrA(windowHandle_, GWL_STYLE, style);
}

void TSkinForm::NcActivate(TMessage& m) {
    IsActive = m.WParam != 0;
    if (pollTimer_) pollTimer_->SetEnabled(IsActive);
    if (MdiKind == mkFrame && MdiClientWnd)
        SendMessageA(MdiClientWnd, WM_NCACTIVATE, m.WParam, 0);
    else if (MdiKind == mkChild)
        Previous(m);
    if (!(MdiKind == mkChild && ShowState == TShowState::Maximised)) PaintFrame(nullptr);
    // The previous procedure would draw the system's inactive caption over the skin.
    m.Result = 1;
}

// ---- the form's own handler ----

void TSkinForm::ControlWindowProc(TMessage& m, const TWndMethod& next) {
    switch (m.Msg) {
        case WM_SETTEXT: SetText(m, next); break;
        case SKINMSG_SKINCHANGED: SkinChangedRefresh(); break;
        case CM_DIALOGCHAR: DialogChar(m, next); break;
        // The framework tells the form of a new menu without a window message.
        case CM_MENUCHANGED:
            next(m);
            MenuBarChanged();
            break;
        case SKINMSG_PRINTFRAME:
            if (m.LParam != kSkinCookie) {
                next(m);
                break;
            }
            PrintFrame(m);
            break;
        case SKINMSG_PING: m.Result = m.LParam == kSkinCookie ? kSkinCookie : 1; break;
        case CM_WNDCREATED:
            next(m);
            ControlWindowCreated(reinterpret_cast<TWinControl*>(m.LParam));
            break;
        default: next(m); break;
    }
}

void TSkinForm::SetText(TMessage& m, const TWndMethod& next) {
    if (!IsWindowVisible(windowHandle_)) {
        next(m);
        return;
    }
    next(m);
    if (ShowState == TShowState::Maximised)
        if (TSkinManager* manager = Manager(); manager && manager->MdiClient)
            PostMessageA(manager->MdiClient, SKINMSG_REDRAWCHILD, reinterpret_cast<WPARAM>(windowHandle_), 0);
    if (ShowState == TShowState::Minimised)
        PaintFrame(nullptr);
    else
        SetWindowPos(windowHandle_, nullptr, 0, 0, 0, 0, kFrameChangedOnly);
}

void TSkinForm::PrintFrame(TMessage& m) {
    if (m.WParam) PaintFrame(reinterpret_cast<HDC>(m.WParam));
    m.Result = kSkinCookie;
}

// ---- skin changes ----

void TSkinForm::Reload() {
    FreeCaptionButtons();
    ComputeFrameSizes();
    MakePaintTools();
    SkinChangedRefresh();
}

void TSkinForm::SkinChangedRefresh() {
    if (!skinData_) return;
    ForgetPictures();
    const TColour face = skinData_->Skin().ButtonFace();
    if (TCustomForm* form = FormControl()) {
        form->SetColor(face);
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* other = Screen->Forms(i);
            if (other != form && other->HandleAllocated() && GetWindow(other->Handle(), GW_OWNER) == windowHandle_)
                other->SetColor(face);
        }
    }
    // A copy: a skinner may let go of others while it takes the new skin.
    const std::vector<TSkinControl*> skinners = skinners_;
    for (TSkinControl* skinner : skinners)
        if (std::find(skinners_.begin(), skinners_.end(), skinner) != skinners_.end() && skinner->State != skDestroyed)
            skinner->SkinChanged();
    SkinState = ssApplying;
    if (FrameSkinned)
        if (TCustomForm* form = FormControl()) {
            FitWindowToClient(true);
            // A size change makes the system ask for the frame again.
            form->SetHeight(form->Height() + 1);
            form->SetHeight(form->Height() - 1);
        }
    Announce();
    SkinState = ssActive;
}

// ---- MDI client of an MDI frame ----

void TSkinForm::AdoptMdiChildForm() {
    // An MDI child is skinned while its window is being made, before the framework knows
    // the window: by activation its form is known and is hooked as an attached form's is.
    if (MdiKind != mkChild || FormControl() || !skinData_) return;
    auto* form = dynamic_cast<TCustomForm*>(FindControl(windowHandle_));
    if (!form) return;
    formControl_ = TComponentRef<TCustomForm>(form);
    if (FrameSkinned && !controlHook_)
        controlHook_ = form->HookWindowProc([this](TMessage& m, const TWndMethod& next) { ControlWindowProc(m, next); },
                                            [this] { controlHook_ = 0; });
    savedFormColor_ = form->Color();
    form->SetColor(skinData_->Skin().ButtonFace());
}

void TSkinForm::MdiClientProc(TMessage& m, const TWndMethod& next) {
    TSkinManager* manager = Manager();
    switch (m.Msg) {
        case WM_NCCALCSIZE:
            if (FrameSkinned && skinData_ && !SkinHas(skinData_->Options, xoMDIScrollbar)) {
                const LONG_PTR style = GetWindowLongPtrA(MdiClientWnd, GWL_STYLE);
                const LONG_PTR plain = style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL);
                if (plain != style) SetWindowLongPtrA(MdiClientWnd, GWL_STYLE, plain);
            }
            next(m);
            break;
        case WM_MDICREATE:
            if (skinData_) skinData_->MenuUpdate = false;
            next(m);
            break;
        case WM_MDIDESTROY:
            next(m);
            if (FrameSkinned && manager) {
                BOOL maximised = FALSE;
                const HWND active =
                    reinterpret_cast<HWND>(SendMessageA(MdiClientWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
                manager->MdiChildMaximised = active && maximised;
                // With no child left, the menu updates come back (the skinned menu bar
                // rebuilds from them once it exists).
                if (!active && skinData_) skinData_->MenuUpdate = savedMenuUpdate_;
            }
            break;
        case WM_MDICASCADE:
        case WM_MDITILE:
            if (FrameSkinned && manager && manager->MdiChildMaximised) manager->MdiChildMaximised = false;
            next(m);
            break;
        case WM_MDISETMENU: MdiSetMenu(m, next); break;
        case SKINMSG_REDRAWCHILD:
            RedrawWindow(windowHandle_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            m.Result = 0;
            break;
        default: next(m); break;
    }
}

// ---- detach ----

void TSkinForm::UnhookForm() {
    if (!controlHook_) return;
    if (TCustomForm* form = FormControl()) form->UnhookWindowProc(controlHook_);
    controlHook_ = 0;
}

void TSkinForm::RestoreFormColour() {
    if (SkinState == ssDestroying || SkinState == ssDestroyed) return;
    if (TCustomForm* form = FormControl()) form->SetColor(savedFormColor_);
}

void TSkinForm::Detach() {
    if (!FrameSkinned) {
        if (pollTimer_) pollTimer_->SetEnabled(false);
        FreeSkinners();
        RestoreFormColour();
        subclass_.Reset();
        mdiClientSubclass_.Reset();
        return;
    }
    if (pollTimer_) pollTimer_->SetEnabled(false);
    if (!Attached()) return;
    UnhookForm();
    subclass_.Reset();
    FreeSkinners();
    RestoreFormColour();
    StripSysMenuStyle(false);
    mdiClientSubclass_.Reset();

    HWND w = windowHandle_;
    if (SkinState != ssDestroying && (MdiKind == mkChild || !IsChildStyle)) {
        RECT r{};
        GetWindowRect(w, &r);
        const TExtent size = SystemFrameWindowSize(NcFrame(), r.right - r.left, r.bottom - r.top,
                                                   SystemFrameSize.cx, SystemFrameSize.cy);
        SetWindowPos(w, nullptr, 0, 0, size.width, size.height,
                     SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    FreeMenuBar(true);
    // The system deletes the region it held.
    SetWindowRgn(w, nullptr, TRUE);
    RegionSize = {};
}

void TSkinForm::DetachOnDestroy() {
    if (!FrameSkinned) {
        if (pollTimer_) pollTimer_->SetEnabled(false);
        FreeSkinners();
        // The subclass comes off with the window, after the procedures under it saw it go.
        return;
    }
    if (pollTimer_) pollTimer_->SetEnabled(false);
    UnhookForm();
    FreeSkinners();
    FreeMenuBar(false);
}
