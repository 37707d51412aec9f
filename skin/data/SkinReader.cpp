#include "skin/data/SkinReader.h"

#include <utility>

#include "skin/data/Lzh.h"

const char kOlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

namespace {

SkinMessageHandler& MessageHandler() {
    static SkinMessageHandler handler;
    return handler;
}

constexpr size_t kHeaderSize = 16;

int32_t ReadInt32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

void AppendInt32(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Lower-cases ASCII letters, the same on both sides of every comparison. The second byte
// of a code page 936 double-byte character may fall in 'A'..'Z' and is left alone.
std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 0x81 && c <= 0xFE) {
            ++i;
        } else if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// Splits the name text into lines at CR LF, a lone CR or a lone LF. A final line break
// adds no empty line; an empty line elsewhere is an (empty) name. A NUL ends the text.
std::vector<std::string> SplitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            ++i;
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace

SkinMessageHandler SetSkinMessageHandler(SkinMessageHandler handler) {
    return std::exchange(MessageHandler(), std::move(handler));
}

int SkinExtensionLength(int32_t version) {
    switch (version) {
        case 20000: return 0;
        case 30000: return 256;
        case 40000: return 80;
        case 50000: return 48;
        case 60000: return 117;
        case 70000: return 69;
        default: return -1;
    }
}

void TSkinReader::Clear() {
    version_ = 0;
    nameListLength_ = 0;
    for (uint8_t& b : reserved_) b = 0;
    names_.clear();
    sizes_.clear();
    data_.clear();
}

bool TSkinReader::ReadPackage(const uint8_t* package, size_t size) {
    Clear();
    std::vector<uint8_t> buffer;
    if (!TLZH::Decompress(package, size, buffer)) return false;
    if (buffer.size() < kHeaderSize) return false;

    const int32_t version = ReadInt32(buffer.data());
    const int32_t nameListLength = ReadInt32(buffer.data() + 4);
    const int extension = SkinExtensionLength(version);
    if (extension < 0) {
        if (const SkinMessageHandler& handler = MessageHandler()) handler(kOlderSkinMessage);
        return false;
    }

    // Every length below is checked against the bytes that are really there.
    const size_t total = buffer.size();
    size_t pos = kHeaderSize + static_cast<size_t>(extension);
    if (nameListLength < 0 || pos > total || static_cast<size_t>(nameListLength) > total - pos) return false;
    const std::string text = LowerAscii(
        std::string_view(reinterpret_cast<const char*>(buffer.data() + pos), static_cast<size_t>(nameListLength)));
    pos += static_cast<size_t>(nameListLength);

    std::vector<std::string> names = SplitLines(text);
    if (names.size() > static_cast<size_t>(kMaxEntries)) return false;
    const size_t tableBytes = names.size() * 4;
    if (tableBytes > total - pos) return false;

    std::vector<int32_t> sizes(names.size());
    uint64_t sum = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        sizes[i] = ReadInt32(buffer.data() + pos + 4 * i);
        if (sizes[i] < 0) return false;
        sum += static_cast<uint64_t>(sizes[i]);
    }
    pos += tableBytes;
    if (sum > total - pos) return false;

    version_ = version;
    nameListLength_ = nameListLength;
    for (int i = 0; i < 8; ++i) reserved_[i] = buffer[8 + i];
    names_ = std::move(names);
    sizes_ = std::move(sizes);
    data_.assign(buffer.begin() + static_cast<std::ptrdiff_t>(pos), buffer.end());
    return true;
}

int32_t TSkinReader::EntrySize(int index) const {
    if (index < 0 || index >= Count()) return 0;
    return sizes_[static_cast<size_t>(index)];
}

size_t TSkinReader::EntryOffset(int index) const {
    size_t offset = 0;
    for (int i = 0; i < index; ++i) offset += static_cast<size_t>(sizes_[static_cast<size_t>(i)]);
    return offset;
}

std::vector<uint8_t> TSkinReader::EntryBytes(int index) const {
    if (index < 0 || index >= Count()) return {};
    const size_t offset = EntryOffset(index);
    const size_t length = static_cast<size_t>(sizes_[static_cast<size_t>(index)]);
    // ReadPackage made sure every entry lies inside data_.
    return std::vector<uint8_t>(data_.begin() + static_cast<std::ptrdiff_t>(offset),
                                data_.begin() + static_cast<std::ptrdiff_t>(offset + length));
}

void TSkinReader::ExtractEntry(std::string_view name, std::vector<uint8_t>& out) const {
    out.clear();
    const std::string wanted = LowerAscii(name);
    for (int i = 0; i < Count(); ++i) {
        if (names_[static_cast<size_t>(i)] == wanted) {
            out = EntryBytes(i);
            return;
        }
    }
}

void TSkinReader::ExtractFirstMatching(std::string_view text, std::vector<uint8_t>& out, std::string& outName) const {
    out.clear();
    if (text.empty()) return;  // an empty text is contained in no name
    for (int i = 0; i < Count(); ++i) {
        const std::string& name = names_[static_cast<size_t>(i)];
        if (name.find(text) != std::string::npos) {
            out = EntryBytes(i);
            outName = name;
            return;
        }
    }
}

bool ReadSkinStream(const uint8_t* data, size_t size, std::vector<uint8_t>& package, size_t& consumed) {
    package.clear();
    consumed = 0;
    if (data == nullptr || size < 4) return false;
    const int32_t length = ReadInt32(data);
    consumed = 4;
    if (length <= 0) return true;
    if (static_cast<size_t>(length) > size - 4) return false;
    package.assign(data + 4, data + 4 + length);
    consumed += static_cast<size_t>(length);
    return true;
}

std::vector<uint8_t> WriteSkinStream(const std::vector<uint8_t>& package) {
    std::vector<uint8_t> out;
    out.reserve(package.size() + 4);
    AppendInt32(out, static_cast<int32_t>(package.size()));
    out.insert(out.end(), package.begin(), package.end());
    return out;
}

std::vector<uint8_t> BuildSkinContainer(int32_t version, const std::vector<SkinEntry>& entries) {
    std::string names;
    for (size_t i = 0; i < entries.size(); ++i) {
        names += entries[i].name;
        names += "\r\n";
    }
    std::vector<uint8_t> out;
    AppendInt32(out, version);
    AppendInt32(out, static_cast<int32_t>(names.size()));
    out.insert(out.end(), 8, 0);
    const int extension = SkinExtensionLength(version);
    if (extension > 0) out.insert(out.end(), static_cast<size_t>(extension), 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const SkinEntry& e : entries) AppendInt32(out, static_cast<int32_t>(e.bytes.size()));
    for (const SkinEntry& e : entries) out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    return out;
}

std::vector<uint8_t> BuildSkinPackage(int32_t version, const std::vector<SkinEntry>& entries) {
    return TLZH::Compress(BuildSkinContainer(version, entries));
}
