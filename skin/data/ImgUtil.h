#pragma once
// Colour and whole-bitmap transforms shared by the skin loader and the skinners.
// Colours are 0x00BBGGRR; a negative colour (0xFF0000nn) names system colour nn, which
// is resolved through the installed system-colour source.
#include <cstdint>
#include <vector>

#include "skin/data/PixelBuffer.h"

// The transparent colour of skin images (the same value as 0x00BBGGRR and as RGB).
constexpr uint32_t kMagenta = 0xFF00FFu;

// Looks up system colour index (GetSysColor on Windows). The Win32 side installs it at
// start-up; until then (and on the host unless a test installs one) system colours
// resolve to black.
using SystemColourSource = uint32_t (*)(int index);
SystemColourSource SetSystemColourSource(SystemColourSource source);
// A negative colour becomes the system colour of its low byte; others lose their top byte.
uint32_t ColourToRGB(int32_t colour);

// Mixes c1 and c2: weight is a percentage of c1 below 100 and per mille from 100 on
// (so weight 100 is 10 % c1). Channels are rounded to nearest.
uint32_t BlendColours(int32_t c1, int32_t c2, int weight);
// 200 when no channel reaches 160; else the HSV saturation scaled to 0..255, rounded.
int SaturationIndex(int32_t colour);

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
