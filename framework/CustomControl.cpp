// TGraphicControl (painted by its parent) and TCustomControl (a framework window painted
// off-screen: background, own face, graphic children, then one blit).
#include "framework/Controls.h"

// ---- TGraphicControl ----

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { SetParentColor(true); }

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Invalidate() { TControl::Invalidate(); }

void TGraphicControl::WndProc(TMessage& message) { TControl::WndProc(message); }

// ---- TCustomControl ----

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClass());
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TCustomControl::PaintBackground(TCanvas& canvas, const RECT& rect) {
    canvas.SetBrushColor(Color());
    canvas.FillRect(rect);
}

void TWinControl::PaintControls(HDC dc, const RECT* clip) {
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        RECT bounds = g->BoundsRect();
        RECT visible;
        if (clip && !IntersectRect(&visible, &bounds, clip)) continue;
        SaveDcScope saved(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + g->Left(), origin.y + g->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, g->Width(), g->Height());
        TCanvas canvas(dc);
        canvas.Font().Assign(g->Font());
        canvas.SetBrushColor(g->Color());
        g->Paint(canvas);
    }
}

void TCustomControl::PaintWindowTo(HDC target, const RECT& update) {
    RECT client;
    GetClientRect(HandleIfAllocated(), &client);
    const int w = client.right, h = client.bottom;
    if (w <= 0 || h <= 0) return;
    if (buffer_.Width() != w || buffer_.Height() != h) buffer_ = PixelBuffer(w, h);
    if (buffer_.Empty() || !buffer_.NativeHandle()) return;
    MemoryDcHandle mem(CreateCompatibleDC(target));
    SelectScope bitmap(mem.get(), static_cast<HBITMAP>(buffer_.NativeHandle()));
    {
        SaveDcScope saved(mem.get());
        IntersectClipRect(mem.get(), update.left, update.top, update.right, update.bottom);
        TCanvas canvas(mem.get());
        canvas.Font().Assign(Font());
        PaintBackground(canvas, client);
        Paint(canvas);
        PaintControls(mem.get(), &update);
    }
    GdiFlush();
    BitBlt(target, update.left, update.top, update.right - update.left, update.bottom - update.top, mem.get(),
           update.left, update.top, SRCCOPY);
}

void TCustomControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        // Everything is painted in WM_PAINT, in one blit.
        m.Result = 1;
        return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        if (m.WParam) {
            RECT client;
            GetClientRect(HandleIfAllocated(), &client);
            PaintWindowTo(reinterpret_cast<HDC>(m.WParam), client);
        } else {
            PaintScope paint(HandleIfAllocated());
            PaintWindowTo(paint.dc(), paint.rect());
        }
        m.Result = 0;
        return;
    default:
        TWinControl::WndProc(m);
    }
}
