// Finding path separators in byte strings of a single-byte and of a double-byte code page.
#include <gtest/gtest.h>

#include <string>

#include "framework/AnsiText.h"

namespace {

std::string FolderOf(const std::string& path, unsigned codePage) {
    return path.substr(0, AfterLastDelimiter(path, "\\:", LeadByteTable::ForCodePage(codePage)));
}

}  // namespace

TEST(FrameworkAnsiText, AccentedLetterBeforeABackslashOnASingleByteCodePage) {
    // "C:\Café\Kelvora.exe" in code page 1252: 0xE9 is a whole letter, the backslash after it
    // ends the folder.
    const std::string cafe = "C:\\Caf\xE9\\Kelvora.exe";
    EXPECT_EQ(FolderOf(cafe, 1252), "C:\\Caf\xE9\\");
    EXPECT_EQ(FolderOf("C:\\\xC0\\\xFF\\x.exe", 1252), "C:\\\xC0\\\xFF\\");
    // The same bytes in code page 936 are one two-byte character, 0xE9 0x5C.
    EXPECT_EQ(FolderOf(cafe, 936), "C:\\");
}

TEST(FrameworkAnsiText, SecondByteBackslashStaysInsideItsCharacter) {
    // 0xB7 0x5C is one character in 936; "工具" has no 0x5C at all.
    EXPECT_EQ(FolderOf("C:\\\xB7\x5C\\x.exe", 936), "C:\\\xB7\x5C\\");
    EXPECT_EQ(FolderOf("C:\\工具\\优化.exe", 936), "C:\\工具\\");
    // Shift-JIS: 0x83 0x5C is a lead and a trail; 0xB1 (a single-byte katakana) is not a lead.
    EXPECT_EQ(FolderOf("C:\\\x83\x5C\\x.exe", 932), "C:\\\x83\x5C\\");
    EXPECT_EQ(FolderOf("C:\\\xB1\\x.exe", 932), "C:\\\xB1\\");
    // A lead byte at the very end has no second byte; a delimiter before it still counts.
    EXPECT_EQ(FolderOf("C:\\a\\\xB7", 936), "C:\\a\\");
    EXPECT_EQ(FolderOf("x.exe", 936), "");
    EXPECT_EQ(FolderOf("C:x.exe", 1252), "C:");
}
