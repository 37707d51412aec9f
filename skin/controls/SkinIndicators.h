#pragma once
// Indicators: status bars, progress bars and track bars.
//
// The status bar and the progress bar are painted whole by the skin (WM_PAINT taken over,
// background erasing swallowed); the track bar keeps its own painting and answers its
// custom-draw notifications, drawing the channel and the thumb from the skin and leaving
// the tics to the bar.
#include <memory>

#include "skin/controls/SkinControl.h"

#include <commctrl.h>

#include "skin/data/PixelBuffer.h"

class BufferDc;

// A picture the size of a control and a memory DC over it, kept between paints.
class TIndicatorCanvas {
public:
    TIndicatorCanvas();
    ~TIndicatorCanvas();
    // The buffer of width x height (made anew on a size change); its DC through Dc().
    PixelBuffer& Buffer(int width, int height);
    HDC Dc();

private:
    PixelBuffer buffer_;
    std::unique_ptr<BufferDc> dc_;
};

class TSkinStatusBar : public TSkinControl {
    KELVORA_CLASS(TSkinStatusBar)
public:
    explicit TSkinStatusBar(TComponent* owner);
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TIndicatorCanvas canvas_;
};

class TSkinProgress : public TSkinControl {
    KELVORA_CLASS(TSkinProgress)
public:
    explicit TSkinProgress(TComponent* owner);
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool HasImage() const;
    TIndicatorCanvas canvas_;
};

class TSkinTrackBar : public TSkinControl {
    KELVORA_CLASS(TSkinTrackBar)
public:
    explicit TSkinTrackBar(TComponent* owner);
    bool BeforeMessage(TMessage& m) override;
    void SkinChanged() override;

private:
    // The custom-draw answer for one NM_CUSTOMDRAW of this bar.
    LRESULT CustomDraw(NMCUSTOMDRAW& draw);
    void DrawThumb(HDC dc);
    void DrawChannel(HDC dc);
    bool Vertical() const;
};
