#pragma once
// Tab strips and panes of skinned tab controls, composed in a pixel buffer: geometry by
// orientation, current and other tabs, close boxes, and the caption layout of a tab.
#include "skin/data/Geometry.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
