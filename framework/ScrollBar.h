#pragma once
// A stand-alone scroll bar control (the system's "SCROLLBAR" class). Position follows
// the user's scrolling: the bar's notifications come back to it from its parent.
#include "framework/Controls.h"

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
    KELVORA_CLASS(TScrollBar)
public:
    explicit TScrollBar(TComponent* owner);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind v);  // re-creates the window
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, max_); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, min_, v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v);
    // Range and position at once; the position is kept inside the range.
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;

private:
    void UpdateScrollInfo();
    void Scrolled(TMessage& m);
    int LastPosition() const;
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
};
