#pragma once
// The button family of control skinners: push buttons, bitmap buttons, speed buttons,
// menu buttons, check boxes and radio buttons, drawn from the skin's Buttons element
// (five state frames) and its check and radio glyph strips. The faces are composed by the
// portable painters of ButtonPainter.h; these classes hold the message handling.
//
// Face state (frame of Buttons, 1-based): 3 disabled, 2 pressed, 4 hot, 5 focused or
// default, 1 normal (first match). A click is raised only by a button-up while pressed:
// pressing and leaving before the release repaints the button normal and clicks nothing.
#include "skin/controls/SkinControl.h"

#include <memory>

#include "framework/Handles.h"
#include "framework/Graphics.h"
#include "skin/data/PixelBuffer.h"

class TSkinButton : public TSkinControl {
    KELVORA_CLASS(TSkinButton)
public:
    explicit TSkinButton(TComponent* owner);
    ~TSkinButton() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    uint8_t Transparent = 0;  // the face goes over the parent's image

protected:
    // The off-screen picture of the window's size, kept between paints (re-made only
    // when the size changes).
    PixelBuffer& FaceBuffer(int width, int height);
    // A memory DC with that picture selected (kept with it); null when GDI refused.
    HDC FaceDc();
    // Sets Transparent from the control's Tag and the skin's options.
    void TakeTransparency();
    // Clicks the control, or tells a bare window's parent with WM_COMMAND.
    void RaiseClick();
    // Draws the face and, through paint, whatever the subclass puts on it, in one blit.
    void ComposeFace(HDC dc, const RECT& rect, int face, bool bareFontAlways,
                     void (*paint)(TSkinButton& self, PixelBuffer& target, HDC bufferDc, int face, uint32_t colour));

private:
    PixelBuffer face_;
    std::unique_ptr<BufferDc> faceDc_;  // declared after face_: goes first
};

class TSkinBitButton : public TSkinButton {
    KELVORA_CLASS(TSkinBitButton)
public:
    explicit TSkinBitButton(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& rect) override;
    // The property holding the glyph ("Glyph" when empty; "PngImage" for png buttons).
    std::string GlyphProperty;
};

// Skins a windowless speed button (a graphic control): it hooks the control's WindowProc
// and paints through the parent's DC; there is no window handle.
class TSkinSpeedButton : public TSkinBitButton {
    KELVORA_CLASS(TSkinSpeedButton)
public:
    explicit TSkinSpeedButton(TComponent* owner);
    ~TSkinSpeedButton() override;
    // The owner is the speed button (a TGraphicControl).
    void AttachGraphic(TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas);
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    uint8_t painting_ = 0;
    bool downForPaint_ = false;  // "Down" as read by the paint under way
};

class TSkinMenuButton : public TSkinButton {
    KELVORA_CLASS(TSkinMenuButton)
public:
    explicit TSkinMenuButton(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinCheckBox : public TSkinControl {
    KELVORA_CLASS(TSkinCheckBox)
public:
    explicit TSkinCheckBox(TComponent* owner);
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    int32_t RememberedCheck = 0;  // BM_SETCHECK's wParam + 1; 0 = none
    uint8_t Transparent = 0;

private:
    PixelBuffer face_;
};

class TSkinRadioButton : public TSkinControl {
    KELVORA_CLASS(TSkinRadioButton)
public:
    explicit TSkinRadioButton(TComponent* owner);
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    uint8_t Transparent = 0;

private:
    PixelBuffer face_;
};
