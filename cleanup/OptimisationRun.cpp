#include "cleanup/OptimisationRun.h"

const char* const kLogCleaned = " 清理成功";
const char* const kLogCleanFailed = " 清理失败";
const char* const kLogNotFound = " 未发现";
const char* const kLogNetworkDone = "网络优化结束...";
const char* const kLogRunDone = "优化结束...";

std::string IndexText(std::uint32_t load) {
    return std::to_string(load) + "%";
}

void RefreshBeforeIndex(RunSystem& system, RunWindow& window) {
    const std::uint32_t load = system.ReadMemoryLoad();
    system.PumpMessages();
    window.ShowBeforeIndex(load);
}

namespace {

// One name of the list. The item is read anew at every use, since a pump may replace the
// list; a pump that shortened it below `index` ends the walk (returns false).
bool CleanListEntry(RunSystem& system, RunWindow& window, int index) {
    if (index >= window.ListCount()) return false;
    const bool running = system.ProcessIsRunning(window.ListItem(index));
    if (index >= window.ListCount()) return false;
    if (running) {
        const KillOutcome outcome = system.KillProcessesByName(window.ListItem(index));
        system.Sleep(kPausePerNameMs);
        window.AppendLog(window.ListItem(index) + (outcome.AllTerminated() ? kLogCleaned : kLogCleanFailed));
    } else {
        window.AppendLog(window.ListItem(index) + kLogNotFound);
        system.Sleep(kPausePerNameMs);
    }
    return true;
}

}  // namespace

void RunOptimisation(RunSystem& system, RunWindow& window) {
    window.ClearLog();
    window.ClickGetMemoryStatus();
    system.Sleep(kPauseAfterMeasureMs);
    window.SetTimerEnabled(false);

    // Counted once: names added during the run are not walked.
    const int count = window.ListCount();
    for (int i = 0; i < count; ++i) {
        if (!CleanListEntry(system, window, i)) break;
    }

    window.ClickScanNetWork();
    system.PumpMessages();
    const std::uint32_t load = system.ReadMemoryLoad();
    window.ShowAfterIndex(load);
    window.AppendLog(kLogRunDone);
}
