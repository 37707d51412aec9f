#include "framework/HintWindow.h"

#include <algorithm>

namespace {
constexpr char kHintClass[] = "THintWindow";
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

void RegisterHintClass(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kHintClass;
    registered = RegisterClassA(&wc) != 0;
}
}  // namespace

THintWindow::THintWindow() {
    LOGFONTA status{};
    if (SystemLogFont(TSystemFont::Status, status)) font_.AssignLogFont(status);
    font_.SetColor(clInfoText);
}

void THintWindow::CreateHandle() {
    if (wnd_) return;
    RegisterHintClass(&THintWindow::WndProc);
    wnd_.reset(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                               nullptr, nullptr, GetModuleHandleA(nullptr), this));
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
    RECT r{0, 0, maxWidth, 0};
    HDC screen = GetDC(nullptr);
    {
        SelectScope font(screen, font_.Handle());
        DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &r, kTextFormat | DT_CALCRECT);
    }
    ReleaseDC(nullptr, screen);
    // Room for the border and the text's inset.
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT rect, const std::string& text) {
    CreateHandle();
    if (!wnd_) return;
    text_ = text;
    SetWindowTextA(wnd_.get(), text.c_str());
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    rect.left = std::max<long>(work.left, std::min<long>(rect.left, work.right - w));
    rect.top = std::max<long>(work.top, std::min<long>(rect.top, work.bottom - h));
    SetWindowPos(wnd_.get(), HWND_TOPMOST, rect.left, rect.top, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(wnd_.get(), nullptr, FALSE);
    UpdateWindow(wnd_.get());
}

void THintWindow::ReleaseHandle() {
    if (wnd_) ShowWindow(wnd_.get(), SW_HIDE);
}

bool THintWindow::Showing() const { return wnd_ && IsWindowVisible(wnd_.get()); }

void THintWindow::PaintTo(HDC dc) {
    RECT r{};
    if (wnd_) GetClientRect(wnd_.get(), &r);
    // Composed off-screen, then one blit.
    PixelBuffer picture(r.right, r.bottom);
    BufferDc off(picture);
    if (!off) return;
    SetDCBrushColor(off.get(), ColourToRGB(clInfoBk));
    FillRect(off.get(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    RECT text = r;
    text.left += 2;
    text.top += 2;
    SelectScope font(off.get(), font_.Handle());
    SetTextColor(off.get(), ColourToRGB(font_.Color()));
    SetBkMode(off.get(), TRANSPARENT);
    DrawTextA(off.get(), text_.c_str(), static_cast<int>(text_.size()), &text, kTextFormat);
    BitBlt(dc, 0, 0, r.right, r.bottom, off.get(), 0, 0, SRCCOPY);
}

void THintWindow::Paint() {
    PaintScope paint(wnd_.get());
    PaintTo(paint.dc());
}

LRESULT CALLBACK THintWindow::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!self || self->wnd_.get() != wnd) return DefWindowProcA(wnd, msg, wp, lp);
    return self->Dispatch(msg, wp, lp);
}

LRESULT THintWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
        Paint();
        return 0;
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // the mouse goes to what lies under the hint
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(wnd_.get(), msg, wp, lp);
    }
}
