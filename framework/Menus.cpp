// Menu items, popup and main menus; the popup list window that carries out commands.
#include "framework/Menus.h"

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/ImageList.h"
#include "framework/UtilWindow.h"

#include <algorithm>
#include <memory>
#include <set>
#include <unordered_set>

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

std::unordered_set<const TMenuItem*>& LiveItems() {
    static std::unordered_set<const TMenuItem*> items;
    return items;
}

// The system's menu font for measuring and drawing items.
const TFont& MenuFont() {
    static TFont font;
    static bool made = false;
    if (!made) {
        made = true;
        LOGFONTA log{};
        if (SystemLogFont(TSystemFont::Menu, log)) font.AssignLogFont(log);
    }
    return font;
}

// The owner-drawn item a measure or draw message is about, when it is one of ours.
TMenuItem* OwnerDrawnItem(UINT type, ULONG_PTR data) {
    if (type != ODT_MENU) return nullptr;
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return TMenuItem::IsLive(item) ? item : nullptr;
}

struct KeyName {
    unsigned key;
    const char* name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"}, {VK_HOME, "Home"}, {VK_LEFT, "Left"},
    {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};
}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const unsigned key = shortCut & 0xFF;
    std::string name;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        name = std::string(1, static_cast<char>(key));
    } else if (key >= VK_F1 && key <= VK_F24) {
        name = "F" + std::to_string(key - VK_F1 + 1);
    } else {
        for (const KeyName& k : kKeyNames)
            if (k.key == key) name = k.name;
    }
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

namespace {
// Measuring needs only a DC with the menu font. One memory DC kept for the program's
// life, whose font stays selected while the menu font is unchanged, spares every item of
// every opening a screen DC and a new font.
TCanvas& MeasureCanvas() {
    static MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    static TCanvas canvas(dc.get());
    return canvas;
}
}  // namespace

bool HandleMenuItemMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        TMenuItem* item = mis ? OwnerDrawnItem(mis->CtlType, mis->itemData) : nullptr;
        if (!item) return false;
        TCanvas& canvas = MeasureCanvas();
        canvas.Font().Assign(MenuFont());
        int width = 0;
        int height = 0;
        item->MeasureItem(canvas, width, height);
        mis->itemWidth = static_cast<UINT>(std::max(width, 0));
        mis->itemHeight = static_cast<UINT>(std::max(height, 0));
        result = TRUE;
        return true;
    }
    if (message == WM_DRAWITEM) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        TMenuItem* item = dis ? OwnerDrawnItem(dis->CtlType, dis->itemData) : nullptr;
        if (!item) return false;
        TCanvas canvas(dis->hDC);
        canvas.Font().Assign(MenuFont());
        const int saved = SaveDC(dis->hDC);
        item->DrawItem(canvas, dis->rcItem, (dis->itemState & ODS_SELECTED) != 0);
        RestoreDC(dis->hDC, saved);
        result = TRUE;
        return true;
    }
    return false;
}

HWND PopupListWindow() {
    static std::unique_ptr<UtilWindow> window;
    if (!window) {
        window = std::make_unique<UtilWindow>([](TMessage& m) {
            if (m.Msg == WM_MEASUREITEM || m.Msg == WM_DRAWITEM) {
                LRESULT result = 0;
                if (!HandleMenuItemMessage(m.Msg, m.WParam, m.LParam, result)) return false;
                m.Result = result;
                return true;
            }
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

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) { LiveItems().insert(this); }

TMenuItem::~TMenuItem() {
    LiveItems().erase(this);
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

void TMenuItem::SetShortCut(TShortCut v) {
    if (v == shortCut_) return;
    shortCut_ = v;
    Changed();
}

bool TMenuItem::IsLive(const TMenuItem* item) { return item && LiveItems().count(item) != 0; }

HMENU TMenuItem::ParentHandle() {
    if (!parent_) return nullptr;
    if (parent_->menu_) return parent_->handle_.get();
    return parent_->borrowed_;
}

TCustomImageList* TMenuItem::ImageList() const {
    const TMenu* menu = GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    // Room for the glyph column (images or the check mark), the caption and shortcut.
    TCustomImageList* images = ImageList();
    if (IsLine()) {
        width = -2;
        height = 5;
    } else {
        width = images ? 16 + 15 : -7;
        height = images ? 16 + 3 : 3;
        std::string text = caption_.empty() || caption_ == "&" ? caption_ + " " : caption_;
        if (shortCut_) text += "\t" + ShortCutToText(shortCut_);
        RECT r{0, 0, 0, 0};
        canvas.DrawText(text, r, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
        width += r.right - r.left + 7;
        height = std::max(height, static_cast<int>(r.bottom - r.top) + 6);
    }
    if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, selected);
        return;
    }
    canvas.SetBrushColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line{rect.left, rect.top + 4, rect.right, rect.bottom};
        DrawEdge(canvas.Handle(), &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    canvas.Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    if (default_) canvas.Font().SetStyle(static_cast<TFontStyles>(canvas.Font().Style() | fsBold));
    RECT text{rect.left + 1 + 16 + 3, rect.top, rect.right - 1, rect.bottom};
    canvas.DrawText(caption_, text, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    if (shortCut_) {
        RECT keys{text.left, rect.top, rect.right - 1 - 10, rect.bottom};
        canvas.DrawText(ShortCutToText(shortCut_), keys, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    }
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
        std::string caption = child->caption_;
        if (child->shortCut_) caption += "\t" + ShortCutToText(child->shortCut_);
        const char* text = ownerDraw ? reinterpret_cast<const char*>(child) : caption.c_str();
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
    // A shown menu keeps its handle: the system and its windows still refer to it.
    if (holds_ > 0 && items_->handle_) return items_->handle_.get();
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

void TMenu::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    items_->dirty_ = true;
    MenuChanged();
}

void TMenu::SetRightToLeft(bool v) {
    if (v == rightToLeft_) return;
    rightToLeft_ = v;
    items_->dirty_ = true;
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
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
    HMENU menu = Handle();
    HoldHandle();
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, PopupListWindow(), nullptr);
    ReleaseHandle();
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
