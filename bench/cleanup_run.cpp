// Times the clean-up's own work, with the system and the window replaced by counters:
// name matching against a process table of typical size, and the run's walk over a large
// list (pauses and pumps cost nothing here, so what is left is the run's own bookkeeping).
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cleanup/ListFile.h"
#include "cleanup/OptimisationRun.h"
#include "cleanup/ProcessName.h"

namespace {

using Clock = std::chrono::steady_clock;

double NanosecondsPer(Clock::duration elapsed, std::size_t count) {
    return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(count);
}

// A process table of `size` entries, some with full paths, and one wanted name per entry.
std::vector<std::string> MakeTable(int size) {
    std::vector<std::string> table;
    for (int i = 0; i < size; ++i) {
        std::string name = "Process" + std::to_string(i) + ".EXE";
        table.push_back(i % 4 == 0 ? "C:\\Program Files\\Vendor\\" + name : name);
    }
    return table;
}

// The system: every walk is a real walk over `table` with ProcessNameMatches.
class TableSystem : public RunSystem {
public:
    explicit TableSystem(const std::vector<std::string>& table) : table_(table) {}
    std::uint32_t ReadMemoryLoad() override { return 42; }
    void Sleep(std::uint32_t) override {}
    void PumpMessages() override {}
    bool ProcessIsRunning(const std::string& name) override {
        bool found = false;
        for (const std::string& exe : table_) found |= ProcessNameMatches(exe, name);
        return found;
    }
    KillOutcome KillProcessesByName(const std::string& name) override {
        KillOutcome outcome;
        for (const std::string& exe : table_) {
            if (ProcessNameMatches(exe, name)) ++outcome.matched, ++outcome.terminated;
        }
        return outcome;
    }

private:
    const std::vector<std::string>& table_;
};

class ListWindow : public RunWindow {
public:
    explicit ListWindow(std::vector<std::string> list) : list_(std::move(list)) {}
    void ClearLog() override { log_.clear(); }
    void AppendLog(const std::string& line) override { log_.push_back(line); }
    void ShowBeforeIndex(std::uint32_t) override {}
    void ShowAfterIndex(std::uint32_t) override {}
    void SetTimerEnabled(bool) override {}
    void ClickGetMemoryStatus() override {}
    void ClickScanNetWork() override { log_.push_back(kLogNetworkDone); }
    int ListCount() override { return static_cast<int>(list_.size()); }
    std::string ListItem(int index) override { return list_.at(static_cast<std::size_t>(index)); }
    std::size_t LogLines() const { return log_.size(); }

private:
    std::vector<std::string> list_;
    std::vector<std::string> log_;
};

}  // namespace

int main() {
    const std::vector<std::string> table = MakeTable(120);

    // Name matching: every wanted name against every entry.
    {
        std::vector<std::string> wanted;
        for (int i = 0; i < 200; ++i) wanted.push_back("process" + std::to_string(i * 7) + ".exe");
        std::size_t matches = 0;
        const int rounds = 200;
        const auto start = Clock::now();
        for (int r = 0; r < rounds; ++r) {
            for (const std::string& w : wanted) {
                for (const std::string& exe : table) matches += ProcessNameMatches(exe, w);
            }
        }
        const auto elapsed = Clock::now() - start;
        const std::size_t comparisons = static_cast<std::size_t>(rounds) * wanted.size() * table.size();
        std::printf("name matching: %.1f ns per comparison (%zu comparisons, %zu matches)\n",
                    NanosecondsPer(elapsed, comparisons), comparisons, matches);
    }

    // The run over a large list against a 120-entry table.
    {
        std::string file;
        for (int i = 0; i < 5000; ++i) file += "process" + std::to_string(i) + ".exe\r\n";
        const std::vector<std::string> names = ParseListText(file);
        TableSystem system(table);
        ListWindow window(names);
        const auto start = Clock::now();
        RunOptimisation(system, window);
        const auto elapsed = Clock::now() - start;
        std::printf("run: %zu names, %.2f us per name beyond the pauses (walks of a 120-entry table), %zu log lines\n",
                    names.size(), NanosecondsPer(elapsed, names.size()) / 1000.0, window.LogLines());
    }

    // Reading a large list file.
    {
        std::string file;
        for (int i = 0; i < 100000; ++i) file += "process" + std::to_string(i) + ".exe\r\n";
        const auto start = Clock::now();
        const std::vector<std::string> names = ParseListText(file);
        const auto elapsed = Clock::now() - start;
        std::printf("list file: %zu names read in %.2f ms\n", names.size(),
                    std::chrono::duration<double, std::milli>(elapsed).count());
    }
    return 0;
}
