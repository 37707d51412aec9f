#include "skin/data/SkinIni.h"

#include <limits>

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

template <typename Map>
std::string MapAscii(std::string_view s, Map map) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c)) {
            ++i;  // the trail byte of a double-byte character is not a letter
            continue;
        }
        out[i] = static_cast<char>(map(c));
    }
    return out;
}

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

// AsciiLower(a) == AsciiLower(b), without building either string.
bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (IsLeadByte(x) || IsLeadByte(y)) {
            if (x != y) return false;
            ++i;
            if (i < a.size() && a[i] != b[i]) return false;
        } else if (FoldAscii(x) != FoldAscii(y)) {
            return false;
        }
    }
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string_view TrimControls(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

std::string AsciiLower(std::string_view s) {
    return MapAscii(s, [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; });
}

std::string AsciiUpper(std::string_view s) {
    return MapAscii(s, [](unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; });
}

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

bool ParseIntegerText(std::string_view s, int32_t& out) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size()) return false;
    if (s[i] == '$') {
        ++i;
        if (i >= s.size()) return false;
        uint64_t v = 0;
        for (; i < s.size(); ++i) {
            const int d = HexDigit(s[i]);
            if (d < 0) return false;
            v = v * 16 + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFu) return false;
        }
        // Eight hex digits fill the 32 bits: $FF000008 is the negative system-colour value.
        uint32_t bits = static_cast<uint32_t>(v);
        if (negative) bits = 0u - bits;
        out = static_cast<int32_t>(bits);
        return true;
    }
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
        if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<int32_t>::max()) return false;
    out = static_cast<int32_t>(v);
    return true;
}

void TSkinIni::LoadFromStream(const uint8_t* data, size_t size) {
    if (!data) return;  // no stream: nothing to read, nothing changes
    LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
}

void TSkinIni::LoadFromText(std::string_view text) {
    lines_.clear();
    sections_.clear();
    firstHeader_.clear();
    size_t pos = 0;
    bool stop = false;
    while (!stop) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n' && text[end] != '\0') ++end;
        const std::string_view line = TrimControls(text.substr(pos, end - pos));
        if (!line.empty() && line.front() != ';') {
            if (IsSectionHeader(line)) {
                const int index = static_cast<int>(lines_.size());
                sections_.emplace_back(std::string(line), index);
                firstHeader_.emplace(AsciiLower(line.substr(1, line.size() - 2)), index);
            }
            lines_.emplace_back(line);
        }
        if (end >= text.size() || text[end] == '\0') {
            stop = true;
        } else {
            // One CR, then one LF: CR LF is a single line end, LF CR two.
            if (text[end] == '\r') ++end;
            if (end < text.size() && text[end] == '\n') ++end;
            pos = end;
        }
    }
}

int TSkinIni::SectionIndex(std::string_view name) const {
    const auto found = firstHeader_.find(AsciiLower(name));
    return found == firstHeader_.end() ? -1 : found->second;
}

std::vector<std::string> TSkinIni::ReadSections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const auto& section : sections_) {
        const std::string_view text = section.first;
        names.emplace_back(TrimControls(text.substr(1, text.size() - 2)));
    }
    return names;
}

std::string TSkinIni::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
    const int header = lines_.empty() ? -1 : SectionIndex(section);
    if (header < 0) return std::string(def);
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsSectionHeader(line)) break;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;  // a line without "=" has an empty key
        if (!EqualsNoCase(TrimControls(line.substr(0, eq)), key)) continue;
        const std::string_view value = TrimControls(line.substr(eq + 1));
        return value.empty() ? std::string(def) : std::string(value);
    }
    return std::string(def);
}

int32_t TSkinIni::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    std::string s = ReadString(section, key, {});
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");
    int32_t value = 0;
    return ParseIntegerText(s, value) ? value : def;
}
