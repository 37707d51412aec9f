#pragma once
// Skin packages: an LZHUF-compressed container holding the definition text and the BMP
// images of a skin. TSkinReader decompresses one package, indexes its entries and hands
// them out by name. Everything read from a package is checked against the bytes really
// there; a package that does not add up is unreadable (ReadPackage returns false).
//
// Container (little-endian int32s): version, name-text length L, 8 reserved bytes, an
// extension block whose length depends on the version, L bytes of entry names (one per
// line), one int32 size per name, then the entries' bytes in name order.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The one message of the skin engine, for a package of a version it does not know.
// "\r" makes it two lines in a message box.
extern const char kOlderSkinMessage[];

// Receives kOlderSkinMessage. The Win32 side installs a message box; tests install a
// recorder. With no handler installed the message is dropped. Returns the previous one.
using SkinMessageHandler = std::function<void(const std::string& text)>;
SkinMessageHandler SetSkinMessageHandler(SkinMessageHandler handler);

// Length of the extension block that follows the 16-byte header, by container version;
// -1 for a version that is none of 20000, 30000, 40000, 50000, 60000, 70000.
int SkinExtensionLength(int32_t version);

class TSkinReader {
public:
    // The size table holds this many entries; a package with more is unreadable.
    static constexpr int kMaxEntries = 1001;

    // Decompresses the package and indexes it. True for a container of a known version
    // whose sizes all fit. An unknown version reports kOlderSkinMessage; any other fault
    // (short data, bad sizes, too many entries) returns false silently. A failed read
    // leaves the reader empty.
    bool ReadPackage(const uint8_t* package, size_t size);
    bool ReadPackage(const std::vector<uint8_t>& package) { return ReadPackage(package.data(), package.size()); }

    // The first entry whose stored (lower-cased) name equals name lower-cased; out gets
    // its bytes, or stays empty when there is none.
    void ExtractEntry(std::string_view name, std::vector<uint8_t>& out) const;
    // The first entry whose stored name contains text (text is NOT lower-cased); out gets
    // its bytes and outName its name. No match (an empty text matches nothing): out empty,
    // outName unchanged.
    void ExtractFirstMatching(std::string_view text, std::vector<uint8_t>& out, std::string& outName) const;

    int32_t Version() const { return version_; }
    int Count() const { return static_cast<int>(names_.size()); }
    // Entry names, lower-cased, in package order (an empty line is an empty name).
    const std::vector<std::string>& Names() const { return names_; }
    int32_t EntrySize(int index) const;
    // The bytes of entry index (empty when out of range).
    std::vector<uint8_t> EntryBytes(int index) const;

private:
    void Clear();
    size_t EntryOffset(int index) const;

    int32_t version_ = 0;
    int32_t nameListLength_ = 0;
    uint8_t reserved_[8] = {};
    std::vector<std::string> names_;
    std::vector<int32_t> sizes_;
    std::vector<uint8_t> data_;  // the entry data region only
};

// The stored SkinStream form: int32 N, then N package bytes; N <= 0 stores no package.
// Reads from data: package gets the bytes (empty for N <= 0) and consumed the bytes used.
// False when N announces more bytes than there are.
bool ReadSkinStream(const uint8_t* data, size_t size, std::vector<uint8_t>& package, size_t& consumed);
std::vector<uint8_t> WriteSkinStream(const std::vector<uint8_t>& package);

// Package writing, for the tools and tests.
struct SkinEntry {
    std::string name;  // stored as given (no directory part); the reader lower-cases
    std::vector<uint8_t> bytes;
};
// The uncompressed container; names are joined with CR LF. The reserved bytes and the
// extension block are zeros. An unknown version gets no extension block.
std::vector<uint8_t> BuildSkinContainer(int32_t version, const std::vector<SkinEntry>& entries);
// The container compressed into a package.
std::vector<uint8_t> BuildSkinPackage(int32_t version, const std::vector<SkinEntry>& entries);
