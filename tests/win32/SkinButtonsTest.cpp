// Button skinners on real windows: the face each mouse state shows, clicks only from a
// press released on the button, disabled buttons, glyphs on bare check boxes and radio
// buttons, and no GDI object left behind by many hover and press cycles.
#include "skin/controls/SkinButtons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CheckBoxes.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/StdCtrls.h"
#include "skin/controls/ButtonPainter.h"
#include "skin/data/FrameDraw.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

constexpr int kWidth = 120, kHeight = 40;

// What the window paints, through WM_PAINT with a memory DC over a 32-bit picture.
PixelBuffer Capture(HWND w, int width, int height) {
    PixelBuffer picture(width, height);
    BufferDc dc(picture);
    SendMessageW(w, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    dc.Pixels();
    return picture;
}

bool SameRgb(uint32_t a, uint32_t b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

// The shot (a 20 pixel high check box or radio button) shows cell of the strip where
// the glyph goes, in every pixel the cell does not leave transparent.
void ExpectGlyph(const PixelBuffer& shot, const PixelBuffer& strip, int cells, bool radio, int cell) {
    const uint32_t magenta = PixelFromColour(0xFF00FF);
    PixelBuffer expected(shot.Width(), shot.Height());
    expected.Fill(magenta);
    const TRect glyph =
        PlaceCheckGlyph(TRect{0, 0, shot.Width(), shot.Height()}, strip.Width() / cells, strip.Height(), false, radio,
                        false).glyph;
    PaintGlyphCell(expected, glyph, strip, cells, cell);
    int compared = 0;
    for (int y = glyph.top; y < glyph.bottom; ++y)
        for (int x = glyph.left; x < glyph.right; ++x) {
            if (SameRgb(expected.Pixel(x, y), magenta)) continue;
            ++compared;
            ASSERT_TRUE(SameRgb(expected.Pixel(x, y), shot.Pixel(x, y))) << "cell " << cell << " at " << x << "," << y;
        }
    EXPECT_GT(compared, 0);
}

class SkinButtons : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
        ASSERT_FALSE(data->Skin().Buttons.Image.Empty());
        form = MakeUnowned<TForm>();
        form->SetClientSize(300, 200);
        form->Show();
    }

    TButton* SkinnedButton() {
        auto* button = MakeComponent<TButton>(form.get());
        button->SetParent(form.get());
        button->SetBounds(10, 10, kWidth, kHeight);
        button->SetCaption("OK");
        button->OnClick = [this](TObject*) { ++clicks; };
        button->HandleNeeded();
        MakeComponent<TSkinButton>(button)->Attach(nullptr, data.get(), false, nullptr);
        return button;
    }

    // The frame of the Buttons element the top rows of the window show (0: none).
    int FaceShown(HWND w) {
        PixelBuffer shot = Capture(w, kWidth, kHeight);
        for (int face = 1; face <= 5; ++face) {
            PixelBuffer expected(kWidth, kHeight);
            PaintButtonFrame(expected, data->Skin().Buttons, face, ColourToRGB(data->Skin().ButtonFace()), nullptr);
            bool same = true;
            for (int y = 0; y < 3 && same; ++y)
                for (int x = 0; x < kWidth && same; ++x) same = SameRgb(expected.Pixel(x, y), shot.Pixel(x, y));
            if (same) return face;
        }
        return 0;
    }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    int clicks = 0;
};

TEST_F(SkinButtons, MouseStatesShowTheirFramesAndOnlyAReleaseOnTheButtonClicks) {
    HWND w = SkinnedButton()->Handle();
    EXPECT_EQ(bfNormal, FaceShown(w));
    SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(bfHot, FaceShown(w));
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(bfPressed, FaceShown(w));
    EXPECT_EQ(w, GetFocus());

    // Pressed, then the pointer leaves: the release elsewhere raises nothing.
    SendMessageW(w, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(bfDefault, FaceShown(w));  // focused, neither hot nor pressed
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(0, clicks);

    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, clicks);
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // no press under it
    EXPECT_EQ(1, clicks);
}

TEST_F(SkinButtons, DisabledButtonKeepsFrameThreeWhateverTheMouseDoes) {
    TButton* button = SkinnedButton();
    HWND w = button->Handle();
    button->SetEnabled(false);
    EXPECT_EQ(bfDisabled, FaceShown(w));
    SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(bfDisabled, FaceShown(w));
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(bfDisabled, FaceShown(w));
}

TEST_F(SkinButtons, BareCheckBoxAndRadioGetTheirGlyphOverTheirOwnLook) {
    const TDataSkinButton& element = data->Skin().Buttons;
    for (bool radio : {false, true}) {
        const PixelBuffer& strip = radio ? element.RadioImage : element.CheckImage;
        ASSERT_FALSE(strip.Empty());
        const int cells = std::max(4, static_cast<int>(radio ? element.RadioButtonFrame : element.CheckButtonFrame));
        HWND w = CreateWindowExW(0, L"BUTTON", L"Option", WS_CHILD | WS_VISIBLE | (radio ? BS_AUTORADIOBUTTON : BS_AUTOCHECKBOX),
                                 10, 60, kWidth, 20, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(w);
        auto owner = MakeUnowned<TComponent>();
        TSkinControl* skinner = radio ? static_cast<TSkinControl*>(MakeComponent<TSkinRadioButton>(owner.get()))
                                      : MakeComponent<TSkinCheckBox>(owner.get());
        skinner->AttachWindow(w, data.get(), nullptr, nullptr);
        EXPECT_EQ(0, skinner->Mode);

        for (bool checked : {false, true}) {
            SendMessageW(w, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
            TCheckInput in;
            in.checked = checked;
            ExpectGlyph(Capture(w, kWidth, 20), strip, cells, radio,
                        radio ? RadioButtonCell(checked, false, false, false, cells) : CheckBoxCell(in, cells));
        }
        DestroyWindow(w);
    }
}

TEST_F(SkinButtons, FrameworkCheckBoxComposesItsWholeFaceWithTheCellOfItsState) {
    const TDataSkinButton& element = data->Skin().Buttons;
    const int cells = std::max(4, static_cast<int>(element.CheckButtonFrame));
    auto* box = MakeComponent<TCheckBox>(form.get());
    box->SetParent(form.get());
    box->SetBounds(10, 60, kWidth, 20);
    box->SetCaption("Option");
    box->HandleNeeded();
    auto* skinner = MakeComponent<TSkinCheckBox>(box);
    skinner->Attach(nullptr, data.get(), false, nullptr);
    EXPECT_EQ(1, skinner->Mode);  // the skin has check glyphs: the skinner draws it all

    TCheckInput in;
    in.hasControl = true;
    in.hasState = true;
    in.hasChecked = true;
    for (TCheckBoxState state : {cbChecked, cbGrayed, cbUnchecked}) {
        box->SetState(state);
        in.checked = state == cbChecked;
        in.indeterminate = state == cbGrayed;
        in.state = state == cbChecked ? "cbchecked" : state == cbGrayed ? "cbgrayed" : "cbunchecked";
        PixelBuffer shot = Capture(box->Handle(), kWidth, 20);
        ExpectGlyph(shot, element.CheckImage, cells, false, CheckBoxCell(in, cells));
        EXPECT_TRUE(SameRgb(PixelFromColour(ColourToRGB(data->Skin().ButtonFace())), shot.Pixel(kWidth - 1, 0)));
    }
}

TEST_F(SkinButtons, HoverAndPressCyclesLeaveNoGdiObject) {
    HWND w = SkinnedButton()->Handle();
    auto cycle = [&] {
        SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageW(w, WM_MOUSELEAVE, 0, 0);
    };
    cycle();  // the kept face picture is made here
    Application->ProcessMessages();
    const long owned = GdiObjectsAlive();
    const DWORD gui = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 1000; ++i) cycle();
    Application->ProcessMessages();
    EXPECT_EQ(1001, clicks);
    EXPECT_EQ(owned, GdiObjectsAlive());
    EXPECT_EQ(gui, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}

}  // namespace
