#include "skin/data/SkinDefinition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/BmpCodec.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"

namespace {

// System colour n is 0x0n0n0n plus a marker byte, so a resolved colour tells its index.
class FakePlatform : public SkinPlatform {
public:
    uint32_t SysColour(int index) const override { return 0x010101u * static_cast<uint32_t>(index) + 0x000080u; }
    int HorzScrollArrowWidth() const override { return arrow; }
    int arrow = 16;
};

constexpr uint32_t kMagentaPixel = 0xFFFF00FFu;

PixelBuffer Solid(int w, int h, uint32_t colour) {
    PixelBuffer b(w, h);
    b.Fill(PixelFromColour(colour));
    return b;
}

// A picture whose every pixel differs: colour = x | y << 8, so copies and mirrors show.
PixelBuffer Gradient(int w, int h) {
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, PixelFromColour(static_cast<uint32_t>(x | (y << 8))));
    return b;
}

struct SkinFixture {
    std::vector<SkinEntry> entries;
    FakePlatform platform;
    TSkinDefinition skin;

    void Add(const std::string& name, const PixelBuffer& image) { entries.push_back({name, EncodeBmp(image, 32)}); }
    void AddBytes(const std::string& name, std::vector<uint8_t> bytes) { entries.push_back({name, std::move(bytes)}); }

    // Parses text against the images added so far, through the whole package path.
    void Parse(const std::string& text) {
        std::vector<SkinEntry> all = entries;
        all.push_back({"skin.ini", std::vector<uint8_t>(text.begin(), text.end())});
        ASSERT_TRUE(LoadSkinPackage(skin, BuildSkinPackage(20000, all), platform));
    }
};

uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r | (g << 8) | (b << 16)); }

}  // namespace

TEST(SkinDefinitionColourText, ThreeNumbersWithAnySeparators) {
    EXPECT_EQ(ParseColourText("212,208,200", 7), static_cast<TColour>(Rgb(212, 208, 200)));
    EXPECT_EQ(ParseColourText("212 208 200", 7), static_cast<TColour>(Rgb(212, 208, 200)));
    EXPECT_EQ(ParseColourText(" 212;208;200 ", 7), static_cast<TColour>(Rgb(212, 208, 200)));
    EXPECT_EQ(ParseColourText("r212 g208 b200x", 7), static_cast<TColour>(Rgb(212, 208, 200)));
    EXPECT_EQ(ParseColourText("", 7), 7);
    // One number alone is never stored; two give red only, since the pending one only
    // completes a colour as its third number.
    EXPECT_EQ(ParseColourText("255", 7), 0);
    EXPECT_EQ(ParseColourText("1,2", 7), 1);
    EXPECT_EQ(ParseColourText("1,2,", 7), static_cast<TColour>(Rgb(1, 2, 0)));
    // Modulo 256, no signs, at most three, an unconvertible number skipped.
    EXPECT_EQ(ParseColourText("300,256,257", 7), static_cast<TColour>(Rgb(44, 0, 1)));
    EXPECT_EQ(ParseColourText("-1,-2,-3", 7), static_cast<TColour>(Rgb(1, 2, 3)));
    EXPECT_EQ(ParseColourText("1,2,3,4,5", 7), static_cast<TColour>(Rgb(1, 2, 3)));
    EXPECT_EQ(ParseColourText("99999999999,4,5,6", 7), static_cast<TColour>(Rgb(4, 5, 6)));
    EXPECT_EQ(ParseColourText("$FF000008", 7), 0);
}

TEST(SkinDefinitionImages, NamesExtensionsAndBadEntries) {
    std::vector<SkinEntry> entries = {{"a.bmp", EncodeBmp(Solid(3, 2, 0x112233), 24)},
                                      {"empty.bmp", {}},
                                      {"bad.bmp", {'B', 'M', 1, 2, 3}},
                                      {"a.png", EncodeBmp(Solid(3, 2, 0x112233), 24)}};
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(BuildSkinPackage(30000, entries)));
    PixelBuffer image;
    LoadImage(image, "C:\\skins\\Blue\\A.bmp", reader);  // directory dropped, entry found in any case
    ASSERT_EQ(image.Width(), 3);
    EXPECT_EQ(ColourFromPixel(image.Pixel(2, 1)), 0x112233u);
    LoadImage(image, "res:a.bmp", reader);
    EXPECT_EQ(image.Height(), 2);

    for (const char* value : {"a.BMP", "a.png", "a", "", "C:\\dir\\", "missing.bmp", "empty.bmp", "bad.bmp"}) {
        LoadImage(image, "a.bmp", reader);
        LoadImage(image, value, reader);
        EXPECT_TRUE(image.Empty()) << value;
    }
}

TEST(SkinDefinitionReaders, ImageElementKeysAndDefaults) {
    SkinFixture f;
    f.Add("chunk.bmp", Solid(8, 6, 0x00FF00));
    f.Parse(
        "[Colours]\nButtonText=1,2,3\n"
        "[Progress.Chunk]\nImage=chunk.bmp\nFrame=0x10\nLeftWidth=2\nTopHeight=$3\nTile=2\nTrans=1\n"
        "NormalColour=$FF\nMouseOverColour2=9 8 7\nStyle=word\n"
        "[MenuItem]\nImage=\nLeftWidth=4\n"
        "[StatusBarEdges]\nImage=nothing.bmp\n");
    const TDataSkinObject* chunk = f.skin.ProgressChunk.get();
    ASSERT_NE(chunk, nullptr);
    EXPECT_EQ(chunk->IDName, "Progress.Chunk");
    EXPECT_EQ(chunk->Image.Width(), 8);
    EXPECT_EQ(chunk->FrameCount, 16);  // kept as read
    EXPECT_EQ(chunk->LeftWidth, 2);
    EXPECT_EQ(chunk->TopHeight, 3);
    EXPECT_EQ(chunk->Tile, 0);  // tile values above 1 mean stretch
    EXPECT_EQ(chunk->Trans, 1);
    EXPECT_EQ(chunk->Style, 0);
    EXPECT_EQ(chunk->NormalColour, 0xFF);
    EXPECT_EQ(chunk->PressedColour, -1);
    EXPECT_EQ(chunk->NormalColour2, static_cast<TColour>(Rgb(1, 2, 3)));  // ButtonText
    EXPECT_EQ(chunk->MouseOverColour2, static_cast<TColour>(Rgb(9, 8, 7)));
    // No image value: no record. An image value naming no entry: a record with no image.
    EXPECT_EQ(f.skin.MenuItem, nullptr);
    ASSERT_NE(f.skin.StatusBarEdges, nullptr);
    EXPECT_TRUE(f.skin.StatusBarEdges->Image.Empty());
    EXPECT_EQ(f.skin.StatusBarEdges->FrameCount, 3);
}

TEST(SkinDefinitionReaders, WindowBordersTitleAndButtons) {
    SkinFixture f;
    f.Add("left.bmp", Solid(8, 60, 0x804020));
    f.Add("top.bmp", Gradient(90, 60));
    f.Add("check.bmp", Solid(104, 13, 0));
    f.Add("radio.bmp", Solid(20, 16, 0));
    f.Parse(
        "[Personality]\nLeft=left.bmp\nLeftTopHeight=30\nLeftBotHeight=5\nLeftStretch=7\nLeftFrame=2\n"
        "Top=top.bmp\nTopTopHeight=12\nTopBotHeight=14\nTopTrans=0\nTopFrame=2\n"
        "TextShift=6\nTextShiftVert=2\nTextAlignment=1\nActiveTextR=255\nActiveTextG=256\nActiveTextB=1\n"
        "InActiveTextR=10\nInActiveTextG=10\n"
        "[Fonts]\nFontHeight=$10\n"
        "[Buttons]\nBitmap=left.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\nTile=3\n"
        "NormalColour2=1,1,1\nPressedColour2=\n");
    const TSkinDefinition& s = f.skin;
    EXPECT_EQ(s.BorderLeft.Image.Height(), 60);
    EXPECT_EQ(s.BorderLeft.TopHeight, 30);
    EXPECT_EQ(s.BorderLeft.BottomHeight, 5);
    EXPECT_EQ(s.BorderLeft.Tile, 1);
    EXPECT_EQ(s.BorderLeft.FrameCount, 2);
    EXPECT_EQ(s.BorderLeft.Trans, 1);
    // Horizontal borders put their two margins at the ends.
    EXPECT_EQ(s.BorderTop.LeftWidth, 12);
    EXPECT_EQ(s.BorderTop.RightWidth, 14);
    EXPECT_EQ(s.BorderTop.TopHeight, 0);
    EXPECT_EQ(s.BorderTop.Trans, 0);
    // Missing border keys: one frame, tiled, transparent, no image.
    EXPECT_TRUE(s.BorderRight.Image.Empty());
    EXPECT_EQ(s.BorderRight.FrameCount, 1);
    EXPECT_EQ(s.BorderRight.Tile, 1);
    EXPECT_EQ(s.BorderRight.Trans, 1);
    EXPECT_EQ(s.BorderBottom.IDName, "Bottom");

    EXPECT_EQ(s.Title.LeftWidth, 6);
    EXPECT_EQ(s.Title.TopHeight, 2);
    EXPECT_EQ(s.Title.TextAlignment, 1);
    EXPECT_EQ(s.Title.FontHeight, 16);
    EXPECT_EQ(s.Title.ActiveTextColour, static_cast<TColour>(Rgb(255, 0, 1)));
    EXPECT_EQ(s.Title.InActiveTextColour, kTitleColourNotGiven);  // blue missing
    EXPECT_EQ(s.Title.FrameCount, 2);

    EXPECT_EQ(s.Buttons.FrameCount, 5);
    EXPECT_EQ(s.Buttons.Tile, 0);
    EXPECT_EQ(s.Buttons.CheckButtonFrame, 8);  // 104 wide, 13 high: 13 px cells
    EXPECT_EQ(s.Buttons.RadioButtonFrame, 4);  // 20 wide, 16 high: one cell, but at least 4
    EXPECT_TRUE(s.Buttons.HasNormalColour2);
    EXPECT_FALSE(s.Buttons.HasMouseOverColour2);
    EXPECT_FALSE(s.Buttons.HasPressedColour2);
    EXPECT_EQ(s.Buttons.NormalColour2, static_cast<TColour>(Rgb(1, 1, 1)));
    EXPECT_EQ(s.Buttons.MouseOverColour2, SystemColour(18));

    // The frame colour is sampled from the top border's first frame, a third of the way in.
    EXPECT_EQ(s.FrameColour, static_cast<TColour>(30 | (10 << 8)));
    EXPECT_EQ(s.Colours[scFrameColour], s.FrameColour);
}

TEST(SkinDefinitionReaders, ColourTableSectionsAndCustomColours) {
    SkinFixture f;
    f.Parse(
        "[Colours]\nButtonFace=240,244,248\nWindowText=1 2 3\nHilight=\n"
        "[Colour1]\ncolor=10,20,30\n[Colours]\n[COLOURX]\n[Customcolors]\nColor3=5,6,7\n");
    const TSkinDefinition& s = f.skin;
    EXPECT_EQ(s.Colours[scButtonFace], static_cast<TColour>(Rgb(240, 244, 248)));
    EXPECT_EQ(s.Colours[scMenubar], s.Colours[scButtonFace]);  // follows ButtonFace
    EXPECT_EQ(s.Colours[scWindowText], static_cast<TColour>(Rgb(1, 2, 3)));
    EXPECT_EQ(s.Colours[scHilight], SystemColour(13));
    EXPECT_EQ(s.Colours[scTitleTextNoActive], SystemColour(19));
    EXPECT_EQ(s.Colours[scScrollbar], SystemColour(0));
    EXPECT_EQ(s.Colours[9], 0);
    EXPECT_EQ(s.Colours[10], 0);
    EXPECT_TRUE(s.ColourGiven[scButtonFace]);
    EXPECT_FALSE(s.ColourGiven[scHilight]);
    EXPECT_FALSE(s.ColourGiven[scMenubar]);
    // Every COLOUR... section but COLOURS, in file order; "color" defaults to WindowText's system colour.
    EXPECT_EQ(s.ColourSections, (std::vector<TColour>{static_cast<TColour>(Rgb(10, 20, 30)), SystemColour(8)}));
    EXPECT_EQ(s.CustomColors[3], static_cast<TColour>(Rgb(5, 6, 7)));
    EXPECT_EQ(s.CustomColors[0], 0xFFFFFF);
    // No top border image: the frame colour is the button face.
    EXPECT_EQ(s.FrameColour, s.Colours[scButtonFace]);
}

TEST(SkinDefinitionCaptionButtons, SelectionVisibilityAndFrames) {
    SkinFixture f;
    f.Add("b3.bmp", Solid(60, 20, 0x0000FF));
    f.Add("b6.bmp", Solid(120, 20, 0x0000FF));
    f.Add("b4.bmp", Solid(76, 20, 0x0000FF));  // exactly 3.8: still 3 frames
    f.Parse(
        "[Buttons]\nBitmap=b3.bmp\n[Button]\nAction=0\n[Button.Radio]\n[button.checkbox]\n[BUTTONS]\n"
        "[ButtonClose]\nAction=0\nButtonImage=b3.bmp\nAlign=1\nXcoord=30\n"
        "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=55\nYcoord=4\nButtonImage=b6.bmp\n"
        "[ButtonMax2]\nAction=1\nVisibility=1\nXcoord=99\nYcoord=9\n"
        "[ButtonHelp]\nAction=4\nXcoord=1\nYcoord=1\nButtonImage=b4.bmp\n"
        "[ButtonDropped]\nAction=-1\nButtonImage=b3.bmp\n"
        "[ButtonShownNoAction]\nAction=-1\nVisibility=0\nButtonImage=b3.bmp\n"
        "[ButtonIcon]\nAction=3\nButtonImage=b3.bmp\n"
        "[ButtonFramed]\nAction=11\nButtonImage=b3.bmp\nframe=2\n"
        "[ButtonNoImage]\nAction=2\n"
        "[NotAButton]\nAction=0\n");
    const auto& b = f.skin.SysButtons;
    ASSERT_EQ(b.size(), 8u + 3u);
    std::vector<std::string> ids;
    for (size_t i = 0; i < 8; ++i) ids.push_back(b[i]->IDName);
    EXPECT_EQ(ids, (std::vector<std::string>{"BUTTONCLOSE", "BUTTONMAX", "BUTTONMAX2", "BUTTONHELP",
                                             "BUTTONSHOWNNOACTION", "BUTTONICON", "BUTTONFRAMED",
                                             "BUTTONNOIMAGE"}));
    EXPECT_EQ(b[0]->FrameCount, 3);
    EXPECT_EQ(b[0]->Align, 1);
    EXPECT_EQ(b[0]->CombineOp, -1);
    EXPECT_EQ(b[0]->Visibility1, 0);
    EXPECT_EQ(b[1]->FrameCount, 6);
    // Help takes the position of the maximise button shown when not maximised.
    EXPECT_EQ(b[3]->Xcoord, 55);
    EXPECT_EQ(b[3]->Ycoord, 4);
    EXPECT_EQ(b[3]->FrameCount, 3);
    EXPECT_EQ(b[4]->Visibility1, -1);
    EXPECT_EQ(b[4]->FrameCount, 6);  // no action: six frames whatever the shape
    EXPECT_TRUE(b[5]->Image.Empty());  // window icon: drawn from the application's icon
    EXPECT_EQ(b[5]->FrameCount, 3);
    EXPECT_FALSE(b[6]->Image.Empty());  // an explicit frame count keeps the image
    EXPECT_EQ(b[6]->FrameCount, 2);
    EXPECT_EQ(b[7]->FrameCount, 6);

    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& m = *b[8 + i];
        EXPECT_EQ(m.Action, 7 + i);
        EXPECT_EQ(m.Align, 100);
        EXPECT_EQ(m.Visibility, 100);
        EXPECT_EQ(m.Visibility1, 100);
        EXPECT_EQ(m.FrameCount, 4);
        EXPECT_TRUE(m.Image.Empty());
    }
}

TEST(SkinDefinitionCaptionButtons, HelpWithoutMaximiseAndMdiStrip) {
    SkinFixture f;
    f.Add("mdi.bmp", Gradient(120, 18));
    f.Parse("[ButtonHelp]\nAction=4\nXcoord=8\nYcoord=8\n[MDIControls]\nImage=mdi.bmp\n");
    const auto& b = f.skin.SysButtons;
    ASSERT_EQ(b.size(), 4u);
    EXPECT_EQ(b[0]->Xcoord, 0);
    EXPECT_EQ(b[0]->Ycoord, 0);
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& m = *b[1 + i];
        ASSERT_EQ(m.Image.Width(), 40) << i;
        EXPECT_EQ(m.Image.Height(), 18);
        EXPECT_EQ(ColourFromPixel(m.Image.Pixel(0, 5)), static_cast<uint32_t>(40 * i | 5 << 8));
        EXPECT_EQ(m.Xcoord, 14 * (3 - i));
    }
}

TEST(SkinDefinitionFrameCounts, FixedCountsOverrideTheFrameKey) {
    SkinFixture f;
    f.Add("x.bmp", Solid(40, 20, 0x808080));
    std::string text;
    for (const char* sec : {"GroupBoxEdge", "Tabs", "Tab.Pane", "ToolBars", "ExtraImages", "MenuItem",
                            "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "UpDown.Horz",
                            "Trackbar.ThumbUp", "HorzScrollThumb", "VertScrollThumb", "Headerbar", "GroupBox"})
        text += std::string("[") + sec + "]\nImage=x.bmp\nFrame=9\nLeftWidth=10\nTopHeight=2\n";
    text += "[VertScrollThumb]\nFrameCount=7\n[Progress]\nBitmap=x.bmp\nStyle=1\nTile=5\n"
            "[Personality]\nmenuBar=x.bmp\nTileMenu=3\n";
    f.Parse(text);
    const TSkinDefinition& s = f.skin;
    EXPECT_EQ(s.GroupBoxEdge->FrameCount, 2);
    EXPECT_EQ(s.Tabs->FrameCount, 5);
    EXPECT_EQ(s.TabPane->FrameCount, 1);
    EXPECT_EQ(s.TabPane->LeftWidth, 4);  // pane margins are at most 4
    EXPECT_EQ(s.TabPane->TopHeight, 2);
    EXPECT_EQ(s.ToolBars->FrameCount, 5);
    EXPECT_EQ(s.ExtraImages->FrameCount, 5);
    EXPECT_EQ(s.MenuItem->FrameCount, 5);
    EXPECT_EQ(s.MenuBackground->FrameCount, 1);
    EXPECT_EQ(s.Scrollbar->FrameCount, 23);
    EXPECT_EQ(s.HorzScroll->FrameCount, 4);
    EXPECT_EQ(s.VertScroll->FrameCount, 4);
    EXPECT_EQ(s.UpDownHorz->FrameCount, 8);
    EXPECT_EQ(s.UpDownVert, nullptr);
    EXPECT_EQ(s.TrackbarThumbUp->FrameCount, 5);
    EXPECT_EQ(s.HorzScrollThumb->FrameCount, 3);  // its own FrameCount key, default 3
    EXPECT_EQ(s.VertScrollThumb->FrameCount, 3);  // the second [VertScrollThumb] is never read
    EXPECT_EQ(s.Headerbar->FrameCount, 9);        // kept unless 0
    EXPECT_EQ(s.GroupBox->FrameCount, 1);
    EXPECT_EQ(s.Progress->FrameCount, 1);
    EXPECT_EQ(s.Progress->Tile, 1);  // progress tiles when asked for more than 1
    EXPECT_EQ(s.MenuBar->FrameCount, 2);
    EXPECT_EQ(s.MenuBar->IDName, "Personality");
    EXPECT_EQ(s.MenuBar->Tile, 1);
    EXPECT_EQ(s.MenuBar->LeftWidth, 1);
    EXPECT_EQ(s.MenuBar->RightWidth, 1);

    SkinFixture g;
    g.Add("x.bmp", Solid(40, 20, 0x808080));
    g.Parse("[Headerbar]\nImage=x.bmp\n[Progress]\nBitmap=x.bmp\n");
    EXPECT_EQ(g.skin.Headerbar->FrameCount, 5);
    EXPECT_EQ(g.skin.Progress->FrameCount, 2);
}

TEST(SkinDefinitionCombo, ArrowWithoutSunkEdgeShowsButtonFace) {
    SkinFixture f;
    PixelBuffer arrow = Solid(64, 16, 0xFF00FF);
    arrow.SetPixel(3, 3, PixelFromColour(0x000000));
    f.Add("combo.bmp", arrow);
    f.Parse("[ComboButton]\nImage=combo.bmp\n");
    const TDataSkinObject* a = f.skin.ComboxArrow.get();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->IDName, "ComboxArrow");
    EXPECT_EQ(a->FrameCount, 4);
    // ButtonFace is the system colour 15 here; its value, not the reference, shows.
    EXPECT_EQ(ColourFromPixel(a->Image.Pixel(0, 0)), f.platform.SysColour(15));
    EXPECT_EQ(ColourFromPixel(a->Image.Pixel(3, 3)), 0u);
    // The mirrored copy for right-to-left combo boxes.
    EXPECT_EQ(ColourFromPixel(f.skin.ComboButton->Image2.Pixel(60, 3)), 0u);
    EXPECT_EQ(f.skin.ComboButton->Image2.Pixel(3, 3), kMagentaPixel);

    SkinFixture none;
    none.Parse("[ComboButton]\nImage=\n");
    ASSERT_NE(none.skin.ComboxArrow, nullptr);
    EXPECT_TRUE(none.skin.ComboxArrow->Image.Empty());
}

TEST(SkinDefinitionCombo, CompositeOfSunkEdgeButtonAndGlyph) {
    SkinFixture f;
    f.platform.arrow = 16;  // w = 18
    f.Add("sunk.bmp", Solid(40, 21, 0x303030));
    f.Add("button.bmp", Solid(80, 21, 0x0000C0));
    PixelBuffer glyph = Solid(35, 5, 0xFF00FF);
    for (int i = 0; i < 5; ++i) glyph.SetPixel(7 * i + 3, 2, PixelFromColour(0x00FF00));
    f.Add("glyph.bmp", glyph);
    f.Parse(
        "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=3\nRightWidth=2\nBottomHeight=4\n"
        "[ComboButton]\nImage=button.bmp\n[ExtraImages]\nImage=glyph.bmp\n");
    const TSkinDefinition& s = f.skin;
    const TDataSkinBorder& button = *s.ComboButton;
    const TDataSkinObject& sunk = *s.SunkEdge;
    EXPECT_EQ(button.Style, 2);
    ASSERT_EQ(button.Image.Width(), 200);
    ASSERT_EQ(button.Image.Height(), 21);
    EXPECT_EQ(button.LeftWidth, 2);
    EXPECT_EQ(button.TopHeight, 3);
    EXPECT_EQ(button.RightWidth, 20);
    EXPECT_EQ(button.BottomHeight, 4);
    EXPECT_EQ(sunk.LeftWidth, 20);
    EXPECT_EQ(sunk.RightWidth, 2);
    EXPECT_EQ(sunk.FrameCount, 4);
    for (int b = 0; b < 4; ++b) {
        const int x0 = 50 * b;
        EXPECT_EQ(ColourFromPixel(button.Image.Pixel(x0 + 0, 10)), 0x303030u);    // the edit frame
        EXPECT_EQ(button.Image.Pixel(x0 + 10, 10), kMagentaPixel);                 // the edit's own area
        EXPECT_EQ(ColourFromPixel(button.Image.Pixel(x0 + 32, 1)), 0x0000C0u);    // the drop button
        EXPECT_EQ(ColourFromPixel(button.Image.Pixel(x0 + 40, 10)), 0x00FF00u);   // glyph centred in it
        EXPECT_EQ(ColourFromPixel(button.Image.Pixel(x0 + 39, 10)), 0x0000C0u);   // its magenta shows the button
        // The mirror serves right-to-left boxes.
        EXPECT_EQ(sunk.Image.Pixel(199 - (x0 + 40), 10), button.Image.Pixel(x0 + 40, 10));
    }
    // The arrow cells come from the right end of each 50 px cell.
    const TDataSkinObject& arrow = *s.ComboxArrow;
    ASSERT_EQ(arrow.Image.Width(), 68);
    ASSERT_EQ(arrow.Image.Height(), 17);
    EXPECT_EQ(arrow.FrameCount, 4);
    EXPECT_EQ(arrow.Image.Pixel(17 + 10, 8), button.Image.Pixel(50 + 31 + 10, 10));
}

TEST(SkinDefinitionSynthesized, TracksToolbarBackAndReparse) {
    SkinFixture f;
    f.Add("x.bmp", Solid(40, 20, 0x808080));
    f.Parse("[Progress]\nBitmap=x.bmp\n[Personality]\nTop=x.bmp\nTopFrame=0\n[Colours]\nButtonFace=255,255,255\n");
    const TSkinDefinition& s = f.skin;
    ASSERT_NE(s.Track, nullptr);
    ASSERT_NE(s.TrackVert, nullptr);
    EXPECT_EQ(s.Track->Image.Width(), 16);
    EXPECT_EQ(s.Track->Image.Height(), 4);
    EXPECT_EQ(s.TrackVert->Image.Width(), 4);
    EXPECT_EQ(s.TrackVert->Image.Height(), 16);
    EXPECT_EQ(s.Track->LeftWidth, 3);
    EXPECT_EQ(s.TrackVert->BottomHeight, 3);
    EXPECT_EQ(s.Track->FrameCount, 1);
    EXPECT_EQ(s.Track->Tile, 0);
    // A top border claiming zero frames is read as one frame, never divided by.
    EXPECT_EQ(s.FrameColour, 0x808080);

    ASSERT_NE(s.ToolbarBack, nullptr);
    EXPECT_EQ(s.ToolbarBack->IDName, "Toolbar");
    EXPECT_EQ(s.ToolbarBack->FrameCount, 1);
    ASSERT_EQ(s.ToolbarBack->Image.Width(), 10);
    ASSERT_EQ(s.ToolbarBack->Image.Height(), 40);
    // Grey frame (saturation 200 > 110): bottom = 0x808080 54 % of it left: (5625 - 5000) / 140 + 50.
    EXPECT_EQ(ColourFromPixel(s.ToolbarBack->Image.Pixel(5, 0)), 0xFFFFFFu);
    const uint32_t bottom = BlendColours(0x808080, 0xFFFFFF, 54);
    EXPECT_EQ(bottom, 0xBABABAu);
    EXPECT_EQ(ColourFromPixel(s.ToolbarBack->Image.Pixel(5, 39)), GradientRamp(0xFFFFFF, bottom, 40).back());
    EXPECT_FALSE(s.NoSkinLoaded);
    ASSERT_NE(s.BackgroundBrush, nullptr);
    EXPECT_EQ(s.BackgroundBrush->Colour(), 0xFFFFFFu);  // the button face

    // A second skin without those elements drops them; the caption buttons are rebuilt.
    f.entries.clear();
    f.Parse("[Track]\nImage=gone.bmp\nLeftWidth=1\n");
    // The brush follows the new face colour: the default, system colour 15, resolved.
    ASSERT_NE(f.skin.BackgroundBrush, nullptr);
    EXPECT_EQ(f.skin.BackgroundBrush->Colour(), f.platform.SysColour(15));
    EXPECT_EQ(f.skin.Progress, nullptr);
    EXPECT_EQ(f.skin.SysButtons.size(), 3u);
    EXPECT_TRUE(f.skin.BorderTop.Image.Empty());
    EXPECT_EQ(f.skin.Track->LeftWidth, 1);  // read from the skin, not the built-in
    EXPECT_TRUE(f.skin.Track->Image.Empty());
}

TEST(SkinDefinitionPackage, UnreadablePackageLeavesTheSkinAlone) {
    FakePlatform platform;
    TSkinDefinition skin;
    const std::string text = "[TitlebarSkin]\nSkinName=Kept\n";
    ASSERT_TRUE(LoadSkinPackage(skin, BuildSkinPackage(70000, {{"Skin.INI", {text.begin(), text.end()}}}), platform));
    EXPECT_EQ(skin.SkinName, "Kept");
    std::vector<std::string> messages;
    SkinMessageHandler previous = SetSkinMessageHandler([&](const std::string& m) { messages.push_back(m); });
    EXPECT_FALSE(LoadSkinPackage(skin, BuildSkinPackage(10000, {{"x.ini", {}}}), platform));
    SetSkinMessageHandler(previous);
    EXPECT_TRUE(skin.NoSkinLoaded);
    EXPECT_EQ(skin.SkinName, "Kept");
    EXPECT_EQ(messages.size(), 1u);
}
