// Pumping from inside long actions, and the application loop's wait: whatever is waiting
// is handled, however the queue was looked at before.
#include "cleanup/MessagePump.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "framework/Forms.h"
#include "framework/UtilWindow.h"

namespace {

constexpr UINT kProbe = WM_APP + 17;
constexpr UINT_PTR kTimerId = 7;

// Records the probe messages and timer ticks its hidden window receives.
struct Recorder {
    std::vector<WPARAM> probes;
    int ticks = 0;
    std::function<void()> onTick;
    UtilWindow window{[this](TMessage& m) {
        if (m.Msg == kProbe) {
            probes.push_back(m.WParam);
            return true;
        }
        if (m.Msg == WM_TIMER && m.WParam == kTimerId) {
            ++ticks;
            KillTimer(window.Handle(), kTimerId);
            if (onTick) onTick();
            return true;
        }
        return false;
    }};
};

void DrainQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

TEST(CleanupMessagePump, HandlesEveryWaitingMessageAndDueTimer) {
    Recorder r;
    DrainQueue();
    ASSERT_NE(SetTimer(r.window.Handle(), kTimerId, 10, nullptr), 0u);
    for (WPARAM i = 1; i <= 3; ++i) PostMessageA(r.window.Handle(), kProbe, i, 0);
    Sleep(60);  // the timer is due
    // Looking at the queue clears its "added since the last look" bits; the messages are
    // still waiting and must be pumped all the same.
    GetQueueStatus(QS_ALLINPUT);
    PumpMessages();
    EXPECT_EQ(r.probes, (std::vector<WPARAM>{1, 2, 3}));
    EXPECT_EQ(r.ticks, 1);

    PumpMessages();  // nothing waiting: returns at once, handles nothing
    EXPECT_EQ(r.probes.size(), 3u);
}

TEST(CleanupMessagePump, ApplicationLoopWaitsForTheNextMessageAndDispatchesIt) {
    Recorder r;
    DrainQueue();
    HWND target = r.window.Handle();
    std::thread poster([target] {
        Sleep(100);
        PostMessageA(target, kProbe, 42, 0);
    });
    while (r.probes.empty()) Application->HandleMessage();
    poster.join();
    EXPECT_EQ(r.probes, (std::vector<WPARAM>{42}));
    EXPECT_FALSE(Application->Terminated());
}

// A tick taken by the main loop may skip one look at the queue (nothing waited when the
// loop took it), but no more: what arrives later in the tick, or after it, is pumped.
TEST(CleanupMessagePump, TickFromTheApplicationLoopPumpsWhatArrivesDuringAndAfterIt) {
    Recorder r;
    DrainQueue();
    HWND target = r.window.Handle();
    std::vector<WPARAM> seenInTick;
    r.onTick = [&] {
        PostMessageA(target, kProbe, 1, 0);
        PumpMessages();
        PostMessageA(target, kProbe, 2, 0);
        PumpMessages();
        seenInTick = r.probes;
    };
    ASSERT_NE(SetTimer(target, kTimerId, 10, nullptr), 0u);
    while (r.ticks == 0) Application->HandleMessage();
    EXPECT_EQ(seenInTick, (std::vector<WPARAM>{1, 2}));

    PostMessageA(target, kProbe, 3, 0);
    PumpMessages();
    EXPECT_EQ(r.probes, (std::vector<WPARAM>{1, 2, 3}));
}

namespace {
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }
}  // namespace

// A tick inside an open menu's loop: the keys waiting for the menu reach the menu, not the
// pump (which would hand them to the menu window as plain messages and lose them).
TEST(CleanupMessagePump, LeavesTheKeysOfAnOpenMenuToTheMenu) {
    Recorder r;
    DrainQueue();
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 41, "first");
    r.onTick = [] {
        HWND popup = FindWindowA("#32768", nullptr);
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 1);
        PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 1);
        PumpMessages();
    };
    ASSERT_NE(SetTimer(r.window.Handle(), kTimerId, 10, nullptr), 0u);
    const UINT_PTR giveUp = SetTimer(nullptr, 0, 5000, CloseMenu);  // the menu ends either way
    const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 0, 0, 0, r.window.Handle(), nullptr);
    KillTimer(nullptr, giveUp);
    DestroyMenu(menu);
    EXPECT_EQ(r.ticks, 1);
    EXPECT_EQ(chosen, 41);
}
