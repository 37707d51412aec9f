// Times reading a skin: the definition text alone (lines and sections), the definition
// parse into element records with every image decoded, and the whole load from package
// bytes. Usage: bench_skin_parse [package file]; without one, our skin as the host build
// packs it (generated/KelvoraSkin.skn beside the program), else a small built-in skin.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/Lzh.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace {

std::vector<uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A stand-in skin: every element section, pictures of plausible sizes.
std::vector<uint8_t> BuiltinPackage() {
    auto bmp = [](int w, int h) {
        PixelBuffer b(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b.SetPixel(x, y, (x * 31 + y * 17) % 7 ? 0xFF2D7FF9u : 0xFFFF00FFu);
        return EncodeBmp(b, 24);
    };
    std::string text =
        "[TitlebarSkin]\r\nSkinName=Bench\r\n[Personality]\r\nLeft=l.bmp\r\nLeftTopHeight=30\r\nLeftFrame=2\r\n"
        "Right=l.bmp\r\nRightTopHeight=30\r\nRightFrame=2\r\nTop=t.bmp\r\nTopTopHeight=8\r\nTopBotHeight=8\r\n"
        "TopFrame=2\r\nBottom=b.bmp\r\nBottomFrame=2\r\nTextBack=x.bmp\r\nmenuBar=x.bmp\r\n"
        "[Colours]\r\nButtonFace=243,246,250\r\nButtonText=40,50,60\r\n"
        "[Buttons]\r\nBitmap=btn.bmp\r\nCheckButton=chk.bmp\r\nRadioButton=chk.bmp\r\n"
        "[ButtonClose]\r\nAction=0\r\nAlign=1\r\nXcoord=40\r\nButtonImage=cap.bmp\r\n"
        "[ButtonMax]\r\nAction=1\r\nVisibility=2\r\nAlign=1\r\nXcoord=74\r\nButtonImage=cap.bmp\r\n"
        "[ButtonMin]\r\nAction=2\r\nAlign=1\r\nXcoord=108\r\nButtonImage=cap.bmp\r\n"
        "[Progress]\r\nBitmap=x.bmp\r\n[Progress.Chunk]\r\nImage=x.bmp\r\n";
    for (const char* s : {"GroupBox", "GroupBoxEdge", "Tabs", "Tab.Pane", "StatusBarEdges", "ComboButton", "SunkEdge",
                          "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "HorzScroll", "VertScroll",
                          "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert",
                          "UpDown.Horz", "UpDown.Vert"})
        text += std::string("[") + s + "]\r\nImage=x.bmp\r\nLeftWidth=3\r\nTopHeight=3\r\nRightWidth=3\r\n"
                "BottomHeight=3\r\nTrans=1\r\n";
    text += "[Scrollbar]\r\nImage=sb.bmp\r\n";
    std::vector<SkinEntry> entries = {
        {"skin.ini", {text.begin(), text.end()}}, {"l.bmp", bmp(8, 120)},  {"t.bmp", bmp(60, 60)},
        {"b.bmp", bmp(30, 8)},                    {"x.bmp", bmp(100, 21)}, {"btn.bmp", bmp(375, 23)},
        {"chk.bmp", bmp(208, 13)},                {"cap.bmp", bmp(99, 21)}, {"sb.bmp", bmp(23 * 17, 17)},
    };
    return BuildSkinPackage(70000, entries);
}

struct Timing {
    double median;
    double best;
};

// Median and best time of one call in microseconds, over enough rounds to last about half
// a second. The best figure is the one to trust on a busy machine.
Timing Measure(const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    work();  // warm-up
    std::vector<double> times;
    const auto until = Clock::now() + std::chrono::milliseconds(500);
    while (times.size() < 20 || (Clock::now() < until && times.size() < 100000)) {
        const auto t0 = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front()};
}

void Report(const char* what, const Timing& t) {
    std::printf("%-42s median %8.1f us, best %8.1f us\n", what, t.median, t.best);
}

}  // namespace

int main(int argc, char** argv) {
    std::string source = argc > 1 ? argv[1] : "";
    if (source.empty()) {
        const auto ours = std::filesystem::path(argv[0]).parent_path() / "generated" / "KelvoraSkin.skn";
        if (std::filesystem::exists(ours)) source = ours.string();
    }
    const std::vector<uint8_t> package = source.empty() ? BuiltinPackage() : ReadFile(source.c_str());
    const ClassicSkinPlatform platform;
    TSkinReader reader;
    if (!reader.ReadPackage(package)) {
        std::fprintf(stderr, "bench_skin_parse: the package cannot be read\n");
        return 1;
    }
    std::vector<uint8_t> text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    TSkinIni ini;
    ini.LoadFromStream(text);

    std::printf("skin %s: %zu package bytes, %d entries, definition %zu bytes, %zu lines\n",
                source.empty() ? "(built-in)" : source.c_str(), package.size(), reader.Count(), text.size(), ini.Lines().size());
    const Timing textTime = Measure([&] {
        TSkinIni fresh;
        fresh.LoadFromStream(text);
    });
    const Timing parse = Measure([&] {
        TSkinDefinition skin;
        ParseDefinition(skin, ini, reader, platform);
    });
    const Timing decompress = Measure([&] {
        std::vector<uint8_t> container;
        TLZH::Decompress(package, container);
    });
    const Timing load = Measure([&] {
        TSkinDefinition skin;
        LoadSkinPackage(skin, package, platform);
    });
    Report("definition text into lines and sections:", textTime);
    Report("definition parse into element records:", parse);
    Report("decompression of the package alone:", decompress);
    Report("whole load from package bytes:", load);
    return 0;
}
