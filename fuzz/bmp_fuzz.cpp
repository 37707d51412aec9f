// BMP reader on arbitrary bytes; whatever decodes must survive a write and read back.
#include <cstdint>
#include <vector>

#include "skin/data/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PixelBuffer image = DecodeBmp(data, size);
    if (image.Empty()) return 0;
    const PixelBuffer back = DecodeBmp(EncodeBmp(image, 32));
    if (back.Width() != image.Width() || back.Height() != image.Height()) __builtin_trap();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (back.Pixel(x, y) != image.Pixel(x, y)) __builtin_trap();
    return 0;
}
