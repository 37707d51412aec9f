#include "app/SkinResource.h"

#include <windows.h>

#include "app/Resources.h"
#include "skin/data/SkinReader.h"

std::vector<uint8_t> StoredSkinStream() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_SKIN_PACKAGE), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;  // mapped image: nothing to free
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(module, found) : 0;
    std::vector<uint8_t> package;
    if (bytes) package.assign(bytes, bytes + size);
    return WriteSkinStream(package);
}
