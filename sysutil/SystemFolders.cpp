#include "sysutil/SystemFolders.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kFirstBufferSize = 256;

// Calls fill(buffer, size) until the text fits; fill returns the text's length when it fit,
// otherwise the size it needs.
template <class Fill>
std::string ReadFolder(Fill fill) {
    std::string buffer(kFirstBufferSize, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const UINT result = fill(&buffer[0], static_cast<UINT>(buffer.size()));
        if (result < buffer.size()) {
            buffer.resize(std::strlen(buffer.c_str()));
            return buffer;
        }
        buffer.assign(result + 1, '\0');
    }
    return std::string();
}

}  // namespace

std::string SystemFolderPath(int kind) {
    switch (kind) {
        case kWindowsFolder:
            return ReadFolder([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); }) + "\\";
        case kSystemFolder:
            return ReadFolder([](char* b, UINT n) { return GetSystemDirectoryA(b, n); }) + "\\";
        case kTempFolder:
            return ReadFolder([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
        default:
            return std::string();
    }
}
