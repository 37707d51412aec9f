// Finding and terminating processes by executable name, over a fresh ToolHelp snapshot
// each time.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "cleanup/OptimisationRun.h"

bool ProcessNameMatches(const PROCESSENTRY32& entry, const std::string& wanted);

// Pumps waiting messages first, then walks the whole table.
bool ProcessIsRunning(const std::string& wanted);

// Attempts to terminate every process of that name, in table order; the program itself and
// the processes the system cannot live without are never terminated and count as failed.
KillOutcome TerminateProcessesByName(const std::string& wanted);

// Same walk; nonzero when the last attempt succeeded, 0 when it failed or nothing matched.
int KillProcessesByName(const std::string& wanted);
