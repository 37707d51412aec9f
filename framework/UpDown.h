#pragma once
// Up-down (spin) buttons: the system's "msctls_updown32" class. Position follows the
// user's clicks: the control's scroll notifications come back to it from its parent.
#include "framework/Controls.h"

enum TUDOrientation : uint8_t { udVertical, udHorizontal };

class TUpDown : public TWinControl {
    KELVORA_CLASS(TUpDown)
public:
    explicit TUpDown(TComponent* owner);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation v);  // re-creates the window
    int Min() const { return min_; }
    void SetMin(int v) { SetRange(v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetRange(min_, v); }
    // The control's own position once it has a window.
    int Position() const;
    void SetPosition(int v);  // kept inside Min..Max
    void SetRange(int min, int max);

    // The user moved the position (a click or a held button's repeat).
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    TUDOrientation orientation_ = udVertical;
    int min_ = 0, max_ = 100, position_ = 0;
};
