#include "tray/TrayTip.h"

#include <cstring>

namespace {
constexpr size_t kMaxTipBytes = 127;  // the last byte of the field stays zero

// How many bytes of text fit into the field without splitting a double-byte character.
size_t TipLength(const char* text, size_t length) {
    if (length <= kMaxTipBytes) return length;
    size_t i = 0;
    while (i < kMaxTipBytes) {
        if (IsCp936LeadByte(static_cast<unsigned char>(text[i]))) {
            if (i + 1 >= kMaxTipBytes) break;  // its trail byte would be cut off
            i += 2;
        } else {
            i += 1;
        }
    }
    return i;
}
}  // namespace

TrayTipBytes MakeTrayTip(const std::string& hint, bool showHint) {
    TrayTipBytes tip{};
    if (!showHint || hint.empty()) return tip;
    // The shell reads the tip up to its first zero byte; a hint with an embedded zero
    // ends there.
    const size_t textLength = std::strlen(hint.c_str());
    std::memcpy(tip.data(), hint.data(), TipLength(hint.data(), textLength));
    return tip;
}
