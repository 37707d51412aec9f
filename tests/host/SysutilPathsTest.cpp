// Texts of the network batch and of the shortcut paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sysutil/FolderBuffer.h"
#include "sysutil/NetworkBatch.h"
#include "sysutil/ShortcutPaths.h"

TEST(SysutilBatch, TextPathAndCommandLine) {
    EXPECT_STREQ(kNetworkBatchText,
                 "arp -d *\r\nnbtstat -R\r\nipconfig /flushdns\r\nnbtstat -RR\r\nipconfig /registerdns\r\n");
    EXPECT_EQ(NetworkBatchPath("C:\\Temp\\"), "C:\\Temp\\\\RestorationNet.bat");
    EXPECT_EQ(BatchCommandLine("C:\\windows\\system32\\cmd.exe", "C:\\Documents and Settings\\Temp\\\\RestorationNet.bat"),
              "\"C:\\windows\\system32\\cmd.exe\" /d /c \"\"C:\\Documents and Settings\\Temp\\\\RestorationNet.bat\"\"");
}

TEST(SysutilShortcut, LinkNameFromTarget) {
    EXPECT_EQ(LinkNameFromTarget("C:\\Tools\\x.exe"), "x");
    EXPECT_EQ(LinkNameFromTarget("C:\\Tools\\a.b.exe"), "a.b");
    EXPECT_EQ(LinkNameFromTarget("C:\\Tools\\noext"), "noext");
    EXPECT_EQ(LinkNameFromTarget("C:x.exe"), "x");
    EXPECT_EQ(LinkNameFromTarget("C:\\Tools.d\\run"), "run");
    EXPECT_EQ(LinkNameFromTarget("C:\\工具\\优化.exe"), "优化");
    // A second byte equal to the backslash stays inside its character.
    EXPECT_EQ(LinkNameFromTarget("C:\\Tools\\\xB7\x5C.exe"), "\xB7\x5C");
}

TEST(SysutilShortcut, FoldersAndShortcutPath) {
    EXPECT_EQ(FolderPartOf("C:\\Tools\\x.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderPartOf("C:x.exe"), "C:");
    EXPECT_EQ(FolderPartOf("x.exe"), "");
    EXPECT_EQ(FolderPartOf("C:\\\xB7\x5C\\x.exe"), "C:\\\xB7\x5C\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\Links\\"), "C:\\Links");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\Links"), "C:\\Links");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\Links\\\\"), "C:\\Links\\");
    EXPECT_EQ(WithoutTrailingBackslash("C:\\\xB7\x5C"), "C:\\\xB7\x5C");
    EXPECT_EQ(ShortcutFilePath(WithoutTrailingBackslash("C:\\Links\\"), "x"), "C:\\Links\\x.lnk");
}

TEST(SysutilFolderBuffer, GrowsToTheSizeAskedFor) {
    const std::string longFolder = "C:\\" + std::string(300, 'a') + "\\";
    std::vector<unsigned> sizesSeen;
    // Behaves like the system's folder calls: the length when it fits, else the size needed.
    auto fill = [&](char* buffer, unsigned size) -> unsigned {
        sizesSeen.push_back(size);
        if (longFolder.size() + 1 > size) return static_cast<unsigned>(longFolder.size() + 1);
        std::memcpy(buffer, longFolder.c_str(), longFolder.size() + 1);
        return static_cast<unsigned>(longFolder.size());
    };
    EXPECT_EQ(ReadGrowingBuffer(fill), longFolder);
    EXPECT_EQ(sizesSeen, (std::vector<unsigned>{256, static_cast<unsigned>(longFolder.size() + 2)}));

    // A short text needs one call; a failure gives an empty text.
    EXPECT_EQ(ReadGrowingBuffer([](char* b, unsigned) -> unsigned { std::strcpy(b, "C:\\T\\"); return 5; }), "C:\\T\\");
    EXPECT_EQ(ReadGrowingBuffer([](char*, unsigned) -> unsigned { return 0; }), "");
    // A text that keeps growing gives up instead of looping.
    EXPECT_EQ(ReadGrowingBuffer([](char*, unsigned size) -> unsigned { return size * 2; }), "");
}
