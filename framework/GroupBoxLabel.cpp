// The group box (a framework window drawing an etched frame with its caption) and the
// label (text painted by its parent).
#include "framework/StdCtrls.h"

#include <algorithm>

namespace {
// Height of one line of text in the font: the character height for fonts given by it
// (negative Height), else the cell height.
int LineHeight(const TFont& font) {
    if (font.Height() < 0) return -font.Height();
    if (font.Height() > 0) return font.Height();
    HDC dc = GetDC(nullptr);
    TEXTMETRICA tm{};
    {
        SelectScope f(dc, font.Handle());
        GetTextMetricsA(dc, &tm);
    }
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}
}  // namespace

// ---- TCustomGroupBox / TGroupBox ----

const TClassInfo& TCustomGroupBox::StaticClass() {
    static const TClassInfo info("TCustomGroupBox", &TCustomControl::StaticClass(),
                                 {props::Boolean<TWinControl>("ParentBackground", &TWinControl::ParentBackground,
                                                              &TWinControl::SetParentBackground)});
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) {
    // Children sit inside the frame, below the caption line.
    rect.top += LineHeight(Font());
    InflateRect(&rect, -2, -2);
}

void TCustomGroupBox::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    const int lineHeight = LineHeight(Font());
    RECT frame = ClientRect();
    frame.top += lineHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = Caption();
    if (caption.empty()) return;
    SelectScope font(dc, Font().Handle());
    RECT text{8, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    const int textWidth = text.right - text.left;
    text = RECT{8, 0, 8 + textWidth, std::max(lineHeight, static_cast<int>(text.bottom))};
    RECT gap{6, 0, text.right + 2, text.bottom};
    canvas.SetBrushColor(Color());
    canvas.FillRect(gap);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info("TGroupBox", &TCustomGroupBox::StaticClass());
    return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}

// ---- TCustomLabel / TLabel ----

const TClassInfo& TCustomLabel::StaticClass() {
    static const TClassInfo info(
        "TCustomLabel", &TGraphicControl::StaticClass(),
        {props::Boolean<TCustomLabel>("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize),
         props::Boolean<TCustomLabel>("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent),
         props::Enumeration<TCustomLabel, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                      &TCustomLabel::Alignment, &TCustomLabel::SetAlignment),
         props::Enumeration<TCustomLabel, TTextLayout>("Layout", {"tlTop", "tlCenter", "tlBottom"},
                                                       &TCustomLabel::Layout, &TCustomLabel::SetLayout),
         props::Boolean<TCustomLabel>("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap)});
    return info;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    TControl::SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout v) {
    if (v == layout_) return;
    layout_ = v;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& m) {
    if (m.Msg == CM_TEXTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
    TGraphicControl::WndProc(m);
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_) return;
    // An empty caption keeps the height of one line.
    std::string text = Caption();
    if (text.empty()) text = " ";
    HDC dc = GetDC(nullptr);
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        SelectScope font(dc, Font().Handle());
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
    }
    ReleaseDC(nullptr, dc);
    int left = Left();
    const int width = r.right - r.left;
    if (alignment_ == taRightJustify) left += Width() - width;
    if (alignment_ == taCenter) left += (Width() - width) / 2;
    SetBounds(left, Top(), width, r.bottom - r.top);
}

void TCustomLabel::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    RECT r{0, 0, Width(), Height()};
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(r);
    }
    const std::string text = Caption();
    if (text.empty()) return;
    UINT format = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    if (alignment_ == taRightJustify) format |= DT_RIGHT;
    if (alignment_ == taCenter) format |= DT_CENTER;
    if (!wordWrap_ && layout_ == tlCenter) format |= DT_VCENTER;
    if (!wordWrap_ && layout_ == tlBottom) format |= DT_BOTTOM;
    if (UseRightToLeftReading()) format |= DT_RTLREADING;
    SelectScope font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    } else {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    }
}

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info("TLabel", &TCustomLabel::StaticClass());
    return info;
}

TLabel::TLabel(TComponent* owner) : TCustomLabel(owner) {}
