#pragma once
// The message record every framework control's WindowProc receives, and the framework's
// own notification messages. Portable: the numbers need no platform headers.
#include <cstdint>

// One window message. WParam/LParam/Result have the width of the platform's WPARAM, LPARAM
// and LRESULT (32 bits on the target).
struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

// Framework notifications: sent (through the control's WindowProc) when the framework
// changes a control's state.
enum : uint32_t {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_GOTFOCUS = CM_BASE + 2,
    CM_LOSTFOCUS = CM_BASE + 3,
    CM_CANCELMODE = CM_BASE + 4,
    CM_DIALOGKEY = CM_BASE + 5,        // 0xB005: a dialog key (Tab, arrows, Enter, Esc) for the form
    CM_DIALOGCHAR = CM_BASE + 6,       // 0xB006: a character that may be an accelerator
    CM_FOCUSCHANGED = CM_BASE + 7,     // 0xB007: broadcast in a form; LParam = the focused TWinControl*
    CM_PARENTFONTCHANGED = CM_BASE + 8,
    CM_PARENTCOLORCHANGED = CM_BASE + 9,
    CM_HITTEST = CM_BASE + 10,
    CM_VISIBLECHANGED = CM_BASE + 11,  // 0xB00B: WParam = new Visible (0/1)
    CM_ENABLEDCHANGED = CM_BASE + 12,  // 0xB00C
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_MOUSEENTER = CM_BASE + 19,      // 0xB013: LParam = the control the mouse entered
    CM_MOUSELEAVE = CM_BASE + 20,      // 0xB014: LParam = the control the mouse left
    CM_MENUCHANGED = CM_BASE + 21,     // 0xB015: a menu of the form changed
    CM_SHOWINGCHANGED = CM_BASE + 25,
    CM_ENTER = CM_BASE + 26,
    CM_EXIT = CM_BASE + 27,            // 0xB01B: the control lost the focus
    CM_RELEASE = CM_BASE + 33,         // 0xB021: posted to a form by Release(); frees it
    CM_SHOWHINTCHANGED = CM_BASE + 34,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
    CM_SYSCOLORCHANGE = CM_BASE + 36,
    CM_CONTROLLISTCHANGE = CM_BASE + 44,
    CM_RECREATEWND = CM_BASE + 51,     // 0xB033
    CM_BIDIMODECHANGED = CM_BASE + 60,
    CM_BORDERCHANGED = CM_BASE + 59,
};

// Reflected notifications: a parent hands a child's WM_COMMAND, WM_NOTIFY, scroll and
// control-colour messages back to that child as CN_BASE + the message.
enum : uint32_t {
    CN_BASE = 0xBC00,
    CN_CTLCOLORMSGBOX = CN_BASE + 0x0132,
    CN_CTLCOLOREDIT = CN_BASE + 0x0133,
    CN_CTLCOLORLISTBOX = CN_BASE + 0x0134,
    CN_CTLCOLORBTN = CN_BASE + 0x0135,
    CN_CTLCOLORDLG = CN_BASE + 0x0136,
    CN_CTLCOLORSCROLLBAR = CN_BASE + 0x0137,
    CN_CTLCOLORSTATIC = CN_BASE + 0x0138,
    CN_NOTIFY = CN_BASE + 0x004E,      // 0xBC4E
    CN_COMMAND = CN_BASE + 0x0111,     // 0xBD11
    CN_HSCROLL = CN_BASE + 0x0114,
    CN_VSCROLL = CN_BASE + 0x0115,     // 0xBD15
    CN_DRAWITEM = CN_BASE + 0x002B,
    CN_MEASUREITEM = CN_BASE + 0x002C,
    CN_KEYDOWN = CN_BASE + 0x0100,
    CN_CHAR = CN_BASE + 0x0102,
    CN_SYSKEYDOWN = CN_BASE + 0x0104,
};

static_assert(CM_DIALOGKEY == 0xB005 && CM_FOCUSCHANGED == 0xB007 && CM_VISIBLECHANGED == 0xB00B &&
              CM_ENABLEDCHANGED == 0xB00C && CM_MOUSEENTER == 0xB013 && CM_MOUSELEAVE == 0xB014 &&
              CM_MENUCHANGED == 0xB015 && CM_EXIT == 0xB01B && CM_RELEASE == 0xB021 &&
              CM_RECREATEWND == 0xB033,
              "framework message numbers are shared with the skin engine");
static_assert(CN_COMMAND == 0xBD11 && CN_NOTIFY == 0xBC4E && CN_VSCROLL == 0xBD15,
              "reflected message numbers are shared with the skin engine");
