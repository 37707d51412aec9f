// The tray icon component against a recorder of every shell call: the add / modify /
// delete / set-version sequence, the record sent, the shared notification window, clicks
// with the real double-click delay, image lists, the taskbar re-creation and the
// owner-form subclass.
#include "app/Unit1.h"
#include "framework/Forms.h"
#include "framework/Properties.h"
#include "tray/TrayIcon.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

struct ShellCall {
    DWORD message;
    TrayNotifyIconData data;
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetShellNotifyCall([this](DWORD message, const TrayNotifyIconData& data) {
            calls.push_back({message, data});
            // The shell refuses a second add and a modify or delete of an absent icon.
            const bool present = shown_.count(data.uID) != 0;
            switch (message) {
            case TrayNim::Add: return present ? false : shown_.insert(data.uID).second;
            case TrayNim::Delete: return present ? shown_.erase(data.uID) == 1 : false;
            case TrayNim::Modify: return present;
            default: return true;
            }
        });
        owner_ = MakeUnowned<TComponent>();
    }
    void TearDown() override {
        owner_.reset();
        SetShellNotifyCall(previous_);
    }

    TTrayIcon* MakeIcon() { return MakeComponent<TTrayIcon>(owner_.get()); }
    std::vector<DWORD> Messages() const {
        std::vector<DWORD> m;
        for (const ShellCall& c : calls) m.push_back(c.message);
        return m;
    }
    static LRESULT Notify(TTrayIcon* icon, UINT code) {
        return SendMessageA(TrayHandlerWindow(), TrayCallbackMessage, icon->IconUid(), code);
    }

    std::vector<ShellCall> calls;
    TUnowned<TComponent> owner_;

private:
    ShellNotifyCall previous_;
    std::set<UINT> shown_;
};

using Msgs = std::vector<DWORD>;
constexpr DWORD ADD = TrayNim::Add, MODIFY = TrayNim::Modify, DEL = TrayNim::Delete,
                SETVERSION = TrayNim::SetVersion;

TEST_F(TrayIconTest, ConstructionFillsTheRecordAndCallsNothing) {
    TTrayIcon* icon = MakeIcon();
    EXPECT_TRUE(calls.empty());
    const TrayNotifyIconData& nd = icon->NotifyData();
    EXPECT_EQ(nd.cbSize, sizeof(TrayNotifyIconData));
#ifndef _WIN64
    EXPECT_EQ(nd.cbSize, 488u);
#endif
    EXPECT_EQ(nd.hWnd, TrayHandlerWindow());
    EXPECT_EQ(nd.uID, icon->IconUid());
    EXPECT_EQ(nd.uFlags, 7u);
    EXPECT_EQ(nd.uCallbackMessage, 0x0800u);
    EXPECT_EQ(nd.uVersion, 0u);
    EXPECT_TRUE(icon->Enabled());
    EXPECT_TRUE(icon->ShowHint());
    EXPECT_FALSE(icon->IconVisible());
    // No timer runs while nothing needs one.
    EXPECT_FALSE(icon->AnimTimer().Enabled());
    EXPECT_FALSE(icon->ClickDelayTimer().Enabled());
    EXPECT_FALSE(icon->LeavePollTimer().Enabled());
    EXPECT_EQ(icon->LeavePollTimer().Interval(), 20);
    // Published by name, with their defaults.
    EXPECT_EQ(GetEnumProp(icon, "ShowHint"), "True");
    EXPECT_EQ(GetEnumProp(icon, "LeftPopup"), "False");
    EXPECT_EQ(GetOrdProp(icon, "CycleInterval"), 0);
    EXPECT_TRUE(IsPublishedProp(icon, "WantEnterExitEvents"));
    char cls[32] = {};
    GetClassNameA(TrayHandlerWindow(), cls, sizeof cls);
    EXPECT_STREQ(cls, "TPUtilWindow");
}

TEST_F(TrayIconTest, HintBeforeShowingTravelsWithTheAdd) {
    TTrayIcon* icon = MakeIcon();
    icon->SetHint("托盘提示");
    icon->SetIconVisible(true);
    icon->SetIconVisible(true);  // a second add fails without effect
    EXPECT_EQ(Messages(), (Msgs{MODIFY, ADD, ADD}));
    EXPECT_STREQ(calls[1].data.szTip, "托盘提示");
    icon->SetShowHint(false);
    EXPECT_EQ(calls.back().data.szTip[0], 0);
    TComponent::Free(icon);
    EXPECT_EQ(calls.back().message, DEL);
    EXPECT_EQ(TrayHandlerWindow(), nullptr);  // the last icon took the shared window with it
}

TEST_F(TrayIconTest, LoadedReappliesAndSetsTheVersion) {
    owner_->SetLoading(true);
    TTrayIcon* icon = MakeIcon();
    icon->SetIconVisible(true);
    calls.clear();
    owner_->LoadedAll();
    EXPECT_EQ(Messages(), (Msgs{MODIFY, ADD, SETVERSION}));
    EXPECT_TRUE(icon->IconVisible());
}

TEST_F(TrayIconTest, HandlerWindowSurvivesCloseRequests) {
    TTrayIcon* icon = MakeIcon();
    HWND handler = TrayHandlerWindow();
    for (UINT m : {WM_CLOSE, WM_QUERYENDSESSION, WM_ENDSESSION, WM_QUIT, WM_DESTROY})
        EXPECT_EQ(SendMessageA(handler, m, 0, 0), 1) << m;
    EXPECT_TRUE(IsWindow(handler));
    int clicks = 0;
    icon->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(handler, TrayCallbackMessage, icon->IconUid() + 77, WM_LBUTTONDOWN);
    SendMessageA(handler, TrayCallbackMessage, icon->IconUid() + 77, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 0);  // an id of no live icon
}

TEST_F(TrayIconTest, ClickOrderWithoutAndWithDoubleClickHandler) {
    TTrayIcon* icon = MakeIcon();
    std::vector<std::string> log;
    icon->OnMouseDown = [&](TObject* s, TMouseButton b, TShiftState sh, int, int) {
        EXPECT_EQ(s, icon);
        log.push_back(b == mbLeft && (sh & ssLeft) ? "downL" : "down?");
    };
    icon->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    icon->OnClick = [&](TObject*) { log.push_back("click"); };
    Notify(icon, WM_LBUTTONDOWN);
    Notify(icon, WM_LBUTTONUP);
    EXPECT_EQ(log, (std::vector<std::string>{"downL", "click", "up"}));

    log.clear();
    icon->OnDblClick = [&](TObject*) { log.push_back("dbl"); };
    const DWORD delay = GetDoubleClickTime();
    Notify(icon, WM_LBUTTONDOWN);
    Notify(icon, WM_LBUTTONUP);
    EXPECT_EQ(log, (std::vector<std::string>{"downL", "up"}));
    EXPECT_TRUE(icon->ClickDelayTimer().Enabled());
    Pump(delay + 200);
    EXPECT_EQ(log.back(), "click");
    EXPECT_FALSE(icon->ClickDelayTimer().Enabled());  // the delay stops after one tick

    log.clear();
    Notify(icon, WM_LBUTTONDOWN);
    Notify(icon, WM_LBUTTONUP);
    Notify(icon, WM_LBUTTONDBLCLK);
    Notify(icon, WM_LBUTTONUP);
    Pump(delay + 200);
    EXPECT_EQ(log, (std::vector<std::string>{"downL", "up", "dbl", "up"}));
}

TEST_F(TrayIconTest, ImageListIndexClampsAndCycles) {
    TTrayIcon* icon = MakeIcon();
    auto* list = MakeComponent<TImageList>(owner_.get());
    for (int i = 0; i < 3; ++i) list->AddHandle(CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
    auto* empty = MakeComponent<TImageList>(owner_.get());

    icon->SetIconList(list);
    icon->SetIconIndex(7);
    EXPECT_EQ(icon->IconIndex(), 2);
    EXPECT_FALSE(icon->Icon()->Empty());
    icon->SetIconList(empty);
    icon->SetIconIndex(7);
    EXPECT_EQ(icon->IconIndex(), -1);
    EXPECT_TRUE(icon->Icon()->Empty());

    icon->SetIconList(list);
    std::vector<int> next;
    icon->OnCycle = [&](TObject*, int n) { next.push_back(n); };
    icon->SetCycleInterval(30);
    icon->SetCycleIcons(true);
    EXPECT_EQ(icon->IconIndex(), 0);
    EXPECT_TRUE(icon->AnimTimer().Enabled());
    Pump(200);
    icon->SetCycleIcons(false);
    ASSERT_GE(next.size(), 3u);
    EXPECT_EQ(std::vector<int>(next.begin(), next.begin() + 3), (std::vector<int>{1, 2, 0}));

    // Freeing the list leaves the icon without one, at index 0.
    TComponent::Free(list);
    EXPECT_EQ(icon->IconList(), nullptr);
    EXPECT_EQ(icon->IconIndex(), 0);
}

TEST_F(TrayIconTest, ZeroCycleIntervalNeverStartsTheTimer) {
    TTrayIcon* icon = MakeIcon();
    icon->SetCycleIcons(true);
    EXPECT_FALSE(icon->AnimTimer().Enabled());
    icon->SetWantEnterExitEvents(true);
    EXPECT_TRUE(icon->LeavePollTimer().Enabled());
    icon->SetWantEnterExitEvents(false);
    EXPECT_FALSE(icon->LeavePollTimer().Enabled());
}

TEST_F(TrayIconTest, TaskbarCreatedReaddsOnlyAVisibleIcon) {
    const UINT taskbarCreated = TaskbarCreatedMessage();
    ASSERT_NE(taskbarCreated, 0u);
    TTrayIcon* shown = MakeIcon();
    TTrayIcon* hidden = MakeIcon();
    shown->SetIconVisible(true);
    hidden->SetIconVisible(true);
    hidden->SetIconVisible(false);
    calls.clear();
    SendMessageA(Application->Handle(), taskbarCreated, 0, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, ADD);
    EXPECT_EQ(calls[0].data.uID, shown->IconUid());
}

TEST_F(TrayIconTest, FreeingThePopupMenuClearsTheReference) {
    TTrayIcon* icon = MakeIcon();
    auto* menu = MakeComponent<TPopupMenu>(owner_.get());
    icon->SetPopupMenu(menu);
    TComponent::Free(menu);
    EXPECT_EQ(icon->PopupMenu(), nullptr);
    Notify(icon, WM_RBUTTONDOWN);  // no menu, nothing to open
}

TEST_F(TrayIconTest, OwnerFormIsSubclassedAndRestored) {
    auto* form = MakeComponent<TForm>(owner_.get());
    HWND window = form->Handle();
    const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    auto* icon = MakeComponent<TTrayIcon>(form);
    EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), original);

    int minimised = 0;
    icon->OnMinimizeToTray = [&](TObject*) { ++minimised; };
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);  // MinimizeToTray is off
    EXPECT_EQ(minimised, 0);
    ShowWindow(window, SW_RESTORE);
    icon->SetMinimizeToTray(true);
    EXPECT_EQ(SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0), 1);
    EXPECT_EQ(minimised, 1);
    EXPECT_TRUE(icon->IconVisible());

    TComponent::Free(icon);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
}

TEST_F(TrayIconTest, MainWindowLifeSendsTheExpectedSequence) {
    {
        auto form = MakeUnowned<TForm1>();
        ASSERT_NE(form->TrayIcon1, nullptr);
        EXPECT_TRUE(form->TrayIcon1->IconVisible());
        EXPECT_EQ(form->TrayIcon1->PopupMenu(), form->PopupMenu1);
        EXPECT_STREQ(form->TrayIcon1->NotifyData().szTip, "Kelvora");
    }
    EXPECT_EQ(Messages(), (Msgs{
                              MODIFY, MODIFY, ADD,     // layout: icon, index, visible
                              MODIFY, ADD, SETVERSION,  // loaded: refresh, visible again, version
                              MODIFY, ADD,              // creation handler: tip, visible again
                              DEL,                      // destroy handler frees the icon
                          }));
    ASSERT_EQ(calls.size(), 9u);
    EXPECT_STREQ(calls[7].data.szTip, "Kelvora");
    EXPECT_EQ(calls[2].data.szTip[0], 0);  // no tip until the creation handler sets it
}

TEST_F(TrayIconTest, HideTaskbarButtonHidesTheApplicationWindowForGood) {
    HWND app = Application->Handle();
    ShowWindow(app, SW_SHOWNA);
    HideTaskbarButton();
    EXPECT_FALSE(IsWindowVisible(app));
    EXPECT_TRUE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// Only calls whose answer is not known go to the shell: the main window's start sends
// the add, the tip and the version, and after the taskbar's re-creation everything goes
// through again.
TEST(TrayShellMemoryTest, AnswersKnownCallsAndAsksTheShellOtherwise) {
    std::vector<DWORD> asked;
    bool shellAnswer = true;
    TrayShellMemory memory([&](DWORD message, const TrayNotifyIconData&) {
        asked.push_back(message);
        return shellAnswer;
    });
    TrayNotifyIconData icon{};
    icon.hWnd = reinterpret_cast<HWND>(0x1234);
    icon.uID = 7;
    TrayNotifyIconData other = icon;
    other.uID = 8;

    // The main window's start: icon, index, visible, refresh, visible again, version,
    // tip, visible again.
    EXPECT_FALSE(memory.Call(MODIFY, icon));
    EXPECT_FALSE(memory.Call(MODIFY, icon));
    EXPECT_TRUE(memory.Call(ADD, icon));
    EXPECT_TRUE(memory.Call(MODIFY, icon));
    EXPECT_FALSE(memory.Call(ADD, icon));
    EXPECT_TRUE(memory.Call(SETVERSION, icon));
    std::strcpy(icon.szTip, "Kelvora");
    EXPECT_TRUE(memory.Call(MODIFY, icon));
    EXPECT_FALSE(memory.Call(ADD, icon));
    EXPECT_EQ(asked, (Msgs{ADD, SETVERSION, MODIFY}));

    // Another icon of the same window is a separate one; a refused add leaves it unknown.
    asked.clear();
    shellAnswer = false;
    EXPECT_FALSE(memory.Call(ADD, other));
    EXPECT_FALSE(memory.Call(MODIFY, other));
    EXPECT_EQ(asked, (Msgs{ADD, MODIFY}));

    // The taskbar was re-created: the add goes to the shell again.
    asked.clear();
    shellAnswer = true;
    memory.Forget();
    EXPECT_TRUE(memory.Call(ADD, icon));
    EXPECT_TRUE(memory.Call(DEL, icon));
    EXPECT_FALSE(memory.Call(MODIFY, icon));
    EXPECT_FALSE(memory.Call(DEL, icon));
    EXPECT_EQ(asked, (Msgs{ADD, DEL}));
}

}  // namespace
