#pragma once
// Menus in the skin's look:
// - every popup menu window ("#32768") gets a TSkinPopupMenu from the skin manager's
//   window-creation hook: the MenuBackground element as background and 3-pixel frame;
// - menu items are owner-drawn: InstallMenuItemHandlers gives a framework menu's items
//   their measure and draw handlers (the MenuItem element, glyph, check mark, caption,
//   shortcut);
// - a skinned form's menu bar is taken out of the window and drawn by TSkinMenuBar as a
//   row of non-client buttons (TMenuBtn) inside the frame, with a message-filter hook that
//   moves between the bar's popups with the arrow keys and the mouse.
// Item measuring and painting are portable (MenuPainter.h).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Handles.h"
#include "framework/WindowHook.h"
#include "skin/form/NcButtons.h"

class TMenu;
class TMenuItem;
class TSkinData;
class TSkinForm;

class TSkinPopupMenu : public TObject {
    KELVORA_CLASS(TSkinPopupMenu)
public:
    TSkinPopupMenu();
    ~TSkinPopupMenu() override;
    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    void Detach();

    HWND Window() const { return window_; }
    HMENU Menu = nullptr;  // 0 until an item of its menu is drawn
    uint8_t Drawn = 0;

private:
    HWND window_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TWindowSubclass subclass_;
};

// Owner drawing for a framework menu's items (and switching it off again).
void InstallMenuItemHandlers(TMenu& menu, TSkinData* skinData);
void RemoveMenuItemHandlers(TMenu& menu);
