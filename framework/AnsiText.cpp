#include "framework/AnsiText.h"

LeadByteTable LeadByteTable::ForCodePage(unsigned codePage) {
    switch (codePage) {
    case 932:  // Shift-JIS: two ranges, the single-byte katakana between them
        return FromRule([](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); });
    case 936:  // GBK
    case 949:  // Unified Hangul
    case 950:  // Big5
        return FromRule([](unsigned char c) { return c >= 0x81 && c <= 0xFE; });
    default:
        return LeadByteTable();
    }
}

std::size_t AfterLastDelimiter(std::string_view text, std::string_view delimiters, const LeadByteTable& leadBytes) {
    std::size_t after = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (leadBytes.IsLead(c) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (delimiters.find(static_cast<char>(c)) != std::string_view::npos) after = i + 1;
    }
    return after;
}
