#include "framework/UtilWindow.h"

#include "framework/Controls.h"
#include "framework/Exceptions.h"

namespace {
constexpr char kUtilClass[] = "TPUtilWindow";

void RegisterUtilClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kUtilClass;
    RegisterClassA(&wc);
    registered = true;
}
}  // namespace

UtilWindow::UtilWindow(Handler handler) : handler_(std::move(handler)) {
    RegisterUtilClass();
    wnd_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr));
    if (!wnd_) throw EOutOfResources("Cannot create the utility window");
    // The window's own procedure, not a hook chain: these windows carry timers that tick
    // every few milliseconds, and each pass through the common controls' subclass chain
    // costs Wine two or three window-property requests to its server.
    SetWindowLongPtrA(wnd_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(wnd_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UtilWindow::Proc));
}

UtilWindow::~UtilWindow() {
    if (wnd_) SetWindowLongPtrA(wnd_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK UtilWindow::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<UtilWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!self || !self->handler_) return DefWindowProcA(wnd, msg, wp, lp);
    TMessage m;
    m.Msg = msg;
    m.WParam = wp;
    m.LParam = lp;
    bool handled = false;
    GuardedDispatch([&] { handled = self->handler_(m); });
    return handled ? m.Result : DefWindowProcA(wnd, msg, wp, lp);
}
