// Indicator skinners on real windows: status bar panels framed by their bevels with the
// size grip in the corner, progress bars empty at their minimum and filled by the share
// of their range, the track-bar thumb in one cell whatever the mouse does, and no GDI
// object left behind by many paints.
#include "skin/controls/SkinIndicators.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "framework/ComCtrls.h"
#include "framework/Graphics.h"
#include "framework/TrackBar.h"
#include "skin/data/FrameDraw.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

bool SameRgb(uint32_t a, uint32_t b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

TMargins MarginsOf(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

// Every pixel of shot inside area equals expected, except where expected is magenta.
void ExpectSame(const PixelBuffer& shot, const PixelBuffer& expected, const TRect& area, const char* what) {
    int compared = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (SameRgb(expected.Pixel(x, y), PixelFromColour(0xFF00FF))) continue;
            ++compared;
            ASSERT_TRUE(SameRgb(expected.Pixel(x, y), shot.Pixel(x, y))) << what << " at " << x << "," << y;
        }
    EXPECT_GT(compared, 0) << what;
}

}  // namespace

TEST(SkinIndicators, StatusBarPanelsFramedByBevelAndGripCellInTheCorner) {
    TSkinnedTestForm t(420, 200);
    auto* bar = t.Add<TStatusBar>(nullptr, 0, 0, 420, 22);
    bar->SetSizeGrip(true);
    const TStatusPanelBevel bevels[3] = {pbRaised, pbNone, pbLowered};
    for (TStatusPanelBevel b : bevels) {
        TStatusPanel* p = bar->Panels().Add();
        p->SetWidth(120);
        p->SetBevel(b);
    }
    t.Skin();
    HWND h = bar->Handle();
    ASSERT_NE(t.SkinnerOf(h), nullptr);
    EXPECT_EQ(t.SkinnerOf(h)->ClassName(), "TSkinStatusBar");

    const TSkinDefinition& skin = t.data->Skin();
    ASSERT_TRUE(skin.StatusBarEdges && skin.ExtraImages);
    const TDataSkinObject& edges = *skin.StatusBarEdges;
    const TDataSkinObject& extra = *skin.ExtraImages;
    const PixelBuffer shot = PaintedPicture(h);
    const int width = shot.Width(), height = shot.Height();

    const int kinds[3] = {2, 3, 1};  // raised, none, lowered
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        ASSERT_TRUE(SendMessageW(h, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)));
        const TRect area{r.left, r.top, i == 2 ? width : r.right + 2, r.bottom};
        PixelBuffer expected(width, height);
        expected.Fill(PixelFromColour(0xFF00FF));
        DrawFrameNineSlice(expected, area, edges.Image, false, edges.Tile == 1, false, 3, kinds[i], MarginsOf(edges));
        // The last panel's frame is compared left of the grip.
        const TRect compared{area.left, area.top, i == 2 ? width - 20 : area.right, area.bottom};
        ExpectSame(shot, expected, compared, i == 0 ? "raised panel" : i == 1 ? "flat panel" : "lowered panel");
    }
    // The three frames of our skin differ, so the comparison tells the kinds apart.
    PixelBuffer a = BuildFrameScratch(40, height, edges.Image, MarginsOf(edges), false, false, 3, 1);
    PixelBuffer b = BuildFrameScratch(40, height, edges.Image, MarginsOf(edges), false, false, 3, 2);
    PixelBuffer c = BuildFrameScratch(40, height, edges.Image, MarginsOf(edges), false, false, 3, 3);
    bool abDiffer = false, acDiffer = false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 40; ++x) {
            abDiffer = abDiffer || a.Pixel(x, y) != b.Pixel(x, y);
            acDiffer = acDiffer || a.Pixel(x, y) != c.Pixel(x, y);
        }
    EXPECT_TRUE(abDiffer && acDiffer);

    // Size grip: cell 5 of the extra images ending one pixel inside the corner.
    const int cw = extra.Image.Width() / extra.SafeFrameCount(), ch = extra.Image.Height();
    PixelBuffer expected(width, height);
    expected.Fill(PixelFromColour(0xFF00FF));
    const TRect grip{width - 1 - cw, height - 1 - ch, width - 1, height - 1};
    DrawFrameStretched(expected, grip, extra.Image, false, extra.SafeFrameCount(), 5);
    ExpectSame(shot, expected, grip, "size grip");
}

TEST(SkinIndicators, ProgressEmptyAtTheMinimumAndFilledByTheShareOfItsRange) {
    TSkinnedTestForm t(420, 200);
    auto* zero = t.Add<TProgressBar>(nullptr, 10, 10, 200, 23);
    auto* ranged = t.Add<TProgressBar>(nullptr, 10, 50, 200, 23);
    ranged->SetRange(50, 150);
    ranged->SetPosition(50);
    // A test skin whose bar is of style 1 with a solid, stretched chunk.
    TSkinDefinition& skin = t.data->Skin();
    ASSERT_TRUE(skin.Progress && skin.ProgressChunk);
    t.Skin();
    ASSERT_NE(t.SkinnerOf(zero->Handle()), nullptr);
    EXPECT_EQ(t.SkinnerOf(zero->Handle())->ClassName(), "TSkinProgress");

    // Our skin's style at 0: the face and the empty frame, nothing else.
    {
        const TDataSkinBorder& p = *skin.Progress;
        const PixelBuffer shot = PaintedPicture(zero->Handle());
        PixelBuffer expected(shot.Width(), shot.Height());
        expected.Fill(PixelFromColour(ColourToRGB(skin.ButtonFace())));
        DrawFrameNineSlice(expected, {0, 0, shot.Width(), shot.Height()}, p.Image, false, p.Tile == 1, p.Trans != 0, 2,
                           1, MarginsOf(p));
        ExpectSame(shot, expected, {0, 0, shot.Width(), shot.Height()}, "empty bar");
    }

    skin.Progress->Style = 1;
    skin.ProgressChunk->Tile = 0;
    skin.ProgressChunk->LeftWidth = skin.ProgressChunk->TopHeight = 0;
    skin.ProgressChunk->RightWidth = skin.ProgressChunk->BottomHeight = 0;
    constexpr uint32_t kChunk = 0x00123456;
    skin.ProgressChunk->Image = PixelBuffer(4, 4);
    skin.ProgressChunk->Image.Fill(PixelFromColour(kChunk));
    auto chunkColumns = [&](int& first) {
        const PixelBuffer shot = PaintedPicture(ranged->Handle());
        int n = 0;
        first = -1;
        for (int x = 0; x < shot.Width(); ++x)
            if (SameRgb(shot.Pixel(x, shot.Height() / 2), PixelFromColour(kChunk))) {
                if (first < 0) first = x;
                ++n;
            }
        return n;
    };
    int first = 0;
    EXPECT_EQ(chunkColumns(first), 0);  // at its minimum of 50
    ranged->SetPosition(100);
    EXPECT_EQ(SendMessageW(ranged->Handle(), PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(chunkColumns(first), MulDiv(200, 100 - 50, 150 - 50));
    EXPECT_EQ(first, 2);
    ranged->SetPosition(150);
    EXPECT_EQ(chunkColumns(first), 200 - 4);  // full, inside the 2-pixel border
}

TEST(SkinIndicators, TrackBarThumbIsCellTwoThroughHoverPressAndDrag) {
    TSkinnedTestForm t(420, 200);
    t.data->ClassKinds().Add("TTrackBar=trackbar");
    auto* track = t.Add<TTrackBar>(nullptr, 10, 10, 300, 40);
    track->SetRange(0, 100);
    track->SetPosition(20);
    t.Skin();
    HWND h = track->Handle();
    ASSERT_NE(t.SkinnerOf(h), nullptr);
    EXPECT_EQ(t.SkinnerOf(h)->ClassName(), "TSkinTrackBar");
    const TDataSkinObject& thumb = *t.data->Skin().TrackbarThumbHorz;
    ASSERT_FALSE(thumb.Image.Empty());

    auto expectCellTwo = [&](const char* when) {
        RECT r{};
        SendMessageW(h, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        const PixelBuffer shot = PaintedPicture(h);
        PixelBuffer expected(shot.Width(), shot.Height());
        expected.Fill(PixelFromColour(0xFF00FF));
        DrawFrameStretched(expected, TRect{r.left, r.top, r.right, r.bottom}, thumb.Image, true, 5, 2);
        ExpectSame(shot, expected, TRect{r.left, r.top, r.right, r.bottom}, when);
        // Cells 1 and 4 (normal and hot) would not pass: the comparison tells them apart.
        PixelBuffer hot(shot.Width(), shot.Height());
        hot.Fill(PixelFromColour(0xFF00FF));
        DrawFrameStretched(hot, TRect{r.left, r.top, r.right, r.bottom}, thumb.Image, true, 5, 4);
        bool differs = false;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) differs = differs || !SameRgb(hot.Pixel(x, y), shot.Pixel(x, y));
        EXPECT_TRUE(differs) << when;
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    const POINT centre = expectCellTwo("at rest");
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    expectCellTwo("hovered");
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    expectCellTwo("pressed");
    SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(centre.x + 90, centre.y));
    EXPECT_GT(SendMessageW(h, TBM_GETPOS, 0, 0), 40);  // the drag moved the thumb
    expectCellTwo("dragged");
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(centre.x + 90, centre.y));
    PumpMessages();
    expectCellTwo("released");
}

TEST(SkinIndicators, ThousandPaintsLeaveNoGdiObject) {
    TSkinnedTestForm t(420, 200);
    t.data->ClassKinds().Add("TTrackBar=trackbar");
    auto* bar = t.Add<TStatusBar>(nullptr, 0, 0, 420, 22);
    bar->SetSizeGrip(true);
    bar->Panels().Add()->SetWidth(200);
    bar->Panels().Add()->SetText("panel");
    auto* progress = t.Add<TProgressBar>(nullptr, 10, 10, 200, 23);
    auto* track = t.Add<TTrackBar>(nullptr, 10, 50, 300, 40);
    t.Skin();
    auto cycle = [&](int i) {
        progress->SetPosition(i % 100);
        track->SetPosition(i % 10);
        bar->Panels()[1]->SetText(i % 2 ? "odd" : "even");
        for (HWND w : {bar->Handle(), progress->Handle(), track->Handle()}) {
            InvalidateRect(w, nullptr, TRUE);
            UpdateWindow(w);
        }
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
