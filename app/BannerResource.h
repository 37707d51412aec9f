#pragma once
// The banner picture stored in the executable (RCDATA), decoded for the main window.
#include "skin/data/PixelBuffer.h"

// The decoded banner; an empty buffer if the resource is missing or cannot be decoded
// (the window then shows its face colour where the banner would be).
PixelBuffer LoadBannerPicture();
