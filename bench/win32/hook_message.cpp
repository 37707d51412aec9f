// The cost of a message sent to a window through the hook facility: a plain window without
// hooks (the baseline), then with one and with three hooks that pass everything on, and
// the same window once a procedure set with SetWindowLongPtr sits above the hooks.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/win32/PaintTiming.h"
#include "framework/WindowHook.h"

namespace {

LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(wnd, msg, wp, lp); }

WNDPROC g_below = nullptr;
LRESULT CALLBACK AboveProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcA(g_below, wnd, msg, wp, lp);
}

HWND MakeWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "HookMessageBench";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "HookMessageBench", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void Send(HWND wnd) {
    for (int i = 0; i < 100; ++i) SendMessageA(wnd, WM_NULL, 0, 0);
}

}  // namespace

int main() {
    const int runs = 200;
    HWND wnd = MakeWindow();
    std::printf("100 messages (WM_NULL) sent to one window:\n");
    Report("no hook (baseline)", runs, [&] { Send(wnd); });
    std::vector<TWindowSubclass> hooks;
    hooks.emplace_back(wnd, [](TMessage& m, const TWndMethod& next) { next(m); });
    Report("one hook", runs, [&] { Send(wnd); });
    hooks.emplace_back(wnd, [](TMessage& m, const TWndMethod& next) { next(m); });
    hooks.emplace_back(wnd, [](TMessage& m, const TWndMethod& next) { next(m); });
    Report("three hooks", runs, [&] { Send(wnd); });
    g_below = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AboveProc)));
    Report("three hooks under a SetWindowLongPtr procedure", runs, [&] { Send(wnd); });
    hooks.clear();
    DestroyWindow(wnd);
    return 0;
}
