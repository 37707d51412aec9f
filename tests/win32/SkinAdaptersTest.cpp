// Adapters for controls that draw themselves: a custom-glyph check box given the skin's
// glyph strip through its published properties and getting its own glyph back on detach,
// a media player under an overlay that shows its buttons and hands presses on, and the
// status bar's graphic children and panel drawing handler over the skinned face.
#include "skin/controls/SkinMediaPlayer.h"
#include "skin/controls/SkinObjImage.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Graphics.h"
#include "framework/Properties.h"
#include "skin/data/FrameDraw.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

// ---- a check box of another library: glyphs from properties ----

class TGlyphProperties : public TObject {
    KELVORA_CLASS(TGlyphProperties)
public:
    TPicture* GlyphObject() const { return const_cast<TPicture*>(&Glyph); }
    TPicture Glyph;
};
const TClassInfo& TGlyphProperties::StaticClass() {
    static const TClassInfo c("TGlyphProperties", &TObject::StaticClass(),
                              {props::Object<TGlyphProperties, TPicture>("Glyph", &TGlyphProperties::GlyphObject, nullptr)});
    return c;
}

// Shows CustomGlyphs while UseCustomGlyphs is on: switching it on loads them into the
// glyph it draws (Properties.Glyph) when Mirror is set.
class TRzCheckBox : public TCustomControl {
    KELVORA_CLASS(TRzCheckBox)
public:
    using TCustomControl::TCustomControl;
    TPicture* CustomGlyphsObject() const { return const_cast<TPicture*>(&customGlyphs_); }
    TGlyphProperties* PropertiesObject() const { return const_cast<TGlyphProperties*>(&properties_); }
    long long TransparentColor() const { return transparent_; }
    void SetTransparentColor(long long v) { transparent_ = v; }
    bool UseCustomGlyphs() const { return use_; }
    void SetUseCustomGlyphs(bool v) {
        use_ = v;
        Switches.push_back(v);
        if (v && Mirror) properties_.Glyph.SetBitmap(customGlyphs_.Bitmap().Clone());
    }
    bool Mirror = true;
    std::vector<bool> Switches;

private:
    TPicture customGlyphs_;
    TGlyphProperties properties_;
    long long transparent_ = 0;
    bool use_ = false;
};
const TClassInfo& TRzCheckBox::StaticClass() {
    static const TClassInfo c(
        "TRzCheckBox", &TCustomControl::StaticClass(),
        {props::Object<TRzCheckBox, TPicture>("CustomGlyphs", &TRzCheckBox::CustomGlyphsObject, nullptr),
         props::Object<TRzCheckBox, TGlyphProperties>("Properties", &TRzCheckBox::PropertiesObject, nullptr),
         props::Ordinal<TRzCheckBox, long long>("TransparentColor", &TRzCheckBox::TransparentColor,
                                                &TRzCheckBox::SetTransparentColor),
         props::Boolean<TRzCheckBox>("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs, &TRzCheckBox::SetUseCustomGlyphs)});
    return c;
}

class TRzRadioButton : public TRzCheckBox {
    KELVORA_CLASS(TRzRadioButton)
public:
    using TRzCheckBox::TRzCheckBox;
};
const TClassInfo& TRzRadioButton::StaticClass() {
    static const TClassInfo c("TRzRadioButton", &TRzCheckBox::StaticClass());
    return c;
}

// Cell `cell` (0-based) of a strip of cells of width w equals cell `from` (1-based) of source.
void ExpectCell(const PixelBuffer& strip, int cell, int w, const PixelBuffer& source, int count, int from) {
    const TRect src = FrameRect(source, false, count, from);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(strip.Pixel(cell * w + x, y), source.Pixel(src.left + x, y)) << "cell " << cell << " at " << x << "," << y;
}

// ---- a media player: records the mouse messages that reach its window ----

class TMediaPlayer : public TCustomControl {
    KELVORA_CLASS(TMediaPlayer)
public:
    using TCustomControl::TCustomControl;
    long long VisibleButtons() const { return visible_; }
    void SetVisibleButtons(long long v) { visible_ = v; }
    long long EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(long long v) { enabled_ = v; }
    long long ColoredButtons() const { return coloured_; }
    void SetColoredButtons(long long v) { coloured_ = v; }
    struct Event {
        UINT msg;
        int x, y;
    };
    std::vector<Event> Events;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP)
            Events.push_back({m.Msg, static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))});
        TCustomControl::WndProc(m);
    }

private:
    long long visible_ = kAllMediaButtons, enabled_ = kAllMediaButtons, coloured_ = kAllMediaButtons;
};
const TClassInfo& TMediaPlayer::StaticClass() {
    static const TClassInfo c(
        "TMediaPlayer", &TCustomControl::StaticClass(),
        {props::Ordinal<TMediaPlayer, long long>("VisibleButtons", &TMediaPlayer::VisibleButtons,
                                                 &TMediaPlayer::SetVisibleButtons),
         props::Ordinal<TMediaPlayer, long long>("EnabledButtons", &TMediaPlayer::EnabledButtons,
                                                 &TMediaPlayer::SetEnabledButtons),
         props::Ordinal<TMediaPlayer, long long>("ColoredButtons", &TMediaPlayer::ColoredButtons,
                                                 &TMediaPlayer::SetColoredButtons)});
    return c;
}

bool SameRgb(uint32_t a, uint32_t b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace

TEST(SkinAdapters, CustomGlyphControlsGetTheSkinStripAndGiveBackOnlyWhatTheSkinGave) {
    TSkinnedTestForm t;
    auto* check = t.Add<TRzCheckBox>(nullptr, 10, 10, 120, 20);
    auto* radio = t.Add<TRzRadioButton>(nullptr, 10, 40, 120, 20);
    radio->Mirror = false;  // draws a glyph of its own, not the custom ones
    PixelBuffer own(5, 5);
    own.Fill(0xFF123456u);
    radio->PropertiesObject()->Glyph.SetBitmap(std::move(own));
    t.Skin();

    const TDataSkinButton& buttons = t.data->Skin().Buttons;
    ASSERT_FALSE(buttons.CheckImage.Empty());
    ASSERT_FALSE(buttons.RadioImage.Empty());
    TSkinControl* checkSkinner = t.SkinnerOf(check->Handle());
    TSkinControl* radioSkinner = t.SkinnerOf(radio->Handle());
    ASSERT_NE(checkSkinner, nullptr);
    ASSERT_NE(radioSkinner, nullptr);
    EXPECT_EQ(checkSkinner->ClassName(), "TSkinObjImage");

    struct Case {
        TRzCheckBox* control;
        const PixelBuffer& source;
        int count;
    } cases[] = {{check, buttons.CheckImage, std::max(4, static_cast<int>(buttons.CheckButtonFrame))},
                 {radio, buttons.RadioImage, std::max(4, static_cast<int>(buttons.RadioButtonFrame))}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->ClassName());
        const PixelBuffer& strip = c.control->CustomGlyphsObject()->Bitmap();
        const int w = c.source.Width() / c.count;
        ASSERT_EQ(strip.Width(), 6 * w);
        ASSERT_EQ(strip.Height(), c.source.Height());
        const int from[6] = {1, 2, 3, 1, 2, 3};
        for (int cell = 0; cell < 6; ++cell) ExpectCell(strip, cell, w, c.source, c.count, from[cell]);
        EXPECT_EQ(GetOrdProp(c.control, "TransparentColor"), 0xFF00FF);
        EXPECT_EQ(c.control->Switches, (std::vector<bool>{false, true}));
    }
    // The check box took the strip into the glyph it draws.
    EXPECT_EQ(check->PropertiesObject()->Glyph.Width(), check->CustomGlyphsObject()->Width());

    checkSkinner->Detach();
    radioSkinner->Detach();
    EXPECT_FALSE(check->UseCustomGlyphs());
    EXPECT_FALSE(radio->UseCustomGlyphs());
    EXPECT_TRUE(check->PropertiesObject()->Glyph.Empty());  // the skin's strip, taken back
    ASSERT_EQ(radio->PropertiesObject()->Glyph.Width(), 5);  // the program's own, kept
    EXPECT_EQ(radio->PropertiesObject()->Glyph.Bitmap().Pixel(2, 2), 0xFF123456u);
}

TEST(SkinAdapters, MediaPlayerOverlayCoversThePlayerAndHandsPressesOn) {
    TSkinnedTestForm t;
    auto* player = t.Add<TMediaPlayer>(nullptr, 20, 30, 280, 30);
    player->SetVisibleButtons(1 | 4 | 8);  // play, stop, next
    player->SetEnabledButtons(1 | 8);
    t.Skin();

    auto* skinner = dynamic_cast<TSkinMP*>(t.SkinnerOf(player->Handle()));
    ASSERT_NE(skinner, nullptr);
    TMediaPlayerOverlay* overlay = skinner->Overlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->Tag(), t.data->DisableTag);
    EXPECT_EQ(overlay->Parent(), t.form.get());
    const RECT b = overlay->BoundsRect();
    EXPECT_TRUE(b.left == 20 && b.top == 30 && b.right == 300 && b.bottom == 60);
    HWND over = overlay->Handle();
    EXPECT_EQ(GetWindow(player->Handle(), GW_HWNDPREV), over);  // right above the player
    EXPECT_EQ(t.SkinnerOf(over), nullptr);

    // This program has no button pictures: every button is a plain face, nothing breaks.
    for (int s = mbsEnabled; s <= mbsColoured; ++s)
        for (int button = 0; button < kMediaButtonCount; ++button)
            EXPECT_TRUE(overlay->Picture(static_cast<TMediaButtonState>(s), button).Empty());
    const PixelBuffer shot = PaintedPicture(over);
    EXPECT_TRUE(SameRgb(shot.Pixel(46, 15), PixelFromColour(ColourToRGB(t.data->Skin().ButtonFace()))));
    EXPECT_EQ(overlay->ButtonWidth, 93);

    // 93 pixels per visible button; the pixel left over at the right is no button.
    EXPECT_EQ(overlay->ButtonAt(0, 5), 0);
    EXPECT_EQ(overlay->ButtonAt(92, 5), 0);
    EXPECT_EQ(overlay->ButtonAt(93, 5), 2);
    EXPECT_EQ(overlay->ButtonAt(278, 5), 3);
    EXPECT_EQ(overlay->ButtonAt(279, 5), -1);

    // Press and release on the stop button: both reach the player at the same points.
    SendMessageW(over, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 10));
    EXPECT_EQ(overlay->Pressed, 2);
    SendMessageW(over, WM_LBUTTONUP, 0, At(120, 12));
    PumpMessages();
    ASSERT_EQ(player->Events.size(), 2u);
    EXPECT_TRUE(player->Events[0].msg == WM_LBUTTONDOWN && player->Events[0].x == 100 && player->Events[0].y == 10);
    EXPECT_TRUE(player->Events[1].msg == WM_LBUTTONUP && player->Events[1].x == 120 && player->Events[1].y == 12);
    // Released over another button: the press goes on, the release does not.
    player->Events.clear();
    SendMessageW(over, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageW(over, WM_LBUTTONUP, 0, At(200, 10));
    PumpMessages();
    ASSERT_EQ(player->Events.size(), 1u);
    EXPECT_EQ(player->Events[0].msg, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(overlay->Pressed, -1);

    // The panel follows the player; detaching takes it away.
    player->SetBounds(40, 70, 200, 28);
    PumpMessages();
    const RECT moved = overlay->BoundsRect();
    EXPECT_TRUE(moved.left == 40 && moved.top == 70 && moved.right == 240 && moved.bottom == 98);
    skinner->Detach();
    EXPECT_EQ(skinner->Overlay(), nullptr);
}

TEST(SkinAdapters, MediaPlayerOverlayPaintsLeaveNoGdiObject) {
    TSkinnedTestForm t;
    auto* player = t.Add<TMediaPlayer>(nullptr, 10, 10, 250, 30);
    t.Skin();
    auto* skinner = dynamic_cast<TSkinMP*>(t.SkinnerOf(player->Handle()));
    ASSERT_TRUE(skinner && skinner->Overlay());
    HWND over = skinner->Overlay()->Handle();
    auto cycle = [&](int i) {
        player->SetVisibleButtons(i % 2 ? kAllMediaButtons : 0x15);
        SendMessageW(over, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
        RedrawWindow(over, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        SendMessageW(over, WM_LBUTTONUP, 0, At(5, 5));
        RedrawWindow(over, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    cycle(0);
    PumpMessages();
    const long owned = GdiObjectsAlive();
    const DWORD gui = GdiObjectCount();
    for (int i = 1; i <= 1000; ++i) cycle(i);
    PumpMessages();
    EXPECT_EQ(owned, GdiObjectsAlive());
    EXPECT_EQ(gui, GdiObjectCount());
}

TEST(SkinAdapters, StatusBarPaintsGraphicChildrenThenCallsOnDrawPanelPerPanelInsetByTwo) {
    TSkinnedTestForm t(420, 200);
    auto* bar = t.Add<TStatusBar>(nullptr, 0, 0, 420, 24);
    for (int i = 0; i < 3; ++i) bar->Panels().Add()->SetWidth(120);
    auto* image = MakeComponent<TImage>(t.form.get());
    image->SetParent(bar);
    image->SetBounds(300, 4, 8, 8);
    PixelBuffer red(8, 8);
    red.Fill(PixelFromColour(0x0000FF));
    image->Picture().SetBitmap(std::move(red));

    struct Call {
        TStatusPanel* panel;
        RECT rect;
    };
    std::vector<Call> calls;
    bar->OnDrawPanel = [&](TCustomStatusBar* sender, TCanvas& canvas, TStatusPanel* panel, const RECT& rect) {
        EXPECT_EQ(sender, bar);
        calls.push_back({panel, rect});
        RECT dot{rect.left, rect.top, rect.left + 3, rect.top + 3};
        canvas.SetBrushColor(0x00FF00);
        canvas.FillRect(dot);
    };
    t.Skin();
    HWND h = bar->Handle();
    ASSERT_NE(t.SkinnerOf(h), nullptr);
    calls.clear();
    const PixelBuffer shot = PaintedPicture(h);

    ASSERT_EQ(calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        ASSERT_TRUE(SendMessageW(h, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)));
        EXPECT_EQ(calls[static_cast<size_t>(i)].panel, bar->Panels().Items(i));
        const RECT& got = calls[static_cast<size_t>(i)].rect;
        EXPECT_TRUE(got.left == r.left + 2 && got.top == r.top + 2 && got.right == r.right - 2 && got.bottom == r.bottom - 2)
            << "panel " << i;
        EXPECT_TRUE(SameRgb(shot.Pixel(got.left + 1, got.top + 1), PixelFromColour(0x00FF00))) << "panel " << i;
    }
    EXPECT_TRUE(SameRgb(shot.Pixel(303, 7), PixelFromColour(0x0000FF)));  // the image on the bar
}
