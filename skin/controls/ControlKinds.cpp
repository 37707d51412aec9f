#include "skin/controls/ControlKinds.h"

#include <algorithm>

namespace {

using K = TSkinnerKind;
using S = TClassifyStep;

constexpr uint32_t kHScroll = 0x00100000;  // WS_HSCROLL
constexpr uint32_t kVScroll = 0x00200000;  // WS_VSCROLL
constexpr uint32_t kTabStop = 0x00010000;  // WS_TABSTOP
constexpr size_t kMaxKindLength = 50;
constexpr size_t kMaxWindowClassLength = 100;

// Class names are ASCII; no locale takes part.
std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

TClassifyAction Attach(K kind, bool setColour = false) { return {S::Attach, kind, setColour}; }
TClassifyAction Step(S step, K kind = K::None, bool setColour = false) { return {step, kind, setColour}; }

bool Gate(const TControlFacts& f, int member) { return SkinHas(f.Controls, member); }

// The rows of the class-name table's kinds: the first whose kind and gate hold is applied.
TClassifyActions MappedActions(const std::string& kind, const TControlFacts& f, const std::string& upper) {
    const bool contains_trz = upper.find("TRZ") != std::string::npos;
    if (kind == "combobox" && Gate(f, xcCombo)) return {Attach(K::ComboBox)};
    if (kind == "comboboxex" && Gate(f, xcCombo)) return {Attach(K::ComboBoxEx)};
    if (kind == "edit" && Gate(f, xcEdit)) {
        if (f.Framed) return {Attach(K::Edit)};
        return {};
    }
    if (kind == "radiobutton" && Gate(f, xcRadioButton)) return {Attach(K::RadioButton)};
    if (kind == "panel" && Gate(f, xcPanel)) return {Step(S::SetTransparent, K::Box), Attach(K::Box, true)};
    if (kind == "trackbar" && Gate(f, xcButton)) return {Step(S::SetTransparent, K::TrackBar), Attach(K::TrackBar)};
    if (kind == "button" && Gate(f, xcButton)) return {Attach(K::Button)};
    if (kind == "datetimepicker" && Gate(f, xcCombo)) return {Attach(K::DateTime)};
    if (kind == "mediaplayer" && Gate(f, xcButton)) return {Attach(K::MediaPlayer)};
    if (kind == "bitbtn" && Gate(f, xcButton)) {
        if (upper == "TCXBUTTON" && Lower(f.KindProperty) == "cxbkdropdownbutton") return {Attach(K::MenuButton)};
        return {Attach(K::BitButton)};
    }
    if (kind == "pngbitbtn" && Gate(f, xcButton)) return {Attach(K::PngBitButton)};
    if (kind == "pngspeedbutton" && Gate(f, xcButton)) return {Attach(K::PngSpeedButton)};
    if (kind == "menubtn" && Gate(f, xcButton)) return {Attach(K::MenuButton)};
    if (kind == "speedbutton" && Gate(f, xcSpeedButton)) return {Attach(K::SpeedButton)};
    if (kind == "tab" && Gate(f, xcTab) && f.TabsElement) return {Attach(K::Tab)};
    if (kind == "progress" && Gate(f, xcProgress)) return {Attach(K::Progress)};
    if (kind == "scrollbar" && Gate(f, xcScrollbar)) return {Attach(K::ScrollBar), Step(S::WalkChildren)};
    if (kind == "singlescrollbar" && Gate(f, xcScrollbar)) return {Attach(K::SingleScrollBar)};
    if (kind == "embedscrollbar" && Gate(f, xcScrollbar)) return {Step(S::EachScrollingChild, K::ScrollBar)};
    if (kind == "container") return {Step(S::WalkChildren)};
    if (kind == "groupbox" && Gate(f, xcGroupBox)) return {Attach(K::GroupBox, true)};
    if (kind == "advpagecontrol" && Gate(f, xcTab)) return {Attach(K::AdvPage, true)};
    if (kind == "radiogroup" && Gate(f, xcGroupBox)) {
        TClassifyActions a;
        if (Gate(f, xcRadioButton))
            a.push_back(contains_trz ? Step(S::EachChild, K::ObjImageRadio, true) : Step(S::EachChild, K::RadioButton));
        a.push_back(Attach(K::GroupBox, true));
        return a;
    }
    if (kind == "checkgroup" && Gate(f, xcPanel)) {
        TClassifyActions a;
        if (Gate(f, xcRadioButton))
            a.push_back(contains_trz ? Step(S::EachChild, K::ObjImageCheck, true) : Step(S::EachChild, K::CheckBox));
        if (Gate(f, xcGroupBox)) a.push_back(Attach(K::GroupBox, true));
        return a;
    }
    if (kind == "checkbox" && Gate(f, xcCheckBox)) return {Attach(K::CheckBox)};
    return {};
}

// The built-in rules, first match (test and gate) wins.
TClassifyActions BuiltinActions(const TControlFacts& f, const std::string& n) {
    const bool tabs = Gate(f, xcTab) && f.TabsElement;
    if (f.Is("TCustomTabControl") && tabs) {
        if (f.Is("TPageControl")) return {Attach(f.PageControlTabs ? K::Tab : K::TabButtons)};
        return {Attach(K::TabMode2)};
    }
    if (n == "TTABSET" && tabs) return {Attach(K::Tab31)};
    if (f.Is("TTabSheet") && tabs) return {Attach(K::TabSheet)};
    if (n == "TTABBEDNOTEBOOK" && tabs) return {Attach(K::Tab)};
    if (n == "TMVCPANEL") return {Step(S::WalkChildren)};
    if (f.Is("TCheckBox") && Gate(f, xcCheckBox)) return {Attach(K::CheckBox)};
    if ((n == "TUPDOWN" || n == "TSPINBUTTON") && Gate(f, xcSpin)) return {Attach(K::UpDown)};
    if (n == "TMEDIAPLAYER" && Gate(f, xcButton)) return {Attach(K::MediaPlayer)};
    if (n == "TDBNAVIGATOR" && Gate(f, xcPanel)) return {Attach(K::Box, true), Step(S::WalkChildren)};
    if ((n == "TRZDBCHECKBOX" || n == "TRZCHECKBOX") && Gate(f, xcCheckBox)) return {Attach(K::ObjImageCheck, true)};
    if ((n == "TRZRADIOBUTTON" || n == "TRZDBRADIOBUTTON") && Gate(f, xcRadioButton))
        return {Attach(K::ObjImageRadio, true)};
    if ((n == "TCXDBCHECKBOX" || n == "TCXCHECKBOX") && Gate(f, xcCheckBox)) return {Attach(K::ObjImageCx, true)};
    if (f.Is("TCustomGroupBox") && Gate(f, xcPanel)) return {Step(S::WalkChildren), Attach(K::GroupBox)};
    if (f.Is("TRadioButton") && Gate(f, xcRadioButton)) return {Attach(K::RadioButton)};
    if (f.Is("TCustomStatusBar") && Gate(f, xcStatusBar)) return {Attach(K::StatusBar)};
    if (f.Is("TProgressBar") && Gate(f, xcProgress)) return {Attach(K::Progress)};
    if (f.Is("TScrollBar") && Gate(f, xcScrollbar)) return {Attach(K::ScrollControl)};
    // The framework's own combo box, date-time picker and track bar (the stored class
    // table is the user's and keeps its lines).
    if (f.Is("TComboBox") && Gate(f, xcCombo)) return {Attach(K::ComboBox)};
    if (f.Is("TDateTimePicker") && Gate(f, xcCombo)) return {Attach(K::DateTime)};
    if (f.Is("TTrackBar") && Gate(f, xcButton)) return {Step(S::SetTransparent, K::TrackBar), Attach(K::TrackBar)};
    if (n == "TTNTCOMBOBOX" && Gate(f, xcCombo)) return {Attach(K::ComboBox)};
    if (n == "TRICHEDIT" && Gate(f, xcScrollbar)) return {Attach(K::ScrollBar)};
    if ((n == "TWWDBRICHEDIT" || n == "TDXDBMEMO") && Gate(f, xcScrollbar)) return {Attach(K::ScrollBar)};
    if (f.Is("TCustomPanel") && Gate(f, xcPanel)) return {Step(S::WalkChildren), Attach(K::Box, true)};
    if ((n == "TDXTREELIST" || n == "TDXDBTREELIST" || n == "TDXDBGRID") && Gate(f, xcScrollbar))
        return {Attach(K::ScrollBar)};
    if (f.Is("TCustomMemo") && Gate(f, xcScrollbar)) return {Attach(K::ScrollBar)};
    if (HasScrollBars(f) && Gate(f, xcScrollbar)) return {Attach(K::ScrollBar)};
    if (f.Is("TButton") && Gate(f, xcButton)) return {Attach(K::Button)};
    if (f.Is("TCustomEdit") && Gate(f, xcEdit)) return {Attach(K::Edit)};
    const bool dcEdit = n == "TDCEDIT" || n == "TDCDBEDIT";
    if (!dcEdit && f.Is("TCustomForm")) return {Attach(K::Box, true), Step(S::ComponentsPass)};
    if (dcEdit) {
        if (f.NumButtons == 1 && Gate(f, xcCombo)) return {Attach(K::ComboBox)};
        if (f.NumButtons == 0 && Gate(f, xcEdit)) return {Step(S::AttachBare, K::Edit)};
    }
    return {};
}

}  // namespace

bool TControlFacts::Is(const char* frameworkClass) const {
    return std::find(Lineage.begin(), Lineage.end(), frameworkClass) != Lineage.end();
}

bool LookupClassKind(const std::vector<std::string>& lines, const std::string& className, std::string& kind) {
    const std::string prefix = Lower(className) + "=";
    for (const std::string& line : lines) {
        const std::string lower = Lower(line);
        if (lower.compare(0, prefix.size(), prefix) != 0) continue;
        kind = lower.substr(prefix.size(), kMaxKindLength);
        return true;
    }
    return false;
}

bool DisablesChildren(const std::string& className) {
    const std::string lower = Lower(className);
    return lower.find("radiogroup") != std::string::npos || lower.find("checkgroup") != std::string::npos;
}

bool HasScrollBars(const TControlFacts& f) {
    if (!f.Windowed) return false;
    return (f.Style & (kHScroll | kVScroll)) != 0 || f.Is("TListBox") || f.Is("TMemo") || f.Is("TCustomListBox");
}

TControlDecision DecideControl(const TControlFacts& facts) {
    const std::string upper = Upper(facts.ClassName);
    TControlDecision d;
    std::string kind;
    if (facts.ClassKinds && LookupClassKind(*facts.ClassKinds, upper, kind)) {
        d.Mapped = true;
        if (kind != "nil") d.Actions = MappedActions(kind, facts, upper);
        return d;
    }
    if (upper == "TDBCOMBOBOXEH" || upper == "TFRDESIGNERPAGE" || upper == "TFRPBOX") return d;
    d.Actions = BuiltinActions(facts, upper);
    return d;
}

TClassifyActions DecideWindow(const TWindowFacts& facts) {
    const std::string n = Lower(facts.ClassName.substr(0, kMaxWindowClassLength));
    const uint32_t style = facts.Style;
    const auto gate = [&](int member) { return SkinHas(facts.Controls, member); };
    if (n == "button" && (style & 0xF) != 0xB) {  // 0xB: owner-drawn
        if ((style & 7) == 7 || (style & 0x80)) return {};  // group box, picture button
        if ((style & 3) == 3 || (style & 2) || (style & 5) == 5)
            return gate(xcCheckBox) ? TClassifyActions{Attach(K::CheckBox)} : TClassifyActions{};
        if ((style & 9) == 9 || (style & 4))
            return gate(xcRadioButton) ? TClassifyActions{Attach(K::RadioButton)} : TClassifyActions{};
        return gate(xcButton) ? TClassifyActions{Attach(K::Button)} : TClassifyActions{};
    }
    if (n == "combobox" && gate(xcCombo)) {
        if ((style & 3) == 1) return {};  // a simple combo box
        return {Attach(K::ComboBox)};
    }
    if (n == "comboboxex32" && gate(xcCombo)) return {Step(S::AttachFirstChild, K::ComboBox)};
    if (n == "scrollbar" && !(style & kTabStop)) return {Attach(K::Sizer)};
    if (n == "systreeview32") return {};
    if (n == "#32770" && !(style & kTabStop)) return {Step(S::WalkBareChildren), Attach(K::BoxH)};
    if (n == "tpanel" || n == "ttntpanel.unicodeclass" || n == "ttntsilentpaintpanel.unicodeclass")
        return {Step(S::WalkBareChildren), Step(S::FaceColour)};
    if (n == "tcheckbox" && gate(xcCheckBox)) return {Attach(K::CheckBox)};
    if (n == "tcombobox" && gate(xcCombo)) return {Attach(K::ComboBox)};
    if (n == "tbutton" && gate(xcButton)) return {Attach(K::Button)};
    if (n == "tprogressbar") return {Attach(K::Progress)};
    if (n == "tsilentpaintpanel") return {Step(S::FaceColour)};
    if (n == "systabcontrol32" && gate(xcTab) && !(style & 0x2000)) return {Attach(K::Tab)};
    if (n == "toolbarwindow32") return {Attach(K::BoxH)};
    if (n == "edit" && gate(xcEdit)) return {Attach(K::Edit)};
    return {};
}
