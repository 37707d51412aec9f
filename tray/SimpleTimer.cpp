#include "tray/SimpleTimer.h"

#include "framework/UtilWindow.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The hidden window shared by all timers, with the number of timers using it.
class TSimpleTimerHandler {
public:
    TSimpleTimerHandler() : window_([this](TMessage& m) { return HandleMessage(m); }) {}

    uint32_t UserCount = 0;
    HWND HandlerWindow() const { return window_.Handle(); }

    std::vector<TSimpleTimer*> liveTimers;

private:
    // Only WM_TIMER is ours; everything else goes to the default procedure.
    bool HandleMessage(TMessage& m) {
        switch (m.Msg) {
        case WM_TIMER: OnTimerMessage(static_cast<uint32_t>(m.WParam)); return true;
        default: return false;
        }
    }

    void OnTimerMessage(uint32_t id) {
        // An id that names no live timer (one killed while its message was queued) is
        // ignored.
        auto it = std::find_if(liveTimers.begin(), liveTimers.end(),
                               [id](TSimpleTimer* t) { return t->TimerId() == id; });
        if (it != liveTimers.end()) (*it)->Tick();
    }

    UtilWindow window_;
};

// Destroyed at module end if a timer is still alive then.
std::unique_ptr<TSimpleTimerHandler> TimerHandlerInstance;
uint32_t lastTimerId = 0;

void AcquireTimerHandler(TSimpleTimer* timer) {
    if (!TimerHandlerInstance) TimerHandlerInstance = std::make_unique<TSimpleTimerHandler>();
    ++TimerHandlerInstance->UserCount;
    TimerHandlerInstance->liveTimers.push_back(timer);
}

void ReleaseTimerHandler(TSimpleTimer* timer) {
    if (!TimerHandlerInstance) return;
    auto& live = TimerHandlerInstance->liveTimers;
    live.erase(std::remove(live.begin(), live.end(), timer), live.end());
    if (TimerHandlerInstance->UserCount > 0) --TimerHandlerInstance->UserCount;
    if (TimerHandlerInstance->UserCount == 0) TimerHandlerInstance.reset();
}

HWND HandlerWindow() {
    return TimerHandlerInstance ? TimerHandlerInstance->HandlerWindow() : nullptr;
}

}  // namespace

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(int32_t interval, TSimpleTimerEvent onTimer)
    : timerId_(++lastTimerId), interval_(interval) {
    SetOnTimer(std::move(onTimer));
    AcquireTimerHandler(this);
}

TSimpleTimer::~TSimpleTimer() {
    if (enabled_) Disarm(true);
    ReleaseTimerHandler(this);
}

void TSimpleTimer::SetEnabled(bool value) {
    if (value)
        Arm();
    else
        Disarm(true);
}

void TSimpleTimer::SetInterval(int32_t value) {
    if (value == interval_) return;
    interval_ = value;
    if (!enabled_) return;
    if (value != 0)
        Arm();
    else
        Disarm(false);
}

void TSimpleTimer::SetOnTimer(TSimpleTimerEvent value) {
    onTimer_ = std::move(value);
    if (!onTimer_ && enabled_) Disarm(false);
}

bool TSimpleTimer::Arm() {
    if (interval_ == 0) return false;
    if (enabled_) Disarm(true);
    const bool ok = SetTimer(HandlerWindow(), timerId_, static_cast<UINT>(interval_), nullptr) != 0;
    if (ok) enabled_ = true;
    return ok;
}

bool TSimpleTimer::Disarm(bool clear) {
    if (clear) enabled_ = false;
    return KillTimer(HandlerWindow(), timerId_) != 0;
}

void TSimpleTimer::Tick() {
    // A copy: the handler may replace itself or end this timer.
    TSimpleTimerEvent handler = onTimer_;
    if (handler) handler(*this);
}

bool TimerHandlerExists() { return TimerHandlerInstance != nullptr; }
uint32_t TimerHandlerUserCount() { return TimerHandlerInstance ? TimerHandlerInstance->UserCount : 0; }
void* TimerHandlerWindow() { return HandlerWindow(); }
