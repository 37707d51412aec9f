// Host build: no system to ask, so the classic values stand in.
#include "skin/data/SkinPlatform.h"

const SkinPlatform& SystemSkinPlatform() {
    static const ClassicSkinPlatform platform;
    return platform;
}
