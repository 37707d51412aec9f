// The run over 50 names against the real process table, with the pauses taken out: what a
// name costs beyond its 100 ms (snapshot walks, terminations, pumping). Prints the figure;
// it depends on the machine's load, so only the run's results are checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cleanup/MemoryLoad.h"
#include "cleanup/MessagePump.h"
#include "cleanup/OptimisationRun.h"
#include "cleanup/ProcessTable.h"
#include "tests/win32/CleanupTestSupport.h"

using namespace cleanup_test;

namespace {

// The real system, except that pauses are only counted.
class UnpausedSystem : public RunSystem {
public:
    std::uint32_t ReadMemoryLoad() override { return ::ReadMemoryLoad(); }
    void Sleep(std::uint32_t ms) override { paused += ms; }
    void PumpMessages() override { ::PumpMessages(); }
    bool ProcessIsRunning(const std::string& name) override { return ::ProcessIsRunning(name); }
    KillOutcome KillProcessesByName(const std::string& name) override { return TerminateProcessesByName(name); }
    std::uint32_t paused = 0;
};

class ListOnlyWindow : public RunWindow {
public:
    explicit ListOnlyWindow(std::vector<std::string> list) : list_(std::move(list)) {}
    void ClearLog() override { log.clear(); }
    void AppendLog(const std::string& line) override { log.push_back(line); }
    void ShowBeforeIndex(std::uint32_t) override {}
    void ShowAfterIndex(std::uint32_t) override {}
    void SetTimerEnabled(bool) override {}
    void ClickGetMemoryStatus() override {}
    void ClickScanNetWork() override { log.push_back(kLogNetworkDone); }
    int ListCount() override { return static_cast<int>(list_.size()); }
    std::string ListItem(int index) override { return list_.at(static_cast<std::size_t>(index)); }
    std::vector<std::string> log;

private:
    std::vector<std::string> list_;
};

}  // namespace

TEST(CleanupRunCost, FiftyNamesBeyondThePauses) {
    const std::string folder = NewScratchFolder("cost");
    std::vector<ChildProcess> helpers;
    std::vector<std::string> names;
    for (int i = 0; i < 50; ++i) {
        const std::string name = "kvcost" + std::to_string(i) + ".exe";
        if (i % 10 == 0) helpers.emplace_back(CopyHelper(folder, name), std::string(kWaitSwitch) + " 60000");
        names.push_back(name);
    }

    UnpausedSystem system;
    ListOnlyWindow window(names);
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    RunOptimisation(system, window);
    QueryPerformanceCounter(&end);

    const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    std::printf("run over 50 names (5 running): %.2f ms beyond the pauses, %.2f ms per name\n", ms, ms / 50);
    EXPECT_EQ(system.paused, 1000u + 50u * 100u);
    ASSERT_EQ(window.log.size(), 52u);
    EXPECT_EQ(window.log[0], "kvcost0.exe 清理成功");
    EXPECT_EQ(window.log[1], "kvcost1.exe 未发现");
    for (const ChildProcess& helper : helpers) EXPECT_EQ(helper.WaitExit(5000), 0);
}
