// Scroll bar skinners on real windows with our own skin: overlays that follow their bar
// (shown, hidden, shown again), the size box between two bars, a re-made control getting
// a working skinner, the drop-down list's thumb drag that waits instead of spinning and
// ends without a release, and no GDI object left behind by overlays at work.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinScrollBars.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

void Pump() { Application->ProcessMessages(); }

RECT ScreenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

SCROLLBARINFO Bar(HWND w, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(w, object, &info);
    return info;
}

double CpuMilliseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& f) { return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

class SkinScrollBars : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
        form = MakeUnowned<TForm>();
        form->SetClientSize(400, 300);
        form->Show();
        Pump();
    }
    void TearDown() override {
        form.reset();
        data.reset();
    }
    TListBox* MakeList(int items) {
        auto* list = MakeComponent<TListBox>(form.get());
        list->SetParent(form.get());
        list->SetBounds(10, 10, 150, 120);
        for (int i = 0; i < items; ++i) list->Items().Add("item " + std::to_string(i));
        return list;
    }
    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
};

TEST_F(SkinScrollBars, OverlayFollowsTheBarOfAListAsItAppearsAndGoes) {
    TListBox* list = MakeList(40);
    auto* skinner = MakeComponent<TSkinScrollbar>(list);
    skinner->AttachScroll(list, data.get(), nullptr, nullptr);
    Pump();
    TScrollOverlay* v = skinner->Vertical();
    ASSERT_NE(nullptr, v);
    ASSERT_TRUE(v->Shown);
    EXPECT_TRUE(SameRect(Bar(list->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(v->Handle())));
    EXPECT_EQ(GetParent(list->Handle()), GetParent(v->Handle()));
    EXPECT_TRUE(GetWindowLongA(v->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    // Right above the list in z-order, so it covers the list's bar.
    EXPECT_EQ(v->Handle(), GetWindow(list->Handle(), GW_HWNDPREV));
    EXPECT_FALSE(skinner->Horizontal()->Shown);

    list->Clear();
    Pump();
    EXPECT_FALSE(v->Shown);
    EXPECT_FALSE(IsWindowVisible(v->Handle()));

    for (int i = 0; i < 40; ++i) list->Items().Add("again " + std::to_string(i));
    Pump();
    ASSERT_TRUE(v->Shown);
    EXPECT_TRUE(SameRect(Bar(list->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(v->Handle())));
    // Moving the list takes the overlay along; hiding it hides the overlay.
    list->SetBounds(30, 20, 160, 140);
    Pump();
    EXPECT_TRUE(SameRect(Bar(list->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(v->Handle())));
    list->SetVisible(false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(v->Handle()));
}

// A memo whose bars both have overlays: its non-client area is the skin's two-line frame
// and the ButtonFace size box, and a scroll moves the overlay's thumb.
TEST_F(SkinScrollBars, MemoFrameSizeBoxAndThumbWithBothBarsCovered) {
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 10, 200, 150);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    std::string text;
    for (int i = 0; i < 40; ++i) text += std::string(80, 'x') + "\r\n";
    memo->SetText(text);
    auto* skinner = MakeComponent<TSkinScrollbar>(memo);
    skinner->AttachScroll(memo, data.get(), nullptr, nullptr);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    ASSERT_TRUE(skinner->Vertical()->Shown);
    ASSERT_TRUE(skinner->Horizontal()->Shown);
    const RECT w = ScreenRect(memo->Handle());
    const RECT vbar = Bar(memo->Handle(), OBJID_VSCROLL).rcScrollBar;
    const RECT hbar = Bar(memo->Handle(), OBJID_HSCROLL).rcScrollBar;
    WindowDc dc(memo->Handle(), true);
    const COLORREF face = ColourToRGB(data->Skin().ButtonFace());
    EXPECT_EQ(face, GetPixel(dc.get(), vbar.left - w.left + 2, hbar.top - w.top + 2));
    EXPECT_EQ(face, GetPixel(dc.get(), vbar.right - w.left - 1, hbar.bottom - w.top - 1));
    const COLORREF shadow = ColourToRGB(data->Skin().Colours[scButtonShadow]);
    const int height = w.bottom - w.top;
    for (int x : {0, 1}) {
        EXPECT_EQ(x == 0 ? shadow : face, GetPixel(dc.get(), x, height / 2)) << x;
        EXPECT_EQ(x == 0 ? shadow : face, GetPixel(dc.get(), (w.right - w.left) / 2, x)) << x;
    }

    // The thumb goes down with the text.
    auto column = [&] {
        WindowDc overlay(skinner->Vertical()->Handle());
        std::vector<COLORREF> pixels;
        for (int y = 0; y < vbar.bottom - vbar.top; ++y) pixels.push_back(GetPixel(overlay.get(), (vbar.right - vbar.left) / 2, y));
        return pixels;
    };
    const std::vector<COLORREF> top = column();
    SendMessageA(memo->Handle(), EM_LINESCROLL, 0, 40);  // no scroll message: only the repaint tells
    Pump();
    EXPECT_NE(top, column());
}

// Overlays are windows: a list that does not show (a hidden panel's, one past the form's
// edge) gets none until it paints, and then covers its bar as any other.
TEST_F(SkinScrollBars, ListNotShowingGetsItsOverlaysWhenItFirstPaints) {
    auto* panel = MakeComponent<TPanel>(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 200, 200);
    panel->SetVisible(false);
    TListBox* hidden = MakeList(40);
    hidden->SetParent(panel);
    TListBox* outside = MakeList(40);
    outside->SetBounds(10, 400, 150, 120);  // below the 300-pixel client area
    auto* hiddenSkinner = MakeComponent<TSkinScrollbar>(hidden);
    hiddenSkinner->AttachScroll(hidden, data.get(), nullptr, nullptr);
    auto* outsideSkinner = MakeComponent<TSkinScrollbar>(outside);
    outsideSkinner->AttachScroll(outside, data.get(), nullptr, nullptr);
    Pump();
    EXPECT_EQ(nullptr, hiddenSkinner->Vertical());
    EXPECT_EQ(nullptr, outsideSkinner->Vertical());
    EXPECT_EQ(nullptr, outsideSkinner->Horizontal());

    panel->SetVisible(true);
    Pump();
    ASSERT_NE(nullptr, hiddenSkinner->Vertical());
    ASSERT_TRUE(hiddenSkinner->Vertical()->Shown);
    EXPECT_TRUE(SameRect(Bar(hidden->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(hiddenSkinner->Vertical()->Handle())));
    EXPECT_EQ(hiddenSkinner->Vertical()->Handle(), GetWindow(hidden->Handle(), GW_HWNDPREV));

    outside->SetBounds(200, 10, 150, 120);
    Pump();
    ASSERT_NE(nullptr, outsideSkinner->Vertical());
    EXPECT_TRUE(outsideSkinner->Vertical()->Shown);
    EXPECT_TRUE(SameRect(Bar(outside->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(outsideSkinner->Vertical()->Handle())));
}

TEST_F(SkinScrollBars, RecreatedListGetsAWorkingSkinnerFromTheFormSkinner) {
    TListBox* list = MakeList(40);
    auto skin = MakeUnowned<TSkinForm>();
    skin->SetWindow(form->Handle(), nullptr, "TForm");
    skin->AttachToForm(data.get(), form.get());
    PostMessageA(form->Handle(), SKINMSG_ATTACHED, 0, 1000);
    Pump();
    auto* first = dynamic_cast<TSkinScrollbar*>(skin->FindSkinnerOf(list));
    ASSERT_NE(nullptr, first);
    list->RecreateWnd();
    Pump();
    auto* second = dynamic_cast<TSkinScrollbar*>(skin->FindSkinnerOf(list));
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(list->Handle(), second->Handle());
    ASSERT_TRUE(second->Vertical()->Shown);
    EXPECT_TRUE(SameRect(Bar(list->Handle(), OBJID_VSCROLL).rcScrollBar, ScreenRect(second->Vertical()->Handle())));
}

// A bare list box window with a vertical bar, as a combo box's drop-down list is.
class DropDownDrag : public SkinScrollBars {
protected:
    void SetUp() override {
        SkinScrollBars::SetUp();
        list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER, 10, 10, 150, 120,
                               form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        for (int i = 0; i < 100; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
        skinner = MakeUnowned<TComboxScrollBar>();
        skinner->AttachWindow(list, data.get(), nullptr, nullptr);
        Pump();
    }
    void TearDown() override {
        skinner.reset();
        DestroyWindow(list);
        SkinScrollBars::TearDown();
    }
    // Presses the thumb; returns the processor time the drag took.
    double Drag() {
        const SCROLLBARINFO bar = Bar(list, OBJID_VSCROLL);
        const POINT p{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                      bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
        const double before = CpuMilliseconds();
        SendMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
        return CpuMilliseconds() - before;
    }
public:
    static HWND target;

protected:
    HWND list = nullptr;
    TUnowned<TComboxScrollBar> skinner;
};
HWND DropDownDrag::target = nullptr;

void CALLBACK LoseCapture(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    ReleaseCapture();
}

void CALLBACK PressEscape(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageA(DropDownDrag::target, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(DropDownDrag, HeldStillItWaitsAndEndsWhenCaptureGoesOrOnEscape) {
    target = list;
    // After a second with the button held and the mouse still, the capture goes elsewhere.
    const UINT_PTR lose = SetTimer(nullptr, 0, 1000, LoseCapture);
    const DWORD start = GetTickCount();
    const double cpu = Drag();
    EXPECT_GE(GetTickCount() - start, 900u);
    EXPECT_LT(cpu, 150.0) << "processor time of a held drag";
    EXPECT_EQ(0, skinner->Tracking);
    EXPECT_NE(list, GetCapture());
    (void)lose;

    // Escape ends it too.
    SetTimer(nullptr, 0, 300, PressEscape);
    Drag();
    EXPECT_EQ(0, skinner->Tracking);
    EXPECT_NE(list, GetCapture());
    // A press off the thumb is left to the list.
    const SCROLLBARINFO bar = Bar(list, OBJID_VSCROLL);
    PostMessageA(list, WM_LBUTTONUP, 0, 0);
    SendMessageA(list, WM_NCLBUTTONDOWN, HTVSCROLL,
                 MAKELPARAM(bar.rcScrollBar.left + 2, bar.rcScrollBar.bottom - 2));
    EXPECT_EQ(0, skinner->Tracking);
}

TEST_F(SkinScrollBars, NoGdiObjectLeftAfterAThousandHoversPressesAndScrolls) {
    TListBox* list = MakeList(200);
    auto* skinner = MakeComponent<TSkinScrollbar>(list);
    skinner->AttachScroll(list, data.get(), nullptr, nullptr);
    Pump();
    TScrollOverlay* v = skinner->Vertical();
    ASSERT_TRUE(v->Shown);
    const HWND o = v->Handle();
    const int length = v->BarLength;
    UpdateWindow(o);
    const long owned = GdiObjectsAlive();
    const DWORD gui = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 1000; ++i) {
        const int y = (i * 7) % length;
        SendMessageA(o, WM_MOUSEMOVE, 0, MAKELPARAM(5, y));
        UpdateWindow(o);
        if (i % 10 == 0) {
            // The release waits in the queue, so the system's scroll loop ends at once.
            PostMessageA(list->Handle(), WM_LBUTTONUP, 0, 0);
            SendMessageA(o, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, y));
        }
        SendMessageA(list->Handle(), WM_VSCROLL, i % 2 ? SB_LINEDOWN : SB_PAGEDOWN, 0);
        SendMessageA(list->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
        SendMessageA(o, WM_MOUSELEAVE, 0, 0);
        UpdateWindow(o);
    }
    Pump();
    EXPECT_EQ(0, v->Tracking);
    EXPECT_EQ(owned, GdiObjectsAlive());
    EXPECT_EQ(gui, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}

}  // namespace
