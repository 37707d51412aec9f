#include "sysutil/NetworkRefresh.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "framework/SystemError.h"
#include "framework/Exceptions.h"
#include "framework/Handles.h"
#include "sysutil/NetworkBatch.h"
#include "sysutil/SystemFolders.h"

namespace {

// The batch file as last written. Each running batch keeps a reference to the handle it was
// started from (write access, only reading shared), so the file stays locked until the last
// of them has ended; the mutex orders that release against a new refresh taking the handle.
struct BatchFileState {
    std::mutex lock;
    std::weak_ptr<FileHandle> current;
    std::string path;
    int running = 0;
};

BatchFileState& State() {
    static BatchFileState* state = new BatchFileState;  // never freed: waiter threads may outlive main
    return *state;
}

[[noreturn]] void RaiseCreateError(const std::string& path, DWORD error) {
    throw EFCreateError(path, SystemMessageText(error));
}

void WriteBatch(HANDLE file, const std::string& path, const std::string& text) {
    if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) RaiseCreateError(path, GetLastError());
    std::size_t done = 0;
    while (done < text.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(file, text.data() + done, chunk, &wrote, nullptr)) RaiseCreateError(path, GetLastError());
        if (wrote == 0) RaiseCreateError(path, ERROR_WRITE_FAULT);
        done += wrote;
    }
    if (!SetEndOfFile(file)) RaiseCreateError(path, GetLastError());
}

// The held batch file for `path`, written with `text`: the handle of a batch still running
// when there is one, else a newly created file.
std::shared_ptr<FileHandle> WriteHeldBatch(const std::string& path, const std::string& text) {
    BatchFileState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    std::shared_ptr<FileHandle> file = state.current.lock();
    if (!file || state.path != path) {
        file = std::make_shared<FileHandle>(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!*file) RaiseCreateError(path, GetLastError());
        state.current = file;
        state.path = path;
    }
    WriteBatch(file->get(), path, text);
    return file;
}

// Starts the batch hidden (no console window at all) through the command interpreter of the
// system folder, named by its full path so that no search can find another program; none
// when it did not start.
KernelHandle StartBatch(const std::string& batchPath) {
    const std::string systemFolder = SystemFolderPath(kSystemFolder);
    if (systemFolder.size() <= 1) return KernelHandle();
    const std::string interpreter = systemFolder + "cmd.exe";
    std::string commandLine = BatchCommandLine(interpreter, batchPath);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(interpreter.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
        return KernelHandle();
    }
    CloseHandle(info.hThread);
    return KernelHandle(info.hProcess);
}

// Keeps `file` held until the batch process ends, waiting on another thread so that the
// user-interface thread goes on at once.
void HoldUntilEnded(KernelHandle process, std::shared_ptr<FileHandle> file) {
    BatchFileState& state = State();
    {
        std::lock_guard<std::mutex> guard(state.lock);
        ++state.running;
    }
    auto wait = [&state](KernelHandle process, std::shared_ptr<FileHandle> file) {
        WaitForSingleObject(process.get(), INFINITE);
        std::lock_guard<std::mutex> guard(state.lock);
        file.reset();
        --state.running;
    };
    try {
        std::thread(wait, std::move(process), file).detach();
    } catch (const std::system_error&) {
        // No thread to wait with: the file stays held for the rest of the program's life.
        static std::vector<std::shared_ptr<FileHandle>> keptForever;
        keptForever.push_back(std::move(file));
    }
}

}  // namespace

void StartNetworkRefresh(const std::string& batchText) {
    std::shared_ptr<FileHandle> file = WriteHeldBatch(NetworkBatchPath(SystemFolderPath(kTempFolder)), batchText);
    KernelHandle process = StartBatch(NetworkBatchPath(SystemFolderPath(kTempFolder)));
    if (process) HoldUntilEnded(std::move(process), std::move(file));
}

int RunningNetworkBatches() {
    BatchFileState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.running;
}
