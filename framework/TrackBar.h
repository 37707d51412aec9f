#pragma once
// A track bar (the system's "msctls_trackbar32" class): a thumb slid along a channel.
// Position follows the user's moves (the bar's scroll notifications come back to it from
// its parent); the bar's custom-draw notifications reach it the same way, as CN_NOTIFY.
#include "framework/Controls.h"

enum TTrackBarOrientation : uint8_t { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
    KELVORA_CLASS(TTrackBar)
public:
    explicit TTrackBar(TComponent* owner);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation v);  // re-creates the window
    int Min() const { return min_; }
    void SetMin(int v) { SetRange(v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetRange(min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v);  // kept inside the range
    void SetRange(int min, int max);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;

private:
    TTrackBarOrientation orientation_ = trHorizontal;
    int min_ = 0, max_ = 10, position_ = 0;
};
