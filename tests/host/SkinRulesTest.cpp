// The skin manager's window decisions and the skin data component's built-in tables,
// checked without windows.
#include "skin/data/SkinOptions.h"
#include "skin/data/SkinRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

TEST(SkinRules, BuiltinClassKindsTableAsStored) {
    const std::vector<std::string>& lines = BuiltinClassKinds();
    ASSERT_EQ(lines.size(), 118u);
    const std::vector<std::string> opening = {
        "TCategoryButtons=", "TPngSpeedbutton=", "TPngBitBtn=",    "TVirtualStringTree=", "TVirtualDrawTree=",
        "TTBXDockablePanel=", "TAdvPanelGroup=", "TComboboxex=", "TRxSpeedButton="};
    for (size_t i = 0; i < opening.size(); ++i) EXPECT_EQ(lines[i].rfind(opening[i], 0), 0u) << i;
    // Per kind counts, and a class listed twice carries the same kind each time.
    std::vector<std::pair<std::string, int>> counts = {
        {"scrollbar", 10}, {"pngspeedbutton", 1}, {"pngbitbtn", 1}, {"panel", 15},      {"combobox", 39},
        {"speedbutton", 3}, {"button", 1},        {"bitbtn", 3},    {"menubtn", 1},     {"checkgroup", 3},
        {"radiogroup", 7},  {"edit", 26},         {"radiobutton", 2}, {"groupbox", 2},  {"checkbox", 4}};
    std::set<std::string> distinct;
    for (auto& [kind, expected] : counts) {
        int n = 0;
        for (const std::string& line : lines) {
            const size_t eq = line.find('=');
            ASSERT_NE(eq, std::string::npos) << line;
            n += LowerAscii(line.substr(eq + 1)) == kind;
        }
        EXPECT_EQ(n, expected) << kind;
    }
    for (const std::string& line : lines) distinct.insert(line);
    EXPECT_EQ(distinct.size(), 115u);  // three classes are listed twice, with one kind
    EXPECT_EQ(kDefaultSkinControls & SkinBit(xcMenuItem), 0u);
}

TEST(SkinRules, WindowClassFilterAndBuiltinFormExclusions) {
    const TSkinOptions withPreview = kDefaultSkinOptions;
    const TSkinOptions noPreview = kDefaultSkinOptions & ~SkinBit(xoPreview);
    EXPECT_TRUE(WindowClassAllowed(withPreview, "TPrintPreviewForm", 0));
    EXPECT_FALSE(WindowClassAllowed(noPreview, "TPrintPreviewForm", 0));
    EXPECT_FALSE(WindowClassAllowed(noPreview, "my_PREVIEW", 0));
    EXPECT_TRUE(WindowClassAllowed(noPreview, "TForm1", 0));
    EXPECT_FALSE(WindowClassAllowed(withPreview, "#32770", 0x200));
    EXPECT_TRUE(WindowClassAllowed(withPreview, "#32770", 0x100));
    EXPECT_FALSE(WindowClassAllowed(withPreview, "TPopupDBTreeView", 0));

    EXPECT_FALSE(FormClassAllowed(kDefaultSkinControls, "SysMonthCal32"));
    EXPECT_TRUE(FormClassAllowed(kDefaultSkinControls, "sysmonthcal32"));  // exact name only
    EXPECT_TRUE(FormClassAllowed(kDefaultSkinControls, "TfrDesigner"));   // no xcFastReport by default
    const TSkinControlTypes fast = kDefaultSkinControls | SkinBit(xcFastReport);
    EXPECT_FALSE(FormClassAllowed(fast, "TfrDesigner"));
    EXPECT_TRUE(FormClassAllowed(fast, "TFRDesigner"));
    EXPECT_TRUE(FormClassAllowed(fast, "Tf"));
}

TEST(SkinRules, ChoiceOfSkinDataByScopeAndOrder) {
    using F = TSkinDataFact;
    EXPECT_EQ(ChooseSkinDataIndex({}, "TForm1"), -1);
    // Nothing matches a scope rule: the first registered one serves.
    EXPECT_EQ(ChooseSkinDataIndex({F{sfDLL, false}, F{sfDialog, false}}, "TForm1"), 0);
    // The form's own component first, then for dialogs the dialog one, then the main one;
    // within a step the last registered wins.
    const std::vector<F> all = {F{sfMainform, false}, F{sfDialog, false}, F{sfOnlyThisForm, false},
                                F{sfMainform, false}, F{sfDialog, false}};
    EXPECT_EQ(ChooseSkinDataIndex(all, "TForm1"), 3);
    EXPECT_EQ(ChooseSkinDataIndex(all, "#32770"), 4);
    EXPECT_EQ(ChooseSkinDataIndex(all, "TMessageForm"), 4);
    std::vector<F> owned = all;
    owned[2].ownerIsWindow = true;
    EXPECT_EQ(ChooseSkinDataIndex(owned, "#32770"), 2);
    // A dialog without a dialog component falls back to the main one.
    EXPECT_EQ(ChooseSkinDataIndex({F{sfDLL, false}, F{sfMainform, false}}, "#32770"), 1);
}

TEST(SkinRules, WhichWindowsQualifyForAFormSkinner) {
    TSkinWindowFacts form;
    form.className = "TForm1";
    form.hasForm = true;
    form.hasArea = true;
    EXPECT_TRUE(WindowQualifies(form));
    TSkinWindowFacts f = form;
    f.formTag = 99;  // fixed, whatever DisableTag is
    EXPECT_FALSE(WindowQualifies(f));
    f.formTag = 98;
    EXPECT_TRUE(WindowQualifies(f));
    // A foreign class with no framework object: only "#32770" or a class of this module.
    f = form;
    f.hasForm = false;
    f.className = "ForeignFrame";
    EXPECT_FALSE(WindowQualifies(f));
    f.ownModule = true;
    EXPECT_TRUE(WindowQualifies(f));
    f.ownModule = false;
    f.className = "#32770";
    EXPECT_TRUE(WindowQualifies(f));
    // Child windows: only MDI children, children of an MDI client, or during enumeration.
    f = form;
    f.childStyle = true;
    f.parentClass = "TForm1";
    EXPECT_FALSE(WindowQualifies(f));
    f.parentClass = "MDIClient";
    EXPECT_TRUE(WindowQualifies(f));
    f.parentClass = "TForm1";
    f.enumerating = true;
    EXPECT_TRUE(WindowQualifies(f));
    f.enumerating = false;
    f.mdiChild = true;
    f.hasArea = false;  // an MDI child is taken before it has a size
    EXPECT_TRUE(WindowQualifies(f));
    f = form;
    f.hasArea = false;
    EXPECT_FALSE(WindowQualifies(f));
    for (const char* excluded : {"TApplication", "xTcxPopupEditPopupWindow1", "TTERenderWindow"}) {
        f = form;
        f.className = excluded;
        EXPECT_FALSE(WindowQualifies(f)) << excluded;
    }
    f.className = "TApplication2";
    EXPECT_TRUE(WindowQualifies(f));
}

TEST(SkinRules, PopupKindsNeedTheirControlSwitch) {
    EXPECT_TRUE(PopupKindAllowed(0, SkinBit(xcPopupMenu)));
    EXPECT_FALSE(PopupKindAllowed(0, SkinBit(xcMainMenu)));
    EXPECT_TRUE(PopupKindAllowed(1, SkinBit(xcMainMenu)));
    EXPECT_TRUE(PopupKindAllowed(1, SkinBit(xcMenuItem)));
    EXPECT_FALSE(PopupKindAllowed(1, SkinBit(xcPopupMenu)));
    EXPECT_TRUE(PopupKindAllowed(2, SkinBit(xcSystemMenu)));
    EXPECT_FALSE(PopupKindAllowed(2, kDefaultSkinControls & ~SkinBit(xcSystemMenu)));
}
