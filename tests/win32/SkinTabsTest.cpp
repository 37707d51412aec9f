// Tab skinners on a real page control: close boxes that free a page unless the form keeps
// it, bottom tabs drawn as the top ones upside down, no GDI object left by many page
// switches and repaints.
#include "skin/controls/SkinTabs.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/ComCtrls.h"
#include "framework/PrivateMessages.h"
#include "tests/win32/SkinnedTestForm.h"

namespace {

constexpr int kWidth = 260, kHeight = 160;

uint32_t Rgb(const PixelBuffer& b, int x, int y) { return b.Pixel(x, y) & 0xFFFFFF; }

int ChannelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return most;
}

TPageControl* AddPages(TSkinnedTestForm& f, int x, int y, std::vector<TTabSheet*>& pages) {
    auto* pc = f.Add<TPageControl>(nullptr, x, y, kWidth, kHeight);
    for (const char* caption : {"One", "Two", "Three"}) {
        auto* page = MakeComponent<TTabSheet>(f.form.get());
        page->SetPageControl(pc);
        page->SetCaption(caption);
        pages.push_back(page);
    }
    return pc;
}

RECT ItemRect(HWND w, int index) {
    RECT r{};
    SendMessageW(w, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

struct CloseRequests {
    std::vector<std::pair<WPARAM, LPARAM>> seen;
    LRESULT answer = 0;
    bool handled = false;
    std::function<void(LPARAM)> action;
};

}  // namespace

TEST(SkinTabs, CloseBoxFreesThePageUnlessTheFormKeepsIt) {
    TSkinnedTestForm f(300, 200);
    std::vector<TTabSheet*> pages;
    TPageControl* pc = AddPages(f, 10, 10, pages);
    pc->SetTag(kTabCloseTag);
    CloseRequests requests;
    f.form->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg != SKINMSG_TABCLOSE) return next(m);
        requests.seen.push_back({m.WParam, m.LParam});
        if (requests.action) requests.action(m.LParam);
        if (requests.handled) m.Result = requests.answer;
        else next(m);
    });
    f.Skin();
    auto* skinner = dynamic_cast<TSkinTab*>(f.SkinnerOf(pc->Handle()));
    ASSERT_NE(nullptr, skinner);
    ASSERT_EQ(1, skinner->CloseBoxes);

    auto pressCloseBox = [&](int tab) {
        PaintedPicture(pc->Handle(), kWidth, kHeight);  // the boxes of the paint as it is now
        ASSERT_LT(static_cast<size_t>(tab), skinner->CloseRects().size());
        const TRect box = skinner->CloseRects()[static_cast<size_t>(tab)];
        const RECT item = ItemRect(pc->Handle(), tab);
        // The box lies in the tab's top-right corner.
        EXPECT_GE(box.left, item.left);
        EXPECT_LE(box.right, item.right);
        const LPARAM at = MAKELPARAM(box.left + 3, box.top + 3);
        SendMessageW(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(pc->Handle(), WM_LBUTTONUP, 0, at);
        PumpMessages();
    };

    // The form answers non-zero: the page stays, and so does the current tab.
    requests.handled = true;
    requests.answer = 1;
    pressCloseBox(1);
    ASSERT_EQ(1u, requests.seen.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(pc->Handle()), requests.seen[0].first);
    EXPECT_EQ(1, requests.seen[0].second);
    EXPECT_EQ(3, pc->PageCount());
    EXPECT_EQ(0, pc->ActivePageIndex());

    // Nobody answers: the pressed page is freed, the press does not select its tab.
    requests.handled = false;
    TComponentRef<TTabSheet> second(pages[1]);
    pressCloseBox(1);
    EXPECT_FALSE(second);
    ASSERT_EQ(2, pc->PageCount());
    EXPECT_EQ(pages[0], pc->Pages(0));
    EXPECT_EQ(pages[2], pc->Pages(1));
    EXPECT_EQ(2, TabCtrl_GetItemCount(pc->Handle()));

    // The form frees the page itself and answers 0: freed once, nothing else goes.
    requests.handled = true;
    requests.answer = 0;
    TComponentRef<TTabSheet> third(pages[2]);
    requests.action = [&](LPARAM) { TComponent::Free(third.Get()); };
    pressCloseBox(1);
    EXPECT_FALSE(third);
    ASSERT_EQ(1, pc->PageCount());
    EXPECT_EQ(pages[0], pc->Pages(0));

    // A press beside the boxes selects as usual and asks nothing.
    requests.action = nullptr;
    const size_t asked = requests.seen.size();
    const RECT item = ItemRect(pc->Handle(), 0);
    SendMessageW(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 4, item.bottom - 4));
    SendMessageW(pc->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(item.left + 4, item.bottom - 4));
    EXPECT_EQ(asked, requests.seen.size());
    EXPECT_EQ(1, pc->PageCount());
}

TEST(SkinTabs, BottomTabsAreTheTopOnesUpsideDown) {
    TSkinnedTestForm f(560, 200);
    std::vector<TTabSheet*> topPages, bottomPages;
    TPageControl* top = AddPages(f, 10, 10, topPages);
    TPageControl* bottom = AddPages(f, 280, 10, bottomPages);
    bottom->SetTabPosition(tpBottom);
    f.Skin();
    ASSERT_NE(nullptr, f.SkinnerOf(top->Handle()));
    ASSERT_NE(nullptr, f.SkinnerOf(bottom->Handle()));
    ASSERT_TRUE(GetWindowLongW(bottom->Handle(), GWL_STYLE) & TCS_BOTTOM);
    const PixelBuffer up = PaintedPicture(top->Handle(), kWidth, kHeight);
    const PixelBuffer down = PaintedPicture(bottom->Handle(), kWidth, kHeight);

    // The current tab: rows counted from its outer edge match (top tabs are drawn one pixel
    // below their rectangle), in the columns left of its caption.
    const RECT tu = ItemRect(top->Handle(), 0), td = ItemRect(bottom->Handle(), 0);
    ASSERT_EQ(tu.bottom - tu.top, td.bottom - td.top);
    ASSERT_EQ(tu.left, td.left);
    // The outer margin rows are copied as they are; the stretched middle of the tab picked
    // its rows from the other end, so its shading may differ by a step.
    int compared = 0;
    for (int k = 0; k < (tu.bottom - tu.top) / 2; ++k)
        for (int x = tu.left; x < tu.left + 5; ++x, ++compared) {
            const uint32_t a = Rgb(up, x, tu.top + 1 + k), b = Rgb(down, x, td.bottom - 1 - k);
            if (k < 4) ASSERT_EQ(a, b) << "row " << k << " column " << x;
            else ASSERT_LE(ChannelDistance(a, b), 4) << "row " << k << " column " << x;
        }
    // The accent line of the current tab is on its outer edge: at the top, at the bottom.
    EXPECT_NE(Rgb(up, tu.left + 8, tu.top + 1), Rgb(up, tu.left + 8, tu.top + 8));
    EXPECT_EQ(Rgb(up, tu.left + 8, tu.top + 1), Rgb(down, td.left + 8, td.bottom - 1));

    // The pane: rows counted from the tab side match too.
    RECT au{0, 0, kWidth, kHeight}, ad{0, 0, kWidth, kHeight};
    SendMessageW(top->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&au));
    SendMessageW(bottom->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&ad));
    const TRect pu = TabDisplayArea({au.left, au.top, au.right, au.bottom}, tabTop);
    const TRect pd = TabDisplayArea({ad.left, ad.top, ad.right, ad.bottom}, tabBottom);
    ASSERT_EQ(pu.Height(), pd.Height());
    for (int k = 0; k < 8; ++k)
        for (int x : {pu.left, pu.left + 2, kWidth / 2}) {
            ++compared;
            ASSERT_EQ(Rgb(up, x, pu.top + k), Rgb(down, x, pd.bottom - 1 - k)) << "pane row " << k;
        }
    EXPECT_GT(compared, 40);
}

TEST(SkinTabs, ThousandPageSwitchesAndRepaintsLeaveNoGdiObject) {
    TSkinnedTestForm f(300, 200);
    std::vector<TTabSheet*> pages;
    TPageControl* pc = AddPages(f, 10, 10, pages);
    pc->SetTag(kTabCloseTag);
    f.Skin();
    ASSERT_NE(nullptr, f.SkinnerOf(pc->Handle()));
    auto cycle = [&](int i) {
        pc->SetActivePageIndex(i % 3);
        RedrawWindow(pc->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    for (int i = 0; i < 10; ++i) cycle(i);
    PumpMessages();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) cycle(i);
    PumpMessages();
    EXPECT_LE(GdiObjectCount(), before);
    EXPECT_EQ(999 % 3, pc->ActivePageIndex());
}
