#include "framework/Graphics.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace {
// On a system whose ANSI code page is a double-byte one, ANSI_CHARSET selects fonts' Latin
// glyphs only and the code page's text comes out as boxes; DEFAULT_CHARSET follows the
// system's code page with the same face and height.
bool DoubleByteAnsiCodePage() {
    switch (GetACP()) {
    case 932:
    case 936:
    case 949:
    case 950:
        return true;
    default:
        return false;
    }
}
}  // namespace

// ---- TFont ----

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo info(
        "TFont", &TObject::StaticClass(),
        {props::Ordinal<TFont, int>("Charset", &TFont::Charset, &TFont::SetCharset),
         props::Ordinal<TFont, TColor>("Color", &TFont::Color, &TFont::SetColor),
         props::Ordinal<TFont, int>("Height", &TFont::Height, &TFont::SetHeight),
         props::String<TFont>("Name", &TFont::Name, &TFont::SetName),
         props::Enumeration<TFont, TFontPitch>("Pitch", {"fpDefault", "fpVariable", "fpFixed"}, &TFont::Pitch,
                                               &TFont::SetPitch),
         props::Ordinal<TFont, int>("Size", &TFont::Size, &TFont::SetSize),
         props::Ordinal<TFont, TFontStyles>("Style", &TFont::Style, &TFont::SetStyle)});
    return info;
}

TFont::TFont() = default;
TFont::~TFont() = default;

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}
void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}
int TFont::Size() const { return -static_cast<int>(std::lround(height_ * 72.0 / 96.0)); }
void TFont::SetSize(int points) { SetHeight(-static_cast<int>(std::lround(points * 96.0 / 72.0))); }
void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}
void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}
void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}
void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_) return;
    pitch_ = pitch;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (SameAs(source)) return;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charset_ = source.charset_;
    pitch_ = source.pitch_;
    base_ = source.base_;
    Changed();
}

void TFont::AssignLogFont(const LOGFONTA& lf) {
    base_ = lf;
    char face[LF_FACESIZE + 1] = {};
    memcpy(face, lf.lfFaceName, LF_FACESIZE);
    name_ = face;
    height_ = lf.lfHeight;
    style_ = static_cast<TFontStyles>((lf.lfWeight >= FW_BOLD ? fsBold : 0) | (lf.lfItalic ? fsItalic : 0) |
                                      (lf.lfUnderline ? fsUnderline : 0) | (lf.lfStrikeOut ? fsStrikeOut : 0));
    charset_ = lf.lfCharSet;
    pitch_ = (lf.lfPitchAndFamily & 3) == FIXED_PITCH      ? TFontPitch::fpFixed
             : (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? TFontPitch::fpVariable
                                                           : TFontPitch::fpDefault;
    Changed();
}

bool SystemLogFont(TSystemFont which, LOGFONTA& logFont) {
    // The size without the padded-border field of newer systems, which older ones refuse.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return false;
    switch (which) {
    case TSystemFont::Caption: logFont = metrics.lfCaptionFont; break;
    case TSystemFont::SmallCaption: logFont = metrics.lfSmCaptionFont; break;
    case TSystemFont::Menu: logFont = metrics.lfMenuFont; break;
    case TSystemFont::Status: logFont = metrics.lfStatusFont; break;
    case TSystemFont::Message: logFont = metrics.lfMessageFont; break;
    }
    return true;
}

bool TFont::SameAs(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_ && memcmp(&base_, &o.base_, sizeof base_) == 0;
}

int TFont::EffectiveCharset() const {
    if (charset_ == ANSI_CHARSET && DoubleByteAnsiCodePage()) return DEFAULT_CHARSET;
    return charset_;
}

LOGFONTA TFont::LogFont() const {
    LOGFONTA lf = base_;
    lf.lfHeight = height_;
    // A weight the style agrees with is kept (a LOGFONT's semi-bold stays semi-bold).
    const bool bold = (style_ & fsBold) != 0;
    if (lf.lfWeight == 0 || (lf.lfWeight >= FW_BOLD) != bold) lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(EffectiveCharset());
    const BYTE pitch = pitch_ == TFontPitch::fpFixed      ? FIXED_PITCH
                       : pitch_ == TFontPitch::fpVariable ? VARIABLE_PITCH
                                                          : DEFAULT_PITCH;
    lf.lfPitchAndFamily = static_cast<BYTE>((lf.lfPitchAndFamily & ~3) | pitch);
    lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    return lf;
}

HFONT TFont::Handle() const {
    if (!handle_) {
        const LOGFONTA lf = LogFont();
        handle_.reset(CreateFontIndirectA(&lf));
    }
    return handle_.get();
}

void TFont::Changed() {
    // Windows may still use the old HFONT until they get the new one: keep it alive
    // until the change handlers ran.
    FontHandle old = std::move(handle_);
    if (OnChange) OnChange(this);
}

// ---- TIcon ----

const TClassInfo& TIcon::StaticClass() {
    static const TClassInfo info("TIcon", &TObject::StaticClass());
    return info;
}

void TIcon::SetHandle(HICON icon) {
    handle_.reset(icon);
    if (OnChange) OnChange(this);
}

void TIcon::Assign(const TIcon& source) {
    if (&source == this) return;
    SetHandle(source.Empty() ? nullptr : CopyIcon(source.Handle()));
}

bool TIcon::LoadFromResource(HINSTANCE module, const char* name, int width, int height) {
    HICON icon = static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, width, height, 0));
    if (!icon) return false;
    SetHandle(icon);
    return true;
}

bool TIcon::LoadFromResourceId(HINSTANCE module, int id, int width, int height) {
    return LoadFromResource(module, MAKEINTRESOURCEA(id), width, height);
}

namespace {
SIZE IconSize(HICON icon) {
    SIZE s{0, 0};
    ICONINFO ii{};
    if (icon && GetIconInfo(icon, &ii)) {
        BITMAP bm{};
        if (ii.hbmColor && GetObjectA(ii.hbmColor, sizeof bm, &bm)) {
            s = SIZE{bm.bmWidth, bm.bmHeight};
        } else if (ii.hbmMask && GetObjectA(ii.hbmMask, sizeof bm, &bm)) {
            s = SIZE{bm.bmWidth, bm.bmHeight / 2};
        }
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
    }
    return s;
}
}  // namespace

int TIcon::Width() const { return IconSize(handle_.get()).cx; }
int TIcon::Height() const { return IconSize(handle_.get()).cy; }

// ---- TPicture ----

const TClassInfo& TPicture::StaticClass() {
    static const TClassInfo info("TPicture", &TObject::StaticClass());
    return info;
}

void TPicture::SetBitmap(PixelBuffer pixels) {
    pixels_ = std::move(pixels);
    if (OnChange) OnChange(this);
}

// ---- TCanvas ----

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info("TCanvas", &TObject::StaticClass());
    return info;
}

void TCanvas::FillRect(const RECT& r) {
    if (!dc_) return;
    BrushHandle brush(CreateSolidBrush(ColorToRGB(brushColor_)));
    ::FillRect(dc_, &r, brush.get());
}

void TCanvas::TextOut(int x, int y, const std::string& text, bool opaque) {
    if (!dc_) return;
    SelectScope font(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    SetBkColor(dc_, ColorToRGB(brushColor_));
    SetBkMode(dc_, opaque ? OPAQUE : TRANSPARENT);
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) {
    SIZE s{0, 0};
    if (!dc_) return s;
    SelectScope font(dc_, font_.Handle());
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &s);
    return s;
}

int TCanvas::DrawText(const std::string& text, RECT& r, UINT format) {
    if (!dc_) return 0;
    SelectScope font(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    SetBkMode(dc_, TRANSPARENT);
    return ::DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, format);
}

void TCanvas::Draw(int x, int y, const PixelBuffer& pixels) {
    if (!dc_ || pixels.Empty()) return;
    BufferDc src(const_cast<PixelBuffer&>(pixels));
    if (src) BitBlt(dc_, x, y, pixels.Width(), pixels.Height(), src.get(), 0, 0, SRCCOPY);
}

// ---- BufferDc ----

BufferDc::BufferDc(PixelBuffer& buffer) : buffer_(buffer), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_ || buffer.Empty() || !buffer.NativeHandle()) return;
    // The portable routines may have written the bits; GDI reads them from here on.
    buffer.Sync();
    bitmap_ = std::make_unique<SelectScope>(dc_.get(), static_cast<HBITMAP>(buffer.NativeHandle()));
    selected_ = true;
}

PixelBuffer& BufferDc::Pixels() {
    buffer_.Sync();
    return buffer_;
}
