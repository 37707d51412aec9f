// The shared timer window with real SetTimer: arming rules, restarts and the shared
// window's life.
#include "tray/SimpleTimer.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Pumps this thread's messages for `ms` milliseconds.
void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

struct Counted {
    int ticks = 0;
    TSimpleTimerEvent Handler() {
        return [this](TSimpleTimer&) { ++ticks; };
    }
};

TEST(TrayTimer, ZeroIntervalNeverStarts) {
    Counted c;
    TSimpleTimer t(0, c.Handler());
    t.SetEnabled(true);
    EXPECT_FALSE(t.Enabled());
    EXPECT_FALSE(t.Arm());
    Pump(150);
    EXPECT_EQ(c.ticks, 0);
}

TEST(TrayTimer, ZeroIntervalOnRunningTimerPausesAndKeepsEnabled) {
    Counted c;
    TSimpleTimer t(20, c.Handler());
    t.SetEnabled(true);
    ASSERT_TRUE(t.Enabled());
    Pump(150);
    EXPECT_GT(c.ticks, 0);
    t.SetInterval(0);
    EXPECT_TRUE(t.Enabled());
    Pump(30);  // a tick may already be queued
    c.ticks = 0;
    Pump(150);
    EXPECT_EQ(c.ticks, 0);
    t.SetInterval(20);
    Pump(150);
    EXPECT_GT(c.ticks, 0);
    t.SetEnabled(false);
    EXPECT_FALSE(t.Enabled());
}

TEST(TrayTimer, ReEnablingRestartsTheCountdownAndSameIntervalDoesNot) {
    Counted c;
    TSimpleTimer t(300, c.Handler());
    t.SetEnabled(true);
    // Re-enabling every 100 ms keeps pushing the first tick away.
    for (int i = 0; i < 5; ++i) {
        Pump(100);
        t.SetEnabled(true);
    }
    EXPECT_EQ(c.ticks, 0);
    // Setting the same interval keeps the countdown running.
    for (int i = 0; i < 5; ++i) {
        Pump(100);
        t.SetInterval(300);
    }
    EXPECT_GT(c.ticks, 0);
}

TEST(TrayTimer, EmptyHandlerStopsTheSystemTimer) {
    Counted c;
    TSimpleTimer t(20, c.Handler());
    t.SetEnabled(true);
    t.SetOnTimer(nullptr);
    EXPECT_TRUE(t.Enabled());
    // No system timer is left behind: killing it again fails.
    EXPECT_FALSE(t.Disarm(false));
    Pump(100);
    EXPECT_EQ(c.ticks, 0);
}

TEST(TrayTimer, HandlerMayDestroyItsOwnTimer) {
    int ticks = 0;
    auto owned = std::make_unique<TSimpleTimer>();
    owned->SetInterval(10);
    owned->SetOnTimer([&](TSimpleTimer&) {
        ++ticks;
        owned.reset();
    });
    owned->SetEnabled(true);
    Pump(150);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(TimerHandlerExists());
}

TEST(TrayTimer, SharedWindowLivesFromFirstToLastTimer) {
    ASSERT_FALSE(TimerHandlerExists());
    HWND first = nullptr;
    {
        TSimpleTimer a;
        EXPECT_EQ(a.Interval(), 1000);
        EXPECT_FALSE(a.Enabled());
        first = static_cast<HWND>(TimerHandlerWindow());
        ASSERT_TRUE(IsWindow(first));
        char cls[32] = {};
        GetClassNameA(first, cls, sizeof cls);
        EXPECT_STREQ(cls, "TPUtilWindow");
        TSimpleTimer b(5, nullptr);
        EXPECT_NE(a.TimerId(), b.TimerId());
        EXPECT_EQ(TimerHandlerUserCount(), 2u);
        EXPECT_EQ(TimerHandlerWindow(), first);
    }
    EXPECT_FALSE(TimerHandlerExists());
    EXPECT_FALSE(IsWindow(first));
    TSimpleTimer c;
    EXPECT_TRUE(IsWindow(static_cast<HWND>(TimerHandlerWindow())));
}

TEST(TrayTimer, TickForAnUnknownIdIsIgnored) {
    Counted c;
    TSimpleTimer t(1000, c.Handler());
    SendMessageA(static_cast<HWND>(TimerHandlerWindow()), WM_TIMER, t.TimerId() + 1000, 0);
    EXPECT_EQ(c.ticks, 0);
    SendMessageA(static_cast<HWND>(TimerHandlerWindow()), WM_TIMER, t.TimerId(), 0);
    EXPECT_EQ(c.ticks, 1);
}

}  // namespace
