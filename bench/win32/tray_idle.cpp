// CPU and wake-ups of a program whose only activity is a shown tray icon: the icon is
// added to the real notification area, then the message loop idles for a while. With
// nothing needing them, none of the icon's timers may fire. For contrast the same is
// measured with enter/exit events on (the 20 ms leave poll runs).
#include "framework/Component.h"
#include "tray/TrayIcon.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& f) {
        return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

struct Figures {
    double cpuMs = 0;
    int messages = 0;
    int timerMessages = 0;
};

// Runs the message loop for `ms`, counting what it had to handle.
Figures Idle(DWORD ms) {
    Figures f;
    const double cpuStart = CpuMs();
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= ms) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++f.messages;
            if (msg.message == WM_TIMER) ++f.timerMessages;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    f.cpuMs = CpuMs() - cpuStart;
    return f;
}

void Report(const char* what, DWORD ms, const Figures& f) {
    std::printf("%-44s %6.1f ms CPU in %lu ms (%.3f%%), %d messages, %d timer ticks\n", what, f.cpuMs,
                static_cast<unsigned long>(ms), 100.0 * f.cpuMs / ms, f.messages, f.timerMessages);
}

}  // namespace

int main() {
    constexpr DWORD kIdleMs = 10000;
    auto owner = MakeUnowned<TComponent>();
    auto* icon = MakeComponent<TTrayIcon>(owner.get());
    TIcon picture;
    picture.SetHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    icon->SetIcon(&picture);
    icon->SetHint("Kelvora");
    icon->SetIconVisible(true);
    Idle(1000);  // settle: the shell's first messages

    Report("icon shown, no poll timer", kIdleMs, Idle(kIdleMs));
    icon->SetWantEnterExitEvents(true);
    Report("icon shown, enter/exit poll every 20 ms", kIdleMs, Idle(kIdleMs));
    icon->SetWantEnterExitEvents(false);
    Report("icon shown, poll switched off again", kIdleMs, Idle(kIdleMs));
    return 0;
}
