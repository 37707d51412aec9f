#pragma once
// Every private window message number of the program in one place: the framework's
// notifications (CM_*), reflected notifications (CN_*) and the skin engine's messages
// (SKINMSG_*). Several numbers are fixed because other programs send or expect them.
// Portable: the numbers need no platform headers.
#include <cstddef>
#include <cstdint>

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
    CM_RECREATEWND = CM_BASE + 51,     // 0xB033: the control's window is about to be re-made
    CM_BORDERCHANGED = CM_BASE + 59,
    CM_BIDIMODECHANGED = CM_BASE + 60,
    // 0xB050: a control has a new window (first or re-made). Sent to the window of the
    // control's form (the topmost parent); WParam = the new window, LParam = the control.
    CM_WNDCREATED = CM_BASE + 80,
};

// Reflected notifications: a parent hands a child's WM_COMMAND, WM_NOTIFY, scroll and
// control-colour messages back to that child as CN_BASE + the message.
enum : uint32_t {
    CN_BASE = 0xBC00,
    CN_DRAWITEM = CN_BASE + 0x002B,
    CN_MEASUREITEM = CN_BASE + 0x002C,
    CN_NOTIFY = CN_BASE + 0x004E,      // 0xBC4E (shared with SKINMSG_ANNOUNCE, see below)
    CN_KEYDOWN = CN_BASE + 0x0100,
    CN_CHAR = CN_BASE + 0x0102,
    CN_SYSKEYDOWN = CN_BASE + 0x0104,
    CN_COMMAND = CN_BASE + 0x0111,     // 0xBD11
    CN_HSCROLL = CN_BASE + 0x0114,
    CN_VSCROLL = CN_BASE + 0x0115,     // 0xBD15
    CN_CTLCOLORMSGBOX = CN_BASE + 0x0132,
    CN_CTLCOLOREDIT = CN_BASE + 0x0133,
    CN_CTLCOLORLISTBOX = CN_BASE + 0x0134,
    CN_CTLCOLORBTN = CN_BASE + 0x0135,
    CN_CTLCOLORDLG = CN_BASE + 0x0136,
    CN_CTLCOLORSCROLLBAR = CN_BASE + 0x0137,
    CN_CTLCOLORSTATIC = CN_BASE + 0x0138,
};

// Skin engine messages.
enum : uint32_t {
    SKINMSG_SKINCHANGED = 0x3401,
    SKINMSG_REPAINTFRAME = 0x3502,
    SKINMSG_ATTACHED = 0x3503,
    SKINMSG_ENABLE = 0x3506,
    SKINMSG_TABCLOSE = 0x3507,
    SKINMSG_BUTTONACTION = 0x3514,
    SKINMSG_BUTTONVISIBLE = 0x3515,
    SKINMSG_REDRAWCHILD = 0x3516,
    SKINMSG_RESKINCONTROL = 0x3517,
    SKINMSG_MENUKEY = 0x3518,
    SKINMSG_QUERY = 0x3523,
    SKINMSG_PRINTCONTROL = 0xBC4A,
    SKINMSG_PRINTFRAME = 0xBC4B,
    SKINMSG_PING = 0xBC4D,
    // Sent by skinned programs to announce themselves; carries SKINMSG_ANNOUNCE_COOKIE in
    // LParam. Same number as CN_NOTIFY: a control never reads such a message as a
    // notification record (see IsSkinAnnounce).
    SKINMSG_ANNOUNCE = 0xBC4E,
};
constexpr intptr_t SKINMSG_ANNOUNCE_COOKIE = 0x41A2;

// True for the skin announce, which shares its number with CN_NOTIFY.
constexpr bool IsSkinAnnounce(uint32_t msg, intptr_t lParam) {
    return msg == SKINMSG_ANNOUNCE && lParam == SKINMSG_ANNOUNCE_COOKIE;
}

namespace private_messages_detail {
// Every number above; a number may appear twice only as the one shared pair.
constexpr uint32_t kAll[] = {
    CM_ACTIVATE, CM_DEACTIVATE, CM_GOTFOCUS, CM_LOSTFOCUS, CM_CANCELMODE, CM_DIALOGKEY, CM_DIALOGCHAR,
    CM_FOCUSCHANGED, CM_PARENTFONTCHANGED, CM_PARENTCOLORCHANGED, CM_HITTEST, CM_VISIBLECHANGED,
    CM_ENABLEDCHANGED, CM_COLORCHANGED, CM_FONTCHANGED, CM_CURSORCHANGED, CM_TEXTCHANGED, CM_MOUSEENTER,
    CM_MOUSELEAVE, CM_MENUCHANGED, CM_SHOWINGCHANGED, CM_ENTER, CM_EXIT, CM_RELEASE, CM_SHOWHINTCHANGED,
    CM_PARENTSHOWHINTCHANGED, CM_SYSCOLORCHANGE, CM_CONTROLLISTCHANGE, CM_RECREATEWND, CM_BORDERCHANGED,
    CM_BIDIMODECHANGED, CM_WNDCREATED,
    CN_DRAWITEM, CN_MEASUREITEM, CN_NOTIFY, CN_KEYDOWN, CN_CHAR, CN_SYSKEYDOWN, CN_COMMAND, CN_HSCROLL,
    CN_VSCROLL, CN_CTLCOLORMSGBOX, CN_CTLCOLOREDIT, CN_CTLCOLORLISTBOX, CN_CTLCOLORBTN, CN_CTLCOLORDLG,
    CN_CTLCOLORSCROLLBAR, CN_CTLCOLORSTATIC,
    SKINMSG_SKINCHANGED, SKINMSG_REPAINTFRAME, SKINMSG_ATTACHED, SKINMSG_ENABLE, SKINMSG_TABCLOSE,
    SKINMSG_BUTTONACTION, SKINMSG_BUTTONVISIBLE, SKINMSG_REDRAWCHILD, SKINMSG_RESKINCONTROL, SKINMSG_MENUKEY,
    SKINMSG_QUERY, SKINMSG_PRINTCONTROL, SKINMSG_PRINTFRAME, SKINMSG_PING, SKINMSG_ANNOUNCE,
};

constexpr bool SharedByDesign(uint32_t a) { return a == CN_NOTIFY; }

constexpr bool AllDistinct() {
    const size_t n = sizeof kAll / sizeof kAll[0];
    for (size_t i = 0; i < n; ++i) {
        if (kAll[i] < 0x0400) return false;  // below WM_USER: a system message
        for (size_t j = i + 1; j < n; ++j) {
            if (kAll[i] == kAll[j] && !SharedByDesign(kAll[i])) return false;
        }
    }
    return true;
}
}  // namespace private_messages_detail

static_assert(private_messages_detail::AllDistinct(), "two private messages share a number");
static_assert(CM_DIALOGKEY == 0xB005 && CM_FOCUSCHANGED == 0xB007 && CM_VISIBLECHANGED == 0xB00B &&
              CM_ENABLEDCHANGED == 0xB00C && CM_MOUSEENTER == 0xB013 && CM_MOUSELEAVE == 0xB014 &&
              CM_MENUCHANGED == 0xB015 && CM_EXIT == 0xB01B && CM_RELEASE == 0xB021 &&
              CM_RECREATEWND == 0xB033,
              "framework message numbers are shared with the skin engine");
static_assert(CN_COMMAND == 0xBD11 && CN_NOTIFY == 0xBC4E && CN_VSCROLL == 0xBD15,
              "reflected message numbers are shared with the skin engine");
static_assert(static_cast<uint32_t>(SKINMSG_ANNOUNCE) == static_cast<uint32_t>(CN_NOTIFY), "the announce shares its number with CN_NOTIFY");
