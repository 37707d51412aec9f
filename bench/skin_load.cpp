// Loading a skin package: LZH decoding throughput, indexing and image decoding, and the
// whole load down to element records.
//   bench_skin_load [package.skn]
// Without an argument it uses our own skin beside the build (generated/KelvoraSkin.skn)
// or, failing that, a package of similar size put together here.
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "skin/data/BmpCodec.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/Lzh.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// About the size class of a real skin: a definition text and gradient-and-frame images.
std::vector<uint8_t> MadeUpPackage() {
    std::vector<SkinEntry> entries;
    std::string ini = "[Personality]\r\n";
    for (int i = 0; i < 40; ++i) {
        PixelBuffer img(40 + i, 24);
        for (int y = 0; y < img.Height(); ++y)
            for (int x = 0; x < img.Width(); ++x)
                img.SetPixel(x, y, (x < 2 || y < 2) ? 0xFFFF00FFu : PixelFromColour(0x7F3F1Fu + static_cast<uint32_t>(y * 3)));
        const std::string name = "image" + std::to_string(i) + ".bmp";
        ini += "Image" + std::to_string(i) + "=" + name + "\r\n";
        entries.push_back({name, EncodeBmp(img, 24)});
    }
    entries.insert(entries.begin(), SkinEntry{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())});
    return BuildSkinPackage(20000, entries);
}


}  // namespace

int main(int argc, char** argv) {
    fs::path path;
    if (argc > 1) {
        path = argv[1];
    } else {
        const fs::path beside = fs::absolute(argv[0]).parent_path() / "generated" / "KelvoraSkin.skn";
        if (fs::exists(beside)) path = beside;
    }
    const std::vector<uint8_t> package = path.empty() ? MadeUpPackage() : ReadFile(path);
    std::printf("package: %s, %zu bytes\n", path.empty() ? "(made up)" : path.string().c_str(), package.size());

    std::vector<uint8_t> decoded;
    if (!TLZH::Decompress(package, decoded)) {
        std::printf("not a package\n");
        return 1;
    }
    const double decodeUs = MicrosecondsPerRun(200, [&] { TLZH::Decompress(package, decoded); });
    std::printf("LZH decode: %.1f us for %zu bytes out = %.1f MB/s of output\n", decodeUs, decoded.size(),
                static_cast<double>(decoded.size()) / decodeUs);

    const double encodeUs = MicrosecondsPerRun(50, [&] { TLZH::Compress(decoded); });
    std::printf("LZH encode (tools only): %.1f us = %.1f MB/s of input\n", encodeUs,
                static_cast<double>(decoded.size()) / encodeUs);

    int images = 0;
    const double indexUs = MicrosecondsPerRun(200, [&] {
        TSkinReader reader;
        reader.ReadPackage(package);
        std::vector<uint8_t> entry;
        std::string name;
        reader.ExtractFirstMatching(".ini", entry, name);
        images = 0;
        for (const std::string& n : reader.Names()) {
            if (n.size() < 4 || n.compare(n.size() - 4, 4, ".bmp") != 0) continue;
            reader.ExtractEntry(n, entry);
            if (!DecodeBmp(entry).Empty()) ++images;
        }
    });
    std::printf("read package, extract and decode %d images: %.1f us\n", images, indexUs);

    const ClassicSkinPlatform platform;
    bool loaded = false;
    const double loadUs = MicrosecondsPerRun(200, [&] {
        TSkinDefinition skin;
        loaded = LoadSkinPackage(skin, package, platform);
    });
    std::printf("full load to element records: %.1f us (%s)\n", loadUs, loaded ? "loaded" : "NOT loaded");
    return 0;
}
