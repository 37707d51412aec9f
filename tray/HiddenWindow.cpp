#include "tray/HiddenWindow.h"

#include <stdexcept>

namespace {
const char kClassName[] = "TPUtilWindow";

// The class itself uses the default procedure; each window is routed to its owner right
// after creation, so the class can be shared with other parts of the program that
// register the same name.
bool EnsureClass(HINSTANCE instance) {
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kClassName, &existing)) return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

HiddenWindow::HiddenWindow(Callback callback, void* context) : callback_(callback), context_(context) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!EnsureClass(instance)) throw std::runtime_error("Cannot register the utility window class");
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, instance, nullptr);
    if (!window_) throw std::runtime_error("Cannot create a utility window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HiddenWindow::Route));
}

HiddenWindow::~HiddenWindow() {
    // Detach first: the messages of the destruction itself must not reach an owner that
    // is going away.
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK HiddenWindow::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HiddenWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    // Copied first: the callback may end the owner, and with it this object.
    const Callback callback = self->callback_;
    void* const context = self->context_;
    return callback(context, window, message, wParam, lParam);
}
