#pragma once
// The skin manager's decisions that need no window: which top-level windows may get a
// form skinner, which skin data component serves a window, and which menu windows the
// chosen component's switches allow. The Win32 side gathers the facts and acts on the
// answers. Portable.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/SkinOptions.h"

std::string LowerAscii(const std::string& text);

// The class and style part of the manager's window filter, judged with the main skin data
// component's options: "preview" classes (unless xoPreview), "#32770" windows with style
// bit 0x200, and "tpopupdbtreeview" are refused. The main component's own veto follows.
bool WindowClassAllowed(TSkinOptions mainOptions, const std::string& className, uint32_t style);

// The skin data component's built-in refusals when it has no OnFormSkin handler:
// "SysMonthCal32", and with xcFastReport any class beginning "Tfr" (case-sensitive).
bool FormClassAllowed(TSkinControlTypes controls, const std::string& className);

// What is known of one registered skin data component about the window being served.
struct TSkinDataFact {
    TSkinFormType scope = sfMainform;
    bool ownerIsWindow = false;  // its owner is the framework form of this window
};
// The index of the component that serves the window: the last sfOnlyThisForm one owned by
// the window's form; for a dialog class ("tmessageform", "#32770") the last sfDialog one;
// the last sfMainform one; else the first one. -1 for an empty list.
int ChooseSkinDataIndex(const std::vector<TSkinDataFact>& facts, const std::string& className);

// The facts about a window that decide whether it may get a form skinner at all (the
// filter and the choice of a skin data component are asked after this).
struct TSkinWindowFacts {
    std::string className;
    bool hasForm = false;       // a framework form or control of this program
    int formTag = 0;            // its Tag
    bool childStyle = false;    // WS_CHILD
    bool mdiChild = false;      // WS_EX_MDICHILD
    std::string parentClass;    // for a child window
    bool enumerating = false;   // a full pass over the screen's forms is running
    bool ownModule = false;     // GWL_HINSTANCE is this module
    bool hasArea = false;       // non-zero width and height
};
bool WindowQualifies(const TSkinWindowFacts& facts);

// Whether the component's switches allow skinning the menu window about to open, by
// PopupKind (0 popup menu, 1 main-menu drop-down, 2 system menu).
bool PopupKindAllowed(int popupKind, TSkinControlTypes controls);
