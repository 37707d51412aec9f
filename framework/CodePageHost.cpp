// Host build: code page 936 text converted with iconv (GBK).
#include "framework/CodePage.h"

#include <iconv.h>

#include <vector>

namespace {
std::string Convert(const char* to, const char* from, const char* data, size_t size) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
    std::vector<char> out(size * 4 + 16);
    char* in = const_cast<char*>(data);
    size_t inLeft = size;
    char* dst = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) {
            // Skip a byte that does not convert, like the system's best-fit conversion.
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return std::string(out.data(), out.size() - outLeft);
}
}  // namespace

std::wstring AnsiToWide(const std::string& text) {
    const std::string utf32 = Convert("UTF-32LE", "GBK", text.data(), text.size());
    std::wstring out;
    for (size_t i = 0; i + 4 <= utf32.size(); i += 4) {
        const unsigned char* p = reinterpret_cast<const unsigned char*>(utf32.data() + i);
        out.push_back(static_cast<wchar_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (p[3] << 24)));
    }
    return out;
}

std::string WideToAnsi(const std::wstring& text) {
    std::string utf32;
    for (wchar_t c : text) {
        const unsigned long v = static_cast<unsigned long>(c);
        utf32.push_back(static_cast<char>(v & 0xFF));
        utf32.push_back(static_cast<char>((v >> 8) & 0xFF));
        utf32.push_back(static_cast<char>((v >> 16) & 0xFF));
        utf32.push_back(static_cast<char>((v >> 24) & 0xFF));
    }
    return Convert("GBK", "UTF-32LE", utf32.data(), utf32.size());
}
