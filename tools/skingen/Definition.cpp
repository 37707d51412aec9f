// The definition text of the Kelvora skin: which picture each element uses, how it is
// cut into state frames and nine-slice margins, and the colour table.
#include <string>

#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

const char kSkinDefinitionName[] = "kelvora.ini";

namespace {

class DefinitionWriter {
public:
    void Comment(const std::string& text) { Line("; " + text); }
    void Section(const std::string& name) {
        if (!text_.empty()) Line("");
        Line("[" + name + "]");
    }
    void Key(const std::string& key, const std::string& value) { Line(key + "=" + value); }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    // Colours are written as "red,green,blue".
    void Colour(const std::string& key, const Rgb& c) {
        unsigned ref = ToColourRef(c);
        Key(key, std::to_string(ref & 0xFF) + "," + std::to_string((ref >> 8) & 0xFF) + "," +
                     std::to_string((ref >> 16) & 0xFF));
    }
    void Margins(int left, int top, int right, int bottom) {
        Key("LeftWidth", left);
        Key("TopHeight", top);
        Key("RightWidth", right);
        Key("BottomHeight", bottom);
    }
    const std::string& Text() const { return text_; }

private:
    void Line(const std::string& line) { text_ += line + "\r\n"; }
    std::string text_;
};

void WriteWindowFrame(DefinitionWriter& d) {
    d.Section("TitlebarSkin");
    d.Key("SkinName", "Kelvora Blue");

    d.Section("Fonts");
    d.Key("FontHeight", 14);

    d.Section("Personality");
    // Side borders run the full window height: the caption rows on top, the bottom
    // corner below, the rows between stretched. Frames: active, inactive.
    for (const char* side : {"Left", "Right"}) {
        std::string s = side;
        d.Key(s, s == "Left" ? "left.bmp" : "right.bmp");
        d.Key(s + "TopHeight", kCaptionHeight);
        d.Key(s + "BotHeight", kBorderWidth);
        d.Key(s + "Frame", 2);
        d.Key(s + "Stretch", 0);
        d.Key(s + "Trans", 1);
    }
    // The caption bar: its ends keep the round corners.
    d.Key("Top", "top.bmp");
    d.Key("TopTopHeight", kTopEnd);
    d.Key("TopBotHeight", kTopEnd);
    d.Key("TopFrame", 2);
    d.Key("TopStretch", 0);
    d.Key("TopTrans", 1);
    d.Key("Bottom", "bottom.bmp");
    d.Key("BottomTopHeight", 0);
    d.Key("BottomBotHeight", 0);
    d.Key("BottomFrame", 2);
    d.Key("BottomStretch", 0);
    d.Key("BottomTrans", 0);
    // Caption text: after the icon, clear of the buttons, on a soft rounded band.
    d.Key("TextBack", "titleback.bmp");
    d.Key("TextShift", kTitleShift);
    d.Key("TextShiftVert", 0);
    d.Key("TextRightClip", kTitleRightClip);
    d.Key("TextAlignment", 0);
    d.Key("Textbackground", 1);
    d.Key("TXTBackleft", kTextBackEnd);
    d.Key("TXTBackRight", kTextBackEnd);
    const unsigned active = ToColourRef(kTitleTextActive), inactive = ToColourRef(kTitleTextInactive);
    d.Key("ActiveTextR", static_cast<int>(active & 0xFF));
    d.Key("ActiveTextG", static_cast<int>((active >> 8) & 0xFF));
    d.Key("ActiveTextB", static_cast<int>((active >> 16) & 0xFF));
    d.Key("InActiveTextR", static_cast<int>(inactive & 0xFF));
    d.Key("InActiveTextG", static_cast<int>((inactive >> 8) & 0xFF));
    d.Key("InActiveTextB", static_cast<int>((inactive >> 16) & 0xFF));
    d.Key("menuBar", "menubar.bmp");
    d.Key("TileMenu", 1);
    d.Key("TileLeftMenu", 1);
    d.Key("TileRightMenu", 1);
}

void WriteColours(DefinitionWriter& d) {
    d.Section("Colours");
    d.Colour("WindowText", kText);
    d.Colour("TitleTextActive", kTitleTextActive);
    d.Colour("TitleTextNoActive", kTitleTextInactive);
    d.Colour("ButtonFace", kFace);
    d.Colour("ButtonText", kText);
    d.Colour("ButtonHilight", kWhite);
    d.Colour("Buttonlight", Hex(0xE6ECF4));
    d.Colour("ButtonShadow", Hex(0xB9C6D6));
    d.Colour("ButtonDkShadow", Hex(0x6B7C93));
    d.Colour("HilightText", kText);
    d.Colour("Hilight", kSelectedFill);
    d.Colour("Menubar", kFace);
    d.Colour("MenuBarText", kText);
    d.Colour("MenuText", kText);
    d.Colour("Menu", kWhite);
    d.Colour("Scrollbar", kScrollTrack);
}

struct CaptionButton {
    const char* section;
    int action;
    int x;
    int visibility;
    int visibility1;
    const char* image;
};

void WriteCaptionButtons(DefinitionWriter& d) {
    // Right-aligned buttons: x counts from the right window edge. The maximise button
    // shows (disabled) on windows that can only be minimised; help stands in its place on
    // windows with a help box and neither. Help takes the maximise button's position, so
    // it must come after it.
    const CaptionButton buttons[] = {
        {"ButtonClose", 0, kCloseX, 0, 0, "btnclose.bmp"},
        {"ButtonMaximize", 1, kMaximiseX, 2, 6, "btnmax.bmp"},
        {"ButtonRestore", 1, kMaximiseX, 1, 6, "btnrestore.bmp"},
        {"ButtonMinimize", 2, kMinimiseX, 6, 0, "btnmin.bmp"},
        {"ButtonHelp", 4, kMaximiseX, 10, 0, "btnhelp.bmp"},
    };
    for (const CaptionButton& b : buttons) {
        d.Section(b.section);
        d.Key("Action", b.action);
        d.Key("Align", 1);
        d.Key("Xcoord", b.x);
        d.Key("Ycoord", kCaptionButtonTop);
        d.Key("Visibility", b.visibility);
        d.Key("Visibility1", b.visibility1);
        d.Key("frame", 4);
        d.Key("ButtonImage", b.image);
    }
    // The window icon: drawn from the program's own icon.
    d.Section("ButtonIcon");
    d.Key("Action", 3);
    d.Key("Align", 0);
    d.Key("Xcoord", kIconX);
    d.Key("Ycoord", kIconY);
    d.Key("Visibility", 0);
}

void WriteControls(DefinitionWriter& d) {
    d.Section("Buttons");
    d.Key("Bitmap", "buttons.bmp");
    d.Margins(4, 4, 4, 4);
    d.Key("Trans", 1);
    d.Key("Tile", 0);
    d.Key("CheckButton", "checkbox.bmp");
    d.Key("CheckButtonFrame", 12);
    d.Key("RadioButton", "radio.bmp");
    d.Key("RadioButtonFrame", 8);
    d.Colour("NormalColour2", kText);
    d.Colour("MouseOverColour2", Hex(0x15448F));
    d.Colour("PressedColour2", Hex(0x15448F));

    d.Section("Tabs");
    d.Key("Image", "tabs.bmp");
    d.Key("Border", "tabpane.bmp");
    d.Key("Style", 0);
    d.Margins(4, 4, 4, 2);
    d.Key("Trans", 1);
    d.Key("Tile", 0);
    d.Colour("NormalColour2", kTextMuted);
    d.Colour("MouseOverColour2", kText);

    d.Section("Tab.Pane");
    d.Key("Image", "tabpane.bmp");
    d.Margins(4, 4, 4, 4);
    d.Key("Trans", 0);

    d.Section("Progress");
    d.Key("Bitmap", "progress.bmp");
    d.Key("Style", 0);
    d.Margins(5, 7, 5, 7);
    d.Key("Trans", 1);
    d.Key("Tile", 0);

    d.Section("Progress.Chunk");
    d.Key("Image", "progresschunk.bmp");
    d.Key("Frame", 1);
    d.Key("Trans", 1);
    d.Key("Tile", 1);

    d.Section("GroupBox");
    d.Key("Image", "groupbox.bmp");
    d.Margins(5, 5, 5, 5);
    d.Key("Trans", 1);
    d.Key("BackgroundAlignment", 0);
    d.Key("BackgroundLeftShift", 0);
    d.Key("BackgroundRightShift", 0);

    d.Section("StatusBarEdges");
    d.Key("Image", "statusbar.bmp");
    d.Margins(1, 5, 3, 5);
    d.Key("Trans", 0);
    d.Colour("NormalColour2", kTextMuted);

    d.Section("SunkEdge");
    d.Key("Image", "sunkedge.bmp");
    d.Margins(4, 4, 4, 4);
    d.Key("Trans", 1);

    d.Section("ComboButton");
    d.Key("Image", "combobutton.bmp");
    d.Margins(3, 3, 3, 3);
    d.Key("Trans", 1);

    d.Section("ExtraImages");
    d.Key("Image", "extra.bmp");
    d.Key("Trans", 1);

    d.Section("Headerbar");
    d.Key("Image", "header.bmp");
    d.Key("Frame", 5);
    d.Margins(1, 3, 2, 3);
    d.Key("Trans", 0);
}

void WriteMenus(DefinitionWriter& d) {
    d.Section("MenuItem");
    d.Key("Image", "menuitem.bmp");
    d.Margins(4, 4, 4, 4);
    d.Key("Trans", 1);

    d.Section("MenuBackground");
    d.Key("Image", "menubg.bmp");
    d.Margins(3, 3, 3, 3);
    d.Key("Trans", 0);
}

void WriteScrollBars(DefinitionWriter& d) {
    d.Section("Scrollbar");
    d.Key("Image", "scrollbar.bmp");
    d.Key("Trans", 1);

    for (const char* section : {"HorzScroll", "VertScroll"}) {
        d.Section(section);
        d.Key("Image", "scrolltrack.bmp");
        d.Key("Trans", 0);
        d.Key("Tile", 0);
    }

    d.Section("HorzScrollThumb");
    d.Key("Image", "hthumb.bmp");
    d.Key("FrameCount", 3);
    d.Margins(6, 0, 6, 0);
    d.Key("Trans", 0);

    d.Section("VertScrollThumb");
    d.Key("Image", "vthumb.bmp");
    d.Key("FrameCount", 3);
    d.Margins(0, 6, 0, 6);
    d.Key("Trans", 0);
}

void WriteSpinAndTrack(DefinitionWriter& d) {
    const struct {
        const char* section;
        const char* image;
    } thumbs[] = {{"Trackbar.ThumbHorz", "thumbhorz.bmp"}, {"Trackbar.ThumbVert", "thumbvert.bmp"},
                  {"Trackbar.ThumbLeft", "thumbleft.bmp"}, {"Trackbar.ThumbRight", "thumbright.bmp"},
                  {"Trackbar.ThumbUp", "thumbup.bmp"},     {"Trackbar.ThumbDown", "thumbdown.bmp"}};
    for (const auto& t : thumbs) {
        d.Section(t.section);
        d.Key("Image", t.image);
        d.Key("Trans", 1);
    }

    d.Section("Track");
    d.Key("Image", "track.bmp");
    d.Margins(3, 1, 3, 1);
    d.Key("Frame", 1);

    d.Section("TRACKVERT");
    d.Key("Image", "trackvert.bmp");
    d.Margins(1, 3, 1, 3);
    d.Key("Frame", 1);

    d.Section("UpDown.Horz");
    d.Key("Image", "updownh.bmp");
    d.Key("GlyphImage", "updownhglyph.bmp");
    d.Margins(3, 3, 3, 3);
    d.Key("Trans", 1);

    d.Section("UpDown.Vert");
    d.Key("Image", "updownv.bmp");
    d.Key("GlyphImage", "updownvglyph.bmp");
    d.Margins(3, 3, 3, 3);
    d.Key("Trans", 1);
}

}  // namespace

std::string SkinDefinitionText() {
    DefinitionWriter d;
    d.Comment("Kelvora Blue: drawn by tools/skingen, do not edit by hand.");
    WriteWindowFrame(d);
    WriteColours(d);
    WriteCaptionButtons(d);
    WriteControls(d);
    WriteMenus(d);
    WriteScrollBars(d);
    WriteSpinAndTrack(d);
    return d.Text();
}
