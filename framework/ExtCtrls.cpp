// Image, bevel, panel and the framework timer.
#include "framework/ExtCtrls.h"

// ---- TImage ----

const TClassInfo& TImage::StaticClass() {
    static const TClassInfo info(
        "TImage", &TGraphicControl::StaticClass(),
        {props::Boolean<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch),
         props::Boolean<TImage>("Center", &TImage::Center, &TImage::SetCenter),
         props::Boolean<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent),
         props::Boolean<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize),
         props::Object<TImage, TPicture>("Picture", &TImage::PictureObject, nullptr)});
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    TControl::SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}
void TImage::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}
void TImage::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}
void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v) PictureChanged();
}

void TImage::Paint(TCanvas& canvas) {
    const PixelBuffer& pixels = picture_.Bitmap();
    if (pixels.Empty() || !pixels.NativeHandle()) return;
    HDC dc = canvas.Handle();
    const_cast<PixelBuffer&>(pixels).Sync();
    MemoryDcHandle src(CreateCompatibleDC(dc));
    SelectScope bitmap(src.get(), static_cast<HBITMAP>(pixels.NativeHandle()));
    int x = 0, y = 0, w = pixels.Width(), h = pixels.Height();
    if (stretch_) {
        w = Width();
        h = Height();
    } else if (center_) {
        x = (Width() - w) / 2;
        y = (Height() - h) / 2;
    }
    if (transparent_) {
        // The bottom-left pixel's colour is the see-through colour.
        const uint32_t key = ColourFromPixel(pixels.Pixel(0, pixels.Height() - 1));
        TransparentBlt(dc, x, y, w, h, src.get(), 0, 0, pixels.Width(), pixels.Height(), key);
    } else if (stretch_) {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, x, y, w, h, src.get(), 0, 0, pixels.Width(), pixels.Height(), SRCCOPY);
    } else {
        BitBlt(dc, x, y, w, h, src.get(), 0, 0, SRCCOPY);
    }
}

// ---- TBevel ----

const TClassInfo& TBevel::StaticClass() {
    static const TClassInfo info(
        "TBevel", &TGraphicControl::StaticClass(),
        {props::Enumeration<TBevel, TBevelShape>(
             "Shape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
             &TBevel::Shape, &TBevel::SetShape),
         props::Enumeration<TBevel, TBevelStyle>("Style", {"bsLowered", "bsRaised"}, &TBevel::Style,
                                                 &TBevel::SetStyle)});
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { TControl::SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape v) {
    shape_ = v;
    Invalidate();
}
void TBevel::SetStyle(TBevelStyle v) {
    style_ = v;
    Invalidate();
}

void TBevel::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const COLORREF dark = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    const COLORREF first = style_ == bsLowered ? dark : light, second = style_ == bsLowered ? light : dark;
    const int w = Width(), h = Height();
    auto line = [dc](COLORREF colour, int x1, int y1, int x2, int y2) {
        PenHandle pen(CreatePen(PS_SOLID, 1, colour));
        SelectScope use(dc, pen.get());
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    };
    switch (shape_) {
    case bsBox:
        line(first, 0, h - 1, 0, 0);
        line(first, 0, 0, w - 1, 0);
        line(second, w - 1, 0, w - 1, h - 1);
        line(second, w - 1, h - 1, 0, h - 1);
        break;
    case bsFrame:
        line(first, 0, 0, w - 1, 0);
        line(first, 0, 0, 0, h - 1);
        line(first, w - 2, 1, w - 2, h - 2);
        line(first, 1, h - 2, w - 1, h - 2);
        line(second, 1, 1, w - 2, 1);
        line(second, 1, 1, 1, h - 2);
        line(second, w - 1, 0, w - 1, h);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

// ---- TCustomPanel / TPanel ----

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo info(
        "TCustomPanel", &TCustomControl::StaticClass(),
        {props::Enumeration<TCustomPanel, TPanelBevel>("BevelOuter", {"bvNone", "bvLowered", "bvRaised", "bvSpace"},
                                                       &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter),
         props::Enumeration<TCustomPanel, TPanelBevel>("BevelInner", {"bvNone", "bvLowered", "bvRaised", "bvSpace"},
                                                       &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner),
         props::Ordinal<TCustomPanel, int>("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth),
         props::Boolean<TWinControl>("ParentBackground", &TWinControl::ParentBackground,
                                     &TWinControl::SetParentBackground)});
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TPanelBevel v) {
    bevelOuter_ = v;
    Realign();
    Invalidate();
}
void TCustomPanel::SetBevelInner(TPanelBevel v) {
    bevelInner_ = v;
    Realign();
    Invalidate();
}
void TCustomPanel::SetBevelWidth(int v) {
    bevelWidth_ = v;
    Realign();
    Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& rect) {
    int inset = 0;
    if (bevelOuter_ != bvNone) inset += bevelWidth_;
    if (bevelInner_ != bvNone) inset += bevelWidth_;
    InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    RECT r = ClientRect();
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone) return;
        for (int i = 0; i < bevelWidth_; ++i) {
            if (kind != bvSpace) DrawEdge(dc, &r, kind == bvLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
            InflateRect(&r, -1, -1);
        }
    };
    bevel(bevelOuter_);
    bevel(bevelInner_);
    const std::string caption = Caption();
    if (caption.empty()) return;
    SelectScope font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info("TPanel", &TCustomPanel::StaticClass());
    return info;
}

TPanel::TPanel(TComponent* owner) : TCustomPanel(owner) {}

// ---- TTimer ----

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo info("TTimer", &TComponent::StaticClass(),
                                 {props::Boolean<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
                                  props::Ordinal<TTimer, unsigned>("Interval", &TTimer::Interval, &TTimer::SetInterval)});
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    window_ = std::make_unique<UtilWindow>([this](TMessage& m) {
        if (m.Msg != WM_TIMER) return false;
        Timer();
        return true;
    });
    UpdateTimer();
}

TTimer::~TTimer() {
    if (running_) KillTimer(window_->Handle(), 1);
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (running_) KillTimer(window_->Handle(), 1);
    running_ = enabled_ && interval_ > 0 && SetTimer(window_->Handle(), 1, interval_, nullptr) != 0;
}

void TTimer::Timer() {
    if (enabled_ && OnTimer) OnTimer(this);
}
