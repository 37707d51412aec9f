// The form skinner's menus: the skinned menu bar made at attach and rebuilt when the
// menu changes, opening a bar button's popup, the menu keys, and the skinned system menu
// (a popup menu of our own in place of the window's system menu).
#include <windows.h>

#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/form/SkinForm.h"

namespace {

// Glyphs of the skin's menu glyph list.
constexpr int kGlyphRestore = 0;
constexpr int kGlyphMaximise = 1;
constexpr int kGlyphMinimise = 2;
constexpr int kGlyphClose = 3;
// A frame menu item is its text with room for the glyph box and margins around it; an
// item without text (a separator) is a thin line.
constexpr int kItemTextRoom = 26;
constexpr int kItemTextLeading = 4;
constexpr int kItemLineHeight = 8;

// Width and height of one line of menu text in the screen's menu font.
SIZE MenuTextExtent(const std::string& text) {
    LOGFONTA log{};
    if (!SystemLogFont(TSystemFont::Menu, log)) GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof log, &log);
    // On a double-byte code page an ANSI_CHARSET font measures the text as boxes.
    CPINFO codePage{};
    if (log.lfCharSet == ANSI_CHARSET && GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize > 1)
        log.lfCharSet = DEFAULT_CHARSET;
    FontHandle font(CreateFontIndirectA(&log));
    WindowDc screen(nullptr);
    SelectScope selected(screen.get(), font.get());
    RECT r{0, 0, 0, 0};
    DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    return {r.right - r.left, r.bottom - r.top};
}

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
        MarkOwnerDrawn(b->SubMenu);
        if (TSkinManager* manager = TSkinManager::Instance()) manager->PopupKind = pkMainMenuDropDown;
        RECT window{};
        GetWindowRect(wnd, &window);
        const POINT at{(RightToLeft ? b->Bounds.right : b->Bounds.left) + window.left, b->Bounds.bottom + window.top};
        const UINT flags = TPM_NONOTIFY | TPM_RIGHTBUTTON | (RightToLeft ? TPM_RIGHTALIGN : 0);
        UINT chosen = 0;
        index = bar.Get()->TrackButton(index, flags, at, &chosen);
        UnmarkOwnerDrawn();
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
    if (m.Result) return;
    const bool altOnly = GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    TMenuBtn* button = MenuBarSkinner ? MenuBarSkinner->FindAccelerator(static_cast<char>(m.WParam & 0xFF)) : nullptr;
    if (button && !button->Caption.empty() && altOnly) {
        RECT window{};
        GetWindowRect(windowHandle_, &window);
        const int x = button->Bounds.left + window.left + 1, y = button->Bounds.top + window.top + 1;
        PostMessageA(windowHandle_, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(x, y));
        m.Result = 1;
        return;
    }
    // Not a key of this window's bar: an MDI child's keys reach its frame's bar, and those
    // of another form the main form's (unless this form is modal: the main form is
    // disabled then).
    if (MdiKind == mkChild) {
        const HWND client = GetParent(windowHandle_);
        if (auto* frame = dynamic_cast<TCustomForm*>(FindControl(client ? GetParent(client) : nullptr)))
            m.Result = frame->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
        return;
    }
    TCustomForm* main = Application->MainForm();
    if (main && main != FormControl() && main->HandleAllocated() && IsWindowEnabled(main->Handle()))
        main->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
}

// ---- frame menu items ----

void TSkinForm::MarkOwnerDrawn(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        std::string text;
        if (!MenuItemAt(menu, static_cast<UINT>(i), MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU, info, text)) continue;
        if (info.hSubMenu) MarkOwnerDrawn(info.hSubMenu);
        // Items the window draws itself, and pictures, stay as they are.
        if (info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) continue;
        TOwnerDrawnItem item;
        item.menu = menu;
        item.position = static_cast<UINT>(i);
        item.id = info.wID;
        item.data = info.dwItemData;
        item.type = info.fType;
        item.text = text;
        ownerDrawn_.push_back(std::move(item));
        MENUITEMINFOA change{};
        change.cbSize = sizeof change;
        change.fMask = MIIM_FTYPE;
        change.fType = info.fType | MFT_OWNERDRAW;
        SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &change);
    }
}

void TSkinForm::UnmarkOwnerDrawn() {
    // The menu is the window's again as it was: unskinned, its items draw themselves.
    for (const TOwnerDrawnItem& item : ownerDrawn_) {
        MENUITEMINFOA change{};
        change.cbSize = sizeof change;
        change.fMask = MIIM_FTYPE;
        change.fType = item.type;
        SetMenuItemInfoA(item.menu, item.position, TRUE, &change);
    }
    ownerDrawn_.clear();
}

bool TSkinForm::MeasureMenuItem(TMessage& m) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    // The request names no menu: items that share an id and data are taken in turn, as the
    // system measures a popup's items in order each time it shows.
    auto same = [measure](const TOwnerDrawnItem& item) {
        return item.id == measure->itemID && item.data == measure->itemData;
    };
    TOwnerDrawnItem* found = nullptr;
    for (TOwnerDrawnItem& item : ownerDrawn_)
        if (same(item) && !item.measured) {
            found = &item;
            break;
        }
    if (!found)
        for (TOwnerDrawnItem& item : ownerDrawn_)
            if (same(item)) {
                item.measured = false;
                if (!found) found = &item;
            }
    if (!found) return false;
    found->measured = true;
    const SIZE text = found->text.empty() ? SIZE{0, 0} : MenuTextExtent(found->text);
    const TDataSkinObject* element =
        skinData_ && !skinData_->NoSkinLoaded() ? skinData_->Skin().MenuItem.get() : nullptr;
    measure->itemWidth = static_cast<UINT>(text.cx + kItemTextRoom + (element ? element->LeftWidth : 0));
    measure->itemHeight = static_cast<UINT>(found->text.empty() ? kItemLineHeight : text.cy + kItemTextLeading);
    m.Result = TRUE;
    return true;
}

bool TSkinForm::DrawMenuItem(TMessage& m) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    if (!draw || draw->CtlType != ODT_MENU) return false;
    const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
    const TOwnerDrawnItem* found = nullptr;
    for (const TOwnerDrawnItem& item : ownerDrawn_)
        if (item.menu == menu && item.id == draw->itemID && item.data == draw->itemData) {
            found = &item;
            break;
        }
    if (!found) return false;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfoA(menu, found->position, TRUE, &info);
    // The skinned item painter draws framework items: a stand-in carries this one's text
    // and state.
    TUnowned<TMenuItem> standIn = MakeUnowned<TMenuItem>();
    standIn->SetCaption(found->text.empty() ? "-" : found->text);
    standIn->SetEnabled((info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0);
    standIn->SetChecked((info.fState & MFS_CHECKED) != 0);
    // The popup's skinner learns which menu it shows (for its background).
    if (TSkinManager* manager = TSkinManager::Instance()) manager->AssignMenuHandle(menu);
    DrawSkinnedMenuItem(*standIn, skinData_, draw->hDC, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
    m.Result = TRUE;
    return true;
}

// ---- MDI ----

bool TSkinForm::MdiChildButtonsShown() const {
    if (MdiKind != mkFrame || !MdiClientWnd || !MenuBarSkinner) return false;
    BOOL maximised = FALSE;
    const auto active = reinterpret_cast<HWND>(
        SendMessageA(MdiClientWnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    return active && maximised;
}

void TSkinForm::MdiSetMenu(TMessage& m, const TWndMethod& next) {
    next(m);
    if (!FrameSkinned) return;
    // The client has put the new menu into the frame: the skinned bar shows it instead.
    if (m.WParam) {
        if (MenuBarSkinner)
            MenuBarSkinner->Refresh();
        else
            TakeOverNewMenuBar();
    }
    SetMenu(windowHandle_, nullptr);
    PaintFrame(nullptr);
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
        MENUITEMINFOA info{};
        std::string text;
        if (!MenuItemAt(system, static_cast<UINT>(i), MIIM_STATE | MIIM_ID | MIIM_FTYPE, info, text)) continue;
        TMenuItem* item = MakeComponent<TMenuItem>(&menu);
        const bool separator = (info.fType & MFT_SEPARATOR) || text.empty();
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
