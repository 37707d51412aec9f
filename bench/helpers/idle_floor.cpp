// Idle baseline for the benchmarks: a bare top-level window whose only work is reading the
// memory load every 10 ms, in a plain GetMessage loop. Built with the same flags as
// Kelvora.exe; runs until closed or killed.
#include <windows.h>

namespace {

constexpr UINT_PTR kPollTimer = 1;
volatile DWORD g_lastLoad = 0;  // kept so the read cannot be dropped

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: {
        MEMORYSTATUS status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatus(&status);
        g_lastLoad = status.dwMemoryLoad;
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "IdleFloor";
    if (!RegisterClassA(&wc)) return 1;
    HWND window = CreateWindowExA(0, wc.lpszClassName, "Idle floor", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (!SetTimer(window, kPollTimer, 10, nullptr)) return 1;

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
