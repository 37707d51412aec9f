#pragma once
// Colours, fonts, icons, pictures and a small canvas over a device context.
#include "framework/Handles.h"
#include "framework/Object.h"
#include "skin/data/Colour.h"
#include "skin/data/PixelBuffer.h"

#include <cstdint>
#include <memory>
#include <string>

// The program's one colour type (skin/data/Colour.h): 0x00BBGGRR, negative values
// 0xFF0000nn are system colour nn. TColor is the framework's name for it.
using TColor = TColour;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clSystemColor = SystemColour(0);
constexpr TColor clScrollBar = SystemColour(0), clBackground = SystemColour(1), clActiveCaption = SystemColour(2),
                 clInactiveCaption = SystemColour(3), clMenu = SystemColour(4), clWindow = SystemColour(5),
                 clWindowFrame = SystemColour(6), clMenuText = SystemColour(7), clWindowText = SystemColour(8),
                 clCaptionText = SystemColour(9), clActiveBorder = SystemColour(10),
                 clInactiveBorder = SystemColour(11), clAppWorkSpace = SystemColour(12),
                 clHighlight = SystemColour(13), clHighlightText = SystemColour(14), clBtnFace = SystemColour(15),
                 clBtnShadow = SystemColour(16), clGrayText = SystemColour(17), clBtnText = SystemColour(18),
                 clInactiveCaptionText = SystemColour(19), clBtnHighlight = SystemColour(20),
                 cl3DDkShadow = SystemColour(21), cl3DLight = SystemColour(22), clInfoText = SystemColour(23),
                 clInfoBk = SystemColour(24);

// The RGB value of a colour: the framework's spelling of ColourToRGB (one resolver).
inline COLORREF ColorToRGB(TColor color) { return ColourToRGB(color); }

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;  // bit set of TFontStyle
enum class TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

// A logical font with an owned HFONT made on demand. OnChange runs after every change.
class TFont : public TObject {
    KELVORA_CLASS(TFont)
public:
    TFont();
    ~TFont() override;

    std::string Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }  // negative: character height in pixels
    void SetHeight(int height);
    int Size() const;                       // points at 96 dpi
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // Copies face, height, colour, style, charset and pitch (one OnChange).
    void Assign(const TFont& source);
    // Takes every field of a logical font (one OnChange): face, height, style, charset and
    // pitch as properties, the rest (width, weight, quality, ...) kept for the HFONT, so the
    // handle draws as CreateFontIndirect of that LOGFONT does.
    void AssignLogFont(const LOGFONTA& logFont);
    // The LOGFONT the HFONT is created from.
    LOGFONTA LogFont() const;
    bool SameAs(const TFont& other) const;

    // The HFONT, owned by this object. The face and height are kept as asked; on a system
    // whose ANSI code page is a double-byte one (936 here) ANSI_CHARSET is created as
    // DEFAULT_CHARSET, since ANSI_CHARSET there draws the code page's text as empty boxes.
    HFONT Handle() const;
    // The charset the HFONT is created with (see Handle()).
    int EffectiveCharset() const;

    TNotifyEvent OnChange;

private:
    void Changed();
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = TFontPitch::fpDefault;
    LOGFONTA base_{};  // fields without a property, from AssignLogFont
    mutable FontHandle handle_;
};

// The logical fonts of window captions, menus and status texts (tool tips), as the system
// reports them in its non-client metrics; false when it reports none.
enum class TSystemFont { Caption, SmallCaption, Menu, Status, Message };
bool SystemLogFont(TSystemFont which, LOGFONTA& logFont);

// An icon handle, owned. OnChange runs after the image changes.
class TIcon : public TObject {
    KELVORA_CLASS(TIcon)
public:
    TIcon() = default;
    bool Empty() const { return !handle_; }
    HICON Handle() const { return handle_.get(); }
    // Takes ownership of the icon.
    void SetHandle(HICON icon);
    // Copies the other icon's image (CopyIcon); an empty source empties this one.
    void Assign(const TIcon& source);
    // Loads an icon resource of this module by name or id, at the given size (0 = default).
    bool LoadFromResource(HINSTANCE module, const char* name, int width = 0, int height = 0);
    bool LoadFromResourceId(HINSTANCE module, int id, int width = 0, int height = 0);
    int Width() const;
    int Height() const;

    TNotifyEvent OnChange;

private:
    IconHandle handle_;
};

// A picture held as 32-bit pixels.
class TPicture : public TObject {
    KELVORA_CLASS(TPicture)
public:
    const PixelBuffer& Bitmap() const { return pixels_; }
    PixelBuffer& Bitmap() { return pixels_; }
    void SetBitmap(PixelBuffer pixels);
    bool Empty() const { return pixels_.Empty(); }
    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }

    TNotifyEvent OnChange;

private:
    PixelBuffer pixels_;
};

// A memory DC with a pixel buffer's DIB section selected, so GDI draws into the same
// pixels the portable routines read. Pixels() waits for GDI to finish (GdiFlush) first.
class BufferDc {
public:
    explicit BufferDc(PixelBuffer& buffer);
    BufferDc(const BufferDc&) = delete;
    BufferDc& operator=(const BufferDc&) = delete;
    HDC get() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(dc_) && selected_; }
    PixelBuffer& Pixels();

private:
    PixelBuffer& buffer_;  // not owned
    MemoryDcHandle dc_;
    bool selected_ = false;
    std::unique_ptr<SelectScope> bitmap_;  // declared last: deselected before the DC goes
};

// Drawing onto a DC it does not own, with the framework font and colours.
class TCanvas : public TObject {
    KELVORA_CLASS(TCanvas)
public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) : dc_(dc) {}
    HDC Handle() const { return dc_; }
    void SetHandle(HDC dc) { dc_ = dc; }

    TFont& Font() { return font_; }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor color) { brushColor_ = color; }

    void FillRect(const RECT& r);
    // Text in the canvas font and colour; transparent background unless opaque is true.
    void TextOut(int x, int y, const std::string& text, bool opaque = false);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // DrawTextA with the canvas font; returns the height of the text.
    int DrawText(const std::string& text, RECT& r, UINT format);
    // Copies a pixel buffer (a DIB section) to (x, y), clipped to the DC.
    void Draw(int x, int y, const PixelBuffer& pixels);

private:
    HDC dc_ = nullptr;  // not owned
    TFont font_;
    TColor brushColor_ = clWhite;
};
