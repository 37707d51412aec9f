#include "cleanup/ProcessTable.h"

#include "cleanup/MessagePump.h"
#include "cleanup/ProcessName.h"
#include "cleanup/ToolhelpApi.h"

namespace {

// 296 bytes in the 32-bit program.
constexpr DWORD kProcessEntrySize = sizeof(PROCESSENTRY32);

// Calls visit(entry) for every entry of a new process snapshot, then closes the snapshot.
template <class Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = ToolhelpSnapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = kProcessEntrySize;
    BOOL more = ToolhelpProcessFirst(snapshot, &entry);
    while (more) {
        visit(entry);
        more = ToolhelpProcessNext(snapshot, &entry);
    }
    CloseHandle(snapshot);
}

// One attempt: true when the process was opened and terminated.
bool TerminateOne(const PROCESSENTRY32& entry) {
    if (IsUntouchableProcess(ExeFieldText(entry.szExeFile), entry.th32ProcessID, GetCurrentProcessId())) {
        return false;
    }
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
    if (!process) return false;
    const BOOL ended = TerminateProcess(process, 0);
    CloseHandle(process);
    return ended != FALSE;
}

struct KillResult {
    KillOutcome outcome;
    bool lastSucceeded = false;
};

KillResult KillAll(const std::string& wanted) {
    KillResult result;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        if (!ProcessNameMatches(entry, wanted)) return;
        ++result.outcome.matched;
        result.lastSucceeded = TerminateOne(entry);
        if (result.lastSucceeded) ++result.outcome.terminated;
    });
    return result;
}

}  // namespace

bool ProcessNameMatches(const PROCESSENTRY32& entry, const std::string& wanted) {
    return ProcessNameMatches(ExeFieldText(entry.szExeFile), wanted);
}

bool ProcessIsRunning(const std::string& wanted) {
    PumpMessages();
    bool found = false;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        if (ProcessNameMatches(entry, wanted)) found = true;
    });
    return found;
}

KillOutcome TerminateProcessesByName(const std::string& wanted) { return KillAll(wanted).outcome; }

int KillProcessesByName(const std::string& wanted) { return KillAll(wanted).lastSucceeded ? 1 : 0; }
