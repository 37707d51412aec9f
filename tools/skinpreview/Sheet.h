#pragma once
#include "skin/data/SkinCore.h"
#include "tools/skinpreview/Scene.h"

// Every skinned control in its states, on a panel of the client colour.
void PaintControlSheet(Scene& scene, const TSkinDefinition& skin, int x, int y, int width, int height);
