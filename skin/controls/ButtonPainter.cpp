#include "skin/controls/ButtonPainter.h"

#include <algorithm>

#include "skin/data/FrameDraw.h"

int PushButtonFace(bool enabled, uint8_t mouseState, bool focused, bool isDefault) {
    if (!enabled) return bfDisabled;
    if (mouseState & kButtonPressed) return bfPressed;
    if (mouseState & kButtonHot) return bfHot;
    if (focused || isDefault) return bfDefault;
    return bfNormal;
}

int MenuButtonFace(bool enabled, uint8_t mouseState, bool focused) {
    if (!enabled) return bfDisabled;
    if (mouseState & kButtonPressed) return bfPressed;
    if ((mouseState & kButtonHot) || focused) return bfHot;
    return bfNormal;
}

int SpeedButtonFace(bool down, bool enabled, uint8_t mouseState) {
    if (down) return bfPressed;
    return PushButtonFace(enabled, mouseState, false, false);
}

int GlyphCell(int face, int numGlyphs, bool down) {
    int cell = down ? 4 : face == bfPressed ? 3 : face == bfDisabled ? 2 : 1;
    return cell > numGlyphs ? 1 : cell;
}

std::wstring TwoLineCaption(const std::wstring& caption) {
    std::wstring out = caption;
    size_t at = out.find(L"||");
    if (at != std::wstring::npos) out.replace(at, 2, L"\r\n");
    return out;
}

TColour ButtonTextColour(const TDataSkinButton& element, int face, TColour base, TColour disabledColour) {
    TColour colour = base;
    if (element.HasNormalColour2) colour = element.NormalColour2;
    if (face == bfHot && element.HasMouseOverColour2) colour = element.MouseOverColour2;
    if (face == bfPressed && element.HasPressedColour2) colour = element.PressedColour2;
    if (face == bfDisabled) colour = disabledColour;
    return colour;
}

void InvertFocusRect(PixelBuffer& target, const TRect& rect) {
    if (rect.IsEmpty()) return;
    auto flip = [&](int x, int y) {
        if (((x + y) & 1) == 0 && target.Contains(x, y)) {
            uint32_t p = target.Pixel(x, y);
            target.SetPixel(x, y, (p & 0xFF000000u) | (~p & 0x00FFFFFFu));
        }
    };
    for (int x = rect.left; x < rect.right; ++x) {
        flip(x, rect.top);
        if (rect.bottom - 1 > rect.top) flip(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        flip(rect.left, y);
        if (rect.right - 1 > rect.left) flip(rect.right - 1, y);
    }
}

void TButtonText::FocusRect(PixelBuffer& target, const TRect& rect) { InvertFocusRect(target, rect); }

namespace {

TRect Inflate(const TRect& r, int dx, int dy) { return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy}; }

// Every pixel of the cell whose RGB differs from the key (the cell's bottom-left pixel).
template <typename Paint>
void ForGlyphPixels(const PixelBuffer& glyph, const TRect& cell, Paint&& paint) {
    if (cell.IsEmpty()) return;
    uint32_t key = glyph.Pixel(cell.left, cell.bottom - 1) & 0x00FFFFFFu;
    for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) {
            uint32_t p = glyph.Pixel(x, y);
            if ((p & 0x00FFFFFFu) != key) paint(x - cell.left, y - cell.top, p);
        }
}

}  // namespace

TRect PushCaptionRect(const TRect& client, const std::wstring& caption, const TButtonText& text) {
    int areaWidth = std::max(0, client.Width() - 4);
    TTextSize size = text.Measure(caption, areaWidth, btCenter | btWordBreak | btExpandTabs | btNoClip | btCalcRect);
    int dx = (client.Width() - size.width) / 2;
    int dy = (client.Height() - size.height) / 2 - 1;
    return TRect{0, 0, size.width, size.height}.Offset(client.left + dx, client.top + dy);
}

void PaintButtonFrame(PixelBuffer& target, const TDataSkinButton& element, int face, uint32_t faceColour,
                      const PixelBuffer* background) {
    if (target.Empty()) return;
    if (background && background->Width() == target.Width() && background->Height() == target.Height())
        std::copy(background->Bits(), background->Bits() + static_cast<size_t>(target.Width()) * target.Height(),
                  target.Bits());
    else
        target.Fill(PixelFromColour(faceColour));
    if (element.Image.Empty()) return;
    TMargins margins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
    DrawFrameNineSlice(target, TRect{0, 0, target.Width(), target.Height()}, element.Image, false, element.Tile != 0,
                       element.Trans == 1, element.SafeFrameCount(), face, margins);
}

void PaintPushButton(PixelBuffer& target, const TDataSkinButton& element, const TPushFace& face, TButtonText& text) {
    PaintButtonFrame(target, element, face.face, face.faceColour, face.background);
    if (element.Image.Empty() || target.Empty()) return;
    std::wstring caption = TwoLineCaption(face.caption);
    TRect client{0, 0, target.Width(), target.Height()};
    TRect t = PushCaptionRect(client, caption, text);
    text.Draw(target, caption, t, btCenter | btWordBreak | btExpandTabs | (face.rtl ? btRtlReading : 0u),
              face.textColour);
    if (face.focusRect) text.FocusRect(target, Inflate(t, 2, 2));
}

int GlyphLayoutFromText(const std::string& lowerText) {
    if (lowerText == "blglyphright") return glGlyphRight;
    if (lowerText == "blglyphtop") return glGlyphTop;
    if (lowerText == "blglyphbottom") return glGlyphBottom;
    return glGlyphLeft;
}

TGlyphPlacement PlaceGlyphAndText(const TRect& client, TTextSize glyph, const std::wstring& caption, int layout,
                                  int margin, int spacing, bool centred, const TButtonText& text) {
    bool horizontal = layout == glGlyphLeft || layout == glGlyphRight;
    TRect area = Inflate(client, -2, -2);
    if (horizontal)
        area.right -= glyph.width + 2;
    else
        area.bottom -= glyph.height + 2;
    TTextSize textSize = caption.empty() ? TTextSize{}
                                         : text.Measure(caption, std::max(0, area.Width()), btCalcRect | btWordBreak);
    bool noGlyph = glyph.width <= 0 || glyph.height <= 0;
    if (caption.empty() || noGlyph) spacing = 0;

    int clientLen = horizontal ? client.Width() : client.Height();
    int glyphLen = horizontal ? glyph.width : glyph.height;
    int textLen = horizontal ? textSize.width : textSize.height;
    if (margin == -1 || centred) {
        if (spacing == -1) {
            margin = (clientLen - (glyphLen + textLen)) / 3;
            spacing = margin;
        } else {
            margin = (clientLen - (glyphLen + spacing + textLen)) / 2;
        }
    } else if (spacing == -1) {
        spacing = (clientLen - (margin + glyphLen) - textLen) / 2;
    }

    int glyphAt = 0, textAt = 0;
    TGlyphPlacement out;
    switch (layout) {
    case glGlyphRight:
        glyphAt = clientLen - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
        out.textFlags |= btRight;
        break;
    case glGlyphTop:
        glyphAt = margin;
        textAt = margin + glyphLen + spacing;
        out.textFlags |= btCenter;
        break;
    case glGlyphBottom:
        glyphAt = clientLen - margin - glyphLen;
        textAt = glyphAt - spacing - textLen;
        out.textFlags |= btCenter;
        break;
    default:
        glyphAt = margin;
        textAt = margin + glyphLen + spacing;
        break;
    }
    if (horizontal) {
        int gy = (client.Height() - glyph.height + 1) / 2;
        int ty = (client.Height() - textSize.height + 1) / 2;
        out.glyph = TRect{glyphAt, gy, glyphAt + glyph.width, gy + glyph.height}.Offset(client.left, client.top);
        out.text = TRect{textAt, ty, textAt + textSize.width, ty + textSize.height}.Offset(client.left, client.top);
    } else {
        int gx = (client.Width() - glyph.width + 1) / 2;
        int tx = (client.Width() - textSize.width + 1) / 2;
        out.glyph = TRect{gx, glyphAt, gx + glyph.width, glyphAt + glyph.height}.Offset(client.left, client.top);
        out.text = TRect{tx, textAt, tx + textSize.width, textAt + textSize.height}.Offset(client.left, client.top);
    }
    return out;
}

void PaintGlyph(PixelBuffer& target, const TRect& at, const PixelBuffer& glyph, int numGlyphs, int cell,
                bool embossed, uint32_t highlight, uint32_t shadow) {
    if (glyph.Empty() || at.IsEmpty()) return;
    TRect src = FrameRect(glyph, false, numGlyphs, cell);
    if (!embossed) {
        ForGlyphPixels(glyph, src, [&](int x, int y, uint32_t p) { target.SetPixel(at.left + x, at.top + y, p | 0xFF000000u); });
        return;
    }
    uint32_t hi = PixelFromColour(highlight), sh = PixelFromColour(shadow);
    ForGlyphPixels(glyph, src, [&](int x, int y, uint32_t) { target.SetPixel(at.left + x + 1, at.top + y + 1, hi); });
    ForGlyphPixels(glyph, src, [&](int x, int y, uint32_t) { target.SetPixel(at.left + x, at.top + y, sh); });
}

int CheckBoxCell(const TCheckInput& in, int cellCount) {
    int cell = in.checked ? 2 : 1;
    if (in.hasControl) {
        if (in.hasState) {
            if (in.state.find("uncheck") != std::string::npos)
                cell = 1;
            else if (in.state.find("check") != std::string::npos)
                cell = 2;
            else if (in.state.find("gray") != std::string::npos)
                cell = 4;
        } else if (in.hasChecked) {
            cell = in.checkedTrue ? 2 : 1;
        }
        if (in.hasDataField && in.rememberedCheck != 0) cell = in.rememberedCheck == 3 ? 4 : in.rememberedCheck;
        if (in.hasDataBinding) cell = 1;
    }
    if (in.disabled) cell += 2;
    if (in.indeterminate) cell = 4;
    if (cellCount >= 12) {
        if (in.indeterminate)
            cell = in.disabled ? 12 : 9;
        else if (cell == 2)
            cell = 5;
        else if (cell == 3)
            cell = 4;
        else if (cell == 4)
            cell = 8;
    }
    // A grayed state that is not the window's own, when disabled, would ask for a cell
    // past a four-cell strip: it shows the last cell (checked and disabled) instead.
    return std::clamp(cell, 1, std::max(1, cellCount));
}

int RadioButtonCell(bool checked, bool hasChecked, bool checkedTrue, bool disabled, int cellCount) {
    int cell = checked ? 2 : 1;
    if (hasChecked) cell = checkedTrue ? 2 : 1;
    if (disabled) cell += 2;
    if (cellCount >= 8) {
        if (cell == 2)
            cell = 5;
        else if (cell == 3)
            cell = 4;
        else if (cell == 4)
            cell = 8;
    }
    return std::clamp(cell, 1, std::max(1, cellCount));
}

TCheckPlacement PlaceCheckGlyph(const TRect& r, int cellWidth, int cellHeight, bool leftText, bool radio, bool rtl) {
    TCheckPlacement out;
    int top = r.top + (r.Height() - cellHeight) / 2;
    if (leftText) {
        int right = radio ? r.right - 1 : r.right;
        out.glyph = {right - cellWidth, top, right, top + cellHeight};
        out.text = {r.left, r.top, out.glyph.left - 2, r.bottom};
        if (rtl) out.textFlags |= btRight;
    } else {
        out.glyph = {r.left, top, r.left + cellWidth, top + cellHeight};
        out.text = {r.left + cellWidth + 2, r.top, r.right, r.bottom};
    }
    if (rtl) out.textFlags |= btRtlReading;
    return out;
}

void PaintGlyphCell(PixelBuffer& target, const TRect& rect, const PixelBuffer& strip, int cellCount, int cell) {
    if (strip.Empty()) return;
    DrawFrameStretched(target, rect, strip, true, cellCount, cell);
}

TRect CheckCaptionRect(const TRect& textArea, const std::wstring& caption, unsigned flags, const TButtonText& text) {
    TTextSize size = text.Measure(caption, std::max(0, textArea.Width()), flags | btWordBreak | btExpandTabs | btNoClip | btCalcRect);
    int top = textArea.top + (textArea.Height() - size.height) / 2;
    return {textArea.left, top, textArea.right, top + size.height};
}
