#include "skin/form/FrameLayout.h"

#include <algorithm>

#include "skin/data/Colour.h"

namespace {

// Caption text is padded so it never touches its background's rounded ends.
constexpr char kTitlePrefix[] = "  ";
constexpr char kTitleSuffix[] = " ";
// A dialog shows no icon, so its left-aligned caption text moves into the icon's place.
constexpr int kDialogTextShift = 16;
// Right-to-left captions keep this gap from the edge they start at.
constexpr int kRightToLeftGap = 10;
// Gap between the caption text of a popup window and its caption buttons.
constexpr int kPopupButtonGap = 5;
// Left edge of the window icon in the caption.
constexpr int kIconLeft = 8;

bool IsIconAction(int action) { return action == caIcon || action == caIconAlt; }

// One visibility value of a caption button record. The first value (Visibility) and the
// second (Visibility1) share most meanings; `second` picks the second column.
bool VisibilityValue(int value, bool second, const TDataSkinSysButton& button, const TFrameState& s) {
    const bool maxBox = (s.captionIcons & ciMaximiseBox) != 0;
    const bool minBox = (s.captionIcons & ciMinimiseBox) != 0;
    const bool help = (s.captionIcons & ciHelpBox) != 0;
    const bool sysMenu = (s.captionIcons & ciSystemMenu) != 0;
    const bool maximised = s.show == TShowState::Maximised;
    switch (value) {
        case -1: return !second;
        case 0: return true;
        case 1: return maximised;
        case 2: return !maximised;
        case 3: return s.active;
        case 4: return !s.active;
        case 6: return second ? (minBox || maxBox) : ((minBox || maxBox) && sysMenu);
        case 7: return !maxBox;
        case 8: return second ? (minBox || maxBox) : ((minBox || maxBox) && sysMenu);
        case 9: return !minBox;
        case 10: return second ? help : (help && !minBox && !maxBox);
        case 100: return s.mdiChildButtons;
        case 200: return !second && s.borderKind == TBorderKind::Dialog && !s.dialogClass;
        default: break;
    }
    if (value >= 201 && value <= 999) return !second;
    if (value >= 1000 && value <= 2000)
        return !second && s.askVisible && s.askVisible(button.Visibility, button.Action);
    return false;
}

// Moves r by (dx, dy) in place.
void Move(TRect& r, int dx, int dy) { r = r.Offset(dx, dy); }

// The caption text and its background box inside the caption bar R (window coordinates).
void LayoutCaptionText(const TSkinDefinition& skin, const TFrameState& s, const TPaintRenderer& metrics,
                       const TRect& R, TFrameLayout& out) {
    const TDataSkinTitle& t = skin.Title;
    TTextRun run;
    run.text = kTitlePrefix + s.caption + kTitleSuffix;
    run.font = TFontRole::Caption;
    run.colour = ColourToRGB(skin.Colours[s.active ? scTitleTextActive : scTitleTextNoActive]);
    run.format = tfSingleLine | tfNoPrefix | tfEndEllipsis;
    if (s.rightToLeft) run.format |= tfRight | tfRtlReading;

    const TExtent size = metrics.Measure(TFontRole::Caption, run.text);
    TRect r{R.left, R.top, R.left + size.width, R.top + size.height};
    const int a = r.right + t.TXTBackleft + t.TXTBackRight;
    r.right = a;

    const int buttons = out.rightButtonsWidth;
    int c = 0;
    if (!s.rightToLeft) {
        switch (t.TextAlignment) {
            case 0: c = t.LeftWidth; break;
            case 1: c = (R.right - a) / 2; break;
            case 2: c = R.right - t.RightWidth - a; break;
            default: break;
        }
    } else {
        switch (t.TextAlignment) {
            case 0: c = R.right - buttons - a; break;
            case 1: c = (R.right - buttons - a) / 2; break;
            case 2: c = t.LeftWidth; break;
            default: break;
        }
    }
    Move(r, c, (R.Height() - size.height) / 2 + t.TopHeight / 2);
    if (s.rightToLeft && c < 1) r.left = t.LeftWidth;

    if (s.rightToLeft) {
        Move(r, kRightToLeftGap, 0);
    } else if (s.popup) {
        if (R.right - buttons - kPopupButtonGap < r.right && buttons > kPopupButtonGap)
            r.right = R.right - buttons - kPopupButtonGap;
    } else {
        r.right = std::min(r.right, R.right - t.RightWidth);
    }
    if (s.borderKind == TBorderKind::Dialog && t.TextAlignment == 0) r.left -= kDialogTextShift;

    out.textBox = r;
    r.left += t.TXTBackleft;
    r.right -= t.TXTBackRight;
    run.rect = r;
    out.text = std::move(run);
}

TRect ButtonBounds(const TCaptionButtonPlace& p, int width, int height, const TSkinDefinition& skin,
                   const TFrameState& s, const TFrameLayout& layout) {
    const TDataSkinSysButton& e = *p.element;
    const TRect box{0, 0, width, height};
    switch (e.Align) {
        case 0: return box.Offset(e.Xcoord, e.Ycoord);
        case 1: return box.Offset(s.width - e.Xcoord, e.Ycoord);
        case 2:
        case 8: return box.Offset(layout.textBox.left - width - e.Xcoord, e.Ycoord);
        case 3:
        case 9: return box.Offset(layout.textBox.right + e.Xcoord, e.Ycoord);
        case 100: {
            const int menuLeft = skin.MenuBar ? skin.MenuBar->LeftWidth : 0;
            return box.Offset(s.width - e.Xcoord - layout.sizes.right - menuLeft,
                              layout.sizes.top + (layout.menuBarHeight - height) / 2);
        }
        default: return box;
    }
}

// The state frame a button is drawn with. A button in its resting state shows frame 1,
// or frame 4 (the greyed look) when it is disabled or the window is inactive; hot and
// pressed buttons show frames 3 and 2, a disabled one frame 4. A frame the image does
// not have falls back to frame 1.
int ButtonFrame(const TCaptionButtonPlace& p, TButtonState state, bool active) {
    int f;
    if (state == TButtonState::Normal) {
        f = p.frameCount < 4 || (active && p.enabled) ? 1 : 4;
    } else {
        f = static_cast<int>(state);
        if (!p.enabled) f = p.frameCount > 3 ? 4 : 1;
        if (p.element->Visibility == 100 && f == 3) f = 4;
    }
    return f <= p.frameCount ? f : 1;
}

}  // namespace

TFrameSizes FrameSizes(const TSkinDefinition& skin, TBorderKind kind) {
    if (kind == TBorderKind::NoCaption || skin.NoSkinLoaded) return {};
    TFrameSizes f;
    f.left = skin.BorderLeft.Image.Width() / skin.BorderLeft.SafeFrameCount();
    f.right = skin.BorderRight.Image.Width() / skin.BorderRight.SafeFrameCount();
    f.top = skin.BorderTop.Image.Height() / skin.BorderTop.SafeFrameCount();
    f.bottom = skin.BorderBottom.Image.Height() / skin.BorderBottom.SafeFrameCount();
    return f;
}

TExtent WindowSizeForClient(const TFrameSizes& sizes, int menuBarHeight, int clientWidth, int clientHeight) {
    return {clientWidth + sizes.left + sizes.right, clientHeight + sizes.top + sizes.bottom + menuBarHeight};
}

bool CaptionButtonVisible(const TDataSkinSysButton& button, const TFrameState& s, bool& enabled) {
    const bool sysMenu = (s.captionIcons & ciSystemMenu) != 0;
    enabled = true;
    if (button.Action == caMaximise) enabled = (s.captionIcons & ciMaximiseBox) && sysMenu;
    if (button.Action == caMinimise) enabled = (s.captionIcons & ciMinimiseBox) && sysMenu;
    if (!VisibilityValue(button.Visibility, false, button, s) || !VisibilityValue(button.Visibility1, true, button, s))
        return false;
    if (button.Action == caClose && !sysMenu) return false;
    if ((IsIconAction(button.Action) || button.Action == caSystemMenu) && s.borderKind == TBorderKind::Dialog)
        return false;
    return true;
}

TFrameLayout LayoutFrame(const TSkinDefinition& skin, const TFrameState& s, const TPaintRenderer& metrics) {
    TFrameLayout out;
    out.sizes = FrameSizes(skin, s.borderKind);
    out.menuBarHeight = s.borderKind == TBorderKind::NoCaption ? 0 : s.menuBarHeight;
    const TFrameSizes& f = out.sizes;
    const int w = s.width, h = s.height;
    if (s.show == TShowState::Minimised) {
        out.caption = {0, 0, w, f.top};
    } else {
        out.caption = {f.left, 0, w - f.right, f.top};
        out.client = {f.left, f.top + out.menuBarHeight, w - f.right, h - f.bottom};
        if (out.menuBarHeight > 0) out.menuBar = {f.left, f.top, w - f.right, f.top + out.menuBarHeight};
    }

    // Which buttons show, and how wide the right-aligned group is (the caption text keeps
    // clear of it).
    out.buttons.reserve(skin.SysButtons.size());
    for (const auto& record : skin.SysButtons) {
        TCaptionButtonPlace p;
        p.element = record.get();
        p.icon = IsIconAction(record->Action);
        p.frameCount = p.icon ? 1 : record->SafeFrameCount();
        p.visible = CaptionButtonVisible(*record, s, p.enabled);
        const bool hasImage = !record->Image.Empty() || p.icon;
        if (p.visible && hasImage && record->Align == 1)
            out.rightButtonsWidth = std::max(out.rightButtonsWidth, record->Xcoord);
        out.buttons.push_back(p);
    }

    LayoutCaptionText(skin, s, metrics, out.caption, out);

    for (size_t i = 0; i < out.buttons.size(); ++i) {
        TCaptionButtonPlace& p = out.buttons[i];
        const TDataSkinSysButton& e = *p.element;
        if (!p.visible) continue;
        int width = 0, height = 0;
        if (!e.Image.Empty()) {
            width = e.Image.Width() / p.frameCount;
            height = e.Image.Height();
        } else if (p.icon) {
            // Without a picture of its own the icon button is the size of the small icon.
            width = height = s.iconSize;
        } else {
            continue;
        }
        p.bounds = ButtonBounds(p, width, height, skin, s, out);
        const TButtonState state = i < s.buttonStates.size() ? s.buttonStates[i] : TButtonState::Normal;
        p.frame = ButtonFrame(p, state, s.active);
        if (p.icon && s.hasIcon && e.Visibility != 100) {
            const int y = (out.text.rect.top + out.text.rect.bottom) / 2 - s.iconSize / 2;
            out.icon = {kIconLeft, y, kIconLeft + s.iconSize, y + s.iconSize};
        }
    }
    return out;
}
