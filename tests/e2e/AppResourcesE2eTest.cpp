// What the shipped executable carries, read from the file as the system reads it:
// version block, manifest, icon, skin package and menu glyphs. Also checks the environment
// every test relies on.
#include "E2eDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace e2e;

namespace {

// The module's data, loaded without running it.
class DataModule {
public:
    explicit DataModule(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataModule() { if (module_) FreeLibrary(module_); }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE Handle() const { return module_; }
    std::string Resource(LPCSTR name, LPCSTR type) const {
        HRSRC found = FindResourceA(module_, name, type);
        if (!found) return std::string();
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return bytes ? std::string(bytes, SizeofResource(module_, found)) : std::string();
    }

private:
    HMODULE module_;
};

// version.dll is not among the driver's link libraries: bound at run time.
struct VersionApi {
    using SizeFn = DWORD(WINAPI*)(LPCSTR, LPDWORD);
    using InfoFn = BOOL(WINAPI*)(LPCSTR, DWORD, DWORD, LPVOID);
    using QueryFn = BOOL(WINAPI*)(LPCVOID, LPCSTR, LPVOID*, PUINT);
    HMODULE dll = LoadLibraryA("version.dll");
    SizeFn size = reinterpret_cast<SizeFn>(reinterpret_cast<void*>(GetProcAddress(dll, "GetFileVersionInfoSizeA")));
    InfoFn info = reinterpret_cast<InfoFn>(reinterpret_cast<void*>(GetProcAddress(dll, "GetFileVersionInfoA")));
    QueryFn query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(GetProcAddress(dll, "VerQueryValueA")));
};

}  // namespace

TEST(AppEnvironment, AnsiCodePageIs936AndTheProgramIsThere) {
    EXPECT_EQ(GetACP(), 936u) << "Wine must run with LC_ALL=zh_CN.UTF-8";
    ASSERT_FALSE(KelvoraExe().empty()) << "KELVORA_EXE is not set";
    EXPECT_NE(GetFileAttributesA(KelvoraExe().c_str()), INVALID_FILE_ATTRIBUTES) << KelvoraExe();
    EXPECT_NE(GetFileAttributesA(HelperExe("hold_object").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(WindowsPath("/work/build/Kelvora.exe"), "Z:\\work\\build\\Kelvora.exe");
}

TEST(AppResources, VersionBlockIsChinesePrcWithTheProductTexts) {
    VersionApi api;
    ASSERT_TRUE(api.size && api.info && api.query);
    const std::string exe = KelvoraExe();
    DWORD ignored = 0;
    DWORD size = api.size(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(api.info(exe.c_str(), 0, size, &block[0]));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(api.query(block.data(), "\\", reinterpret_cast<LPVOID*>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

    WORD* translation = nullptr;
    ASSERT_TRUE(api.query(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<LPVOID*>(&translation),
                          &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 936);

    auto text = [&](const char* key) {
        char* value = nullptr;
        UINT n = 0;
        std::string path = std::string("\\StringFileInfo\\080403A8\\") + key;
        if (!api.query(block.data(), path.c_str(), reinterpret_cast<LPVOID*>(&value), &n) || !value)
            return std::string("<missing>");
        return std::string(value);
    };
    for (const char* key : {"ProductName", "FileDescription", "OriginalFilename", "LegalTrademarks"})
        EXPECT_EQ(text(key), "Kelvora") << key;
    EXPECT_EQ(text("FileVersion"), "1.0.0.0");
    EXPECT_EQ(text("ProductVersion"), "1.0.0.0");
    EXPECT_EQ(text("Comments"), "");
    for (const char* key : {"CompanyName", "LegalCopyright", "InternalName"})
        EXPECT_NE(text(key), "<missing>") << key;
}

TEST(AppResources, ManifestAsksForHighestAvailableAndNothingElse) {
    DataModule exe(KelvoraExe());
    ASSERT_NE(exe.Handle(), nullptr);
    const std::string manifest = exe.Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("requestedExecutionLevel level=\"highestAvailable\""), std::string::npos);
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << "classic controls only";
    EXPECT_EQ(manifest.find("dependency"), std::string::npos);
}

TEST(AppResources, IconIsOne48x48ImageWithAlpha) {
    DataModule exe(KelvoraExe());
    ASSERT_NE(exe.Handle(), nullptr);
    const std::string group = exe.Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 14u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(group.data());
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 1) << "one image";
    EXPECT_EQ(bytes[6], 48);
    EXPECT_EQ(bytes[7], 48);
    EXPECT_EQ(bytes[6 + 6] | bytes[6 + 7] << 8, 32) << "32 bits per pixel";
}

// The main window's skin is the package this build made, stored whole; the menu glyph
// strip is four 16 x 16 glyphs: dark strokes on the white mask, each its own drawing.
TEST(AppResources, SkinPackageAndMenuGlyphStrip) {
    DataModule exe(KelvoraExe());
    ASSERT_NE(exe.Handle(), nullptr);
    const std::string package = exe.Resource(MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(10));  // RT_RCDATA
    ASSERT_FALSE(package.empty()) << "no skin package";
    EXPECT_EQ(package, ReadBytes(WindowsPath(EnvText("KELVORA_BIN_DIR")) + "\\generated\\KelvoraSkin.skn"));

    const std::string dib = exe.Resource("DORVANEMENU", MAKEINTRESOURCEA(2));  // RT_BITMAP
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, dib.data(), sizeof header);
    ASSERT_EQ(header.biWidth, 64);
    ASSERT_EQ(header.biHeight, 16);  // bottom-up
    ASSERT_EQ(header.biBitCount, 24);
    const size_t stride = (64 * 3 + 3) & ~3u;
    ASSERT_GE(dib.size(), header.biSize + stride * 16);
    auto pixel = [&](int x, int y) {
        const auto* p = reinterpret_cast<const unsigned char*>(dib.data() + header.biSize + stride * (15 - y) + x * 3);
        return static_cast<unsigned>(p[2] << 16 | p[1] << 8 | p[0]);
    };
    std::string cells[4];
    for (int cell = 0; cell < 4; ++cell) {
        int dark = 0, white = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = cell * 16; x < cell * 16 + 16; ++x) {
                const unsigned p = pixel(x, y);
                cells[cell] += std::to_string(p) + ",";
                white += p == 0xFFFFFF;
                dark += (p >> 16) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100;
            }
        EXPECT_GT(dark, 8) << "glyph " << cell;
        EXPECT_GT(white, 128) << "glyph " << cell << " has too little mask";
        EXPECT_EQ(pixel(cell * 16, 0), 0xFFFFFFu) << "glyph " << cell << " corner";
    }
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) EXPECT_NE(cells[a], cells[b]) << "glyphs " << a << " and " << b;
}
