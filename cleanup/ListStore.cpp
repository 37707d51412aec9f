#include "cleanup/ListStore.h"

#include <windows.h>

#include <algorithm>

#include "cleanup/ListFile.h"
#include "framework/SystemError.h"
#include "framework/Exceptions.h"
#include "framework/FileIo.h"
#include "framework/Handles.h"
#include "sysutil/ShortcutPaths.h"

namespace {

std::string programFolder;

// A name beside the target that no other running copy uses.
std::string SiblingTempPath(const std::string& path) {
    return path + "." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount()) + ".new";
}

// Writes every byte, or returns false with the error left in GetLastError.
bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr)) return false;
        if (wrote == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += wrote;
    }
    return true;
}

// Writes the new file completely and flushed; returns 0 or the system error.
DWORD WriteNewFile(const std::string& tempPath, const std::string& bytes) {
    FileHandle file(CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file) return GetLastError();
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) return GetLastError();
    return 0;
}

// Writes the file over its old bytes where it is; returns 0 or the system error.
DWORD WriteInPlace(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    if (!WriteAll(file.get(), bytes) || !SetEndOfFile(file.get()) || !FlushFileBuffers(file.get()))
        return GetLastError();
    return 0;
}

}  // namespace

const std::string& ProgramFolder() { return programFolder; }

void SetProgramFolder(const std::string& folder) { programFolder = folder; }

void SetProgramFolderFromExecutable() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    SetProgramFolder(FolderPartOf(path));
}

std::string ListFilePath() { return ProgramFolder() + "p.txt"; }

void ReplaceFileContents(const std::string& path, const std::string& bytes) {
    // A read-only list stays as it is, as it would when written in place.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        throw EFCreateError(path, SystemMessageText(ERROR_ACCESS_DENIED));
    }
    const std::string tempPath = SiblingTempPath(path);
    DWORD error = WriteNewFile(tempPath, bytes);
    if (error == 0 && !MoveFileExA(tempPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        // A name that another program has open (a viewer, a virus scanner reading the list
        // this moment) cannot be replaced, even when that program shares writing; the list
        // is then written where it is. A holder that does not share writing still fails it.
        if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) error = WriteInPlace(path, bytes);
        DeleteFileA(tempPath.c_str());
    }
    if (error != 0) {
        DeleteFileA(tempPath.c_str());
        throw EFCreateError(path, SystemMessageText(error));
    }
}

bool ReadListFile(const std::string& path, std::vector<std::string>& names) {
    if (!FileExists(path)) return false;
    names = ParseListText(ReadWholeFile(path));
    return true;
}
