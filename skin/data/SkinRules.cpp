#include "skin/data/SkinRules.h"

#include <cctype>

std::string LowerAscii(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool WindowClassAllowed(TSkinOptions mainOptions, const std::string& className, uint32_t style) {
    const std::string lower = LowerAscii(className);
    if (!SkinHas(mainOptions, xoPreview) && lower.find("preview") != std::string::npos) return false;
    if (className == "#32770" && (style & 0x200u) != 0) return false;
    return lower != "tpopupdbtreeview";
}

bool FormClassAllowed(TSkinControlTypes controls, const std::string& className) {
    if (className == "SysMonthCal32") return false;
    return !(SkinHas(controls, xcFastReport) && className.compare(0, 3, "Tfr") == 0);
}

int ChooseSkinDataIndex(const std::vector<TSkinDataFact>& facts, const std::string& className) {
    auto lastOf = [&facts](auto&& matches) {
        int found = -1;
        for (size_t i = 0; i < facts.size(); ++i)
            if (matches(facts[i])) found = static_cast<int>(i);
        return found;
    };
    int index = lastOf([](const TSkinDataFact& f) { return f.scope == sfOnlyThisForm && f.ownerIsWindow; });
    const std::string lower = LowerAscii(className);
    if (index < 0 && (lower == "tmessageform" || lower == "#32770"))
        index = lastOf([](const TSkinDataFact& f) { return f.scope == sfDialog; });
    if (index < 0) index = lastOf([](const TSkinDataFact& f) { return f.scope == sfMainform; });
    if (index < 0 && !facts.empty()) index = 0;
    return index;
}

bool WindowQualifies(const TSkinWindowFacts& f) {
    if (!f.enumerating && f.childStyle && !f.mdiChild && LowerAscii(f.parentClass) != "mdiclient") return false;
    if (!f.hasForm && !f.ownModule && f.className != "#32770") return false;
    if (!f.hasArea && !f.mdiChild) return false;
    // A form tagged 99 is never skinned, whatever the skin data's DisableTag says.
    if (f.hasForm && f.formTag == 99) return false;
    if (f.className.find("TcxPopupEditPopupWindow") != std::string::npos) return false;
    if (f.className.find("TTERenderWindow") != std::string::npos) return false;
    return f.className != "TApplication";
}

bool PopupKindAllowed(int popupKind, TSkinControlTypes controls) {
    switch (popupKind) {
        case 0: return SkinHas(controls, xcPopupMenu);
        case 1: return SkinHas(controls, xcMainMenu) || SkinHas(controls, xcMenuItem);
        case 2: return SkinHas(controls, xcSystemMenu);
        default: return false;
    }
}
