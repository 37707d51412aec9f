#pragma once
// Waiting with the message loop running, driving a menu's modal loop from a test, and the
// menu skinners' fixture with a managing skin: shared by the skin manager's and menu tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "framework/Forms.h"
#include "tests/win32/SkinTestSupport.h"

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

// A host form whose skin data (ours) makes the skin manager, with a menu item image; the
// manager goes again after each test, and no menu step is left behind.
class ManagedMenuSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        TSkinManager::Destroy();
        host = MakeUnowned<TForm>();
        data = OurManagingSkinData(host.get());
        manager = TSkinManager::Instance();
        ASSERT_NE(manager, nullptr);
        ASSERT_TRUE(data->Skin().MenuItem);
    }
    void TearDown() override {
        g_whileOpen = nullptr;
        TSkinManager::Destroy();
        host.reset();
    }

    TUnowned<TForm> host;
    TSkinData* data = nullptr;
    TSkinManager* manager = nullptr;
};
