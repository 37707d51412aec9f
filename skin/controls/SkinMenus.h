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
#include "skin/data/PixelBuffer.h"
#include "skin/form/NcButtons.h"

class BufferDc;
class TMenu;
class TMenuItem;
class TSkinData;
class TSkinForm;
struct TMessage;

// A picture and a memory DC with it selected, kept between paints and made anew only when
// the size changes. The DC has the menu font selected and draws text on a clear background.
class TMenuCanvas {
public:
    TMenuCanvas();
    ~TMenuCanvas();
    TMenuCanvas(const TMenuCanvas&) = delete;
    TMenuCanvas& operator=(const TMenuCanvas&) = delete;
    // Makes the picture width x height (zeroed when made anew, else as left); false when it
    // cannot be made.
    bool Prepare(int width, int height);
    // Takes picture as the canvas's own (its DC is made when asked for).
    void Adopt(PixelBuffer picture);
    PixelBuffer& Buffer() { return buffer_; }
    const PixelBuffer& Buffer() const { return buffer_; }
    HDC Dc();
    void Reset();

private:
    PixelBuffer buffer_;
    std::unique_ptr<BufferDc> dc_;  // declared after the picture: goes before it
};

class TSkinPopupMenu : public TObject {
    KELVORA_CLASS(TSkinPopupMenu)
public:
    TSkinPopupMenu();
    ~TSkinPopupMenu() override;
    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    void Detach();

    HWND Window() const { return window_; }
    bool Attached() const { return subclass_.Active(); }
    // The MenuBackground picture made for the window's size at the last paint (window
    // coordinates, frame included); empty before the first paint.
    const PixelBuffer& Background() const { return background_.Buffer(); }
    // Where the client area's top-left lies in the window (the frame's width and height):
    // as measured when the background was made, or measured now before the first paint.
    POINT ClientOffset() const;
    // The picture the window's items are composed in, kept while the menu is shown.
    TMenuCanvas& ItemCanvas() { return items_; }
    HMENU Menu = nullptr;  // 0 until an item of its menu is drawn
    uint8_t Drawn = 0;

private:
    void Dispatch(TMessage& m, const TWndMethod& next);
    // Whether the skin can paint the window now (a MenuBackground image, not loading).
    bool CanPaint() const;
    // Makes the background for the window's size (kept while the size stays) and its DC;
    // false when there is none.
    bool MakeBackground();
    void PaintFrame(TMessage& m, const TWndMethod& next);
    void PaintClient(HDC dc, const TWndMethod& next, LPARAM flags);
    void Paint(TMessage& m, const TWndMethod& next);
    void EraseBackground(TMessage& m, const TWndMethod& next);

    HWND window_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TWindowSubclass subclass_;
    TMenuCanvas background_;
    TMenuCanvas items_;
    POINT clientOffset_{0, 0};
    RegionHandle region_;  // a window shape, when one was given
};

// Owner drawing for a framework menu's items (and switching it off again): the menu is
// made owner-drawn and each item, sub-items included, gets the skinned measure and draw
// handlers.
void InstallMenuItemHandlers(TMenu& menu, TSkinData* skinData);
void RemoveMenuItemHandlers(TMenu& menu);
// The skinned measure and draw of one item (what the installed handlers run).
void MeasureSkinnedMenuItem(TMenuItem& item, TSkinData* skinData, int& width);
void DrawSkinnedMenuItem(TMenuItem& item, TSkinData* skinData, HDC dc, const RECT& rect, bool selected);
