#pragma once
// The main window's skin package stored in the executable (RCDATA, the bare package bytes).
#include <cstdint>
#include <vector>

// The package in the form the main window stores its skin in (int32 size, then the
// bytes), ready for TSkinData::ReadSkinStream; a stored size of 0 (no package) when the
// resource is missing.
std::vector<uint8_t> StoredSkinStream();
