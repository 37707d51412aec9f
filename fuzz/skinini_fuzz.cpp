// Any bytes as a skin definition text: every section, every key seen in the text and a
// few fixed ones are looked up as strings, integers and colours. Nothing may crash or
// read out of bounds, and the lookups must agree with each other.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TSkinIni ini;
    ini.LoadFromStream(data, size);
    const std::vector<std::string> sections = ini.ReadSections();
    for (const std::string& section : sections) {
        if (ini.SectionIndex(section) < -1) std::abort();
        for (const char* key : {"Image", "Frame", "Action", "color"}) {
            const std::string value = ini.ReadString(section, key, "");
            const int32_t number = ini.ReadInteger(section, key, 12345);
            (void)ParseColourText(value, -1);
            if (value.empty() && number != 12345) std::abort();
        }
    }
    for (const std::string& line : ini.Lines()) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos || sections.empty()) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = ini.ReadString(sections.front(), key, "");
        (void)ini.ReadInteger(sections.back(), key, 0);
        (void)ParseColourText(value, 0);
    }
    return 0;
}
