#include "skin/data/BmpCodec.h"

#include <array>
#include <climits>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

// Bounds-checked little-endian reads over the file image.
class ByteView {
public:
    ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Size() const { return size_; }
    bool Has(size_t offset, size_t length) const { return offset <= size_ && length <= size_ - offset; }
    uint16_t U16(size_t o) const { return static_cast<uint16_t>(data_[o] | data_[o + 1] << 8); }
    uint32_t U32(size_t o) const {
        return static_cast<uint32_t>(data_[o]) | static_cast<uint32_t>(data_[o + 1]) << 8 |
               static_cast<uint32_t>(data_[o + 2]) << 16 | static_cast<uint32_t>(data_[o + 3]) << 24;
    }
    int32_t I32(size_t o) const { return static_cast<int32_t>(U32(o)); }
    const uint8_t* At(size_t o) const { return data_ + o; }

private:
    const uint8_t* data_;
    size_t size_;
};

// One colour channel of a 16- or 32-bit pixel: where its bits are and how to widen them
// to 8 bits (by repeating the bit pattern, as GDI does for 5-bit channels).
class Channel {
public:
    explicit Channel(uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        while (((mask >> shift_) & 1u) == 0) ++shift_;
        int top = 31;
        while (((mask >> top) & 1u) == 0) --top;
        width_ = top - shift_ + 1;
    }
    uint32_t Extract(uint32_t pixel) const {
        if (width_ == 0) return 0;
        const uint32_t v = (pixel & mask_) >> shift_;
        if (width_ >= 8) return (v >> (width_ - 8)) & 0xFFu;
        uint32_t out = 0;
        int filled = 0;
        while (filled < 8) {
            out = (out << width_) | v;
            filled += width_;
        }
        return (out >> (filled - 8)) & 0xFFu;
    }

private:
    uint32_t mask_;
    int shift_ = 0;
    int width_ = 0;
};

struct BmpLayout {
    int width = 0;
    int height = 0;  // always positive here
    bool topDown = false;
    int bits = 0;
    uint32_t compression = kBiRgb;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    size_t paletteOffset = 0;
    size_t paletteEntrySize = 4;
    uint32_t paletteCount = 0;
    size_t pixelOffset = 0;
};

bool ReadLayout(const ByteView& in, BmpLayout& l) {
    if (!in.Has(0, kFileHeaderSize + 4)) return false;
    if (in.At(0)[0] != 'B' || in.At(0)[1] != 'M') return false;
    const uint32_t offBits = in.U32(10);
    const uint32_t headerSize = in.U32(kFileHeaderSize);
    const size_t h = kFileHeaderSize;
    if (headerSize == 12) {
        if (!in.Has(h, 12)) return false;
        l.width = in.U16(h + 4);
        l.height = in.U16(h + 6);
        l.bits = in.U16(h + 10);
        l.paletteEntrySize = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
        if (!in.Has(h, headerSize)) return false;
        l.width = in.I32(h + 4);
        const int32_t height = in.I32(h + 8);
        if (height == INT_MIN || height == 0) return false;
        l.topDown = height < 0;
        l.height = height < 0 ? -height : height;
        l.bits = in.U16(h + 14);
        l.compression = in.U32(h + 16);
        l.paletteCount = in.U32(h + 32);
        if (l.compression == kBiBitfields) {
            if (headerSize >= 52) {
                for (int i = 0; i < 3; ++i) l.masks[i] = in.U32(h + 40 + 4 * static_cast<size_t>(i));
            } else {
                if (!in.Has(h + 40, 12)) return false;
                for (int i = 0; i < 3; ++i) l.masks[i] = in.U32(h + 40 + 4 * static_cast<size_t>(i));
            }
        }
    } else {
        return false;
    }

    if (l.width <= 0 || l.height <= 0 || l.width > kBmpMaxDimension || l.height > kBmpMaxDimension) return false;
    if (static_cast<int64_t>(l.width) * l.height > kBmpMaxPixels) return false;

    switch (l.bits) {
        case 1: case 4: case 8: case 24:
            if (l.compression != kBiRgb) return false;
            break;
        case 16:
            if (l.compression == kBiRgb) {
                l.masks[0] = 0x7C00; l.masks[1] = 0x03E0; l.masks[2] = 0x001F;
            } else if (l.compression != kBiBitfields) {
                return false;
            }
            break;
        case 32:
            if (l.compression == kBiRgb) {
                l.masks[0] = 0xFF0000; l.masks[1] = 0xFF00; l.masks[2] = 0xFF;
            } else if (l.compression != kBiBitfields) {
                return false;
            }
            break;
        default:
            return false;
    }

    l.paletteOffset = h + headerSize + (headerSize == 40 && l.compression == kBiBitfields ? 12 : 0);
    if (l.bits <= 8) {
        const uint32_t full = 1u << l.bits;
        if (l.paletteCount == 0 || l.paletteCount > full) l.paletteCount = full;
    } else {
        l.paletteCount = 0;  // a colour table of a true-colour file is only a hint
    }
    const size_t afterPalette = l.paletteOffset + l.paletteEntrySize * l.paletteCount;
    if (offBits >= l.paletteOffset && offBits < in.Size())
        l.pixelOffset = offBits;
    else
        l.pixelOffset = afterPalette;
    return true;
}

}  // namespace

PixelBuffer DecodeBmp(const uint8_t* data, size_t size) {
    if (data == nullptr) return {};
    const ByteView in(data, size);
    BmpLayout l;
    if (!ReadLayout(in, l)) return {};

    // Row size and extent in 64 bits: nothing may wrap before the bounds check.
    const uint64_t rowBytes = (static_cast<uint64_t>(l.width) * static_cast<uint64_t>(l.bits) + 7) / 8;
    const uint64_t stride = ((static_cast<uint64_t>(l.width) * static_cast<uint64_t>(l.bits) + 31) / 32) * 4;
    const uint64_t needed = stride * static_cast<uint64_t>(l.height - 1) + rowBytes;
    if (l.pixelOffset > size || needed > size - l.pixelOffset) return {};

    // Indices past the colour table, and entries a short file lacks, are opaque black.
    std::array<uint32_t, 256> palette;
    palette.fill(0xFF000000u);
    for (uint32_t i = 0; i < l.paletteCount; ++i) {
        const size_t o = l.paletteOffset + l.paletteEntrySize * i;
        if (!in.Has(o, 3)) break;
        const uint8_t* p = in.At(o);
        palette[i] = 0xFF000000u | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
    }

    PixelBuffer image(l.width, l.height);
    if (image.Empty()) return {};
    const Channel red(l.masks[0]), green(l.masks[1]), blue(l.masks[2]);

    for (int y = 0; y < l.height; ++y) {
        const int fileRow = l.topDown ? y : l.height - 1 - y;
        const uint8_t* src = in.At(l.pixelOffset + static_cast<size_t>(stride) * static_cast<size_t>(fileRow));
        uint32_t* dst = image.Row(y);
        for (int x = 0; x < l.width; ++x) {
            uint32_t pixel = 0;
            switch (l.bits) {
                case 1: pixel = palette[(src[x >> 3] >> (7 - (x & 7))) & 1u]; break;
                case 4: pixel = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu]; break;
                case 8: pixel = palette[src[x]]; break;
                case 16:
                case 32: {
                    const uint8_t* p = src + static_cast<size_t>(x) * static_cast<size_t>(l.bits / 8);
                    const uint32_t v = l.bits == 16 ? static_cast<uint32_t>(p[0] | p[1] << 8)
                                                    : static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                                          static_cast<uint32_t>(p[2]) << 16 |
                                                          static_cast<uint32_t>(p[3]) << 24;
                    pixel = 0xFF000000u | red.Extract(v) << 16 | green.Extract(v) << 8 | blue.Extract(v);
                    break;
                }
                case 24: {
                    const uint8_t* p = src + static_cast<size_t>(x) * 3;
                    pixel = 0xFF000000u | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
                    break;
                }
                default: break;
            }
            dst[x] = pixel;
        }
    }
    return image;
}

std::vector<uint8_t> EncodeBmp(const PixelBuffer& image, int bitsPerPixel) {
    if (image.Empty()) return {};
    const int bits = bitsPerPixel == 32 ? 32 : 24;
    const int width = image.Width();
    const int height = image.Height();
    const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
    const size_t pixelBytes = stride * static_cast<size_t>(height);
    const size_t offset = kFileHeaderSize + 40;
    std::vector<uint8_t> out(offset + pixelBytes, 0);
    auto put16 = [&out](size_t o, uint32_t v) {
        out[o] = static_cast<uint8_t>(v);
        out[o + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&out](size_t o, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[o + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, static_cast<uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, static_cast<uint32_t>(bits));
    put32(30, kBiRgb);
    put32(34, static_cast<uint32_t>(pixelBytes));
    put32(38, 2835);  // 72 dpi
    put32(42, 2835);
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = image.Row(height - 1 - y);
        uint8_t* dst = out.data() + offset + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            *dst++ = static_cast<uint8_t>(p);
            *dst++ = static_cast<uint8_t>(p >> 8);
            *dst++ = static_cast<uint8_t>(p >> 16);
            if (bits == 32) *dst++ = static_cast<uint8_t>(p >> 24);
        }
    }
    return out;
}
