// Hooks on windows and on framework controls, recorded message by message: every removal
// order, removal during a call, old-style subclassing in between, the window going with
// hooks on, re-attaching after a re-created window, components freed while their owner is
// whole, a form released from its own message, the tray icon's hook on its form, and the
// skin announce sent to every control of the main window.
#include "app/Unit1.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/WindowHook.h"
#include "tray/TrayIcon.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT kProbe = WM_APP + 21;

// What each procedure saw, as "name:message" entries (only the messages asked for).
struct Recorder {
    std::vector<std::string> seen;
    std::vector<UINT> wanted{kProbe};

    void Note(const std::string& who, UINT msg) {
        if (std::find(wanted.begin(), wanted.end(), msg) == wanted.end()) return;
        char text[64];
        wsprintfA(text, "%s:%04X", who.c_str(), msg);
        seen.push_back(text);
    }
    THookProc Hook(const std::string& name) {
        return [this, name](TMessage& m, const TWndMethod& next) {
            Note(name, m.Msg);
            next(m);
        };
    }
    std::vector<std::string> Take() {
        std::vector<std::string> out;
        out.swap(seen);
        return out;
    }
};

using Seq = std::vector<std::string>;
std::string At(const std::string& who, UINT msg = kProbe) {
    char text[64];
    wsprintfA(text, "%s:%04X", who.c_str(), msg);
    return text;
}

Recorder* g_recorder = nullptr;
LRESULT CALLBACK PlainProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (g_recorder) g_recorder->Note("W", msg);
    return DefWindowProcA(wnd, msg, wp, lp);
}

// A plain window of a class the framework does not know, recorded as "W".
HWND MakePlainWindow(Recorder& r) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HookTestPlain";
        registered = RegisterClassA(&wc) != 0;
    }
    g_recorder = &r;
    return CreateWindowExA(0, "HookTestPlain", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

WNDPROC g_oldStyleNext = nullptr;
LRESULT CALLBACK OldStyleProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    g_recorder->Note("X", msg);
    return CallWindowProcA(g_oldStyleNext, wnd, msg, wp, lp);
}

}  // namespace

TEST(FrameworkHooks, WindowHooksComeOffInEveryOrder) {
    std::string order = "ABC";
    do {
        SCOPED_TRACE("removal order " + order);
        Recorder r;
        HWND wnd = MakePlainWindow(r);
        const WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC));
        std::map<char, THookToken> tokens;
        for (char c : std::string("ABC")) tokens[c] = SubclassWindow(wnd, r.Hook(std::string(1, c)));
        SendMessageA(wnd, kProbe, 0, 0);
        EXPECT_EQ(r.Take(), (Seq{At("C"), At("B"), At("A"), At("W")}));
        std::string left = "CBA";
        for (char c : order) {
            EXPECT_TRUE(UnsubclassWindow(wnd, tokens[c]));
            left.erase(left.find(c), 1);
            SendMessageA(wnd, kProbe, 0, 0);
            Seq expected;
            for (char l : left) expected.push_back(At(std::string(1, l)));
            expected.push_back(At("W"));
            EXPECT_EQ(r.Take(), expected);
        }
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)), original);
        DestroyWindow(wnd);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(FrameworkHooks, OldStyleSubclassKeepsItsPlaceAmongHooks) {
    Recorder r;
    HWND wnd = MakePlainWindow(r);
    const THookToken a = SubclassWindow(wnd, r.Hook("A"));
    g_oldStyleNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldStyleProc)));
    const THookToken b = SubclassWindow(wnd, r.Hook("B"));
    // The hooks share one place in the window's procedures: under X, newest first.
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("X"), At("B"), At("A"), At("W")}));
    EXPECT_TRUE(UnsubclassWindow(wnd, a));
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("X"), At("B"), At("W")}));
    // The last hook going does not throw X off.
    EXPECT_TRUE(UnsubclassWindow(wnd, b));
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("X"), At("W")}));
    // X putting back what it saved leaves a working window, and hooks can come again.
    SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_oldStyleNext));
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("W")}));
    TWindowSubclass c(wnd, r.Hook("C"));
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("C"), At("W")}));
    DestroyWindow(wnd);
}

TEST(FrameworkHooks, HooksRemovedDuringACallAndWhenTheWindowGoes) {
    Recorder r;
    r.wanted = {kProbe, WM_NCDESTROY};
    HWND wnd = MakePlainWindow(r);
    const THookToken a = SubclassWindow(wnd, r.Hook("A"), [&] { r.seen.push_back("A off"); });
    THookToken b = 0;
    // B takes itself and A off while it runs, then passes the message on: A is skipped.
    const std::string name = "B-with-a-name-long-enough-to-live-on-the-heap";
    b = SubclassWindow(wnd, [&, name](TMessage& m, const TWndMethod& next) {
        r.Note(name.substr(0, 1), m.Msg);
        if (m.Msg == kProbe) {
            EXPECT_TRUE(UnsubclassWindow(wnd, b));
            EXPECT_TRUE(UnsubclassWindow(wnd, a));
        }
        next(m);
        r.Note(name.substr(0, 1) + " after", m.Msg);
    });
    // C keeps WM_NCDESTROY to itself; the hooks under it see it all the same.
    const THookToken c = SubclassWindow(wnd, [&](TMessage& m, const TWndMethod& next) {
        r.Note("C", m.Msg);
        if (m.Msg != WM_NCDESTROY) next(m);
    }, [&] { r.seen.push_back("C off"); });
    const THookToken d = SubclassWindow(wnd, r.Hook("D"), [&] { r.seen.push_back("D off"); });
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("D"), At("C"), At("B"), At("W"), At("B after")}));
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("D"), At("C"), At("W")}));

    DestroyWindow(wnd);
    EXPECT_EQ(r.Take(), (Seq{At("D", WM_NCDESTROY), At("C", WM_NCDESTROY), At("W", WM_NCDESTROY), "C off",
                             "D off"}));
    EXPECT_FALSE(IsWindowHooked(wnd, c));
    EXPECT_FALSE(UnsubclassWindow(wnd, d));
    g_recorder = nullptr;
}

TEST(FrameworkHooks, ControlHooksDetachWithTheWindowAndReattachToTheNewOne) {
    Recorder r;  // outlives the form: its hooks record until the end
    r.wanted = {kProbe, CM_RECREATEWND, WM_NCDESTROY};
    THookToken hook = 0;
    HWND announced = nullptr;
    std::function<void()> attach;
    auto form = MakeUnowned<TForm>();
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(form.get());
    HWND first = button->Handle();
    std::map<char, THookToken> tokens;
    for (char c : std::string("ABC")) tokens[c] = button->HookWindowProc(r.Hook(std::string(1, c)));
    // A window-level hook on the same window comes before the control's WindowProc.
    TWindowSubclass outer(first, r.Hook("S"));
    SendMessageA(first, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("S"), At("C"), At("B"), At("A")}));
    EXPECT_TRUE(button->UnhookWindowProc(tokens['B']));
    EXPECT_TRUE(button->UnhookWindowProc(tokens['A']));
    SendMessageA(first, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("S"), At("C")}));
    EXPECT_TRUE(button->UnhookWindowProc(tokens['C']));

    // A re-made window: the hook sees the old window go, is told, and re-attaches when
    // the form hears that the control has its new window.
    attach = [&] {
        hook = button->HookWindowProc(r.Hook("H"), [&] { r.seen.push_back("H off"); });
    };
    attach();
    form->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == CM_WNDCREATED && m.LParam == reinterpret_cast<intptr_t>(static_cast<TWinControl*>(button))) {
            announced = reinterpret_cast<HWND>(m.WParam);
            if (!button->WindowProcHooked(hook)) attach();
        }
        next(m);
    });
    button->RecreateWnd();
    EXPECT_EQ(r.Take(), (Seq{At("H", CM_RECREATEWND), At("S", WM_NCDESTROY), At("H", WM_NCDESTROY), "H off"}));
    EXPECT_FALSE(outer.Active()) << "the window hook went with its window";
    HWND second = button->Handle();
    EXPECT_NE(second, first);
    EXPECT_EQ(announced, second);
    SendMessageA(second, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("H")}));
}

namespace {
// Owned by a control, like a control skinner: gives the control its WindowProc back when freed.
class THookOwner : public TComponent {
public:
    THookOwner(TComponent* owner, std::vector<std::string>* log) : TComponent(owner), log_(log) {
        control_ = dynamic_cast<TWinControl*>(owner);
        token_ = control_->HookWindowProc([](TMessage& m, const TWndMethod& next) { next(m); });
    }
    ~THookOwner() override {
        log_->push_back(control_->UnhookWindowProc(token_) ? "unhooked" : "not found");
        log_->push_back(control_->HandleAllocated() ? "window there" : "window gone");
    }

private:
    std::vector<std::string>* log_;
    TWinControl* control_;
    THookToken token_ = 0;
};
}  // namespace

TEST(FrameworkHooks, OwnedHookOwnersGoWhileTheirControlIsWhole) {
    std::vector<std::string> log;
    {
        auto form = MakeUnowned<TForm>();
        auto* button = MakeComponent<TButton>(form.get());
        button->SetParent(form.get());
        button->HandleNeeded();
        MakeComponent<THookOwner>(button, &log);
        MakeComponent<THookOwner>(form.get(), &log);
    }
    EXPECT_EQ(log, (Seq{"unhooked", "window there", "unhooked", "window there"}));
}

TEST(FrameworkHooks, ReleasedFormIsFreedAfterItsMessageReturns) {
    auto owner = MakeUnowned<TComponent>();
    auto* form = MakeComponent<TForm>(owner.get());
    const TComponentRef<TForm> ref(form);
    std::vector<std::string> log;
    form->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        next(m);
        if (m.Msg == CM_RELEASE) log.push_back(ref ? "alive after CM_RELEASE" : "freed inside CM_RELEASE");
    });
    form->HandleNeeded();
    form->Release();
    Application->ProcessMessages();
    EXPECT_EQ(log, (Seq{"alive after CM_RELEASE"}));
    EXPECT_FALSE(ref);
    EXPECT_EQ(owner->ComponentCount(), 0);
}

TEST(FrameworkHooks, FreedTrayIconLeavesALaterHookOnItsForm) {
    Recorder r;
    r.wanted = {kProbe, WM_NCDESTROY};
    auto form = MakeUnowned<TForm>();
    HWND wnd = form->Handle();
    auto* icon = MakeComponent<TTrayIcon>(form.get());
    const THookToken later = SubclassWindow(wnd, r.Hook("L"));
    TComponent::Free(icon);
    SendMessageA(wnd, kProbe, 0, 0);
    EXPECT_EQ(r.Take(), (Seq{At("L")}));
    form.reset();
    EXPECT_EQ(r.Take(), (Seq{At("L", WM_NCDESTROY)}));
    EXPECT_FALSE(IsWindowHooked(wnd, later));
}

TEST(FrameworkHooks, SkinAnnounceChangesNoControlOfTheMainWindow) {
    int errors = 0;
    Application->SetErrorBox([&](HWND, const std::string&, const std::string&, unsigned) {
        ++errors;
        return IDOK;
    });
    {
        auto form = MakeUnowned<TForm1>();
        form->HandleNeeded();
        std::vector<TWinControl*> controls{form.get()};
        form->GetTabOrderList(controls);
        auto state = [&] {
            std::string s = std::to_string(form->PageControl1->ActivePageIndex());
            for (TWinControl* c : controls) s += "|" + c->Caption() + (c->Visible() ? "v" : "-") + (c->Enabled() ? "e" : "-");
            return s;
        };
        const std::string before = state();
        errors = 0;  // only what the announce causes counts
        for (TWinControl* c : controls) {
            SCOPED_TRACE(c->Name());
            EXPECT_EQ(SendMessageA(c->Handle(), SKINMSG_ANNOUNCE, 0, SKINMSG_ANNOUNCE_COOKIE), 0);
            c->Perform(CN_NOTIFY, 0, SKINMSG_ANNOUNCE_COOKIE);
        }
        Application->ProcessMessages();
        EXPECT_EQ(state(), before);
        EXPECT_EQ(errors, 0);
    }
    Application->SetErrorBox(nullptr);
}
