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

#include <string>
#include <vector>

#include "skin/data/SkinOptions.h"

// One step of what classification does with a control or a bare window, in order.
enum class TClassifyStep : uint8_t {
    Attach,              // a skinner of Kind on the control (or, for a bare window, on it)
    AttachBare,          // a skinner of Kind on the control's window as a bare window
    AttachFirstChild,    // a skinner of Kind on the window's first child window, if any
    SetTransparent,      // published "Transparent" := "True" (when the control has it)
    WalkChildren,        // each child control is classified in turn
    EachChild,           // each child control gets a skinner of Kind
    EachScrollingChild,  // each child control with scroll bars gets a skinner of Kind
    ComponentsPass,      // the components pass over the control (a form embedded as a control)
    WalkBareChildren,    // each child window is classified as a bare window
    FaceColour,          // the window's framework control takes the skin's ButtonFace colour
};

struct TClassifyAction {
    TClassifyStep Step;
    TSkinnerKind Kind = TSkinnerKind::None;
    bool SetColour = false;
    bool operator==(const TClassifyAction& o) const {
        return Step == o.Step && Kind == o.Kind && SetColour == o.SetColour;
    }
};
using TClassifyActions = std::vector<TClassifyAction>;

// What classification needs to know about one framework control.
struct TControlFacts {
    std::string ClassName;             // any case
    std::vector<std::string> Lineage;  // the class and its ancestors (framework class names)
    bool Windowed = false;
    uint32_t Style = 0;               // the window style of a windowed control
    bool PageControlTabs = true;      // a page control's Style is tsTabs
    std::string KindProperty;         // published "Kind" as text (any case), "" if none
    long long NumButtons = -1;        // published "NumButtons", -1 if none
    bool Framed = false;              // window and client rectangles differ in width or height
    TSkinControlTypes Controls = kDefaultSkinControls;
    bool TabsElement = false;         // the skin has its Tabs element
    const std::vector<std::string>* ClassKinds = nullptr;  // the user's "Class=kind" lines

    bool Is(const char* frameworkClass) const;
};

struct TControlDecision {
    bool Mapped = false;  // a ClassKinds line decided (the built-in rules were not used)
    TClassifyActions Actions;
};

// The kind text of the first line "classname=kind" (matched on the lower-cased line; the
// kind lower-cased, at most 50 characters). False when no line names the class.
bool LookupClassKind(const std::vector<std::string>& lines, const std::string& className, std::string& kind);
// A disabled group of this class disables its buttons too.
bool DisablesChildren(const std::string& className);
// A windowed control with a window scroll-bar style, or a list box or memo.
bool HasScrollBars(const TControlFacts& facts);
// The class-name table and then the built-in rules for a control that is to be skinned.
TControlDecision DecideControl(const TControlFacts& facts);

// What classification needs to know about a window without a framework object.
struct TWindowFacts {
    std::string ClassName;  // any case; at most 100 characters are read
    uint32_t Style = 0;
    TSkinControlTypes Controls = kDefaultSkinControls;
};
TClassifyActions DecideWindow(const TWindowFacts& facts);
