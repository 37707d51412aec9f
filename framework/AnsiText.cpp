#include "framework/AnsiText.h"

std::size_t AfterLastDelimiter(std::string_view text, std::string_view delimiters) {
    std::size_t after = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (delimiters.find(static_cast<char>(c)) != std::string_view::npos) after = i + 1;
    }
    return after;
}
