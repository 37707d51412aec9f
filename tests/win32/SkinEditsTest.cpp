// Text field, up-down and date-time skinners on a skinned form: the thin frame of a framed
// edit and none on a borderless one, the print request, an up-down inside an edit drawn
// embedded, up-down halves in their states, the date-time arrow that opens the calendar,
// and no GDI object left behind by many hovers, presses and repaints.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <utility>

#include "framework/DateTimePicker.h"
#include "framework/Graphics.h"
#include "framework/PrivateMessages.h"
#include "framework/StdCtrls.h"
#include "framework/UpDown.h"
#include "skin/controls/EditPainter.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

constexpr uint32_t kMarker = 0x123456;
constexpr LPARAM kCookie = 0x41A2;

uint32_t Rgb(const PixelBuffer& p, int x, int y) { return ColourFromPixel(p.Pixel(x, y)); }

// What the window paints through WM_PAINT into a memory DC over a marker-filled picture.
PixelBuffer Capture(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    PixelBuffer picture(r.right - r.left, r.bottom - r.top);
    BufferDc dc(picture);
    dc.Pixels().Fill(PixelFromColour(kMarker));
    SendMessageW(w, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
    dc.Pixels();
    return picture;
}

// Waits (pumping) until done() holds or about five seconds have gone.
template <class F>
bool WaitFor(F done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 5000) return false;
        PumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

class SkinEdits : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(t.data->NoSkinLoaded());
        t.data->ClassKinds().Add("TDateTimePicker=DateTimePicker");
        framed = t.Add<TEdit>(nullptr, 10, 10, 120, 22);
        bare = t.Add<TEdit>(nullptr, 10, 40, 120, 22);
        bare->SetBorderStyle(bsNone);
        bare->SetColor(clYellow);
        spinEdit = t.Add<TEdit>(nullptr, 10, 70, 120, 24);
        upDown = t.Add<TUpDown>(nullptr, 150, 10, 17, 30);
        picker = t.Add<TDateTimePicker>(nullptr, 150, 60, 160, 24);
        picker->OnDropDown = [this](TObject*) { ++dropDowns; };
        // A spin edit's up-down lives inside the edit, at its right end.
        RECT client;
        GetClientRect(spinEdit->Handle(), &client);
        inner = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, client.right - 15, 0, 15, client.bottom,
                                spinEdit->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, inner);
        t.Skin();
    }

    TSkinnedTestForm t{360, 140};
    TEdit* framed = nullptr;
    TEdit* bare = nullptr;
    TEdit* spinEdit = nullptr;
    TUpDown* upDown = nullptr;
    TDateTimePicker* picker = nullptr;
    HWND inner = nullptr;
    int dropDowns = 0;
};

TEST_F(SkinEdits, FramedEditGetsShadowAndWhiteFrameBorderlessEditNone) {
    ASSERT_NE(nullptr, dynamic_cast<TSkinEdit*>(t.SkinnerOf(framed->Handle())));
    ASSERT_NE(nullptr, dynamic_cast<TSkinEdit*>(t.SkinnerOf(bare->Handle())));
    const uint32_t shadow = GetSysColor(COLOR_BTNSHADOW) & 0xFFFFFF;

    const PixelBuffer f = Capture(framed->Handle());
    const int w = f.Width(), h = f.Height();
    for (auto [x, y] : {std::pair{0, 0}, {w / 2, 0}, {w - 1, h / 2}, {w / 2, h - 1}, {0, h - 1}})
        EXPECT_EQ(shadow, Rgb(f, x, y)) << x << "," << y;
    for (int i : {1, 2})
        for (auto [x, y] : {std::pair{i, i}, {w / 2, i}, {w - 1 - i, h / 2}, {w / 2, h - 1 - i}})
            EXPECT_EQ(0xFFFFFFu, Rgb(f, x, y)) << x << "," << y;

    // Borderless: the edit's own yellow up to its edges.
    const PixelBuffer b = Capture(bare->Handle());
    for (auto [x, y] : {std::pair{0, 0}, {b.Width() / 2, 0}, {b.Width() - 1, b.Height() - 1}, {1, 1}})
        EXPECT_EQ(0x00FFFFu, Rgb(b, x, y)) << x << "," << y;
}

TEST_F(SkinEdits, PrintControlWithTheCookieMakesTheEditPaintIntoTheGivenDc) {
    PixelBuffer picture(120, 22);
    BufferDc dc(picture);
    dc.Pixels().Fill(PixelFromColour(kMarker));
    const HWND w = bare->Handle();
    EXPECT_NE(kCookie, SendMessageW(w, SKINMSG_PRINTCONTROL, reinterpret_cast<WPARAM>(dc.get()), 0x1234));
    EXPECT_EQ(kMarker, Rgb(dc.Pixels(), 5, 5));  // without the cookie nothing is painted
    EXPECT_EQ(kCookie, SendMessageW(w, SKINMSG_PRINTCONTROL, reinterpret_cast<WPARAM>(dc.get()), kCookie));
    EXPECT_EQ(0x00FFFFu, Rgb(dc.Pixels(), 5, 5));
}

TEST_F(SkinEdits, UpDownInsideAnEditIsFoundAndDrawnEmbedded) {
    RedrawWindow(spinEdit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    auto* edit = dynamic_cast<TSkinEdit*>(t.SkinnerOf(spinEdit->Handle()));
    ASSERT_NE(nullptr, edit);
    TSkinUpDown* skinner = edit->UpDown();
    ASSERT_NE(nullptr, skinner);
    EXPECT_EQ(inner, skinner->Handle());
    EXPECT_EQ(1, skinner->Embedded);
    EXPECT_EQ(1, SendMessageW(inner, SKINMSG_QUERY, 0, 0));
    EXPECT_EQ(skinner, t.SkinnerOf(inner));

    // White within 3 px of the edit's top and bottom edge and its right edge; the
    // element's frames in between.
    const PixelBuffer p = Capture(inner);
    RECT e, u;
    GetWindowRect(spinEdit->Handle(), &e);
    GetWindowRect(inner, &u);
    const int topInside = e.top + 3 - u.top, bottomInside = e.bottom - 3 - u.top, rightInside = e.right - 3 - u.left;
    ASSERT_GT(topInside, 0);
    for (int x = 0; x < p.Width(); ++x) {
        EXPECT_EQ(0xFFFFFFu, Rgb(p, x, topInside - 1)) << x;
        EXPECT_EQ(0xFFFFFFu, Rgb(p, x, bottomInside)) << x;
    }
    for (int y = 0; y < p.Height(); ++y) EXPECT_EQ(0xFFFFFFu, Rgb(p, rightInside, y)) << y;
    int drawn = 0;  // the element's frames and arrows in between
    for (int y = topInside; y < bottomInside; ++y)
        for (int x = 0; x < rightInside; ++x) drawn += Rgb(p, x, y) != 0xFFFFFFu;
    EXPECT_GT(drawn, 0);
}

TEST_F(SkinEdits, UpDownHalvesShowPressedAndDisabledFrames) {
    const HWND w = upDown->Handle();
    auto* skinner = dynamic_cast<TSkinUpDown*>(t.SkinnerOf(w));
    ASSERT_NE(nullptr, skinner);
    const TDataSkinBorder* element = t.data->Skin().UpDownVert.get();
    ASSERT_TRUE(element && !element->Image.Empty());
    RECT r;
    GetWindowRect(w, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    auto expect = [&](int first, int second) {
        PixelBuffer expected(width, height);
        TUpDownLook look;
        look.firstState = first;
        look.secondState = second;
        look.face = ColourToRGB(t.data->Skin().ButtonFace());
        PaintUpDown(expected, element, look);
        const PixelBuffer shot = Capture(w);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(Rgb(expected, x, y), Rgb(shot, x, y)) << first << "/" << second << " at " << x << "," << y;
    };

    // The pointer over the second half: pressing it shows that half pressed.
    SetCursorPos(r.left + width / 2, r.top + height * 3 / 4);
    WaitFor([&] { return (skinner->MouseState & kUpDownHot) != 0; });
    const LPARAM at = MAKELPARAM(width / 2, height * 3 / 4);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    expect(udNormal, udPressed);
    SendMessageW(w, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(0, skinner->MouseState & kUpDownPressed);

    upDown->SetEnabled(false);
    expect(udDisabled, udDisabled);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
    expect(udDisabled, udDisabled);
    SendMessageW(w, WM_LBUTTONUP, 0, at);
    SetCursorPos(0, 0);
}

TEST_F(SkinEdits, DateTimeArrowSitsAtTheRightEdgeAndAPressOpensTheCalendar) {
    auto* skinner = dynamic_cast<TSkinDateTime*>(t.SkinnerOf(picker->Handle()));
    ASSERT_NE(nullptr, skinner);
    TArrowButton* arrow = skinner->Arrow();
    ASSERT_NE(nullptr, arrow);
    const HWND a = arrow->Handle();
    EXPECT_EQ(picker->Handle(), GetParent(a));
    EXPECT_NE(0, GetWindowLongPtrW(picker->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
    RECT client, button;
    GetClientRect(picker->Handle(), &client);
    GetWindowRect(a, &button);
    MapWindowPoints(nullptr, picker->Handle(), reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(client.right, button.right);
    EXPECT_EQ(0, button.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), button.right - button.left);

    SendMessageW(a, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(a, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(WaitFor([&] { return dropDowns > 0; }));
    EXPECT_TRUE(picker->DroppedDown());
}

TEST_F(SkinEdits, ThousandHoversPressesAndRepaintsLeaveNoGdiObject) {
    auto* dateSkinner = dynamic_cast<TSkinDateTime*>(t.SkinnerOf(picker->Handle()));
    ASSERT_NE(nullptr, dateSkinner);
    ASSERT_NE(nullptr, dateSkinner->Arrow());
    const HWND spin = upDown->Handle(), arrow = dateSkinner->Arrow()->Handle();
    const HWND fields[] = {framed->Handle(), bare->Handle(), spinEdit->Handle(), picker->Handle(), inner};
    auto cycle = [&] {
        SendMessageW(spin, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        SendMessageW(spin, WM_MOUSELEAVE, 0, 0);
        dateSkinner->Arrow()->Perform(CM_MOUSEENTER, 0, 0);
        UpdateWindow(arrow);
        dateSkinner->Arrow()->Perform(CM_MOUSELEAVE, 0, 0);
        UpdateWindow(arrow);
        for (HWND f : fields) RedrawWindow(f, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        PumpMessages();
    };
    cycle();  // buffers kept between paints are made here
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(before, GdiObjectCount());
}

}  // namespace

