// The control skinner base with a recording skinner: its hook among other hooks of a
// control and of a bare window taken off in every order, switching skinning off and on,
// the query answer, a window destroyed while skinned, colours given back, and the form
// skinner freeing a finished skinner when the control gets its new window.
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/PrivateMessages.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr UINT kProbe = WM_APP + 33;
using Seq = std::vector<std::string>;

std::vector<std::string>* g_seen = nullptr;

// Records the probe at BeforeMessage / AfterMessage, and every DrawSkin and Detach.
class TRecordingSkinner : public TSkinControl {
public:
    TRecordingSkinner(TComponent* owner, std::string name) : TSkinControl(owner), name_(std::move(name)) {}
    bool BeforeMessage(TMessage& m) override {
        if (m.Msg == kProbe && g_seen) g_seen->push_back(name_);
        return TSkinControl::BeforeMessage(m);
    }
    void AfterMessage(TMessage& m) override {
        if (m.Msg == kProbe && g_seen) g_seen->push_back(name_ + "+");
        TSkinControl::AfterMessage(m);
    }
    void DrawSkin(HDC, const RECT&) override { ++draws; }
    void Detach() override {
        ++detaches;
        TSkinControl::Detach();
    }
    int draws = 0;
    int detaches = 0;

private:
    std::string name_;
};

THookProc RecordingHook(std::vector<std::string>& seen, const std::string& name) {
    return [&seen, name](TMessage& m, const TWndMethod& next) {
        if (m.Msg == kProbe) seen.push_back(name);
        next(m);
    };
}

LRESULT CALLBACK BareProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kProbe && g_seen) g_seen->push_back("W");
    return DefWindowProcA(wnd, msg, wp, lp);
}

HWND MakeBareWindow() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = BareProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SkinControlTestBare";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return CreateWindowExA(0, "SkinControlTestBare", "bare", WS_POPUP, 0, 0, 40, 20, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void Pump() { Application->ProcessMessages(); }

class SkinControl : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
        form = MakeUnowned<TForm>();
        form->SetClientSize(300, 200);
        form->Show();
        g_seen = &seen;
    }
    void TearDown() override { g_seen = nullptr; }

    template <class T>
    T* MakeChild() {
        T* control = MakeComponent<T>(form.get());
        control->SetParent(form.get());
        control->SetBounds(10, 10, 120, 40);
        control->HandleNeeded();
        return control;
    }
    Seq Probe(HWND w, WPARAM wp = 0, LPARAM lp = 0) {
        seen.clear();
        SendMessageA(w, kProbe, wp, lp);
        Seq out;
        out.swap(seen);
        return out;
    }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    std::vector<std::string> seen;
};

TEST_F(SkinControl, SkinnersAmongHooksComeOffInEveryOrderLeavingTheRestExact) {
    // Four layers, oldest first: a hook, a skinner, a hook, a skinner. Each order of
    // removal must leave exactly the others, newest first, above the window's own procedure.
    for (bool bare : {false, true}) {
        std::vector<int> order{0, 1, 2, 3};
        do {
            auto owner = MakeUnowned<TComponent>();
            TButton* button = bare ? nullptr : MakeChild<TButton>();
            HWND w = bare ? MakeBareWindow() : button->Handle();
            TWindowSubclass hooks[2];
            THookToken controlHooks[2] = {0, 0};
            TRecordingSkinner* skinners[2] = {};
            const std::string names[4] = {"H0", "S1", "H2", "S3"};
            for (int layer = 0; layer < 4; ++layer) {
                if (layer % 2 == 0) {
                    if (bare)
                        hooks[layer / 2] = TWindowSubclass(w, RecordingHook(seen, names[layer]));
                    else
                        controlHooks[layer / 2] = button->HookWindowProc(RecordingHook(seen, names[layer]));
                } else {
                    TComponent* skinOwner = bare ? owner.get() : static_cast<TComponent*>(button);
                    auto* s = MakeComponent<TRecordingSkinner>(skinOwner, names[layer]);
                    if (bare)
                        s->AttachWindow(w, data.get(), nullptr, nullptr);
                    else
                        s->Attach(nullptr, data.get(), false, nullptr);
                    skinners[layer / 2] = s;
                }
            }
            const std::string bottom = bare ? "W" : "";
            auto expected = [&](const std::vector<bool>& gone) {
                Seq e;
                for (int layer = 3; layer >= 0; --layer) {
                    if (gone[layer]) continue;
                    e.push_back(names[layer]);
                }
                // Skinners finish after everything under them.
                Seq full;
                for (const std::string& n : e) full.push_back(n);
                if (!bottom.empty()) full.push_back(bottom);
                for (int layer = 0; layer < 4; ++layer)
                    if (!gone[layer] && layer % 2 == 1) full.push_back(names[layer] + "+");
                return full;
            };
            std::vector<bool> gone(4, false);
            ASSERT_EQ(expected(gone), Probe(w));
            for (int layer : order) {
                if (layer % 2 == 0) {
                    if (bare)
                        hooks[layer / 2].Reset();
                    else
                        button->UnhookWindowProc(controlHooks[layer / 2]);
                } else {
                    EXPECT_TRUE(TComponent::Free(skinners[layer / 2]));
                }
                gone[layer] = true;
                ASSERT_EQ(expected(gone), Probe(w)) << (bare ? "bare" : "control") << " removing " << names[layer];
            }
            if (bare)
                DestroyWindow(w);
            else
                TComponent::Free(button);
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST_F(SkinControl, QueryAnsweredAndEnableSwitchesThePassThrough) {
    auto* button = MakeChild<TButton>();
    HWND w = button->Handle();
    EXPECT_EQ(0, SendMessageA(w, SKINMSG_QUERY, 0, 0)) << "unskinned: the button's own answer";

    // Under the skinner: what reaches the button, with its arguments, and its answer.
    struct Got { UINT msg; WPARAM wp; LPARAM lp; };
    std::vector<Got> below;
    button->HookWindowProc([&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == kProbe || m.Msg == SKINMSG_QUERY || m.Msg == SKINMSG_ENABLE)
            below.push_back({m.Msg, m.WParam, m.LParam});
        next(m);
        if (m.Msg == kProbe) m.Result = static_cast<intptr_t>(m.WParam) + 1;
    });
    auto* s = MakeComponent<TRecordingSkinner>(button, "S");
    s->Attach(nullptr, data.get(), false, nullptr);
    Pump();

    EXPECT_EQ(1, SendMessageA(w, SKINMSG_QUERY, 0, 0));
    EXPECT_TRUE(below.empty()) << "the query is answered by the skinner alone";

    EXPECT_EQ(0, SendMessageA(w, SKINMSG_ENABLE, 0, 0));
    EXPECT_EQ(0, s->SkinActive);
    const int drawsBefore = s->draws;
    seen.clear();
    for (WPARAM i = 1; i <= 3; ++i) EXPECT_EQ(static_cast<LRESULT>(i + 1), SendMessageA(w, kProbe, i, -static_cast<LPARAM>(i)));
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(0, SendMessageA(w, SKINMSG_QUERY, 0, 0)) << "switched off, the button answers";
    ASSERT_EQ(4u, below.size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kProbe, below[i].msg);
        EXPECT_EQ(i + 1, below[i].wp);
        EXPECT_EQ(-static_cast<LPARAM>(i + 1), below[i].lp);
    }
    EXPECT_EQ(static_cast<UINT>(SKINMSG_QUERY), below[3].msg);
    EXPECT_TRUE(seen.empty()) << "the skinner saw nothing while switched off";
    EXPECT_EQ(drawsBefore, s->draws) << "nothing painted over while switched off";

    below.clear();
    SendMessageA(w, SKINMSG_ENABLE, 1, 0);
    EXPECT_GT(s->draws, drawsBefore) << "switched on: painted at once";
    EXPECT_TRUE(below.empty()) << "the switch itself is not passed on";
    EXPECT_EQ(1, SendMessageA(w, SKINMSG_QUERY, 0, 0));
}

TEST_F(SkinControl, ColourAndParentBackgroundGivenBackAtDetachNotWhenTheWindowWent) {
    const TColour face = data->Skin().ButtonFace();
    // A control without ParentBackground: only its colour changes and comes back.
    auto* button = MakeChild<TButton>();
    button->SetColor(clRed);
    auto* plain = MakeComponent<TRecordingSkinner>(button, "B");
    plain->Attach(nullptr, data.get(), true, nullptr);
    EXPECT_EQ(1, plain->State);
    EXPECT_EQ(face, button->Color());
    EXPECT_EQ(0, plain->Mode);
    plain->Detach();
    EXPECT_EQ(clRed, button->Color());

    // A panel whose ParentBackground was on: off while skinned (Mode 1), on again at Detach.
    auto* panel = MakeChild<TPanel>();
    panel->SetColor(clLime);
    panel->SetParentBackground(true);
    auto* s = MakeComponent<TRecordingSkinner>(panel, "P");
    s->Attach(nullptr, data.get(), true, nullptr);
    EXPECT_EQ(face, panel->Color());
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_EQ(1, s->Mode);
    s->Attach(nullptr, data.get(), true, nullptr);  // a second attach changes nothing
    s->Detach();
    s->Detach();
    EXPECT_EQ(clLime, panel->Color());
    EXPECT_TRUE(panel->ParentBackground());

    // Destroyed while skinned: finished, detached once, the control keeps the skin's look.
    auto* other = MakeChild<TPanel>();
    other->SetColor(clLime);
    other->SetParentBackground(true);
    auto* gone = MakeComponent<TRecordingSkinner>(other, "G");
    gone->Attach(nullptr, data.get(), true, nullptr);
    other->DestroyHandle();
    EXPECT_EQ(skDestroyed, gone->State);
    EXPECT_EQ(1, gone->detaches);
    EXPECT_EQ(face, other->Color());
    EXPECT_FALSE(other->ParentBackground());

    // The new window's hooks are not the skinner's to take off.
    HWND again = other->Handle();
    other->HookWindowProc(RecordingHook(seen, "later"));
    EXPECT_TRUE(TComponent::Free(gone));
    EXPECT_EQ(Seq{"later"}, Probe(again));
}

TEST_F(SkinControl, FormSkinnerListsItsSkinnersAndFreesFinishedOnes) {
    auto* panel = MakeChild<TPanel>();
    HWND w = form->Handle();
    auto formSkinner = MakeUnowned<TSkinForm>();
    formSkinner->SetWindow(w, nullptr, "TForm");
    formSkinner->AttachToForm(data.get(), form.get());
    PostMessageA(w, SKINMSG_ATTACHED, 0, 1000);
    Pump();

    // Whatever the classification attached, ours is the panel's only skinner once it
    // replaces any the classification gave it.
    if (TSkinControl* given = formSkinner->FindSkinnerOf(panel)) TComponent::Free(given);
    auto* s = MakeComponent<TRecordingSkinner>(panel, "P");
    s->Attach(formSkinner.get(), data.get(), false, nullptr);
    s->Attach(formSkinner.get(), data.get(), false, nullptr);
    const auto& list = formSkinner->Skinners();
    EXPECT_EQ(1, std::count(list.begin(), list.end(), s));
    EXPECT_EQ(s, formSkinner->FindSkinner(panel->Handle()));

    // The window is re-made: the finished skinner is freed when the new window arrives.
    const TComponentRef<TRecordingSkinner> ref(s);
    panel->DestroyHandle();
    EXPECT_EQ(skDestroyed, s->State);
    HWND again = panel->Handle();
    Pump();
    EXPECT_FALSE(ref) << "freed once the control had its new window";
    for (TSkinControl* k : formSkinner->Skinners()) EXPECT_NE(skDestroyed, k->State);
    if (TSkinControl* k = formSkinner->FindSkinnerOf(panel)) {
        EXPECT_EQ(again, k->Handle());
    }

    // Freeing the form skinner frees the rest and leaves the controls working.
    formSkinner.reset();
    EXPECT_EQ(Seq{}, Probe(again));
    EXPECT_EQ(0, SendMessageA(again, SKINMSG_QUERY, 0, 0));
}

}  // namespace
