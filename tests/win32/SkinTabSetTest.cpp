// Old-style tab sets and page controls that take tab pictures by property, on a skinned
// form: the current tab in the skin's current-tab frame before and after a click, bottom
// tabs upside down, the tab pictures lent and taken back with the scroll arrows skinned,
// and no GDI object left by a thousand switches and repaints.
#include "skin/controls/SkinTabs.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "framework/PrivateMessages.h"
#include "framework/TabSet.h"
#include "skin/controls/SkinUpDown.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

constexpr int kSetWidth = 300, kSetHeight = 26;

// What the window shows on the screen now.
PixelBuffer OnScreen(HWND w, int width, int height) {
    PixelBuffer picture(width, height);
    BufferDc dc(picture);
    WindowDc screen(w);
    BitBlt(dc.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    GdiFlush();
    return picture;
}

uint32_t Rgb(const PixelBuffer& b, int x, int y) { return b.Pixel(x, y) & 0xFFFFFF; }

// A pixel of the skin's Tabs frame (1-based), in the middle of the frame's width.
uint32_t TabsFramePixel(const TSkinData& data, int frame, int y) {
    const TDataSkinBorder& tabs = *data.Skin().Tabs;
    const int width = tabs.Image.Width() / tabs.SafeFrameCount();
    return Rgb(tabs.Image, width * (frame - 1) + width / 2, y);
}

TTabSet* AddTabSet(TSkinnedTestForm& f, int y, TTabPosition position) {
    auto* set = f.Add<TTabSet>(nullptr, 10, y, kSetWidth, kSetHeight);
    set->SetTabPosition(position);
    for (const char* caption : {"One", "Two", "Three"}) set->Tabs().Add(caption);
    set->SetTabIndex(0);
    return set;
}

// A page control of another library as far as the skinner sees it: two published tab
// pictures, a tab height, and tab-scroll arrows of its own.
class TTestAdvPage : public TCustomControl {
    KELVORA_CLASS(TTestAdvPage)
public:
    explicit TTestAdvPage(TComponent* owner) : TCustomControl(owner) {}
    TPicture* TabBackGround() const { return &normal_; }
    TPicture* TabBackGroundActive() const { return &active_; }
    int TabHeight() const { return 22; }
    HWND MakeArrows() {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&icc);
        return CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, Width() - 36, 0, 36, 20,
                               Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    }

protected:
    void CreateHandleDone() override { MakeArrows(); }

private:
    mutable TPicture normal_, active_;
};

const TClassInfo& TTestAdvPage::StaticClass() {
    static const TClassInfo info(
        "TTestAdvPage", &TCustomControl::StaticClass(),
        {props::Object<TTestAdvPage, TPicture>("TabBackGround", &TTestAdvPage::TabBackGround, nullptr),
         props::Object<TTestAdvPage, TPicture>("TabBackGroundActive", &TTestAdvPage::TabBackGroundActive, nullptr),
         props::Ordinal<TTestAdvPage, int>("TabHeight", &TTestAdvPage::TabHeight, nullptr)});
    return info;
}

}  // namespace

TEST(SkinTabSet, CurrentTabInFrameTwoOthersInFrameOneAndAClickMovesIt) {
    TSkinnedTestForm f(330, 60);
    TTabSet* set = AddTabSet(f, 10, tpTop);
    int changes = 0;
    set->OnChange = [&](TObject*) { ++changes; };
    f.Skin();
    ASSERT_NE(nullptr, dynamic_cast<TSkinTab31*>(f.SkinnerOf(set->Handle())));
    const std::vector<RECT> tabs = set->TabRects();
    ASSERT_EQ(3u, tabs.size());
    // Row 1 lies in the frames' unstretched top margin, column 5 left of every caption.
    const uint32_t current = TabsFramePixel(*f.data, 2, 1), other = TabsFramePixel(*f.data, 1, 1);
    ASSERT_NE(current, other);
    auto expectCurrent = [&](const PixelBuffer& picture, int index, const char* where) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(i == index ? current : other, Rgb(picture, tabs[i].left + 5, tabs[i].top + 1))
                << where << ", tab " << i;
    };
    expectCurrent(PaintedPicture(set->Handle(), kSetWidth, kSetHeight), 0, "printed");

    // A click on the third tab selects it; the repaint it causes reaches the screen.
    const LPARAM at = MAKELPARAM((tabs[2].left + tabs[2].right) / 2, (tabs[2].top + tabs[2].bottom) / 2);
    SendMessageW(set->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(set->Handle(), WM_LBUTTONUP, 0, at);
    UpdateWindow(set->Handle());
    PumpMessages();
    EXPECT_EQ(2, set->TabIndex());
    EXPECT_EQ(1, changes);
    expectCurrent(OnScreen(set->Handle(), kSetWidth, kSetHeight), 2, "on screen");
}

TEST(SkinTabSet, BottomTabsAreTheTopOnesUpsideDown) {
    TSkinnedTestForm f(330, 80);
    TTabSet* top = AddTabSet(f, 10, tpTop);
    TTabSet* bottom = AddTabSet(f, 45, tpBottom);
    f.Skin();
    ASSERT_NE(nullptr, f.SkinnerOf(bottom->Handle()));
    const PixelBuffer up = PaintedPicture(top->Handle(), kSetWidth, kSetHeight);
    const PixelBuffer down = PaintedPicture(bottom->Handle(), kSetWidth, kSetHeight);
    const std::vector<RECT> tu = top->TabRects(), td = bottom->TabRects();
    ASSERT_EQ(3u, td.size());
    int compared = 0;
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(tu[i].left, td[i].left);
        // The rows of the outer margin, counted from the outer edge, left of the caption.
        for (int k = 0; k < 4; ++k)
            for (int x = tu[i].left; x < tu[i].left + 6; ++x, ++compared)
                ASSERT_EQ(Rgb(up, x, tu[i].top + k), Rgb(down, x, td[i].bottom - 1 - k))
                    << "tab " << i << " row " << k << " column " << x;
    }
    EXPECT_EQ(72, compared);
    // The current tab's accent is on the outer edge: above, and below.
    EXPECT_EQ(TabsFramePixel(*f.data, 2, 1), Rgb(down, td[0].left + 5, td[0].bottom - 2));
}

TEST(SkinTabSet, AdvancedPageGetsTabPicturesUntilDetachAndItsArrowsSkinned) {
    TSkinnedTestForm f(330, 120);
    f.data->ClassKinds().Add("TTestAdvPage=advpagecontrol");
    auto* page = f.Add<TTestAdvPage>(nullptr, 10, 10, 300, 100);
    page->TabBackGround()->SetBitmap(PixelBuffer(3, 5));  // a picture of its own
    f.Skin();
    auto* skinner = dynamic_cast<TSkinAdvPage*>(f.SkinnerOf(page->Handle()));
    ASSERT_NE(nullptr, skinner);
    EXPECT_EQ(4, skinner->Mode);

    // Frames 1 and 2 at the control's tab height and one frame's width.
    const TDataSkinBorder& tabs = *f.data->Skin().Tabs;
    const int frameWidth = tabs.Image.Width() / tabs.SafeFrameCount();
    for (TPicture* picture : {page->TabBackGround(), page->TabBackGroundActive()}) {
        ASSERT_EQ(frameWidth, picture->Width());
        ASSERT_EQ(22, picture->Height());
    }
    EXPECT_EQ(TabsFramePixel(*f.data, 1, 1), Rgb(page->TabBackGround()->Bitmap(), frameWidth / 2, 1));
    EXPECT_EQ(TabsFramePixel(*f.data, 2, 1), Rgb(page->TabBackGroundActive()->Bitmap(), frameWidth / 2, 1));

    // The arrows it made with its window, and arrows it makes later.
    HWND first = FindWindowExA(page->Handle(), nullptr, UPDOWN_CLASSA, nullptr);
    ASSERT_NE(nullptr, first);
    EXPECT_NE(nullptr, dynamic_cast<TSkinUpDown*>(f.SkinnerOf(first)));
    DestroyWindow(first);
    HWND later = page->MakeArrows();
    ASSERT_NE(nullptr, later);
    auto* arrows = dynamic_cast<TSkinUpDown*>(f.SkinnerOf(later));
    ASSERT_NE(nullptr, arrows);

    // Detach takes the skin's pictures away and gives the control's own back, also when
    // the form skinner detaches everything again as it goes.
    skinner->Detach();
    EXPECT_TRUE(page->TabBackGroundActive()->Empty());
    EXPECT_EQ(3, page->TabBackGround()->Width());
    EXPECT_EQ(5, page->TabBackGround()->Height());
    EXPECT_FALSE(arrows->Skinning());
    f.skinner.reset();
    EXPECT_EQ(3, page->TabBackGround()->Width());
}

TEST(SkinTabSet, ThousandSwitchesAndRepaintsLeaveNoGdiObject) {
    TSkinnedTestForm f(330, 60);
    TTabSet* set = AddTabSet(f, 10, tpBottom);
    f.Skin();
    ASSERT_NE(nullptr, f.SkinnerOf(set->Handle()));
    auto cycle = [&](int i) {
        set->SetTabIndex(i % 3);
        RedrawWindow(set->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };
    for (int i = 0; i < 10; ++i) cycle(i);
    PumpMessages();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) cycle(i);
    PumpMessages();
    EXPECT_LE(GdiObjectCount(), before);
    EXPECT_EQ(999 % 3, set->TabIndex());
}
