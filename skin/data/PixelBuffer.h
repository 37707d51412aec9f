#pragma once
// One 32-bit top-down pixel buffer: every skin image and every off-screen composition.
// Pixels are stored as in a 32-bit DIB: 0xAARRGGBB (bytes B, G, R, A in memory).
// Colours of the program are 0x00BBGGRR; PixelFromColour/ColourFromPixel convert.
// On the host the storage is heap memory; the Win32 build backs it with a DIB section
// so GDI can draw text into it and one BitBlt puts it on screen.
#include <cstdint>
#include <memory>

class PixelStorage {
public:
    virtual ~PixelStorage() = default;
    virtual uint32_t* Bits() = 0;
    // The GDI bitmap (HBITMAP) behind the pixels on Windows; nullptr on the host.
    virtual void* NativeHandle() const { return nullptr; }
    // Waits for GDI to finish drawing into the bits (GdiFlush on Windows).
    virtual void Sync() {}
};

// Defined once per build: heap memory on the host, a DIB section on Windows.
// Returns nullptr when the memory cannot be had.
std::unique_ptr<PixelStorage> AllocatePixelStorage(int width, int height);
// Plain heap memory in every build (no GDI bitmap behind it); nullptr when it cannot be had.
std::unique_ptr<PixelStorage> AllocateHeapPixelStorage(int width, int height);

constexpr uint32_t PixelFromColour(uint32_t colour) {
    return 0xFF000000u | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr uint32_t ColourFromPixel(uint32_t pixel) {
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

class PixelBuffer {
public:
    PixelBuffer() = default;
    // A buffer of width x height pixels, all zero. Sizes <= 0 give an empty buffer.
    PixelBuffer(int width, int height);
    PixelBuffer(PixelBuffer&&) noexcept = default;
    PixelBuffer& operator=(PixelBuffer&&) noexcept = default;
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    // A buffer in plain memory in every build: for pictures that only the portable
    // routines read and write (the parts a composition is put together from). Making one
    // costs no GDI object, where a DIB section costs a round trip to the system.
    static PixelBuffer Scratch(int width, int height);

    PixelBuffer Clone() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0 || !storage_; }

    uint32_t* Bits() { return storage_ ? storage_->Bits() : nullptr; }
    const uint32_t* Bits() const { return storage_ ? storage_->Bits() : nullptr; }
    uint32_t* Row(int y) { return Bits() + static_cast<size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return Bits() + static_cast<size_t>(y) * width_; }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Out-of-range reads give 0; out-of-range writes are ignored.
    uint32_t Pixel(int x, int y) const { return Contains(x, y) ? Row(y)[x] : 0; }
    void SetPixel(int x, int y, uint32_t pixel) { if (Contains(x, y)) Row(y)[x] = pixel; }
    void Fill(uint32_t pixel);

    void* NativeHandle() const { return storage_ ? storage_->NativeHandle() : nullptr; }
    void Sync() { if (storage_) storage_->Sync(); }

private:
    PixelBuffer(int width, int height, std::unique_ptr<PixelStorage> storage);

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<PixelStorage> storage_;
};
