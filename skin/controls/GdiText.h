#pragma once
// Captions of the painters measured and drawn with DrawTextW on a DC whose bitmap is the
// picture being composed, in the font selected into that DC. Extra DrawText flags can be
// added to every measure and every draw (single-line headers, no prefix in panels).
#include <windows.h>

#include "skin/controls/ButtonPainter.h"
#include "skin/data/GdiAdapters.h"

class TGdiText : public TButtonText {
public:
    explicit TGdiText(HDC dc, unsigned measureFlags = 0, unsigned drawFlags = 0)
        : dc_(dc), measureFlags_(measureFlags), drawFlags_(drawFlags) {}
    TTextSize Measure(const std::wstring& text, int maxWidth, unsigned flags) const override {
        if (text.empty()) return {};
        RECT r{0, 0, maxWidth, 0};
        DrawTextW(dc_, text.c_str(), -1, &r, flags | measureFlags_ | DT_CALCRECT);
        return {r.right - r.left, r.bottom - r.top};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned flags, uint32_t colour) override {
        if (text.empty()) return;
        RECT r = ToRECT(rect);
        SetTextColor(dc_, colour);
        const int oldMode = SetBkMode(dc_, TRANSPARENT);
        DrawTextW(dc_, text.c_str(), -1, &r, flags | drawFlags_);
        SetBkMode(dc_, oldMode);
        GdiFlush();  // the painters write the pixels around the text directly
    }
    void FocusRect(PixelBuffer&, const TRect& rect) override {
        RECT r = ToRECT(rect);
        DrawFocusRect(dc_, &r);
        GdiFlush();
    }

private:
    HDC dc_;
    unsigned measureFlags_;
    unsigned drawFlags_;
};
