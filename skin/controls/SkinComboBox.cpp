#include "skin/controls/SkinComboBox.h"

#include <windowsx.h>

#include "framework/PrivateMessages.h"
#include "skin/controls/ComboPainter.h"
#include "skin/controls/SkinScrollBars.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"

const TClassInfo& TSkinComBox::StaticClass() {
    static const TClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr LONG_PTR kDropDownBit = 0x2;   // CBS_DROPDOWN and CBS_DROPDOWNLIST have it
constexpr LONG_PTR kComboTypeMask = 0x3;

// The colour of the DC's current brush (a fresh DC's is white).
uint32_t BrushColour(HDC dc) {
    LOGBRUSH brush{};
    HGDIOBJ current = GetCurrentObject(dc, OBJ_BRUSH);
    if (current && GetObjectW(current, sizeof brush, &brush) == sizeof brush && brush.lbStyle == BS_SOLID)
        return brush.lbColor;
    return 0xFFFFFF;
}

// Where the client area's origin lies in the window's rectangle.
POINT ClientOffset(HWND wnd) {
    RECT window{};
    GetWindowRect(wnd, &window);
    POINT origin{0, 0};
    ClientToScreen(wnd, &origin);
    return {origin.x - window.left, origin.y - window.top};
}

}  // namespace

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() {
    editHook_.Reset();
    pictureDc_.reset();
}

void TSkinComBox::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (Attached) TakeOverParts();
}

void TSkinComBox::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    if (Attached) return;
    TSkinControl::AttachWindow(window, skinData, formSkinner, canvas);
    if (Attached) TakeOverParts();
}

bool TSkinComBox::ReadInfo() {
    if (!Handle()) return false;
    HWND combo = Handle();
    // An extended combo's own drawing follows its inner combo (its first child).
    if (ExtendedCombo)
        if (HWND inner = GetWindow(Handle(), GW_CHILD)) combo = inner;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info)) return false;
    if (combo != Handle()) {
        MapWindowPoints(combo, Handle(), reinterpret_cast<POINT*>(&info.rcButton), 2);
        MapWindowPoints(combo, Handle(), reinterpret_cast<POINT*>(&info.rcItem), 2);
    }
    Info = info;
    return true;
}

void TSkinComBox::TakeOverParts() {
    WindowStyle = WindowLong(GWL_STYLE);
    ExtendedStyle = WindowLong(GWL_EXSTYLE);
    const bool haveInfo = ReadInfo();
    if (haveInfo) ButtonRect = Info.rcButton;
    if (ExtendedCombo) return;
    if (WindowStyle & kDropDownBit) {
        if (haveInfo && Info.hwndList && SendMessageA(Info.hwndList, SKINMSG_QUERY, 0, 0) != 1) {
            auto* list = MakeComponent<TComboxScrollBar>(this);
            list->AttachWindow(Info.hwndList, SkinData(), FormSkinner(), Canvas);
            listSkinner_ = TComponentRef<TSkinControl>(list);
        }
        // The edit of a drop-down combo: the combo is repainted after it and shows the
        // button pressed while the mouse is held on it.
        HWND edit = GetWindow(Handle(), GW_CHILD);
        if (haveInfo && Info.hwndItem && Info.hwndItem != Handle()) edit = Info.hwndItem;
        if (edit && haveInfo && edit == Info.hwndList) edit = nullptr;
        if (edit && !UnicodeWindow) {
            EditHandle = edit;
            editHook_ = TWindowSubclass(
                edit, [this](TMessage& m, const TWndMethod& next) { EditMessage(m, next); },
                [this] { EditHandle = nullptr; });
        }
    } else if ((WindowStyle & kComboTypeMask) == CBS_SIMPLE && haveInfo && Info.hwndList) {
        const LONG_PTR listStyle = GetWindowLongPtrA(Info.hwndList, GWL_STYLE);
        if ((listStyle & WS_CHILD) && SendMessageA(Info.hwndList, SKINMSG_QUERY, 0, 0) != 1) {
            auto* list = MakeComponent<TSkinScrollbarH>(this);
            list->AttachWindow(Info.hwndList, SkinData(), FormSkinner(), Canvas);
            listSkinner_ = TComponentRef<TSkinControl>(list);
        }
    }
}

void TSkinComBox::EditMessage(TMessage& m, const TWndMethod& next) {
    auto life = LifeToken();
    next(m);
    if (life.expired() || !SkinActive) return;
    switch (m.Msg) {
        case WM_PAINT: PaintWindow(nullptr); break;
        default: TrackPress(m.Msg); break;
    }
}

// The button looks pressed while the left button is held on the combo or on its edit.
void TSkinComBox::TrackPress(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: MouseState |= msPressed; break;
        case WM_LBUTTONUP: MouseState &= static_cast<uint8_t>(~msPressed); break;
        default: return;
    }
    Repaint();
}

void TSkinComBox::Detach() {
    editHook_.Reset();
    EditHandle = nullptr;
    if (TSkinControl* list = listSkinner_.Get()) {
        list->Detach();
        TComponent::Free(list);
    }
    listSkinner_ = TComponentRef<TSkinControl>();
    TSkinControl::Detach();
}

void TSkinComBox::SetHot(bool hot) {
    const bool was = (MouseState & msHot) != 0;
    if (hot == was) return;
    if (hot)
        MouseState |= msHot;
    else
        MouseState &= static_cast<uint8_t>(~msHot);
    Repaint();
}

void TSkinComBox::MouseMove(const TMessage& m) {
    const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    const bool enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) == 0;
    SetHot(enabled && PtInRect(&ButtonRect, p));
}

void TSkinComBox::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: break;
        case WM_MOUSEMOVE: MouseMove(m); break;
        case WM_DRAWITEM:
        case WM_NCPAINT: Repaint(); break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP: TrackPress(m.Msg); break;
        case CM_MOUSELEAVE: SetHot(false); break;
        case CN_COMMAND:
            if (HIWORD(m.WParam) == CBN_DROPDOWN) Dropped = 1;
            if (HIWORD(m.WParam) == CBN_CLOSEUP) Dropped = 0;
            break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

PixelBuffer& TSkinComBox::Picture(int width, int height) {
    if (picture_.Width() != width || picture_.Height() != height) {
        pictureDc_.reset();
        picture_ = PixelBuffer(width, height);
    }
    if (!pictureDc_) pictureDc_ = std::make_unique<BufferDc>(picture_);
    return picture_;
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    if (!dc || !data) return;
    const TSkinDefinition& skin = data->Skin();
    if (!skin.ComboButton || skin.ComboButton->Image.Empty()) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    WindowStyle = WindowLong(GWL_STYLE);
    ExtendedStyle = WindowLong(GWL_EXSTYLE);
    const bool haveInfo = ReadInfo();
    if (haveInfo) {
        if (Info.stateButton & STATE_SYSTEM_INVISIBLE) return;
        ButtonRect = Info.rcButton;
    }
    const bool compact = skin.ComboButton->Style == 1;
    const bool disabled = (WindowStyle & WS_DISABLED) != 0;
    const int face = ComboFace((MouseState & msPressed) != 0, Focused || (MouseState & msHot), disabled, compact);

    // The window's own picture first: the skin goes over it and its text stays.
    PixelBuffer& picture = Picture(width, height);
    if (!pictureDc_ || !*pictureDc_) return;
    HDC bdc = pictureDc_->get();
    BitBlt(bdc, 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const uint32_t shadow = ColourToRGB(skin.Colours[scButtonShadow]);
    const POINT offset = ClientOffset(Handle());
    if (ExtendedCombo) {
        RECT button = ButtonRect;
        OffsetRect(&button, offset.x, offset.y);
        const bool framed = (WindowStyle & WS_BORDER) || (ExtendedStyle & WS_EX_CLIENTEDGE);
        PaintExtendedCombo(picture, skin, face, framed, haveInfo ? ToTRect(button) : TRect{}, shadow,
                           ColourToRGB(skin.ButtonFace()));
    } else {
        TComboLook look;
        look.face = face;
        look.leftButton = (ExtendedStyle & WS_EX_LEFTSCROLLBAR) != 0;
        look.arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
        look.stripWidth = GetSystemMetrics(SM_CYVTHUMB);
        look.brushColour = BrushColour(dc);
        look.shadowColour = shadow;
        const TRect drawn = PaintComboBox(picture, skin, look);
        if (!drawn.IsEmpty()) {
            ButtonRect = ToRECT(drawn);
            OffsetRect(&ButtonRect, -offset.x, -offset.y);
        }
    }
    picture.Sync();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}
