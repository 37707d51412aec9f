// Shortcuts written through the shell link object, read back through it.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "sysutil/Shortcut.h"
#include "tests/win32/CleanupTestSupport.h"

using namespace cleanup_test;

namespace {

struct LinkContent {
    bool loaded = false;
    std::string path;
    std::string workingDirectory;
};

LinkContent ReadLink(const std::string& lnk) {
    LinkContent content;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return content;
    }
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH * 2] = {};
        MultiByteToWideChar(CP_ACP, 0, lnk.c_str(), -1, wide, MAX_PATH * 2);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            char buffer[MAX_PATH * 2] = {};
            link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH);
            content.path = buffer;
            buffer[0] = 0;
            link->GetWorkingDirectory(buffer, sizeof buffer);
            content.workingDirectory = buffer;
            content.loaded = true;
        }
        file->Release();
    }
    link->Release();
    return content;
}

std::string DesktopFolder() {
    char buffer[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_DESKTOP, TRUE);
    return buffer;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class SysutilShortcut : public ::testing::Test {
protected:
    void SetUp() override {
        comReady_ = SUCCEEDED(CoInitialize(nullptr));
        folder_ = NewScratchFolder("lnk");
        target_ = folder_ + "x.exe";
        ASSERT_TRUE(WriteFileBytes(target_, "MZ"));
    }
    void TearDown() override {
        if (comReady_) CoUninitialize();
    }
    bool comReady_ = false;
    std::string folder_;
    std::string target_;
};

}  // namespace

TEST_F(SysutilShortcut, IntoAFolderWithDerivedName) {
    const std::string links = NewScratchFolder("links");
    ASSERT_TRUE(CreateShortcut(target_, "", links, -1));  // folder with its trailing backslash
    const std::string lnk = links + "x.lnk";
    ASSERT_TRUE(Exists(lnk));
    const LinkContent content = ReadLink(lnk);
    ASSERT_TRUE(content.loaded);
    EXPECT_EQ(content.path, target_);
    EXPECT_EQ(content.workingDirectory, folder_);

    // Again: overwritten without asking.
    EXPECT_TRUE(CreateShortcut(target_, "", links, -1));
    EXPECT_TRUE(ReadLink(lnk).loaded);
}

TEST_F(SysutilShortcut, ToTheDesktopTwice) {
    const std::string lnk = DesktopFolder() + "\\KvShortcutTest.lnk";
    DeleteFileA(lnk.c_str());
    EXPECT_TRUE(CreateShortcut(target_, "KvShortcutTest", "", -1));
    EXPECT_TRUE(CreateShortcut(target_, "KvShortcutTest", "", -1));
    const LinkContent content = ReadLink(lnk);
    ASSERT_TRUE(content.loaded);
    EXPECT_EQ(content.path, target_);
    EXPECT_EQ(content.workingDirectory, folder_);
    DeleteFileA(lnk.c_str());

    // A special folder wins over a given folder.
    const std::string links = NewScratchFolder("ignored");
    EXPECT_TRUE(CreateShortcut(target_, "KvShortcutTest", links, CSIDL_DESKTOP));
    EXPECT_TRUE(Exists(lnk));
    EXPECT_FALSE(Exists(links + "KvShortcutTest.lnk"));
    DeleteFileA(lnk.c_str());
}

TEST_F(SysutilShortcut, FailuresGiveFalseAndWriteNothing) {
    const std::string links = NewScratchFolder("fail");
    EXPECT_FALSE(CreateShortcut(folder_ + "missing.exe", "", links, -1));
    EXPECT_FALSE(CreateShortcut(folder_, "", links, -1));  // a directory is no target
    EXPECT_FALSE(CreateShortcut(target_, "", links + "nowhere\\", -1));
    EXPECT_FALSE(CreateShortcut(target_, "", "", -2));
    EXPECT_FALSE(CreateShortcut(target_, "bad<name>", links, -1));
    EXPECT_TRUE(FolderEntries(links).empty());
}
