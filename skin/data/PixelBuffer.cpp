#include "skin/data/PixelBuffer.h"

#include <algorithm>
#include <cstring>

PixelBuffer::PixelBuffer(int width, int height) {
    if (width <= 0 || height <= 0) return;
    storage_ = AllocatePixelStorage(width, height);
    if (!storage_) return;
    width_ = width;
    height_ = height;
    std::memset(storage_->Bits(), 0, static_cast<size_t>(width) * height * 4);
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
