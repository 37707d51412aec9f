// The optimisation run and the before-index refresh, checked step by step with fakes that
// record every call in order.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "cleanup/OptimisationRun.h"

namespace {

using Steps = std::vector<std::string>;

// One journal for system and window calls, so their relative order is visible.
class FakeSystemAndWindow : public RunSystem, public RunWindow {
public:
    Steps steps;
    std::vector<std::string> log;
    std::vector<std::string> list;
    std::multiset<std::string> running;           // process names, one entry per process
    std::set<std::string> unkillable;             // names whose processes survive termination
    std::vector<std::uint32_t> loads{37};         // successive memory loads, last one repeats
    std::function<void(int pumpNumber)> onPump;   // runs inside the Nth pump
    std::function<void()> onScanNetWork;
    int pumps = 0;
    bool timerEnabled = true;
    std::string before, after;

    // RunSystem
    std::uint32_t ReadMemoryLoad() override {
        const std::uint32_t load = loads[std::min(loadReads_, loads.size() - 1)];
        ++loadReads_;
        steps.push_back("load " + std::to_string(load));
        return load;
    }
    void Sleep(std::uint32_t ms) override { steps.push_back("sleep " + std::to_string(ms)); }
    void PumpMessages() override {
        steps.push_back("pump");
        const int number = ++pumps;
        if (onPump) onPump(number);
    }
    bool ProcessIsRunning(const std::string& name) override {
        PumpMessages();
        steps.push_back("running? " + name);
        return running.count(name) > 0;
    }
    KillOutcome KillProcessesByName(const std::string& name) override {
        steps.push_back("kill " + name);
        KillOutcome outcome;
        outcome.matched = static_cast<int>(running.count(name));
        if (unkillable.count(name) == 0) {
            outcome.terminated = outcome.matched;
            running.erase(name);
        }
        return outcome;
    }

    // RunWindow
    void ClearLog() override {
        steps.push_back("clear log");
        log.clear();
    }
    void AppendLog(const std::string& line) override {
        steps.push_back("log " + line);
        log.push_back(line);
    }
    void ShowBeforeIndex(std::uint32_t load) override {
        before = IndexText(load);
        steps.push_back("before " + before);
    }
    void ShowAfterIndex(std::uint32_t load) override {
        after = IndexText(load);
        steps.push_back("after " + after);
    }
    void SetTimerEnabled(bool enabled) override {
        timerEnabled = enabled;
        steps.push_back(enabled ? "timer on" : "timer off");
    }
    void ClickGetMemoryStatus() override {
        steps.push_back("click memory");
        RefreshBeforeIndex(*this, *this);
    }
    void ClickScanNetWork() override {
        steps.push_back("click network");
        // The network refresh writes its own log line; that is the window's handler, not
        // the run, so the fake writes nothing here.
        if (onScanNetWork) onScanNetWork();
    }
    int ListCount() override { return static_cast<int>(list.size()); }
    std::string ListItem(int index) override {
        if (index < 0 || index >= ListCount()) throw std::out_of_range("List index out of bounds");
        return list[index];
    }

    void Run() { RunOptimisation(*this, *this); }

private:
    std::size_t loadReads_ = 0;
};

}  // namespace

TEST(CleanupRun, EveryStepInOrder) {
    FakeSystemAndWindow f;
    f.list = {"qq.exe", "gone.exe"};
    f.running = {"qq.exe", "qq.exe"};
    f.loads = {41, 29};
    f.log = {"old line"};
    f.Run();
    EXPECT_EQ(f.steps, (Steps{
                           "clear log",
                           "click memory", "load 41", "pump", "before 41%",
                           "sleep 1000",
                           "timer off",
                           "pump", "running? qq.exe", "kill qq.exe", "sleep 100", "log qq.exe 清理成功",
                           "pump", "running? gone.exe", "log gone.exe 未发现", "sleep 100",
                           "click network",
                           "pump",
                           "load 29", "after 29%",
                           "log 优化结束...",
                       }));
    EXPECT_EQ(f.log, (std::vector<std::string>{"qq.exe 清理成功", "gone.exe 未发现", "优化结束..."}));
    EXPECT_TRUE(f.running.empty());
    EXPECT_FALSE(f.timerEnabled);
}

TEST(CleanupRun, EmptyListStillPausesAndStopsTheTimer) {
    FakeSystemAndWindow f;
    f.Run();
    EXPECT_EQ(f.log, (std::vector<std::string>{"优化结束..."}));
    EXPECT_EQ(std::count(f.steps.begin(), f.steps.end(), "sleep 1000"), 1);
    EXPECT_FALSE(f.timerEnabled);
}

TEST(CleanupRun, NamesAsStoredBlankAndDuplicates) {
    FakeSystemAndWindow f;
    f.list = {"", "a.exe", "a.exe", "a.exe "};
    f.running = {"a.exe"};
    f.Run();
    EXPECT_EQ(f.log, (std::vector<std::string>{" 未发现", "a.exe 清理成功", "a.exe 未发现", "a.exe  未发现",
                                               "优化结束..."}));
}

TEST(CleanupRun, NameWithSurvivorsLogsFailure) {
    FakeSystemAndWindow f;
    f.list = {"csrss.exe", "b.exe"};
    f.running = {"csrss.exe", "b.exe"};
    f.unkillable = {"csrss.exe"};
    f.Run();
    EXPECT_EQ(f.log[0], "csrss.exe 清理失败");
    EXPECT_EQ(f.log[1], "b.exe 清理成功");
}

TEST(CleanupRun, IndexTextsArePlainDecimals) {
    EXPECT_EQ(IndexText(0), "0%");
    EXPECT_EQ(IndexText(7), "7%");
    EXPECT_EQ(IndexText(100), "100%");
}

TEST(CleanupRun, BeforeRefreshPumpsBetweenReadingAndShowing) {
    FakeSystemAndWindow f;
    f.loads = {58};
    RefreshBeforeIndex(f, f);
    EXPECT_EQ(f.steps, (Steps{"load 58", "pump", "before 58%"}));
}

TEST(CleanupRun, ListShortenedDuringAPumpEndsTheWalkAndTheRunCompletes) {
    FakeSystemAndWindow f;
    f.list = {"a.exe", "b.exe", "c.exe"};
    f.running = {"b.exe"};
    // Pumps: 1 before index, 2 before a.exe, 3 before b.exe: the user saved a shorter list.
    f.onPump = [&](int n) {
        if (n == 3) f.list = {"x.exe"};
    };
    f.Run();
    EXPECT_EQ(f.log, (std::vector<std::string>{"a.exe 未发现", "优化结束..."}));
    EXPECT_EQ(f.after, "37%");
}

TEST(CleanupRun, ItemsAreReadAnewAfterAPumpAndTheCountIsTakenOnce) {
    FakeSystemAndWindow f;
    f.list = {"a.exe", "b.exe"};
    f.running = {"a.exe", "z.exe"};
    // During the pump before item 1 the list is replaced by a longer one: the test asked
    // about b.exe (read before the pump), the log line names the new item 1.
    f.onPump = [&](int n) {
        if (n == 3) f.list = {"y.exe", "z.exe", "w.exe"};
    };
    f.Run();
    EXPECT_EQ(f.log, (std::vector<std::string>{"a.exe 清理成功", "z.exe 未发现", "优化结束..."}));
}

TEST(CleanupRun, SecondClickDuringAPumpRunsACompleteRunThenTheFirstGoesOn) {
    FakeSystemAndWindow f;
    f.list = {"a.exe", "b.exe"};
    bool nested = false;
    // Pump 3 is the one before b.exe in the first run.
    f.onPump = [&](int n) {
        if (n == 3 && !nested) {
            nested = true;
            f.Run();
        }
    };
    f.Run();
    // The nested run cleared the log and wrote its own lines; the first one then finished.
    EXPECT_EQ(f.log, (std::vector<std::string>{"a.exe 未发现", "b.exe 未发现", "优化结束...",
                                               "b.exe 未发现", "优化结束..."}));
    EXPECT_EQ(std::count(f.steps.begin(), f.steps.end(), "clear log"), 2);
    EXPECT_EQ(std::count(f.steps.begin(), f.steps.end(), "sleep 1000"), 2);
}

TEST(CleanupRun, NetworkErrorEndsTheRunBeforeTheAfterIndex) {
    FakeSystemAndWindow f;
    f.list = {"a.exe"};
    f.onScanNetWork = [] { throw std::runtime_error("Cannot create file"); };
    EXPECT_THROW(f.Run(), std::runtime_error);
    EXPECT_EQ(f.log, (std::vector<std::string>{"a.exe 未发现"}));
    EXPECT_EQ(f.after, "");
    EXPECT_FALSE(f.timerEnabled);
}
