// skingen: draws the Kelvora skin and writes its definition text and pictures into a
// folder, ready for skinpack. The output is the same, byte for byte, on every run.
//
//   skingen OUTDIR     writes kelvora.ini and every .bmp into OUTDIR, and OUTDIR/entries.txt
//                      listing the entry names in package order (the definition first),
//                      and the menu glyph strip (menuglyphs.bmp), which is not a package entry
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "tools/skingen/SkinArt.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::fprintf(stderr, "skingen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "skingen: cannot create %s\n", dir.string().c_str());
        return 1;
    }

    std::string entries = std::string(kSkinDefinitionName) + "\n";
    const std::string definition = SkinDefinitionText();
    if (!WriteFile(dir / kSkinDefinitionName, definition.data(), definition.size())) return 1;
    for (const SkinPicture& picture : DrawSkinPictures()) {
        const std::vector<uint8_t> bmp = EncodeBmp(picture.image, 24);
        if (bmp.empty() || !WriteFile(dir / picture.name, bmp.data(), bmp.size())) return 1;
        entries += picture.name + "\n";
    }
    const std::vector<uint8_t> glyphs = EncodeBmp(DrawMenuGlyphs(), 24);
    if (glyphs.empty() || !WriteFile(dir / kMenuGlyphsName, glyphs.data(), glyphs.size())) return 1;
    return WriteFile(dir / "entries.txt", entries.data(), entries.size()) ? 0 : 1;
}
