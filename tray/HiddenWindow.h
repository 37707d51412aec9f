#pragma once
// A hidden utility window (class "TPUtilWindow") whose messages go to one callback, for
// the tray parts until they move onto the framework's own utility window.
// The shared timer and tray notification windows are built on it.
#include <windows.h>

class HiddenWindow {
public:
    // Called for every message; the callback gives the result.
    using Callback = LRESULT (*)(void* context, HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);

    // Throws std::runtime_error when the window cannot be created.
    HiddenWindow(Callback callback, void* context);
    ~HiddenWindow();
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    Callback callback_;
    void* context_;
};
