// Reading the list file into names, and the working list's text reading back the same.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleanup/ListFile.h"
#include "framework/StringList.h"

using Names = std::vector<std::string>;

TEST(CleanupListFile, LineBreaksOfEveryKind) {
    EXPECT_EQ(ParseListText("a\r\nb\r\n"), (Names{"a", "b"}));
    EXPECT_EQ(ParseListText("a\nb\n"), (Names{"a", "b"}));
    EXPECT_EQ(ParseListText("a\rb\r"), (Names{"a", "b"}));
    EXPECT_EQ(ParseListText("a\r\nb\nc\rd"), (Names{"a", "b", "c", "d"}));
    // LF CR is two breaks, not one.
    EXPECT_EQ(ParseListText("a\n\rb"), (Names{"a", "", "b"}));
}

TEST(CleanupListFile, LastLineAndEmptyLines) {
    EXPECT_EQ(ParseListText(""), Names{});
    EXPECT_EQ(ParseListText("a"), (Names{"a"}));
    EXPECT_EQ(ParseListText("\r\n"), (Names{""}));
    EXPECT_EQ(ParseListText("\r\n\r\n"), (Names{"", ""}));
    EXPECT_EQ(ParseListText("\n"), (Names{""}));
    EXPECT_EQ(ParseListText("a\r\n\r\nb"), (Names{"a", "", "b"}));
    EXPECT_EQ(ParseListText("a\r\n\r\n"), (Names{"a", ""}));
}

TEST(CleanupListFile, NamesKeepTheirBytes) {
    EXPECT_EQ(ParseListText(" notepad.exe \r\nnotepad.exe\r\nnotepad.exe\r\n"),
              (Names{" notepad.exe ", "notepad.exe", "notepad.exe"}));
    EXPECT_EQ(ParseListText("\xEF\xBB\xBFqq.exe\r\n"), (Names{"\xEF\xBB\xBFqq.exe"}));
    EXPECT_EQ(ParseListText("记事本.exe\n"), (Names{"记事本.exe"}));
}

TEST(CleanupListFile, NulEndsTheText) {
    const std::string bytes("a.exe\r\nb.e\0xe\r\nc.exe\r\n", 22);
    EXPECT_EQ(ParseListText(bytes), (Names{"a.exe", "b.e"}));
    EXPECT_EQ(ParseListText(std::string("\0a\r\n", 4)), Names{});
}

TEST(CleanupListFile, TheWorkingListsTextReadsBackAsTheSameNames) {
    // The file is written from the working list's text, a string list's text.
    const Names names{"qq.exe", "", "记事本.exe", " x ", ""};
    TStringList working(names);
    EXPECT_EQ(working.Text(), "qq.exe\r\n\r\n记事本.exe\r\n x \r\n\r\n");
    EXPECT_EQ(ParseListText(working.Text()), names);
    // An LF-only file comes back with CR LF.
    EXPECT_EQ(TStringList(ParseListText("a\nb")).Text(), "a\r\nb\r\n");
}

TEST(CleanupListFile, CountText) {
    EXPECT_EQ(ListCountText(0), "数据版本:0条");
    EXPECT_EQ(ListCountText(12), "数据版本:12条");
    EXPECT_EQ(ListCountText(12), "\xCA\xFD\xBE\xDD\xB0\xE6\xB1\xBE:12\xCC\xF5");
}
