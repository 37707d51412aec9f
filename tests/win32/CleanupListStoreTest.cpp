// The list file on disk: round trip and the replace that keeps the old file on failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cleanup/ListFile.h"
#include "cleanup/ListStore.h"
#include "framework/Exceptions.h"
#include "tests/win32/CleanupTestSupport.h"

using namespace cleanup_test;

namespace {

// Points the program folder at a fresh folder for one test and back afterwards.
class CleanupListStore : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ProgramFolder();
        folder_ = NewScratchFolder("list");
        SetProgramFolder(folder_);
    }
    void TearDown() override { SetProgramFolder(saved_); }
    std::string folder_;

private:
    std::string saved_;
};

}  // namespace

TEST_F(CleanupListStore, FilePathAndRoundTrip) {
    EXPECT_EQ(ListFilePath(), folder_ + "p.txt");
    std::vector<std::string> names{"stale"};
    EXPECT_FALSE(ReadListFile(ListFilePath(), names));
    EXPECT_EQ(names, std::vector<std::string>{"stale"});

    ReplaceFileContents(ListFilePath(), "qq.exe\nnotepad.exe \n\n记事本.exe");
    EXPECT_EQ(ReadFileBytes(ListFilePath()), "qq.exe\nnotepad.exe \n\n记事本.exe");
    ASSERT_TRUE(ReadListFile(ListFilePath(), names));
    EXPECT_EQ(names, (std::vector<std::string>{"qq.exe", "notepad.exe ", "", "记事本.exe"}));

    ReplaceFileContents(ListFilePath(), "qq.exe\r\nnotepad.exe \r\n\r\n记事本.exe\r\n");
    EXPECT_EQ(ReadFileBytes(ListFilePath()), "qq.exe\r\nnotepad.exe \r\n\r\n记事本.exe\r\n");
    ReplaceFileContents(ListFilePath(), "");
    EXPECT_EQ(ReadFileBytes(ListFilePath()), "");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"p.txt"});
}

TEST_F(CleanupListStore, FailedReplaceKeepsTheOldFileWhole) {
    const std::string path = ListFilePath();
    ASSERT_TRUE(WriteFileBytes(path, "old.exe\r\n"));
    // Another program holds the file open without letting it be replaced.
    HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        ReplaceFileContents(path, "new.exe\r\n");
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& e) {
        const std::string prefix = "Cannot create file \"" + path + "\". ";
        EXPECT_EQ(e.Message().substr(0, prefix.size()), prefix);
        EXPECT_GT(e.Message().size(), prefix.size());
        EXPECT_NE(e.Message().back(), '.');
    }
    CloseHandle(holder);
    EXPECT_EQ(ReadFileBytes(path), "old.exe\r\n");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"p.txt"});

    // A read-only file is not replaced either.
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(ReplaceFileContents(path, "new.exe\r\n"), EFCreateError);
    EXPECT_EQ(ReadFileBytes(path), "old.exe\r\n");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"p.txt"});
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    // The next change tries again and succeeds.
    ReplaceFileContents(path, "new.exe\r\n");
    EXPECT_EQ(ReadFileBytes(path), "new.exe\r\n");
}

// A reader that shares writing and deleting (a viewer polling the list) holds the name
// while the program saves: the save still lands, whole, and leaves no sibling behind.
TEST_F(CleanupListStore, SaveLandsWhileAnotherProgramReadsTheList) {
    const std::string path = ListFilePath();
    ASSERT_TRUE(WriteFileBytes(path, "a much longer old list.exe\r\n"));
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_NO_THROW(ReplaceFileContents(path, "new.exe\r\n"));
    CloseHandle(reader);
    EXPECT_EQ(ReadFileBytes(path), "new.exe\r\n");
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"p.txt"});
}

TEST_F(CleanupListStore, MissingFolderRaisesTheCreateErrorForTheListFile) {
    SetProgramFolder(folder_ + "missing\\");
    try {
        ReplaceFileContents(ListFilePath(), "a\r\n");
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot create file \"" + folder_ + "missing\\p.txt\". ", 0), 0u) << e.Message();
    }
}

TEST_F(CleanupListStore, ProgramFolderIsTheExecutablesFolder) {
    SetProgramFolderFromExecutable();
    const std::string exe = OwnExePath();
    EXPECT_EQ(ProgramFolder(), exe.substr(0, exe.find_last_of('\\') + 1));
}
