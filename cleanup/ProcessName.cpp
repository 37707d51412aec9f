#include "cleanup/ProcessName.h"

#include <cstring>

#include "framework/AnsiText.h"

namespace {

char FoldByte(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool EqualFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldByte(a[i]) != FoldByte(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view ExeFieldText(const char* field) {
    const void* nul = std::memchr(field, 0, kExeFileFieldSize);
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field)
                                   : kExeFileFieldSize;
    return std::string_view(field, length);
}

std::string FoldAsciiUpper(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = FoldByte(c);
    return folded;
}

std::string_view PathBaseName(std::string_view path) {
    const std::size_t cut = AfterLastDelimiter(path, "\\:");
    return path.substr(cut);
}


bool ProcessNameMatches(std::string_view exeText, std::string_view wanted) {
    return EqualFolded(PathBaseName(exeText), wanted) || EqualFolded(exeText, wanted);
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
