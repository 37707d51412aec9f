// System folders and the network batch: its bytes, its hidden start through the command
// interpreter, and the lock that keeps other processes off it while it runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "cleanup/ProcessTable.h"
#include "framework/Exceptions.h"
#include "sysutil/NetworkBatch.h"
#include "sysutil/NetworkRefresh.h"
#include "sysutil/SystemFolders.h"
#include "tests/win32/CleanupTestSupport.h"

using namespace cleanup_test;

namespace {

// Sets TMP and TEMP for one test and puts them back afterwards.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const std::string& folder) {
        for (const char* name : {"TMP", "TEMP"}) {
            char old[4096] = {};
            const DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
            saved_.push_back({name, n ? std::string(old) : std::string(), n != 0});
            SetEnvironmentVariableA(name, folder.c_str());
        }
    }
    ~TempFolderOverride() {
        for (const Saved& s : saved_) SetEnvironmentVariableA(s.name, s.had ? s.value.c_str() : nullptr);
    }

private:
    struct Saved {
        const char* name;
        std::string value;
        bool had;
    };
    std::vector<Saved> saved_;
};

bool WaitUntil(DWORD ms, bool (*condition)()) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

bool NoBatchRunning() { return RunningNetworkBatches() == 0; }

}  // namespace

TEST(SysutilFolders, ThreeKinds) {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    EXPECT_EQ(SystemFolderPath(0), std::string(buffer) + "\\");
    GetSystemDirectoryA(buffer, MAX_PATH);
    EXPECT_EQ(SystemFolderPath(1), std::string(buffer) + "\\");
    GetTempPathA(MAX_PATH, buffer);
    EXPECT_EQ(SystemFolderPath(2), std::string(buffer));
    EXPECT_EQ(SystemFolderPath(2).back(), '\\');
    EXPECT_EQ(SystemFolderPath(3), "");
}

TEST(SysutilFolders, TemporaryFolderLongerThanTheFirstBuffer) {
    const std::string longFolder = "C:\\" + std::string(150, 'a') + "\\" + std::string(150, 'b') + "\\";
    TempFolderOverride temp(longFolder);
    char probe[8];
    if (GetTempPathA(sizeof probe, probe) == 0) GTEST_SKIP() << "this system cannot report temporary folders that long";
    const std::string got = SystemFolderPath(2);
    ASSERT_GT(got.size(), 256u);
    EXPECT_EQ(got, longFolder);
}

TEST(SysutilNetwork, WritesTheBatchAndRunsItFromAFolderWithBlanks) {
    const std::string folder = NewScratchFolder("net dir & more");
    TempFolderOverride temp(folder);
    const std::string batch = NetworkBatchPath(folder);
    EXPECT_EQ(batch, folder + "\\RestorationNet.bat");

    // A batch that leaves a mark proves it ran, from a path with blanks and an ampersand.
    const std::string mark = folder + "ran.txt";
    const std::string text = "echo ran> \"" + mark + "\"\r\n";
    StartNetworkRefresh(text);
    EXPECT_TRUE(WaitUntil(15000, NoBatchRunning));
    EXPECT_EQ(ReadFileBytes(mark).substr(0, 3), "ran");
    EXPECT_EQ(ReadFileBytes(folder + "RestorationNet.bat"), text);

    // The usual text, byte for byte; the file stays after the run.
    StartNetworkRefresh(kNetworkBatchText);
    EXPECT_EQ(ReadFileBytes(folder + "RestorationNet.bat"),
              "arp -d *\r\nnbtstat -R\r\nipconfig /flushdns\r\nnbtstat -RR\r\nipconfig /registerdns\r\n");
    EXPECT_TRUE(WaitUntil(30000, NoBatchRunning));
    EXPECT_NE(GetFileAttributesA((folder + "RestorationNet.bat").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SysutilNetwork, OtherProcessesCannotChangeTheBatchWhileItRuns) {
    const std::string folder = NewScratchFolder("netlock");
    TempFolderOverride temp(folder);
    const std::string helper = CopyHelper(folder, "kvbatchwait.exe");
    const std::string prober = CopyHelper(folder, "kvprober.exe");
    const std::string batchFile = folder + "RestorationNet.bat";

    StartNetworkRefresh("\"" + helper + "\" " + kWaitSwitch + " 4000\r\n");
    ASSERT_EQ(RunningNetworkBatches(), 1);
    // The user-interface thread was not held up: the batch is still going.
    EXPECT_TRUE(WaitUntil(3000, [] { return ProcessIsRunning("kvbatchwait.exe"); }));

    ChildProcess probe(prober, std::string(kLockedSwitch) + " \"" + batchFile + "\"");
    EXPECT_EQ(probe.WaitExit(10000), 0) << "another process could write, delete or replace the batch";
    EXPECT_EQ(ReadFileBytes(batchFile), "\"" + helper + "\" " + kWaitSwitch + " 4000\r\n");

    // A second refresh while the first batch runs rewrites the file it holds.
    StartNetworkRefresh("rem second\r\n");
    EXPECT_EQ(ReadFileBytes(batchFile), "rem second\r\n");

    // Once every batch has ended, the file is free again.
    ASSERT_TRUE(WaitUntil(20000, NoBatchRunning));
    ChildProcess probeAfter(prober, std::string(kLockedSwitch) + " \"" + batchFile + "\"");
    EXPECT_EQ(probeAfter.WaitExit(10000), 1);
}

TEST(SysutilNetwork, BatchThatCannotBeCreatedRaisesTheCreateError) {
    const std::string folder = NewScratchFolder("netfail");
    TempFolderOverride temp(folder + "missing\\");
    try {
        StartNetworkRefresh(kNetworkBatchText);
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + folder + "missing\\\\RestorationNet.bat\". ", 0), 0u)
            << e.Message();
    }
    EXPECT_EQ(RunningNetworkBatches(), 0);
}
