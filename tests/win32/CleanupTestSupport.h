// Support for the clean-up and system-utility tests under Wine: this test program doubles
// as the helper process those tests start (copied under chosen names), and small file and
// process utilities.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cleanup_test {

// Command-line switches that turn this program into a helper before any test runs:
//   --cleanup-helper-wait MS       sleeps MS milliseconds, exits 0
//   --cleanup-helper-locked PATH   exits 0 when PATH can be neither opened for writing,
//                                  deleted nor replaced, else 1
constexpr const char* kWaitSwitch = "--cleanup-helper-wait";
constexpr const char* kLockedSwitch = "--cleanup-helper-locked";

std::string OwnExePath();
// A new empty folder under the temporary folder, with its trailing backslash.
std::string NewScratchFolder(const std::string& tag);
// Copies this program to folder + name.
std::string CopyHelper(const std::string& folder, const std::string& name);

// A started process, terminated (if still running) and closed when dropped.
class ChildProcess {
public:
    ChildProcess(const std::string& exe, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool Started() const { return process_ != nullptr; }
    bool Running() const;
    // Waits at most `ms`; the exit code, or -1 when it still runs.
    long WaitExit(DWORD ms) const;

private:
    HANDLE process_ = nullptr;
};

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace cleanup_test
