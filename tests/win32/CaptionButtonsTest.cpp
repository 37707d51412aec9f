// Caption buttons of a skinned form with our own skin, driven by the non-client mouse
// messages a real click produces: press, move off and release elsewhere leaves the window
// open, press and release on close closes it; a window that cannot be maximised shows
// its maximise button greyed and ignores it; double clicks on the caption maximise and
// restore, on the icon close.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/WindowHook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "skin/form/CaptionButton.h"
#include "skin/form/FramePainterGdi.h"
#include "skin/form/SkinForm.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

void Pump() { Application->ProcessMessages(); }

// Sits in front of the skinner: records the system commands the window receives and
// keeps SC_CLOSE and WM_CLOSE from closing the test form.
class SysCommandLog {
public:
    explicit SysCommandLog(HWND w)
        : hook_(w, [this](TMessage& m, const TWndMethod& next) {
              if (m.Msg == WM_CLOSE) {
                  closeAsked = true;
                  return;
              }
              if (m.Msg == WM_SYSCOMMAND) {
                  seen.push_back(static_cast<UINT>(m.WParam & 0xFFF0));
                  if ((m.WParam & 0xFFF0) == SC_CLOSE) return;
              }
              next(m);
          }) {}
    bool Saw(UINT command) const {
        for (UINT c : seen)
            if (c == command) return true;
        return false;
    }
    std::vector<UINT> seen;
    bool closeAsked = false;  // WM_CLOSE, kept from the form

private:
    TWindowSubclass hook_;
};

// Counts the menus that were open when it ran, and ends them (from inside their loop).
int menusSeen = 0;
void CALLBACK CountAndEndMenu(HWND, UINT, UINT_PTR, DWORD) {
    const HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    ++menusSeen;
    EndMenu();
}

class CaptionButtons : public ::testing::Test {
protected:
    void SetUp() override {
        data = OurSkinData();
        ASSERT_FALSE(data->NoSkinLoaded());
    }

    // A skinned, active form; icons as in TBorderIcons.
    void MakeSkinnedForm(unsigned icons) {
        form = MakeUnowned<TForm>();
        form->SetBorderStyle(bsSingle);
        form->SetBorderIcons(icons);
        form->SetClientSize(445, 364);
        form->SetCaption("Kelvora");
        form->Show();
        Pump();
        w = form->Handle();
        skinner = MakeUnowned<TSkinForm>();
        skinner->SetWindow(w, nullptr, "TForm");
        skinner->AttachToForm(data.get(), form.get());
        PostMessageA(w, SKINMSG_ATTACHED, 0, 1000);
        Pump();
        SetForegroundWindow(w);
        Pump();
        SendMessageA(w, SKINMSG_REPAINTFRAME, 0, 0);
        ASSERT_EQ(ssActive, skinner->SkinState);
    }

    TCaptionButton* Button(int action) const {
        for (const auto& b : skinner->CaptionButtons)
            if (b->Element->Action == action && b->Visible) return b.get();
        return nullptr;
    }

    // The screen point of the middle of a button, or of a window point.
    POINT ScreenAt(int x, int y) const {
        RECT r{};
        GetWindowRect(w, &r);
        return {r.left + x, r.top + y};
    }
    POINT Middle(const TNCObject& b) const {
        return ScreenAt((b.Bounds.left + b.Bounds.right) / 2, (b.Bounds.top + b.Bounds.bottom) / 2);
    }

    // Puts the pointer at a screen point and waits until the system keeps reporting it
    // there for 50 ms. Wine moves the pointer through the X server: pointer events still on
    // their way (from an earlier move) can put it back for a moment after SetCursorPos, so
    // the events are taken in (MsgWaitForMultipleObjects) and the pointer is put again
    // whenever it is found elsewhere. No message is dispatched meanwhile.
    static bool MovePointer(POINT at) {
        SetCursorPos(at.x, at.y);
        int steady = 0;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(5)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
            POINT now{};
            GetCursorPos(&now);
            if (now.x != at.x || now.y != at.y) {
                steady = 0;
                SetCursorPos(at.x, at.y);
            } else if (++steady == 10) {
                return true;
            }
        }
        return false;
    }

    // One non-client mouse message at a screen point, with the hit code the window gives.
    LRESULT Mouse(UINT msg, POINT at) {
        const LPARAM l = MAKELPARAM(at.x, at.y);
        const WPARAM hit = static_cast<WPARAM>(SendMessageA(w, WM_NCHITTEST, 0, l));
        return SendMessageA(w, msg, hit, l);
    }

    TUnowned<TSkinData> data;
    TUnowned<TForm> form;
    TUnowned<TSkinForm> skinner;
    HWND w = nullptr;
};

TEST_F(CaptionButtons, CloseOnlyWhenPressedAndReleasedOnTheButton) {
    MakeSkinnedForm(biSystemMenu | biMinimize);
    SysCommandLog log(w);
    TCaptionButton* close = Button(caClose);
    ASSERT_TRUE(close);
    const POINT on = Middle(*close);
    const POINT caption = ScreenAt(200, skinner->FrameTop / 2);
    ASSERT_EQ(close, skinner->HitTestButtons({close->Bounds.left, close->Bounds.top}));

    // A state change draws only the button's cell into the kept frame: what a whole
    // composition in the new state gives.
    const int composed = skinner->FrameCompositions();
    EXPECT_EQ(0, Mouse(WM_NCMOUSEMOVE, on));
    EXPECT_EQ(3, close->State);
    EXPECT_EQ(0, Mouse(WM_NCLBUTTONDOWN, on));
    EXPECT_EQ(2, close->State);
    EXPECT_EQ(composed, skinner->FrameCompositions());
    const PixelBuffer cells = PrintedFrame(w);
    skinner->ForgetPictures();
    const PixelBuffer whole = PrintedFrame(w);
    ASSERT_EQ(cells.Width() * cells.Height(), whole.Width() * whole.Height());
    EXPECT_TRUE(std::equal(cells.Bits(), cells.Bits() + cells.Width() * cells.Height(), whole.Bits()));
    EXPECT_EQ(close, skinner->HotObject);
    Mouse(WM_NCMOUSEMOVE, caption);
    EXPECT_EQ(1, close->State);
    EXPECT_EQ(nullptr, skinner->HotObject);
    Mouse(WM_NCLBUTTONUP, caption);
    Pump();
    EXPECT_FALSE(log.Saw(SC_CLOSE));
    EXPECT_TRUE(IsWindowVisible(w));

    // A second press soon after the first comes as a double click: it presses the button.
    Mouse(WM_NCMOUSEMOVE, on);
    Mouse(WM_NCLBUTTONDBLCLK, on);
    EXPECT_EQ(2, close->State);
    EXPECT_EQ(0, Mouse(WM_NCLBUTTONUP, on));
    Pump();
    EXPECT_TRUE(log.Saw(SC_CLOSE));
    EXPECT_EQ(3, close->State);

    // Resting on the button: its hint shows at the fourth poll and goes when the mouse does.
    ASSERT_TRUE(MovePointer(on));
    data->HideHint();
    for (int i = 0; i < 3; ++i) skinner->OnPollTimer();
    EXPECT_FALSE(data->HintWindow().Showing());
    skinner->OnPollTimer();
    EXPECT_TRUE(data->HintWindow().Showing());
    EXPECT_EQ("Close", data->HintWindow().Caption());
    ASSERT_TRUE(MovePointer(caption));
    skinner->OnPollTimer();
    EXPECT_FALSE(data->HintWindow().Showing());
    EXPECT_EQ(nullptr, skinner->HotObject);
    EXPECT_EQ(1, close->State);
}

TEST_F(CaptionButtons, MaximiseButtonOfAFormWithoutMaximiseBoxShowsGreyedAndDoesNothing) {
    MakeSkinnedForm(biSystemMenu | biMinimize);
    SysCommandLog log(w);
    TCaptionButton* max = Button(caMaximise);
    ASSERT_TRUE(max);
    EXPECT_FALSE(max->Enabled);
    EXPECT_TRUE(Button(caMinimise) && Button(caMinimise)->Enabled);
    // The frame drawn for it: the greyed fourth one, also while pressed.
    const FontHandle font = CreateCaptionFont();
    TGdiPaintRenderer renderer(font.get(), nullptr);
    Mouse(WM_NCMOUSEMOVE, Middle(*max));
    Mouse(WM_NCLBUTTONDOWN, Middle(*max));
    EXPECT_EQ(max, skinner->HotObject);
    const TFrameLayout layout = LayoutFrame(data->Skin(), skinner->FrameState(), renderer);
    int drawn = 0;
    for (const TCaptionButtonPlace& p : layout.buttons)
        if (p.element == max->Element) {
            ++drawn;
            ASSERT_GE(p.frameCount, 4);
            EXPECT_EQ(4, p.frame);
            EXPECT_TRUE(p.bounds == max->Bounds);
        }
    EXPECT_EQ(1, drawn);
    Mouse(WM_NCLBUTTONUP, Middle(*max));
    Pump();
    EXPECT_FALSE(log.Saw(SC_MAXIMIZE));
    EXPECT_FALSE(IsZoomed(w));
}

TEST_F(CaptionButtons, DoubleClickOnCaptionMaximisesAndRestoresOnIconCloses) {
    MakeSkinnedForm(biSystemMenu | biMinimize | biMaximize);
    SysCommandLog log(w);
    const POINT caption = ScreenAt(200, skinner->FrameTop / 2);
    ASSERT_EQ(HTCAPTION, SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
    EXPECT_EQ(0, Mouse(WM_NCLBUTTONDBLCLK, caption));
    Pump();
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(TShowState::Maximised, skinner->ShowState);

    const POINT zoomedCaption = ScreenAt(200, skinner->FrameTop / 2);
    EXPECT_EQ(0, Mouse(WM_NCLBUTTONDBLCLK, zoomedCaption));
    Pump();
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(TShowState::Normal, skinner->ShowState);
    EXPECT_FALSE(log.Saw(SC_CLOSE));

    SendMessageA(w, SKINMSG_REPAINTFRAME, 0, 0);
    TCaptionButton* icon = Button(caIcon);
    ASSERT_TRUE(icon);
    ASSERT_FALSE(icon->Bounds.IsEmpty());
    EXPECT_EQ(0, Mouse(WM_NCLBUTTONDBLCLK, Middle(*icon)));
    Pump();
    EXPECT_TRUE(log.Saw(SC_CLOSE));
}

TEST_F(CaptionButtons, SystemMenuOpensOnceForTwoQuickRightPressesAndTheIconsSecondPressCloses) {
    MakeSkinnedForm(biSystemMenu | biMinimize);
    SysCommandLog log(w);
    int& opened = menusSeen;
    opened = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CountAndEndMenu);
    skinner->DoubleClickTime = 60000;  // every second press comes within it
    const POINT caption = ScreenAt(200, skinner->FrameTop / 2);
    EXPECT_EQ(0, Mouse(WM_NCRBUTTONDOWN, caption));
    EXPECT_EQ(0, Mouse(WM_NCRBUTTONDOWN, caption));
    EXPECT_EQ(1, opened);
    // Alt+Space after the double-click time: opened by us only, not by the system too.
    skinner->LastRightPressTick = GetTickCount() - 60001;
    EXPECT_EQ(0, SendMessageA(w, WM_SYSCOMMAND, SC_KEYMENU, ' '));
    EXPECT_EQ(2, opened);
    KillTimer(nullptr, timer);

    TCaptionButton* icon = Button(caIcon);
    ASSERT_TRUE(icon);
    Mouse(WM_NCLBUTTONDOWN, Middle(*icon));
    Mouse(WM_NCLBUTTONUP, Middle(*icon));
    Pump();
    EXPECT_EQ(2, opened);
    EXPECT_TRUE(log.closeAsked);
}

}  // namespace
