#pragma once
// The optimisation run's two interfaces bound to the real system and to the main window.
#include "cleanup/OptimisationRun.h"

class TForm1;

// Memory load, sleeping, message pumping and the process table of this machine.
class SystemRunBinding : public RunSystem {
public:
    std::uint32_t ReadMemoryLoad() override;
    void Sleep(std::uint32_t milliseconds) override;
    void PumpMessages() override;
    bool ProcessIsRunning(const std::string& name) override;
    KillOutcome KillProcessesByName(const std::string& name) override;
};

// The log, the index bars and labels, the timer, the hidden buttons and the working list
// of the main window.
class FormRunBinding : public RunWindow {
public:
    explicit FormRunBinding(TForm1& form) : form_(form) {}
    void ClearLog() override;
    void AppendLog(const std::string& line) override;
    void ShowBeforeIndex(std::uint32_t load) override;
    void ShowAfterIndex(std::uint32_t load) override;
    void SetTimerEnabled(bool enabled) override;
    void ClickGetMemoryStatus() override;
    void ClickScanNetWork() override;
    int ListCount() override;
    std::string ListItem(int index) override;

private:
    TForm1& form_;
};
