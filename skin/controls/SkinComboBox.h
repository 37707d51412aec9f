#pragma once
// Combo boxes: the skin's frame and drop-down button drawn over the window's own picture
// (its text stays), the button pressed while the mouse is held on the combo or on the
// edit of a drop-down combo, hot while the mouse is over it, and the drop-down list's
// scroll bar in the skin's look. The pictures are ComboPainter.h's.
#include "skin/controls/SkinControl.h"

#include <memory>

#include "framework/Graphics.h"
#include "skin/data/PixelBuffer.h"

class TSkinComBox : public TSkinControl {
    KELVORA_CLASS(TSkinComBox)
public:
    explicit TSkinComBox(TComponent* owner);
    ~TSkinComBox() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    // The skinner of the drop-down list's scroll bar (a TComboxScrollBar, or a
    // TSkinScrollbarH for a simple combo's list); null when there is none.
    TSkinControl* ListSkinner() const { return listSkinner_.Get(); }

    uint8_t ExtendedCombo = 0;  // a "comboboxex": drawn as an edit-like frame with an arrow
    LONG_PTR WindowStyle = 0;
    LONG_PTR ExtendedStyle = 0;
    uint8_t Dropped = 0;
    HWND EditHandle = nullptr;  // the edit of a drop-down combo (subclassed), borrowed
    COMBOBOXINFO Info{};
    RECT ButtonRect{};  // client coordinates, for hot tracking

private:
    // What both attach paths do once the window is known.
    void TakeOverParts();
    bool ReadInfo();
    void EditMessage(TMessage& m, const TWndMethod& next);
    void TrackPress(UINT msg);
    void MouseMove(const TMessage& m);
    void SetHot(bool hot);
    PixelBuffer& Picture(int width, int height);

    TComponentRef<TSkinControl> listSkinner_;
    TWindowSubclass editHook_;
    PixelBuffer picture_;
    std::unique_ptr<BufferDc> pictureDc_;  // declared after picture_: goes first
};
