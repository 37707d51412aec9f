#pragma once
// Check boxes and radio buttons of other libraries that draw their own state glyphs from
// a picture the program gives them: the skinner hands such a control the skin's glyphs
// through its published properties and lets the control draw them. No message is taken
// over; everything goes through properties by name, so any control that publishes them
// is served:
//   CustomGlyphs      a picture object: receives the glyph strip;
//   TransparentColor  an ordinal: receives magenta (0xFF00FF), the skin's see-through colour;
//   UseCustomGlyphs   a Boolean: switched off and on again so the control reloads its glyphs;
//   Properties.Glyph  a picture in a nested "Properties" object, cleared on detach when it
//                     holds the strip the skinner made.
#include "skin/controls/SkinControl.h"

#include "skin/data/PixelBuffer.h"

class TDataSkinButton;

// The glyph strip's layout. Six cells of equal size side by side:
//   cells 1-3: unchecked, checked, greyed (the skin strip's cells 1, 2 and 3, that is
//              unchecked, checked and disabled-unchecked);
//   cells 4-6: the same three again, for the pressed state (the skin has no pressed glyphs).
// The kind picks the skin strip: radio buttons (kind 2) take the Buttons element's radio
// strip; check boxes (kind 1) and the check boxes of the third library (kind 3) take its
// check strip. All three kinds use the same order.
enum TObjImageKind : int { oiCheckBox = 1, oiRadioButton = 2, oiCxCheckBox = 3 };
constexpr int kObjImageCells = 6;

// The 6-cell strip for kind from the Buttons element; empty when the skin has no strip.
PixelBuffer BuildObjImageStrip(const TDataSkinButton& buttons, int kind);

class TSkinObjImage : public TSkinControl {
    KELVORA_CLASS(TSkinObjImage)
public:
    explicit TSkinObjImage(TComponent* owner);
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void Detach() override;
    void SkinChanged() override;

    int Kind = oiCheckBox;

private:
    // Gives the control the strip of the current skin and makes it reload.
    void ApplyGlyphs();

    PixelBuffer strip_;  // a copy of what the control was given, to know it again on detach
};
