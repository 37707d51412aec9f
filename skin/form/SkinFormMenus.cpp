// The form skinner's menus: the skinned menu bar made at attach and rebuilt when the
// menu changes, opening a bar button's popup, the menu keys, and the skinned system menu
// (a popup menu of our own in place of the window's system menu).
#include <windows.h>

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/form/SkinForm.h"

namespace {

constexpr int kMenuTextBytes = 80;
// Glyphs of the skin's menu glyph list.
constexpr int kGlyphRestore = 0;
constexpr int kGlyphMaximise = 1;
constexpr int kGlyphMinimise = 2;
constexpr int kGlyphClose = 3;

}  // namespace

// ---- the menu bar ----

void TSkinForm::CreateMenuBar() {
    FormMenu = GetMenu(windowHandle_);
    if (!FormMenu || MdiKind == mkChild || MenuBarSkinner) return;
    TCustomForm* form = FormControl();
    MenuBarSkinner = MakeComponent<TSkinMenuBar>(this, *this, skinData_, form ? form->Menu() : nullptr);
    MenuBarHeight = GetSystemMetrics(SM_CYMENU);
    MenuBarSkinner->Load();
}

void TSkinForm::FreeMenuBar(bool giveMenuBack) {
    if (!MenuBarSkinner) return;
    if (giveMenuBack) MenuBarSkinner->GiveMenuBack();
    TComponent::Free(MenuBarSkinner);
    MenuBarSkinner = nullptr;
}

void TSkinForm::MenuBarChanged() {
    if (!MenuBarSkinner) {
        TakeOverNewMenuBar();
        return;
    }
    if (!GetMenu(windowHandle_)) return;
    if (!skinData_ || skinData_->MenuUpdate) MenuBarSkinner->Refresh();
    // The system's own bar never shows under the skinned one.
    SetMenu(windowHandle_, nullptr);
    PaintFrame(nullptr);
}

void TSkinForm::TakeOverNewMenuBar() {
    // A menu given to the window after it was skinned becomes the skinned bar too; the
    // window grows by the bar's height so the client area keeps its size.
    if (!FrameSkinned || SkinState != ssActive || !GetMenu(windowHandle_)) return;
    CreateMenuBar();
    if (!MenuBarSkinner) return;
    RECT r{};
    GetWindowRect(windowHandle_, &r);
    SetWindowPos(windowHandle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + MenuBarHeight,
                 SWP_NOMOVE | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    TCustomForm* form = FormControl();
    if (form && form->Menu() && skinData_ && SkinHas(skinData_->SkinControls, xcMainMenu))
        InstallMenuItemHandlers(*form->Menu(), skinData_);
    PaintFrame(nullptr);
}

void TSkinForm::OpenMenuBarButton(TMenuBtn* button) {
    if (!button || !MenuBarSkinner || MenuTracking) return;
    const HWND wnd = windowHandle_;
    const TComponentRef<TSkinMenuBar> bar(MenuBarSkinner);
    int index = button->Index;
    while (index >= 0 && bar) {
        TMenuBtn* b = bar.Get()->Button(index);
        if (!b) break;
        // The framework menu hears of the opening (its item's click); a command item is chosen.
        if (b->Item || !b->SubMenu) PostMessageA(wnd, WM_COMMAND, b->Command, 0);
        if (!b->SubMenu) break;
        if (HotObject != b) b->MouseDown(HotObject);
        MenuTracking = true;
        TrackedMenu = b->SubMenu;
        if (TSkinManager* manager = TSkinManager::Instance()) manager->PopupKind = pkMainMenuDropDown;
        RECT window{};
        GetWindowRect(wnd, &window);
        const POINT at{(RightToLeft ? b->Bounds.right : b->Bounds.left) + window.left, b->Bounds.bottom + window.top};
        const UINT flags = TPM_NONOTIFY | TPM_RIGHTBUTTON | (RightToLeft ? TPM_RIGHTALIGN : 0);
        UINT chosen = 0;
        index = bar.Get()->TrackButton(index, flags, at, &chosen);
        MenuTracking = false;
        TrackedMenu = nullptr;
        if (!bar) break;
        if (HotObject == b) b->MouseLeave(HotObject);
        if (chosen) PostMessageA(wnd, WM_COMMAND, chosen, 0);
    }
}

void TSkinForm::MenuKey(TMessage& m) {
    const POINT s{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (MenuBarSkinner)
        if (TMenuBtn* hit = MenuBarSkinner->HitTest(ToWindowPoint(s.x, s.y))) OpenMenuBarButton(hit);
    m.Result = 0;
}

bool TSkinForm::KeyMenu(TMessage& m) {
    const auto key = static_cast<char>(m.LParam & 0xFF);
    if (key == ' ' || key == '-' || !MenuBarSkinner || GetCapture()) return false;
    TMenuBtn* button = key ? MenuBarSkinner->FindAccelerator(key) : MenuBarSkinner->Button(MenuBarSkinner->NeighbourIndex(-1, true));
    if (!button) return false;
    OpenMenuBarButton(button);
    m.Result = 1;
    return true;
}

void TSkinForm::DialogChar(TMessage& m, const TWndMethod& next) {
    next(m);
    if (m.Result || !MenuBarSkinner) return;
    const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    TMenuBtn* button = MenuBarSkinner->FindAccelerator(static_cast<char>(m.WParam & 0xFF));
    if (!button || button->Caption.empty() || !altOnly) return;
    RECT window{};
    GetWindowRect(windowHandle_, &window);
    const int x = button->Bounds.left + window.left + 1, y = button->Bounds.top + window.top + 1;
    PostMessageA(windowHandle_, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
    m.Result = 1;
}

// ---- the skinned system menu ----

void TSkinForm::BuildSkinnedSystemMenu() {
    if (SkinnedSystemMenu) TComponent::Free(SkinnedSystemMenu);
    SkinnedSystemMenu = MakeComponent<TPopupMenu>(this);
    TPopupMenu& menu = *SkinnedSystemMenu;
    menu.SetTag(kSystemMenuTag);
    if (skinData_) menu.SetImages(skinData_->MenuGlyphs());
    const HMENU system = WindowSystemMenu();
    if (!system) return;
    const HWND wnd = windowHandle_;
    const bool normal = ShowState == TShowState::Normal;
    const bool maximised = ShowState == TShowState::Maximised;
    const bool minimised = ShowState == TShowState::Minimised;
    const int count = GetMenuItemCount(system);
    for (int i = 0; i < count; ++i) {
        char text[kMenuTextBytes + 1] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
        info.dwTypeData = text;
        info.cch = kMenuTextBytes;
        if (!GetMenuItemInfoA(system, static_cast<UINT>(i), TRUE, &info)) continue;
        TMenuItem* item = MakeComponent<TMenuItem>(&menu);
        const bool separator = (info.fType & MFT_SEPARATOR) || !text[0];
        item->SetCaption(separator ? "-" : text);
        item->SetTag(static_cast<int>(info.wID));
        // The commands whose use depends on the window's state decide by it (the system
        // menu's own states are only brought up to date when the system shows it); the
        // others keep the state the menu gives them.
        bool enabled = (info.fState & MFS_GRAYED) == 0;
        switch (info.wID) {
            case SC_SIZE: enabled = !maximised && Sizeable; break;
            case SC_MOVE: enabled = !maximised; break;
            case SC_MINIMIZE:
                item->SetImageIndex(kGlyphMinimise);
                enabled = !minimised && (CaptionIcons & ciMinimiseBox);
                break;
            case SC_MAXIMIZE:
                item->SetImageIndex(kGlyphMaximise);
                enabled = !maximised && (CaptionIcons & ciMaximiseBox);
                break;
            case SC_CLOSE: item->SetImageIndex(kGlyphClose); break;
            case SC_RESTORE:
                item->SetImageIndex(kGlyphRestore);
                enabled = !normal;
                break;
            default: break;
        }
        item->SetEnabled(enabled);
        item->SetChecked((info.fState & MFS_CHECKED) != 0);
        if (!separator)
            item->OnClick = [wnd](TObject* sender) {
                PostMessageA(wnd, WM_SYSCOMMAND, static_cast<WPARAM>(static_cast<TComponent*>(sender)->Tag()), 0);
            };
        menu.Items()->Add(item);
    }
    InstallMenuItemHandlers(menu, skinData_);
}

void TSkinForm::TrackSystemMenu(POINT at) {
    BuildSkinnedSystemMenu();
    if (SkinnedSystemMenu->Items()->Count() == 0) return;
    SkinnedSystemMenu->Popup(at.x, at.y);
}
