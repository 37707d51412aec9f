// LZH decoder on arbitrary packages, and encoder/decoder agreement on arbitrary data.
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/data/Lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Decoding: sizes up to 256 KiB (our skin decodes to about 180 KB) are decoded; larger
    // ones only go through the size check (above the limit) or are skipped (a forged size
    // only makes the run slow).
    int32_t s = 0;
    if (size >= 4) std::memcpy(&s, data, 4);
    if (size < 4 || s < 0 || s <= (256 << 10) || s > kLzhMaxDecodedSize) {
        std::vector<uint8_t> out;
        if (TLZH::Decompress(data, size, out) && out.size() != static_cast<size_t>(s)) __builtin_trap();
    }
    // Encoding: whatever we pack must come back byte for byte.
    const std::vector<uint8_t> package = TLZH::Compress(data, size);
    std::vector<uint8_t> back;
    if (!TLZH::Decompress(package, back) || back.size() != size || (size && std::memcmp(back.data(), data, size) != 0))
        __builtin_trap();
    return 0;
}
