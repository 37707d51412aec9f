// The smallest honest Win32 window program, shared by the benchmark baselines
// (minimal_window, idle_floor): one top-level window with Kelvora's client size and frame
// style, shown and painted once, and a plain GetMessage loop. Built with the same flags as
// Kelvora.exe.
#pragma once

#include <windows.h>

namespace bare {

// Registers `className` with `procedure` and shows its window, centred on the screen or at
// its top-left corner; nullptr on failure.
inline HWND ShowMainWindow(const char* className, const char* caption, WNDPROC procedure, bool centred) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return nullptr;

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, 445, 364};
    AdjustWindowRect(&r, style, FALSE);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int x = centred ? (GetSystemMetrics(SM_CXSCREEN) - width) / 2 : 0;
    const int y = centred ? (GetSystemMetrics(SM_CYSCREEN) - height) / 2 : 0;
    HWND window = CreateWindowExA(0, className, caption, style, x, y, width, height, nullptr, nullptr, instance,
                                  nullptr);
    if (!window) return nullptr;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

// Handles messages until WM_QUIT; the exit code.
inline int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace bare
