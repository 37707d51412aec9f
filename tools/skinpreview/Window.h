#pragma once
#include "skin/data/SkinCore.h"
#include "tools/skinpreview/Scene.h"

// The main window (client 445 x 364) in its skinned frame, active or inactive, with its
// top-left corner at (x, y) of the scene.
void PaintMainWindow(Scene& scene, const TSkinDefinition& skin, int x, int y, bool active);
