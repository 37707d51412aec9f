#include "skin/controls/SkinDateTime.h"

#include <windowsx.h>

#include "skin/controls/EditPainter.h"
#include "skin/controls/SkinEdit.h"
#include "skin/data/SkinData.h"

const TClassInfo& TArrowButton::StaticClass() {
    static const TClassInfo info("TArrowButton", &TCustomControl::StaticClass());
    return info;
}

const TClassInfo& TSkinDateTime::StaticClass() {
    static const TClassInfo info("TSkinDateTime", &TSkinControl::StaticClass());
    return info;
}

// ---------------------------------------------------------------------------------------
// The arrow button.

TArrowButton::TArrowButton(TComponent* owner) : TCustomControl(owner), ButtonWidth(GetSystemMetrics(SM_CXHSCROLL)) {
    SetTabStop(false);
}

void TArrowButton::SetTarget(HWND picker, TSkinData* skinData) {
    target_ = picker;
    skinData_ = TComponentRef<TSkinData>(skinData);
}

void TArrowButton::Place() {
    RECT r;
    if (!target_ || !GetWindowRect(target_, &r)) return;
    const bool leftScrollBar = (GetWindowLongPtrW(target_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const TRect b = ArrowButtonBounds(r.right - r.left, r.bottom - r.top, ButtonWidth, leftScrollBar);
    if (Left() != b.left || Top() != b.top || Width() != b.Width() || Height() != b.Height())
        SetBounds(b.left, b.top, b.Width(), b.Height());
}

void TArrowButton::Paint(TCanvas& canvas) {
    RECT client;
    if (!HandleAllocated() || !GetClientRect(HandleIfAllocated(), &client)) return;
    if (face_.Width() != client.right || face_.Height() != client.bottom) face_ = PixelBuffer(client.right, client.bottom);
    if (face_.Empty()) return;
    face_.Sync();
    TSkinData* data = skinData_.Get();
    const TColour face = data ? data->Skin().ButtonFace() : SystemColour(COLOR_BTNFACE);
    PaintArrowButton(face_, data ? data->Skin().ComboxArrow.get() : nullptr, Hot != 0, ColourToRGB(face));
    canvas.Draw(0, 0, face_);
}

void TArrowButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_MOUSEENTER:
        if (target_ && IsWindowEnabled(target_) && !Hot) {
            Hot = 1;
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (Hot) {
            Hot = 0;
            Invalidate();
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The picker opens its calendar from a press on its own button, which lies
        // under this one: the press goes there, moved into the picker's client area.
        if (target_) {
            const LPARAM at = MAKELPARAM(GET_X_LPARAM(m.LParam) + Left(), GET_Y_LPARAM(m.LParam) + Top());
            PostMessageW(target_, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(target_, WM_LBUTTONUP, 0, at);
        }
        break;
    case WM_LBUTTONUP:
        if (target_) ::SetFocus(target_);
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// The picker's skinner.

TSkinDateTime::TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}

TSkinDateTime::~TSkinDateTime() { FreeArrow(); }

void TSkinDateTime::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (Attached) CreateArrow();
}

void TSkinDateTime::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    TSkinControl::AttachWindow(window, skinData, formSkinner, canvas);
    if (Attached) CreateArrow();
}

void TSkinDateTime::CreateArrow() {
    HWND picker = Handle();
    TComponent* owner = Owner();
    if (arrow_ || !picker || !owner) return;
    auto* arrow = MakeComponent<TArrowButton>(owner);
    arrow_ = TComponentRef<TArrowButton>(arrow);
    arrow->SetTarget(picker, SkinData());
    arrow->SetParentWindow(picker);
    // The picker's own painting keeps off the button.
    const LONG_PTR style = WindowLong(GWL_STYLE) | WS_CLIPCHILDREN;
    if (UnicodeWindow)
        SetWindowLongPtrW(picker, GWL_STYLE, style);
    else
        SetWindowLongPtrA(picker, GWL_STYLE, style);
    arrow->Place();
    arrow->HandleNeeded();
}

void TSkinDateTime::FreeArrow() {
    if (TArrowButton* arrow = arrow_.Get()) TComponent::Free(arrow);
    arrow_ = TComponentRef<TArrowButton>();
}

void TSkinDateTime::Detach() {
    TSkinControl::Detach();
    FreeArrow();
}

void TSkinDateTime::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
        if (TArrowButton* arrow = arrow_.Get()) {
            arrow->Place();
            arrow->Invalidate();
        }
        break;
    case WM_NCPAINT:
        // The system draws the 3-D border again here: the frame goes back over it.
        PaintWindow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
    if (TArrowButton* arrow = arrow_.Get()) arrow->Place();
    RECT client;
    if (!dc || !GetClientRect(Handle(), &client)) return;
    if (!EditHasBorder(client.right, client.bottom, rect.right - rect.left, rect.bottom - rect.top)) return;
    DrawFieldFrame(dc, rect, 1);
}
