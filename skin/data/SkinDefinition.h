#pragma once
// Reading a skin: the definition text of a package turned into element records, colours
// and the images the definition names. Nothing here fails loudly: a missing section, key,
// image or entry leaves that element's default, and malformed values read as absent.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

class TSkinIni;
class TSkinReader;
class SkinPlatform;

// A colour written as three numbers "red, green, blue" with any non-digit separators
// ("212,208,200", "212 208 200", "212;208;200"). Each component is taken modulo 256; a
// missing one is 0; a single number alone gives black. Empty text gives def.
TColour ParseColourText(std::string_view text, TColour def);

// Fills bitmap from the package entry named by the file-name part of value (after the
// last "\" or ":"). Only names ending in ".bmp" (lower case) load; anything else, a name
// the package lacks, an empty entry or a malformed BMP leaves the bitmap empty.
void LoadImage(PixelBuffer& bitmap, std::string_view value, const TSkinReader& reader);

// Fills every slot and colour of skin from the parsed definition and the package's images.
// Optional slots are replaced, the permanent records refreshed in place.
void ParseDefinition(TSkinDefinition& skin, const TSkinIni& ini, const TSkinReader& reader,
                     const SkinPlatform& platform);

// The whole load of one package: decompress and index it, take its first ".ini" entry as
// the definition and parse it. False (and skin.NoSkinLoaded still true) when the package
// is unreadable; the skin's records are then left as they were.
bool LoadSkinPackage(TSkinDefinition& skin, const uint8_t* package, size_t size, const SkinPlatform& platform);
inline bool LoadSkinPackage(TSkinDefinition& skin, const std::vector<uint8_t>& package,
                            const SkinPlatform& platform) {
    return LoadSkinPackage(skin, package.data(), package.size(), platform);
}

// The built-in track grooves used when a skin has no Track or TRACKVERT section:
// 16 x 4 (horizontal) and 4 x 16 (vertical), a sunken neutral-grey groove.
PixelBuffer BuiltinTrackImage(bool vertical);
