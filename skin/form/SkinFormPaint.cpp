// The form skinner's drawing: the whole non-client area composed by the portable frame
// painter and put on the window in one copy, the window region, and the window icon on
// magenta.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "framework/Graphics.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainterGdi.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr int kWindowTextBytes = 1000;

FontHandle MakeTitleFont(const TSkinData* data) {
    if (data && data->CaptionFont().lfHeight != 0) {
        LOGFONTA font = data->CaptionFont();
        // On a double-byte code page an ANSI_CHARSET font draws the text as boxes.
        CPINFO codePage{};
        if (font.lfCharSet == ANSI_CHARSET && GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize > 1)
            font.lfCharSet = DEFAULT_CHARSET;
        if (HFONT made = CreateFontIndirectA(&font)) return FontHandle(made);
    }
    return CreateCaptionFont();
}

HICON SmallIconOf(HWND window) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    return icon;
}

}  // namespace

void TSkinForm::MakePaintTools() {
    renderer_.reset();
    titleFont_ = MakeTitleFont(skinData_);
    renderer_ = std::make_unique<TGdiPaintRenderer>(titleFont_.get(), WindowIcon);
    ForgetPictures();
    // Buttons whose visibility the window decides can change without the frame knowing.
    pictureCacheable_ = true;
    if (skinData_)
        for (const auto& button : skinData_->Skin().SysButtons)
            if (button->Visibility >= 1000 && button->Visibility <= 2000) pictureCacheable_ = false;
}

std::string TSkinForm::WindowText() const {
    if (UnicodeWindow) {
        const int length = GetWindowTextLengthW(windowHandle_);
        if (length <= 0) return {};
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(windowHandle_, &wide[0], length + 1);
        if (got <= 0) return {};
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), got, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(std::max(bytes, 0)), '\0');
        if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, wide.c_str(), got, &text[0], bytes, nullptr, nullptr);
        return text;
    }
    char buffer[kWindowTextBytes] = {};
    const LRESULT got = SendMessageA(windowHandle_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<size_t>(std::clamp<LRESULT>(got, 0, kWindowTextBytes - 1)));
}

// The caption text as drawn (with its padding blanks) in the title font.
int TSkinForm::CaptionTextWidth() {
    if (!renderer_) MakePaintTools();
    const std::string padded = "  " + WindowText() + " ";
    return renderer_->Measure(TFontRole::Caption, padded).width;
}

namespace {

// The frame's state with the given caption text.
TFrameState StateWithCaption(const TSkinForm& f, std::string caption) {
    TFrameState s;
    s.width = f.WindowSize.cx;
    s.height = f.WindowSize.cy;
    s.borderKind = f.BorderKind;
    s.captionIcons = f.CaptionIcons & (ciMaximiseBox | ciMinimiseBox | ciHelpBox | ciSystemMenu);
    s.show = f.ShowState;
    s.active = f.IsActive;
    s.dialogClass = f.IsDialogClass;
    s.popup = (f.WindowStyle & WS_POPUP) != 0;
    s.rightToLeft = f.RightToLeft;
    s.menuBarHeight = f.MenuBarHeight;
    s.mdiChildButtons = f.MdiChildButtonsShown();
    s.caption = std::move(caption);
    s.hasIcon = f.WindowIcon != nullptr;
    s.iconSize = f.IconSize;
    s.buttonStates = f.ButtonStates();
    HWND w = f.WindowHandle();
    s.askVisible = [w](int visibility, int action) {
        return SendMessageA(w, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(visibility), action) > 0;
    };
    return s;
}

}  // namespace

TFrameState TSkinForm::FrameState() const { return StateWithCaption(*this, WindowText()); }

namespace {

// Whether two states give the same frame picture but for the looks of the caption buttons.
bool SameFrame(const TFrameState& a, const TFrameState& b) {
    return a.width == b.width && a.height == b.height && a.borderKind == b.borderKind &&
           a.captionIcons == b.captionIcons && a.show == b.show && a.active == b.active &&
           a.dialogClass == b.dialogClass && a.popup == b.popup && a.rightToLeft == b.rightToLeft &&
           a.menuBarHeight == b.menuBarHeight && a.mdiChildButtons == b.mdiChildButtons && a.caption == b.caption &&
           a.hasIcon == b.hasIcon && a.iconSize == b.iconSize;
}

// Whether two states give the same frame picture.
bool SamePicture(const TFrameState& a, const TFrameState& b) {
    return SameFrame(a, b) && a.buttonStates == b.buttonStates;
}

}  // namespace

void TSkinForm::PaintFrame(HDC dc) {
    if (!skinData_ || skinData_->NoSkinLoaded()) return;
    if (SkinState != ssActive && SkinState != ssApplying) return;
    if (BorderKind == TBorderKind::NoCaption || (MdiKind == mkChild && ShowState == TShowState::Maximised)) return;
    if (!renderer_) MakePaintTools();
    std::optional<WindowDc> own;
    if (!dc) own.emplace(windowHandle_, true);
    HDC target = dc ? dc : own->get();
    if (!target) return;
    // A frame that cannot be drawn now is drawn at the next WM_NCPAINT.
    try {
        GetWindowRect(windowHandle_, &WindowRect);
        WindowSize = {WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
        TFrameState state = FrameState();
        TPictureSlot& slot = pictures_[state.active ? 0 : 1];
        if (!slot.valid || !pictureCacheable_ || !SamePicture(state, slot.state)) {
            slot.valid = false;
            // The slot's buffer is painted over when the size is the same: a new
            // window-sized bitmap costs more than the whole composition.
            slot.picture = ::PaintFrame(skinData_->Skin(), state, *renderer_, std::move(slot.picture.pixels));
            slot.picture.pixels.Sync();
            ++frameCompositions_;
            slot.state = std::move(state);
            slot.state.askVisible = nullptr;
            slot.valid = true;
        }
        const TFrameLayout& layout = slot.picture.layout;
        TextBoxRect = {layout.textBox.left, layout.textBox.top, layout.textBox.right, layout.textBox.bottom};
        TextRect = {layout.text.rect.left, layout.text.rect.top, layout.text.rect.right, layout.text.rect.bottom};
        RightButtonsWidth = layout.rightButtonsWidth;
        ButtonsLaidOut(layout);
        const PixelBuffer& pixels = slot.picture.pixels;
        if (pixels.Empty()) return;
        PictureDc source(pixels);
        if (!source.get()) return;
        SaveDcScope saved(target);
        const TRect& c = slot.picture.client;
        if (!c.IsEmpty()) ExcludeClipRect(target, c.left, c.top, c.right, c.bottom);
        BitBlt(target, 0, 0, pixels.Width(), pixels.Height(), source.get(), 0, 0, SRCCOPY);
        SetBkMode(target, OPAQUE);
        if (MenuBarSkinner) MenuBarSkinner->Paint(target);
    } catch (...) {
        ForgetPictures();
    }
}

void TSkinForm::PaintButtonState(TCaptionButton& button) {
    // When only the buttons' states changed, the cells of the buttons whose look changed
    // (and the given button's) are drawn again into the kept frame picture over its
    // caption bar, and each is copied to the window on its own. Anything else about the
    // frame that changed, or a cell that is not the buttons' alone, composes the whole
    // frame.
    const auto paintCells = [this, &button]() -> bool {
        if (!renderer_ || !pictureCacheable_ || !skinData_ || skinData_->NoSkinLoaded()) return false;
        if (SkinState != ssActive && SkinState != ssApplying) return false;
        if (BorderKind == TBorderKind::NoCaption || (MdiKind == mkChild && ShowState == TShowState::Maximised))
            return false;
        GetWindowRect(windowHandle_, &WindowRect);
        WindowSize = {WindowRect.right - WindowRect.left, WindowRect.bottom - WindowRect.top};
        TPictureSlot& slot = pictures_[IsActive ? 0 : 1];
        if (!slot.valid) return false;
        // The kept picture's caption: the text changes only through WM_SETTEXT, after
        // which the frame is drawn anew (asking the window costs a message).
        TFrameState state = StateWithCaption(*this, slot.state.caption);
        if (!SameFrame(state, slot.state)) return false;
        const TFrameLayout layout = LayoutFrame(skinData_->Skin(), state, *renderer_);
        const std::vector<TCaptionButtonPlace>& kept = slot.picture.layout.buttons;
        if (kept.size() != layout.buttons.size()) return false;
        std::vector<TRect> cells;
        for (size_t i = 0; i < kept.size(); ++i) {
            const TCaptionButtonPlace& now = layout.buttons[i];
            if ((now.frame != kept[i].frame || now.element == button.Element) && now.visible && !now.bounds.IsEmpty())
                cells.push_back(now.bounds);
        }
        for (const TRect& cell : cells)
            if (!RepaintButtonCell(slot.picture, layout, cell)) {
                slot.valid = false;
                return false;
            }
        slot.picture.layout = layout;
        slot.state.buttonStates = std::move(state.buttonStates);
        WindowDc target(windowHandle_, true);
        PictureDc source(slot.picture.pixels);
        if (!target.get() || !source.get()) return false;
        for (const TRect& c : cells)
            BitBlt(target.get(), c.left, c.top, c.Width(), c.Height(), source.get(), c.left, c.top, SRCCOPY);
        return true;
    };
    // A repaint drops the hot object, which a state change must keep.
    TNCObject* const hot = HotObject;
    bool drawn = false;
    try {
        drawn = paintCells();
    } catch (...) {
        ForgetPictures();
    }
    if (!drawn) PaintFrame(nullptr);
    HotObject = hot;
}

void TSkinForm::BuildRegion() {
    if (!FrameSkinned || SkinState == ssDestroyed || !skinData_ || skinData_->NoSkinLoaded()) return;
    if (MdiKind == mkChild && ShowState != TShowState::Normal) return;
    RECT r{};
    GetWindowRect(windowHandle_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    if (w == RegionSize.cx && h == RegionSize.cy && MdiKind != mkChild && SkinState != ssApplying) return;
    TFrameState state = FrameState();
    state.width = w;
    state.height = h;
    RegionHandle region = CreateFrameRegion(FrameRegion(skinData_->Skin(), state));
    ++regionBuilds_;
    RegionSize = {w, h};
    // The system owns the region once the window has it (and deletes the one it replaces).
    if (region && SetWindowRgn(windowHandle_, region.get(), TRUE)) region.release();
}

HICON TSkinForm::CaptionIcon() const {
    HICON icon = SmallIconOf(windowHandle_);
    if (!icon)
        if (HWND owner = GetWindow(windowHandle_, GW_OWNER)) icon = SmallIconOf(owner);
    return icon;
}

void TSkinForm::RebuildIconBitmap() {
    HICON icon = CaptionIcon();
    WindowIcon = icon;
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    IconSize = cx;
    PixelBuffer picture(cx, cy);
    if (!picture.Empty()) {
        picture.Fill(PixelFromColour(kMagenta));
        if (icon) {
            IconHandle copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
            BufferDc dc(picture);
            if (dc && copy) {
                DrawIconEx(dc.get(), 0, 0, copy.get(), cx, cy, 0, nullptr, DI_NORMAL);
                dc.Pixels();
            }
        }
    }
    IconBitmap = std::move(picture);
    // The renderer draws the window icon in the caption.
    if (titleFont_) renderer_ = std::make_unique<TGdiPaintRenderer>(titleFont_.get(), WindowIcon);
    ForgetPictures();
}
