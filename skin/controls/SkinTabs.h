#pragma once
// Tab controls and page controls: tabs and pane from the skin's Tabs element, close boxes,
// old-style tab sets, button-style tabs and the pages themselves. The pictures are
// composed by the portable painters of TabPainter.h; these classes gather the control's
// state, take its paint over and answer presses on close boxes.
#include "skin/controls/SkinControl.h"

#include <memory>
#include <vector>

#include "framework/Graphics.h"
#include "skin/controls/TabPainter.h"
#include "skin/data/PixelBuffer.h"

class TSkinUpDown;

// An off-screen picture kept between paints (re-made only when its size changes), with a
// memory DC for the text drawn into it.
class TTabBuffer {
public:
    // Null DC when GDI refused.
    HDC Prepare(int width, int height);
    PixelBuffer& Pixels() { return pixels_; }

private:
    PixelBuffer pixels_;
    std::unique_ptr<BufferDc> dc_;  // declared after pixels_: goes first
};

class TSkinTab : public TSkinControl {
    KELVORA_CLASS(TSkinTab)
public:
    explicit TSkinTab(TComponent* owner);
    ~TSkinTab() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinChanged() override;

    int32_t Orientation = tabTop;  // TTabSide of the prepared images
    uint8_t CloseBoxes = 0;
    // Close boxes of the last paint, control coordinates, one per tab.
    const std::vector<TRect>& CloseRects() const { return closeRects_; }

protected:
    // Tab items, current tab, colours and font of the control as it is now.
    TTabStrip GatherStrip(bool enabled);
    // The off-screen picture of the window's size, filled with the parent's colour.
    PixelBuffer* Target(int width, int height);
    // The same with the pane drawn over display; kept from the last paint while the size,
    // the display area, the colour and the images stay (each paint composes the strip anew
    // over its own area, which the pane never reaches).
    PixelBuffer* PaneBase(int width, int height, const TRect& display);
    // Copies the finished picture to dc (around a visible tab-scroll up-down) and paints the
    // graphic children in Mode 2.
    void Present(HDC dc, int width, int height);
    // Draws the strip through the composition buffer and places it; returns the close boxes.
    std::vector<TRect> ComposeStrip(const TRect& strip, int side, const TTabFace& face, const TTabStrip& tabs);
    HWND ScrollUpDown() const;

private:
    void PrepareImages();
    void AttachScrollUpDown();
    // A press on the close box of tab index: the form may keep the page (non-zero answer).
    void CloseTab(int index);
    HWND FormWindow() const;

    TTabImages images_;
    bool imagesReady_ = false;
    uint32_t imagesVersion_ = 0;  // counts PrepareImages calls
    // What the kept pane in target_ (of the target's size) was drawn for; valid false
    // after any other use.
    struct TPaneKey {
        bool valid = false;
        TRect display{};
        uint32_t background = 0;
        uint32_t images = 0;
    };
    TPaneKey pane_;
    std::vector<TRect> closeRects_;
    TTabBuffer target_;
    TTabBuffer comp_;
    TComponentRef<TSkinUpDown> upDown_;
};

// An old-style tab set (TTabSet): every tab with the Tabs picture, frame 2 for the current
// tab and 1 for the others, flipped upside down for tabs along the bottom edge, captions
// centred as on push buttons; composed off-screen over the parent's colour, one blit.
class TSkinTab31 : public TSkinControl {
    KELVORA_CLASS(TSkinTab31)
public:
    explicit TSkinTab31(TComponent* owner);
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinChanged() override;

    int32_t Orientation = tabTop;  // tabTop or tabBottom: the side the tab picture is prepared for

private:
    void PrepareImages(int side);

    TTabImages images_;
    bool imagesReady_ = false;
    TTabBuffer face_;
};

// A page control of another library that takes its tab pictures as the bitmap properties
// "TabBackGround" and "TabBackGroundActive": they get Tabs frames 1 and 2 made for the
// control's tab size (its "TabWidth" and "TabHeight" when it publishes them, else the size
// of one frame); Detach clears them, or gives back a picture the control had of its own.
// The control paints itself; its tab-scroll arrows (an "msctls_updown32" child, also one
// made later) get an up-down skinner.
class TSkinAdvPage : public TSkinControl {
    KELVORA_CLASS(TSkinAdvPage)
public:
    explicit TSkinAdvPage(TComponent* owner);
    ~TSkinAdvPage() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void SkinChanged() override;

private:
    void SetTabPictures();
    void AttachUpDown();

    TComponentRef<TSkinUpDown> upDown_;
    PixelBuffer ownPictures_[2];  // what the control showed before the skin's pictures
    bool replaced_[2] = {false, false};
};

// A page control with button-style tabs: each tab is a push-button face of the Buttons
// element, frame 2 for the focused tab, 1 for the others.
class TSkinTabBtn : public TSkinTab {
    KELVORA_CLASS(TSkinTabBtn)
public:
    explicit TSkinTabBtn(TComponent* owner);
    void DrawSkin(HDC dc, const RECT& rect) override;
};

// A page of a page control: ButtonFace under its graphic children.
class TSkinTabSheet : public TSkinControl {
    KELVORA_CLASS(TSkinTabSheet)
public:
    explicit TSkinTabSheet(TComponent* owner);
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TTabBuffer face_;
};
