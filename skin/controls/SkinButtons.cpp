#include "skin/controls/SkinButtons.h"

#include <algorithm>
#include <cctype>

#include "framework/Controls.h"
#include "framework/Graphics.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/GdiText.h"
#include "skin/controls/ButtonPainter.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

const TClassInfo& TSkinButton::StaticClass() {
    static const TClassInfo info("TSkinButton", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinBitButton::StaticClass() {
    static const TClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

const TClassInfo& TSkinSpeedButton::StaticClass() {
    static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

const TClassInfo& TSkinMenuButton::StaticClass() {
    static const TClassInfo info("TSkinMenuButton", &TSkinButton::StaticClass());
    return info;
}

const TClassInfo& TSkinCheckBox::StaticClass() {
    static const TClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinRadioButton::StaticClass() {
    static const TClassInfo info("TSkinRadioButton", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr TColour kBtnShadow = SystemColour(COLOR_BTNSHADOW);
constexpr TColour kBtnHighlight = SystemColour(COLOR_BTNHIGHLIGHT);
constexpr TColour kWindowText = SystemColour(COLOR_WINDOWTEXT);

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

TFont* ControlFont(TSkinControl& skinner) {
    auto* control = dynamic_cast<TControl*>(skinner.GraphicControl ? skinner.GraphicControl
                                                                    : static_cast<TControl*>(skinner.Control()));
    return control ? &control->Font() : nullptr;
}

bool RightToLeft(TSkinControl& skinner) {
    auto* control = skinner.GraphicControl ? skinner.GraphicControl : static_cast<TControl*>(skinner.Control());
    return control && control->UseRightToLeftReading();
}

// The face's own caption: the Caption property, or the window text of a bare window.
std::wstring CurrentCaption(TSkinControl& skinner) {
    if (skinner.Control() || skinner.GraphicControl) {
        auto* control = skinner.GraphicControl ? skinner.GraphicControl : static_cast<TControl*>(skinner.Control());
        return control->WideCaption();
    }
    if (HWND h = skinner.Handle()) {
        const int length = GetWindowTextLengthW(h);
        std::wstring text(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        text.resize(static_cast<size_t>(std::max(GetWindowTextW(h, text.data(), static_cast<int>(text.size())), 0)));
        return text;
    }
    return skinner.Caption;
}

// Glyph of a bitmap or speed button: the bitmap in the glyph property and its cell count.
const PixelBuffer* GlyphOf(TSkinControl& skinner, const std::string& property, int& numGlyphs) {
    auto* picture = dynamic_cast<TPicture*>(skinner.PropObject(property.empty() ? "Glyph" : property));
    if (!picture || picture->Empty()) return nullptr;
    long long n = skinner.PropOrdinal("NumGlyphs");
    numGlyphs = n < 1 ? 1 : static_cast<int>(n);
    return &picture->Bitmap();
}

// Glyph and caption of bitmap, speed and menu buttons over the face in target.
void PaintGlyphButton(TSkinControl& skinner, const std::string& glyphProperty, PixelBuffer& target, HDC dc,
                      int face, uint32_t colour, bool down, bool dropArrow) {
    TGdiText text(dc);
    int numGlyphs = 1;
    const PixelBuffer* glyph = GlyphOf(skinner, glyphProperty, numGlyphs);
    TTextSize cell{};
    if (glyph) cell = {glyph->Width() / numGlyphs, glyph->Height()};
    std::wstring caption = TwoLineCaption(CurrentCaption(skinner));
    const long long margin = skinner.PropOrdinal("Margin");
    const long long spacing = skinner.PropOrdinal("Spacing");
    TRect client{0, 0, target.Width(), target.Height()};
    TGlyphPlacement place = PlaceGlyphAndText(client, cell, caption, GlyphLayoutFromText(skinner.PropText("Layout")),
                                              static_cast<int>(margin), static_cast<int>(spacing),
                                              skinner.PropText("Alignment") == "tacenter", text);
    if (glyph) {
        int wanted = GlyphCell(face, 4, down);
        int drawn = GlyphCell(face, numGlyphs, down);
        bool emboss = face == bfDisabled && wanted != drawn;
        PaintGlyph(target, place.glyph, *glyph, numGlyphs, drawn, emboss, ColourToRGB(kBtnHighlight),
                   ColourToRGB(kBtnShadow));
    }
    unsigned flags = place.textFlags | (RightToLeft(skinner) ? btRtlReading : 0u);
    text.Draw(target, caption, place.text, flags, colour);
    if (skinner.Focused && !caption.empty() && !(skinner.SkinData() && SkinHas(skinner.SkinData()->Options, xoNoFocusRect))) {
        TRect f = place.text;
        text.FocusRect(target, TRect{f.left - 2, f.top - 2, f.right + 2, f.bottom + 2});
    }
    if (dropArrow) {
        int spacingPx = std::max(0, static_cast<int>(spacing));
        int x = std::max(place.glyph.right, place.text.right) + 2 * spacingPx;
        int y = target.Height() / 2;
        BrushHandle brush(CreateSolidBrush(ColourToRGB(face == bfDisabled ? kBtnShadow : kWindowText)));
        PenHandle pen(CreatePen(PS_SOLID, 1, ColourToRGB(face == bfDisabled ? kBtnShadow : kWindowText)));
        SelectScope b(dc, brush.get()), p(dc, pen.get());
        POINT points[3] = {{x, y + 2}, {x - 3, y - 1}, {x + 3, y - 1}};
        Polygon(dc, points, 3);
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Push buttons.

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}
TSkinButton::~TSkinButton() = default;

PixelBuffer& TSkinButton::FaceBuffer(int width, int height) {
    if (face_.Width() != width || face_.Height() != height) {
        faceDc_.reset();
        face_ = PixelBuffer(width, height);
    }
    return face_;
}

HDC TSkinButton::FaceDc() {
    if (!faceDc_) faceDc_ = std::make_unique<BufferDc>(face_);
    return *faceDc_ ? faceDc_->get() : nullptr;
}

void TSkinButton::TakeTransparency() {
    auto* owner = dynamic_cast<TComponent*>(Owner());
    bool tagged = (Control() || GraphicControl) && owner && owner->Tag() == kTransparentTag;
    Transparent = tagged || (SkinData() && SkinHas(SkinData()->Options, xoTransparent)) ? 1 : 0;
}

void TSkinButton::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    Mode = 0;
    if (Control()) {
        std::string cls = Lower(Control()->ClassName());
        if (cls.rfind("trz", 0) == 0 || cls.rfind("tel", 0) == 0) Mode = 1;
    }
    TakeTransparency();
}

void TSkinButton::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    TSkinControl::AttachWindow(window, skinData, formSkinner, canvas);
    TakeTransparency();
}

bool TSkinButton::BeforeMessage(TMessage& m) {
    if (AnswerEmptyNcPaint(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
        PaintHandler(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1;
        return false;
    case WM_TIMER:
        // The system's own button animation timer: the skin has no use for it.
        KillTimer(Handle(), 1);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (Handle() && GetFocus() != Handle()) SetFocus(Handle());
        MouseState |= msPressed;
        PaintWindow(nullptr);
        if (Mode == 0 && Control()) ForwardMouseDown(m);
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinButton::RaiseClick() {
    if (TWinControl* control = Control()) {
        control->Click();
        return;
    }
    HWND h = Handle();
    if (!h) return;
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    std::wstring name(cls);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    WPARAM id = name == L"tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(h));
    PostMessageW(GetParent(h), WM_COMMAND, id, reinterpret_cast<LPARAM>(h));
}

void TSkinButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        PaintWindow(nullptr);
        break;
    case WM_KEYDOWN:
        if (m.WParam == VK_SPACE) {
            MouseState |= msPressed;
            Repaint();
        }
        break;
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            MouseState &= static_cast<uint8_t>(~msPressed);
            Repaint();
        }
        break;
    case WM_MOUSEMOVE:
        if (!(WindowLong(GWL_STYLE) & WS_DISABLED) && !(MouseState & msHot)) {
            MouseState |= msHot;
            Repaint();
        }
        TrackMouseLeave();
        break;
    case WM_LBUTTONUP:
        if (MouseState & msPressed) {
            MouseState &= static_cast<uint8_t>(~msPressed);
            Repaint();
            RaiseClick();
        }
        break;
    case WM_MOUSELEAVE:
        MouseState = 0;
        Repaint();
        break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinButton::ComposeFace(HDC dc, const RECT& rect, int face, bool bareFontAlways,
                              void (*paint)(TSkinButton&, PixelBuffer&, HDC, int, uint32_t)) {
    TSkinData* data = SkinData();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!dc || !data || width <= 0 || height <= 0) return;
    const TDataSkinButton& element = data->Skin().Buttons;
    if (element.Image.Empty()) return;

    PixelBuffer& target = FaceBuffer(width, height);
    HDC bdc = FaceDc();
    if (!bdc) return;
    GdiFlush();  // the last paint's text is in the pixels before they are drawn over
    if (Transparent && Control()) {
        // The parent's picture first; the frame goes over it.
        PaintParentImage(Control(), bdc);
        GdiFlush();
        PixelBuffer copy = target.Clone();
        PaintButtonFrame(target, element, face, 0, &copy);
    } else {
        PaintButtonFrame(target, element, face, ColourToRGB(data->Skin().ButtonFace()), nullptr);
    }

    // A control's own font and colour; a bare window's WM_GETFONT font in the skin's
    // button text colour. Glyph buttons ask the window for its font first.
    HFONT font = nullptr;
    TColour base = data->Skin().ButtonText();
    TFont* controlFont = ControlFont(*this);
    if ((bareFontAlways || !controlFont) && Handle())
        font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (controlFont) {
        if (!font) font = controlFont->Handle();
        base = controlFont->Color();
    }
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectScope selectFont(bdc, font);
    uint32_t colour = ColourToRGB(ButtonTextColour(element, face, base, kBtnShadow));
    paint(*this, target, bdc, face, colour);
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
    const bool isDefault = PropText("Default") == "true";
    const int face = PushButtonFace(Enabled != 0, MouseState, Focused != 0, isDefault);
    ComposeFace(dc, rect, face, false, [](TSkinButton& self, PixelBuffer& target, HDC bdc, int face, uint32_t colour) {
        TGdiText text(bdc);
        std::wstring caption = TwoLineCaption(CurrentCaption(self));
        TRect t = PushCaptionRect(TRect{0, 0, target.Width(), target.Height()}, caption, text);
        text.Draw(target, caption, t, btCenter | btWordBreak | btExpandTabs | (RightToLeft(self) ? btRtlReading : 0u),
                  colour);
        if (self.Focused && !(self.SkinData() && SkinHas(self.SkinData()->Options, xoNoFocusRect)))
            text.FocusRect(target, TRect{t.left - 2, t.top - 2, t.right + 2, t.bottom + 2});
    });
}

// ---------------------------------------------------------------------------------------
// Bitmap, speed and menu buttons.

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
    if (PropText("Visible") == "false") return;
    const bool isDefault = PropText("Default") == "true";
    const int face = PushButtonFace(Enabled != 0, MouseState, Focused != 0, isDefault);
    ComposeFace(dc, rect, face, true, [](TSkinButton& self, PixelBuffer& target, HDC bdc, int face, uint32_t colour) {
        auto& bit = static_cast<TSkinBitButton&>(self);
        PaintGlyphButton(self, bit.GlyphProperty, target, bdc, face, colour, false, false);
    });
}

TSkinMenuButton::TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& rect) {
    const int face = MenuButtonFace(Enabled != 0, MouseState, Focused != 0);
    ComposeFace(dc, rect, face, true, [](TSkinButton& self, PixelBuffer& target, HDC bdc, int face, uint32_t colour) {
        PaintGlyphButton(self, "Glyph", target, bdc, face, colour, false, true);
    });
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

TSkinSpeedButton::~TSkinSpeedButton() { UnhookControl(); }

void TSkinSpeedButton::AttachGraphic(TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached) return;
    auto* control = dynamic_cast<TControl*>(Owner());
    if (!control) return;
    SetSkinData(skinData);
    SetFormSkinner(formSkinner);
    Canvas = canvas;
    GraphicControl = control;
    HookControl(control);
    if (TSkinForm* form = FormSkinner()) form->RegisterSkinner(this);
    State = skAttached;
    Attached = 1;
    TakeTransparency();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        if (HDC dc = reinterpret_cast<HDC>(m.WParam)) {
            DrawSkin(dc, RECT{0, 0, GraphicControl->Width(), GraphicControl->Height()});
            m.Result = 1;
            return false;
        }
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        CallOldProc(m);
        MouseState |= msPressed;
        PaintWindow(nullptr);
        return false;
    case WM_LBUTTONUP:
        return true;
    default:
        return TSkinButton::BeforeMessage(m);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
        break;
    case WM_NCDESTROY:
    case CM_RELEASE:
        UnhookControl();
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam == VK_SPACE) {
            if (m.Msg == WM_KEYDOWN)
                MouseState |= msPressed;
            else
                MouseState &= static_cast<uint8_t>(~msPressed);
            PaintWindow(nullptr);
        }
        break;
    case WM_LBUTTONUP:
        MouseState &= static_cast<uint8_t>(~msPressed);
        PaintWindow(nullptr);
        break;
    case CM_MOUSEENTER:
        MouseState |= msHot;
        PaintWindow(nullptr);
        break;
    case CM_MOUSELEAVE:
        MouseState = 0;
        if (GraphicControl && GraphicControl->Visible()) PaintWindow(nullptr);
        break;
    default:
        TSkinButton::AfterMessage(m);
        break;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    // Drawn where the control sits on its parent: the parent's window DC, clipped to it.
    if (!GraphicControl || !GraphicControl->Parent() || !GraphicControl->Parent()->HandleAllocated()) return;
    HWND parent = GraphicControl->Parent()->Handle();
    HDC dc = GetDC(parent);
    if (!dc) return;
    {
        SaveDcScope saved(dc);
        const int left = GraphicControl->Left(), top = GraphicControl->Top();
        IntersectClipRect(dc, left, top, left + GraphicControl->Width(), top + GraphicControl->Height());
        SetViewportOrgEx(dc, left, top, nullptr);
        DrawSkin(dc, RECT{0, 0, GraphicControl->Width(), GraphicControl->Height()});
    }
    ReleaseDC(parent, dc);
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& rect) {
    if (painting_ || PropText("Visible") == "false") return;
    painting_ = 1;
    const bool down = PropText("Down") == "true";
    const bool enabled = PropText("Enabled") == "true";
    Enabled = enabled ? 1 : 0;
    Focused = 0;
    const int face = SpeedButtonFace(down, enabled, MouseState);
    const bool flat = PropText("Flat") == "true";
    TSkinData* data = SkinData();
    if (flat && face != bfPressed && face != bfHot && data) {
        // A flat button at rest shows only what is under it, with its glyph and caption.
        PixelBuffer& target = FaceBuffer(rect.right - rect.left, rect.bottom - rect.top);
        HDC bdc = FaceDc();
        if (bdc && GraphicControl && GraphicControl->Parent()) {
            {
                SaveDcScope saved(bdc);
                OffsetViewportOrgEx(bdc, -GraphicControl->Left(), -GraphicControl->Top(), nullptr);
                GraphicControl->Parent()->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(bdc), 0);
            }
            TFont* font = ControlFont(*this);
            SelectScope selectFont(bdc, font ? font->Handle() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
            uint32_t colour = ColourToRGB(ButtonTextColour(data->Skin().Buttons, face,
                                                           font ? font->Color() : data->Skin().ButtonText(), kBtnShadow));
            GdiFlush();
            PaintGlyphButton(*this, GlyphProperty, target, bdc, face, colour, down, false);
            GdiFlush();
            BitBlt(dc, rect.left, rect.top, target.Width(), target.Height(), bdc, 0, 0, SRCCOPY);
        }
        painting_ = 0;
        return;
    }
    downForPaint_ = down;
    ComposeFace(dc, rect, face, false, [](TSkinButton& self, PixelBuffer& target, HDC bdc, int face, uint32_t colour) {
        auto& speed = static_cast<TSkinSpeedButton&>(self);
        PaintGlyphButton(self, speed.GlyphProperty, target, bdc, face, colour, speed.downForPaint_, false);
    });
    painting_ = 0;
}

// ---------------------------------------------------------------------------------------
// Check boxes and radio buttons.

namespace {

bool TransparentFor(TSkinControl& skinner) {
    auto* owner = dynamic_cast<TComponent*>(skinner.Owner());
    bool tagged = skinner.Control() && owner && owner->Tag() == kTransparentTag;
    return tagged || (skinner.SkinData() && SkinHas(skinner.SkinData()->Options, xoTransparent));
}

bool MajorVersionSix() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return false;
#pragma GCC diagnostic pop
    return info.dwMajorVersion == 6;
}

// Glyph (and in Mode 1 the whole face with its caption) of a check box or radio button.
void PaintCheckLike(TSkinControl& skinner, PixelBuffer& face, HDC dc, const RECT& rect, const PixelBuffer& strip,
                    int cellCount, int cell, bool radio, bool transparent) {
    TSkinData* data = skinner.SkinData();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!data || strip.Empty() || cellCount < 1 || width <= 0 || height <= 0) return;
    const LONG_PTR style = skinner.WindowLong(GWL_STYLE);
    const bool rtl = RightToLeft(skinner);
    TCheckPlacement place = PlaceCheckGlyph(TRect{0, 0, width, height}, strip.Width() / cellCount, strip.Height(),
                                            (style & BS_LEFTTEXT) != 0, radio, rtl);
    if (skinner.Mode != 1) {
        // Over the window's own painting: the glyph alone, magenta left alone.
        RECT g = ToRECT(place.glyph);
        OffsetRect(&g, rect.left, rect.top);
        DrawFrameStretched(dc, g, strip, true, cellCount, cell);
        return;
    }
    if (face.Width() != width || face.Height() != height) face = PixelBuffer(width, height);
    BufferDc bufferDc(face);
    if (!bufferDc) return;
    HDC bdc = bufferDc.get();
    if (transparent && skinner.Control())
        PaintParentImage(skinner.Control(), bdc);
    else
        bufferDc.Pixels().Fill(PixelFromColour(ColourToRGB(data->Skin().ButtonFace())));
    PaintGlyphCell(bufferDc.Pixels(), place.glyph, strip, cellCount, cell);

    std::wstring caption = CurrentCaption(skinner);
    skinner.Caption = caption;
    TFont* font = ControlFont(skinner);
    HFONT hfont = font ? font->Handle() : reinterpret_cast<HFONT>(SendMessageW(skinner.Handle(), WM_GETFONT, 0, 0));
    SelectScope selectFont(bdc, hfont ? hfont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    const bool enabled = !(style & WS_DISABLED);
    TColour textColour = enabled && font ? font->Color() : enabled ? data->Skin().ButtonText() : kBtnShadow;
    TGdiText text(bdc);
    TRect t = CheckCaptionRect(place.text, caption, place.textFlags, text);
    if (skinner.Focused && !caption.empty() && !MajorVersionSix())
        skinner.DrawTextFocus(bdc, place.textFlags | DT_WORDBREAK | DT_EXPANDTABS, ToRECT(t));
    text.Draw(face, caption, t, place.textFlags | btWordBreak | btExpandTabs, ColourToRGB(textColour));
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

bool CheckLikeBefore(TSkinControl& skinner, TMessage& m, bool transparent) {
    if (!skinner.TSkinControl::BeforeMessage(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (skinner.Mode == 1) {
            skinner.PaintHandler(m);
            return false;
        }
        return true;
    case WM_ERASEBKGND:
        if (transparent) {
            skinner.EraseHandler(m);
            return false;
        }
        return true;
    default:
        return true;
    }
}

// Repaint triggers of check boxes and radio buttons besides the base's.
bool CheckLikeRepaints(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK || msg == CM_EXIT || msg == 0xB0D0;
}

}  // namespace

TSkinCheckBox::TSkinCheckBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinCheckBox::Attach(TSkinForm* f, TSkinData* d, bool s, TCanvas* c) {
    TSkinControl::Attach(f, d, s, c);
    Mode = Control() && SkinData() && !SkinData()->Skin().Buttons.CheckImage.Empty() ? 1 : 0;
    RememberedCheck = 0;
    Transparent = TransparentFor(*this) ? 1 : 0;
}

void TSkinCheckBox::AttachWindow(HWND w, TSkinData* d, TSkinForm* f, TCanvas* c) {
    TSkinControl::AttachWindow(w, d, f, c);
    RememberedCheck = 0;
    Transparent = TransparentFor(*this) ? 1 : 0;
}

bool TSkinCheckBox::BeforeMessage(TMessage& m) { return CheckLikeBefore(*this, m, Transparent != 0); }

void TSkinCheckBox::AfterMessage(TMessage& m) {
    if (m.Msg == BM_SETCHECK) {
        RememberedCheck = static_cast<int32_t>(m.WParam) + 1;
        Repaint();
    } else if (CheckLikeRepaints(m.Msg)) {
        Repaint();
    } else {
        TSkinControl::AfterMessage(m);
    }
}

void TSkinCheckBox::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    if (!data) return;
    const TDataSkinButton& element = data->Skin().Buttons;
    const int cells = std::max(4, static_cast<int>(element.CheckButtonFrame));
    const LRESULT state = SendMessageW(Handle(), BM_GETSTATE, 0, 0);
    TCheckInput in;
    in.checked = (state & BST_CHECKED) != 0;
    in.indeterminate = (state & BST_INDETERMINATE) != 0;
    in.disabled = (WindowLong(GWL_STYLE) & WS_DISABLED) != 0;
    in.hasControl = Control() != nullptr;
    in.hasState = HasProp("State");
    in.state = PropText("State");
    in.hasChecked = HasProp("Checked");
    in.checkedTrue = PropText("Checked") == "true";
    in.hasDataField = HasProp("DataField");
    in.rememberedCheck = RememberedCheck;
    in.hasDataBinding = HasProp("DataBinding");
    PaintCheckLike(*this, face_, dc, rect, element.CheckImage, cells, CheckBoxCell(in, cells), false, Transparent != 0);
}

TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinRadioButton::Attach(TSkinForm* f, TSkinData* d, bool s, TCanvas* c) {
    TSkinControl::Attach(f, d, s, c);
    Mode = Control() && SkinData() && !SkinData()->Skin().Buttons.RadioImage.Empty() ? 1 : 0;
    Transparent = TransparentFor(*this) ? 1 : 0;
}

void TSkinRadioButton::AttachWindow(HWND w, TSkinData* d, TSkinForm* f, TCanvas* c) {
    TSkinControl::AttachWindow(w, d, f, c);
    Transparent = TransparentFor(*this) ? 1 : 0;
}

bool TSkinRadioButton::BeforeMessage(TMessage& m) { return CheckLikeBefore(*this, m, Transparent != 0); }

void TSkinRadioButton::AfterMessage(TMessage& m) {
    if (CheckLikeRepaints(m.Msg))
        Repaint();
    else
        TSkinControl::AfterMessage(m);
}

void TSkinRadioButton::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    if (!data) return;
    const TDataSkinButton& element = data->Skin().Buttons;
    const int cells = std::max(4, static_cast<int>(element.RadioButtonFrame));
    const bool checked = (SendMessageW(Handle(), BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
    const bool disabled = (WindowLong(GWL_STYLE) & WS_DISABLED) != 0;
    const int cell = RadioButtonCell(checked, HasProp("Checked"), PropText("Checked") == "true", disabled, cells);
    PaintCheckLike(*this, face_, dc, rect, element.RadioImage, cells, cell, true, Transparent != 0);
}
