#pragma once
// The skin definition text: an INI-like list of [Section] headers and key=value lines.
// Section names and keys match without regard to case; values keep their case.
// A key is looked up only up to the next section header, and the first occurrence of a
// key in a section wins even when its value is empty (the caller's default then applies).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class TSkinIni {
public:
    // Builds the line and section lists from the text; previous content is discarded.
    // The text ends at its end or at the first NUL byte. No data (nullptr) changes nothing.
    void LoadFromStream(const uint8_t* data, size_t size);
    void LoadFromStream(const std::vector<uint8_t>& bytes) { LoadFromStream(bytes.data(), bytes.size()); }
    void LoadFromText(std::string_view text);

    // Index in Lines() of the first header "[name]" (case-insensitive), or -1.
    int SectionIndex(std::string_view name) const;
    // Section names in file order, without brackets, trimmed inside.
    std::vector<std::string> ReadSections() const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal with optional sign, or hexadecimal written "$1F" or "0x1F"; anything else gives def.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;

    // Every kept line (headers included), trimmed, in file order.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    // Header lines as trimmed (brackets included) with their index in lines_.
    std::vector<std::pair<std::string, int>> sections_;
    // Lower-cased text between the brackets -> index in lines_ of its first header.
    std::unordered_map<std::string, int> firstHeader_;
};

// Text helpers shared by the definition reader. Lower/upper-casing touches ASCII letters
// only and leaves both bytes of a code page 936 double-byte character alone.
std::string_view TrimControls(std::string_view s);
std::string AsciiLower(std::string_view s);
std::string AsciiUpper(std::string_view s);
bool IsSectionHeader(std::string_view line);
// Decimal with optional sign or "$" hexadecimal (up to 8 digits, taken as 32 bits);
// false when the text is not a whole number in that form or is out of range.
bool ParseIntegerText(std::string_view s, int32_t& out);
