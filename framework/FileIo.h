#pragma once
// Whole-file reading and writing for string lists and the program's own files.
// Portable declarations; each build provides them with its system's file calls and turns
// failures into the framework's file errors.
#include <string>

// Reads the whole file. Throws EFOpenError ("Cannot open file "<path>". <reason>") when it
// cannot be opened and EReadError when reading fails.
std::string ReadWholeFile(const std::string& path);
// Creates or truncates the file and writes the bytes. Throws EFCreateError when it cannot be
// created and EWriteError when writing fails.
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
