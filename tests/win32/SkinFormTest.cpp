// The form skinner on real windows with our own skin (borders 4, caption 30, bottom 4):
// what a form sees from attach to activation, the fitted size, hit testing, the region,
// giving the system frame back, a dialog widened for its caption, an MDI frame, and no GDI
// object left behind by a thousand paints, activations, resizes and reloads.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/PrivateMessages.h"
#include "framework/WindowHook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

constexpr LPARAM kCookie = 0x41A2;

void Pump() { Application->ProcessMessages(); }

SIZE OuterSize(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}
SIZE ClientSize(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// Records the messages of a window that matter for skinning, as Wine's user32 tests do.
// Installed after the skinner it sees every message first; installed before, only what
// the skinner passes on.
class MessageLog {
public:
    explicit MessageLog(HWND w)
        : hook_(w, [this](TMessage& m, const TWndMethod& next) {
              if (Interesting(m.Msg)) seen.push_back(m.Msg);
              next(m);
          }) {}
    static bool Interesting(UINT msg) {
        switch (msg) {
            case WM_WINDOWPOSCHANGING: case WM_WINDOWPOSCHANGED: case WM_NCCALCSIZE: case WM_SIZE:
            case WM_NCPAINT: case WM_NCACTIVATE: case SKINMSG_ATTACHED: case SKINMSG_ANNOUNCE: return true;
            default: return false;
        }
    }
    std::vector<UINT> seen;

private:
    TWindowSubclass hook_;
};

struct Step {
    UINT msg;
    bool optional = false;
};

// Compares a log with an expected list whose optional entries may be missing.
::testing::AssertionResult Sequence(const std::vector<UINT>& seen, const std::vector<Step>& expected) {
    size_t i = 0;
    for (const Step& step : expected) {
        if (i < seen.size() && seen[i] == step.msg) {
            ++i;
        } else if (!step.optional) {
            std::string got;
            for (UINT m : seen) got += " 0x" + [](UINT v) { char b[12]; wsprintfA(b, "%X", v); return std::string(b); }(m);
            return ::testing::AssertionFailure() << "expected 0x" << std::hex << step.msg << " at " << std::dec << i
                                                 << "; got" << got;
        }
    }
    if (i != seen.size()) return ::testing::AssertionFailure() << (seen.size() - i) << " unexpected messages at the end";
    return ::testing::AssertionSuccess();
}

class SkinForm : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded()) << "generated\\KelvoraSkin.skn";
    }

    TUnowned<TForm> MakeForm() {
        auto form = MakeUnowned<TForm>();
        form->SetBorderStyle(bsSingle);
        form->SetBorderIcons(biSystemMenu | biMinimize);
        form->SetClientSize(445, 364);
        form->SetCaption("Kelvora 托盘");
        form->Show();
        Pump();
        return form;
    }

    TUnowned<TSkinForm> Attach(HWND w, TCustomForm* form = nullptr) {
        auto skinner = MakeUnowned<TSkinForm>();
        char name[101] = {};
        GetClassNameA(w, name, sizeof name);
        skinner->SetWindow(w, nullptr, name);
        if (form)
            skinner->AttachToForm(data.get(), form);
        else
            skinner->AttachToWindow(data.get());
        return skinner;
    }

    static void Activate(HWND w) {
        PostMessageA(w, SKINMSG_ATTACHED, 0, 1000);
        Pump();
    }

    TUnowned<TSkinData> data;
};

TEST_F(SkinForm, FromAttachToActivationThenFittedShapedAndAnswering) {
    auto form = MakeForm();
    HWND w = form->Handle();
    const SIZE systemOuter = OuterSize(w);
    MessageLog below(w);  // what the skinner passes on
    auto skinner = Attach(w, form.get());
    MessageLog above(w);  // what the form sees

    // Before activation no frame is painted, by the skinner or the system.
    EXPECT_EQ(0, SendMessageA(w, WM_NCPAINT, 1, 0));
    RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    for (UINT m : below.seen) EXPECT_NE(static_cast<UINT>(WM_NCPAINT), m);
    EXPECT_EQ(ssAttached, skinner->SkinState);
    above.seen.clear();
    below.seen.clear();

    Activate(w);
    // The fit (a frame-changed resize under the skin's widths that draws nothing; the
    // client keeps its size, so no WM_SIZE), the region (its own frame-changed pass and
    // the paint), then the announcement.
    EXPECT_TRUE(Sequence(above.seen, {{SKINMSG_ATTACHED},
                                      {WM_WINDOWPOSCHANGING},
                                      {WM_NCCALCSIZE},
                                      {WM_WINDOWPOSCHANGED},
                                      {WM_SIZE, true},
                                      {WM_WINDOWPOSCHANGING},
                                      {WM_NCCALCSIZE},
                                      {WM_NCPAINT, true},
                                      {WM_WINDOWPOSCHANGED},
                                      {WM_NCPAINT, true},
                                      {SKINMSG_ANNOUNCE},
                                      {WM_NCPAINT, true}}));
    for (UINT m : below.seen) EXPECT_NE(static_cast<UINT>(WM_NCPAINT), m) << "the skinner paints the frame itself";
    EXPECT_EQ(ssActive, skinner->SkinState);

    EXPECT_EQ(453, OuterSize(w).cx);
    EXPECT_EQ(398, OuterSize(w).cy);
    EXPECT_EQ(445, ClientSize(w).cx);
    EXPECT_EQ(364, ClientSize(w).cy);
    EXPECT_EQ(1, SendMessageA(w, SKINMSG_QUERY, 0, 0));
    EXPECT_EQ(kCookie, SendMessageA(w, SKINMSG_PING, 0, kCookie));
    EXPECT_EQ(1, SendMessageA(w, SKINMSG_PING, 0, 0));

    RegionHandle region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, GetWindowRgn(w, region.get()));
    RECT r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(HTCAPTION, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + 200, r.top + 15)));
    EXPECT_EQ(HTCLIENT, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(r.left + 200, r.top + 100)));

    // A move keeps the region; a new size makes a new one.
    const int builds = skinner->RegionBuilds();
    SetWindowPos(w, nullptr, r.left + 7, r.top + 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(builds, skinner->RegionBuilds());
    SetWindowPos(w, nullptr, 0, 0, 460, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(builds + 1, skinner->RegionBuilds());
    SetWindowPos(w, nullptr, 0, 0, 453, 398, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // Each look is composed once; activation changes and repaints after that only copy it.
    SendMessageA(w, WM_NCACTIVATE, 0, 0);
    SendMessageA(w, WM_NCACTIVATE, 1, 0);
    const int looks = skinner->FrameCompositions();
    SendMessageA(w, WM_NCACTIVATE, 0, 0);
    SendMessageA(w, WM_NCACTIVATE, 1, 0);
    SendMessageA(w, WM_NCPAINT, 1, 0);
    EXPECT_EQ(looks, skinner->FrameCompositions());

    // A new text repaints the caption of a visible form, and nothing of a hidden one.
    int composed = skinner->FrameCompositions();
    form->SetCaption("新的标题");
    EXPECT_EQ(composed + 1, skinner->FrameCompositions());
    ShowWindow(w, SW_HIDE);
    composed = skinner->FrameCompositions();
    form->SetCaption("隐藏时的标题");
    EXPECT_EQ(composed, skinner->FrameCompositions());
    ShowWindow(w, SW_SHOWNOACTIVATE);

    // Switched off: the system frame, the previous outer size for the same client, no region.
    skinner->Detach();
    EXPECT_EQ(systemOuter.cx, OuterSize(w).cx);
    EXPECT_EQ(systemOuter.cy, OuterSize(w).cy);
    EXPECT_EQ(445, ClientSize(w).cx);
    EXPECT_EQ(364, ClientSize(w).cy);
    EXPECT_EQ(ERROR, GetWindowRgn(w, region.get()));
    EXPECT_FALSE(skinner->Attached());
    EXPECT_EQ(0, SendMessageA(w, SKINMSG_PING, 0, kCookie));
}

TEST_F(SkinForm, DialogWidenedForItsCaptionMovesChildrenByHalfTheDifference) {
    const std::string caption = "一条很长很长的对话框标题文字，比窗口宽得多 - Kelvora";
    HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", caption.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 160, 120, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(dialog);
    HWND child = CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 10, 12, 40, 20, dialog, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const SIZE client = ClientSize(dialog);
    {
        auto skinner = Attach(dialog);
        EXPECT_EQ(TBorderKind::Dialog, skinner->BorderKind);
        Activate(dialog);
        const int fitted = client.cx + 8;
        const int width = OuterSize(dialog).cx;
        ASSERT_GT(width, fitted);
        RECT c{};
        GetWindowRect(child, &c);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c), 2);
        EXPECT_EQ(10 + (width - fitted) / 2, c.left);
        EXPECT_EQ(12, c.top);
        EXPECT_EQ(client.cy + 34, OuterSize(dialog).cy);
        // The whole caption shows: nothing of it is cut at the right.
        SendMessageA(dialog, SKINMSG_REPAINTFRAME, 0, 0);
        EXPECT_GE(skinner->TextBoxRect.right - skinner->TextBoxRect.left,
                  skinner->TextRect.right - skinner->TextRect.left);
        EXPECT_LE(skinner->TextBoxRect.right, width - 4);
    }
    DestroyWindow(dialog);
}

TEST_F(SkinForm, MdiFrameKeepsItsClientAndAnswersRedrawForItsChildren) {
    auto form = MakeForm();
    HWND w = form->Handle();
    CLIENTCREATESTRUCT ccs{};
    HWND client = CreateWindowExA(0, "MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0,
                                  445, 364, w, nullptr, GetModuleHandleA(nullptr), &ccs);
    ASSERT_TRUE(client);
    auto skinner = Attach(w, form.get());
    EXPECT_EQ(mkFrame, skinner->MdiKind);
    EXPECT_EQ(client, skinner->MdiClientWnd);
    Activate(w);
    EXPECT_EQ(453, OuterSize(w).cx);
    EXPECT_EQ(398, OuterSize(w).cy);
    // The client loses its own scroll bars (the skin has none for it) and the frame
    // redraws itself when a child asks, without passing the request on.
    SetWindowPos(client, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_FALSE(GetWindowLongPtrA(client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(0, SendMessageA(client, SKINMSG_REDRAWCHILD, 0, 0));
    skinner->Detach();
    EXPECT_EQ(ERROR, GetWindowRgn(w, RegionHandle(CreateRectRgn(0, 0, 0, 0)).get()));
    DestroyWindow(client);
}

TEST_F(SkinForm, NoGdiObjectLeftAfterAThousandPaintsActivationsResizesAndReloads) {
    auto form = MakeForm();
    HWND w = form->Handle();
    auto skinner = Attach(w, form.get());
    Activate(w);
    MemoryDcHandle memory(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 453, 398));
    SelectScope select(memory.get(), bitmap.get());
    // Warm up: the first paints make the kept font, renderer and the picture of each look.
    for (WPARAM active : {0, 1}) {
        SendMessageA(w, WM_NCACTIVATE, active, 0);
        SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(memory.get()), kCookie);
    }
    const long owned = GdiObjectsAlive();
    const DWORD gui = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    // Every repaint composes the frame anew (the kept pictures are dropped first).
    for (int i = 0; i < 1000; ++i) {
        skinner->ForgetPictures();
        SendMessageA(w, WM_NCACTIVATE, i % 2, 0);
        EXPECT_EQ(kCookie, SendMessageA(w, SKINMSG_PRINTFRAME, reinterpret_cast<WPARAM>(memory.get()), kCookie));
        if (i % 5 == 0)
            SetWindowPos(w, nullptr, 0, 0, 453 + i % 3, 398 + i % 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (i % 50 == 0) skinner->Reload();
    }
    EXPECT_GE(skinner->FrameCompositions(), 1000);
    Pump();
    EXPECT_EQ(owned, GdiObjectsAlive());
    EXPECT_EQ(gui, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}

}  // namespace
