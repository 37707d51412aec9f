#pragma once
// Windows BMP files as skins carry them: 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB
// or BI_BITFIELDS, bottom-up or top-down rows; RLE-compressed files are refused.
// Decoded pixels are opaque (alpha 0xFF); a 32-bit file's fourth byte is ignored, as
// GDI ignores it when blitting.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/PixelBuffer.h"

// Images larger than this in either direction, or with more pixels than kBmpMaxPixels,
// are refused: no skin image comes near them.
constexpr int kBmpMaxDimension = 32767;
constexpr int64_t kBmpMaxPixels = 16 * 1024 * 1024;

// Decodes a complete BMP file (file header included). Anything malformed, truncated or
// absurd gives an empty buffer; nothing outside [data, data + size) is read.
PixelBuffer DecodeBmp(const uint8_t* data, size_t size);
inline PixelBuffer DecodeBmp(const std::vector<uint8_t>& bytes) { return DecodeBmp(bytes.data(), bytes.size()); }

// Writes a bottom-up BI_RGB BMP file of 24 or 32 bits per pixel (other values give 24).
// An empty image gives an empty vector.
std::vector<uint8_t> EncodeBmp(const PixelBuffer& image, int bitsPerPixel = 24);
