// The application object (its hidden window carries the taskbar button and the title),
// the message loop, the main-window hooks and the error box; the screen's form list.
#include "framework/Forms.h"

#include "framework/Exceptions.h"

#include <objbase.h>

#include <algorithm>

namespace {
constexpr char kAppClass[] = "TApplication";

TScreen& ScreenInstance();

TApplication& ApplicationInstance() {
    // The screen is made first so that it outlives the application's forms.
    ScreenInstance();
    static TApplication app(nullptr);
    return app;
}

TScreen& ScreenInstance() {
    static TScreen screen(nullptr);
    return screen;
}

BOOL CALLBACK TakeFirstIconName(HMODULE module, LPCSTR, LPSTR name, LONG_PTR param) {
    *reinterpret_cast<HICON*>(param) = LoadIconA(module, name);
    return FALSE;
}

// The first icon group of the program, for the taskbar button.
HICON ProgramIcon() {
    HICON icon = nullptr;
    EnumResourceNamesA(GetModuleHandleA(nullptr), RT_GROUP_ICON, TakeFirstIconName, reinterpret_cast<LONG_PTR>(&icon));
    return icon;
}
}  // namespace

const TApplicationRef Application{};
const TScreenRef Screen{};

TApplication* TApplicationRef::operator->() const { return &ApplicationInstance(); }
TApplication& TApplicationRef::operator*() const { return ApplicationInstance(); }
TApplicationRef::operator TApplication*() const { return &ApplicationInstance(); }
TScreen* TScreenRef::operator->() const { return &ScreenInstance(); }
TScreen& TScreenRef::operator*() const { return ScreenInstance(); }
TScreenRef::operator TScreen*() const { return &ScreenInstance(); }

// ---- TScreen ----

const TClassInfo& TScreen::StaticClass() {
    static const TClassInfo info("TScreen", &TComponent::StaticClass());
    return info;
}

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

TCustomForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* f : forms_) {
        if (f->HandleAllocated() && f->HandleIfAllocated() == active) return f;
    }
    return nullptr;
}

TWinControl* TScreen::ActiveControl() const {
    TCustomForm* form = ActiveForm();
    return form ? form->ActiveControl() : nullptr;
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::SetCursor(TCursor c) {
    cursor_ = c;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x, p.y);  // the window under the cursor asks again
}

// ---- TApplication ----

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info("TApplication", &TComponent::StaticClass(),
                                 {props::String<TApplication>("Title", &TApplication::Title, &TApplication::SetTitle)});
    return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() { Finish(); }

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::Initialize() {
    if (!comInitialized_) comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (handle_) SetWindowTextA(handle_.get(), title_.c_str());
}

HWND TApplication::Handle() {
    if (!handle_) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc{};
        if (!GetClassInfoA(instance, kAppClass, &wc)) {
            wc = WNDCLASSA{};
            wc.lpfnWndProc = &TApplication::AppWndProc;
            wc.hInstance = instance;
            wc.hIcon = ProgramIcon();
            wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = kAppClass;
            RegisterClassA(&wc);
        }
        // A zero-size window: it is never seen, only its taskbar button.
        handle_.reset(CreateWindowExA(0, kAppClass, title_.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                      GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                      nullptr, nullptr, instance, nullptr));
        if (!handle_) throw EOutOfResources("Cannot create the application window");
    }
    return handle_.get();
}

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    TApplication& app = ApplicationInstance();
    if (!app.handle_ || app.handle_.get() != wnd) return DefWindowProcA(wnd, msg, wp, lp);
    TMessage m;
    m.Msg = msg;
    m.WParam = wp;
    m.LParam = lp;
    GuardedDispatch([&] { app.WndProc(m); });
    return m.Result;
}

void TApplication::WndProc(TMessage& m) {
    // Hooks first; a hook that handles the message ends it. Copy: a hook may unhook.
    const auto hooks = hooks_;
    for (const auto& hook : hooks) {
        if (hook.second && hook.second(m)) return;
    }
    HWND wnd = handle_.get();
    switch (m.Msg) {
    case WM_CLOSE:
        if (mainForm_) mainForm_->Close();
        m.Result = 0;
        return;
    case WM_SYSCOMMAND:
        switch (m.WParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            m.Result = 0;
            return;
        case SC_RESTORE:
            Restore();
            m.Result = 0;
            return;
        default:
            break;
        }
        break;
    case WM_SETFOCUS:
        // Activating the taskbar button gives the focus to the main form.
        if (mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->HandleIfAllocated()) &&
            IsWindowEnabled(mainForm_->HandleIfAllocated())) {
            SetFocus(mainForm_->HandleIfAllocated());
            m.Result = 0;
            return;
        }
        break;
    case WM_QUERYENDSESSION:
        m.Result = 1;
        return;
    case WM_ENDSESSION:
        if (m.WParam) Terminate();
        m.Result = 0;
        return;
    default:
        break;
    }
    m.Result = DefWindowProcA(wnd, m.Msg, m.WParam, m.LParam);
}

void TApplication::MainFormShown() {
    if (appWindowShown_) return;
    appWindowShown_ = true;
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void TApplication::Minimize() {
    if (IsIconic(Handle())) return;
    // The forms go with the application window; they come back with it.
    movingForms_ = true;
    ShowOwnedPopups(Handle(), FALSE);
    movingForms_ = false;
    ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (IsIconic(Handle())) {
        ShowWindow(Handle(), SW_RESTORE);
        movingForms_ = true;
        ShowOwnedPopups(Handle(), TRUE);
        movingForms_ = false;
    }
    if (mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->HandleIfAllocated()))
        SetForegroundWindow(mainForm_->HandleIfAllocated());
}

HWND TApplication::ActiveFormHandle() const {
    HWND active = GetActiveWindow();
    if (active && FindControl(active)) return active;
    if (mainForm_ && mainForm_->HandleAllocated() && IsWindowVisible(mainForm_->HandleIfAllocated()))
        return mainForm_->HandleIfAllocated();
    return handle_.get();
}

int TApplication::HookMainWindow(TWindowHook hook) {
    const int cookie = nextHook_++;
    hooks_.emplace_back(cookie, std::move(hook));
    return cookie;
}

void TApplication::UnhookMainWindow(int cookie) {
    hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [cookie](const auto& h) { return h.first == cookie; }),
                 hooks_.end());
}

// ---- errors ----

void TApplication::SetErrorBox(TErrorBox box) { errorBox_ = std::move(box); }

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    HWND owner = ActiveFormHandle();
    if (errorBox_) return errorBox_(owner, text, caption, flags);
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::exception& e) {
    const auto* framework = dynamic_cast<const Exception*>(&e);
    const std::string text = framework ? framework->Message() : std::string(e.what());
    MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(this, e);
    } else {
        ShowException(e);
    }
}

// ---- message loop ----

bool TApplication::IsDialogKey(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
        TWinControl* control = FindControl(msg.hwnd);
        if (!control) return false;
        const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
        TCustomForm* form = GetParentForm(control);
        return form && form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    }
    if (msg.message == WM_SYSCHAR) {
        TWinControl* control = FindControl(msg.hwnd);
        TCustomForm* form = control ? GetParentForm(control) : nullptr;
        return form && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    }
    return false;
}

bool TApplication::ProcessMessage(MSG& msg) {
    // PM_NOYIELD: an empty queue is no reason to give up the processor. (Wine 8 yields in
    // that case all the same; pumps that run often ask GetQueueStatus first.)
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) return false;
    DispatchQueued(msg);
    return true;
}

void TApplication::DispatchQueued(MSG& msg) {
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return;
    }
    bool handled = false;
    GuardedDispatch([&] { handled = IsDialogKey(msg); });
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::ProcessWaitingMessages() {
    if (queueSeenEmpty_) {
        queueSeenEmpty_ = false;
        return;
    }
    if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) return;
    // A menu's own loop dispatches the tick: what waits then is the menu's input, which a
    // pump would take away from it and hand to plain windows (the menu's keys were lost).
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &thread) && (thread.flags & GUI_INMENUMODE)) return;
    ProcessMessages();
}

void TApplication::HandleMessage() {
    // Waits for the next message and takes it in one call (messages sent meanwhile are
    // delivered inside). A failed PeekMessage followed by WaitMessage costs Wine two more
    // server requests on every wake-up of an otherwise idle program.
    MSG msg;
    if (GetMessageA(&msg, nullptr, 0, 0) == -1) return;
    // Timers come last: a timer message means the queue held nothing else, so a pump in
    // its handler (a 10 ms tick) need not ask the server again.
    queueSeenEmpty_ = msg.message == WM_TIMER;
    DispatchQueued(msg);
    queueSeenEmpty_ = false;
}

void TApplication::Terminate() {
    if (!terminated_) PostQuitMessage(0);
    terminated_ = true;
}

void TApplication::Run() {
    if (mainForm_ && showMainForm_) mainForm_->ShowForm();
    while (!terminated_) HandleMessage();
    Finish();
}

int TApplication::AddFinishHandler(std::function<void()> handler) {
    const int cookie = nextHook_++;
    finishHandlers_.emplace_back(cookie, std::move(handler));
    return cookie;
}

void TApplication::RemoveFinishHandler(int cookie) {
    finishHandlers_.erase(std::remove_if(finishHandlers_.begin(), finishHandlers_.end(),
                                         [cookie](const auto& h) { return h.first == cookie; }),
                          finishHandlers_.end());
}

void TApplication::Finish() {
    // Finish handlers first, while every window is there, newest first.
    while (!finishHandlers_.empty()) {
        std::function<void()> handler = std::move(finishHandlers_.back().second);
        finishHandlers_.pop_back();
        GuardedDispatch(handler);
    }
    // Then the forms (their OnDestroy runs), then the application window and COM.
    GuardedDispatch([this] { DestroyComponents(); });
    mainForm_ = nullptr;
    handle_.reset();
    if (comInitialized_) {
        CoUninitialize();
        comInitialized_ = false;
    }
}
