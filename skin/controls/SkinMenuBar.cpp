// The skinned menu bar: buttons from the window's menu, their layout and painting, and
// the message-filter hook that follows the arrows and the mouse from one bar popup to
// the next while a popup is open.
#include "skin/controls/SkinMenuBar.h"

#include <algorithm>

#include "framework/Graphics.h"
#include "framework/Menus.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/SkinData.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainterGdi.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr int kMenuTextBytes = 80;
constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU
constexpr UINT kStateUnusable = MFS_GRAYED | MFS_DISABLED;

FontHandle MakeMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTA font{};
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font = metrics.lfMenuFont;
    } else {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    }
    // On a double-byte code page an ANSI_CHARSET font draws the captions as boxes.
    CPINFO codePage{};
    if (font.lfCharSet == ANSI_CHARSET && GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize > 1)
        font.lfCharSet = DEFAULT_CHARSET;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = FALSE;
    return FontHandle(CreateFontIndirectA(&font));
}

int CaptionWidth(HDC dc, const std::string& caption) {
    if (caption.empty()) return 0;
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    return r.right - r.left;
}

// ---- the menu loop ----

// What the filter hook needs while one bar popup is open (only one at a time: menus are
// modal on the GUI thread).
struct TMenuLoop {
    TSkinMenuBar* bar = nullptr;
    int current = -1;
    int next = -1;         // the button to open once this popup has closed
    HMENU popup = nullptr;  // the popup opened from the bar
    bool firstMessage = true;
    POINT lastCursor{};
    bool rightToLeft = false;
    WindowsHookHandle hook;
};
TMenuLoop* activeLoop = nullptr;

// The popup menus open now, each with its window.
std::vector<HMENU> OpenPopups() {
    std::vector<HMENU> menus;
    const DWORD thread = GetCurrentThreadId();
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
        if (!IsWindowVisible(w) || GetWindowThreadProcessId(w, nullptr) != thread) continue;
        if (auto menu = reinterpret_cast<HMENU>(SendMessageA(w, kMenuGetHandle, 0, 0))) menus.push_back(menu);
    }
    return menus;
}

// The selected item of the innermost open popup: its menu and position; {null, -1} when
// nothing is selected.
struct TSelection {
    HMENU menu = nullptr;
    int position = -1;
    HMENU subMenu = nullptr;
};
TSelection InnermostSelection(const std::vector<HMENU>& open) {
    TSelection found;
    for (HMENU menu : open) {
        const int n = GetMenuItemCount(menu);
        for (int i = 0; i < n; ++i) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STATE | MIIM_SUBMENU;
            if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) || !(info.fState & MFS_HILITE)) continue;
            // An item whose submenu is open is not the innermost selection.
            if (info.hSubMenu && std::find(open.begin(), open.end(), info.hSubMenu) != open.end()) continue;
            found = {menu, i, info.hSubMenu};
        }
    }
    return found;
}

void SwitchTo(TMenuLoop& loop, int index) {
    if (index < 0 || index == loop.current) return;
    loop.next = index;
    EndMenu();
}

LRESULT CALLBACK MenuLoopFilter(int code, WPARAM wParam, LPARAM lParam) {
    TMenuLoop* loop = activeLoop;
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (loop && msg && code == MSGF_MENU && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
        msg->wParam = ExchangeArrowKey(static_cast<unsigned>(msg->wParam), loop->rightToLeft);
    const LRESULT chained = CallNextHookEx(nullptr, code, wParam, lParam);
    if (chained || code != MSGF_MENU || !loop || !msg) return chained;
    if (loop->firstMessage) {
        // The popup then selects its first item, as a menu opened from the keyboard does.
        loop->firstMessage = false;
        PostMessageA(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    switch (msg->message) {
        case WM_KEYDOWN:
            if (msg->wParam == VK_LEFT) {
                const std::vector<HMENU> open = OpenPopups();
                // Only from the bar's own popup; in a nested one Left closes that one.
                const bool nested = std::any_of(open.begin(), open.end(), [&](HMENU m) { return m != loop->popup; });
                if (!nested) SwitchTo(*loop, loop->bar->NeighbourIndex(loop->current, false));
            } else if (msg->wParam == VK_RIGHT) {
                const TSelection selection = InnermostSelection(OpenPopups());
                // Right on an item with a submenu opens that submenu.
                if (!selection.subMenu) SwitchTo(*loop, loop->bar->NeighbourIndex(loop->current, true));
            }
            break;
        case WM_SYSKEYDOWN:
            if (msg->wParam == VK_MENU) loop->bar->CloseMenuMode();
            break;
        case WM_MOUSEMOVE: {
            const POINT pt = msg->pt;
            if (pt.x == loop->lastCursor.x && pt.y == loop->lastCursor.y) break;
            loop->lastCursor = pt;
            const POINT p = loop->bar->Form().ToWindowPoint(pt.x, pt.y);
            if (TMenuBtn* hit = loop->bar->HitTest(p)) SwitchTo(*loop, hit->Index);
            break;
        }
        default: break;
    }
    return 0;
}

}  // namespace

bool MenuItemAt(HMENU menu, UINT position, UINT mask, MENUITEMINFOA& info, std::string& text) {
    char buffer[kMenuTextBytes + 1] = {};
    info = MENUITEMINFOA{};
    info.cbSize = sizeof info;
    info.fMask = mask | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = kMenuTextBytes;
    if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return false;
    text = buffer;
    return true;
}

// ---- TMenuBtn ----

void TMenuBtn::Paint() { Bar.PaintButton(*this); }

void TMenuBtn::Left() {
    if (TSkinData* data = Bar.SkinData()) data->HideHint();
}

// ---- TSkinMenuBar ----

const TClassInfo& TSkinMenuBar::StaticClass() {
    static const TClassInfo info("TSkinMenuBar", &TComponent::StaticClass());
    return info;
}

TSkinMenuBar::TSkinMenuBar(TComponent* owner, TSkinForm& form, TSkinData* skinData, TMainMenu* menu)
    : TComponent(owner), form_(form), skinData_(skinData), frameworkMenu_(menu) {}

TSkinMenuBar::~TSkinMenuBar() {
    if (activeLoop && activeLoop->bar == this) CloseMenuMode();
    if (form_.HotObject && std::any_of(buttons_.begin(), buttons_.end(),
                                       [&](const auto& b) { return b.get() == form_.HotObject; }))
        form_.HotObject = nullptr;
}

TMainMenu* TSkinMenuBar::FrameworkMenu() const { return frameworkMenu_.Get(); }

void TSkinMenuBar::EnsureFont() {
    if (!font_) font_ = MakeMenuFont();
}

bool TSkinMenuBar::Load() {
    const HWND window = form_.WindowHandle();
    const HMENU menu = GetMenu(window);
    if (!menu) return false;
    if (form_.HotObject && std::any_of(buttons_.begin(), buttons_.end(),
                                       [&](const auto& b) { return b.get() == form_.HotObject; }))
        form_.HotObject = nullptr;
    buttons_.clear();
    menu_ = menu;
    // The framework's visible top-level items stand in the menu's positions in order, when
    // the window shows the framework's menu (an MDI frame may be given another one).
    TMainMenu* framework = FrameworkMenu();
    if (framework && framework->Handle() != menu) framework = nullptr;
    std::vector<TMenuItem*> visibleItems;
    if (framework)
        for (int i = 0; i < framework->Items()->Count(); ++i)
            if (framework->Items()->Items(i)->Visible()) visibleItems.push_back(framework->Items()->Items(i));
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<TMenuBtn>(*this, i);
        MENUITEMINFOA info{};
        std::string text;
        if (MenuItemAt(menu, static_cast<UINT>(i), MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE, info, text)) {
            button->Enabled = (info.fState & kStateUnusable) == 0;
            button->Command = info.wID;
            button->SubMenu = info.hSubMenu;
            if (!(info.fType & (MFT_OWNERDRAW | MFT_BITMAP | MFT_SEPARATOR))) button->Caption = text;
        }
        button->Visible = true;
        TMenuItem* item = static_cast<size_t>(i) < visibleItems.size() ? visibleItems[static_cast<size_t>(i)] : nullptr;
        if (!item && framework) item = framework->FindItem(button->Command);
        if (item) {
            button->Item = item;
            button->Caption = item->Caption();
            button->Enabled = item->Enabled();
            button->Command = item->Command();
        }
        buttons_.push_back(std::move(button));
    }
    SetMenu(window, nullptr);
    return true;
}

void TSkinMenuBar::Refresh() {
    if (!Load()) return;
    Layout();
}

void TSkinMenuBar::GiveMenuBack() {
    if (menu_ && IsWindow(form_.WindowHandle())) SetMenu(form_.WindowHandle(), menu_);
}

TMenuBtn* TSkinMenuBar::Button(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= buttons_.size()) return nullptr;
    return buttons_[static_cast<size_t>(index)].get();
}

bool TSkinMenuBar::RightToLeftBar() const { return form_.RightToLeft; }

TRect TSkinMenuBar::CurrentBarRect() const {
    RECT w{};
    GetWindowRect(form_.WindowHandle(), &w);
    return {form_.FrameLeft, form_.FrameTop, (w.right - w.left) - form_.FrameRight,
            form_.FrameTop + form_.MenuBarHeight};
}

std::vector<TMenuBarItem> TSkinMenuBar::LayoutItems() {
    EnsureFont();
    std::vector<TMenuBarItem> items;
    WindowDc screen(nullptr);
    SelectScope font(screen.get(), font_.get());
    for (const auto& b : buttons_) items.push_back({b->Caption, CaptionWidth(screen.get(), b->Caption), b->Visible});
    return items;
}

void TSkinMenuBar::ApplyRects(const std::vector<TRect>& rects) {
    for (size_t i = 0; i < buttons_.size() && i < rects.size(); ++i) buttons_[i]->Bounds = rects[i];
}

void TSkinMenuBar::Layout() {
    BarRect = CurrentBarRect();
    const TDataSkinObject* element = skinData_ ? skinData_->Skin().MenuBar.get() : nullptr;
    const bool hasElement = element && !element->Image.Empty();
    const int start = MenuBarStartOffset(hasElement, hasElement ? element->LeftWidth : 0,
                                         hasElement ? element->RightWidth : 0, RightToLeftBar(), BarRect.Width());
    // Right to left the captions start left of the MDI child's buttons in the row.
    int reserve = 0;
    if (RightToLeftBar())
        for (const TCaptionButton* b : ChildButtons()) reserve = std::max(reserve, BarRect.right - b->Bounds.left);
    ApplyRects(LayoutMenuBar(LayoutItems(), BarRect, start, RightToLeftBar(), reserve));
}

std::vector<const TCaptionButton*> TSkinMenuBar::ChildButtons() const {
    std::vector<const TCaptionButton*> shown;
    for (const auto& b : form_.CaptionButtons)
        if (b->Visible && b->Element->Visibility == kMdiChildButton && !b->Element->Image.Empty() &&
            !b->Bounds.IsEmpty())
            shown.push_back(b.get());
    return shown;
}

void TSkinMenuBar::DrawChildButtons(PixelBuffer& picture, const TRect& bar) const {
    for (const TCaptionButton* b : ChildButtons()) {
        const TDataSkinSysButton& e = *b->Element;
        const int frames = e.SafeFrameCount();
        const int state = b == form_.HotObject ? b->State : static_cast<int>(TButtonState::Normal);
        // Frame 1 at rest (4, the greyed look, when disabled or the window is inactive),
        // 2 pressed; a hot child button shows frame 4 too.
        int f;
        if (state == static_cast<int>(TButtonState::Normal)) {
            f = frames < 4 || (form_.IsActive && b->Enabled) ? 1 : 4;
        } else {
            f = b->Enabled ? state : (frames > 3 ? 4 : 1);
            if (f == static_cast<int>(TButtonState::Hot)) f = 4;
        }
        if (f > frames) f = 1;
        DrawFrameStretched(picture, b->Bounds.Offset(-bar.left, -bar.top), e.Image, true, frames, f);
    }
}

TMenuBtn* TSkinMenuBar::HitTest(POINT p) const {
    for (const auto& b : buttons_)
        if (b->Visible && !b->Caption.empty() && b->Contains(p.x, p.y)) return b.get();
    return nullptr;
}

int TSkinMenuBar::NeighbourIndex(int current, bool forward) const {
    std::vector<TMenuBarItem> items;
    for (const auto& b : buttons_) items.push_back({b->Caption, 0, b->Visible});
    return NextMenuButton(items, current, forward);
}

TMenuBtn* TSkinMenuBar::FindAccelerator(char key) const {
    for (const auto& b : buttons_)
        if (b->Visible && HasAccelerator(b->Caption, key)) return b.get();
    return nullptr;
}

void TSkinMenuBar::DrawCaption(HDC dc, const TMenuBtn& button, const TRect& r) {
    if (button.Caption.empty()) return;
    const TSkinDefinition& skin = skinData_->Skin();
    TColour colour = button.Enabled ? skin.Colours[scMenuBarText] : skin.Colours[scButtonShadow];
    if (!button.Enabled && !skin.ColourGiven[scButtonShadow]) colour = static_cast<TColour>(GetSysColor(COLOR_BTNSHADOW));
    SetTextColor(dc, ColourToRGB(colour));
    RECT rect{r.left, r.top, r.right, r.bottom};
    DrawTextA(dc, button.Caption.c_str(), static_cast<int>(button.Caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TSkinMenuBar::Paint(HDC windowDc) {
    if (!skinData_ || skinData_->NoSkinLoaded() || form_.MenuBarHeight <= 0) return;
    Layout();
    const TRect bar = BarRect;
    if (bar.IsEmpty()) return;
    const TSkinDefinition& skin = skinData_->Skin();
    PixelBuffer picture(bar.Width(), bar.Height());
    if (picture.Empty()) return;
    const TDataSkinObject* element = skin.MenuBar.get();
    if (element && !element->Image.Empty()) {
        const TMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight};
        DrawFrameNineSlice(picture, {0, 0, bar.Width(), bar.Height()}, element->Image, true, element->Tile == 1,
                           false, 2, form_.IsActive ? 1 : 2, margins);
    } else {
        picture.Fill(PixelFromColour(ColourToRGB(skin.Colours[scMenubar])));
    }
    barPicture_ = picture.Clone();
    painting_ = true;
    {
        BufferDc dc(picture);
        if (!dc) {
            painting_ = false;
            return;
        }
        EnsureFont();
        SelectScope font(dc.get(), font_.get());
        SetBkMode(dc.get(), TRANSPARENT);
        for (const auto& b : buttons_) {
            if (!b->Visible || b->Bounds.IsEmpty()) continue;
            const TRect r = b->Bounds.Offset(-bar.left, -bar.top);
            DrawCaption(dc.get(), *b, r);
            if (b.get() == form_.HotObject && b->State != static_cast<int>(TButtonState::Normal)) {
                RECT frame{r.left, r.top, r.right, r.bottom};
                BrushHandle brush(CreateSolidBrush(ColourToRGB(skin.Colours[scButtonHilight])));
                FrameRect(dc.get(), &frame, brush.get());
            }
        }
        dc.Pixels();
    }
    painting_ = false;
    DrawChildButtons(picture, bar);
    PictureDc source(picture);
    if (source.get()) BitBlt(windowDc, bar.left, bar.top, bar.Width(), bar.Height(), source.get(), 0, 0, SRCCOPY);
}

void TSkinMenuBar::PaintButton(TMenuBtn& button) {
    if (!skinData_ || barPicture_.Empty() || button.Bounds.IsEmpty()) return;
    const TRect r = button.Bounds.Offset(-BarRect.left, -BarRect.top).Intersect(
        {0, 0, barPicture_.Width(), barPicture_.Height()});
    if (r.IsEmpty()) return;
    PixelBuffer picture(r.Width(), r.Height());
    if (picture.Empty()) return;
    StretchCopy(picture, {0, 0, r.Width(), r.Height()}, barPicture_, r);
    {
        BufferDc dc(picture);
        if (!dc) return;
        EnsureFont();
        SelectScope font(dc.get(), font_.get());
        SetBkMode(dc.get(), TRANSPARENT);
        const TRect local{0, 0, r.Width(), r.Height()};
        DrawCaption(dc.get(), button, local);
        if (button.State != static_cast<int>(TButtonState::Normal)) {
            RECT frame{0, 0, r.Width(), r.Height()};
            BrushHandle brush(CreateSolidBrush(ColourToRGB(skinData_->Skin().Colours[scButtonHilight])));
            FrameRect(dc.get(), &frame, brush.get());
        }
        dc.Pixels();
    }
    WindowDc window(form_.WindowHandle(), true);
    PictureDc source(picture);
    if (window.get() && source.get())
        BitBlt(window.get(), BarRect.left + r.left, BarRect.top + r.top, r.Width(), r.Height(), source.get(), 0, 0,
               SRCCOPY);
}

int TSkinMenuBar::TrackButton(int index, UINT flags, POINT at, UINT* chosenCommand) {
    TMenuBtn* button = Button(index);
    if (!button || !button->SubMenu) return -1;
    TMenuLoop loop;
    loop.bar = this;
    loop.current = index;
    loop.popup = button->SubMenu;
    loop.rightToLeft = RightToLeftBar();
    GetCursorPos(&loop.lastCursor);
    TMenuLoop* const outer = activeLoop;
    activeLoop = &loop;
    loop.hook = WindowsHookHandle(SetWindowsHookExA(WH_MSGFILTER, MenuLoopFilter, nullptr, GetCurrentThreadId()));
    const auto command = static_cast<UINT>(
        TrackPopupMenu(button->SubMenu, flags | TPM_RETURNCMD, at.x, at.y, 0, form_.WindowHandle(), nullptr));
    loop.hook.reset();
    activeLoop = outer;
    if (chosenCommand) *chosenCommand = command;
    return command ? -1 : loop.next;
}

void TSkinMenuBar::CloseMenuMode() {
    if (!activeLoop) return;
    activeLoop->next = -1;
    EndMenu();
}
