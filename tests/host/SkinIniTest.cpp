#include "skin/data/SkinIni.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TSkinIni Ini(const std::string& text) {
    TSkinIni ini;
    ini.LoadFromText(text);
    return ini;
}

}  // namespace

TEST(SkinIni, LineEndsTrimmingAndComments) {
    // CR LF, lone CR, lone LF; LF CR is two line ends with a dropped empty line between.
    const std::string text = std::string("  [A]  \r\nk1 = v1 \rk2=v2\n\n; note=1\nk3=x;y\n\r") +
                             "k4=\x01v4\x02\t\n" + "k5=5" + std::string(1, '\0') + "k6=6\n";
    const TSkinIni ini = Ini(text);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k1 = v1", "k2=v2", "k3=x;y", "k4=\x01v4", "k5=5"}));
    EXPECT_EQ(ini.ReadString("A", "k1", "d"), "v1");
    EXPECT_EQ(ini.ReadString("A", "K2", "d"), "v2");
    EXPECT_EQ(ini.ReadString("A", "k3", "d"), "x;y");  // a later ";" belongs to the value
    EXPECT_EQ(ini.ReadString("A", "note", "d"), "d");  // the comment line is gone
    EXPECT_EQ(ini.ReadString("A", "k6", "d"), "d");    // NUL ends the text
    EXPECT_EQ(ini.ReadString("A", "k4", "d"), "v4");   // control characters trimmed
}

TEST(SkinIni, SectionsMatchWithoutCaseButNotWithInnerBlanks) {
    const TSkinIni ini = Ini("[Buttons]\nA=1\n[ Other ]\nB=2\n[buttons]\nC=3\n");
    EXPECT_EQ(ini.SectionIndex("BUTTONS"), 0);
    EXPECT_EQ(ini.SectionIndex("Other"), -1);
    EXPECT_EQ(ini.SectionIndex(" Other "), 2);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Buttons", "Other", "buttons"}));
    // The first of two equal headers is the section; the second one's keys are never seen.
    EXPECT_EQ(ini.ReadString("buttons", "C", "none"), "none");
    EXPECT_EQ(ini.ReadString("Other", "B", "none"), "none");
    EXPECT_EQ(ini.ReadString(" Other ", "b", "none"), "2");
}

TEST(SkinIni, LookupStopsAtNextSectionAndFirstKeyWins) {
    const TSkinIni ini = Ini(
        "[S]\nEmpty=\nDup=first\nDup=second\nNoEquals\n=orphan\nKey = a = b\n"
        "[T]\nOnlyT=1\n[]\nBare=1\n");
    EXPECT_EQ(ini.ReadString("S", "OnlyT", "d"), "d");
    EXPECT_EQ(ini.ReadString("S", "dup", "d"), "first");
    EXPECT_EQ(ini.ReadString("S", "Key", "d"), "a = b");  // split at the first "="
    EXPECT_EQ(ini.ReadString("S", "NoEquals", "d"), "d");
    EXPECT_EQ(ini.ReadString("Missing", "Key", "d"), "d");
    EXPECT_EQ(ini.ReadString("", "Bare", "d"), "1");
    EXPECT_EQ(Ini("").ReadString("S", "Key", "d"), "d");

    // An empty first occurrence ends the search with the default.
    const TSkinIni twice = Ini("[S]\nK=\nK=later\n");
    EXPECT_EQ(twice.ReadString("S", "K", "dflt"), "dflt");
    EXPECT_EQ(twice.ReadInteger("S", "K", 7), 7);
}

TEST(SkinIni, ValuesKeepCaseAndDoubleByteText) {
    // "皮肤" in code page 936; its bytes must survive untouched.
    const TSkinIni ini = Ini("[TitlebarSkin]\nSkinName=Blue 皮肤\n");
    EXPECT_EQ(ini.ReadString("titlebarskin", "SKINNAME", ""), "Blue 皮肤");
    EXPECT_EQ(AsciiLower("AB皮肤"), "ab皮肤");
}

TEST(SkinIni, IntegerForms) {
    const TSkinIni ini = Ini(
        "[N]\nHex0x=0x10\nHexUpper=0X1f\nDollar=$10\nNeg=-12\nPlus=+7\nWord=ten\nMixed=12px\n"
        "ZeroX=0x\nSys=$FF000008\nSysX=0xFF00000F\nTooBig=2147483648\nMin=-2147483648\n"
        "HexTooLong=$100000000\nNegHex=-$10\nOnlyDollar=$\nSpaced=1 2\n");
    EXPECT_EQ(ini.ReadInteger("N", "Hex0x", 0), 16);
    EXPECT_EQ(ini.ReadInteger("N", "HexUpper", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "Dollar", 0), 16);
    EXPECT_EQ(ini.ReadInteger("N", "Neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("N", "Plus", 0), 7);
    EXPECT_EQ(ini.ReadInteger("N", "Word", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Mixed", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "ZeroX", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Sys", 0), static_cast<int32_t>(0xFF000008u));
    EXPECT_EQ(ini.ReadInteger("N", "SysX", 0), static_cast<int32_t>(0xFF00000Fu));
    EXPECT_EQ(ini.ReadInteger("N", "TooBig", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Min", 5), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "HexTooLong", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "NegHex", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "OnlyDollar", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Spaced", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Absent", -1), -1);
}

TEST(SkinIni, ReloadDiscardsPreviousContent) {
    TSkinIni ini;
    ini.LoadFromText("[A]\nK=1\n");
    ini.LoadFromStream(nullptr, 10);
    EXPECT_EQ(ini.SectionIndex("A"), 0);
    const std::vector<uint8_t> other = {'[', 'B', ']'};
    ini.LoadFromStream(other);
    EXPECT_EQ(ini.SectionIndex("A"), -1);
    EXPECT_EQ(ini.SectionIndex("B"), 0);
}
