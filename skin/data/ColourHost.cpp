// Host build: no system to ask, so the classic scheme stands in, and brushes are records.
#include "skin/data/Colour.h"

uint32_t SystemColourRGB(int index) { return ClassicSystemColour(index); }

namespace {
class RecordedBrush final : public SolidBrush {
public:
    explicit RecordedBrush(uint32_t rgb) : rgb_(rgb) {}
    uint32_t Colour() const override { return rgb_; }
private:
    uint32_t rgb_;
};
}  // namespace

std::unique_ptr<SolidBrush> MakeSolidBrush(uint32_t rgb) { return std::make_unique<RecordedBrush>(rgb & 0xFFFFFFu); }
