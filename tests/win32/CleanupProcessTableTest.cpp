// The process table by name, against helper processes started under chosen names.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cleanup/MemoryLoad.h"
#include "cleanup/ProcessTable.h"
#include "cleanup/ToolhelpApi.h"
#include "tests/win32/CleanupTestSupport.h"

using namespace cleanup_test;

namespace {

std::string WaitArgs() { return std::string(kWaitSwitch) + " 60000"; }

std::string ExeNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

}  // namespace

TEST(CleanupToolhelp, SlotsHoldTheKernelsToolhelpFunctionsInOrder) {
    ASSERT_TRUE(BindToolhelp());
    const ToolhelpApiTable& api = ToolhelpApi();
    EXPECT_EQ(api.kernel, GetModuleHandleA("kernel32.dll"));
    // The kernel's ToolHelp entry points in the order the slots are filled, named here
    // rather than taken from the table under test.
    const char* const expected[kToolhelpSlotCount] = {
        "CreateToolhelp32Snapshot", "Heap32ListFirst", "Heap32ListNext", "Heap32First", "Heap32Next",
        "Toolhelp32ReadProcessMemory", "Process32First", "Process32Next", "Process32FirstW", "Process32NextW",
        "Thread32First", "Thread32Next", "Module32First", "Module32Next", "Module32FirstW", "Module32NextW",
    };
    for (int i = 0; i < kToolhelpSlotCount; ++i) {
        EXPECT_EQ(api.slots[i], GetProcAddress(api.kernel, expected[i])) << expected[i];
        EXPECT_NE(api.slots[i], nullptr) << expected[i];
    }
    // A walk through the bound slots finds this process.
    HANDLE snapshot = ToolhelpSnapshot(TH32CS_SNAPPROCESS, 0);
    ASSERT_NE(snapshot, INVALID_HANDLE_VALUE);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool foundSelf = false;
    for (BOOL more = ToolhelpProcessFirst(snapshot, &entry); more; more = ToolhelpProcessNext(snapshot, &entry)) {
        if (entry.th32ProcessID == GetCurrentProcessId()) foundSelf = true;
    }
    CloseHandle(snapshot);
    EXPECT_TRUE(foundSelf);
    EXPECT_TRUE(BindToolhelp());  // a second call keeps the table
}

TEST(CleanupProcessTable, FindsAndTerminatesEveryCopyByNameInAnyCase) {
    const std::string folderA = NewScratchFolder("procA");
    const std::string folderB = NewScratchFolder("procB");
    ChildProcess copy1(CopyHelper(folderA, "KvTwin.exe"), WaitArgs());
    ChildProcess copy2(CopyHelper(folderB, "KvTwin.exe"), WaitArgs());
    ChildProcess other(CopyHelper(folderA, "kvother.exe"), WaitArgs());
    ASSERT_TRUE(copy1.Running() && copy2.Running() && other.Running());

    EXPECT_TRUE(ProcessIsRunning("kvtwin.exe"));
    EXPECT_TRUE(ProcessIsRunning("KVTWIN.EXE"));
    EXPECT_FALSE(ProcessIsRunning("kvtwin"));
    EXPECT_FALSE(ProcessIsRunning("kvtwin.exe "));
    EXPECT_FALSE(ProcessIsRunning(""));

    const KillOutcome outcome = TerminateProcessesByName("kVtWiN.eXe");
    EXPECT_EQ(outcome.matched, 2);
    EXPECT_EQ(outcome.terminated, 2);
    EXPECT_EQ(copy1.WaitExit(5000), 0);
    EXPECT_EQ(copy2.WaitExit(5000), 0);
    EXPECT_TRUE(other.Running());
    EXPECT_FALSE(ProcessIsRunning("kvtwin.exe"));
    EXPECT_EQ(KillProcessesByName("kvtwin.exe"), 0);  // nothing matched

    EXPECT_NE(KillProcessesByName("KVOTHER.EXE"), 0);
    EXPECT_EQ(other.WaitExit(5000), 0);
}

TEST(CleanupProcessTable, NeverTerminatesItself) {
    const std::string self = ExeNameOf(OwnExePath());
    ASSERT_TRUE(ProcessIsRunning(self));
    const KillOutcome outcome = TerminateProcessesByName(self);
    EXPECT_GE(outcome.matched, 1);
    EXPECT_EQ(outcome.terminated, 0);
    EXPECT_FALSE(outcome.AllTerminated());
    EXPECT_EQ(KillProcessesByName(self), 0);
    // Still here to say so.
}

TEST(CleanupProcessTable, SystemProcessesAreLeftAlone) {
    // Wine keeps a services.exe running for every prefix.
    if (!ProcessIsRunning("services.exe")) GTEST_SKIP() << "no services.exe in this table";
    const KillOutcome outcome = TerminateProcessesByName("services.exe");
    EXPECT_EQ(outcome.terminated, 0);
    EXPECT_TRUE(ProcessIsRunning("services.exe"));
}

TEST(CleanupProcessTable, IsRunningHandlesWaitingMessagesFirst) {
    constexpr UINT kProbe = WM_APP + 77;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // make sure the thread has a queue
    ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), kProbe, 0, 0));
    ProcessIsRunning("no-such-process.exe");
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, kProbe, kProbe, PM_REMOVE));
}

TEST(CleanupMemoryLoad, IsTheShareOfPhysicalMemoryInUse) {
    // Worked out from the system's own totals, read just before and just after.
    auto share = [] {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatusEx(&status);
        return static_cast<int>((status.ullTotalPhys - status.ullAvailPhys) * 100 / status.ullTotalPhys);
    };
    const int first = share();
    const int load = static_cast<int>(ReadMemoryLoad());
    const int last = share();
    EXPECT_GE(load, std::min(first, last) - 1);
    EXPECT_LE(load, std::max(first, last) + 1);
}
