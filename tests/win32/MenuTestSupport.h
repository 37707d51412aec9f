#pragma once
// Waiting with the message loop running, and driving a menu's modal loop from a test:
// shared by the skin manager's and the menu skinners' tests.
#include <windows.h>

#include <functional>

#include "framework/Forms.h"

// Runs the message loop until done() holds; false when timeoutMs passes first.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    return true;
}

// Runs while a menu's modal loop runs: the test's step, called on every tick until it
// says it is done (then the menu is closed).
inline std::function<bool()> g_whileOpen;
inline void CALLBACK MenuTick(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_whileOpen || g_whileOpen()) {
        KillTimer(nullptr, id);
        g_whileOpen = nullptr;
        EndMenu();
    }
}

// The shown popup menu window, or nullptr.
inline HWND OpenMenuWindow() {
    HWND w = FindWindowA("#32768", nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}
