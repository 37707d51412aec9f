#pragma once
// The switches of a skin data component: which kinds of control are skinned, the skin's
// behaviour options and the scope of forms it serves, as bit sets (member order is the bit
// number), and the built-in class-name table. Portable.
#include <cstdint>
#include <string>
#include <vector>

enum TSkinControlType : int {
    xcMainMenu = 0,
    xcPopupMenu = 1,
    xcMenuItem = 2,
    xcToolbar = 3,
    xcControlbar = 4,
    xcCombo = 5,
    xcCheckBox = 6,
    xcRadioButton = 7,
    xcProgress = 8,
    xcScrollbar = 9,
    xcEdit = 10,
    xcButton = 11,
    xcBitBtn = 12,
    xcSpeedButton = 13,
    xcSpin = 14,
    xcPanel = 15,
    xcGroupBox = 16,
    xcStatusBar = 17,
    xcTab = 18,
    xcTrackBar = 19,
    xcSystemMenu = 20,
    xcFastReport = 21,
};
using TSkinControlTypes = uint32_t;  // stored in 32 bits

enum TSkinOption : int {
    xoMDIScrollbar = 0,
    xoMenuMerge = 1,
    xoTransparent = 2,
    xoPreview = 3,
    xoParentBackGround = 4,
    xoNoFocusRect = 5,
    xoToolbarBK = 6,
    xoToolbarButton = 7,
    xoMDIChildBorder = 8,
    xoMenuBG = 9,
    xoCaptionButtonHint = 10,
    xoFormScrollbar = 11,
};
using TSkinOptions = uint16_t;  // stored in 16 bits

enum TSkinFormType : int { sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2, sfDLL = 3 };

constexpr uint32_t SkinBit(int member) { return 1u << member; }
constexpr bool SkinHas(uint32_t set, int member) { return (set & SkinBit(member)) != 0; }

// Every control kind except xcMenuItem and xcFastReport.
constexpr TSkinControlTypes kDefaultSkinControls = 0x1FFFFB;
// xoPreview, xoToolbarBK and xoCaptionButtonHint.
constexpr TSkinOptions kDefaultSkinOptions = 0x0448;
static_assert(kDefaultSkinControls == ((SkinBit(xcFastReport + 1) - 1) & ~SkinBit(xcMenuItem) & ~SkinBit(xcFastReport)),
              "default control set");
static_assert(kDefaultSkinOptions == (SkinBit(xoPreview) | SkinBit(xoToolbarBK) | SkinBit(xoCaptionButtonHint)),
              "default options");

// The version text a skin data component reports (assigning another one changes nothing).
constexpr char kSkinDataVersion[] = "2.3.11.08";

// The built-in class-name table: 118 lines "ClassName=kind" in stored order.
const std::vector<std::string>& BuiltinClassKinds();
