// Matching process-table entries by executable name, and the entries never terminated.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cleanup/ProcessName.h"

namespace {

// A process entry's executable field as the table hands it over: 260 bytes, NUL padded.
struct ExeField {
    char bytes[kExeFileFieldSize] = {};
    explicit ExeField(const std::string& text) { std::memcpy(bytes, text.data(), text.size()); }
};

bool Matches(const std::string& exe, const std::string& wanted) {
    ExeField field(exe);
    return ProcessNameMatches(ExeFieldText(field.bytes), wanted);
}

}  // namespace

TEST(CleanupNameMatch, FoldsLettersOnBothSidesOnly) {
    EXPECT_TRUE(Matches("NOTEPAD.EXE", "notepad.exe"));
    EXPECT_TRUE(Matches("NOTEPAD.EXE", "NOTEPAD.EXE"));
    EXPECT_TRUE(Matches("notepad.exe", "Notepad.Exe"));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", "notepad"));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", "notepad.exe "));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", " notepad.exe"));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", "notepad.*"));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", ""));
    // Only a..z fold: symbols next to the letter ranges stay apart.
    EXPECT_FALSE(Matches("A@.EXE", "a`.exe"));
    EXPECT_FALSE(Matches("A[.EXE", "a{.exe"));
}

TEST(CleanupNameMatch, BareNameMatchesBareAndFullPathEntries) {
    EXPECT_TRUE(Matches("C:\\Windows\\NOTEPAD.EXE", "notepad.exe"));
    EXPECT_TRUE(Matches("C:NOTEPAD.EXE", "notepad.exe"));
    EXPECT_TRUE(Matches("C:\\Windows\\NOTEPAD.EXE", "c:\\windows\\notepad.exe"));
    EXPECT_FALSE(Matches("NOTEPAD.EXE", "C:\\Windows\\notepad.exe"));
    EXPECT_FALSE(Matches("C:\\Windows\\NOTEPAD.EXE", "Windows\\notepad.exe"));
}

TEST(CleanupNameMatch, DoubleByteCharactersCompareByBytes) {
    EXPECT_TRUE(Matches("记事本.EXE", "记事本.exe"));
    EXPECT_FALSE(Matches("记事本.EXE", "记事.exe"));
    // A second byte in a..z folds the same on both sides: 0x81 0x61 and 0x81 0x41 are equal.
    EXPECT_TRUE(Matches("\x81\x61.exe", "\x81\x41.EXE"));
    // Bytes of 128 and above never fold.
    EXPECT_FALSE(Matches("\xE1.exe", "\xC1.exe"));
}

TEST(CleanupNameMatch, BackslashAsSecondByteIsNotASeparator) {
    // A two-byte character whose second byte is 0x5C, the backslash.
    const std::string name = "\xB7\x5C.exe";
    EXPECT_TRUE(Matches("C:\\Apps\\" + name, name));
    EXPECT_EQ(PathBaseName("C:\\Apps\\" + name), name);
}

TEST(CleanupNameMatch, FieldEndsAtFirstNulOrAtItsSize) {
    ExeField field("ABC.EXE");
    field.bytes[8] = 'Z';  // garbage after the terminator
    EXPECT_EQ(ExeFieldText(field.bytes), "ABC.EXE");

    char full[kExeFileFieldSize];
    std::memset(full, 'A', sizeof full);
    EXPECT_EQ(ExeFieldText(full).size(), kExeFileFieldSize);
    EXPECT_TRUE(ProcessNameMatches(ExeFieldText(full), std::string(kExeFileFieldSize, 'a')));
}

TEST(CleanupNameMatch, UntouchableProcesses) {
    const std::uint32_t self = 1234;
    EXPECT_TRUE(IsUntouchableProcess("kelvora.exe", self, self));
    EXPECT_TRUE(IsUntouchableProcess("[System Process]", 0, self));
    EXPECT_TRUE(IsUntouchableProcess("System", 4, self));
    for (const char* name : {"csrss.exe", "SMSS.EXE", "wininit.exe", "Winlogon.exe", "services.exe", "lsass.exe"}) {
        EXPECT_TRUE(IsUntouchableProcess(name, 500, self)) << name;
        EXPECT_TRUE(IsUntouchableProcess(std::string("C:\\Windows\\System32\\") + name, 500, self)) << name;
    }
    EXPECT_FALSE(IsUntouchableProcess("notepad.exe", 500, self));
    EXPECT_FALSE(IsUntouchableProcess("csrss.exe.exe", 500, self));
    EXPECT_FALSE(IsUntouchableProcess("svchost.exe", 500, self));
}
