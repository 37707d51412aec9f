#include "tools/skingen/SkinArt.h"

std::vector<SkinPicture> DrawSkinPictures() {
    std::vector<SkinPicture> pictures;
    DrawFrameArt(pictures);
    DrawControlArt(pictures);
    DrawMenuArt(pictures);
    DrawScrollArt(pictures);
    return pictures;
}
