#pragma once
// The preview picture: pixels drawn with the skin's own frame routines, plus the texts
// and pictures that ImageMagick lays over them afterwards (the host has no font
// renderer, so text goes to an MVG drawing script).
#include <cstdint>
#include <string>

#include "skin/data/FrameDraw.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"

class Scene {
public:
    Scene(int width, int height, uint32_t background);

    PixelBuffer& Pixels() { return pixels_; }

    void FillRect(const TRect& r, uint32_t colour);
    void FrameRect(const TRect& r, uint32_t colour);
    // A one-pixel rounded outline as GDI's RoundRect draws it with a 5 x 5 ellipse.
    void RoundFrame(const TRect& r, uint32_t colour);
    // Copies src onto the scene at (x, y); magenta pixels leave the scene unchanged.
    void Put(const PixelBuffer& src, int x, int y);

    // Text in UTF-8, left edge x, vertically centred on cy.
    void Text(int x, int cy, const std::string& utf8, uint32_t colour, int size = 12);
    // Text centred in r.
    void TextCentred(const TRect& r, const std::string& utf8, uint32_t colour, int size = 12);
    // A picture file scaled into r.
    void Picture(const TRect& r, const std::string& path);
    // Approximate advance of the text in the preview font.
    static int TextWidth(const std::string& utf8, int size = 12);

    const std::string& Script() const { return script_; }

private:
    PixelBuffer pixels_;
    std::string script_;
};

// A skin colour (0x00BBGGRR or a system colour reference) as 0x00BBGGRR.
uint32_t Resolve(TColour colour);
TMargins ElementMargins(const TDataSkinObject& e);
// One state frame of an element nine-sliced into r, as the control skinners draw it.
void DrawElement(PixelBuffer& dest, const TRect& r, const TDataSkinObject& e, int index, bool stacked = false);
