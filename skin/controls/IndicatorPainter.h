#pragma once
// The faces of skinned indicators: status bar panels, progress bars and track-bar
// channels and thumbs, composed in a pixel buffer.
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
