// skindump: looks into a skin package.
//   skindump [--stream] package.skn               lists the entries and their sizes
//   skindump [--stream] --ini package.skn         prints the definition entry
//   skindump [--stream] --extract DIR package.skn writes every entry to DIR
// --stream reads the stored form (int32 length prefix) instead of a bare package.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: skindump [--stream] [--ini | --extract DIR] package.skn\n");
    return 2;
}

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Entry names come from the package: keep only a plain file name.
std::string SafeName(const std::string& name, int index) {
    std::string s;
    for (char c : name) s += (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) ? '_' : c;
    if (s.empty() || s == "." || s == "..") s = "entry" + std::to_string(index);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    bool stream = false, ini = false;
    std::string extractDir, input;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--stream") stream = true;
        else if (a == "--ini") ini = true;
        else if (a == "--extract" && i + 1 < argc) extractDir = argv[++i];
        else if (a.rfind("--", 0) == 0 || !input.empty()) return Usage();
        else input = a;
    }
    if (input.empty()) return Usage();

    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "skindump: cannot open %s\n", input.c_str());
        return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<uint8_t> package;
    if (stream) {
        size_t used = 0;
        if (!ReadSkinStream(bytes.data(), bytes.size(), package, used)) {
            std::fprintf(stderr, "skindump: the stored form is truncated\n");
            return 1;
        }
    } else {
        package = std::move(bytes);
    }

    SetSkinMessageHandler([](const std::string& text) {
        std::string shown = text;
        for (char& c : shown)
            if (c == '\r') c = '\n';
        std::fprintf(stderr, "skindump: %s\n", shown.c_str());
    });
    TSkinReader reader;
    if (!reader.ReadPackage(package)) {
        std::fprintf(stderr, "skindump: %s is not a readable skin package\n", input.c_str());
        return 1;
    }

    if (ini) {
        std::vector<uint8_t> text;
        std::string name;
        reader.ExtractFirstMatching(".ini", text, name);
        if (name.empty()) {
            std::fprintf(stderr, "skindump: no definition entry\n");
            return 1;
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }

    if (!extractDir.empty()) {
        std::error_code ec;
        fs::create_directories(extractDir, ec);
        for (int i = 0; i < reader.Count(); ++i) {
            const fs::path path = fs::path(extractDir) / SafeName(reader.Names()[static_cast<size_t>(i)], i);
            if (!WriteFile(path, reader.EntryBytes(i))) {
                std::fprintf(stderr, "skindump: cannot write %s\n", path.string().c_str());
                return 1;
            }
        }
        std::printf("%d entries written to %s\n", reader.Count(), extractDir.c_str());
        return 0;
    }

    std::printf("version %d, %d entries\n", reader.Version(), reader.Count());
    for (int i = 0; i < reader.Count(); ++i) {
        const std::string& name = reader.Names()[static_cast<size_t>(i)];
        std::printf("%8d  %s", reader.EntrySize(i), name.c_str());
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".bmp") == 0) {
            const PixelBuffer image = DecodeBmp(reader.EntryBytes(i));
            if (image.Empty())
                std::printf("  (not a readable BMP)");
            else
                std::printf("  %d x %d", image.Width(), image.Height());
        }
        std::printf("\n");
    }
    return 0;
}
