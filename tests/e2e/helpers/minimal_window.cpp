// Benchmark baseline for start-up: the bare window, centred like Kelvora's, painting its
// client area blue (as Kelvora's banner is); ends when closed.
#include "tests/e2e/helpers/BareWindow.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        HBRUSH blue = CreateSolidBrush(RGB(0x20, 0x60, 0xC0));
        FillRect(dc, &ps.rcPaint, blue);
        DeleteObject(blue);
        EndPaint(window, &ps);
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
    if (!bare::ShowMainWindow("MinimalWindow", "Minimal", WindowProc, true)) return 1;
    return bare::RunMessageLoop();
}
