#include "cleanup/MemoryLoad.h"

#include <windows.h>

std::uint32_t ReadMemoryLoad() {
    MEMORYSTATUS status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    return status.dwMemoryLoad;
}
