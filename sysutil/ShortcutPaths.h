// Names and paths of a shell shortcut (".lnk"), derived from its target. Byte strings in
// the ANSI code page; a backslash that is the second byte of a two-byte character is not a
// separator.
#pragma once

#include <string>
#include <string_view>

// The folder part of a path, up to and including its last backslash or colon; empty when
// it has neither ("C:\Tools\x.exe" gives "C:\Tools\").
std::string FolderPartOf(std::string_view path);

// The target's bare file name with its last extension removed: "C:\Tools\x.exe" gives
// "x", "a.b.exe" gives "a.b", "x" gives "x".
std::string LinkNameFromTarget(std::string_view target);

// The folder with one trailing backslash removed, if it has one.
std::string WithoutTrailingBackslash(std::string_view folder);

// "<folder>\<link name>.lnk".
std::string ShortcutFilePath(std::string_view folder, std::string_view linkName);
