// The one-key optimisation run and the before-index refresh, written against two small
// interfaces: the system (process table, memory load, sleeping, message pumping) and the
// main window (log, index displays, timer, hidden buttons, working list). The Win32 layer
// binds them to the real calls and controls; tests bind them to fakes.
#pragma once

#include <cstdint>
#include <string>

// What terminating every process of one name came to.
struct KillOutcome {
    int matched = 0;     // processes of that name in the table
    int terminated = 0;  // of those, ended by us
    bool AllTerminated() const { return terminated == matched; }
};

class RunSystem {
public:
    virtual ~RunSystem() = default;
    virtual std::uint32_t ReadMemoryLoad() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Handles every waiting message; other handlers of the window may run inside.
    virtual void PumpMessages() = 0;
    // Pumps messages first, then walks the whole process table.
    virtual bool ProcessIsRunning(const std::string& name) = 0;
    virtual KillOutcome KillProcessesByName(const std::string& name) = 0;
};

class RunWindow {
public:
    virtual ~RunWindow() = default;
    virtual void ClearLog() = 0;
    virtual void AppendLog(const std::string& line) = 0;
    // Progress bar position and "N%" label of the before and after index.
    virtual void ShowBeforeIndex(std::uint32_t load) = 0;
    virtual void ShowAfterIndex(std::uint32_t load) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    // Clicks of the hidden buttons: the before-index refresh and the network refresh.
    virtual void ClickGetMemoryStatus() = 0;
    virtual void ClickScanNetWork() = 0;
    // The working list, read live: it may change while messages are pumped.
    virtual int ListCount() = 0;
    virtual std::string ListItem(int index) = 0;
};

// Log lines of a run.
extern const char* const kLogCleaned;      // " 清理成功"
extern const char* const kLogCleanFailed;  // " 清理失败"
extern const char* const kLogNotFound;     // " 未发现"
extern const char* const kLogNetworkDone;  // "网络优化结束..."
extern const char* const kLogRunDone;      // "优化结束..."

constexpr std::uint32_t kPauseAfterMeasureMs = 1000;
constexpr std::uint32_t kPausePerNameMs = 100;

// An index as shown beside its bar: plain decimal followed by "%".
std::string IndexText(std::uint32_t load);

// Reads the memory load, pumps messages, then shows the load as the before index.
void RefreshBeforeIndex(RunSystem& system, RunWindow& window);

// The whole run, from clearing the log to "优化结束...". Errors of the network refresh
// propagate and end the run there.
void RunOptimisation(RunSystem& system, RunWindow& window);
