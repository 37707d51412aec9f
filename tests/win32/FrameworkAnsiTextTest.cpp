// The lead-byte tables against the system's own rule for each code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/AnsiText.h"

namespace {

// The folder part as the system walks the text, character by character.
std::string SystemFolderOf(const std::string& path, unsigned codePage) {
    const char* start = path.c_str();
    const char* after = start;
    for (const char* p = start; *p; p = CharNextExA(static_cast<WORD>(codePage), p, 0)) {
        if (*p == '\\' || *p == ':') after = p + 1;
    }
    return std::string(start, after);
}

}  // namespace

TEST(FrameworkAnsiTextWin32, LeadBytesAreTheSystems) {
    for (unsigned codePage : {932u, 936u, 949u, 950u, 1250u, 1252u}) {
        const LeadByteTable table = LeadByteTable::ForCodePage(codePage);
        for (unsigned b = 0; b < 256; ++b) {
            ASSERT_EQ(table.IsLead(static_cast<unsigned char>(b)), IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b)) != FALSE)
                << "code page " << codePage << ", byte " << b;
        }
    }
    for (unsigned b = 0; b < 256; ++b) {
        ASSERT_EQ(SystemLeadBytes().IsLead(static_cast<unsigned char>(b)), IsDBCSLeadByteEx(GetACP(), static_cast<BYTE>(b)) != FALSE)
            << "byte " << b;
    }
}

TEST(FrameworkAnsiTextWin32, FolderPartAgreesWithTheSystemsWalk) {
    const std::string paths[] = {
        "C:\\Caf\xE9\\Kelvora.exe", "C:\\\xB7\x5C\\x.exe", "C:\\\x83\x5C\\x.exe", "C:\\\xB1\\x.exe",
        "D:\\\xC4\xE3\\\xBA\xC3\\k.exe", "C:x.exe", "x.exe", "C:\\a\\\xB7",
    };
    for (unsigned codePage : {932u, 936u, 1252u}) {
        for (const std::string& path : paths) {
            const std::size_t after = AfterLastDelimiter(path, "\\:", LeadByteTable::ForCodePage(codePage));
            EXPECT_EQ(path.substr(0, after), SystemFolderOf(path, codePage)) << "code page " << codePage << ": " << path;
        }
    }
}
