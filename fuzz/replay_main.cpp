// Runs a fuzz target over every file of its corpus folder (or the files named), so the
// corpus is replayed as an ordinary test in every build. `make fuzz` links the same
// targets with libFuzzer instead.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

int main(int argc, char** argv) {
    size_t count = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(p))
                if (entry.is_regular_file()) { RunFile(entry.path()); ++count; }
        } else if (std::filesystem::exists(p)) {
            RunFile(p);
            ++count;
        }
    }
    // Inputs derived from nothing: the empty input and short byte patterns.
    for (int n = 0; n < 64; ++n) {
        std::vector<uint8_t> bytes(n, static_cast<uint8_t>(n * 37));
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu corpus files\n", count);
    return 0;
}
