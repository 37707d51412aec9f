// skinpack: writes a skin package from entry files.
//   skinpack [--version N] [--stream] out.skn <files or folders>...
// Each file becomes one entry named by its file name (no directory part); a folder adds
// its regular files in name order. --stream writes the stored form with its int32 length
// prefix instead of the bare package.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/Lzh.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

int Usage() {
    std::fprintf(stderr, "usage: skinpack [--version N] [--stream] out.skn <entry files or folders>...\n"
                         "  N is one of 20000, 30000, 40000, 50000, 60000, 70000 (default 20000)\n");
    return 2;
}

bool ReadFile(const fs::path& path, std::vector<uint8_t>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool AddEntry(const fs::path& path, std::vector<SkinEntry>& entries) {
    SkinEntry e;
    e.name = path.filename().string();
    if (!ReadFile(path, e.bytes)) {
        std::fprintf(stderr, "skinpack: cannot read %s\n", path.string().c_str());
        return false;
    }
    entries.push_back(std::move(e));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int32_t version = 20000;
    bool stream = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--version" && i + 1 < argc) {
            version = static_cast<int32_t>(std::strtol(argv[++i], nullptr, 10));
        } else if (a == "--stream") {
            stream = true;
        } else if (a.rfind("--", 0) == 0) {
            return Usage();
        } else {
            args.push_back(a);
        }
    }
    if (args.size() < 2 || SkinExtensionLength(version) < 0) return Usage();

    std::vector<SkinEntry> entries;
    for (size_t i = 1; i < args.size(); ++i) {
        const fs::path p = args[i];
        if (fs::is_directory(p)) {
            std::vector<fs::path> files;
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file()) files.push_back(e.path());
            std::sort(files.begin(), files.end());
            for (const auto& f : files)
                if (!AddEntry(f, entries)) return 1;
        } else if (!AddEntry(p, entries)) {
            return 1;
        }
    }
    if (entries.size() > static_cast<size_t>(TSkinReader::kMaxEntries)) {
        std::fprintf(stderr, "skinpack: %zu entries; a package holds at most %d\n", entries.size(),
                     TSkinReader::kMaxEntries);
        return 1;
    }
    for (const SkinEntry& e : entries) {
        if (e.name.find_first_of("\r\n") != std::string::npos) {
            std::fprintf(stderr, "skinpack: entry name with a line break: %s\n", e.name.c_str());
            return 1;
        }
    }

    std::vector<uint8_t> package;
    try {
        package = BuildSkinPackage(version, entries);
    } catch (const ElzhException& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    // Read it back before writing: the package must index to the same entries.
    TSkinReader check;
    if (!check.ReadPackage(package) || check.Count() != static_cast<int>(entries.size())) {
        std::fprintf(stderr, "skinpack: the package does not read back\n");
        return 1;
    }
    for (int i = 0; i < check.Count(); ++i) {
        if (check.EntryBytes(i) != entries[static_cast<size_t>(i)].bytes) {
            std::fprintf(stderr, "skinpack: entry %s does not read back\n", entries[static_cast<size_t>(i)].name.c_str());
            return 1;
        }
    }
    const std::vector<uint8_t> out = stream ? WriteSkinStream(package) : package;
    std::ofstream file(args[0], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        std::fprintf(stderr, "skinpack: cannot write %s\n", args[0].c_str());
        return 1;
    }
    size_t unpacked = 0;
    for (const SkinEntry& e : entries) unpacked += e.bytes.size();
    std::printf("%s: %zu entries, %zu bytes of entries, %zu bytes packed (version %d)\n", args[0].c_str(),
                entries.size(), unpacked, out.size(), version);
    return 0;
}
