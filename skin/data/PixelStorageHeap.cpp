// Host storage for PixelBuffer: plain heap memory.
#include "skin/data/PixelBuffer.h"

std::unique_ptr<PixelStorage> AllocatePixelStorage(int width, int height) {
    return AllocateHeapPixelStorage(width, height);
}
