#pragma once
// Conversion between the system's ANSI code page (936 here) and UTF-16.
// Portable declarations; the host build converts with iconv (GBK), Windows with the system.
#include <string>

std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& text);
