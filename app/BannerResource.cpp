#include "app/BannerResource.h"

#include <windows.h>

#include "app/JpegImage.h"
#include "app/Resources.h"

PixelBuffer LoadBannerPicture() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_BANNER_JPEG), RT_RCDATA);
    if (!found) return PixelBuffer();
    HGLOBAL loaded = LoadResource(module, found);  // part of the mapped image: nothing to free
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (!bytes || size == 0) return PixelBuffer();
    return DecodeJpeg(static_cast<const uint8_t*>(bytes), size);
}
