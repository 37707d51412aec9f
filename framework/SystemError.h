// The system's message text for an error code, in the ANSI code page.
#pragma once

#include <windows.h>

#include <string>

std::string SystemMessageText(DWORD code);
