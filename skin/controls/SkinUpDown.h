#pragma once
// Up-down (spin) buttons drawn from the skin's UpDownHorz/UpDownVert elements: two halves,
// each in its own state (normal, pressed, hot, disabled), composed off-screen and copied
// in one blit. The control keeps its own behaviour: presses reach it before the repaint.
// An up-down found inside an edit (Embedded) keeps its drawing inside the edit's border.
#include "skin/controls/SkinControl.h"

#include <memory>

#include "framework/Graphics.h"
#include "skin/data/PixelBuffer.h"

class TSkinUpDown : public TSkinControl {
    KELVORA_CLASS(TSkinUpDown)
public:
    explicit TSkinUpDown(TComponent* owner);
    ~TSkinUpDown() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    uint8_t Embedded = 0;  // found inside an edit: drawn inside the edit's edges

private:
    // The area the halves are drawn in (window coordinates at the origin).
    RECT DrawArea(const RECT& rect) const;
    // The half under the cursor: 0 first, 1 second, -1 neither.
    int HalfUnderCursor(const RECT& area, bool horizontal) const;

    int hotHalf_ = -1;  // the half last painted hot, to repaint only on a change
    PixelBuffer face_;
    std::unique_ptr<BufferDc> faceDc_;  // declared after face_: goes first
};
