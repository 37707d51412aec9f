#pragma once
// Decoding JPEG pictures (the banner at the top of the main window) into a PixelBuffer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "skin/data/PixelBuffer.h"

// Largest picture accepted, in pixels: a damaged header must not make us allocate
// gigabytes; the banner is 445 x 89.
constexpr long long kJpegMaxPixels = 16LL * 1024 * 1024;

// Decodes the JPEG held in `data` into an opaque 32-bit buffer (alpha 0xFF).
// Colour, grey and CMYK pictures, baseline or progressive, are accepted.
// Returns an empty buffer when the data is not a JPEG that can be decoded, is too large
// or is damaged beyond libjpeg's recovery; `error`, when given, then receives libjpeg's
// explanation. Never aborts the process and never throws for bad data.
PixelBuffer DecodeJpeg(const uint8_t* data, size_t size, std::string* error = nullptr);
