#include "skin/controls/SkinObjImage.h"

#include <algorithm>
#include <cstring>

#include "framework/Graphics.h"
#include "framework/Properties.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/SkinData.h"

const TClassInfo& TSkinObjImage::StaticClass() {
    static const TClassInfo info("TSkinObjImage", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr long long kMagenta = 0xFF00FF;

// The skin cell each of the six strip cells is copied from (see the header).
constexpr int kSourceCells[kObjImageCells] = {1, 2, 3, 1, 2, 3};

bool SamePixels(const PixelBuffer& a, PixelBuffer& b) {
    if (a.Empty() || b.Empty() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
    b.Sync();
    return std::memcmp(a.Bits(), b.Bits(), static_cast<size_t>(a.Width()) * a.Height() * 4) == 0;
}

// The picture in the nested "Properties" object's "Glyph", null when there is none.
TPicture* NestedGlyph(TObject* control) {
    TObject* nested = GetObjectProp(control, "Properties");
    return nested ? dynamic_cast<TPicture*>(GetObjectProp(nested, "Glyph")) : nullptr;
}

}  // namespace

PixelBuffer BuildObjImageStrip(const TDataSkinButton& buttons, int kind) {
    const bool radio = kind == oiRadioButton;
    const PixelBuffer& source = radio ? buttons.RadioImage : buttons.CheckImage;
    // As the check-box and radio-button skinners count them: at least four cells.
    const int count = std::max(4, static_cast<int>(radio ? buttons.RadioButtonFrame : buttons.CheckButtonFrame));
    const int cellWidth = source.Width() / count, height = source.Height();
    if (source.Empty() || cellWidth <= 0) return PixelBuffer();
    PixelBuffer strip = PixelBuffer::Scratch(cellWidth * kObjImageCells, height);
    if (strip.Empty()) return strip;
    for (int i = 0; i < kObjImageCells; ++i) {
        const TRect from = FrameRect(source, false, count, kSourceCells[i]);
        for (int y = 0; y < height; ++y)
            std::copy(source.Row(y) + from.left, source.Row(y) + from.left + cellWidth, strip.Row(y) + i * cellWidth);
    }
    return strip;
}

TSkinObjImage::TSkinObjImage(TComponent* owner) : TSkinControl(owner) {}

void TSkinObjImage::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (Attached) ApplyGlyphs();
}

void TSkinObjImage::ApplyGlyphs() {
    TObject* control = PropertyOwner();
    TSkinData* data = SkinData();
    if (!control || !data) return;
    auto* glyphs = dynamic_cast<TPicture*>(GetObjectProp(control, "CustomGlyphs"));
    if (!glyphs) return;
    strip_ = BuildObjImageStrip(data->Skin().Buttons, Kind);
    if (strip_.Empty()) return;
    glyphs->SetBitmap(strip_.Clone());
    SetOrdProp(control, "TransparentColor", kMagenta);
    // The control reads its glyphs when the switch goes on.
    SetPropValue(control, "UseCustomGlyphs", "False");
    SetPropValue(control, "UseCustomGlyphs", "True");
}

void TSkinObjImage::Detach() {
    if (!SkinActive) return;
    // A control whose window is gone is on its way out: its properties stay as they are.
    TObject* control = State != skDestroyed ? PropertyOwner() : nullptr;
    if (control) {
        SetPropValue(control, "UseCustomGlyphs", "False");
        // Only the skin's strip is taken back: a glyph of the program's own stays.
        if (TPicture* glyph = NestedGlyph(control); glyph && SamePixels(strip_, glyph->Bitmap()))
            glyph->SetBitmap(PixelBuffer());
    }
    TSkinControl::Detach();
}

void TSkinObjImage::SkinChanged() {
    if (Skinning()) ApplyGlyphs();
    TSkinControl::SkinChanged();
}
