#pragma once
// Image, bevel, panel and the framework timer.
#include "framework/Controls.h"
#include "framework/UtilWindow.h"

#include <memory>

// A picture drawn at the control's bounds (top-left, or centred / stretched).
class TImage : public TGraphicControl {
    KELVORA_CLASS(TImage)
public:
    explicit TImage(TComponent* owner);
    TPicture& Picture() { return picture_; }
    TPicture* PictureObject() const { return const_cast<TPicture*>(&picture_); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    void Paint(TCanvas& canvas) override;

private:
    void PictureChanged();
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

enum TBevelShape : uint8_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle : uint8_t { bsLowered, bsRaised };

// Etched lines or boxes: bsBottomLine draws one line along the bottom edge.
class TBevel : public TGraphicControl {
    KELVORA_CLASS(TBevel)
public:
    explicit TBevel(TComponent* owner);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v);
    void Paint(TCanvas& canvas) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

enum TPanelBevel : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// A framework window ("TPanel") with a bevelled edge and a centred caption.
class TCustomPanel : public TCustomControl {
    KELVORA_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel v);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    void Paint(TCanvas& canvas) override;

protected:
    void AdjustClientRect(RECT& rect) override;

private:
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
};

class TPanel : public TCustomPanel {
    KELVORA_CLASS(TPanel)
public:
    explicit TPanel(TComponent* owner);
};

// Raises OnTimer every Interval milliseconds while Enabled (a system timer on a hidden
// utility window). Running from creation when Enabled (true by default) and Interval > 0.
class TTimer : public TComponent {
    KELVORA_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    std::unique_ptr<UtilWindow> window_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool running_ = false;
};
