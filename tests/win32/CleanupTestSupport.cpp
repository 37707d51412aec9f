// Helper modes of the test program, and the utilities of CleanupTestSupport.h.
#include "tests/win32/CleanupTestSupport.h"

#include <cstdlib>
#include <cstring>

namespace cleanup_test {
namespace {

// The text after `name ` on the command line, up to the end (surrounding quotes removed).
bool SwitchArgument(const char* name, std::string& argument) {
    const char* commandLine = GetCommandLineA();
    const char* found = std::strstr(commandLine, name);
    if (!found) return false;
    std::string rest = found + std::strlen(name);
    while (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    if (!rest.empty() && rest.front() == '"') {
        rest.erase(0, 1);
        const std::size_t close = rest.find('"');
        if (close != std::string::npos) rest.resize(close);
    }
    argument = rest;
    return true;
}

bool LockedAgainstOthers(const std::string& path) {
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (writer != INVALID_HANDLE_VALUE) {
        CloseHandle(writer);
        return false;
    }
    if (DeleteFileA(path.c_str())) return false;
    const std::string moved = path + ".moved";
    if (MoveFileExA(path.c_str(), moved.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
    return true;
}

// Runs before main: a helper does its job and ends without starting the tests.
struct HelperMode {
    HelperMode() {
        std::string argument;
        if (SwitchArgument(kWaitSwitch, argument)) {
            Sleep(static_cast<DWORD>(std::atoi(argument.c_str())));
            ExitProcess(0);
        }
        if (SwitchArgument(kLockedSwitch, argument)) ExitProcess(LockedAgainstOthers(argument) ? 0 : 1);
    }
} helperMode;

}  // namespace

std::string OwnExePath() {
    char path[MAX_PATH * 2] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string NewScratchFolder(const std::string& tag) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    // Process ids come round again between runs; keep trying until the folder is new.
    for (;;) {
        const std::string folder = std::string(temp) + "kvtest_" + tag + "_" + std::to_string(GetCurrentProcessId()) +
                                   "_" + std::to_string(GetTickCount()) + "_" + std::to_string(++serial) + "\\";
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return folder;
    }
}

std::string CopyHelper(const std::string& folder, const std::string& name) {
    const std::string path = folder + name;
    CopyFileA(OwnExePath().c_str(), path.c_str(), FALSE);
    return path;
}

ChildProcess::ChildProcess(const std::string& exe, const std::string& arguments) {
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        WaitForInputIdle(process_, 200);
    }
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : process_(other.process_) { other.process_ = nullptr; }

bool ChildProcess::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

long ChildProcess::WaitExit(DWORD ms) const {
    if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD wrote = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
                    wrote == bytes.size();
    CloseHandle(file);
    return ok;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

}  // namespace cleanup_test
