// Any bytes handed to the JPEG decoder: it must return (a picture or nothing), never crash,
// leak or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "app/JpegImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PixelBuffer picture = DecodeJpeg(data, size);
    if (!picture.Empty()) {
        // Touch the corners so a wrongly sized buffer shows up under the sanitizers.
        volatile uint32_t sink = picture.Pixel(0, 0) ^ picture.Pixel(picture.Width() - 1, picture.Height() - 1);
        (void)sink;
    }
    return 0;
}
