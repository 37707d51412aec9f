#include "sysutil/SystemFolders.h"

#include <windows.h>

#include "sysutil/FolderBuffer.h"

std::string SystemFolderPath(int kind) {
    switch (kind) {
        case kWindowsFolder:
            return ReadGrowingBuffer([](char* b, unsigned n) -> unsigned { return GetWindowsDirectoryA(b, n); }) + "\\";
        case kSystemFolder:
            return ReadGrowingBuffer([](char* b, unsigned n) -> unsigned { return GetSystemDirectoryA(b, n); }) + "\\";
        case kTempFolder:
            return ReadGrowingBuffer([](char* b, unsigned n) -> unsigned { return static_cast<UINT>(GetTempPathA(n, b)); });
        default:
            return std::string();
    }
}
