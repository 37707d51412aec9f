#include "skin/data/SkinDefinition.h"

#include <algorithm>
#include <string>
#include <utility>

#include "skin/data/BmpCodec.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// The part of a path after its last "\" or ":", stepping over double-byte characters so
// that a trail byte 0x5C is not taken for a backslash.
std::string_view FileNamePart(std::string_view path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(c)) {
            ++i;
        } else if (c == '\\' || c == ':') {
            start = i + 1;
        }
    }
    return path.substr(std::min(start, path.size()));
}

std::string_view Extension(std::string_view name) {
    size_t dot = std::string_view::npos;
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(c)) ++i;
        else if (c == '.') dot = i;
    }
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

TMargins MarginsOf(const TDataSkinObject& r) { return {r.LeftWidth, r.TopHeight, r.RightWidth, r.BottomHeight}; }

TColour Rgb(int32_t r, int32_t g, int32_t b) {
    return static_cast<TColour>((static_cast<uint32_t>(r) & 0xFF) | ((static_cast<uint32_t>(g) & 0xFF) << 8) |
                                ((static_cast<uint32_t>(b) & 0xFF) << 16));
}

// The pixels of src inside (x, y, x + w, y + h), unscaled; outside src they are black.
PixelBuffer CopyRect(const PixelBuffer& src, int x, int y, int w, int h) {
    PixelBuffer out(w, h);
    for (int row = 0; row < out.Height(); ++row)
        for (int col = 0; col < out.Width(); ++col)
            out.SetPixel(col, row, src.Contains(x + col, y + row) ? src.Pixel(x + col, y + row) : 0xFF000000u);
    return out;
}

void FillRect(PixelBuffer& dest, const TRect& rect, uint32_t pixel) {
    const TRect r = rect.Intersect({0, 0, dest.Width(), dest.Height()});
    for (int y = r.top; y < r.bottom; ++y) std::fill(dest.Row(y) + r.left, dest.Row(y) + r.right, pixel);
}

void CopyInto(PixelBuffer& dest, int x, int y, const PixelBuffer& src) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col) dest.SetPixel(x + col, y + row, src.Pixel(col, row));
}

struct ColourKey {
    const char* key;
    int index;
    TColour def;
};

// The Colours keys in the order they are read. Menubar (index 13) defaults to the
// ButtonFace value read before it and is handled apart.
const ColourKey kColourKeys[] = {
    {"WindowText", scWindowText, SystemColour(8)},
    {"ButtonFace", scButtonFace, SystemColour(15)},
    {"Scrollbar", scScrollbar, SystemColour(0)},
    {"HilightText", scHilightText, SystemColour(14)},
    {"Hilight", scHilight, SystemColour(13)},
    {"Menubar", scMenubar, 0},
    {"Menu", scMenu, SystemColour(4)},
    {"MenuText", scMenuText, SystemColour(7)},
    {"ButtonText", scButtonText, SystemColour(18)},
    {"ButtonHilight", scButtonHilight, SystemColour(20)},
    {"Buttonlight", scButtonlight, SystemColour(20)},
    {"ButtonShadow", scButtonShadow, SystemColour(16)},
    {"ButtonDkShadow", scButtonDkShadow, SystemColour(21)},
    {"MenuBarText", scMenuBarText, SystemColour(7)},
    {"TitleTextActive", scTitleTextActive, SystemColour(9)},
    {"TitleTextNoActive", scTitleTextNoActive, SystemColour(19)},
};

constexpr const char* kPersonality = "Personality";

class DefinitionParser {
public:
    DefinitionParser(TSkinDefinition& skin, const TSkinIni& ini, const TSkinReader& reader,
                     const SkinPlatform& platform)
        : skin_(skin), ini_(ini), reader_(reader), platform_(platform) {}

    void Run();

private:
    std::string Str(std::string_view section, std::string_view key) const { return ini_.ReadString(section, key, {}); }
    int32_t Int(std::string_view section, std::string_view key, int32_t def) const {
        return ini_.ReadInteger(section, key, def);
    }
    void Image(PixelBuffer& bitmap, std::string_view section, std::string_view key) const {
        LoadImage(bitmap, Str(section, key), reader_);
    }
    TColour Colour2(std::string_view section, std::string_view key) const {
        return ParseColourText(Str(section, key), skin_.ButtonText());
    }

    // Empties slot; makes a new record only when the section's image key has a value.
    template <typename T>
    T* NewRecord(TSkinSlot<T>& slot, std::string_view section, std::string_view imageKey);
    // The keys every image element shares: image, style, margins, trans, tile, colours.
    void ReadImageKeys(TDataSkinObject& r, std::string_view section, std::string_view imageKey, bool frameKey);
    template <typename T>
    void ReadImageElement(TSkinSlot<T>& slot, std::string_view section);
    void ReadBorderElement(TSkinSlot<TDataSkinBorder>& slot, std::string_view section, std::string_view secondKey);

    void ReadWindowBorders();
    void ReadColours();
    void ReadCaptionButtons();
    void AddMdiButtons();
    void ReadButtons();
    void ReadTitle();
    void ReadProgress();
    void ReadMenuBar();
    void ReadGroupBox();
    void ReadTabPane();
    void MirrorComboButton();
    void ReadTracks();
    void ApplyFrameCounts();
    void BuildComboComposite();
    void BuildComboxArrow();
    void BuildToolbarBack();
    TColour ComputeFrameColour() const;

    TSkinDefinition& skin_;
    const TSkinIni& ini_;
    const TSkinReader& reader_;
    const SkinPlatform& platform_;
    std::vector<std::string> sections_;
};

template <typename T>
T* DefinitionParser::NewRecord(TSkinSlot<T>& slot, std::string_view section, std::string_view imageKey) {
    slot.reset();
    if (Str(section, imageKey).empty()) return nullptr;
    slot = std::make_unique<T>(std::string(section));
    return slot.get();
}

void DefinitionParser::ReadImageKeys(TDataSkinObject& r, std::string_view section, std::string_view imageKey,
                                     bool frameKey) {
    Image(r.Image, section, imageKey);
    r.Style = Int(section, "Style", 0);
    r.LeftWidth = Int(section, "LeftWidth", 0);
    r.RightWidth = Int(section, "RightWidth", 0);
    r.TopHeight = Int(section, "TopHeight", 0);
    r.BottomHeight = Int(section, "BottomHeight", 0);
    if (frameKey) r.FrameCount = Int(section, "Frame", 0);
    r.Trans = Int(section, "Trans", 0);
    r.Tile = Int(section, "Tile", 0);
    r.NormalColour = Int(section, "NormalColour", -1);
    r.MouseOverColour = Int(section, "MouseOverColour", -1);
    r.PressedColour = Int(section, "PressedColour", -1);
    r.NormalColour2 = Colour2(section, "NormalColour2");
    r.MouseOverColour2 = Colour2(section, "MouseOverColour2");
    r.PressedColour2 = Colour2(section, "PressedColour2");
    if (r.Tile > 1) r.Tile = 0;
}

template <typename T>
void DefinitionParser::ReadImageElement(TSkinSlot<T>& slot, std::string_view section) {
    if (T* r = NewRecord(slot, section, "Image")) ReadImageKeys(*r, section, "Image", true);
}

void DefinitionParser::ReadBorderElement(TSkinSlot<TDataSkinBorder>& slot, std::string_view section,
                                         std::string_view secondKey) {
    TDataSkinBorder* r = NewRecord(slot, section, "Image");
    if (!r) return;
    ReadImageKeys(*r, section, "Image", false);
    Image(r->Image2, section, secondKey);
}

void DefinitionParser::ReadWindowBorders() {
    for (TDataSkinBorder* b : {&skin_.BorderLeft, &skin_.BorderRight, &skin_.BorderTop, &skin_.BorderBottom}) {
        const std::string& id = b->IDName;
        Image(b->Image, kPersonality, id);
        const int32_t first = Int(kPersonality, id + "TopHeight", 0);
        const int32_t second = Int(kPersonality, id + "BotHeight", 0);
        if (b == &skin_.BorderLeft || b == &skin_.BorderRight) {
            b->TopHeight = first;
            b->BottomHeight = second;
            b->LeftWidth = b->RightWidth = 0;
        } else {
            // Top and bottom borders run horizontally: their two margins are the ends.
            b->LeftWidth = first;
            b->RightWidth = second;
            b->TopHeight = b->BottomHeight = 0;
        }
        b->FrameCount = Int(kPersonality, id + "Frame", 1);
        b->Tile = std::min(Int(kPersonality, id + "Stretch", 1), 1);
        b->Trans = Int(kPersonality, id + "Trans", 1);
    }
}

void DefinitionParser::ReadColours() {
    for (const ColourKey& k : kColourKeys) {
        const std::string text = Str("Colours", k.key);
        const TColour def = k.index == scMenubar ? skin_.Colours[scButtonFace] : k.def;
        skin_.Colours[k.index] = ParseColourText(text, def);
        skin_.ColourGiven[k.index] = !text.empty();
    }
    skin_.ColourSections.clear();
    for (const std::string& name : sections_) {
        const std::string upper = AsciiUpper(name);
        if (upper.compare(0, 6, "COLOUR") == 0 && upper != "COLOURS")
            skin_.ColourSections.push_back(ParseColourText(Str(name, "color"), SystemColour(8)));
    }
    for (int i = 0; i < 10; ++i)
        skin_.CustomColors[i] = ParseColourText(Str("Customcolors", "Color" + std::to_string(i)), 0xFFFFFF);
}

void DefinitionParser::ReadCaptionButtons() {
    std::vector<std::string> kept;
    for (const std::string& name : sections_) {
        const std::string upper = AsciiUpper(name);
        if (upper.compare(0, 6, "BUTTON") != 0 || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
            upper == "BUTTON.CHECKBOX" || upper == "BUTTON")
            continue;
        // A button with no action that is not explicitly shown is no button at all.
        if (Int(name, "Action", 0) == -1 && Int(name, "Visibility", -1) != 0) continue;
        kept.push_back(name);
    }

    skin_.SysButtons.clear();
    skin_.SysButtons.reserve(kept.size() + 3);
    int32_t maxX = 0, maxY = 0;  // position of the last maximise button shown when not maximised
    for (const std::string& name : kept) {
        auto b = std::make_unique<TDataSkinSysButton>(AsciiUpper(name));
        b->Action = Int(name, "Action", 0);
        b->Align = Int(name, "Align", 0);
        b->Xcoord = Int(name, "Xcoord", 0);
        b->Ycoord = Int(name, "Ycoord", 0);
        b->Visibility = Int(name, "Visibility", 0);
        b->Visibility1 = Int(name, "Visibility1", b->Action == -1 ? -1 : 0);
        b->CombineOp = Int(name, "CombineOp", -1);
        b->FrameCount = Int(name, "frame", 0);
        Image(b->Image, name, "ButtonImage");
        if (b->Action == 1 && b->Visibility == 2) {
            maxX = b->Xcoord;
            maxY = b->Ycoord;
        } else if (b->Action == 4) {
            // The help button takes the place of the maximise button.
            b->Xcoord = maxX;
            b->Ycoord = maxY;
        }
        if (b->FrameCount == 0) {
            b->FrameCount = 6;
            if (!b->Image.Empty()) {
                const double ratio = static_cast<double>(b->Image.Width()) / b->Image.Height();
                b->FrameCount = ratio <= 3.8 ? 3 : 6;
                if (b->Action < 0) b->FrameCount = 6;
                // Window-icon buttons show the application's icon instead.
                if (b->Action == 3 || b->Action == 11) b->Image = PixelBuffer();
            }
        }
        skin_.SysButtons.push_back(std::move(b));
    }
    AddMdiButtons();
}

void DefinitionParser::AddMdiButtons() {
    PixelBuffer strip;
    Image(strip, "MDICONTROLS", "Image");
    const int a = strip.Width() / 12;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>();
        b->Action = 7 + i;  // minimise, restore, close the active MDI child
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->FrameCount = 4;
        if (!strip.Empty()) {
            b->Image = CopyRect(strip, 4 * a * i, 0, 4 * a, strip.Height());
            b->Xcoord = (a + 4) * (3 - i);
        }
        skin_.SysButtons.push_back(std::move(b));
    }
}

void DefinitionParser::ReadButtons() {
    constexpr const char* s = "Buttons";
    TDataSkinButton& b = skin_.Buttons;
    b.LeftWidth = Int(s, "LeftWidth", 0);
    b.RightWidth = Int(s, "RightWidth", 0);
    b.TopHeight = Int(s, "TopHeight", 0);
    b.BottomHeight = Int(s, "BottomHeight", 0);
    b.Trans = Int(s, "Trans", 0);
    b.Tile = Int(s, "Tile", 0);
    Image(b.Image, s, "Bitmap");
    Image(b.CheckImage, s, "CheckButton");
    Image(b.RadioImage, s, "RadioButton");
    b.NormalColour = Int(s, "NormalColour", -1);
    b.MouseOverColour = Int(s, "MouseOverColour", -1);
    b.PressedColour = Int(s, "PressedColour", -1);
    b.RadioButtonFrame = Int(s, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int(s, "CheckButtonFrame", 0);
    if (b.Tile > 1) b.Tile = 0;
    b.HasNormalColour2 = !Str(s, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Str(s, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Str(s, "PressedColour2").empty();
    b.NormalColour2 = Colour2(s, "NormalColour2");
    b.MouseOverColour2 = Colour2(s, "MouseOverColour2");
    b.PressedColour2 = Colour2(s, "PressedColour2");
}

void DefinitionParser::ReadTitle() {
    TDataSkinTitle& t = skin_.Title;
    Image(t.Image, kPersonality, "TextBack");
    t.LeftWidth = Int(kPersonality, "TextShift", 0);
    t.TopHeight = Int(kPersonality, "TextShiftVert", 0);
    t.RightWidth = Int(kPersonality, "TextRightClip", 0);
    t.BottomHeight = 0;
    t.TextAlignment = Int(kPersonality, "TextAlignment", 0);
    t.TextBackground = Int(kPersonality, "Textbackground", 0);
    t.TXTBackleft = Int(kPersonality, "TXTBackleft", 0);
    t.TXTBackRight = Int(kPersonality, "TXTBackRight", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    auto textColour = [this](const std::string& stem) {
        const int32_t r = Int(kPersonality, stem + "R", -1);
        const int32_t g = Int(kPersonality, stem + "G", -1);
        const int32_t b = Int(kPersonality, stem + "B", -1);
        return (r >= 0 && g >= 0 && b >= 0) ? Rgb(r, g, b) : kTitleColourNotGiven;
    };
    t.ActiveTextColour = textColour("ActiveText");
    t.InActiveTextColour = textColour("InActiveText");
}

void DefinitionParser::ReadProgress() {
    constexpr const char* s = "Progress";
    TDataSkinBorder* p = NewRecord(skin_.Progress, s, "Bitmap");
    if (!p) return;
    Image(p->Image, s, "Bitmap");
    p->Style = Int(s, "Style", 0);
    p->LeftWidth = Int(s, "LeftWidth", 0);
    p->RightWidth = Int(s, "RightWidth", 0);
    p->TopHeight = Int(s, "TopHeight", 0);
    p->BottomHeight = Int(s, "BottomHeight", 0);
    p->Trans = Int(s, "Trans", 0);
    p->Tile = std::min(Int(s, "Tile", 0), 1);
}

void DefinitionParser::ReadMenuBar() {
    TDataSkinObject* m = NewRecord(skin_.MenuBar, kPersonality, "menuBar");
    if (!m) return;
    Image(m->Image, kPersonality, "menuBar");
    m->TopHeight = m->BottomHeight = 0;
    m->Tile = std::min(Int(kPersonality, "TileMenu", 1), 1);
    m->LeftWidth = Int(kPersonality, "TileLeftMenu", 1);
    m->RightWidth = Int(kPersonality, "TileRightMenu", 1);
}

void DefinitionParser::ReadGroupBox() {
    constexpr const char* s = "GroupBox";
    TDataSkinBoxLabel* g = NewRecord(skin_.GroupBox, s, "Image");
    if (!g) return;
    ReadImageKeys(*g, s, "Image", false);
    g->BackgroundAlignment = Int(s, "BackgroundAlignment", 0);
    g->BackgroundLeftShift = Int(s, "BackgroundLeftShift", 0);
    g->BackgroundRightShift = Int(s, "BackgroundRightShift", 0);
}

void DefinitionParser::ReadTabPane() {
    ReadImageElement(skin_.TabPane, "Tab.Pane");
    if (TDataSkinObject* p = skin_.TabPane.get()) {
        // The pane's edges sit inside the page area; wider margins would eat into the page.
        p->LeftWidth = std::min(p->LeftWidth, 4);
        p->TopHeight = std::min(p->TopHeight, 4);
        p->RightWidth = std::min(p->RightWidth, 4);
        p->BottomHeight = std::min(p->BottomHeight, 4);
    }
}

void DefinitionParser::MirrorComboButton() {
    // The mirrored button serves combo boxes laid out right to left.
    TDataSkinBorder* c = skin_.ComboButton.get();
    if (!c || c->Image.Empty()) return;
    c->Image2 = c->Image.Clone();
    MirrorHorizontal(c->Image2);
}

void DefinitionParser::ReadTracks() {
    ReadImageElement(skin_.Track, "Track");
    ReadImageElement(skin_.TrackVert, "TRACKVERT");
    auto fallback = [](TSkinSlot<TDataSkinObject>& slot, const char* id, bool vertical) {
        if (slot) return;
        slot = std::make_unique<TDataSkinObject>(id);
        slot->Image = BuiltinTrackImage(vertical);
        slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
        slot->Tile = 0;
        slot->FrameCount = 1;
    };
    fallback(skin_.Track, "Track", false);
    fallback(skin_.TrackVert, "TRACKVERT", true);
}

void DefinitionParser::ApplyFrameCounts() {
    TSkinDefinition& s = skin_;
    auto set = [](auto& slot, int32_t count) {
        if (slot) slot->FrameCount = count;
    };
    s.Buttons.FrameCount = 5;
    s.Title.FrameCount = 2;
    if (s.Progress) s.Progress->FrameCount = s.Progress->Style != 0 ? 1 : 2;
    set(s.MenuBar, 2);
    set(s.GroupBoxEdge, 2);
    set(s.ToolbarBack, 1);
    set(s.ToolBars, 5);
    set(s.Tabs, 5);
    set(s.TabPane, 1);
    set(s.StatusBarEdges, 3);
    set(s.GroupBox, 1);
    set(s.ComboButton, 4);
    set(s.SunkEdge, 4);
    set(s.ExtraImages, 5);
    if (s.Headerbar && s.Headerbar->FrameCount == 0) s.Headerbar->FrameCount = 5;
    set(s.MenuItem, 5);
    set(s.MenuBackground, 1);
    set(s.Scrollbar, 23);
    set(s.HorzScroll, 4);
    set(s.VertScroll, 4);
    set(s.UpDownHorz, 8);
    set(s.UpDownVert, 8);
    for (auto* thumb : {&s.TrackbarThumbHorz, &s.TrackbarThumbVert, &s.TrackbarThumbLeft, &s.TrackbarThumbRight,
                        &s.TrackbarThumbUp, &s.TrackbarThumbDown})
        set(*thumb, 5);
    set(s.HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
    set(s.VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));

    // Glyph cells of the check and radio strips: 13 px cells in a short strip, else 16.
    auto cells = [](const PixelBuffer& strip) {
        const int cell = strip.Height() < 16 ? 13 : 16;
        return std::max(strip.Width() / cell, 4);
    };
    if (s.Buttons.RadioButtonFrame == 0) s.Buttons.RadioButtonFrame = cells(s.Buttons.RadioImage);
    if (s.Buttons.CheckButtonFrame == 0) s.Buttons.CheckButtonFrame = cells(s.Buttons.CheckImage);
}

// Combo boxes are drawn from one strip per state: the sunken edit frame with the drop
// button at its right end and the middle left transparent for the edit itself.
void DefinitionParser::BuildComboComposite() {
    TDataSkinObject* sunk = skin_.SunkEdge.get();
    TDataSkinBorder* button = skin_.ComboButton.get();
    if (!sunk || !button) return;
    constexpr int kCellW = 50, kCellH = 21;
    const int w = platform_.HorzScrollArrowWidth() + 2;
    const int n = sunk->SafeFrameCount();
    const uint32_t magenta = PixelFromColour(kMagenta);
    PixelBuffer strip(kCellW * n, kCellH);
    strip.Fill(magenta);
    const TRect cell{0, 0, kCellW, kCellH};
    const TRect buttonRect{kCellW - w, 0, kCellW, kCellH};
    for (int b = 1; b <= n; ++b) {
        PixelBuffer work(kCellW, kCellH);
        work.Fill(magenta);
        DrawFrameNineSlice(work, cell, sunk->Image, false, false, sunk->Trans != 0, sunk->FrameCount, b,
                           MarginsOf(*sunk));
        DrawFrameNineSlice(work, buttonRect, button->Image, false, false, true, button->FrameCount, b,
                           MarginsOf(*button));
        if (const TDataSkinObject* extra = skin_.ExtraImages.get())
            DrawFrameCentred(work, buttonRect, extra->Image, true, extra->FrameCount, b);
        FillRect(work, {2, 2, 49 - w, 18}, magenta);
        CopyInto(strip, kCellW * (b - 1), 0, work);
    }
    button->Style = 2;
    button->LeftWidth = 2;
    button->TopHeight = sunk->TopHeight;
    button->RightWidth = w + 2;
    button->BottomHeight = sunk->BottomHeight;
    button->Image = strip.Clone();
    MirrorHorizontal(strip);
    sunk->Image = std::move(strip);
    sunk->LeftWidth = w + 2;
    sunk->RightWidth = 2;
}

void DefinitionParser::BuildComboxArrow() {
    if (!skin_.ComboxArrow) skin_.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    TDataSkinObject& arrow = *skin_.ComboxArrow;
    const TDataSkinObject* sunk = skin_.SunkEdge.get();
    const TDataSkinBorder* button = skin_.ComboButton.get();
    if (!sunk && button) {
        arrow.Image = button->Image.Clone();
        // Magenta shows the button face colour; a system colour is looked up first.
        ReplaceMagenta(arrow.Image, platform_.Resolve(skin_.ButtonFace()));
        arrow.FrameCount = button->FrameCount;
    } else if (sunk && button && button->Style == 2) {
        const int n = sunk->SafeFrameCount();
        const int fw = button->Image.Width() / n;
        arrow.Image = PixelBuffer(17 * n, 17);
        for (int i = 0; i < n; ++i)
            CopyInto(arrow.Image, 17 * i, 0, CopyRect(button->Image, fw * (i + 1) - 19, 2, 17, 17));
        arrow.FrameCount = n;
    }
}

TColour DefinitionParser::ComputeFrameColour() const {
    const TDataSkinBorder& top = skin_.BorderTop;
    if (top.Image.Empty()) return skin_.ButtonFace();
    const uint32_t pixel = top.Image.Pixel(top.Image.Width() / 3, (top.Image.Height() / top.SafeFrameCount()) / 3);
    return static_cast<TColour>(ColourFromPixel(pixel));
}

// Toolbar background: a vertical gradient from a whitened face colour down to a greyed
// frame colour (or a whitened one for strongly saturated frames).
void DefinitionParser::BuildToolbarBack() {
    const int32_t c = static_cast<int32_t>(platform_.Resolve(ComputeFrameColour()));
    const int32_t face = static_cast<int32_t>(platform_.Resolve(skin_.ButtonFace()));
    int32_t bottom = static_cast<int32_t>(BlendColours(0x808080, c, 150));
    const int32_t top = static_cast<int32_t>(BlendColours(face, 0xFFFFFF, 150));
    const int s = SaturationIndex(c);
    if (s > 110) bottom = static_cast<int32_t>(BlendColours(c, 0xFFFFFF, (5625 - 25 * s) / 140 + 50));
    if (!skin_.ToolbarBack) skin_.ToolbarBack = std::make_unique<TDataSkinObject>("Toolbar");
    TDataSkinObject& back = *skin_.ToolbarBack;
    back.Image = PixelBuffer(10, 40);
    GradientFill(back.Image, {0, 0, 10, 40}, top, true, bottom);
    back.FrameCount = 1;
}

void DefinitionParser::Run() {
    TSkinDefinition& s = skin_;
    s.ComboxArrow.reset();  // rebuilt below from this skin's combo elements
    sections_ = ini_.ReadSections();
    s.SkinName = Str("TitlebarSkin", "SkinName");
    ReadWindowBorders();
    ReadColours();
    ReadCaptionButtons();
    ReadButtons();
    ReadTitle();
    ReadProgress();
    ReadImageElement(s.ProgressChunk, "Progress.Chunk");
    ReadMenuBar();
    ReadImageElement(s.GroupBoxEdge, "GroupBoxEdge");
    ReadGroupBox();
    ReadBorderElement(s.Tabs, "Tabs", "Border");
    ReadImageElement(s.StatusBarEdges, "StatusBarEdges");
    ReadTabPane();
    ReadImageElement(s.ToolBars, "ToolBars");
    ReadBorderElement(s.ComboButton, "ComboButton", "****");
    ReadImageElement(s.SunkEdge, "SunkEdge");
    MirrorComboButton();
    ReadImageElement(s.ExtraImages, "ExtraImages");
    ReadImageElement(s.Headerbar, "Headerbar");
    ReadImageElement(s.MenuItem, "MenuItem");
    ReadImageElement(s.MenuBackground, "MenuBackground");
    ReadImageElement(s.Scrollbar, "Scrollbar");
    ReadImageElement(s.HorzScroll, "HorzScroll");
    ReadImageElement(s.VertScroll, "VertScroll");
    ReadImageElement(s.HorzScrollThumb, "HorzScrollThumb");
    ReadImageElement(s.VertScrollThumb, "VertScrollThumb");
    ReadImageElement(s.TrackbarThumbHorz, "Trackbar.ThumbHorz");
    ReadImageElement(s.TrackbarThumbVert, "Trackbar.ThumbVert");
    ReadImageElement(s.TrackbarThumbLeft, "Trackbar.ThumbLeft");
    ReadImageElement(s.TrackbarThumbRight, "Trackbar.ThumbRight");
    ReadImageElement(s.TrackbarThumbUp, "Trackbar.ThumbUp");
    ReadImageElement(s.TrackbarThumbDown, "Trackbar.ThumbDown");
    ReadBorderElement(s.UpDownHorz, "UpDown.Horz", "GlyphImage");
    ReadBorderElement(s.UpDownVert, "UpDown.Vert", "GlyphImage");
    ReadTracks();
    ApplyFrameCounts();
    BuildComboComposite();
    BuildComboxArrow();
    BuildToolbarBack();
    s.FrameColour = ComputeFrameColour();
    s.Colours[scFrameColour] = s.FrameColour;
    s.BackgroundBrush.reset();  // the old brush goes before the new one is made
    s.BackgroundBrush = MakeSolidBrush(platform_.Resolve(s.ButtonFace()));
    s.NoSkinLoaded = false;
}

}  // namespace

TColour ParseColourText(std::string_view text, TColour def) {
    if (text.empty()) return def;
    const std::string_view t = TrimControls(text);
    int32_t parts[3] = {0, 0, 0};
    int stored = 0;
    size_t digitsStart = 0, digitsLength = 0;
    auto take = [&](int slot) {
        int32_t value = 0;
        if (digitsLength > 0 && ParseIntegerText(t.substr(digitsStart, digitsLength), value)) {
            parts[slot] = value;
            return true;
        }
        return false;  // too long to be a number: skipped
    };
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            if (digitsLength == 0) digitsStart = i;
            ++digitsLength;
            continue;
        }
        if (digitsLength > 0 && stored < 3 && take(stored)) ++stored;
        digitsLength = 0;
    }
    // The last number counts only as the third of three.
    if (stored == 2 && digitsLength > 0) take(2);
    return Rgb(parts[0], parts[1], parts[2]);
}

void LoadImage(PixelBuffer& bitmap, std::string_view value, const TSkinReader& reader) {
    const std::string_view name = FileNamePart(value);
    if (name.empty() || Extension(name) != ".bmp") {
        bitmap = PixelBuffer();
        return;
    }
    std::vector<uint8_t> bytes;
    reader.ExtractEntry(name, bytes);
    bitmap = bytes.empty() ? PixelBuffer() : DecodeBmp(bytes);
}

void ParseDefinition(TSkinDefinition& skin, const TSkinIni& ini, const TSkinReader& reader,
                     const SkinPlatform& platform) {
    DefinitionParser(skin, ini, reader, platform).Run();
}

bool LoadSkinPackage(TSkinDefinition& skin, const uint8_t* package, size_t size, const SkinPlatform& platform) {
    skin.NoSkinLoaded = true;
    TSkinReader reader;
    if (!reader.ReadPackage(package, size)) return false;
    std::vector<uint8_t> text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    TSkinIni ini;
    ini.LoadFromStream(text);
    ParseDefinition(skin, ini, reader, platform);
    return true;
}

PixelBuffer BuiltinTrackImage(bool vertical) {
    // Across the groove: shadow, dark shadow, light, highlight; the two ends of the
    // groove's inner rows close it with a shadow and a light pixel.
    static const uint32_t kAcross[4] = {0xA0A0A0, 0x696969, 0xE3E3E3, 0xFFFFFF};
    constexpr int kLength = 16;
    PixelBuffer image(vertical ? 4 : kLength, vertical ? kLength : 4);
    for (int along = 0; along < kLength; ++along) {
        for (int across = 0; across < 4; ++across) {
            uint32_t colour = kAcross[across];
            if (across == 1 || across == 2) {
                if (along == 0) colour = kAcross[0];
                if (along == kLength - 1) colour = kAcross[2];
            }
            if (vertical) image.SetPixel(across, along, PixelFromColour(colour));
            else image.SetPixel(along, across, PixelFromColour(colour));
        }
    }
    return image;
}
