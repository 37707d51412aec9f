#pragma once
// Colour and whole-bitmap transforms shared by the skin loader and the skinners.
// Colours are TColour values (skin/data/Colour.h); system colours are resolved by
// ColourToRGB there.
#include <cstdint>
#include <vector>

#include "skin/data/Colour.h"
#include "skin/data/PixelBuffer.h"

// The transparent colour of skin images (the same value as 0x00BBGGRR and as RGB).
constexpr uint32_t kMagenta = 0xFF00FFu;

// Mixes c1 and c2: weight is a percentage of c1 below 100 and per mille from 100 on
// (so weight 100 is 10 % c1). Channels are rounded to nearest.
uint32_t BlendColours(TColour c1, TColour c2, int weight);
// 200 when no channel reaches 160; else the HSV saturation scaled to 0..255, rounded.
int SaturationIndex(TColour colour);

// The n colours of a gradient from colour1 to colour2 (both already RGB), taken from a
// ring of 16 cached ramps or built into the next ring slot. n must be positive
// (std::invalid_argument otherwise). The reference stays valid until 16 more ramps are built.
const std::vector<uint32_t>& GradientRamp(uint32_t colour1, uint32_t colour2, int n);
// Empties the ramp cache (tests and benchmarks).
void ClearGradientCache();

// Every magenta pixel takes the RGB of colour (its low three bytes; system colours are
// not resolved).
void ReplaceMagenta(PixelBuffer& image, uint32_t colour);
// Left-right mirror and top-bottom flip in place.
void MirrorHorizontal(PixelBuffer& image);
void FlipVertical(PixelBuffer& image);
// Quarter turns; width and height swap. Left: old (x, y) goes to (y, W - 1 - x).
// Right: old (x, y) goes to (H - 1 - y, x).
void RotateLeft(PixelBuffer& image);
void RotateRight(PixelBuffer& image);
