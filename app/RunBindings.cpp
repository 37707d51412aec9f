#include "app/RunBindings.h"

#include <windows.h>

#include "app/Unit1.h"
#include "cleanup/MemoryLoad.h"
#include "cleanup/MessagePump.h"
#include "cleanup/ProcessTable.h"

std::uint32_t SystemRunBinding::ReadMemoryLoad() { return ::ReadMemoryLoad(); }

void SystemRunBinding::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void SystemRunBinding::PumpMessages() { ::PumpMessages(); }

bool SystemRunBinding::ProcessIsRunning(const std::string& name) { return ::ProcessIsRunning(name); }

KillOutcome SystemRunBinding::KillProcessesByName(const std::string& name) {
    return ::TerminateProcessesByName(name);
}

void FormRunBinding::ClearLog() { form_.Memo_Log->Clear(); }

void FormRunBinding::AppendLog(const std::string& line) { form_.Memo_Log->Lines().Add(line); }

void FormRunBinding::ShowBeforeIndex(std::uint32_t load) {
    form_.ProgressBar1->SetPosition(static_cast<int>(load));
    form_.Label5->SetCaption(IndexText(load));
}

void FormRunBinding::ShowAfterIndex(std::uint32_t load) {
    form_.ProgressBar2->SetPosition(static_cast<int>(load));
    form_.Label6->SetCaption(IndexText(load));
}

void FormRunBinding::SetTimerEnabled(bool enabled) { form_.TimerGet->SetEnabled(enabled); }

void FormRunBinding::ClickGetMemoryStatus() { form_.Button_GetMemoryStatus->Click(); }

void FormRunBinding::ClickScanNetWork() { form_.Button_ScanNetWork->Click(); }

int FormRunBinding::ListCount() { return form_.ListBox_Process->Items().Count(); }

// Out of range raises the list's own error ("List index out of bounds (%d)"), which ends
// the run and reaches the error box.
std::string FormRunBinding::ListItem(int index) { return form_.ListBox_Process->Items().Strings(index); }
