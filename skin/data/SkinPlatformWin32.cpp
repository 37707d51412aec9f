// Win32 build: system colours and metrics come from the running system.
#include <windows.h>

#include "skin/data/SkinPlatform.h"

namespace {
class Win32SkinPlatform final : public SkinPlatform {
public:
    uint32_t SysColour(int index) const override { return SystemColourRGB(index); }
    int HorzScrollArrowWidth() const override { return GetSystemMetrics(SM_CXHSCROLL); }
};
}  // namespace

const SkinPlatform& SystemSkinPlatform() {
    static const Win32SkinPlatform platform;
    return platform;
}
