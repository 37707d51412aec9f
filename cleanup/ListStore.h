// The list file "p.txt" in the program's folder: saved from the list editor on every change,
// loaded into the working list.
#pragma once

#include <string>
#include <vector>

// The running executable's folder with its trailing backslash; empty until set.
const std::string& ProgramFolder();
void SetProgramFolder(const std::string& folder);
// Sets ProgramFolder from the running executable's full path.
void SetProgramFolderFromExecutable();

// ProgramFolder + "p.txt".
std::string ListFilePath();

// Replaces the file at `path` by `bytes` as a whole: the bytes go to a new file in the same
// folder, which then takes the place of the old one. On any failure the old file stays as it
// was, the new one is removed, and EFCreateError names `path`.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// The names of the list file at `path`; false (names untouched) when no file is there.
// Throws EFOpenError when the file exists but cannot be opened.
bool ReadListFile(const std::string& path, std::vector<std::string>& names);
