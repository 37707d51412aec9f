#include "skin/form/FramePainterGdi.h"

#include "framework/Graphics.h"
#include "skin/data/GdiAdapters.h"

#include <vector>

static_assert(tfRight == DT_RIGHT && tfSingleLine == DT_SINGLELINE && tfNoPrefix == DT_NOPREFIX &&
                  tfEndEllipsis == DT_END_ELLIPSIS && tfRtlReading == DT_RTLREADING,
              "text formats are DrawText flags");

namespace {

RECT ToRect(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

PictureDc::PictureDc(const PixelBuffer& picture) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ && picture.NativeHandle()) old_ = SelectObject(dc_.get(), static_cast<HBITMAP>(picture.NativeHandle()));
}

PictureDc::~PictureDc() {
    if (old_) SelectObject(dc_.get(), old_);
}

TGdiPaintRenderer::TGdiPaintRenderer(HFONT captionFont, HICON icon)
    : font_(captionFont), icon_(icon), measureDc_(CreateCompatibleDC(nullptr)) {
    if (measureDc_ && font_) measureOldFont_ = SelectObject(measureDc_.get(), font_);
}

TGdiPaintRenderer::~TGdiPaintRenderer() {
    if (measureOldFont_) SelectObject(measureDc_.get(), measureOldFont_);
}

TExtent TGdiPaintRenderer::Measure(TFontRole, const std::string& text) const {
    if (!measureDc_) return {};
    RECT r{0, 0, 0, 0};
    ::DrawTextA(measureDc_.get(), text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
    return {r.right - r.left, r.bottom - r.top};
}

void TGdiPaintRenderer::PaintText(PixelBuffer& target, const TTextRun& run) {
    PictureDc dc(target);
    if (!dc.get()) return;
    const HGDIOBJ oldFont = font_ ? SelectObject(dc.get(), font_) : nullptr;
    const int oldMode = SetBkMode(dc.get(), TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc.get(), run.colour);
    RECT r = ToRect(run.rect);
    ::DrawTextA(dc.get(), run.text.c_str(), static_cast<int>(run.text.size()), &r, run.format);
    SetTextColor(dc.get(), oldColour);
    SetBkMode(dc.get(), oldMode);
    if (oldFont) SelectObject(dc.get(), oldFont);
    target.Sync();
}

void TGdiPaintRenderer::PaintIcon(PixelBuffer& target, const TRect& rect) {
    if (!icon_) return;
    PictureDc dc(target);
    if (!dc.get()) return;
    DrawIconEx(dc.get(), rect.left, rect.top, icon_, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
    target.Sync();
}

FontHandle CreateCaptionFont() {
    LOGFONTA font{};
    if (!SystemLogFont(TSystemFont::Caption, font)) return FontHandle();
    CPINFO codePage{};
    if (font.lfCharSet == ANSI_CHARSET && GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize > 1)
        font.lfCharSet = DEFAULT_CHARSET;
    return FontHandle(CreateFontIndirectA(&font));
}

bool PaintFrameToDc(HDC dc, const TSkinDefinition& skin, const TFrameState& state, TPaintRenderer& renderer) {
    TFramePicture picture = PaintFrame(skin, state, renderer);
    if (picture.pixels.Empty()) return false;
    picture.pixels.Sync();
    PictureDc source(picture.pixels);
    if (!source.get()) return false;
    const int saved = SaveDC(dc);
    const TRect& c = picture.client;
    if (!c.IsEmpty()) ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
    const BOOL copied =
        BitBlt(dc, 0, 0, picture.pixels.Width(), picture.pixels.Height(), source.get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
    return copied != FALSE;
}

RegionHandle CreateFrameRegion(const TFrameRegion& region) { return RegionFromBatches(region.parts); }
