#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include "skin/controls/EditPainter.h"
#include "skin/data/SkinData.h"

const TClassInfo& TSkinUpDown::StaticClass() {
    static const TClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}

TSkinUpDown::~TSkinUpDown() = default;

bool TSkinUpDown::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintHandler(m);
        return false;
    case WM_ERASEBKGND:
        // A bare window has nobody else to clear it: white under the face.
        if (!Control() && m.WParam) {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(m.WParam), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        auto life = LifeToken();
        CallOldProc(m);
        if (life.expired()) return false;
        MouseState |= msPressed;
        PaintWindow(nullptr);
        return false;
    }
    case WM_LBUTTONUP: {
        MouseState &= static_cast<uint8_t>(~msPressed);
        auto life = LifeToken();
        CallOldProc(m);
        if (!life.expired()) PaintWindow(nullptr);
        return false;
    }
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinUpDown::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE: {
        if (WindowLong(GWL_STYLE) & WS_DISABLED) break;
        TrackMouseLeave();
        RECT r;
        if (!GetWindowRect(Handle(), &r)) break;
        const RECT area = DrawArea(RECT{0, 0, r.right - r.left, r.bottom - r.top});
        const int half = HalfUnderCursor(area, (WindowLong(GWL_STYLE) & UDS_HORZ) != 0);
        if (!(MouseState & msHot) || half != hotHalf_) {
            MouseState |= msHot;
            PaintWindow(nullptr);
        }
        break;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (MouseState & msHot) {
            MouseState &= static_cast<uint8_t>(~msHot);
            PaintWindow(nullptr);
        }
        break;
    case WM_CAPTURECHANGED:
        // The press ends with the capture, also when another window takes it.
        if (MouseState & msPressed) {
            MouseState &= static_cast<uint8_t>(~msPressed);
            PaintWindow(nullptr);
        }
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

RECT TSkinUpDown::DrawArea(const RECT& rect) const {
    if (!Embedded) return rect;
    HWND edit = GetParent(Handle());
    RECT e;
    if (!edit || !GetWindowRect(edit, &e)) return rect;
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&e), 2);
    const TRect area = EmbeddedUpDownArea(TRect{rect.left, rect.top, rect.right, rect.bottom},
                                          TRect{e.left, e.top, e.right, e.bottom});
    return RECT{area.left, area.top, area.right, area.bottom};
}

int TSkinUpDown::HalfUnderCursor(const RECT& area, bool horizontal) const {
    POINT p;
    if (!GetCursorPos(&p) || !ScreenToClient(Handle(), &p)) return -1;
    const TUpDownHalves halves = SplitUpDown(TRect{area.left, area.top, area.right, area.bottom}, horizontal);
    auto inside = [&p](const TRect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
    if (inside(halves.first)) return 0;
    if (inside(halves.second)) return 1;
    return -1;
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!data || !dc || width <= 0 || height <= 0) return;
    const LONG_PTR style = WindowLong(GWL_STYLE);
    const bool horizontal = (style & UDS_HORZ) != 0;
    const TSkinDefinition& skin = data->Skin();
    const TDataSkinBorder* element = horizontal ? skin.UpDownHorz.get() : skin.UpDownVert.get();

    const RECT area = DrawArea(RECT{0, 0, width, height});
    const int half = HalfUnderCursor(area, horizontal);
    hotHalf_ = (MouseState & msHot) ? half : -1;
    const bool disabled = (style & WS_DISABLED) != 0;
    TUpDownLook look;
    look.horizontal = horizontal;
    look.firstState = UpDownHalfState(disabled, half == 0, MouseState);
    look.secondState = UpDownHalfState(disabled, half == 1, MouseState);
    look.area = TRect{area.left, area.top, area.right, area.bottom};
    look.embedded = Embedded != 0;
    look.face = ColourToRGB(skin.ButtonFace());
    look.arrow = ColourToRGB(skin.ButtonText());
    look.disabledArrow = ColourToRGB(SystemColour(COLOR_BTNSHADOW));

    if (face_.Width() != width || face_.Height() != height) {
        faceDc_.reset();
        face_ = PixelBuffer(width, height);
    }
    if (!faceDc_) faceDc_ = std::make_unique<BufferDc>(face_);
    if (!*faceDc_) return;
    face_.Sync();
    PaintUpDown(face_, element, look);
    BitBlt(dc, rect.left, rect.top, width, height, faceDc_->get(), 0, 0, SRCCOPY);
}
