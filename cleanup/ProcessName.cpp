#include "cleanup/ProcessName.h"

#include <cstring>

#include "cleanup/AnsiText.h"

std::string_view ExeFieldText(const char* field) {
    const void* nul = std::memchr(field, 0, kExeFileFieldSize);
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field)
                                   : kExeFileFieldSize;
    return std::string_view(field, length);
}

std::string FoldAsciiUpper(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return folded;
}

std::string_view PathBaseName(std::string_view path) {
    const std::size_t cut = AfterLastDelimiter(path, "\\:");
    return path.substr(cut);
}

bool ProcessNameMatches(std::string_view exeText, std::string_view wanted) {
    const std::string wantedFolded = FoldAsciiUpper(wanted);
    if (FoldAsciiUpper(PathBaseName(exeText)) == wantedFolded) return true;
    return FoldAsciiUpper(exeText) == wantedFolded;
}

namespace {

constexpr std::string_view kCriticalNames[] = {
    "CSRSS.EXE", "SMSS.EXE", "WININIT.EXE", "WINLOGON.EXE", "SERVICES.EXE", "LSASS.EXE",
    "SYSTEM",    "[SYSTEM PROCESS]",
};

// The idle pseudo-process and the kernel's own process.
constexpr std::uint32_t kIdleProcessId = 0;
constexpr std::uint32_t kSystemProcessId = 4;

}  // namespace

bool IsUntouchableProcess(std::string_view exeText, std::uint32_t processId, std::uint32_t ownProcessId) {
    if (processId == ownProcessId || processId == kIdleProcessId || processId == kSystemProcessId) return true;
    const std::string base = FoldAsciiUpper(PathBaseName(exeText));
    for (std::string_view name : kCriticalNames) {
        if (base == name) return true;
    }
    return false;
}
