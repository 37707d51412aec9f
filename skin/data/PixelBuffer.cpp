#include "skin/data/PixelBuffer.h"

#include <algorithm>
#include <cstring>
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

std::unique_ptr<PixelStorage> AllocateHeapPixelStorage(int width, int height) {
    if (width <= 0 || height <= 0 || static_cast<size_t>(width) * height > (size_t{1} << 28)) return nullptr;
    try {
        return std::make_unique<HeapPixelStorage>(static_cast<size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

PixelBuffer::PixelBuffer(int width, int height)
    : PixelBuffer(width, height, width > 0 && height > 0 ? AllocatePixelStorage(width, height) : nullptr) {}

PixelBuffer::PixelBuffer(int width, int height, std::unique_ptr<PixelStorage> storage) : storage_(std::move(storage)) {
    if (!storage_) return;
    width_ = width;
    height_ = height;
    std::memset(storage_->Bits(), 0, static_cast<size_t>(width) * height * 4);
}

PixelBuffer PixelBuffer::Scratch(int width, int height) {
    return PixelBuffer(width, height, AllocateHeapPixelStorage(width, height));
}

PixelBuffer PixelBuffer::Clone() const {
    PixelBuffer copy(width_, height_);
    if (!copy.Empty())
        std::memcpy(copy.Bits(), Bits(), static_cast<size_t>(width_) * height_ * 4);
    return copy;
}

void PixelBuffer::Fill(uint32_t pixel) {
    if (Empty()) return;
    std::fill(Bits(), Bits() + static_cast<size_t>(width_) * height_, pixel);
}
