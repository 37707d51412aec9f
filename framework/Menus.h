#pragma once
// Menus: items with Caption ("-" is a separator), Name, OnClick and sub-items; popup menus
// opened at a screen point; main menus for a form's menu bar.
// Items are components (the form owns them); the item tree links them without owning.
#include "framework/Component.h"
#include "framework/Handles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TMenu;
class TCanvas;
class TCustomImageList;

// A keyboard shortcut: virtual key in the low byte with the modifier bits below.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
// "Ctrl+Shift+Alt+" before the key's name ("A", "F5", "Del", ...); empty for 0.
std::string ShortCutToText(TShortCut shortCut);

class TMenuItem;
// Owner-drawn items: the item's own measuring has set width and height before the event
// may change them; the draw event replaces the item's plain drawing.
using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TMenuItem* sender, TCanvas& canvas, const RECT& rect, bool selected)>;

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
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);

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
    // Owner drawing: the item's size in the canvas's font (then OnMeasureItem), and its
    // picture (OnDrawItem, or a plain menu look when that is not set).
    virtual void MeasureItem(TCanvas& canvas, int& width, int& height);
    virtual void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);
    // The HMENU the item sits in (its parent's submenu or the menu's own), nullptr when
    // the item is not in a menu.
    HMENU ParentHandle();
    // The image list of the item's menu, nullptr when it has none.
    TCustomImageList* ImageList() const;
    // Whether the item is a live menu item (owner-drawn items carry their pointer through
    // the system: a menu shown while an item goes must not reach it).
    static bool IsLive(const TMenuItem* item);

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

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
    TShortCut shortCut_ = 0;
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
    // Glyphs of the items (ImageIndex); not owned.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    bool IsRightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool v);
    // While a menu is shown its HMENU stays the same: changes are kept and the menu is
    // rebuilt at the next Handle() after the last Release.
    void HoldHandle() { ++holds_; }
    void ReleaseHandle() { if (holds_ > 0) --holds_; }

protected:
    friend class TMenuItem;
    virtual void MenuChanged();
    virtual HMENU CreateMenuHandle() = 0;

private:
    void Notification(TComponent* component, TOperation operation) override;
    TMenuItem* items_ = nullptr;  // owned as a component of this menu
    bool ownerDraw_ = false;
    bool rightToLeft_ = false;
    TCustomImageList* images_ = nullptr;  // not owned
    int holds_ = 0;
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

// The hidden window that receives the commands of open popup menus and measures and draws
// their owner-drawn items.
HWND PopupListWindow();
// WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn menu item, for any window that owns a
// shown menu: true (and result set) when the message was a live item's.
bool HandleMenuItemMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
