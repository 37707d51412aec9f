#include "sysutil/FolderBuffer.h"

#include <cstring>

std::string ReadGrowingBuffer(const std::function<unsigned(char* buffer, unsigned size)>& fill) {
    std::string buffer(256, '\0');
    // The needed size can change between calls (another thread sets the variable); a few
    // rounds settle it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const unsigned result = fill(&buffer[0], static_cast<unsigned>(buffer.size()));
        if (result < buffer.size()) {
            buffer.resize(std::strlen(buffer.c_str()));
            return buffer;
        }
        buffer.assign(result + 1, '\0');
    }
    return std::string();
}
