#include "framework/SystemError.h"

std::string SystemMessageText(DWORD code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = (length && buffer) ? std::string(buffer, length) : std::string();
    if (buffer) LocalFree(buffer);
    return text;
}
