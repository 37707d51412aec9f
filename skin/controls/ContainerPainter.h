#pragma once
// The faces of skinned containers: group-box frames and header items, composed in a
// pixel buffer.
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
