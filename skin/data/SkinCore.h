#pragma once
// Skin element records and the parsed content of a skin.
//
// A skin definition names, section by section, the bitmap of each visual element, how
// that bitmap is cut into state frames and nine-slice margins, and a table of colours.
// The parser (SkinDefinition.h) fills a TSkinDefinition; the frame and control skinners
// only read it.
//
// Colours are 0x00BBGGRR; a value 0xFF0000nn stands for system colour nn and is resolved
// when drawn. Images hold FrameCount equal state frames numbered from 1, side by side
// unless the element's drawing code says they are stacked.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/Colour.h"
#include "skin/data/PixelBuffer.h"

// "Not given" marker of the title text colours.
constexpr TColour kTitleColourNotGiven = 0x1FFFFFFF;

// Base record: one element image with its nine-slice margins, state frames and text colours.
class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
    virtual ~TDataSkinObject() = default;
    TDataSkinObject(const TDataSkinObject&) = delete;
    TDataSkinObject& operator=(const TDataSkinObject&) = delete;

    int32_t LeftWidth = 0;
    int32_t TopHeight = 0;
    int32_t RightWidth = 0;
    int32_t BottomHeight = 0;
    PixelBuffer Image;
    int32_t Trans = 0;       // non-zero: magenta pixels of Image are transparent
    int32_t Tile = 0;        // 0: middle parts stretched; 1: tiled
    std::string IDName;      // the definition section the record was read from
    int32_t FrameCount = 0;
    int32_t Style = 0;
    TColour NormalColour = 0;      // text colours per state; -1 when not given
    TColour MouseOverColour = 0;
    TColour PressedColour = 0;
    TColour NormalColour2 = 0;     // second colour per state, from a "r,g,b" text
    TColour MouseOverColour2 = 0;
    TColour PressedColour2 = 0;

    // Frame count to divide by: never below 1, whatever the definition said.
    int32_t SafeFrameCount() const { return FrameCount > 0 ? FrameCount : 1; }
};

// Element with a second image (window borders, tabs, progress, combo button, up-down).
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    PixelBuffer Image2;
};

// Caption text: its background strip, placement and colours.
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t TextAlignment = 0;
    int32_t TextBackground = 0;
    int32_t FontHeight = 0;
    int32_t TXTBackleft = 0;
    int32_t TXTBackRight = 0;
    TColour ActiveTextColour = 0;     // kTitleColourNotGiven when the skin gives none
    TColour InActiveTextColour = 0;
};

// Push buttons (Image, five frames) with the check-box and radio-button glyph strips.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    PixelBuffer CheckImage;
    PixelBuffer RadioImage;
    int32_t RadioButtonFrame = 0;   // number of cells in RadioImage
    int32_t CheckButtonFrame = 0;   // number of cells in CheckImage
    bool HasNormalColour2 = false;
    bool HasMouseOverColour2 = false;
    bool HasPressedColour2 = false;
};

// One caption button (close, maximise, minimise, help, window icon, MDI child buttons, extras).
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t Action = 0;
    int32_t Align = 0;
    int32_t Xcoord = 0;
    int32_t Ycoord = 0;
    int32_t CombineOp = 0;
    int32_t Visibility = 0;
    int32_t Visibility1 = 0;
};

// Group box caption background.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    int32_t BackgroundLeftShift = 0;
    int32_t BackgroundRightShift = 0;
    int32_t BackgroundAlignment = 0;
};

// Indices of the Colours table.
enum TSkinColourIndex : int {
    scWindowText = 0,
    scTitleTextActive = 1,
    scTitleTextNoActive = 2,
    scButtonFace = 3,
    scButtonText = 4,
    scButtonHilight = 5,
    scButtonlight = 6,
    scButtonShadow = 7,
    scButtonDkShadow = 8,
    scHilightText = 11,
    scHilight = 12,
    scMenubar = 13,
    scMenuBarText = 14,
    scMenuText = 15,
    scMenu = 16,
    scFrameColour = 17,
    scScrollbar = 18,
    scColourCount = 19,
};

template <typename T>
using TSkinSlot = std::unique_ptr<T>;

// Everything a skin definition yields. The border, title and button records always exist
// and are refreshed in place by each parse; every other slot holds a record only when the
// skin defines that element (Track and TrackVert fall back to built-in grooves).
class TSkinDefinition {
public:
    TSkinDefinition() = default;
    TSkinDefinition(const TSkinDefinition&) = delete;
    TSkinDefinition& operator=(const TSkinDefinition&) = delete;

    // Permanent records.
    TDataSkinBorder BorderLeft{"Left"};
    TDataSkinBorder BorderRight{"Right"};
    TDataSkinBorder BorderTop{"Top"};
    TDataSkinBorder BorderBottom{"Bottom"};
    TDataSkinTitle Title{"Title"};
    TDataSkinButton Buttons{"Buttons"};

    // Caption buttons from every BUTTON... section, then three MDI child buttons
    // (Action 7 minimise, 8 restore, 9 close).
    std::vector<TSkinSlot<TDataSkinSysButton>> SysButtons;

    // Optional elements: section names in the comments.
    TSkinSlot<TDataSkinBorder> Progress;            // Progress (image key "Bitmap")
    TSkinSlot<TDataSkinObject> ProgressChunk;       // Progress.Chunk
    TSkinSlot<TDataSkinObject> MenuBar;             // Personality, key "menuBar"
    TSkinSlot<TDataSkinObject> GroupBoxEdge;        // GroupBoxEdge
    TSkinSlot<TDataSkinBoxLabel> GroupBox;          // GroupBox
    TSkinSlot<TDataSkinBorder> Tabs;                // Tabs (Image2 from key "Border")
    TSkinSlot<TDataSkinObject> StatusBarEdges;      // StatusBarEdges
    TSkinSlot<TDataSkinObject> TabPane;             // Tab.Pane (margins at most 4)
    TSkinSlot<TDataSkinObject> ToolBars;            // ToolBars
    TSkinSlot<TDataSkinBorder> ComboButton;         // ComboButton
    TSkinSlot<TDataSkinObject> SunkEdge;            // SunkEdge
    TSkinSlot<TDataSkinObject> ExtraImages;         // ExtraImages
    TSkinSlot<TDataSkinObject> Headerbar;           // Headerbar
    TSkinSlot<TDataSkinObject> MenuItem;            // MenuItem
    TSkinSlot<TDataSkinObject> MenuBackground;      // MenuBackground
    TSkinSlot<TDataSkinObject> Scrollbar;           // Scrollbar (23 cells)
    TSkinSlot<TDataSkinObject> HorzScroll;          // HorzScroll
    TSkinSlot<TDataSkinObject> VertScroll;          // VertScroll
    TSkinSlot<TDataSkinObject> HorzScrollThumb;     // HorzScrollThumb
    TSkinSlot<TDataSkinObject> VertScrollThumb;     // VertScrollThumb
    TSkinSlot<TDataSkinObject> TrackbarThumbHorz;   // Trackbar.ThumbHorz
    TSkinSlot<TDataSkinObject> TrackbarThumbVert;   // Trackbar.ThumbVert
    TSkinSlot<TDataSkinObject> TrackbarThumbLeft;   // Trackbar.ThumbLeft
    TSkinSlot<TDataSkinObject> TrackbarThumbRight;  // Trackbar.ThumbRight
    TSkinSlot<TDataSkinObject> TrackbarThumbUp;     // Trackbar.ThumbUp
    TSkinSlot<TDataSkinObject> TrackbarThumbDown;   // Trackbar.ThumbDown
    TSkinSlot<TDataSkinBorder> UpDownHorz;          // UpDown.Horz (Image2 from "GlyphImage")
    TSkinSlot<TDataSkinBorder> UpDownVert;          // UpDown.Vert (Image2 from "GlyphImage")
    TSkinSlot<TDataSkinObject> Track;               // Track, else the built-in 16 x 4 groove
    TSkinSlot<TDataSkinObject> TrackVert;           // TRACKVERT, else the built-in 4 x 16 groove
    TSkinSlot<TDataSkinObject> ToolbarBack;         // made by the parser: gradient from FrameColour
    TSkinSlot<TDataSkinObject> ComboxArrow;         // made by the parser: the combo arrow cells

    // Colours, indexed by TSkinColourIndex; ColourGiven tells which ones the skin set.
    std::array<TColour, scColourCount> Colours{};
    std::array<bool, scColourCount> ColourGiven{};
    // Key "color" of every COLOUR... section other than COLOURS, in file order.
    std::vector<TColour> ColourSections;
    // Keys Color0..Color9 of section Customcolors.
    std::array<TColour, 10> CustomColors{};
    TColour FrameColour = 0;   // also Colours[scFrameColour]
    // Solid brush in the resolved ButtonFace colour, made anew at the end of every parse.
    std::unique_ptr<SolidBrush> BackgroundBrush;
    std::string SkinName;      // key SkinName of section TitlebarSkin
    bool NoSkinLoaded = true;  // true until a parse has finished

    TColour ButtonFace() const { return Colours[scButtonFace]; }
    TColour ButtonText() const { return Colours[scButtonText]; }
};
