#pragma once
// Menus: items with Caption ("-" is a separator), Name, OnClick and sub-items; popup menus
// opened at a screen point; main menus for a form's menu bar.
// Items are components (the form owns them); the item tree links them without owning.
#include "framework/Component.h"
#include "framework/Handles.h"

#include <string>
#include <vector>

class TMenu;

class TMenuItem : public TComponent {
    KELVORA_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& s);
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }

    // The command id sent with WM_COMMAND when the item is chosen.
    unsigned Command() const { return command_; }
    // The submenu's HMENU when the item has sub-items (made on demand), else nullptr.
    HMENU Handle();

    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    TMenu* GetParentMenu() const;
    // The item with this command id in this subtree, nullptr when none.
    TMenuItem* Find(unsigned command);

    // Runs OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

private:
    friend class TMenu;
    void Changed();
    void AppendTo(HMENU menu);
    void RebuildHandle();
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    unsigned command_ = 0;
    TMenuItem* parent_ = nullptr;  // not owned
    TMenu* menu_ = nullptr;        // set on a menu's root item
    std::vector<TMenuItem*> items_;  // not owned
    MenuHandle handle_;          // the root item's menu (the whole tree)
    HMENU borrowed_ = nullptr;   // a sub-item's submenu inside the root's tree, not owned
    bool dirty_ = true;
};

class TMenu : public TComponent {
    KELVORA_CLASS(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item whose sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }
    // The HMENU with every item (rebuilt after changes).
    virtual HMENU Handle();
    // Carries out the command: finds the item and clicks it; false when none has this id.
    bool DispatchCommand(unsigned command);
    TMenuItem* FindItem(unsigned command) { return items_->Find(command); }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);

protected:
    friend class TMenuItem;
    virtual void MenuChanged();
    virtual HMENU CreateMenuHandle() = 0;

private:
    TMenuItem* items_ = nullptr;  // owned as a component of this menu
    bool ownerDraw_ = false;
};

class TPopupMenu : public TMenu {
    KELVORA_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    // Opens the menu at a screen point (TrackPopupMenu, returns when it closes). The choice
    // comes back as WM_COMMAND to the popup list window and clicks the item.
    virtual void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }

    TNotifyEvent OnPopup;

protected:
    HMENU CreateMenuHandle() override;

private:
    TComponent* popupComponent_ = nullptr;  // not owned
    bool autoPopup_ = true;
};

class TMainMenu : public TMenu {
    KELVORA_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);

protected:
    HMENU CreateMenuHandle() override;
    void MenuChanged() override;
};

// The hidden window that receives the commands of open popup menus.
HWND PopupListWindow();
