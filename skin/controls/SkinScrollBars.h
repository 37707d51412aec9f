#pragma once
// Scroll bars in the skin's look. The system draws a window's scroll bars in its
// non-client area, where a skinner cannot paint reliably, so each visible bar is covered
// by an overlay window (TScrollOverlay) placed exactly over it: the overlay paints the
// skin's arrows, track and thumb and hands every press back to the real bar, so the
// system's own scrolling keeps working.
//
//   TSkinScrollbar   a framework control's own bars (memos, list boxes...): two overlays
//   TSkinScrollbarH  the same for a window without a framework object
//   TSkinScControl   a scroll bar control: one overlay over the whole control
//   TComboxScrollBar a combo box's drop-down list: painted in place, own thumb drag
//
// Geometry, hit tests and the painting itself are portable (ScrollPainter.h).
#include "skin/controls/SkinControl.h"

#include "framework/ExtCtrls.h"
#include "skin/data/PixelBuffer.h"

// Part codes equal the scroll request codes.
enum TScrollPart : int32_t {
    spNone = -1,
    spFirstArrow = 0,   // SB_LINEUP
    spSecondArrow = 1,  // SB_LINEDOWN
    spTrackBefore = 2,  // SB_PAGEUP
    spTrackAfter = 3,   // SB_PAGEDOWN
    spThumb = 5,        // SB_THUMBTRACK
};

enum TOverlayKind : uint8_t {
    okHorizontal = 0,  // the target's horizontal window bar
    okVertical = 1,    // its vertical window bar
    okControl = 2,     // the target is itself a scroll bar control
};

// A child of the skinned window's parent (a sibling of the target), WS_EX_TOOLWINDOW, no
// tab stop; its parent is a plain window handle.
class TScrollOverlay : public TCustomPanel {
    KELVORA_CLASS(TScrollOverlay)
public:
    explicit TScrollOverlay(TComponent* owner);
    ~TScrollOverlay() override;

    void AttachToControl(TOverlayKind kind, TWinControl* control);
    void AttachToHandle(TOverlayKind kind, HWND target);
    // Moves the overlay over the bar and shows it, or hides it when the bar is not shown.
    void Place();
    void HideOverlay();
    // The part under a client point.
    TScrollPart HitTest(POINT clientPoint) const;
    void Paint(TCanvas& canvas) override;
    // True when the bar no longer stands as last painted (or is being dragged).
    bool Stale() const;

    TSkinControl* OwnerSkinner = nullptr;
    HWND TargetHandle = nullptr;
    TWinControl* TargetControl = nullptr;
    TOverlayKind Kind = okHorizontal;
    uint8_t Orientation = 0;  // 0 horizontal, 1 vertical
    int32_t BarLength = 0;
    int32_t ThumbStart = 0;
    int32_t ThumbEnd = 0;
    POINT Offset{};      // the bar's top-left in screen coordinates
    POINT DownCursor{};  // screen, at the last press
    int32_t DownThumbStart = 0;
    int32_t HotPart = spNone;
    int32_t ArrowSize = 0;
    RECT BarRect{};  // in the target's client coordinates
    uint8_t Shown = 0;
    uint8_t Tracking = 0;
    uint8_t BarEnabled = 1;

protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;

private:
    // Where the bar is and how it stands now.
    struct TBarGeometry {
        RECT screen{};      // the bar in screen coordinates
        int32_t thumbStart = 0;
        int32_t thumbEnd = 0;
        bool invisible = false;
        bool enabled = true;
    };
    bool QueryGeometry(TBarGeometry& g) const;
    void MouseMove(TMessage& m);
    // WM_PAINT: the bar covers the whole overlay, so it goes straight to the window in one
    // copy, without the framework's off-screen pass under it.
    void PaintMessage(TMessage& m);
    // Composes the bar and copies it to dc; false when there is nothing to draw.
    bool PaintBar(HDC dc);
    void MouseLeave(TMessage& m);
    void ButtonDown(TMessage& m);
    void ButtonUp(TMessage& m);
    PixelBuffer picture_;  // the last painted bar (plain memory), kept for the next paint
    // The bar as last painted: size, thumb, enabled.
    struct TPainted {
        int32_t width = 0, height = 0, thumbStart = 0, thumbEnd = 0;
        bool enabled = true;
        static TPainted Of(const TBarGeometry& g) {
            return {g.screen.right - g.screen.left, g.screen.bottom - g.screen.top, g.thumbStart, g.thumbEnd,
                    g.enabled};
        }
        bool operator==(const TPainted& o) const {
            return width == o.width && height == o.height && thumbStart == o.thumbStart && thumbEnd == o.thumbEnd &&
                   enabled == o.enabled;
        }
    };
    TPainted painted_;
};

class TSkinScrollbar : public TSkinControl {
    KELVORA_CLASS(TSkinScrollbar)
public:
    explicit TSkinScrollbar(TComponent* owner);
    ~TSkinScrollbar() override;
    // The owner is the control whose bars are covered.
    virtual void AttachScroll(TWinControl* control, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas);
    void Detach() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    // No DC is taken: the bars are the overlays', the border is painted with the frame.
    void PaintWindow(HDC dc) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    void SkinChanged() override;

    TScrollOverlay* Horizontal() const { return horizontal_; }
    TScrollOverlay* Vertical() const { return vertical_; }
    uint8_t DrawBorder = 0;
    // One bar only (the classification's single-bar kind).
    uint8_t SingleBar = 0;

protected:
    TScrollOverlay* horizontal_ = nullptr;  // owned (components of this skinner)
    TScrollOverlay* vertical_ = nullptr;

private:
    void MakeOverlays();
    void PlaceBoth();
    void FrameWindow(HDC dc);
    bool OverlaysCoverNonClient() const;
};

class TSkinScrollbarH : public TSkinControl {
    KELVORA_CLASS(TSkinScrollbarH)
public:
    explicit TSkinScrollbarH(TComponent* owner);
    ~TSkinScrollbarH() override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    TScrollOverlay* Horizontal() const { return horizontal_; }
    TScrollOverlay* Vertical() const { return vertical_; }

private:
    TScrollOverlay* horizontal_ = nullptr;
    TScrollOverlay* vertical_ = nullptr;
};

class TSkinScControl : public TSkinControl {
    KELVORA_CLASS(TSkinScControl)
public:
    explicit TSkinScControl(TComponent* owner);
    ~TSkinScControl() override;
    // The owner is the scroll bar control.
    void AttachScrollControl(TWinControl* control, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas);
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    TScrollOverlay* Overlay() const { return overlay_; }

private:
    TScrollOverlay* overlay_ = nullptr;
};

// The vertical bar of a combo box's drop-down list, painted into the list window itself.
// A press on the thumb runs a drag loop that waits for messages between moves and ends on
// the button's release, on a lost capture, on Escape or when the list's window deactivates.
class TComboxScrollBar : public TSkinControl {
    KELVORA_CLASS(TComboxScrollBar)
public:
    explicit TComboxScrollBar(TComponent* owner);
    ~TComboxScrollBar() override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    int32_t ArrowSize = 0;
    int32_t HotPart = spNone;
    uint8_t Tracking = 0;

private:
    // The thumb drag; false when the press was not on the thumb of the vertical bar.
    bool ThumbDrag(TMessage& m);
    // True once the drag must stop without a button release.
    bool DragInterrupted(HWND foreground) const;
    uint8_t captureLost_ = 0;
    PixelBuffer picture_;
};
