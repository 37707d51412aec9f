#include "framework/UtilWindow.h"

#include "framework/Controls.h"
#include "framework/Exceptions.h"

namespace {
constexpr char kUtilClass[] = "TPUtilWindow";

void RegisterUtilClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kUtilClass;
    RegisterClassA(&wc);
    registered = true;
}
}  // namespace

// The class's own procedure serves these windows, so nothing is subclassed: they carry
// timers that tick every few milliseconds, and each pass through a subclass chain costs
// Wine window-property requests to its server. The object comes with the creation
// parameters and stays in the window's user data until the object goes.
UtilWindow::UtilWindow(Handler handler) : handler_(std::move(handler)) {
    RegisterUtilClass(&UtilWindow::Proc);
    wnd_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), this));
    if (!wnd_) throw EOutOfResources("Cannot create the utility window");
}

UtilWindow::~UtilWindow() {
    if (wnd_) SetWindowLongPtrA(wnd_.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK UtilWindow::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
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
