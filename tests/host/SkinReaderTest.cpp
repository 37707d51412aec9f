#include "skin/data/SkinReader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "skin/data/Lzh.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }

void Put32(Bytes& out, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

// A container put together by hand, so that each field can be made wrong on its own.
Bytes RawContainer(int32_t version, int32_t nameLength, const std::string& names, const std::vector<int32_t>& sizes,
                   const Bytes& data, int extension) {
    Bytes out;
    Put32(out, version);
    Put32(out, nameLength);
    out.insert(out.end(), 8, 0);
    out.insert(out.end(), static_cast<size_t>(extension), 0);
    out.insert(out.end(), names.begin(), names.end());
    for (int32_t s : sizes) Put32(out, s);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// Records the engine's message instead of showing it.
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = SetSkinMessageHandler([this](const std::string& text) { messages.push_back(text); });
    }
    ~MessageRecorder() { SetSkinMessageHandler(previous_); }
    std::vector<std::string> messages;

private:
    SkinMessageHandler previous_;
};

bool Reads(const Bytes& container) {
    TSkinReader reader;
    const bool ok = reader.ReadPackage(TLZH::Compress(container));
    if (!ok) {
        EXPECT_EQ(reader.Count(), 0);
    }
    return ok;
}

const std::vector<SkinEntry> kEntries = {
    {"Skin.INI", B("[Personality]\r\nLeft=left.bmp\r\n")},
    {"left.bmp", B("BM-left")},
    {"Empty.bmp", {}},
    {"left.bmp", B("BM-second")},
    {"top.bmp", B("BM-top-image")},
};

}  // namespace

TEST(SkinReader, EveryVersionReadsBackEntryForEntry) {
    for (int32_t version : {20000, 30000, 40000, 50000, 60000, 70000}) {
        TSkinReader reader;
        ASSERT_TRUE(reader.ReadPackage(BuildSkinPackage(version, kEntries))) << version;
        EXPECT_EQ(reader.Version(), version);
        ASSERT_EQ(reader.Count(), 5);
        EXPECT_EQ(reader.Names()[0], "skin.ini");
        for (int i = 0; i < reader.Count(); ++i) EXPECT_EQ(reader.EntryBytes(i), kEntries[static_cast<size_t>(i)].bytes);
    }
}

TEST(SkinReader, ExtensionBlockLengthDependsOnVersion) {
    EXPECT_EQ(SkinExtensionLength(30000), 256);
    EXPECT_EQ(SkinExtensionLength(60000), 117);
    EXPECT_EQ(SkinExtensionLength(70000), 69);
    // Under 50000 the 48 bytes after the header are skipped; the same bytes read as
    // version 20000 become the names.
    std::string extension = "fake.ini\r\nxxxx";
    extension.resize(48, '\0');
    Bytes container = RawContainer(50000, 14, "", {}, {}, 0);
    container.insert(container.end(), extension.begin(), extension.end());
    const std::string names = "a.bmp\r\nb.ini\r\n";
    container.insert(container.end(), names.begin(), names.end());
    Put32(container, 2);
    Put32(container, 3);
    const std::string data = "AAbbb";
    container.insert(container.end(), data.begin(), data.end());

    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(TLZH::Compress(container)));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "b.ini"}));
    Bytes out;
    reader.ExtractEntry("b.ini", out);
    EXPECT_EQ(out, B("bbb"));

    container[0] = 0x20;  // 20000 = 0x4E20
    container[1] = 0x4E;
    ASSERT_TRUE(reader.ReadPackage(TLZH::Compress(container)));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"fake.ini", "xxxx"}));
}

TEST(SkinReader, LookupCaseRulesDuplicatesAndEmptyEntries) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(BuildSkinPackage(40000, kEntries)));
    Bytes out = B("stale");
    reader.ExtractEntry("LEFT.BMP", out);  // the request is lower-cased too
    EXPECT_EQ(out, B("BM-left"));           // the first of two equal names wins
    reader.ExtractEntry("empty.bmp", out);
    EXPECT_TRUE(out.empty());
    out = B("stale");
    reader.ExtractEntry("missing.bmp", out);
    EXPECT_TRUE(out.empty());

    std::string name = "unchanged";
    reader.ExtractFirstMatching(".INI", out, name);  // the text is not lower-cased
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
    reader.ExtractFirstMatching(".ini", out, name);
    EXPECT_EQ(name, "skin.ini");
    EXPECT_EQ(out, kEntries[0].bytes);
    reader.ExtractFirstMatching("p.b", out, name);  // substring, package order
    EXPECT_EQ(name, "top.bmp");
    reader.ExtractFirstMatching("", out, name);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "top.bmp");
}

TEST(SkinReader, LowerCasingLeavesDoubleByteCharactersAlone) {
    // 0x81 0x41 is one code page 936 character whose second byte reads as 'A'.
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(BuildSkinPackage(20000, {{"\x81\x41X.bmp", B("img")}})));
    EXPECT_EQ(reader.Names()[0], "\x81\x41x.bmp");
    Bytes out;
    reader.ExtractEntry("\x81\x41X.BMP", out);
    EXPECT_EQ(out, B("img"));
}

TEST(SkinReader, NameLinesTrailingBreakAndEmptyLines) {
    // CR LF at the end adds no entry; an empty line in the middle is an entry of its own;
    // lone CR and lone LF end lines too.
    const std::string names = "a.bmp\r\n\r\nb.bmp\rc.bmp\nd.bmp\r\n";
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(TLZH::Compress(
        RawContainer(20000, static_cast<int32_t>(names.size()), names, {1, 2, 1, 1, 3}, B("ABBCDEEE"), 0))));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "", "b.bmp", "c.bmp", "d.bmp"}));
    Bytes out;
    reader.ExtractEntry("d.bmp", out);
    EXPECT_EQ(out, B("EEE"));
}

TEST(SkinReader, UnknownVersionShowsTheOneMessage) {
    MessageRecorder recorder;
    EXPECT_FALSE(Reads(RawContainer(10000, 0, "", {}, {}, 0)));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], "This is Older Skin File\rPlease update to new version !");
}

TEST(SkinReader, InconsistentContainersAreUnreadableWithoutMessage) {
    MessageRecorder recorder;
    const std::string names = "a.bmp\r\nb.bmp\r\n";
    const int32_t L = static_cast<int32_t>(names.size());
    // The sound container, for reference.
    EXPECT_TRUE(Reads(RawContainer(20000, L, names, {2, 3}, B("AABBB"), 0)));
    // Size table running past the data.
    Bytes shortTable = RawContainer(20000, L, names, {2}, {}, 0);
    shortTable.push_back(0);
    EXPECT_FALSE(Reads(shortTable));
    // Sizes adding up to more than the entry data.
    EXPECT_FALSE(Reads(RawContainer(20000, L, names, {2, 4}, B("AABBB"), 0)));
    // Negative size, even when the sum would fit.
    EXPECT_FALSE(Reads(RawContainer(20000, L, names, {-1, 3}, B("AABBB"), 0)));
    EXPECT_FALSE(Reads(RawContainer(20000, L, names, {INT32_MIN, INT32_MAX}, B("AABBB"), 0)));
    // Name text longer than the container, or negative.
    EXPECT_FALSE(Reads(RawContainer(20000, 1000, names, {2, 3}, B("AABBB"), 0)));
    EXPECT_FALSE(Reads(RawContainer(20000, -5, names, {2, 3}, B("AABBB"), 0)));
    // Extension block missing.
    EXPECT_FALSE(Reads(RawContainer(30000, 0, "", {}, {}, 100)));
    // Shorter than the header; empty package.
    EXPECT_FALSE(Reads(Bytes{0x20, 0x4E, 0, 0, 0, 0}));
    EXPECT_FALSE(Reads(Bytes{}));
    // A decoded size far beyond any skin is refused before anything is reserved.
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadPackage(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0x12, 0x34}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(SkinReader, AtMost1001Entries) {
    for (int count : {1001, 1002}) {
        std::string names;
        for (int i = 0; i < count; ++i) names += "e" + std::to_string(i) + ".bmp\r\n";
        const std::vector<int32_t> sizes(static_cast<size_t>(count), 1);
        const Bytes data(static_cast<size_t>(count), 'x');
        EXPECT_EQ(Reads(RawContainer(20000, static_cast<int32_t>(names.size()), names, sizes, data, 0)), count == 1001);
    }
}

TEST(SkinReader, FailedReadForgetsThePreviousPackage) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(BuildSkinPackage(20000, kEntries)));
    EXPECT_FALSE(reader.ReadPackage(Bytes{1, 2}));
    Bytes out;
    reader.ExtractEntry("left.bmp", out);
    EXPECT_TRUE(out.empty());
}

TEST(SkinStream, LengthPrefixedForm) {
    const Bytes package = BuildSkinPackage(70000, kEntries);
    Bytes stored = WriteSkinStream(package);
    ASSERT_EQ(stored.size(), package.size() + 4);
    stored.push_back(0xEE);  // what follows in the component stream is not ours
    Bytes back;
    size_t used = 0;
    ASSERT_TRUE(ReadSkinStream(stored.data(), stored.size(), back, used));
    EXPECT_EQ(back, package);
    EXPECT_EQ(used, package.size() + 4);

    for (int32_t n : {0, -7}) {
        Bytes none;
        Put32(none, n);
        ASSERT_TRUE(ReadSkinStream(none.data(), none.size(), back, used));
        EXPECT_TRUE(back.empty());
        EXPECT_EQ(used, 4u);
    }
    Bytes truncated;
    Put32(truncated, 10);
    truncated.insert(truncated.end(), 9, 0);
    EXPECT_FALSE(ReadSkinStream(truncated.data(), truncated.size(), back, used));
    EXPECT_TRUE(back.empty());
}
