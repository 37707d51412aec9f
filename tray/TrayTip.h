#pragma once
// The tip text a tray icon hands to the shell: a 128-byte zero-terminated ANSI field.
#include <array>
#include <string>

using TrayTipBytes = std::array<char, 128>;

// The tip for a hint: empty when ShowHint is off or the hint is empty; otherwise the
// first 127 bytes of the hint followed by zeros. A code page 936 double-byte character
// that would lose its second byte at the cut is left out whole.
TrayTipBytes MakeTrayTip(const std::string& hint, bool showHint);

// True for a code page 936 lead byte (the first byte of a double-byte character).
constexpr bool IsCp936LeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
