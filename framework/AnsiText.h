// Byte strings in an ANSI code page. On a double-byte code page (936, 932, ...) a lead byte
// starts a two-byte character whose second byte may look like an ASCII backslash; on a
// single-byte code page (1252, ...) every byte is a character of its own.
#pragma once

#include <bitset>
#include <string_view>

// Which bytes start a two-byte character in one code page.
class LeadByteTable {
public:
    // The table of a code page by number: 932, 936, 949 and 950 are double-byte, every
    // other code page is taken as single-byte.
    static LeadByteTable ForCodePage(unsigned codePage);

    // Built from a rule, byte by byte (the Windows side asks the system).
    template <typename IsLead>
    static LeadByteTable FromRule(IsLead isLead) {
        LeadByteTable table;
        for (unsigned b = 0; b < 256; ++b) table.lead_[b] = isLead(static_cast<unsigned char>(b));
        return table;
    }

    bool IsLead(unsigned char c) const { return lead_[c]; }

private:
    std::bitset<256> lead_;
};

// The table of the system's ANSI code page, decided once per process: on Windows the
// system's own rule for GetACP(); the host build's texts are code page 936.
const LeadByteTable& SystemLeadBytes();

// The index just after the last byte of `text` that is one of `delimiters` and not the
// second byte of a two-byte character; 0 when there is none.
std::size_t AfterLastDelimiter(std::string_view text, std::string_view delimiters, const LeadByteTable& leadBytes);

// The same in the system's ANSI code page.
inline std::size_t AfterLastDelimiter(std::string_view text, std::string_view delimiters) {
    return AfterLastDelimiter(text, delimiters, SystemLeadBytes());
}
