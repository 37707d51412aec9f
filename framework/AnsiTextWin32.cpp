// Windows build: the lead bytes of the system's ANSI code page, as the system decides them.
#include "framework/AnsiText.h"

#include <windows.h>

const LeadByteTable& SystemLeadBytes() {
    static const LeadByteTable table = LeadByteTable::FromRule([codePage = GetACP()](unsigned char c) {
        return IsDBCSLeadByteEx(codePage, c) != FALSE;
    });
    return table;
}
