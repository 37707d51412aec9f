#include "cleanup/MessagePump.h"

#include <windows.h>

namespace {

MessagePumpFn installedPump = nullptr;

void PlainPump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

void PumpMessages() {
    if (installedPump) {
        installedPump();
    } else {
        PlainPump();
    }
}

void SetMessagePump(MessagePumpFn pump) { installedPump = pump; }
