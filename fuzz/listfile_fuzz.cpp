// Any bytes read as the list file: the names never hold a line break or NUL, writing them
// back and reading again gives the same names, and a name never reaches past the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cleanup/ListFile.h"
#include "cleanup/ProcessName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = ParseListText(bytes);
    std::size_t total = 0;
    for (const std::string& name : names) {
        if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
        total += name.size() + 1;
    }
    if (names.size() > size || total > size + 1) std::abort();
    std::string written;
    for (const std::string& name : names) written += name + "\r\n";
    if (ParseListText(written) != names) std::abort();
    // Every name matches a process entry holding exactly its bytes.
    for (const std::string& name : names) {
        if (!ProcessNameMatches(name, name)) std::abort();
    }
    return 0;
}
