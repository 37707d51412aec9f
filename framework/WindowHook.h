#pragma once
// Subclassing of any window of this thread, also windows the framework did not make
// (dialogs, message boxes, menus, children of plain windows). Each subclass is a hook with
// a token (see HookChain.h for the THookProc contract):
// - it sees the window's messages before the procedures installed before it, and passes
//   a message on with next(m); it may be removed in any order, also from inside a call
//   (a hook that is running stays alive until it returns);
// - WM_NCDESTROY goes through every hook (passed on even by a hook that forgets to), then
//   each hook is taken off and its onDetached runs;
// - an exception escaping a hook goes to the framework's error handling and never into
//   the system (a message the hook had not passed on yet is then passed on).
// The hooks of a window share one place among its procedures: the first hook puts one
// procedure on the window (with SetWindowLongPtr) and every hook runs inside it, newest
// first. A procedure set with SetWindowLongPtr after the first hook runs before every hook
// (also ones added later) and stays in place whatever hooks come and go; it can put back
// the procedure it saved at any time. The hooks of a window are found in process, so a
// message costs no window-server round trip on the way through them.
#include "framework/HookChain.h"

#include <windows.h>

THookToken SubclassWindow(HWND window, THookProc proc, TDetachedEvent onDetached = {});
// False when the hook is not (or no longer) on the window.
bool UnsubclassWindow(HWND window, THookToken token);
bool IsWindowHooked(HWND window, THookToken token);

// Owns one subclass: takes it off when reset or destroyed (unless the window went first).
class TWindowSubclass {
public:
    TWindowSubclass() = default;
    TWindowSubclass(HWND window, THookProc proc, TDetachedEvent onDetached = {})
        : window_(window), token_(SubclassWindow(window, std::move(proc), std::move(onDetached))) {}
    ~TWindowSubclass() { Reset(); }
    TWindowSubclass(TWindowSubclass&& other) noexcept : window_(other.window_), token_(other.token_) {
        other.window_ = nullptr;
        other.token_ = 0;
    }
    TWindowSubclass& operator=(TWindowSubclass&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = other.window_;
            token_ = other.token_;
            other.window_ = nullptr;
            other.token_ = 0;
        }
        return *this;
    }
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    void Reset() {
        if (token_) UnsubclassWindow(window_, token_);
        window_ = nullptr;
        token_ = 0;
    }
    HWND Window() const { return window_; }
    THookToken Token() const { return token_; }
    bool Active() const { return token_ && IsWindowHooked(window_, token_); }

private:
    HWND window_ = nullptr;
    THookToken token_ = 0;
};
