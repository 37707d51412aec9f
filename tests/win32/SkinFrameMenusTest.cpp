// Frame menus under the skin manager: a plain window's bar popup is measured and drawn in
// the skin's item look while it is open and given back afterwards; an MDI frame's bar
// follows WM_MDISETMENU, takes an MDI child's menu keys and shows the maximised child's
// buttons, whose close button closes the child; the system menu's popup window is skinned
// only when the skin data asks for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenuBar.h"
#include "skin/data/FrameDraw.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/MenuTestSupport.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

uint32_t ScreenColour(int x, int y) {
    WindowDc screen(nullptr);
    return GetPixel(screen.get(), x, y) & 0xFFFFFF;
}

class SkinFrameMenus : public ManagedMenuSkinTest {
protected:
    // The skinner the manager gave the window, once it is active.
    TSkinForm* ActiveSkinnerOf(HWND w) {
        TSkinForm* skinner = nullptr;
        PumpUntil(
            [&] {
                skinner = manager->FindFormSkinner(w);
                return skinner && skinner->SkinState == ssActive;
            },
            3000);
        return skinner;
    }
    // Starts a menu's loop with `start`; step runs inside it until it returns true.
    void WhileOpen(std::function<bool()> step, const std::function<void()>& start) {
        g_whileOpen = std::move(step);
        SetTimer(nullptr, 0, 30, MenuTick);
        start();
    }
};

// The middle colour of the MenuItem element's selected cell.
uint32_t SelectedItemColour(const TSkinDefinition& skin) {
    const TDataSkinObject& cells = *skin.MenuItem;
    const TRect cell = FrameRect(cells.Image, false, 5, 4);
    return ColourFromPixel(cells.Image.Pixel((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
}

TEST_F(SkinFrameMenus, PlainWindowBarPopupIsMeasuredAndDrawnInTheSkinWhileOpenThenGivenBack) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "KelvoraPlainMenuWindow";
    RegisterClassA(&wc);
    HMENU bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 100, "&Open");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&File");
    // The window owns its menu (also while the skinner holds it out of the window: the
    // manager gives it back before the window goes).
    WindowHandle window(CreateWindowExA(0, wc.lpszClassName, "Plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 360,
                                        240, nullptr, bar, wc.hInstance, nullptr));
    const HWND w = window.get();
    SetForegroundWindow(w);
    TSkinForm* skinner = ActiveSkinnerOf(w);
    ASSERT_TRUE(skinner);
    ASSERT_EQ(nullptr, skinner->FormControl());
    ASSERT_TRUE(skinner->MenuBarSkinner);

    auto measure = [w](UINT id) {
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_MENU;
        mis.itemID = id;
        const LRESULT handled = SendMessageA(w, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        return std::make_pair(handled, mis);
    };
    const int leftWidth = data->Skin().MenuItem->LeftWidth;
    const uint32_t expected = SelectedItemColour(data->Skin());
    uint32_t seen = 1;
    bool ownerDrawnWhileOpen = false;
    std::pair<LRESULT, MEASUREITEMSTRUCT> openItem, lineItem, closeItem;
    const DWORD start = GetTickCount();
    WhileOpen(
        [&] {
            if (GetTickCount() - start > 5000) return true;
            if (!OpenMenuWindow()) return false;
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(popup, 0, TRUE, &info);
            ownerDrawnWhileOpen = (info.fType & MFT_OWNERDRAW) != 0;
            openItem = measure(100);
            lineItem = measure(0);
            closeItem = measure(SC_CLOSE);
            // The bar selects the first item on opening: its right part shows the cell.
            RECT first{};
            if (!GetMenuItemRect(nullptr, popup, 0, &first)) return false;
            seen = ScreenColour(first.right - 8, (first.top + first.bottom) / 2);
            return seen == expected;
        },
        [&] { skinner->OpenMenuBarButton(skinner->MenuBarSkinner->Button(0)); });
    EXPECT_TRUE(ownerDrawnWhileOpen);
    EXPECT_EQ(expected, seen);
    EXPECT_EQ(TRUE, openItem.first);
    EXPECT_GT(static_cast<int>(openItem.second.itemWidth), 26 + leftWidth);
    EXPECT_GT(openItem.second.itemHeight, 8u);
    EXPECT_EQ(TRUE, lineItem.first);
    EXPECT_EQ(8u, lineItem.second.itemHeight);
    // A system command is measured by its text too; its shortcut makes it the wider.
    EXPECT_EQ(TRUE, closeItem.first);
    EXPECT_GT(closeItem.second.itemWidth, openItem.second.itemWidth);

    // Closed: the items draw themselves again and the window measures nothing.
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    for (UINT i = 0; i < 3; ++i) {
        ASSERT_TRUE(GetMenuItemInfoA(popup, i, TRUE, &info));
        EXPECT_FALSE(info.fType & MFT_OWNERDRAW) << i;
    }
    EXPECT_EQ(0, measure(100).first);
    TSkinManager::Destroy();
}

// An MDI frame form with a two-item main menu and an MDI child whose close closes it.
class SkinFrameMdi : public SkinFrameMenus {
protected:
    void SetUp() override {
        SkinFrameMenus::SetUp();
        if (HasFatalFailure()) return;
        // The skin's MDI close button gets a picture: four frames in four colours.
        for (auto& record : data->Skin().SysButtons)
            if (record->Action == 9 && record->Visibility == 100) closeRecord = record.get();
        ASSERT_TRUE(closeRecord);
        PixelBuffer strip(4 * kCell, kCell);
        for (int f = 0; f < 4; ++f)
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x) strip.SetPixel(f * kCell + x, y, PixelFromColour(kFrameColours[f]));
        closeRecord->Image = std::move(strip);
        closeRecord->Xcoord = 24;

        host->SetFormStyle(fsMDIForm);
        host->SetBounds(40, 40, 480, 360);
        host->SetCaption("Frame");
        menu = MakeComponent<TMainMenu>(host.get());
        for (const char* caption : {"&File", "&Edit"}) {
            auto* top = MakeComponent<TMenuItem>(host.get());
            top->SetCaption(caption);
            auto* sub = MakeComponent<TMenuItem>(host.get());
            sub->SetCaption("Item");
            top->Add(sub);
            menu->Items()->Add(top);
        }
        host->SetMenu(menu);
        host->Show();
        frame = host->Handle();
        client = host->ClientHandle();
        ASSERT_TRUE(client);
        SetForegroundWindow(frame);
        frameSkinner = ActiveSkinnerOf(frame);
        ASSERT_TRUE(frameSkinner);
        ASSERT_EQ(mkFrame, frameSkinner->MdiKind);
        ASSERT_TRUE(frameSkinner->MenuBarSkinner);

        child = MakeComponent<TForm>(host.get());
        child->SetFormStyle(fsMDIChild);
        child->SetBounds(10, 10, 220, 160);
        child->SetCaption("Child");
        child->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
        child->Show();
        childRef = TComponentRef<TForm>(child);
        ASSERT_EQ(client, GetParent(child->Handle()));
        childSkinner = ActiveSkinnerOf(child->Handle());
        ASSERT_TRUE(childSkinner);
        ASSERT_EQ(mkChild, childSkinner->MdiKind);
        // Skinned as its window was made, it knows its form once active.
        ASSERT_EQ(child, childSkinner->FormControl());
    }

    const TCaptionButton* CloseButton() const {
        for (const auto& b : frameSkinner->CaptionButtons)
            if (b->Element == closeRecord) return b.get();
        return nullptr;
    }
    std::string Caption(int i) const { return frameSkinner->MenuBarSkinner->Button(i)->Caption; }

    static constexpr int kCell = 14;
    static constexpr uint32_t kFrameColours[4] = {0x0000B000, 0x000000C0, 0x00C00000, 0x0000C0C0};
    TDataSkinSysButton* closeRecord = nullptr;
    TMainMenu* menu = nullptr;
    HWND frame = nullptr;
    HWND client = nullptr;
    TSkinForm* frameSkinner = nullptr;
    TForm* child = nullptr;
    TComponentRef<TForm> childRef;
    TSkinForm* childSkinner = nullptr;
};

TEST_F(SkinFrameMdi, SetMenuRebuildsTheBarAndAChildsMenuKeyOpensTheFramesButton) {
    ASSERT_EQ(2u, frameSkinner->MenuBarSkinner->Buttons().size());
    MenuHandle other(CreateMenu());
    AppendMenuA(other.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&Window");
    SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(other.get()), 0);
    EXPECT_EQ(nullptr, GetMenu(frame));
    ASSERT_EQ(1u, frameSkinner->MenuBarSkinner->Buttons().size());
    EXPECT_EQ("&Window", Caption(0));
    SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu->Handle()), 0);
    EXPECT_EQ(nullptr, GetMenu(frame));
    ASSERT_EQ(2u, frameSkinner->MenuBarSkinner->Buttons().size());
    EXPECT_EQ("&Edit", Caption(1));

    // Alt+E in the child: its form has no bar, the frame's opens its Edit button through
    // the click path.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE alt = keys[VK_MENU];
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    const intptr_t handled = child->Perform(CM_DIALOGCHAR, 'e', 0);
    keys[VK_MENU] = alt;
    SetKeyboardState(keys);
    EXPECT_EQ(1, handled);
    MSG posted{};
    ASSERT_TRUE(PeekMessageA(&posted, frame, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    RECT outer{};
    GetWindowRect(frame, &outer);
    const TRect edit = frameSkinner->MenuBarSkinner->Button(1)->Bounds;
    const int x = static_cast<short>(LOWORD(posted.lParam)) - outer.left;
    const int y = static_cast<short>(HIWORD(posted.lParam)) - outer.top;
    EXPECT_TRUE(x >= edit.left && x < edit.right && y >= edit.top && y < edit.bottom) << x << "," << y;
    // Without Alt the key is nobody's.
    EXPECT_EQ(0, child->Perform(CM_DIALOGCHAR, 'e', 0));
    EXPECT_FALSE(PeekMessageA(&posted, frame, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

TEST_F(SkinFrameMdi, MaximisedChildsButtonsShowInTheBarRowAndItsCloseButtonClosesIt) {
    PrintedFrame(frame);
    ASSERT_TRUE(CloseButton());
    EXPECT_FALSE(CloseButton()->Visible);

    SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->Handle()), 0);
    Application->ProcessMessages();
    const PixelBuffer picture = PrintedFrame(frame);
    const TCaptionButton* button = CloseButton();
    ASSERT_TRUE(button->Visible);
    const TRect b = button->Bounds;
    EXPECT_EQ(kCell, b.Width());
    EXPECT_GE(b.top, frameSkinner->FrameTop);
    EXPECT_LE(b.bottom, frameSkinner->FrameTop + frameSkinner->MenuBarHeight);
    const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    EXPECT_EQ(PixelFromColour(kFrameColours[0]) & 0xFFFFFF, picture.Pixel(cx, cy) & 0xFFFFFF);

    // A click on it closes the active child (its form is freed).
    RECT outer{};
    GetWindowRect(frame, &outer);
    const LPARAM at = MAKELPARAM(outer.left + cx, outer.top + cy);
    SendMessageA(frame, WM_NCLBUTTONDOWN, HTMENU, at);
    EXPECT_EQ(PixelFromColour(kFrameColours[1]) & 0xFFFFFF, PrintedFrame(frame).Pixel(cx, cy) & 0xFFFFFF);
    SendMessageA(frame, WM_NCLBUTTONUP, HTMENU, at);
    EXPECT_TRUE(PumpUntil([&] { return !childRef; }, 3000));
    EXPECT_EQ(0, SendMessageA(client, WM_MDIGETACTIVE, 0, 0));
    PrintedFrame(frame);
    EXPECT_FALSE(CloseButton()->Visible);
}

TEST_F(SkinFrameMenus, SystemMenuPopupIsSkinnedOnlyWhenTheSkinControlsHaveIt) {
    host->SetBounds(60, 60, 320, 220);
    host->Show();
    SetForegroundWindow(host->Handle());
    TSkinForm* skinner = ActiveSkinnerOf(host->Handle());
    ASSERT_TRUE(skinner);
    for (bool withSystemMenu : {true, false}) {
        if (withSystemMenu)
            data->SkinControls |= SkinBit(xcSystemMenu);
        else
            data->SkinControls &= ~SkinBit(xcSystemMenu);
        skinner->LastRightPressTick = GetTickCount() - skinner->DoubleClickTime - 1;
        LRESULT query = -1;
        const DWORD start = GetTickCount();
        WhileOpen(
            [&] {
                HWND w = OpenMenuWindow();
                if (!w) return GetTickCount() - start > 5000;
                query = SendMessageA(w, SKINMSG_QUERY, 0, 0);
                return true;
            },
            [&] { skinner->ShowSystemMenu({120, 120}); });
        EXPECT_EQ(withSystemMenu ? 1 : 0, query) << withSystemMenu;
    }
}

}  // namespace
