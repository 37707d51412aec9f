// Any bytes as a skin definition, parsed against a package of small images of awkward
// shapes (a.bmp to g.bmp). The input up to its first NUL is the definition text; when
// there is a NUL, the bytes after it are the entry "z.bmp" of a package holding only it
// and a.bmp, so malformed and oddly sized pictures reach the parser too. The last byte
// sets the platform's scroll-arrow width. Nothing may crash, leak or read out of
// bounds, and the records that always exist must be there afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace {

class FuzzPlatform : public SkinPlatform {
public:
    explicit FuzzPlatform(int arrow) : arrow_(arrow) {}
    uint32_t SysColour(int index) const override { return 0x010203u * static_cast<uint32_t>(index); }
    int HorzScrollArrowWidth() const override { return arrow_; }

private:
    int arrow_;
};

PixelBuffer Picture(int w, int h, uint32_t seed) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t v = (static_cast<uint32_t>(x * 7 + y * 13) ^ seed) % 5;
            b.SetPixel(x, y, v == 0 ? 0xFFFF00FFu : 0xFF000000u | (seed * 2654435761u + x * 97 + y));
        }
    return b;
}

std::vector<SkinEntry> FixedImages() {
    std::vector<SkinEntry> entries;
    const struct { const char* name; int w, h; } kImages[] = {
        {"a.bmp", 1, 1}, {"b.bmp", 30, 10}, {"c.bmp", 24, 5}, {"d.bmp", 3, 40}, {"e.bmp", 20, 21},
        {"f.bmp", 46, 3}, {"g.bmp", 13, 13},
    };
    uint32_t seed = 1;
    for (const auto& image : kImages) entries.push_back({image.name, EncodeBmp(Picture(image.w, image.h, seed++), 24)});
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The images are compressed once; only an input with its own picture needs a package of its own.
    static const std::vector<SkinEntry> fixed = FixedImages();
    static const TSkinReader fixedReader = [] {
        TSkinReader r;
        if (!r.ReadPackage(BuildSkinPackage(20000, fixed))) std::abort();
        return r;
    }();
    const uint8_t* nul = size ? static_cast<const uint8_t*>(std::memchr(data, 0, size)) : nullptr;
    TSkinReader ownReader;
    if (nul) {
        // Only the input's own picture and a 1 x 1 one: compressing per input must stay cheap.
        const std::vector<SkinEntry> entries = {fixed.front(), {"z.bmp", std::vector<uint8_t>(nul + 1, data + size)}};
        if (!ownReader.ReadPackage(BuildSkinPackage(20000, entries))) std::abort();
    }
    const TSkinReader& reader = nul ? ownReader : fixedReader;
    TSkinIni ini;
    ini.LoadFromStream(data, size);
    const FuzzPlatform platform(size ? data[size - 1] % 72 : 16);
    TSkinDefinition skin;
    ParseDefinition(skin, ini, reader, platform);
    // For some inputs twice: a second parse replaces what the first one built.
    if (size > 0 && (data[0] & 1)) ParseDefinition(skin, ini, reader, platform);
    if (skin.NoSkinLoaded || !skin.Track || !skin.TrackVert || !skin.ToolbarBack || !skin.ComboxArrow ||
        skin.SysButtons.size() < 3)
        std::abort();
    return 0;
}
