#pragma once
// The skinned menu bar of a form: the window's menu is taken out of the window and its
// top-level items become a row of non-client buttons (TMenuBtn) drawn inside the frame
// under the caption. A button opens its popup below itself; while that popup is open a
// message-filter hook lets the arrow keys and the mouse move on to the neighbouring
// buttons' popups (wrapping from the last to the first), as the system's own menu bar does.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Handles.h"
#include "skin/controls/MenuBarLayout.h"
#include "skin/data/PixelBuffer.h"
#include "skin/form/NcButtons.h"

class TCaptionButton;
class TMainMenu;
class TMenuItem;
class TSkinData;
class TSkinForm;
class TSkinMenuBar;

// Visibility and Align of the caption buttons that stand in the menu-bar row.
constexpr int kMdiChildButton = 100;

// One top-level item of the bar.
// Reads the item at position of menu with the fields of mask and its text (up to 80
// bytes, MIIM_STRING is added to mask); false when the menu has no such item.
bool MenuItemAt(HMENU menu, UINT position, UINT mask, MENUITEMINFOA& info, std::string& text);

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TSkinMenuBar& bar, int index) : Bar(bar), Index(index) {}
    void Paint() override;

    TSkinMenuBar& Bar;
    TMenuItem* Item = nullptr;  // the framework's item, when the menu is a framework menu
    int Index;
    std::string Caption;     // ANSI code page, with its '&'
    HMENU SubMenu = nullptr;  // null for a command item
    unsigned Command = 0;

protected:
    void Left() override;
};

class TSkinMenuBar : public TComponent {
    KELVORA_CLASS(TSkinMenuBar)
public:
    TSkinMenuBar(TComponent* owner, TSkinForm& form, TSkinData* skinData, TMainMenu* menu);
    ~TSkinMenuBar() override;

    // Rebuilds the buttons from the window's menu and takes the menu out of the window.
    // Nothing when the window has no menu. False then.
    bool Load();
    // The menu changed: the window holds the new menu again; rebuild and lay out.
    void Refresh();
    // Puts the menu back into the window (skinning switched off).
    void GiveMenuBack();
    // Positions the buttons from the form's frame sizes without drawing.
    void Layout();
    // Draws the whole bar onto a DC whose origin is the window's top-left corner.
    void Paint(HDC windowDc);
    // Repaints one button straight on the window, in its state.
    void PaintButton(TMenuBtn& button);

    // The button under a point in window coordinates (never one with an empty caption).
    TMenuBtn* HitTest(POINT windowPoint) const;
    // The next or previous reachable button, wrapping; -1 when there is none.
    int NeighbourIndex(int current, bool forward) const;
    // The first visible button whose caption has the key as its accelerator, or null.
    TMenuBtn* FindAccelerator(char key) const;
    TMenuBtn* Button(int index) const;
    const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }

    // Runs the popup of one button until it closes, with the menu-loop hook installed.
    // Returns the index of the button whose popup should open next (the user moved on
    // with the arrows or the mouse), or -1 when the menu mode ended.
    int TrackButton(int index, UINT flags, POINT at, UINT* chosenCommand);
    // Ends the menu mode of an open bar popup (no other popup follows).
    void CloseMenuMode();

    TRect BarRect;       // window coordinates, as last painted or laid out
    HMENU WindowMenu() const { return menu_; }
    TMainMenu* FrameworkMenu() const;
    TSkinForm& Form() { return form_; }
    TSkinData* SkinData() const { return skinData_; }

private:
    std::vector<TMenuBarItem> LayoutItems();
    TRect CurrentBarRect() const;
    void ApplyRects(const std::vector<TRect>& rects);
    void DrawCaption(HDC dc, const TMenuBtn& button, const TRect& r);
    bool RightToLeftBar() const;
    // The active MDI child's caption buttons shown in the bar's row (an MDI frame whose
    // child is maximised), drawn over the bar in their states.
    std::vector<const TCaptionButton*> ChildButtons() const;
    void DrawChildButtons(PixelBuffer& picture, const TRect& bar) const;
    void EnsureFont();

    TSkinForm& form_;
    TSkinData* skinData_;
    TComponentRef<TMainMenu> frameworkMenu_;
    HMENU menu_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> buttons_;
    PixelBuffer barPicture_;  // the bar without captions and highlights
    FontHandle font_;
    bool painting_ = false;
};
