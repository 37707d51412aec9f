#include "cleanup/ToolhelpApi.h"

namespace {

ToolhelpApiTable table;

using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

// A looked-up entry point as the function type it has.
template <class Fn>
Fn As(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

const char* const kToolhelpNames[kToolhelpSlotCount] = {
    "CreateToolhelp32Snapshot", "Heap32ListFirst", "Heap32ListNext", "Heap32First",
    "Heap32Next",               "Toolhelp32ReadProcessMemory",     "Process32First",
    "Process32Next",            "Process32FirstW", "Process32NextW", "Thread32First",
    "Thread32Next",             "Module32First",   "Module32Next",   "Module32FirstW",
    "Module32NextW",
};

#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32) == 296, "the ANSI process entry");
#endif

const ToolhelpApiTable& ToolhelpApi() { return table; }

bool BindToolhelp() {
    if (!table.kernel) {
        table.kernel = GetModuleHandleA("kernel32.dll");
        if (table.kernel) {
            for (int i = 0; i < kToolhelpSlotCount; ++i) {
                table.slots[i] = GetProcAddress(table.kernel, kToolhelpNames[i]);
            }
        }
    }
    return table.kernel && table.slots[kSlotCreateToolhelp32Snapshot];
}

HANDLE ToolhelpSnapshot(DWORD flags, DWORD processId) {
    if (!BindToolhelp()) return nullptr;
    return As<SnapshotFn>(table.slots[kSlotCreateToolhelp32Snapshot])(flags, processId);
}

BOOL ToolhelpProcessFirst(HANDLE snapshot, PROCESSENTRY32* entry) {
    if (!BindToolhelp() || !table.slots[kSlotProcess32First]) return FALSE;
    return As<ProcessWalkFn>(table.slots[kSlotProcess32First])(snapshot, entry);
}

BOOL ToolhelpProcessNext(HANDLE snapshot, PROCESSENTRY32* entry) {
    if (!BindToolhelp() || !table.slots[kSlotProcess32Next]) return FALSE;
    return As<ProcessWalkFn>(table.slots[kSlotProcess32Next])(snapshot, entry);
}
