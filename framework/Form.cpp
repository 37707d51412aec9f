// TCustomForm: a top-level framework window owned by the application window.
#include "framework/Forms.h"

#include "framework/Exceptions.h"

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
}

void TCustomForm::CreateHandleDone() {
    if (!icon_.Empty()) {
        SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
        SendMessageA(HandleIfAllocated(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
    }
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
    ShowWindow(wnd, show);
    if (!activeControl_) SelectNext(nullptr, true, true);
    if (OnShow) OnShow(this);
}

void TCustomForm::ShowForm() {
    SetVisible(true);
    if (HandleAllocated()) {
        BringWindowToTop(HandleIfAllocated());
        SetForegroundWindow(HandleIfAllocated());
    }
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
