#pragma once
// Date-time pickers: an edit-like frame (a ButtonShadow line and one white line inside it)
// and, over the picker's own drop-down button, a skinned arrow button that hands its
// presses to the picker so that the picker opens its calendar as usual.
#include "skin/controls/SkinControl.h"

#include "framework/Controls.h"
#include "skin/data/PixelBuffer.h"

class TSkinData;

// The drop-down button laid over a date-time picker: a framework custom control, child
// window of the picker, no tab stop. Hot (only while the picker is enabled) shows the
// arrow strip's cell 4, else cell 1.
class TArrowButton : public TCustomControl {
    KELVORA_CLASS(TArrowButton)
public:
    explicit TArrowButton(TComponent* owner);
    // The picker the button serves and the skin it draws from.
    void SetTarget(HWND picker, TSkinData* skinData);
    HWND Target() const { return target_; }
    // Moves the button to the picker's drop-down edge (only when it is elsewhere).
    void Place();
    void Paint(TCanvas& canvas) override;

    int ButtonWidth = 0;  // SM_CXHSCROLL
    uint8_t Hot = 0;

protected:
    void WndProc(TMessage& message) override;

private:
    HWND target_ = nullptr;  // not owned
    TComponentRef<TSkinData> skinData_;
    PixelBuffer face_;
};

class TSkinDateTime : public TSkinControl {
    KELVORA_CLASS(TSkinDateTime)
public:
    explicit TSkinDateTime(TComponent* owner);
    ~TSkinDateTime() override;
    void Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) override;
    void AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    TArrowButton* Arrow() const { return arrow_.Get(); }

private:
    void CreateArrow();
    void FreeArrow();

    TComponentRef<TArrowButton> arrow_;
};
