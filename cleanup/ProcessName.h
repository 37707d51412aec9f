// Matching a process-table entry against a wanted executable name, and the entries the
// clean-up must never terminate. Byte strings in the ANSI code page throughout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The executable field of a process entry is a fixed 260-byte array ended by its first NUL.
constexpr std::size_t kExeFileFieldSize = 260;

// The field's text: up to its first NUL byte, at most kExeFileFieldSize bytes.
std::string_view ExeFieldText(const char* field);

// Upper-cases a..z byte by byte; every other byte (double-byte characters included) is kept.
std::string FoldAsciiUpper(std::string_view text);

// The part after the last backslash or colon that is not the second byte of a double-byte
// character; the whole text when there is none.
std::string_view PathBaseName(std::string_view path);

// True when the folded base name, or else the folded whole text, equals the folded wanted
// name byte for byte. No trimming, no wildcards, no default extension.
bool ProcessNameMatches(std::string_view exeText, std::string_view wanted);

// Processes the clean-up leaves alone whatever the list says: the program itself and the
// ones whose end takes the whole system down (session manager, logon, services, security
// authority, the system process).
bool IsUntouchableProcess(std::string_view exeText, std::uint32_t processId, std::uint32_t ownProcessId);
