// Host build: texts are code page 936, as the host's conversions (GBK) assume.
#include "framework/AnsiText.h"

const LeadByteTable& SystemLeadBytes() {
    static const LeadByteTable table = LeadByteTable::ForCodePage(936);
    return table;
}
