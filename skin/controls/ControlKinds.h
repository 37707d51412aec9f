#pragma once
// Which skinner a control gets: the kinds of control skinner, and the portable decision
// that picks one (or a walk over children) from a control's class, style bits, published
// properties, the skin's switch set and the user's class-name table. Portable: no
// platform headers; the Win32 side (Classify.h) gathers the facts and acts on the result.
#include <cstdint>

enum class TSkinnerKind : uint8_t {
    None,
    Button,
    BitButton,
    PngBitButton,   // bit button taking its glyph from "PngImage"
    SpeedButton,
    PngSpeedButton,
    MenuButton,
    CheckBox,
    RadioButton,
    ObjImageCheck,  // mode 1
    ObjImageRadio,  // mode 2
    ObjImageCx,     // mode 3
    ScrollBar,
    SingleScrollBar,
    ScrollBarH,     // bare window's bars
    ScrollControl,  // a scroll bar control
    ListView,
    Edit,
    ComboBox,
    ComboBoxEx,
    DateTime,
    Tab,
    TabMode2,
    Tab31,
    TabButtons,
    TabSheet,
    AdvPage,
    GroupBox,
    Box,
    BoxH,
    Sizer,
    StatusBar,
    Progress,
    TrackBar,
    UpDown,
    MediaPlayer,
    Header,
};

// The decision itself is declared below this line by the classification's author.
