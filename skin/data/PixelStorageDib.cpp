// Windows storage for PixelBuffer: a 32-bit top-down DIB section, so GDI can draw into
// the same pixels the portable routines work on.
#include "skin/data/PixelBuffer.h"

#include "framework/Handles.h"

namespace {
class DibPixelStorage final : public PixelStorage {
public:
    DibPixelStorage(BitmapHandle bitmap, uint32_t* bits) : bitmap_(std::move(bitmap)), bits_(bits) {}
    uint32_t* Bits() override { return bits_; }
    void* NativeHandle() const override { return bitmap_.get(); }
    void Sync() override { GdiFlush(); }
private:
    BitmapHandle bitmap_;
    uint32_t* bits_;
};
}  // namespace

std::unique_ptr<PixelStorage> AllocatePixelStorage(int width, int height) {
    if (width <= 0 || height <= 0 || static_cast<size_t>(width) * height > (size_t{1} << 26)) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    return std::make_unique<DibPixelStorage>(std::move(bitmap), static_cast<uint32_t*>(bits));
}
