// Small helpers for byte strings in code page 936, where a byte of 0x81..0xFE starts a
// two-byte character whose second byte may look like an ASCII backslash.
#pragma once

#include <string_view>

// True for a byte that starts a two-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The index just after the last byte of `text` that is one of `delimiters` and not the
// second byte of a two-byte character; 0 when there is none.
std::size_t AfterLastDelimiter(std::string_view text, std::string_view delimiters);
