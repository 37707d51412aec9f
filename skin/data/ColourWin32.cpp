// Windows build: system colours from the running system; brushes are GDI brushes.
#include "skin/data/Colour.h"

#include "framework/Handles.h"

uint32_t SystemColourRGB(int index) { return static_cast<uint32_t>(GetSysColor(index)); }

namespace {
class GdiSolidBrush final : public SolidBrush {
public:
    GdiSolidBrush(BrushHandle brush, uint32_t rgb) : brush_(std::move(brush)), rgb_(rgb) {}
    uint32_t Colour() const override { return rgb_; }
    void* NativeHandle() const override { return brush_.get(); }
private:
    BrushHandle brush_;
    uint32_t rgb_;
};
}  // namespace

std::unique_ptr<SolidBrush> MakeSolidBrush(uint32_t rgb) {
    rgb &= 0xFFFFFFu;
    BrushHandle brush(CreateSolidBrush(rgb));
    if (!brush) return nullptr;
    return std::make_unique<GdiSolidBrush>(std::move(brush), rgb);
}
