// Popup menus with our skin: a menu opened on a skinned form gets a popup skinner that
// answers the query, paints the MenuBackground frame and draws the items in the MenuItem
// look; the skinner goes with the menu window and the manager's popup kind is reset.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/MenuPainter.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "tests/win32/MenuTestSupport.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

uint32_t ScreenColour(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    WindowDc screen(nullptr);
    return GetPixel(screen.get(), r.left + x, r.top + y) & 0xFFFFFF;
}

class SkinMenus : public ManagedMenuSkinTest {
protected:
    void SetUp() override {
        ManagedMenuSkinTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(HasMenuBackground(data->Skin()));
        host->SetBounds(60, 60, 320, 220);
        host->Show();
        ASSERT_TRUE(PumpUntil([&] { return manager->FindFormSkinner(host->Handle()) != nullptr; }, 3000));
        menu = MakeComponent<TPopupMenu>(host.get());
        for (const char* caption : {"显示窗口", "-", "退出程序"}) {
            TMenuItem* item = MakeComponent<TMenuItem>(host.get());
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        InstallMenuItemHandlers(*menu, data);
    }
    // Opens the menu; step runs inside its loop until it returns true, then it closes.
    void WithOpenMenu(std::function<bool()> step) {
        g_whileOpen = std::move(step);
        SetTimer(nullptr, 0, 30, MenuTick);
        SetForegroundWindow(host->Handle());
        menu->Popup(120, 120);
    }
    TPopupMenu* menu = nullptr;
};

TEST_F(SkinMenus, PopupGetsSkinnerWithFrameAndSkinnedItemsThenGoesWithItsWindow) {
    manager->PopupKind = pkMainMenuDropDown;
    manager->PopupFlag = 1;
    HWND seen = nullptr;
    LRESULT query = 0;
    TSkinPopupMenu* skinner = nullptr;
    uint32_t border = 0, expectedBorder = 1, item = 0;
    // The selected cell's middle colour in the skin's MenuItem image.
    const TDataSkinObject& cells = *data->Skin().MenuItem;
    const TRect selectedCell = FrameRect(cells.Image, false, 5, 4);
    const uint32_t expectedItem = ColourFromPixel(
        cells.Image.Pixel((selectedCell.left + selectedCell.right) / 2, (selectedCell.top + selectedCell.bottom) / 2));
    bool keyed = false;
    const DWORD start = GetTickCount();
    WithOpenMenu([&] {
        if (GetTickCount() - start > 5000) return true;
        HWND w = OpenMenuWindow();
        if (!w) return false;
        skinner = manager->FindPopupSkinner(w);
        // Painted: the items have handed their menu to the skinner.
        if (!skinner || skinner->Menu != menu->Handle() || skinner->Background().Empty()) return false;
        seen = w;
        query = SendMessageA(w, SKINMSG_QUERY, 0, 0);
        border = ScreenColour(w, 1, 1);
        expectedBorder = ColourFromPixel(skinner->Background().Pixel(1, 1));
        if (!keyed) {
            keyed = true;  // selects the first item
            PostMessageA(w, WM_KEYDOWN, VK_DOWN, 1);
            return false;
        }
        // The selected first item, right of its text: the selected MenuItem cell.
        RECT first{};
        GetMenuItemRect(nullptr, menu->Handle(), 0, &first);
        RECT wr{};
        GetWindowRect(w, &wr);
        item = ScreenColour(w, first.right - wr.left - 8, (first.top + first.bottom) / 2 - wr.top);
        return item == expectedItem;
    });
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(query, 1);
    EXPECT_EQ(border, expectedBorder);
    EXPECT_EQ(item, expectedItem);
    // The menu window is gone: so is its skinner, and the next menu is a plain popup again.
    ASSERT_TRUE(PumpUntil([&] { return manager->PopupSkinners().empty(); }, 3000));
    EXPECT_EQ(manager->PopupKind, pkPopupMenu);
    EXPECT_EQ(manager->PopupFlag, 0);
}

// The popup keeps its background picture (and the DC over it) between paints: a popup
// that grows gets a picture of its new size, its frame is drawn from that one, and the
// kept pictures go with the menu window.
TEST_F(SkinMenus, KeptBackgroundFollowsThePopupsSizeAndGoesWithIt) {
    auto painted = [&] {
        HWND w = OpenMenuWindow();
        TSkinPopupMenu* skinner = w ? manager->FindPopupSkinner(w) : nullptr;
        return skinner && skinner->Menu == menu->Handle() && !skinner->Background().Empty() ? skinner : nullptr;
    };
    DWORD start = GetTickCount();
    WithOpenMenu([&] { return painted() != nullptr || GetTickCount() - start > 5000; });
    ASSERT_TRUE(PumpUntil([&] { return manager->PopupSkinners().empty(); }, 3000));
    const long objects = GdiObjectsAlive();  // the menu font and the like are made by now

    SIZE grown{0, 0};
    SIZE picture{0, 0};
    uint32_t shown = 0, expected = 1;
    bool resized = false;
    start = GetTickCount();
    WithOpenMenu([&] {
        if (GetTickCount() - start > 5000) return true;
        TSkinPopupMenu* skinner = painted();
        if (!skinner) return false;
        HWND w = skinner->Window();
        RECT r{};
        GetWindowRect(w, &r);
        if (!resized) {
            resized = true;
            grown = {r.right - r.left + 30, r.bottom - r.top + 20};
            SetWindowPos(w, nullptr, 0, 0, grown.cx, grown.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            return false;
        }
        picture = {skinner->Background().Width(), skinner->Background().Height()};
        // The right frame strip, half-way down: only in the grown picture.
        shown = ScreenColour(w, grown.cx - 2, grown.cy / 2);
        expected = ColourFromPixel(skinner->Background().Pixel(grown.cx - 2, grown.cy / 2));
        return picture.cx == grown.cx && picture.cy == grown.cy && shown == expected;
    });
    EXPECT_TRUE(resized);
    EXPECT_EQ(picture.cx, grown.cx);
    EXPECT_EQ(picture.cy, grown.cy);
    EXPECT_EQ(shown, expected);
    ASSERT_TRUE(PumpUntil([&] { return manager->PopupSkinners().empty(); }, 3000));
    EXPECT_EQ(GdiObjectsAlive(), objects);
}

TEST_F(SkinMenus, ItemFreedWhileMenuShownIsNotDrawnAndHandleStaysTheSame) {
    HMENU shown = menu->Handle();
    bool sameHandle = false;
    const DWORD start = GetTickCount();
    WithOpenMenu([&] {
        if (GetTickCount() - start > 5000) return true;
        HWND w = OpenMenuWindow();
        if (!w) return false;
        // A change while the menu is up keeps its handle; the freed item's draw requests
        // (its pointer still in the system's menu) are ignored.
        TMenuItem* last = menu->Items()->Items(menu->Items()->Count() - 1);
        host->DestroyComponent(last);
        sameHandle = menu->Handle() == shown;
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return true;
    });
    EXPECT_TRUE(sameHandle);
    EXPECT_NE(menu->Handle(), shown);  // rebuilt once the menu closed
    EXPECT_EQ(menu->Items()->Count(), 2);
}

}  // namespace

// An item's image is drawn as it is when enabled and only as an embossed shape when not.
TEST_F(SkinMenus, DisabledItemShowsItsImageEmbossedNotInColour) {
    constexpr uint32_t kRed = 0x000000FF;  // 0x00BBGGRR
    PixelBuffer cell(16, 16);
    cell.Fill(PixelFromColour(kRed));
    auto* images = MakeComponent<TImageList>(host.get());
    ASSERT_EQ(0, images->AddMasked(cell, 16, 0xFF00FF));
    menu->SetImages(images);
    TMenuItem* item = menu->Items()->Items(0);
    item->SetImageIndex(0);
    auto redAndShadow = [&](bool enabled) {
        item->SetEnabled(enabled);
        PixelBuffer picture(160, 24);
        {
            BufferDc dc(picture);
            DrawSkinnedMenuItem(*item, data, dc.get(), RECT{0, 0, 160, 24}, false);
            dc.Pixels();
        }
        std::pair<int, int> counts{0, 0};
        const uint32_t shadow = PixelFromColour(GetSysColor(COLOR_BTNSHADOW)) & 0xFFFFFF;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 40; ++x) {
                const uint32_t p = picture.Pixel(x, y) & 0xFFFFFF;
                counts.first += p == (PixelFromColour(kRed) & 0xFFFFFF);
                counts.second += p == shadow;
            }
        return counts;
    };
    EXPECT_GT(redAndShadow(true).first, 100);
    const auto disabled = redAndShadow(false);
    EXPECT_EQ(0, disabled.first);
    EXPECT_GT(disabled.second, 100);
}
