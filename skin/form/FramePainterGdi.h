#pragma once
// The frame painter on Windows: caption text and icon through GDI straight into the
// picture's DIB section, the finished frame put on a window DC in one BitBlt, and the
// window shape as a GDI region.
#include <windows.h>

#include <string>

#include "framework/Handles.h"
#include "skin/form/FramePainter.h"

// A memory DC with a picture's DIB section selected, put back on destruction; get() is
// null when the picture has no DIB section.
class PictureDc {
public:
    explicit PictureDc(const PixelBuffer& picture);
    ~PictureDc();
    PictureDc(const PictureDc&) = delete;
    PictureDc& operator=(const PictureDc&) = delete;
    HDC get() const { return old_ ? dc_.get() : nullptr; }

private:
    MemoryDcHandle dc_;
    HGDIOBJ old_ = nullptr;
};

// Caption text with DrawTextA in the caption font, the icon with DrawIconEx. Borrows the
// font and the icon (either may be null): they must outlive the renderer.
class TGdiPaintRenderer : public TPaintRenderer {
public:
    TGdiPaintRenderer(HFONT captionFont, HICON icon);
    ~TGdiPaintRenderer() override;
    TGdiPaintRenderer(const TGdiPaintRenderer&) = delete;
    TGdiPaintRenderer& operator=(const TGdiPaintRenderer&) = delete;

    TExtent Measure(TFontRole font, const std::string& text) const override;
    void PaintText(PixelBuffer& target, const TTextRun& run) override;
    void PaintIcon(PixelBuffer& target, const TRect& rect) override;

private:
    HFONT font_;  // not owned
    HICON icon_;  // not owned
    MemoryDcHandle measureDc_;
    HGDIOBJ measureOldFont_ = nullptr;
};

// The system's caption font (non-client metrics). On a double-byte ANSI code page an
// ANSI_CHARSET font is made with DEFAULT_CHARSET so the code page's text shows.
FontHandle CreateCaptionFont();

// Paints the frame into dc, whose origin is the window's top-left corner (a window DC),
// in one BitBlt that leaves the client area alone. False when there is nothing to paint
// or GDI refused.
bool PaintFrameToDc(HDC dc, const TSkinDefinition& skin, const TFrameState& state, TPaintRenderer& renderer);

// The region for SetWindowRgn; null when GDI has no region to give.
RegionHandle CreateFrameRegion(const TFrameRegion& region);
