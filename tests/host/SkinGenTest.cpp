// Our own skin: the generator's output is stable, the package made at build time reads
// back entry for entry, and it parses into every element the program's windows use,
// with the frame sizes and shapes the frame skinner relies on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "skin/data/FrameDraw.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

// host_tests, skingen and the generated package all live in the host build folder.
fs::path BuildDir() { return fs::read_symlink("/proc/self/exe").parent_path(); }
fs::path PackagePath() { return BuildDir() / "generated" / "KelvoraSkin.skn"; }

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// Runs skingen into a fresh folder and returns it.
fs::path Generate(const std::string& name) {
    const fs::path out = fs::temp_directory_path() / ("kelvora-skingen-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(out);
    const fs::path tool = BuildDir() / "skingen";
    EXPECT_TRUE(fs::exists(tool)) << tool << " is missing: build the host tree";
    const std::string command = "'" + tool.string() + "' '" + out.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return out;
}

class OurSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        package_ = new std::vector<uint8_t>(ReadBytes(PackagePath()));
        skin_ = new TSkinDefinition;
        loaded_ = LoadSkinPackage(*skin_, *package_, ClassicSkinPlatform());
    }
    static void TearDownTestSuite() {
        delete skin_;
        delete package_;
    }
    void SetUp() override { ASSERT_TRUE(loaded_) << PackagePath() << " is missing or does not load"; }

    static std::vector<uint8_t>* package_;
    static TSkinDefinition* skin_;
    static bool loaded_;
};
std::vector<uint8_t>* OurSkin::package_ = nullptr;
TSkinDefinition* OurSkin::skin_ = nullptr;
bool OurSkin::loaded_ = false;

int FrameWidth(const TDataSkinObject& e) { return e.Image.Width() / e.SafeFrameCount(); }
int FrameHeight(const TDataSkinObject& e) { return e.Image.Height() / e.SafeFrameCount(); }
bool IsMagenta(uint32_t pixel) { return (pixel & 0xFFFFFFu) == (PixelFromColour(kMagenta) & 0xFFFFFFu); }

}  // namespace

TEST(SkinGen, GeneratesTheSameBytesEveryRun) {
    const fs::path a = Generate("a"), b = Generate("b");
    const std::vector<std::string> names = ReadLines(a / "entries.txt");
    ASSERT_GT(names.size(), 40u);
    EXPECT_EQ(names, ReadLines(b / "entries.txt"));
    for (const std::string& name : names) {
        const std::vector<uint8_t> first = ReadBytes(a / name);
        EXPECT_FALSE(first.empty()) << name;
        EXPECT_EQ(first, ReadBytes(b / name)) << name << " differs between two runs";
    }
    fs::remove_all(a);
    fs::remove_all(b);
}

TEST_F(OurSkin, PackageHoldsTheGeneratorOutputEntryForEntry) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(*package_));
    const fs::path dir = Generate("pack");
    const std::vector<std::string> names = ReadLines(dir / "entries.txt");
    ASSERT_EQ(reader.Count(), static_cast<int>(names.size()));
    // The definition comes first and is the only entry a ".ini" search can find.
    std::vector<uint8_t> text;
    std::string found;
    reader.ExtractFirstMatching(".ini", text, found);
    EXPECT_EQ(found, names.front());
    for (const std::string& name : names) {
        std::vector<uint8_t> bytes;
        reader.ExtractEntry(name, bytes);
        EXPECT_EQ(bytes, ReadBytes(dir / name)) << name;
    }
    fs::remove_all(dir);
}

TEST_F(OurSkin, DefinitionNamesEachKeyOnceAndOnlyPicturesItCarries) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(*package_));
    std::vector<uint8_t> text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    TSkinIni ini;
    ini.LoadFromStream(text);
    std::set<std::string> sections, keys;
    std::string section;
    for (const std::string& line : ini.Lines()) {
        if (IsSectionHeader(line)) {
            section = AsciiLower(line);
            EXPECT_TRUE(sections.insert(section).second) << "section given twice: " << line;
            continue;
        }
        const size_t eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        // A second occurrence of a key would be ignored by the reader.
        EXPECT_TRUE(keys.insert(section + AsciiLower(line.substr(0, eq))).second) << section << " " << line;
        const std::string value = line.substr(eq + 1);
        if (value.size() > 4 && value.compare(value.size() - 4, 4, ".bmp") == 0) {
            std::vector<uint8_t> bytes;
            reader.ExtractEntry(value, bytes);
            EXPECT_FALSE(bytes.empty()) << value << " is not in the package";
        }
    }
}

TEST_F(OurSkin, DefinesEveryElementTheWindowsUse) {
    const TSkinDefinition& s = *skin_;
    EXPECT_FALSE(s.NoSkinLoaded);
    EXPECT_EQ(s.SkinName, "Kelvora Blue");
    const TDataSkinObject* permanent[] = {&s.BorderLeft, &s.BorderRight, &s.BorderTop,
                                          &s.BorderBottom, &s.Title,       &s.Buttons};
    for (const TDataSkinObject* e : permanent)
        EXPECT_FALSE(e->Image.Empty()) << e->IDName;
    EXPECT_FALSE(s.Buttons.CheckImage.Empty());
    EXPECT_FALSE(s.Buttons.RadioImage.Empty());

    const std::pair<const char*, const TDataSkinObject*> slots[] = {
        {"Progress", s.Progress.get()},
        {"Progress.Chunk", s.ProgressChunk.get()},
        {"menuBar", s.MenuBar.get()},
        {"GroupBox", s.GroupBox.get()},
        {"Tabs", s.Tabs.get()},
        {"Tab.Pane", s.TabPane.get()},
        {"StatusBarEdges", s.StatusBarEdges.get()},
        {"ComboButton", s.ComboButton.get()},
        {"SunkEdge", s.SunkEdge.get()},
        {"ExtraImages", s.ExtraImages.get()},
        {"Headerbar", s.Headerbar.get()},
        {"MenuItem", s.MenuItem.get()},
        {"MenuBackground", s.MenuBackground.get()},
        {"Scrollbar", s.Scrollbar.get()},
        {"HorzScroll", s.HorzScroll.get()},
        {"VertScroll", s.VertScroll.get()},
        {"HorzScrollThumb", s.HorzScrollThumb.get()},
        {"VertScrollThumb", s.VertScrollThumb.get()},
        {"Trackbar.ThumbHorz", s.TrackbarThumbHorz.get()},
        {"Trackbar.ThumbVert", s.TrackbarThumbVert.get()},
        {"Trackbar.ThumbLeft", s.TrackbarThumbLeft.get()},
        {"Trackbar.ThumbRight", s.TrackbarThumbRight.get()},
        {"Trackbar.ThumbUp", s.TrackbarThumbUp.get()},
        {"Trackbar.ThumbDown", s.TrackbarThumbDown.get()},
        {"UpDown.Horz", s.UpDownHorz.get()},
        {"UpDown.Vert", s.UpDownVert.get()},
        {"Track", s.Track.get()},
        {"TRACKVERT", s.TrackVert.get()},
        {"ComboxArrow", s.ComboxArrow.get()},
    };
    for (const auto& [name, e] : slots) {
        ASSERT_NE(e, nullptr) << name;
        EXPECT_FALSE(e->Image.Empty()) << name;
        // Every picture divides evenly into its frames.
        const bool stacked = e == s.UpDownHorz.get() || e == s.UpDownVert.get();
        EXPECT_EQ((stacked ? e->Image.Height() : e->Image.Width()) % e->SafeFrameCount(), 0) << name;
    }
    EXPECT_FALSE(s.Tabs->Image2.Empty());
    EXPECT_FALSE(s.UpDownHorz->Image2.Empty());
    EXPECT_FALSE(s.UpDownVert->Image2.Empty());
    // The skin's own grooves, not the built-in fallbacks.
    EXPECT_EQ(s.Track->TopHeight, 1);
    EXPECT_EQ(s.TrackVert->LeftWidth, 1);

    for (int i = 0; i < scColourCount; ++i) {
        if (i == 9 || i == 10 || i == scFrameColour) continue;
        EXPECT_TRUE(s.ColourGiven[i]) << "colour " << i;
        EXPECT_FALSE(IsSystemColour(s.Colours[i])) << "colour " << i;
    }
    EXPECT_EQ(s.ButtonFace(), 0x00FAF6F3);
}

TEST_F(OurSkin, OpaqueElementsHaveNoTransparentPixels) {
    // An element drawn without the magenta key would show magenta wherever the picture
    // left a pixel clear.
    const TSkinDefinition& s = *skin_;
    const TDataSkinObject* opaque[] = {s.HorzScroll.get(),      s.VertScroll.get(), s.HorzScrollThumb.get(),
                                       s.VertScrollThumb.get(), s.TabPane.get(),    s.StatusBarEdges.get(),
                                       s.MenuBackground.get(),  s.Headerbar.get(),  s.Track.get(),
                                       s.TrackVert.get(),       s.MenuBar.get()};
    for (const TDataSkinObject* e : opaque) {
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Trans, 0) << e->IDName;
        for (int y = 0; y < e->Image.Height(); ++y)
            for (int x = 0; x < e->Image.Width(); ++x)
                ASSERT_FALSE(IsMagenta(e->Image.Pixel(x, y))) << e->IDName << " " << x << "," << y;
    }
    // The tab pane is also drawn through the tabs' key.
    for (int y = 0; y < s.Tabs->Image2.Height(); ++y)
        for (int x = 0; x < s.Tabs->Image2.Width(); ++x) ASSERT_FALSE(IsMagenta(s.Tabs->Image2.Pixel(x, y)));
}

TEST_F(OurSkin, StripsHaveTheCellsTheirPaintersIndex) {
    const TSkinDefinition& s = *skin_;
    EXPECT_EQ(s.Buttons.FrameCount, 5);
    EXPECT_EQ(s.Buttons.CheckButtonFrame, 12);
    EXPECT_EQ(s.Buttons.RadioButtonFrame, 8);
    // Cell counts also follow from the strip sizes when the keys are absent.
    EXPECT_EQ(s.Buttons.CheckImage.Width() / s.Buttons.CheckImage.Height(), 12);
    EXPECT_EQ(s.Buttons.RadioImage.Width() / s.Buttons.RadioImage.Height(), 8);
    // 23 square scroll-bar cells, as high as the system's arrow (within 2 pixels).
    EXPECT_EQ(s.Scrollbar->Image.Width(), 23 * s.Scrollbar->Image.Height());
    EXPECT_LE(std::abs(s.Scrollbar->Image.Height() - 17), 2);
    EXPECT_EQ(s.HorzScrollThumb->FrameCount, 3);
    EXPECT_EQ(s.HorzScrollThumb->Image.Height(), s.Scrollbar->Image.Height());
    EXPECT_EQ(FrameWidth(*s.VertScrollThumb), s.Scrollbar->Image.Height());
    EXPECT_EQ(s.UpDownVert->Image2.Width() % 8, 0);
    // The title background: two stacked frames as high as the caption.
    EXPECT_EQ(s.Title.Image.Height(), 2 * FrameHeight(s.BorderTop));
}

TEST_F(OurSkin, FrameFitsTheMainWindow) {
    const TSkinDefinition& s = *skin_;
    // A 445 x 364 client becomes a 453 x 398 window.
    EXPECT_EQ(FrameWidth(s.BorderLeft), 4);
    EXPECT_EQ(FrameWidth(s.BorderRight), 4);
    EXPECT_EQ(FrameHeight(s.BorderTop), 30);
    EXPECT_EQ(FrameHeight(s.BorderBottom), 4);
    for (const TDataSkinBorder* b : {&s.BorderLeft, &s.BorderRight, &s.BorderTop, &s.BorderBottom})
        EXPECT_EQ(b->FrameCount, 2) << b->IDName;  // active and inactive
}

TEST_F(OurSkin, TopCornersAreCutAndTheRestOfTheFrameIsSolid) {
    const TSkinDefinition& s = *skin_;
    const int w = 453, h = 398, fl = 4, fr = 4, ft = 30, fb = 4;
    for (int frame = 1; frame <= 2; ++frame) {
        // Left and right parts as the frame skinner draws them; region runs per row.
        PixelBuffer left = BuildFrameBitmap(fl, h, s.BorderLeft.Image, {0, s.BorderLeft.TopHeight, 0, s.BorderLeft.BottomHeight},
                                            false, s.BorderLeft.Tile == 1, 2, frame);
        PixelBuffer right = BuildFrameBitmap(fr, h, s.BorderRight.Image, {0, s.BorderRight.TopHeight, 0, s.BorderRight.BottomHeight},
                                             false, s.BorderRight.Tile == 1, 2, frame);
        PixelBuffer top = BuildFrameBitmap(w - fl - fr, ft, s.BorderTop.Image,
                                           {s.BorderTop.LeftWidth, 0, s.BorderTop.RightWidth, 0}, true,
                                           s.BorderTop.Tile == 1, 2, frame);
        PixelBuffer bottom = BuildFrameBitmap(w - fl - fr, fb, s.BorderBottom.Image, {}, true, false, 2, frame);
        // The very corner is outside the window, a few pixels in it is inside.
        EXPECT_TRUE(IsMagenta(left.Pixel(0, 0)));
        EXPECT_TRUE(IsMagenta(right.Pixel(fr - 1, 0)));
        EXPECT_TRUE(IsMagenta(left.Pixel(0, 2)));
        EXPECT_TRUE(IsMagenta(right.Pixel(fr - 1, 2)));
        EXPECT_FALSE(IsMagenta(left.Pixel(0, 8)));
        EXPECT_FALSE(IsMagenta(top.Pixel(0, 1)));
        EXPECT_FALSE(IsMagenta(top.Pixel(top.Width() / 2, 0)));
        // Square bottom corners and no holes anywhere else.
        for (int y = 6; y < h; ++y) {
            for (int x = 0; x < fl; ++x) ASSERT_FALSE(IsMagenta(left.Pixel(x, y))) << x << "," << y;
            for (int x = 0; x < fr; ++x) ASSERT_FALSE(IsMagenta(right.Pixel(x, y))) << x << "," << y;
        }
        for (int y = 0; y < fb; ++y)
            for (int x = 0; x < bottom.Width(); ++x) ASSERT_FALSE(IsMagenta(bottom.Pixel(x, y)));
        // Region runs of the left part: the round corner starts inside on the first row
        // and reaches the window edge a few rows down; one run per row.
        const std::vector<RegionBatch> region = RegionFromBitmap(left, 0, 0, 1, 1, 1, kMagenta);
        std::map<int, TRect> runs;
        for (const RegionBatch& batch : region)
            for (const TRect& r : batch.rects) EXPECT_TRUE(runs.emplace(r.top, r).second) << "row " << r.top;
        EXPECT_EQ(runs.size(), static_cast<size_t>(h));
        EXPECT_GE(runs[0].left, 2);
        EXPECT_EQ(runs[6].left, 0);
        EXPECT_EQ(runs[h - 1].right, fl);
    }
}

TEST_F(OurSkin, CaptionButtonsSitInTheCaptionWithoutOverlapping) {
    const TSkinDefinition& s = *skin_;
    // Close, maximise, restore, minimise, help, icon, then the three MDI buttons.
    ASSERT_EQ(s.SysButtons.size(), 9u);
    std::vector<int> actions;
    for (const auto& b : s.SysButtons) actions.push_back(b->Action);
    EXPECT_EQ(actions, (std::vector<int>{0, 1, 1, 2, 4, 3, 7, 8, 9}));
    const int captionHeight = FrameHeight(s.BorderTop);
    int lastLeft = 0;
    for (const auto& b : s.SysButtons) {
        if (b->Align != 1) continue;
        EXPECT_FALSE(b->Image.Empty()) << b->IDName;
        EXPECT_EQ(b->FrameCount, 4) << b->IDName;
        EXPECT_GE(b->Ycoord, 0);
        EXPECT_LE(b->Ycoord + b->Image.Height(), captionHeight) << b->IDName;
        // Buttons further left start further from the right edge; the caption text stops
        // before the leftmost one.
        if (b->Action == 0 || b->Action == 2 || (b->Action == 1 && b->Visibility == 2)) {
            EXPECT_GT(b->Xcoord, lastLeft) << b->IDName;
            EXPECT_GE(b->Xcoord - FrameWidth(*b), lastLeft + (lastLeft ? 2 : 0)) << b->IDName;
            lastLeft = b->Xcoord;
        }
    }
    EXPECT_GE(s.Title.RightWidth + FrameWidth(s.BorderRight), lastLeft);
    // Help stands where maximise would be.
    EXPECT_EQ(s.SysButtons[4]->Xcoord, s.SysButtons[1]->Xcoord);
}
