// The Windows, System and temporary folders.
#pragma once

#include <string>

enum SystemFolderKind { kWindowsFolder = 0, kSystemFolder = 1, kTempFolder = 2 };

// Kinds 0 and 1: the folder followed by "\"; kind 2: the temporary folder exactly as the
// system gives it (it ends in a backslash). Folders longer than 255 bytes are read again
// with a buffer of the size the system asks for. Any other kind gives an empty text.
std::string SystemFolderPath(int kind);
