// Which skinner a framework control or a bare window gets: the class-name table with its
// gates, the built-in rules in their order, and the bare-window rules.
#include "skin/controls/ControlKinds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = TSkinnerKind;
using S = TClassifyStep;

TClassifyAction A(K kind, bool setColour = false) { return {S::Attach, kind, setColour}; }
TClassifyAction St(S step, K kind = K::None, bool setColour = false) { return {step, kind, setColour}; }

TControlFacts Facts(const std::string& name, std::vector<std::string> lineage = {}, bool windowed = true) {
    TControlFacts f;
    f.ClassName = name;
    lineage.insert(lineage.begin(), name);
    f.Lineage = lineage;
    f.Windowed = windowed;
    f.TabsElement = true;
    return f;
}

std::string Describe(const TClassifyActions& actions) {
    std::string s;
    for (const TClassifyAction& a : actions)
        s += "(" + std::to_string(int(a.Step)) + "," + std::to_string(int(a.Kind)) + "," + (a.SetColour ? "1" : "0") + ")";
    return s;
}

}  // namespace

TEST(ControlKinds, ClassKindsLookup) {
    const std::vector<std::string> lines = {"TFoo = button", "tfoo=Panel", "TFoo=edit", "TFooBar=button",
                                            "TLong=" + std::string(60, 'x')};
    std::string kind;
    // A line with blanks around "=" never matches; the first matching line wins, lower-cased.
    ASSERT_TRUE(LookupClassKind(lines, "TFOO", kind));
    EXPECT_EQ(kind, "panel");
    ASSERT_TRUE(LookupClassKind(lines, "TFooBar", kind));
    EXPECT_EQ(kind, "button");
    EXPECT_FALSE(LookupClassKind(lines, "TFo", kind));
    EXPECT_FALSE(LookupClassKind({"TFoo =button"}, "TFoo", kind));
    ASSERT_TRUE(LookupClassKind(lines, "TLONG", kind));
    EXPECT_EQ(kind.size(), 50u);
    // In the built-in table TLMDGROUPBOX=Panel comes before TLMDGroupBox=GroupBox: the
    // match ignores case, so the first one decides.
    ASSERT_TRUE(LookupClassKind(BuiltinClassKinds(), "TLMDGROUPBOX", kind));
    EXPECT_EQ(kind, "panel");
    ASSERT_TRUE(LookupClassKind(BuiltinClassKinds(), "TComboboxEx", kind));
    EXPECT_EQ(kind, "combobox");
}

TEST(ControlKinds, EveryKindOfTheTableWithItsGate) {
    struct Row {
        std::string kind;
        int gate;  // the member whose absence leaves the control plain; -1 none
        TClassifyActions on;
    };
    const std::vector<Row> rows = {
        {"combobox", xcCombo, {A(K::ComboBox)}},
        {"comboboxex", xcCombo, {A(K::ComboBoxEx)}},
        {"edit", xcEdit, {A(K::Edit)}},
        {"radiobutton", xcRadioButton, {A(K::RadioButton)}},
        {"panel", xcPanel, {St(S::SetTransparent, K::Box), A(K::Box, true)}},
        {"trackbar", xcButton, {St(S::SetTransparent, K::TrackBar), A(K::TrackBar)}},
        {"button", xcButton, {A(K::Button)}},
        {"datetimepicker", xcCombo, {A(K::DateTime)}},
        {"mediaplayer", xcButton, {A(K::MediaPlayer)}},
        {"bitbtn", xcButton, {A(K::BitButton)}},
        {"pngbitbtn", xcButton, {A(K::PngBitButton)}},
        {"pngspeedbutton", xcButton, {A(K::PngSpeedButton)}},
        {"menubtn", xcButton, {A(K::MenuButton)}},
        {"speedbutton", xcSpeedButton, {A(K::SpeedButton)}},
        {"tab", xcTab, {A(K::Tab)}},
        {"progress", xcProgress, {A(K::Progress)}},
        {"scrollbar", xcScrollbar, {A(K::ScrollBar), St(S::WalkChildren)}},
        {"singlescrollbar", xcScrollbar, {A(K::SingleScrollBar)}},
        {"embedscrollbar", xcScrollbar, {St(S::EachScrollingChild, K::ScrollBar)}},
        {"container", -1, {St(S::WalkChildren)}},
        {"groupbox", xcGroupBox, {A(K::GroupBox, true)}},
        {"advpagecontrol", xcTab, {A(K::AdvPage, true)}},
        {"radiogroup", xcGroupBox, {St(S::EachChild, K::RadioButton), A(K::GroupBox, true)}},
        {"checkgroup", xcPanel, {St(S::EachChild, K::CheckBox), A(K::GroupBox, true)}},
        {"checkbox", xcCheckBox, {A(K::CheckBox)}},
    };
    for (const Row& row : rows) {
        // A class the built-in rules would skin as a button: the table line overrides them.
        const std::vector<std::string> lines = {"TMine=" + row.kind};
        TControlFacts f = Facts("TMine", {"TButton"});
        f.ClassKinds = &lines;
        f.Framed = true;
        TControlDecision d = DecideControl(f);
        EXPECT_TRUE(d.Mapped) << row.kind;
        EXPECT_EQ(Describe(d.Actions), Describe(row.on)) << row.kind;
        if (row.gate < 0) continue;
        f.Controls &= ~SkinBit(row.gate);
        d = DecideControl(f);
        EXPECT_TRUE(d.Mapped) << row.kind;
        EXPECT_TRUE(d.Actions.empty()) << row.kind << " gate off: " << Describe(d.Actions);
    }
    const std::vector<std::string> lines = {"TMine=nil", "TEd=edit", "TRzGrp=radiogroup", "TRzChk=checkgroup",
                                            "TcxButton=bitbtn", "TTb=tab"};
    TControlFacts f = Facts("TMine", {"TButton"});
    f.ClassKinds = &lines;
    TControlDecision d = DecideControl(f);
    EXPECT_TRUE(d.Mapped && d.Actions.empty());  // nil: plain, built-in rules not tried
    f.ClassName = "TEd";  // an edit without a border gets nothing
    EXPECT_TRUE(DecideControl(f).Actions.empty());
    f.ClassName = "TRzGrp";
    EXPECT_EQ(Describe(DecideControl(f).Actions),
              Describe({St(S::EachChild, K::ObjImageRadio, true), A(K::GroupBox, true)}));
    f.Controls &= ~SkinBit(xcRadioButton);
    EXPECT_EQ(Describe(DecideControl(f).Actions), Describe({A(K::GroupBox, true)}));
    f.Controls = kDefaultSkinControls & ~SkinBit(xcGroupBox);
    f.ClassName = "TRzChk";  // children without the group box
    EXPECT_EQ(Describe(DecideControl(f).Actions), Describe({St(S::EachChild, K::ObjImageCheck, true)}));
    f.Controls = kDefaultSkinControls;
    f.ClassName = "TcxButton";
    f.KindProperty = "cxbkDropDownButton";
    EXPECT_EQ(Describe(DecideControl(f).Actions), Describe({A(K::MenuButton)}));
    f.ClassName = "TTb";  // tab needs the skin's Tabs element too
    f.TabsElement = false;
    EXPECT_TRUE(DecideControl(f).Actions.empty());
}

TEST(ControlKinds, BuiltinRulesInOrder) {
    struct Row {
        TControlFacts facts;
        TClassifyActions expected;
    };
    TControlFacts buttonsPage = Facts("TPageControl", {"TCustomTabControl"});
    buttonsPage.PageControlTabs = false;
    TControlFacts scrolling = Facts("TOddList");
    scrolling.Style = 0x00200000;
    TControlFacts dcCombo = Facts("TDCEdit", {"TCustomForm"});
    dcCombo.NumButtons = 1;
    TControlFacts dcEdit = Facts("TDCDBEdit");
    dcEdit.NumButtons = 0;
    const std::vector<Row> rows = {
        {Facts("TPageControl", {"TCustomTabControl"}), {A(K::Tab)}},
        {buttonsPage, {A(K::TabButtons)}},
        {Facts("TTabControl", {"TCustomTabControl"}), {A(K::TabMode2)}},
        {Facts("TTabSet"), {A(K::Tab31)}},
        {Facts("TTabSheet", {"TCustomControl"}), {A(K::TabSheet)}},
        {Facts("TTabbedNotebook"), {A(K::Tab)}},
        {Facts("TMvcPanel", {"TCustomPanel"}), {St(S::WalkChildren)}},
        {Facts("TCheckBox", {"TButtonControl"}), {A(K::CheckBox)}},
        {Facts("TUpDown"), {A(K::UpDown)}},
        {Facts("TSpinButton"), {A(K::UpDown)}},
        {Facts("TMediaPlayer"), {A(K::MediaPlayer)}},
        {Facts("TDBNavigator", {"TCustomPanel"}), {A(K::Box, true), St(S::WalkChildren)}},
        {Facts("TRzCheckBox"), {A(K::ObjImageCheck, true)}},
        {Facts("TRzDBRadioButton"), {A(K::ObjImageRadio, true)}},
        {Facts("TcxCheckBox"), {A(K::ObjImageCx, true)}},
        {Facts("TGroupBox", {"TCustomGroupBox"}), {St(S::WalkChildren), A(K::GroupBox)}},
        {Facts("TRadioButton", {"TButtonControl"}), {A(K::RadioButton)}},
        {Facts("TStatusBar", {"TCustomStatusBar"}), {A(K::StatusBar)}},
        {Facts("TProgressBar"), {A(K::Progress)}},
        {Facts("TScrollBar"), {A(K::ScrollControl)}},
        {Facts("TComboBox"), {A(K::ComboBox)}},
        {Facts("TDateTimePicker"), {A(K::DateTime)}},
        {Facts("TTrackBar"), {St(S::SetTransparent, K::TrackBar), A(K::TrackBar)}},
        {Facts("TTntComboBox"), {A(K::ComboBox)}},
        {Facts("TRichEdit", {"TCustomMemo"}), {A(K::ScrollBar)}},
        {Facts("TdxDBMemo"), {A(K::ScrollBar)}},
        {Facts("TPanel", {"TCustomPanel"}), {St(S::WalkChildren), A(K::Box, true)}},
        {Facts("TdxDBGrid"), {A(K::ScrollBar)}},
        {Facts("TMemo", {"TCustomMemo", "TCustomEdit"}), {A(K::ScrollBar)}},
        {Facts("TListBox", {"TCustomListBox"}), {A(K::ScrollBar)}},
        {scrolling, {A(K::ScrollBar)}},
        {Facts("TButton", {"TButtonControl"}), {A(K::Button)}},
        {Facts("TEdit", {"TCustomEdit"}), {A(K::Edit)}},
        {Facts("TFrame2", {"TCustomForm"}), {A(K::Box, true), St(S::ComponentsPass)}},
        {dcCombo, {A(K::ComboBox)}},
        {dcEdit, {St(S::AttachBare, K::Edit)}},
        {Facts("TLabel", {"TGraphicControl"}, false), {}},
        {Facts("TDBComboBoxEh", {"TButton"}), {}},  // excluded by name
        {Facts("TBevel", {"TGraphicControl"}, false), {}},
    };
    for (const Row& row : rows) {
        const TControlDecision d = DecideControl(row.facts);
        EXPECT_FALSE(d.Mapped) << row.facts.ClassName;
        EXPECT_EQ(Describe(d.Actions), Describe(row.expected)) << row.facts.ClassName;
    }
    // A gate that is off passes the control on to the later rules.
    TControlFacts memo = Facts("TMemo", {"TCustomMemo", "TCustomEdit"});
    memo.Controls &= ~SkinBit(xcScrollbar);
    EXPECT_EQ(Describe(DecideControl(memo).Actions), Describe({A(K::Edit)}));
    TControlFacts page = Facts("TPageControl", {"TCustomTabControl"});
    page.TabsElement = false;
    EXPECT_TRUE(DecideControl(page).Actions.empty());
    // Only windowed controls have scroll bars by style.
    TControlFacts graphic = Facts("TShape", {}, false);
    graphic.Style = 0x00300000;
    EXPECT_FALSE(HasScrollBars(graphic));
}

TEST(ControlKinds, GroupsThatDisableTheirButtons) {
    EXPECT_TRUE(DisablesChildren("TRzRadioGroup"));
    EXPECT_TRUE(DisablesChildren("TLMDDBCHECKGROUP"));
    EXPECT_FALSE(DisablesChildren("TGroupBox"));
    EXPECT_FALSE(DisablesChildren("TRadioButton"));
}

TEST(ControlKinds, BareWindows) {
    struct Row {
        const char* cls;
        uint32_t style;
        TClassifyActions expected;
    };
    const std::vector<Row> rows = {
        {"Button", 0x0, {A(K::Button)}},           // BS_PUSHBUTTON
        {"Button", 0x1, {A(K::Button)}},           // BS_DEFPUSHBUTTON
        {"BUTTON", 0x3, {A(K::CheckBox)}},         // BS_AUTOCHECKBOX
        {"button", 0x2, {A(K::CheckBox)}},         // BS_CHECKBOX
        {"button", 0x5, {A(K::CheckBox)}},         // BS_3STATE
        {"button", 0x6, {A(K::CheckBox)}},         // BS_AUTO3STATE
        {"button", 0x9, {A(K::RadioButton)}},      // BS_AUTORADIOBUTTON
        {"button", 0x4, {A(K::RadioButton)}},      // BS_RADIOBUTTON
        {"button", 0x7, {}},                       // BS_GROUPBOX
        {"button", 0x80, {}},                      // BS_BITMAP
        {"button", 0xB, {}},                       // owner-drawn: the other classes' rules
        {"ComboBox", 0x2, {A(K::ComboBox)}},       // drop-down
        {"ComboBox", 0x1, {}},                     // simple
        {"ComboBoxEx32", 0, {St(S::AttachFirstChild, K::ComboBox)}},
        {"ScrollBar", 0, {A(K::Sizer)}},
        {"ScrollBar", 0x10000, {}},
        {"SysTreeView32", 0, {}},
        {"#32770", 0, {St(S::WalkBareChildren), A(K::BoxH)}},
        {"#32770", 0x10000, {}},
        {"TPanel", 0, {St(S::WalkBareChildren), St(S::FaceColour)}},
        {"TTntPanel.UnicodeClass", 0, {St(S::WalkBareChildren), St(S::FaceColour)}},
        {"TCheckBox", 0, {A(K::CheckBox)}},
        {"TComboBox", 0, {A(K::ComboBox)}},
        {"TButton", 0, {A(K::Button)}},
        {"TProgressBar", 0, {A(K::Progress)}},
        {"TSilentPaintPanel", 0, {St(S::FaceColour)}},
        {"SysTabControl32", 0, {A(K::Tab)}},
        {"SysTabControl32", 0x2000, {}},
        {"ToolbarWindow32", 0, {A(K::BoxH)}},
        {"Edit", 0, {A(K::Edit)}},
        {"Static", 0, {}},
    };
    for (const Row& row : rows) {
        TWindowFacts f{row.cls, row.style};
        EXPECT_EQ(Describe(DecideWindow(f)), Describe(row.expected)) << row.cls << " " << row.style;
    }
    // Gates: a check box style without xcCheckBox stays plain (no fall-through to push button).
    TWindowFacts check{"button", 3, kDefaultSkinControls & ~SkinBit(xcCheckBox)};
    EXPECT_TRUE(DecideWindow(check).empty());
    TWindowFacts edit{"edit", 0, kDefaultSkinControls & ~SkinBit(xcEdit)};
    EXPECT_TRUE(DecideWindow(edit).empty());
    // Only the first 100 characters of the class name are read.
    TWindowFacts longName{"edit" + std::string(100, 'x'), 0};
    EXPECT_TRUE(DecideWindow(longName).empty());
}
