#include "framework/Exceptions.h"

EFCreateError::EFCreateError(const std::string& path, const std::string& systemText)
    : EStreamError("Cannot create file \"" + path + "\". " + TrimSystemErrorText(systemText)) {}

EFOpenError::EFOpenError(const std::string& path, const std::string& systemText)
    : EStreamError("Cannot open file \"" + path + "\". " + TrimSystemErrorText(systemText)) {}

EStringListError::EStringListError(int index)
    : Exception("List index out of bounds (" + std::to_string(index) + ")") {}

std::string TrimSystemErrorText(std::string text) {
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.back());
        if (c <= ' ' || c == '.') {
            text.pop_back();
        } else {
            break;
        }
    }
    return text;
}
