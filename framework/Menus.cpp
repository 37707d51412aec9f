// Menu items, popup and main menus; the popup list window that carries out commands.
#include "framework/Menus.h"

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/UtilWindow.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {
std::set<unsigned>& UsedCommands() {
    static std::set<unsigned> used;
    return used;
}

unsigned NewCommand() {
    static unsigned next = 1;
    auto& used = UsedCommands();
    for (unsigned tries = 0; tries < 0xFFFF; ++tries) {
        const unsigned id = next;
        next = next >= 0xFFFF ? 1 : next + 1;
        if (used.insert(id).second) return id;
    }
    return 0;
}

std::vector<TPopupMenu*>& PopupMenus() {
    static std::vector<TPopupMenu*> menus;
    return menus;
}
}  // namespace

HWND PopupListWindow() {
    static std::unique_ptr<UtilWindow> window;
    if (!window) {
        window = std::make_unique<UtilWindow>([](TMessage& m) {
            if (m.Msg != WM_COMMAND || m.LParam != 0) return false;
            const unsigned command = LOWORD(m.WParam);
            // Copy: a click may free menus.
            const std::vector<TPopupMenu*> menus = PopupMenus();
            for (TPopupMenu* menu : menus) {
                if (menu->DispatchCommand(command)) break;
            }
            m.Result = 0;
            return true;
        });
    }
    return window->Handle();
}

// ---- TMenuItem ----

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info("TMenuItem", &TComponent::StaticClass(),
                                 {props::String<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
                                  props::Boolean<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
                                  props::Boolean<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
                                  props::Boolean<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
                                  props::Boolean<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
                                  props::Ordinal<TMenuItem, int>("ImageIndex", &TMenuItem::ImageIndex,
                                                                 &TMenuItem::SetImageIndex)});
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) {}

TMenuItem::~TMenuItem() {
    if (parent_) parent_->Remove(this);
    for (TMenuItem* child : items_) child->parent_ = nullptr;
    items_.clear();
    UsedCommands().erase(command_);
}

void TMenuItem::SetCaption(const std::string& s) {
    if (s == caption_) return;
    caption_ = s;
    Changed();
}
void TMenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed();
}
void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed();
}
void TMenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed();
}
void TMenuItem::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    Changed();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parent_) item->parent_->Remove(item);
    index = std::max(0, std::min(index, Count()));
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed();
}

int TMenuItem::MenuIndex() const {
    if (!parent_) return -1;
    const auto& list = parent_->items_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

TMenuItem* TMenuItem::Find(unsigned command) {
    if (command_ == command) return this;
    for (TMenuItem* child : items_) {
        if (TMenuItem* found = child->Find(command)) return found;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::Changed() {
    for (TMenuItem* item = this; item; item = item->parent_) item->dirty_ = true;
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

HMENU TMenuItem::Handle() {
    if (TMenu* menu = GetParentMenu()) menu->Handle();  // builds the whole tree when changed
    return items_.empty() ? nullptr : (menu_ ? handle_.get() : borrowed_);
}

void TMenuItem::AppendTo(HMENU menu) {
    for (TMenuItem* child : items_) {
        if (!child->visible_) continue;
        if (child->IsLine()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (child->checked_) flags |= MF_CHECKED;
        if (!child->enabled_) flags |= MF_GRAYED;
        TMenu* owner = GetParentMenu();
        const bool ownerDraw = owner && owner->OwnerDraw();
        if (ownerDraw) flags = (flags & ~MF_STRING) | MF_OWNERDRAW;
        const char* text = ownerDraw ? reinterpret_cast<const char*>(child) : child->caption_.c_str();
        if (!child->items_.empty()) {
            HMENU sub = CreatePopupMenu();
            child->borrowed_ = sub;
            child->AppendTo(sub);
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text);
        } else {
            child->borrowed_ = nullptr;
            AppendMenuA(menu, flags, child->command_, text);
        }
        if (child->default_) SetMenuDefaultItem(menu, child->command_, FALSE);
        child->dirty_ = false;
    }
    dirty_ = false;
}

void TMenuItem::RebuildHandle() {}

// ---- TMenu ----

const TClassInfo& TMenu::StaticClass() {
    static const TClassInfo info("TMenu", &TComponent::StaticClass());
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
    items_ = MakeComponent<TMenuItem>(this);
    items_->menu_ = this;
}

TMenu::~TMenu() {
    if (items_) items_->menu_ = nullptr;
}

HMENU TMenu::Handle() {
    if (!items_->handle_ || items_->dirty_) {
        items_->handle_.reset();  // destroys the submenus with it
        HMENU menu = CreateMenuHandle();
        items_->AppendTo(menu);
        items_->handle_.reset(menu);
    }
    return items_->handle_.get();
}

bool TMenu::DispatchCommand(unsigned command) {
    TMenuItem* item = items_->Find(command);
    if (!item || item == items_) return false;
    item->Click();
    return true;
}

void TMenu::SetOwnerDraw(bool v) {
    if (v == ownerDraw_) return;
    ownerDraw_ = v;
    items_->dirty_ = true;
    MenuChanged();
}

void TMenu::MenuChanged() {}

// ---- TPopupMenu ----

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info("TPopupMenu", &TMenu::StaticClass(),
                                 {props::Boolean<TPopupMenu>("AutoPopup", &TPopupMenu::AutoPopup,
                                                             &TPopupMenu::SetAutoPopup)});
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { PopupMenus().push_back(this); }

TPopupMenu::~TPopupMenu() {
    auto& menus = PopupMenus();
    menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
}

HMENU TPopupMenu::CreateMenuHandle() { return CreatePopupMenu(); }

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, PopupListWindow(), nullptr);
}

// ---- TMainMenu ----

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info("TMainMenu", &TMenu::StaticClass());
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

HMENU TMainMenu::CreateMenuHandle() { return CreateMenu(); }

void TMainMenu::MenuChanged() {
    // The form showing this menu bar takes the rebuilt menu.
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->Menu() == this && form->HandleAllocated()) {
            ::SetMenu(form->HandleIfAllocated(), Handle());
            DrawMenuBar(form->HandleIfAllocated());
            form->Perform(CM_MENUCHANGED, 0, 0);
        }
    }
}
