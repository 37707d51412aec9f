// The skinned menu bar on a small form with a main menu, and the skinned system menu:
// the bar's strip is reserved in the frame and the buttons drawn in it, the arrow keys
// move from one bar popup to the next (wrapping, and exchanged right to left), an empty
// caption is never hit, and the system menu's commands follow the window's state.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

void Pump() { Application->ProcessMessages(); }

constexpr UINT kMenuGetHandle = 0x01E1;  // MN_GETHMENU

// The bar popup open now (a visible menu window showing one of the bar's submenus).
HMENU OpenBarPopup(const TSkinMenuBar& bar, HWND* window) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
        if (!IsWindowVisible(w)) continue;
        const auto menu = reinterpret_cast<HMENU>(SendMessageA(w, kMenuGetHandle, 0, 0));
        for (const auto& b : bar.Buttons())
            if (b->SubMenu && b->SubMenu == menu) {
                *window = w;
                return menu;
            }
    }
    return nullptr;
}

// Drives an open bar popup from a timer inside the menu loop: each time a new bar popup
// shows, it is recorded and `key` is posted to it; after `stops` popups the menu ends.
struct Script {
    const TSkinMenuBar* bar = nullptr;
    UINT key = VK_RIGHT;
    size_t stops = 4;
    std::vector<HMENU> seen;
    int ticks = 0;
};
Script* script = nullptr;

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
    if (!script) return;
    HWND window = nullptr;
    const HMENU open = OpenBarPopup(*script->bar, &window);
    if (++script->ticks > 200 || script->seen.size() >= script->stops) {
        EndMenu();
        return;
    }
    if (!open || (!script->seen.empty() && script->seen.back() == open)) return;
    script->seen.push_back(open);
    if (script->seen.size() >= script->stops) {
        EndMenu();
        return;
    }
    // Once its first item is selected (the bar selects it on opening) the key moves on.
    PostMessageA(window, WM_KEYDOWN, script->key, 0);
}

class SkinMenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
    }

    // A form with a four-item main menu: three popups and one empty caption at index 1.
    // menuLater: the menu is given to the form only after it was skinned.
    void MakeForm(bool rightToLeft, bool menuLater = false) {
        form = MakeUnowned<TForm>();
        form->SetBorderStyle(bsSizeable);
        form->SetClientSize(320, 200);
        form->SetCaption("Menus");
        menu = MakeComponent<TMainMenu>(form.get());
        const char* captions[] = {"&File", "", "&Edit", "帮助(&H)"};
        for (const char* caption : captions) {
            auto* top = MakeComponent<TMenuItem>(form.get());
            top->SetCaption(caption);
            if (caption[0]) {
                auto* sub = MakeComponent<TMenuItem>(form.get());
                sub->SetCaption("Item");
                top->Add(sub);
            }
            menu->Items()->Add(top);
        }
        if (!menuLater) form->SetMenu(menu);
        form->Show();
        Pump();
        w = form->Handle();
        if (rightToLeft) SetWindowLongPtrA(w, GWL_EXSTYLE, GetWindowLongPtrA(w, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
        GetClientRect(w, &clientBefore);
        skinner = MakeUnowned<TSkinForm>();
        skinner->SetWindow(w, nullptr, "TForm");
        skinner->AttachToForm(data.get(), form.get());
        PostMessageA(w, SKINMSG_ATTACHED, 0, 1000);
        Pump();
        SetForegroundWindow(w);
        Pump();
        ASSERT_EQ(ssActive, skinner->SkinState);
        if (menuLater) {
            ASSERT_FALSE(skinner->MenuBarSkinner);
            form->SetMenu(menu);
            Pump();
        }
        ASSERT_TRUE(skinner->MenuBarSkinner);
    }

    std::vector<HMENU> RunScript(UINT key) {
        Script s;
        s.bar = skinner->MenuBarSkinner;
        s.key = key;
        script = &s;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, Step);
        skinner->OpenMenuBarButton(skinner->MenuBarSkinner->Button(0));
        KillTimer(nullptr, timer);
        script = nullptr;
        return s.seen;
    }

    HMENU Sub(int i) const { return skinner->MenuBarSkinner->Button(i)->SubMenu; }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    TMainMenu* menu = nullptr;
    TUnowned<TSkinForm> skinner;
    HWND w = nullptr;
    RECT clientBefore{};  // with the system's menu bar
};

TEST_F(SkinMenuBar, BarIsReservedInTheFrameDrawnAndHitOnlyOnCaptions) {
    MakeForm(false);
    EXPECT_EQ(nullptr, GetMenu(w));
    EXPECT_EQ(GetSystemMetrics(SM_CYMENU), skinner->MenuBarHeight);
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(clientBefore.right, client.right);
    EXPECT_EQ(clientBefore.bottom, client.bottom);

    TSkinMenuBar& bar = *skinner->MenuBarSkinner;
    ASSERT_EQ(4u, bar.Buttons().size());
    EXPECT_EQ("&Edit", bar.Button(2)->Caption);
    EXPECT_EQ(0, bar.Button(1)->Bounds.Width());

    // The frame as printed: the captions in the bar's text colour inside their buttons.
    RECT outer{};
    GetWindowRect(w, &outer);
    PixelBuffer picture(outer.right - outer.left, outer.bottom - outer.top);
    {
        BufferDc dc(picture);
        ASSERT_TRUE(dc);
        EXPECT_EQ(0x41A2, SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(dc.get()), 0x41A2));
        dc.Pixels();
    }
    const uint32_t text = PixelFromColour(ColourToRGB(data->Skin().Colours[scMenuBarText]));
    auto textPixels = [&](const TRect& r) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += (picture.Pixel(x, y) & 0xFFFFFF) == (text & 0xFFFFFF);
        return n;
    };
    for (int i : {0, 2, 3}) EXPECT_GT(textPixels(bar.Button(i)->Bounds), 10) << i;
    const TRect beyond{bar.Button(3)->Bounds.right + 2, bar.BarRect.top, bar.BarRect.right, bar.BarRect.bottom};
    EXPECT_EQ(0, textPixels(beyond));

    // The empty caption's place belongs to the next button; the strip is the window's menu.
    const TRect e = bar.Button(2)->Bounds;
    EXPECT_EQ(bar.Button(2), skinner->HitTestButtons({e.left, e.top + 2}));
    EXPECT_EQ(nullptr, skinner->HitTestButtons({beyond.left + 5, e.top + 2}));
    EXPECT_EQ(HTMENU, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(outer.left + beyond.left + 5, outer.top + e.top + 2)));

    // Skinning off gives the system its bar back and the client area keeps its size.
    skinner->Detach();
    EXPECT_NE(nullptr, GetMenu(w));
    GetClientRect(w, &client);
    EXPECT_EQ(clientBefore.right, client.right);
    EXPECT_EQ(clientBefore.bottom, client.bottom);
}

// The bar's popups are the form's menu: their items are owner-drawn and the form answers
// their measuring with the skinned item's size.
void ExpectOwnerDrawnAndMeasured(HWND form, HMENU popup) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoA(popup, 0, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = info.wID;
    mis.itemData = info.dwItemData;
    EXPECT_EQ(TRUE, SendMessageA(form, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
    EXPECT_GT(mis.itemWidth, 0u);
    EXPECT_GT(mis.itemHeight, 0u);
}

// The bar's popups are the form's menu: their items are owner-drawn and the form answers
// their measuring with the skinned item's size.
TEST_F(SkinMenuBar, PopupItemsAreOwnerDrawnAndMeasuredThroughTheForm) {
    MakeForm(false);
    ExpectOwnerDrawnAndMeasured(w, Sub(0));
}

// A menu given after skinning becomes the skinned bar as well; the client keeps its size.
TEST_F(SkinMenuBar, MenuGivenAfterSkinningIsTakenOver) {
    MakeForm(false, true);
    EXPECT_EQ(nullptr, GetMenu(w));
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(clientBefore.bottom, client.bottom);
    ExpectOwnerDrawnAndMeasured(w, Sub(0));
}

TEST_F(SkinMenuBar, RightOnACommandItemOpensTheNextPopupAndWrapsToTheFirst) {
    MakeForm(false);
    EXPECT_EQ((std::vector<HMENU>{Sub(0), Sub(2), Sub(3), Sub(0)}), RunScript(VK_RIGHT));
    EXPECT_EQ((std::vector<HMENU>{Sub(0), Sub(3), Sub(2), Sub(0)}), RunScript(VK_LEFT));
    EXPECT_FALSE(skinner->MenuTracking);
    EXPECT_EQ(nullptr, skinner->HotObject);
}

TEST_F(SkinMenuBar, RightToLeftExchangesTheArrows) {
    MakeForm(true);
    ASSERT_TRUE(skinner->RightToLeft);
    EXPECT_EQ((std::vector<HMENU>{Sub(0), Sub(2), Sub(3), Sub(0)}), RunScript(VK_LEFT));
    // The buttons run from the right edge leftwards.
    EXPECT_GT(skinner->MenuBarSkinner->Button(0)->Bounds.left, skinner->MenuBarSkinner->Button(2)->Bounds.left);
}

TEST_F(SkinMenuBar, SystemMenuCommandsFollowTheWindowStateAndPostTheirCommand) {
    MakeForm(false);
    struct Expect {
        TShowState show;
        bool restore, move, size, minimise, maximise;
    };
    for (const Expect& e : {Expect{TShowState::Normal, false, true, true, true, true},
                            Expect{TShowState::Maximised, true, false, false, true, false},
                            Expect{TShowState::Minimised, true, true, true, false, true}}) {
        skinner->ShowState = e.show;
        skinner->BuildSkinnedSystemMenu();
        TPopupMenu* m = skinner->SkinnedSystemMenu;
        ASSERT_TRUE(m);
        EXPECT_EQ(33333, m->Tag());
        auto item = [m](int command) -> TMenuItem* {
            for (int i = 0; i < m->Items()->Count(); ++i)
                if (m->Items()->Items(i)->Tag() == command) return m->Items()->Items(i);
            return nullptr;
        };
        for (int command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
            ASSERT_TRUE(item(command)) << std::hex << command;
        const int s = static_cast<int>(e.show);
        EXPECT_EQ(e.restore, item(SC_RESTORE)->Enabled()) << s;
        EXPECT_EQ(e.move, item(SC_MOVE)->Enabled()) << s;
        EXPECT_EQ(e.size, item(SC_SIZE)->Enabled()) << s;
        EXPECT_EQ(e.minimise, item(SC_MINIMIZE)->Enabled()) << s;
        EXPECT_EQ(e.maximise, item(SC_MAXIMIZE)->Enabled()) << s;
        EXPECT_TRUE(item(SC_CLOSE)->Enabled());
        EXPECT_EQ(3, item(SC_CLOSE)->ImageIndex());
    }
    skinner->ShowState = TShowState::Normal;
    MSG pending{};
    while (PeekMessageA(&pending, w, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE)) {
    }
    TPopupMenu* m = skinner->SkinnedSystemMenu;
    for (int i = 0; i < m->Items()->Count(); ++i)
        if (m->Items()->Items(i)->Tag() == SC_CLOSE) m->Items()->Items(i)->Click();
    ASSERT_TRUE(PeekMessageA(&pending, w, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(SC_CLOSE), pending.wParam);
}

}  // namespace
