// Forms, menus, the application window's hooks, tab order and window-level subclassing
// on top of the framework's own routing.
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
void Pump() { Application->ProcessMessages(); }

std::vector<std::string>* g_subclassLog = nullptr;
WNDPROC g_savedProc = nullptr;

LRESULT CALLBACK OuterSubclass(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_USER + 3) g_subclassLog->push_back("window");
    return CallWindowProcA(g_savedProc, h, msg, wp, lp);
}
}  // namespace

TEST(FrameworkForms, BorderStyleIconsOwnerAndCentredPlacement) {
    auto form = MakeUnowned<TForm>();
    form->SetBorderStyle(bsSingle);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetClientSize(445, 364);
    form->SetPosition(poDesktopCenter);
    form->SetCaption("Kelvora");
    HWND wnd = form->Handle();
    const LONG_PTR style = GetWindowLongPtrA(wnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindow(wnd, GW_OWNER), Application->Handle());
    RECT client;
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 445);
    EXPECT_EQ(client.bottom, 364);
    char cls[64] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "TForm");

    form->Show();
    EXPECT_TRUE(IsWindowVisible(wnd));
    RECT r;
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
    // A ShowWindow call from outside keeps Visible in step.
    ShowWindow(wnd, SW_HIDE);
    EXPECT_FALSE(form->Visible());
    ShowWindow(wnd, SW_SHOW);
    EXPECT_TRUE(form->Visible());
    form->Hide();
}

// Showing a form is WM_SHOWWINDOW, then the window shown and active; the form and its
// children are erased at their first paint, not during the show (a skin that takes the
// window over at its activation would have them all erased twice).
TEST(FrameworkForms, ShowingAFormLeavesErasingToTheFirstPaint) {
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(300, 200);
    auto* panel = MakeComponent<TPanel>(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 100, 100);
    int shown = 0, formErased = 0, panelErased = 0;
    form->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_SHOWWINDOW && m.WParam) ++shown;
        if (m.Msg == WM_ERASEBKGND) ++formErased;
        next(m);
    });
    panel->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_ERASEBKGND || m.Msg == WM_NCPAINT) ++panelErased;
        next(m);
    });
    form->Show();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_EQ(formErased, 0);
    EXPECT_EQ(panelErased, 0);
    Pump();
    EXPECT_GE(formErased, 1);
    EXPECT_GE(panelErased, 1);
}

TEST(FrameworkForms, CloseAsksFirstHidesASecondaryFormAndReleaseFreesIt) {
    const int formsBefore = Screen->FormCount();
    auto* form = MakeComponent<TForm>(&*Application);
    EXPECT_EQ(Screen->FormCount(), formsBefore + 1);
    bool allow = false;
    int destroyed = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnDestroy = [&](TObject*) { ++destroyed; };
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->Visible());  // refused
    allow = true;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());  // a secondary form is hidden, not freed
    EXPECT_FALSE(Application->Terminated());
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    form->Close();
    EXPECT_EQ(destroyed, 0);  // freed only once the waiting messages are handled
    Pump();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Screen->FormCount(), formsBefore);
}

TEST(FrameworkForms, TabOrderListsNestedWindowedControlsAfterTheirContainer) {
    auto form = MakeUnowned<TForm>();
    auto* first = MakeComponent<TButton>(form.get());
    first->SetParent(form.get());
    auto* group = MakeComponent<TGroupBox>(form.get());
    group->SetParent(form.get());
    auto* inner = MakeComponent<TEdit>(form.get());
    inner->SetParent(group);
    auto* label = MakeComponent<TLabel>(form.get());
    label->SetParent(group);
    auto* last = MakeComponent<TButton>(form.get());
    last->SetParent(form.get());
    last->SetTabOrder(0);
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    EXPECT_EQ(order, (std::vector<TWinControl*>{last, first, group, inner}));
    EXPECT_EQ(first->TabOrder(), 1);
    // Components in creation order, graphic ones included.
    ASSERT_EQ(form->ComponentCount(), 5);
    EXPECT_EQ(form->Components(3), label);
}

TEST(FrameworkForms, WindowSubclassOnTopOfTheFrameworkIsRestorable) {
    auto form = MakeUnowned<TForm>();
    HWND wnd = form->Handle();
    std::vector<std::string> entries;
    g_subclassLog = &entries;
    form->WindowProc = [old = form->WindowProc](TMessage& m) {
        if (m.Msg == WM_USER + 3) g_subclassLog->push_back("control");
        old(m);
    };
    g_savedProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC));
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterSubclass));
    SendMessageA(wnd, WM_USER + 3, 0, 0);
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_savedProc));
    SendMessageA(wnd, WM_USER + 3, 0, 0);
    EXPECT_EQ(entries, (std::vector<std::string>{"window", "control", "control"}));
    g_subclassLog = nullptr;
}

TEST(FrameworkMenus, PopupItemsBuildTheMenuAndCommandsClickThem) {
    auto form = MakeUnowned<TForm>();
    auto* menu = MakeComponent<TPopupMenu>(form.get());
    std::vector<std::string> clicks;
    auto add = [&](const char* name, const char* caption) {
        auto* item = MakeComponent<TMenuItem>(form.get());
        item->SetName(name);
        item->SetCaption(caption);
        item->OnClick = [&clicks, name](TObject*) { clicks.push_back(name); };
        menu->Items()->Add(item);
        return item;
    };
    TMenuItem* run = add("N3", "\xD2\xBB\xBC\xFC\xC7\xE5\xC0\xED");
    add("N4", "-");
    TMenuItem* off = add("Aboutme", "check");
    TMenuItem* quit = add("CloseMe", "quit");
    off->SetEnabled(false);

    HMENU h = menu->Handle();
    ASSERT_EQ(GetMenuItemCount(h), 4);
    char text[64] = {};
    GetMenuStringA(h, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "\xD2\xBB\xBC\xFC\xC7\xE5\xC0\xED");
    EXPECT_TRUE(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(h, 2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(GetMenuItemID(h, 3), quit->Command());
    EXPECT_NE(run->Command(), quit->Command());

    // The choice of an open menu arrives as WM_COMMAND at the popup list window.
    SendMessageA(PopupListWindow(), WM_COMMAND, quit->Command(), 0);
    SendMessageA(PopupListWindow(), WM_COMMAND, off->Command(), 0);  // disabled: nothing
    run->Click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"CloseMe", "N3"}));

    // A freed item leaves the menu.
    TComponent::Free(quit);
    EXPECT_EQ(menu->Items()->Count(), 3);
    EXPECT_EQ(GetMenuItemCount(menu->Handle()), 3);
}

TEST(FrameworkApplication, MainWindowHooksSeeMessagesFirstAndCanBeRemoved) {
    HWND app = Application->Handle();
    char title[32] = {};
    Application->SetTitle("Kelvora");
    GetWindowTextA(app, title, sizeof title);
    EXPECT_STREQ(title, "Kelvora");
    std::vector<std::string> log;
    const int a = Application->HookMainWindow([&](TMessage& m) {
        if (m.Msg != WM_USER + 9) return false;
        log.push_back("a");
        return false;
    });
    const int b = Application->HookMainWindow([&](TMessage& m) {
        if (m.Msg != WM_USER + 9) return false;
        log.push_back("b");
        m.Result = 5;
        return true;  // handled: later hooks and the default do not run
    });
    const int c = Application->HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_USER + 9) log.push_back("c");
        return false;
    });
    EXPECT_EQ(SendMessageA(app, WM_USER + 9, 0, 0), 5);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    Application->UnhookMainWindow(b);
    log.clear();
    EXPECT_EQ(SendMessageA(app, WM_USER + 9, 0, 0), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
    Application->UnhookMainWindow(a);
    Application->UnhookMainWindow(c);
}

TEST(FrameworkApplication, MinimizingTheApplicationTakesItsFormsAlongAndRestoreBringsThemBack) {
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(200, 100);
    form->Show();
    HWND app = Application->Handle();
    ShowWindow(app, SW_SHOWNOACTIVATE);
    Application->Minimize();
    Pump();
    EXPECT_TRUE(IsIconic(app));
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->Visible());  // hidden with its owner, still meant to be shown
    Application->Restore();
    Pump();
    EXPECT_FALSE(IsIconic(app));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    ShowWindow(app, SW_HIDE);
}

TEST(FrameworkForms, TabMovesTheFocusThroughTheTabOrderPastAMemo) {
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(300, 200);
    auto* first = MakeComponent<TButton>(form.get());
    first->SetParent(form.get());
    auto* memo = MakeComponent<TMemo>(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(0, 30, 200, 80);
    auto* last = MakeComponent<TButton>(form.get());
    last->SetParent(form.get());
    last->SetTop(120);
    form->Show();
    SetForegroundWindow(form->Handle());
    first->SetFocus();
    Pump();
    std::vector<TWinControl*> focusChanges;
    TWndMethod old = last->WindowProc;
    last->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == CM_FOCUSCHANGED) focusChanges.push_back(reinterpret_cast<TWinControl*>(m.LParam));
        old(m);
    };
    auto pressTab = [] {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Pump();
    };
    ASSERT_TRUE(first->Focused());
    pressTab();
    EXPECT_TRUE(memo->Focused());
    pressTab();
    EXPECT_TRUE(last->Focused());
    EXPECT_EQ(memo->Text(), "");  // the memo did not take the Tab
    EXPECT_EQ(form->ActiveControl(), last);
    // Every windowed control of the form hears of each focus change.
    EXPECT_EQ(focusChanges, (std::vector<TWinControl*>{memo, last}));
    form->Hide();
}
