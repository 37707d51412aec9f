// Line rules of string lists: what a list file reads as and how it is written back.
#include "framework/Exceptions.h"
#include "framework/StringList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

TEST(FrameworkSplitTextLines, LineBreaksOfEveryKind) {
    EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    // LF CR is two breaks; CR LF is one.
    EXPECT_EQ(SplitTextLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(FrameworkSplitTextLines, FinalBreakAddsNoEmptyLineButInnerEmptyLinesCount) {
    EXPECT_EQ(SplitTextLines(""), Lines{});
    EXPECT_EQ(SplitTextLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitTextLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitTextLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitTextLines("last"), Lines{"last"});
}

TEST(FrameworkSplitTextLines, NulEndsTheTextAndBytesAreKept) {
    EXPECT_EQ(SplitTextLines(std::string("a\r\nb\0c\r\nd", 10)), (Lines{"a", "b"}));
    EXPECT_EQ(SplitTextLines(std::string("\0a", 2)), Lines{});
    // Blanks, a UTF-8 byte-order mark and code page 936 bytes stay part of the name.
    EXPECT_EQ(SplitTextLines(" notepad.exe \n\xEF\xBB\xBFqq.exe\n\xD2\xBB.exe"),
              (Lines{" notepad.exe ", "\xEF\xBB\xBFqq.exe", "\xD2\xBB.exe"}));
}

TEST(FrameworkJoinTextLines, EveryLineEndsWithCrLf) {
    EXPECT_EQ(JoinTextLines({}), "");
    EXPECT_EQ(JoinTextLines({""}), "\r\n");
    EXPECT_EQ(JoinTextLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    // Reading back what was written gives the same lines.
    const Lines lines{"x", "", " y ", ""};
    EXPECT_EQ(SplitTextLines(JoinTextLines(lines)), lines);
}

TEST(FrameworkStringList, EditingAndIndexErrors) {
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    list.Insert(0, "a");
    list.Add("c");
    list.Put(1, "B");
    EXPECT_EQ(list.Text(), "a\r\nB\r\nc\r\n");
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], "B");
    EXPECT_EQ(list.IndexOf("c"), 1);
    EXPECT_EQ(list.IndexOf("C"), -1);

    try {
        list.Get(2);
        FAIL() << "no error";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(list.Get(-1), EStringListError);
    EXPECT_THROW(list.Insert(3, "x"), EStringListError);
    EXPECT_THROW(list.Delete(5), EStringListError);
    EXPECT_NO_THROW(list.Insert(2, "end"));
}

TEST(FrameworkStringList, ChangeEventsAreBatchedDuringUpdates) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add("a");
    EXPECT_EQ(changes, 1);
    list.SetText("x\r\ny\r\nz");
    EXPECT_EQ(changes, 2);
    list.BeginUpdate();
    list.Add("1");
    list.Add("2");
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    list.Clear();
    list.Clear();  // already empty: no change
    EXPECT_EQ(changes, 4);
}

class FrameworkStringListFile : public ::testing::Test {
protected:
    std::string path_ = ::testing::TempDir() + "framework_list_test.txt";
    void TearDown() override { std::remove(path_.c_str()); }
    void Write(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    std::string Read() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(FrameworkStringListFile, LoadsByTheLineRulesAndSavesWithCrLf) {
    Write(std::string("one\ntwo\r\rthree\0ignored", 23));
    TStringList list;
    list.LoadFromFile(path_);
    EXPECT_EQ(list.ToVector(), (Lines{"one", "two", "", "three"}));
    list.SaveToFile(path_);
    EXPECT_EQ(Read(), "one\r\ntwo\r\n\r\nthree\r\n");

    Write("");
    list.LoadFromFile(path_);
    EXPECT_EQ(list.Count(), 0);
    list.SaveToFile(path_);
    EXPECT_EQ(Read(), "");
}

TEST_F(FrameworkStringListFile, MissingFileAndUnwritablePathRaiseFileErrors) {
    TStringList list;
    list.Add("kept");
    const std::string missing = ::testing::TempDir() + "no_such_dir/p.txt";
    try {
        list.LoadFromFile(missing);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"" + missing + "\". ", 0), 0u) << e.Message();
    }
    EXPECT_EQ(list.ToVector(), Lines{"kept"});  // a failed load changes nothing
    try {
        list.SaveToFile(missing);
        FAIL() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + missing + "\". ", 0), 0u) << e.Message();
    }
}
