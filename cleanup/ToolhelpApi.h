// The ToolHelp functions of the kernel module, looked up by name at run time rather than
// imported, and the three forwarders the process walks use.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

// Slot numbers, in lookup order (the names are kToolhelpNames).
enum ToolhelpSlot {
    kSlotCreateToolhelp32Snapshot = 0,
    kSlotProcess32First = 6,
    kSlotProcess32Next = 7,
    kToolhelpSlotCount = 16,
};

struct ToolhelpApiTable {
    HMODULE kernel = nullptr;
    // Each stays null when the module lacks the name.
    FARPROC slots[kToolhelpSlotCount] = {};
};

// The process-wide table: unbound until the first BindToolhelp that finds the kernel module.
const ToolhelpApiTable& ToolhelpApi();

// The sixteen entry-point names, in the order the slots are filled.
extern const char* const kToolhelpNames[kToolhelpSlotCount];

// Binds the table if not yet bound; true when the kernel module and the snapshot function
// are there.
bool BindToolhelp();

// Each binds first and returns 0 (nothing called) when binding or its own slot fails.
HANDLE ToolhelpSnapshot(DWORD flags, DWORD processId);
BOOL ToolhelpProcessFirst(HANDLE snapshot, PROCESSENTRY32* entry);
BOOL ToolhelpProcessNext(HANDLE snapshot, PROCESSENTRY32* entry);
