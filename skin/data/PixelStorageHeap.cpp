// Host storage for PixelBuffer: plain heap memory.
#include "skin/data/PixelBuffer.h"

#include <new>
#include <vector>

namespace {
class HeapPixelStorage final : public PixelStorage {
public:
    explicit HeapPixelStorage(size_t count) : pixels_(count) {}
    uint32_t* Bits() override { return pixels_.data(); }
private:
    std::vector<uint32_t> pixels_;
};
}  // namespace

std::unique_ptr<PixelStorage> AllocatePixelStorage(int width, int height) {
    if (width <= 0 || height <= 0 || static_cast<size_t>(width) * height > (size_t{1} << 28)) return nullptr;
    try {
        return std::make_unique<HeapPixelStorage>(static_cast<size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
