#pragma once
// A light periodic timer that is a plain object. All timers of the process share one
// hidden window (TSimpleTimerHandler) that receives WM_TIMER and calls the right timer.
#include <cstdint>
#include <functional>

class TSimpleTimer;
using TSimpleTimerEvent = std::function<void(TSimpleTimer& sender)>;

class TSimpleTimer {
public:
    // Interval 1000 ms, no handler; stopped.
    TSimpleTimer();
    // Stopped, with the given period and handler.
    TSimpleTimer(int32_t interval, TSimpleTimerEvent onTimer);
    ~TSimpleTimer();
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    uint32_t TimerId() const { return timerId_; }

    // True once armed, and stays true while a zero interval or a missing handler keeps
    // the system timer off; false after Disarm(true) or a failed Arm.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    int32_t Interval() const { return interval_; }
    // A new period restarts a running timer; 0 stops the ticks but keeps Enabled.
    void SetInterval(int32_t value);

    const TSimpleTimerEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TSimpleTimerEvent value);

    // Starts (or restarts) the system timer. False, with nothing changed, for a zero
    // interval; false, with Enabled cleared, when the system refuses the timer.
    bool Arm();
    // Kills the system timer; `clear` also clears Enabled. Returns the kill's success.
    bool Disarm(bool clear);

    // Delivers one tick, as the shared window does for WM_TIMER.
    void Tick();

private:
    uint32_t timerId_;
    bool enabled_ = false;
    int32_t interval_;
    TSimpleTimerEvent onTimer_;
};

// The shared window's life, for tests and diagnostics.
bool TimerHandlerExists();
uint32_t TimerHandlerUserCount();
// The shared window (HWND), or nullptr when no timer exists.
void* TimerHandlerWindow();
