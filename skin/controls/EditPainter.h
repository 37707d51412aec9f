#pragma once
// The faces of skinned text fields (edit frames, combo buttons, date-time arrows) and up-down
// buttons, composed in a pixel buffer.
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
