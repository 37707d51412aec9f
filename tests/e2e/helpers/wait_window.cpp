// wait_window CAPTION [SECONDS]: waits until a visible top-level window with that caption
// exists and has processed its queued messages (so it has painted), then exits 0;
// exits 1 on time-out. Used by `make run` to know when to take the screenshot.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const char* caption = argv[1];
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 60;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < seconds * 1000) {
        HWND window = FindWindowA(nullptr, caption);
        if (window && IsWindowVisible(window)) {
            DWORD_PTR result = 0;
            // A WM_NULL answered means the window's thread is back in its message loop,
            // after the WM_PAINT that showing the window queued.
            if (SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
                Sleep(300);
                SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
                return 0;
            }
        }
        Sleep(100);
    }
    return 1;
}
