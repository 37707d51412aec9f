// Package reader with entry extraction and image decoding. The first input byte picks
// the form: even = a compressed package as it stands; odd = a container, compressed here
// first, so mutations reach the container parsing directly.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/Lzh.h"
#include "skin/data/SkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    std::vector<uint8_t> package;
    if (data[0] & 1) {
        package = TLZH::Compress(data + 1, size - 1);
    } else {
        package.assign(data + 1, data + size);
        int32_t s = 0;
        if (package.size() >= 4) std::memcpy(&s, package.data(), 4);
        if (s > (256 << 10) && s <= kLzhMaxDecodedSize) return 0;  // valid but slow to decode
    }
    TSkinReader reader;
    if (!reader.ReadPackage(package)) return 0;
    std::vector<uint8_t> entry;
    std::string name;
    reader.ExtractFirstMatching(".ini", entry, name);
    for (const std::string& n : reader.Names()) {
        reader.ExtractEntry(n, entry);
        if (n.size() >= 4 && n.compare(n.size() - 4, 4, ".bmp") == 0) {
            PixelBuffer image = DecodeBmp(entry);
            (void)image;
        }
    }
    return 0;
}
