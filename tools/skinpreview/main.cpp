// skinpreview: renders a skin package the way the program draws it (frame parts, caption,
// controls) into one picture, to judge the look by eye.
//
//   skinpreview PACKAGE OUT.png     writes OUT.png (and OUT.bmp, OUT.mvg beside it)
//
// Pixels come from the skin's own frame routines; texts, the banner and the icon are
// laid over by ImageMagick's convert, which must be on the PATH for the PNG.
//
// A host tool: it starts convert with posix_spawn.
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinPlatform.h"
#include "tools/skinpreview/Scene.h"
#include "tools/skinpreview/Sheet.h"
#include "tools/skinpreview/Window.h"

namespace {

bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return static_cast<bool>(out);
}

std::string StemOf(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path : path.substr(0, dot);
}

// convert IN -draw SCRIPT OUT, with the script passed as an argument (ImageMagick's
// default policy refuses to read drawing scripts from files).
bool RunConvert(const std::string& in, const std::string& script, const std::string& out) {
    std::vector<std::string> args = {"convert", in, "-draw", script, out};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "convert", nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpreview PACKAGE OUT.png\n");
        return 2;
    }
    std::vector<uint8_t> package;
    if (!ReadFile(argv[1], package)) {
        std::fprintf(stderr, "skinpreview: cannot read %s\n", argv[1]);
        return 1;
    }
    TSkinDefinition skin;
    if (!LoadSkinPackage(skin, package, SystemSkinPlatform()) || !skin.Progress || !skin.Tabs ||
        !skin.Scrollbar || !skin.MenuItem || !skin.ComboButton || !skin.UpDownVert || !skin.Headerbar) {
        std::fprintf(stderr, "skinpreview: %s is not a complete skin\n", argv[1]);
        return 1;
    }

    Scene scene(1000, 880, 0xC8BFB4);  // a quiet grey-blue desktop
    PaintMainWindow(scene, skin, 20, 20, true);
    PaintMainWindow(scene, skin, 520, 20, false);
    PaintControlSheet(scene, skin, 20, 440, 960, 420);

    const std::string stem = StemOf(argv[2]);
    const std::vector<uint8_t> bmp = EncodeBmp(scene.Pixels(), 24);
    if (!WriteFile(stem + ".bmp", std::string(bmp.begin(), bmp.end())) || !WriteFile(stem + ".mvg", scene.Script())) {
        std::fprintf(stderr, "skinpreview: cannot write %s.bmp\n", stem.c_str());
        return 1;
    }
    if (!RunConvert(stem + ".bmp", scene.Script(), argv[2])) {
        std::fprintf(stderr, "skinpreview: convert failed; the picture without texts is %s.bmp\n", stem.c_str());
        return 1;
    }
    return 0;
}
