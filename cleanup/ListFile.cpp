#include "cleanup/ListFile.h"

std::vector<std::string> ParseListText(std::string_view bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);

    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        names.emplace_back(bytes.substr(start, end - start));
        if (end < bytes.size() && bytes[end] == '\r') {
            ++end;
            if (end < bytes.size() && bytes[end] == '\n') ++end;
        } else if (end < bytes.size()) {
            ++end;
        }
        start = end;
    }
    return names;
}

std::string ListCountText(std::size_t count) {
    return "数据版本:" + std::to_string(count) + "条";
}
