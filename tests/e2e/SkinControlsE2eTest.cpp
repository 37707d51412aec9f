// The skinned controls of the real program, checked from outside: which windows answer as
// skinned, the one-key button under the real mouse (hot, pressed, a press that leaves
// raises no click, a click runs the job), the log's skinned scroll bar over the system's
// one and dragged with the mouse, and skinning switched off and on from outside.
#include "E2eKelvora.h"

#include <string>
#include <vector>

using namespace e2e;

namespace {

constexpr UINT kSkinEnable = 0x3506;

struct Controls {
    HWND main = nullptr;
    HWND clear = nullptr;  // "一键优化"
    HWND log = nullptr;    // the run's log memo
};

Controls FindControls(HWND main) {
    Controls c;
    c.main = main;
    c.clear = FindChild(main, "Button", "一键优化");
    const RECT pagesRect{0, 89, 445, 89 + 224};
    HWND pages = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    HWND sheet = pages ? FindChild(pages, "TTabSheet", "软件设置") : nullptr;
    HWND group = sheet ? FindChild(sheet, "TGroupBox", "系统性能指数 (越小越好)") : nullptr;
    c.log = group ? FindChild(group, "Edit", nullptr) : nullptr;
    return c;
}

RECT ScreenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

POINT Centre(HWND w) {
    const RECT r = ScreenRect(w);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The memo's vertical bar in screen coordinates: right of the client area, as high as it.
RECT VerticalBarRect(HWND memo) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (GetScrollBarInfo(memo, OBJID_VSCROLL, &info)) return info.rcScrollBar;
    RECT client{};
    GetClientRect(memo, &client);
    POINT origin{0, 0};
    ClientToScreen(memo, &origin);
    return {origin.x + client.right, origin.y, origin.x + client.right + GetSystemMetrics(SM_CXVSCROLL),
            origin.y + client.bottom};
}

// A visible window of the program, other than the memo, exactly over the rectangle.
HWND WindowOver(HWND main, HWND memo, const RECT& rect) {
    for (HWND w : Descendants(main))
        if (w != memo && IsWindowVisible(w) && SameRect(ScreenRect(w), rect)) return w;
    return nullptr;
}

bool SamePixels(const Capture& a, const Capture& b) { return a.width == b.width && a.height == b.height && a.pixels == b.pixels; }

// The window as it looks once painted now: repainted from here (the paint is sent, so it is
// done when the call returns), then captured until two captures agree; empty on timeout.
// Without the repaint, two captures of a screen the busy program has not yet updated agree too.
Capture SettledLook(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Capture look = CaptureWindow(w);
    const bool settled = WaitUntil([&] {
        Capture again = CaptureWindow(w);
        const bool same = SamePixels(again, look);
        look = again;
        return same;
    });
    return settled ? look : Capture{};
}

}  // namespace

class SkinControlsE2e : public KelvoraTest {
protected:
    // Starts the program; its controls once the main window is active and its one-key
    // button skinned.
    Controls StartSkinned() {
        HWND main = StartAndWaitForMainWindow(first_);
        if (!main || !WaitActive(main)) return {};
        Controls c = FindControls(main);
        // The button is skinned before the frame is fitted, which moves it on screen a
        // posted message later: wait for both.
        if (!c.clear || !c.log || !WaitUntil([&] { return Ask(c.clear, kSkinQuery) == 1 && WindowIsSkinned(main); }))
            return {};
        return c;
    }
    // A screen point beside the window, where the mouse touches none of its controls.
    POINT Away(HWND main) {
        const RECT r = ScreenRect(main);
        return {r.left + 10, r.top + 12};  // the caption, left of its buttons
    }
};

TEST_F(SkinControlsE2e, ButtonsMemosAndListBoxAnswerAsSkinned) {
    Controls c = StartSkinned();
    ASSERT_TRUE(c.main) << "the one-key button is not skinned after the first activation";
    int buttons = 0, memos = 0, lists = 0;
    for (HWND w : Descendants(c.main)) {
        const std::string cls = ClassOf(w);
        const bool memo = cls == "Edit" && HasStyle(w, ES_MULTILINE);
        if (cls != "Button" && cls != "ListBox" && !memo) continue;
        buttons += cls == "Button";
        memos += memo;
        lists += cls == "ListBox";
        EXPECT_EQ(Ask(w, kSkinQuery), 1) << cls << " \"" << TextOf(w) << "\"";
    }
    EXPECT_GE(buttons, 4);
    EXPECT_GE(memos, 2);
    EXPECT_EQ(lists, 1);
}

TEST_F(SkinControlsE2e, OneKeyButtonUnderTheRealMouse) {
    TemporaryFolderVariables temp(folder_->Path());
    Controls c = StartSkinned();
    ASSERT_TRUE(c.main);
    const POINT away = Away(c.main), centre = Centre(c.clear);
    ASSERT_TRUE(MouseMoveTo(away));
    const Capture rest = SettledLook(c.clear);
    ASSERT_FALSE(rest.pixels.empty());
    ASSERT_TRUE(MouseMoveTo(centre));
    Capture hot;
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(hot = CaptureWindow(c.clear), rest); })) << "no hot look";
    MouseDownAt(centre);
    Capture pressed;
    EXPECT_TRUE(WaitUntil([&] {
        pressed = CaptureWindow(c.clear);
        return !SamePixels(pressed, rest) && !SamePixels(pressed, hot);
    })) << "no pressed look";
    SaveBmp(pressed, ArtifactsFolder() + "skinned-button-pressed.bmp");

    // Pressed, then left and released elsewhere: the button is no longer drawn pressed (it
    // keeps the focus the press gave it) and raises no click.
    ASSERT_TRUE(MouseMoveTo(away));
    MouseUpAt(away);
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(CaptureWindow(c.clear), pressed); })) << "still pressed";
    EXPECT_EQ(TextOf(c.log), "") << "a press that left the button ran the job";

    ASSERT_TRUE(WaitActive(c.main));
    ASSERT_TRUE(MouseClickAt(centre));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(c.log).find("优化结束...") != std::string::npos; }))
        << "the click did not run the job; the log holds:\n" << TextOf(c.log);
}

TEST_F(SkinControlsE2e, LogScrollBarIsCoveredOnceItOverflowsAndDragsTheLog) {
    Controls c = StartSkinned();
    ASSERT_TRUE(c.main);
    ASSERT_EQ(TextOf(c.log), "");

    std::string text;
    for (int i = 0; i < 60; ++i) text += "line " + std::to_string(i) + "\r\n";
    SendMessageTimeoutA(c.log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
    RECT bar{};
    ASSERT_TRUE(WaitUntil([&] {
        bar = VerticalBarRect(c.log);
        return bar.bottom > bar.top && WindowOver(c.main, c.log, bar) != nullptr;
    })) << "no window over the log's vertical bar";
    EXPECT_EQ(Ask(c.log, EM_GETFIRSTVISIBLELINE), 0);

    // Drag the thumb (at the top, just below the arrow) to the bottom of the bar.
    ASSERT_TRUE(WaitActive(c.main));
    const int width = bar.right - bar.left;
    const POINT grip{(bar.left + bar.right) / 2, bar.top + width + 3};
    const POINT end{grip.x, bar.bottom - width - 1};
    ASSERT_TRUE(MouseMoveTo(grip));
    MouseDownAt(grip);
    ASSERT_TRUE(MouseMoveTo({grip.x, (grip.y + end.y) / 2}));
    ASSERT_TRUE(MouseMoveTo(end));
    MouseUpAt(end);
    // A page step would move a few lines; the drag takes the log to its end.
    EXPECT_TRUE(WaitUntil([&] { return Ask(c.log, EM_GETFIRSTVISIBLELINE) >= 30; }))
        << "first visible line " << Ask(c.log, EM_GETFIRSTVISIBLELINE);
}

TEST_F(SkinControlsE2e, SkinningOfAButtonSwitchedOffAndOnFromOutside) {
    Controls c = StartSkinned();
    ASSERT_TRUE(c.main);
    ASSERT_TRUE(MouseMoveTo(Away(c.main)));
    const Capture skinned = SettledLook(c.clear);
    ASSERT_FALSE(skinned.pixels.empty());

    Ask(c.clear, kSkinEnable, 0);
    RedrawWindow(c.clear, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Capture plain;
    EXPECT_TRUE(WaitUntil([&] { return !SamePixels(plain = CaptureWindow(c.clear), skinned); }))
        << "the button keeps its skin";
    SaveBmp(plain, ArtifactsFolder() + "unskinned-button.bmp");

    Ask(c.clear, kSkinEnable, 1);
    EXPECT_TRUE(WaitUntil([&] { return SamePixels(CaptureWindow(c.clear), skinned); })) << "the skin is not back";
}
