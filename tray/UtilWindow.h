#pragma once
// A hidden utility window (class "TPUtilWindow") whose messages go to one callback.
// The shared timer and tray notification windows are built on it.
#include <windows.h>

class UtilWindow {
public:
    // Called for every message; the callback gives the result.
    using Callback = LRESULT (*)(void* context, HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);

    // Throws std::runtime_error when the window cannot be created.
    UtilWindow(Callback callback, void* context);
    ~UtilWindow();
    UtilWindow(const UtilWindow&) = delete;
    UtilWindow& operator=(const UtilWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    Callback callback_;
    void* context_;
};
