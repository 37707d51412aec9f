// TCustomForm: a top-level framework window owned by the application window.
#include "framework/Forms.h"

#include "framework/Exceptions.h"

namespace {

// No window is above `wnd` but always-on-top ones it cannot pass (hidden tooltips of
// the common controls are among them).
bool OnTopOfItsBand(HWND wnd) {
    if (GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) return GetWindow(wnd, GW_HWNDPREV) == nullptr;
    for (HWND above = GetWindow(wnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (!(GetWindowLongPtrA(above, GWL_EXSTYLE) & WS_EX_TOPMOST)) return false;
    return true;
}

// Whether the process was started with a show command of its own (a shortcut set to start
// minimised or maximised), which the system may apply to a ShowWindow call.
bool StartedWithShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const WORD show = startup.wShowWindow;
    return (startup.dwFlags & STARTF_USESHOWWINDOW) && show != SW_SHOWNORMAL && show != SW_SHOW &&
           show != SW_SHOWDEFAULT;
}

// Shows a hidden, normal top-level window as ShowWindow(SW_SHOWNORMAL) does (WM_SHOWWINDOW,
// then shown on top, frame recalculated, activated), except that the window and its
// children are erased at their first paint rather than at once: ShowWindow erases the
// window and every child on the spot, and a skin that takes the window over at its
// activation would erase them all again in its own look right after.
void ShowNormalErasingLater(HWND wnd) {
    SendMessageA(wnd, WM_SHOWWINDOW, TRUE, 0);
    if (!IsWindow(wnd) || IsWindowVisible(wnd)) return;
    SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_DEFERERASE);
}

// Command ids the MDI client gives its children's entries in a window menu.
constexpr UINT kFirstMdiChildId = 0xFF00;

// MDI children are windows of a class whose procedure is the system's MDI child handling:
// the framework takes the window over once it exists, and whatever subclassed it while it
// was being made (the skin manager does) stays between the two.
const char* MdiChildClass() {
    static const char* const name = [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefMDIChildProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "TMDIChildForm";
        if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw EOutOfResources("Cannot register window class TMDIChildForm");
        return wc.lpszClassName;
    }();
    return name;
}

// The client window of the application's MDI frame (the main form, else the first MDI
// frame among the forms), made on demand; null when there is none.
HWND MdiFrameClient() {
    TCustomForm* main = Application->MainForm();
    if (main && main->FormStyle() == fsMDIForm) {
        main->Handle();
        if (main->ClientHandle()) return main->ClientHandle();
    }
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->FormStyle() != fsMDIForm) continue;
        form->Handle();
        if (form->ClientHandle()) return form->ClientHandle();
    }
    return nullptr;
}

}  // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info(
        "TCustomForm", &TCustomControl::StaticClass(),
        {props::Enumeration<TCustomForm, TFormBorderStyle>(
             "BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
             &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle),
         props::Ordinal<TCustomForm, TBorderIcons>("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons),
         props::Enumeration<TCustomForm, TPosition>(
             "Position",
             {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
              "poMainFormCenter", "poOwnerFormCenter"},
             &TCustomForm::Position, &TCustomForm::SetPosition),
         props::Enumeration<TCustomForm, TFormStyle>("FormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"},
                                                     &TCustomForm::FormStyle, &TCustomForm::SetFormStyle),
         props::Enumeration<TCustomForm, TWindowState>("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"},
                                                       &TCustomForm::WindowState, &TCustomForm::SetWindowState),
         props::Object<TCustomForm, TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu),
         props::Boolean<TCustomForm>("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll),
         props::Boolean<TCustomForm>("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview),
         props::Object<TCustomForm, TIcon>("Icon", &TCustomForm::IconObject, nullptr),
         props::Object<TCustomForm, TWinControl>("ActiveControl", &TCustomForm::ActiveControl,
                                                 &TCustomForm::SetActiveControl)});
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner) {
    // The derived form builds its layout in its constructor; AfterConstruction ends it.
    SetLoading(true);
    SetVisible(false);
    TControl::SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    Font().SetName("MS Sans Serif");
    icon_.OnChange = [this](TObject*) {
        if (HandleAllocated()) {
            SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
            SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
        }
    };
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (!Destroying()) TCustomForm::BeforeDestruction();
    icon_.OnChange = nullptr;
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
    LoadedAll();
    GuardedDispatch([this] { DoCreate(); });
}

void TCustomForm::BeforeDestruction() {
    if (Destroying()) return;
    GuardedDispatch([this] { DoDestroy(); });
    TCustomControl::BeforeDestruction();
    Screen->RemoveForm(this);
    DestroyHandle();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == activeControl_) activeControl_ = nullptr;
    if (component == menu_) menu_ = nullptr;
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
    if (v == borderIcons_) return;
    borderIcons_ = v;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle v) {
    if (v == formStyle_) return;
    formStyle_ = v;
    if (HandleAllocated())
        SetWindowPos(HandleIfAllocated(), v == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TWindowState TCustomForm::WindowState() const {
    if (HandleAllocated()) {
        if (IsIconic(HandleIfAllocated())) return wsMinimized;
        if (IsZoomed(HandleIfAllocated())) return wsMaximized;
        return Visible() ? wsNormal : windowState_;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState v) {
    windowState_ = v;
    if (HandleAllocated() && Visible())
        ShowWindow(HandleIfAllocated(), v == wsMinimized ? SW_MINIMIZE : v == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) RemoveFreeNotification(menu_);
    menu_ = menu;
    if (menu_) FreeNotification(menu_);
    if (HandleAllocated()) {
        ::SetMenu(HandleIfAllocated(), menu_ ? menu_->Handle() : nullptr);
        Perform(CM_MENUCHANGED, 0, 0);
    }
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control && GetParentForm(control) != this) throw EInvalidOperation("Invalid active control");
    activeControl_ = control;
    if (control && active_ && control->CanFocus()) control->SetFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
    activeControl_ = control;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(control));
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ExStyle = 0;
    switch (borderStyle_) {
    case bsNone: p.Style |= WS_POPUP; break;
    case bsSingle: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        p.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        p.Style |= WS_CAPTION | WS_BORDER;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
        p.Style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow && borderStyle_ != bsSizeToolWin) {
            if (borderIcons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
        if (borderIcons_ & biHelp) p.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (formStyle_ == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
    p.WndParent = Application->Handle();
    p.Menu = menu_ ? menu_->Handle() : nullptr;
    if (formStyle_ == fsMDIChild) {
        // An MDI child lives in the MDI frame's client window and has no menu of its own.
        HWND client = MdiFrameClient();
        if (!client) throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        p.ExStyle |= WS_EX_MDICHILD;
        p.WndParent = client;
        p.Menu = nullptr;
        p.StandardClass = MdiChildClass();
    }
}

void TCustomForm::CreateHandleDone() {
    if (formStyle_ == fsMDIForm && !mdiClient_) {
        CLIENTCREATESTRUCT create{};
        create.idFirstChild = kFirstMdiChildId;
        RECT r{};
        GetClientRect(HandleIfAllocated(), &r);
        mdiClient_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDIClient", nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, 0, 0, r.right,
                                     r.bottom, HandleIfAllocated(), nullptr, GetModuleHandleA(nullptr), &create);
        if (!mdiClient_) throw EOutOfResources("Error creating window");
    }
    if (!icon_.Empty()) {
        SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
        SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
    }
}

void TCustomForm::DestroyWnd() {
    TCustomControl::DestroyWnd();
    mdiClient_ = nullptr;  // goes with the frame's window
    // The client takes its child down itself: it activates the next child and puts the
    // frame's menu right.
    HWND wnd = HandleIfAllocated();
    if (formStyle_ == fsMDIChild && wnd && (GetWindowLongPtrA(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD))
        SendMessageA(GetParent(wnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(wnd), 0);
}

void TCustomForm::DefaultHandler(TMessage& m) {
    HWND wnd = HandleIfAllocated();
    if (wnd && formStyle_ == fsMDIForm && DefWndProc() == DefWindowProcA) {
        m.Result = DefFrameProcA(wnd, mdiClient_, m.Msg, m.WParam, m.LParam);
        return;
    }
    TCustomControl::DefaultHandler(m);
}

void TCustomForm::PlaceOnShow() {
    if (placed_) return;
    placed_ = true;
    int x = Left(), y = Top();
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* main = Application->MainForm();
        if (main && main != this) {
            x = main->Left() + (main->Width() - Width()) / 2;
            y = main->Top() + (main->Height() - Height()) / 2;
        } else {
            x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
            y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        }
        break;
    }
    default:
        return;
    }
    SetBounds(x < 0 ? 0 : x, y < 0 ? 0 : y, Width(), Height());
}

void TCustomForm::UpdateWindowState() {
    if (!Visible()) {
        if (HandleAllocated()) {
            ShowWindow(HandleIfAllocated(), SW_HIDE);
            if (OnHide) OnHide(this);
        }
        return;
    }
    HWND wnd = Handle();
    EnableWindow(wnd, Enabled());
    PlaceOnShow();
    if (this == Application->MainForm()) Application->MainFormShown();
    const int show = windowState_ == wsMinimized ? SW_SHOWMINIMIZED
                     : windowState_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                   : SW_SHOWNORMAL;
    if (show == SW_SHOWNORMAL && !IsWindowVisible(wnd) && !IsIconic(wnd) && !IsZoomed(wnd) &&
        !(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CHILD) && !StartedWithShowCommand())
        ShowNormalErasingLater(wnd);
    else
        ShowWindow(wnd, show);
    if (!activeControl_) SelectNext(nullptr, true, true);
    if (OnShow) OnShow(this);
}

void TCustomForm::ShowForm() {
    SetVisible(true);
    if (!HandleAllocated()) return;
    HWND wnd = HandleIfAllocated();
    // Showing usually leaves the window on top and in the foreground already; asking again
    // would still restack it and erase it and its children (under Wine, a window-server
    // round trip and a redraw each).
    if (!OnTopOfItsBand(wnd)) BringWindowToTop(wnd);
    if (GetForegroundWindow() != wnd) SetForegroundWindow(wnd);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (this == Application->MainForm()) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::Release() {
    if (HandleAllocated()) PostMessageA(HandleIfAllocated(), CM_RELEASE, 0, 0);
}

void TCustomForm::DispatchDone() {
    if (!releasePending_) return;
    releasePending_ = false;
    TComponent::Free(this);
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case CM_RELEASE:
        // Freed once the message to the window has returned (DispatchDone): freeing it
        // here would pull the object from under the code still running on it.
        releasePending_ = true;
        if (!InDispatch() && HandleAllocated()) PostMessageA(HandleIfAllocated(), CM_RELEASE, 0, 0);
        return;
    case WM_COMMAND:
        if (m.LParam == 0 && HIWORD(m.WParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(m.WParam))) {
            m.Result = 0;
            return;
        }
        break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
        // Owner-drawn items of the form's menus (the menu bar's popups) measure and draw
        // themselves.
        LRESULT result = 0;
        if (HandleMenuItemMessage(m.Msg, m.WParam, m.LParam, result)) {
            m.Result = result;
            return;
        }
        break;
    }
    case WM_SYSCOMMAND:
        if ((m.WParam & 0xFFF0) == SC_MINIMIZE && this == Application->MainForm() &&
            IsWindowVisible(Application->Handle())) {
            Application->Minimize();
            m.Result = 0;
            return;
        }
        break;
    case WM_SHOWWINDOW:
        // A ShowWindow call made outside the framework keeps Visible in step.
        // (Not when the forms only go and come back with the minimised application.)
        if (m.LParam == 0 && !Application->MovingForms()) TControl::SetVisibleFlag(m.WParam != 0);
        break;
    case WM_ACTIVATE: {
        TCustomControl::WndProc(m);
        const bool active = LOWORD(m.WParam) != WA_INACTIVE;
        if (active != active_) {
            active_ = active;
            if (active && activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
                ::SetFocus(activeControl_->HandleIfAllocated());
            if (active && OnActivate) OnActivate(this);
            if (!active && OnDeactivate) OnDeactivate(this);
        }
        return;
    }
    case CM_DIALOGKEY:
        if (m.WParam == VK_TAB) {
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

// ---- TForm ----

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info("TForm", &TCustomForm::StaticClass());
    return info;
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}
