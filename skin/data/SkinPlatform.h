#pragma once
// The few values of the running system that reading a skin needs: system colours (for the
// colour values 0xFF0000nn) and the width of a horizontal scroll-bar arrow. The Win32 build
// asks the system; the host build and tests use the classic Windows values or a fake.
#include <cstdint>

#include "skin/data/Colour.h"
#include "skin/data/SkinCore.h"

class SkinPlatform {
public:
    virtual ~SkinPlatform() = default;
    // The system colour of that index as 0x00BBGGRR (GetSysColor).
    virtual uint32_t SysColour(int index) const = 0;
    // Width of the arrow button of a horizontal scroll bar (SM_CXHSCROLL).
    virtual int HorzScrollArrowWidth() const = 0;

    // An explicit colour as it stands; a system colour reference through SysColour.
    uint32_t Resolve(TColour colour) const {
        return ResolveColour(colour, [this](int index) { return SysColour(index); });
    }
};

// Fixed values of the classic Windows look (standard scheme, 16 px scroll arrows).
class ClassicSkinPlatform : public SkinPlatform {
public:
    uint32_t SysColour(int index) const override { return ClassicSystemColour(index); }
    int HorzScrollArrowWidth() const override { return 16; }
};

// The running system's values: the system itself in the Win32 build, the classic
// values on the host.
const SkinPlatform& SystemSkinPlatform();
