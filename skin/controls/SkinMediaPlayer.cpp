#include "skin/controls/SkinMediaPlayer.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Graphics.h"
#include "framework/Properties.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/SkinData.h"

const TClassInfo& TMediaPlayerOverlay::StaticClass() {
    static const TClassInfo info("TMediaPlayerOverlay", &TCustomControl::StaticClass());
    return info;
}

const TClassInfo& TSkinMP::StaticClass() {
    static const TClassInfo info("TSkinMP", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr const char* kPictureNames[3][kMediaButtonCount] = {
    {"EN_MPPLAY", "EN_MPPAUSE", "EN_MPSTOP", "EN_MPNEXT", "EN_MPPREV", "EN_MPSTEP", "EN_MPBACK", "EN_MPRECORD",
     "EN_MPEJECT"},
    {"DI_MPPLAY", "DI_MPPAUSE", "DI_MPSTOP", "DI_MPNEXT", "DI_MPPREV", "DI_MPSTEP", "DI_MPBACK", "DI_MPRECORD",
     "DI_MPEJECT"},
    {"CL_MPPLAY", "CL_MPPAUSE", "CL_MPSTOP", "CL_MPNEXT", "CL_MPPREV", "CL_MPSTEP", "CL_MPBACK", "CL_MPRECORD",
     "CL_MPEJECT"},
};

size_t PictureIndex(TMediaButtonState state, int button) {
    return static_cast<size_t>(state) * kMediaButtonCount + static_cast<size_t>(button);
}

// A bitmap resource as 32-bit pixels in plain memory; empty when the module has none.
PixelBuffer LoadBitmapResource(HINSTANCE module, const char* name) {
    BitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return PixelBuffer();
    PixelBuffer pixels = PixelBuffer::Scratch(info.bmWidth, info.bmHeight);
    if (pixels.Empty()) return pixels;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = info.bmWidth;
    bmi.bmiHeader.biHeight = -info.bmHeight;  // top-down, as the buffer is
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    if (!screen || GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(info.bmHeight), pixels.Bits(), &bmi,
                             DIB_RGB_COLORS) != info.bmHeight)
        return PixelBuffer();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) pixels.Row(y)[x] |= 0xFF000000u;
    return pixels;
}

void FillArea(PixelBuffer& target, const TRect& r, uint32_t pixel) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, target.Height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, target.Width()); ++x) target.Row(y)[x] = pixel;
}

// A 3-D button edge: light top and left, dark bottom and right; the other way when down.
void ButtonEdge(PixelBuffer& target, const TRect& r, bool down) {
    if (r.right - r.left < 2 || r.bottom - r.top < 2) return;
    const uint32_t light = PixelFromColour(ColourToRGB(SystemColour(COLOR_BTNHIGHLIGHT)));
    const uint32_t dark = PixelFromColour(ColourToRGB(SystemColour(COLOR_3DDKSHADOW)));
    const uint32_t first = down ? dark : light, second = down ? light : dark;
    FillArea(target, {r.left, r.top, r.right, r.top + 1}, first);
    FillArea(target, {r.left, r.top, r.left + 1, r.bottom}, first);
    FillArea(target, {r.left, r.bottom - 1, r.right, r.bottom}, second);
    FillArea(target, {r.right - 1, r.top, r.right, r.bottom}, second);
}

}  // namespace

const char* MediaButtonResourceName(TMediaButtonState state, int button) {
    if (state < mbsEnabled || state > mbsColoured || button < 0 || button >= kMediaButtonCount) return "";
    return kPictureNames[state][button];
}

// ---------------------------------------------------------------------------------------
// The overlay.

TMediaPlayerOverlay::TMediaPlayerOverlay(TComponent* owner) : TCustomControl(owner) { SetTabStop(false); }

void TMediaPlayerOverlay::SetTarget(TWinControl* player, TSkinData* skinData, HINSTANCE module) {
    target_ = TComponentRef<TWinControl>(player);
    skinData_ = TComponentRef<TSkinData>(skinData);
    if (skinData) SetTag(skinData->DisableTag);
    LoadPictures(module ? module : GetModuleHandleA(nullptr));
}

void TMediaPlayerOverlay::LoadPictures(HINSTANCE module) {
    for (int s = mbsEnabled; s <= mbsColoured; ++s)
        for (int b = 0; b < kMediaButtonCount; ++b) {
            const auto state = static_cast<TMediaButtonState>(s);
            pictures_[PictureIndex(state, b)] = LoadBitmapResource(module, MediaButtonResourceName(state, b));
        }
}

const PixelBuffer& TMediaPlayerOverlay::Picture(TMediaButtonState state, int button) const {
    static const PixelBuffer none;
    if (state < mbsEnabled || state > mbsColoured || button < 0 || button >= kMediaButtonCount) return none;
    return pictures_[PictureIndex(state, button)];
}

void TMediaPlayerOverlay::Place() {
    TWinControl* player = target_.Get();
    if (!player) return;
    if (TWinControl* parent = player->Parent()) {
        if (Parent() != parent) SetParent(parent);
        const RECT r = player->BoundsRect();
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else if (HWND window = player->HandleIfAllocated(); window && GetParent(window)) {
        // A player placed in a window the framework does not own: the same parent window.
        HWND parent = GetParent(window);
        if (ParentWindow() != parent) SetParentWindow(parent);
        RECT r{};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    SetVisible(player->Visible());
    // Right above the player, unless it is above it already.
    HWND own = HandleIfAllocated(), window = player->HandleIfAllocated();
    if (!own || !window || GetParent(own) != GetParent(window)) return;
    for (HWND w = GetWindow(own, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == window) return;
    HWND above = GetWindow(window, GW_HWNDPREV);
    SetWindowPos(own, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

long long TMediaPlayerOverlay::ButtonSet(const char* property) const {
    TWinControl* player = target_.Get();
    if (!player || !IsPublishedProp(player, property)) return kAllMediaButtons;
    return GetOrdProp(player, property) & kAllMediaButtons;
}

std::vector<int> TMediaPlayerOverlay::VisibleButtons() const {
    const long long visible = ButtonSet("VisibleButtons");
    std::vector<int> buttons;
    for (int b = 0; b < kMediaButtonCount; ++b)
        if (visible & (1LL << b)) buttons.push_back(b);
    return buttons;
}

int TMediaPlayerOverlay::ButtonAt(int x, int y) const {
    const std::vector<int> buttons = VisibleButtons();
    if (buttons.empty() || x < 0 || y < 0 || y >= Height()) return -1;
    const int width = Width() / static_cast<int>(buttons.size());
    if (width <= 0) return -1;
    const size_t slot = static_cast<size_t>(x / width);
    return slot < buttons.size() ? buttons[slot] : -1;
}

void TMediaPlayerOverlay::Paint(TCanvas& canvas) {
    RECT client;
    if (!HandleAllocated() || !GetClientRect(HandleIfAllocated(), &client)) return;
    if (face_.Width() != client.right || face_.Height() != client.bottom) face_ = PixelBuffer(client.right, client.bottom);
    if (face_.Empty()) return;
    face_.Sync();
    TSkinData* data = skinData_.Get();
    const TColour faceColour = data ? data->Skin().ButtonFace() : SystemColour(COLOR_BTNFACE);
    face_.Fill(PixelFromColour(ColourToRGB(faceColour)));

    const std::vector<int> buttons = VisibleButtons();
    const long long enabled = ButtonSet("EnabledButtons"), coloured = ButtonSet("ColoredButtons");
    ButtonWidth = buttons.empty() ? 0 : client.right / static_cast<int>(buttons.size());
    for (size_t i = 0; i < buttons.size() && ButtonWidth > 0; ++i) {
        const int b = buttons[i];
        const bool down = b == Pressed;
        const TRect r{static_cast<int>(i) * ButtonWidth, 0, static_cast<int>(i + 1) * ButtonWidth, client.bottom};
        ButtonEdge(face_, r, down);
        const TMediaButtonState state = !(enabled & (1LL << b))   ? mbsDisabled
                                        : (coloured & (1LL << b)) ? mbsColoured
                                                                  : mbsEnabled;
        const PixelBuffer& picture = pictures_[PictureIndex(state, b)];
        if (picture.Empty()) continue;  // the program has no picture for it: a plain face
        // Centred (one pixel lower right when down); the bottom-left pixel's colour is
        // the picture's see-through colour, as for bitmap glyphs.
        const int offset = down ? 1 : 0;
        const int x = r.left + (r.right - r.left - picture.Width()) / 2 + offset;
        const int y = r.top + (r.bottom - r.top - picture.Height()) / 2 + offset;
        if (x >= r.right - 2 || y >= r.bottom - 2) continue;
        const uint32_t key = ColourFromPixel(picture.Pixel(0, picture.Height() - 1));
        TransparentCopy(face_, TRect{x, y, r.right - 2, r.bottom - 2}, picture, key);
    }
    canvas.Draw(0, 0, face_);
}

void TMediaPlayerOverlay::Forward(UINT msg, WPARAM keys, LPARAM at) {
    TWinControl* player = target_.Get();
    HWND window = player ? player->HandleIfAllocated() : nullptr;
    if (!window || !HandleAllocated()) return;
    POINT p{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    MapWindowPoints(HandleIfAllocated(), window, &p, 1);
    // Posted: the player may do anything with a press (free itself and this panel too).
    PostMessageW(window, msg, keys, MAKELPARAM(p.x, p.y));
}

void TMediaPlayerOverlay::Press(const TMessage& m) {
    const int button = ButtonAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (button < 0) return;
    Pressed = button;
    SetCapture(HandleIfAllocated());
    Forward(WM_LBUTTONDOWN, m.WParam, m.LParam);
    Invalidate();
}

void TMediaPlayerOverlay::Release(const TMessage& m) {
    if (Pressed < 0) return;
    const int pressed = Pressed;
    Pressed = -1;
    if (GetCapture() == HandleIfAllocated()) ReleaseCapture();
    if (ButtonAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)) == pressed) Forward(WM_LBUTTONUP, m.WParam, m.LParam);
    Invalidate();
}

void TMediaPlayerOverlay::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(m);
        break;
    case WM_LBUTTONUP:
        Release(m);
        break;
    case WM_CAPTURECHANGED:
        if (Pressed >= 0 && reinterpret_cast<HWND>(m.LParam) != HandleIfAllocated()) {
            Pressed = -1;
            Invalidate();
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------
// The player's skinner.

TSkinMP::TSkinMP(TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() { FreeOverlay(); }

void TSkinMP::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    TWinControl* player = Control();
    if (!Attached || overlay_ || !player || !Owner()) return;
    auto* overlay = MakeComponent<TMediaPlayerOverlay>(Owner());
    overlay_ = TComponentRef<TMediaPlayerOverlay>(overlay);
    overlay->SetTarget(player, skinData);
    overlay->Place();
    overlay->HandleNeeded();
    overlay->Place();  // above the player now that the window exists
}

void TSkinMP::FreeOverlay() {
    if (TMediaPlayerOverlay* overlay = overlay_.Get()) TComponent::Free(overlay);
    overlay_ = TComponentRef<TMediaPlayerOverlay>();
}

void TSkinMP::Detach() {
    TSkinControl::Detach();
    FreeOverlay();
}

void TSkinMP::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
        // The panel follows the player's bounds and visibility.
        if (TMediaPlayerOverlay* overlay = overlay_.Get()) overlay->Place();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}
