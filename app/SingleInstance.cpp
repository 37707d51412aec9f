#include "app/SingleInstance.h"

#include <windows.h>

namespace {
// Five ASCII letters without a "Global\" or "Local\" prefix: the session's namespace.
constexpr char kInstanceMutexName[] = "title";
}  // namespace

InstanceClaim ClaimSingleInstance() {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    if (!mutex) return InstanceClaim::NameTaken;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return InstanceClaim::AlreadyRunning;
    }
    // Never closed or released: it marks this process as the running copy until it ends.
    return InstanceClaim::First;
}
