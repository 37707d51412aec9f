// Idle baseline for the benchmarks: the bare window (in the screen's corner, out of
// Kelvora's way) whose only work is reading the memory load every 10 ms; runs until closed
// or killed.
#include "tests/e2e/helpers/BareWindow.h"

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
    HWND window = bare::ShowMainWindow("IdleFloor", "Idle floor", WindowProc, false);
    if (!window || !SetTimer(window, kPollTimer, 10, nullptr)) return 1;
    return bare::RunMessageLoop();
}
