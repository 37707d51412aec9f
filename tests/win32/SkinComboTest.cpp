// Combo box and list header skinners on a skinned form: the combo's button cell follows a
// press held on its edit, the mouse over the button and a disabled window; the dropped
// list has its scroll skinner; a list view's header answers as skinned and its hot item
// follows the mouse; many hovers, presses, drops and repaints leave no GDI object behind.
#include "skin/controls/SkinComboBox.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/ComboBox.h"
#include "framework/Graphics.h"
#include "framework/ListView.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/ComboPainter.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinScrollBars.h"
#include "skin/data/FrameDraw.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

// What the window paints, through WM_PAINT with a memory DC over a 32-bit picture.
PixelBuffer Capture(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    PixelBuffer picture(r.right - r.left, r.bottom - r.top);
    BufferDc dc(picture);
    SendMessageW(w, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    dc.Pixels();
    return picture;
}

// The window's pixels on the screen after a full repaint (its children included).
PixelBuffer OnScreen(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    RECT r{};
    GetWindowRect(w, &r);
    PixelBuffer picture(r.right - r.left, r.bottom - r.top);
    BufferDc dc(picture);
    HDC screen = GetWindowDC(w);
    BitBlt(dc.get(), 0, 0, picture.Width(), picture.Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(w, screen);
    dc.Pixels();
    return picture;
}

bool SameRgb(const PixelBuffer& a, const PixelBuffer& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if ((a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

class SkinCombo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(f.data->NoSkinLoaded());
        combo = f.Add<TComboBox>(nullptr, 10, 10, 160, 21);
        for (int i = 0; i < 30; ++i) combo->Items().Add("item " + std::to_string(i));
        list = f.Add<TListView>(nullptr, 10, 60, 300, 150);
        list->AddColumn("Name", 120);
        list->AddColumn("Size", 80);
        list->AddItem("a.exe");
        f.Skin();
        skinner = dynamic_cast<TSkinComBox*>(f.SkinnerOf(combo->Handle()));
        ASSERT_NE(nullptr, skinner) << "the combo box is classified as a combo box";
        list->SetFocus();
        PumpMessages();
    }

    // The button cell the combo shows (0: none matches): the skin painted over what the
    // window shows must change nothing when it is the cell shown. onScreen: the window
    // as it stands on the screen after a repaint, else its paint into a memory DC.
    int FaceShown(bool onScreen = false) {
        const PixelBuffer shot = onScreen ? OnScreen(combo->Handle()) : Capture(combo->Handle());
        for (int face = 1; face <= 4; ++face) {
            PixelBuffer expected = shot.Clone();
            TComboLook look;
            look.face = face;
            look.arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
            look.stripWidth = GetSystemMetrics(SM_CYVTHUMB);
            look.shadowColour = ColourToRGB(f.data->Skin().Colours[scButtonShadow]);
            PaintComboBox(expected, f.data->Skin(), look);
            if (SameRgb(expected, shot)) return face;
        }
        return 0;
    }

    POINT ButtonCentre() const {
        return {(skinner->ButtonRect.left + skinner->ButtonRect.right) / 2,
                (skinner->ButtonRect.top + skinner->ButtonRect.bottom) / 2};
    }

    TSkinnedTestForm f{400, 300};
    TComboBox* combo = nullptr;
    TListView* list = nullptr;
    TSkinComBox* skinner = nullptr;
};

TEST_F(SkinCombo, ButtonCellFollowsPressOnTheEditHoverAndDisabling) {
    const HWND edit = skinner->EditHandle;
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(edit, skinner->Info.hwndItem);
    EXPECT_EQ(1, FaceShown());
    EXPECT_EQ(1, FaceShown(true)) << "on the screen too";

    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(skinner->MouseState & msPressed);
    EXPECT_EQ(2, FaceShown()) << "pressed while the button is held on the edit";
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, FaceShown()) << "normal after the release";
    EXPECT_EQ(1, FaceShown(true)) << "on the screen too, the edit focused";

    const POINT c = ButtonCentre();
    ASSERT_FALSE(IsRectEmpty(&skinner->ButtonRect));
    SendMessageA(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
    EXPECT_EQ(4, FaceShown()) << "hot over the button";
    SendMessageA(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(skinner->ButtonRect.left - 20, c.y));
    EXPECT_EQ(1, FaceShown()) << "off the button";

    combo->SetEnabled(false);
    PumpMessages();
    EXPECT_EQ(3, FaceShown());
    SendMessageA(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
    EXPECT_FALSE(skinner->MouseState & msHot) << "a disabled combo does not turn hot";
    EXPECT_EQ(3, FaceShown());
    combo->SetEnabled(true);
}

TEST_F(SkinCombo, DroppedListHasItsScrollSkinner) {
    const HWND dropped = skinner->Info.hwndList;
    ASSERT_NE(nullptr, dropped);
    ASSERT_NE(nullptr, dynamic_cast<TComboxScrollBar*>(skinner->ListSkinner()));
    combo->SetDroppedDown(true);
    PumpMessages();
    EXPECT_TRUE(IsWindowVisible(dropped));
    EXPECT_EQ(1, skinner->Dropped);
    EXPECT_EQ(1, SendMessageA(dropped, SKINMSG_QUERY, 0, 0));
    combo->SetDroppedDown(false);
    PumpMessages();
    EXPECT_EQ(0, skinner->Dropped);
    EXPECT_FALSE(IsWindowVisible(dropped));
}

TEST_F(SkinCombo, ListViewHeaderIsSkinnedAndItsHotItemFollowsTheMouse) {
    const HWND header = list->HeaderHandle();
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(1, SendMessageA(header, SKINMSG_QUERY, 0, 0));
    auto* hs = dynamic_cast<TSkinHeader*>(f.SkinnerOf(header));
    ASSERT_NE(nullptr, hs);

    RECT second{};
    SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.left + 10, 5));
    EXPECT_EQ(1, hs->HotItem);

    // The hot item in frame 2, the first item and the space after the last in frame 1.
    const TDataSkinObject& bar = *f.data->Skin().Headerbar;
    const TMargins margins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight};
    const int height = second.bottom - second.top;
    auto framePixel = [&](int frame) {
        PixelBuffer px(40, height);
        DrawFrameNineSlice(px, {0, 0, 40, height}, bar.Image, false, bar.Tile != 0, false, bar.SafeFrameCount(), frame,
                           margins);
        return px.Pixel(20, 1) & 0xFFFFFF;
    };
    ASSERT_NE(framePixel(1), framePixel(2));
    const PixelBuffer shot = Capture(header);
    EXPECT_EQ(framePixel(2), shot.Pixel(second.left + 3, 1) & 0xFFFFFF);
    EXPECT_EQ(framePixel(1), shot.Pixel(3, 1) & 0xFFFFFF);
    EXPECT_EQ(framePixel(1), shot.Pixel(shot.Width() - 3, 1) & 0xFFFFFF);

    SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(0, hs->HotItem);
    SendMessageA(header, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(-1, hs->HotItem);
}

TEST_F(SkinCombo, NoGdiObjectLeftAfterAThousandHoversPressesDropsAndRepaints) {
    const HWND header = list->HeaderHandle();
    const HWND edit = skinner->EditHandle;
    ASSERT_NE(nullptr, header);
    ASSERT_NE(nullptr, edit);
    const POINT c = ButtonCentre();
    auto round = [&](int i) {
        SendMessageA(combo->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(c.x, c.y));
        SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageA(combo->Handle(), CM_MOUSELEAVE, 0, 0);
        SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(5 + i % 150, 5));
        if (i % 50 == 0) {
            combo->SetDroppedDown(true);
            combo->SetDroppedDown(false);
        }
        RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    // One round first: the pictures kept between paints are made once.
    round(0);
    PumpMessages();
    const long owned = GdiObjectsAlive();
    const DWORD gui = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) round(i);
    SendMessageA(header, WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    EXPECT_EQ(owned, GdiObjectsAlive());
    EXPECT_EQ(gui, GdiObjectCount());
}

}  // namespace
