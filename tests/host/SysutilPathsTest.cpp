// Texts of the network batch and of the shortcut paths.
#include <gtest/gtest.h>

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
