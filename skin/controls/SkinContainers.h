#pragma once
// Containers: group boxes (frame and caption drawn by the skin), panels (colour only),
// bare container windows such as dialogs and tool bars (background in the skin's face
// colour) and size grips.
#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/data/PixelBuffer.h"

class BufferDc;

// Mode 1 (a framework group box): the whole face is the skin's, composed off-screen with
// the box's graphic children and put on the window in one blit; the window's own painting
// never runs. Mode 0 (a bare window): the window paints itself, then its etched frame is
// wiped and the skin's frame and caption are drawn over it.
class TSkinGroupBox : public TSkinControl {
    KELVORA_CLASS(TSkinGroupBox)
public:
    explicit TSkinGroupBox(TComponent* owner);
    ~TSkinGroupBox() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    // The caption: the window text, else the control's Caption property.
    std::wstring CurrentCaption() const;

    PixelBuffer face_;
    std::unique_ptr<BufferDc> faceDc_;
};

// A panel, form or tool bar: no hook at all. Attach only records the control, registers
// with the form skinner and (SetColour) gives the control the skin's face colour with its
// parent background off; Detach gives both back unless State says to keep them.
class TSkinBox : public TSkinControl {
    KELVORA_CLASS(TSkinBox)
public:
    explicit TSkinBox(TComponent* owner);
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void Detach() override;
};

// A bare container window (a dialog, a tool bar): erased in the skin's face colour, and
// its static children get the skin's background brush.
class TSkinBoxH : public TSkinControl {
    KELVORA_CLASS(TSkinBoxH)
public:
    explicit TSkinBoxH(TComponent* owner);
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
};

// A size grip: painted over in the skin's face colour.
class TSkinSizer : public TSkinControl {
    KELVORA_CLASS(TSkinSizer)
public:
    explicit TSkinSizer(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& rect) override;
};
