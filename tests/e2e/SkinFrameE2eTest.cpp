// The skin on the real program, checked from outside: the main window's skinned frame
// (answers, sizes, region, hit-test, the caption active and inactive), real mouse input
// on the skin's caption buttons, and a skinned error box.
#include "E2eKelvora.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace e2e;

namespace {

// Our skin's borders: left and right 4, caption 30, bottom 4.
constexpr int kClientWidth = 445, kClientHeight = 364;
constexpr int kOuterWidth = kClientWidth + 4 + 4, kOuterHeight = kClientHeight + 30 + 4;

// The caption between the icon and the caption buttons, in window coordinates.
constexpr RECT kCaptionBand{40, 3, kOuterWidth - 100, 27};

// Caption colours: the active one a vivid blue, the inactive one a muted grey-blue.
bool Vivid(unsigned r, unsigned, unsigned b) { return b > r + 120; }
bool Muted(unsigned r, unsigned, unsigned b) { return b > r + 25 && b < r + 90; }
int BandArea() { return (kCaptionBand.right - kCaptionBand.left) * (kCaptionBand.bottom - kCaptionBand.top); }

// The controls have painted too (a shot taken right after the frame changed can show
// them still black): the inside of the log and the top rows of the button row.
bool ClientPainted(const Capture& shot) {
    auto black = [](unsigned r, unsigned g, unsigned b) { return r == 0 && g == 0 && b == 0; };
    return shot.Count(RECT{40, 250, 380, 310}, black) == 0 && shot.Count(RECT{224, 347, 445, 350}, black) == 0;
}

// A plain window of the driver, away from the program's window, to take the activation.
class OtherWindow {
public:
    OtherWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KelvoraE2eOther";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 160, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

}  // namespace

class SkinFrameE2e : public KelvoraTest {
protected:
    // Starts the program; its main window once it is active and skinned, else nullptr.
    HWND StartSkinned() {
        HWND main = StartAndWaitForMainWindow(first_);
        if (!main || !WaitActive(main)) return nullptr;
        return WaitUntil([&] { return WindowIsSkinned(main); }) ? main : nullptr;
    }
    // The program's visible hint window, or nullptr.
    HWND VisibleHint() {
        auto hints = WindowsOfClass(first_, "THintWindow", true);
        return hints.empty() ? nullptr : hints.front();
    }
};

TEST_F(SkinFrameE2e, MainWindowTakesTheSkinsFrameRegionAndCaption) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr) << "the main window is not skinned after its first activation";
    EXPECT_EQ(Ask(main, kSkinQuery), 1);
    EXPECT_EQ(Ask(main, kSkinPing, 0, kSkinCookie), kSkinCookie);

    RECT client, window;
    GetClientRect(main, &client);
    GetWindowRect(main, &window);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    EXPECT_EQ(window.right - window.left, kOuterWidth);
    EXPECT_EQ(window.bottom - window.top, kOuterHeight);
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    EXPECT_EQ(origin.x - window.left, 4) << "left border";
    EXPECT_EQ(origin.y - window.top, 30) << "caption";

    // The round top corners are cut out of the region; the rest of the window is in it.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(main, region), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, kOuterWidth - 1, 0));
    EXPECT_TRUE(PtInRegion(region, kOuterWidth / 2, 0));
    EXPECT_TRUE(PtInRegion(region, 0, kOuterHeight - 1));
    EXPECT_TRUE(PtInRegion(region, kOuterWidth - 1, kOuterHeight - 1));
    DeleteObject(region);

    EXPECT_EQ(Ask(main, WM_NCHITTEST, 0, MAKELPARAM(window.left + 200, window.top + 15)), HTCAPTION);
    EXPECT_EQ(Ask(main, WM_NCHITTEST, 0, MAKELPARAM(origin.x + 200, origin.y + 200)), HTCLIENT);
}

TEST_F(SkinFrameE2e, CaptionIsDrawnActiveAndInactive) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    Capture active;
    EXPECT_TRUE(WaitUntil([&] {
        active = CaptureWindow(main);
        return active.Count(kCaptionBand, Vivid) > BandArea() / 2 && ClientPainted(active);
    })) << "the active caption is not the skin's blue";
    EXPECT_TRUE(SaveBmp(active, ArtifactsFolder() + "skinned-active.bmp"));

    OtherWindow other;
    ASSERT_TRUE(WaitActive(other.Handle())) << "the other window does not become active";
    Capture inactive;
    EXPECT_TRUE(WaitUntil([&] {
        inactive = CaptureWindow(main);
        return inactive.Count(kCaptionBand, Muted) > BandArea() / 2 && ClientPainted(inactive);
    })) << "the inactive caption is not the skin's grey-blue";
    EXPECT_TRUE(SaveBmp(inactive, ArtifactsFolder() + "skinned-inactive.bmp"));
    ASSERT_EQ(active.width, inactive.width);
    ASSERT_EQ(active.height, inactive.height);
    int differing = 0;
    for (int y = kCaptionBand.top; y < kCaptionBand.bottom; ++y)
        for (int x = kCaptionBand.left; x < kCaptionBand.right; ++x) differing += active.At(x, y) != inactive.At(x, y);
    EXPECT_GT(differing, BandArea() / 2);

    ASSERT_TRUE(WaitActive(main));
    EXPECT_TRUE(WaitUntil([&] { return CaptureWindow(main).Count(kCaptionBand, Vivid) > BandArea() / 2; }))
        << "the caption does not turn active again";
}

// Pressing the close button and letting go elsewhere is no click. The next click on it
// closes the program, also when the system reports its press as a double click (a second
// press within the double-click time, made long here so that it always is one).
TEST_F(SkinFrameE2e, PressOnCloseMovedOffAndReleasedElsewhereLeavesItOpen) {
    const UINT doubleClickTime = GetDoubleClickTime();
    SetDoubleClickTime(20000);
    struct Restore {
        UINT time;
        ~Restore() { SetDoubleClickTime(time); }
    } restore{doubleClickTime};
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    // Each step once the program has drawn the one before.
    const POINT close = CaptionButtonPoint(main, CaptionButton::Close);
    const POINT away{close.x - 200, close.y};  // on the caption, clear of every button
    ASSERT_TRUE(MouseMoveTo(close));
    ASSERT_TRUE(WaitUntil([&] { return CloseButtonLook(main) == ButtonLook::Hot; })) << "not hot under the mouse";
    MouseDownAt(close);
    ASSERT_TRUE(WaitUntil([&] { return CloseButtonLook(main) == ButtonLook::Pressed; })) << "not pressed";
    ASSERT_TRUE(MouseMoveTo(away));
    ASSERT_TRUE(WaitUntil([&] { return CloseButtonLook(main) == ButtonLook::Plain; })) << "still lit off the button";
    MouseUpAt(away);
    // A close would be under way within this time (the program answers in milliseconds).
    EXPECT_FALSE(first_.WaitExit(1500).has_value()) << "a press moved off the close button closed the program";
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(IsIconic(main));

    ASSERT_TRUE(MouseMoveTo(close));
    ASSERT_TRUE(WaitUntil([&] { return CloseButtonLook(main) == ButtonLook::Hot; })) << "not hot again";
    MouseDownAt(close);
    ASSERT_TRUE(WaitUntil([&] { return CloseButtonLook(main) == ButtonLook::Pressed; }))
        << "a second press within the double-click time is not drawn pressed";
    MouseUpAt(close);
    EXPECT_EQ(first_.WaitExit(10000), std::optional<DWORD>(0)) << "the click on close did not end the program";
}

// Resting on the minimise button shows its hint after about a second, beside the button;
// a click minimises the program: the main window goes with the application's window
// (its taskbar button), which turns iconic.
TEST_F(SkinFrameE2e, MinimiseButtonShowsItsHintAndMinimises) {
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    const POINT button = CaptionButtonPoint(main, CaptionButton::Minimise);
    ASSERT_TRUE(MouseMoveTo(POINT{button.x - 150, button.y}));
    ASSERT_TRUE(MouseMoveTo(button));
    const DWORD arrived = GetTickCount();
    HWND hint = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (hint = VisibleHint()) != nullptr; }, 5000)) << "no hint while resting";
    const DWORD waited = GetTickCount() - arrived;
    EXPECT_GE(waited, 600u) << "the hint comes before the hint pause";
    EXPECT_LE(waited, 2500u);
    EXPECT_EQ(TextOf(hint), "Minimize");
    RECT hintRect, window;
    GetWindowRect(hint, &hintRect);
    GetWindowRect(main, &window);
    EXPECT_LE(std::abs(hintRect.left - (window.right - static_cast<int>(CaptionButton::Minimise))), 2)
        << "the hint starts at the button's left edge";
    EXPECT_LE(std::abs(hintRect.top - (button.y + 24)), 2) << "the hint sits below the cursor";
    // Drawn: mostly its light face, with the text on it.
    EXPECT_EQ(Ask(hint, kSkinQuery), 0) << "the hint window got a frame of the skin";
    auto light = [](unsigned r, unsigned g, unsigned b) { return r > 200 && g > 200 && b > 160; };
    Capture face;
    EXPECT_TRUE(WaitUntil([&] {
        face = CaptureWindow(hint);
        return face.Count(RECT{0, 0, face.width, face.height}, light) > face.width * face.height / 2;
    }, 1500)) << "the hint is not drawn";
    SaveBmp(face, ArtifactsFolder() + "caption-button-hint.bmp");

    const std::vector<HWND> application = WindowsOfClass(first_, "TApplication", false);
    ASSERT_EQ(application.size(), 1u);
    // The press hides the hint: the program has seen it before the release comes.
    MouseDownAt(button);
    ASSERT_TRUE(WaitUntil([&] { return VisibleHint() == nullptr; })) << "the hint stays while pressing";
    MouseUpAt(button);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main) && IsIconic(application[0]); }))
        << "the program is not minimised";
    EXPECT_TRUE(first_.Running());
}

// A failing save of the list shows the framework's error box: skinned too, with room for
// its caption and its children inside.
TEST_F(SkinFrameE2e, ErrorBoxIsSkinned) {
    FILE* f = std::fopen(ListFilePath().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("a.exe\r\n", f);
    std::fclose(f);
    HWND main = StartSkinned();
    ASSERT_NE(main, nullptr);
    HWND editor = nullptr;
    for (HWND w : Descendants(main))
        if (ClassOf(w) == "Edit" && TextOf(w) == "a.exe\r\n") editor = w;
    ASSERT_NE(editor, nullptr) << "no list editor";

    ASSERT_TRUE(SetFileAttributesA(ListFilePath().c_str(), FILE_ATTRIBUTE_READONLY));
    PostMessageA(editor, WM_CHAR, 'q', 1);
    HWND box = WaitForWindow(first_, "#32770", "Kelvora", kActionTimeoutMs);
    SetFileAttributesA(ListFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(box, nullptr) << "no error box for a list file that cannot be replaced";
    EXPECT_TRUE(WaitUntil([&] { return Ask(box, kSkinQuery) == 1; })) << "the error box is not skinned";

    // Wide enough for the caption: the icon's room, the text in the caption font and the
    // room kept for the caption buttons.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32A(dc, "Kelvora", 7, &text);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    RECT window, client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    EXPECT_GE(window.right - window.left, 24 + text.cx + 100);
    for (HWND child : Descendants(box)) {
        RECT r = RectInParent(child);
        EXPECT_TRUE(r.left >= 0 && r.right <= client.right && r.bottom <= client.bottom)
            << ClassOf(child) << " \"" << TextOf(child) << "\" lies outside the box";
    }
    // The caption and the message are drawn.
    HWND message = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(message, nullptr);
    RECT m = RectInParent(message);
    POINT origin{0, 0};
    ClientToScreen(box, &origin);
    OffsetRect(&m, origin.x - window.left, origin.y - window.top);
    auto dark = [](unsigned r, unsigned g, unsigned b) { return r < 110 && g < 110 && b < 110; };
    Capture shot;
    EXPECT_TRUE(WaitUntil([&] {
        shot = CaptureWindow(box);
        return shot.Count(RECT{40, 3, shot.width - 100, 27}, Vivid) > 0 && shot.Count(m, dark) > 30;
    })) << "the caption or the message is not drawn";
    EXPECT_TRUE(SaveBmp(shot, ArtifactsFolder() + "skinned-error-box.bmp"));

    PostButtonClick(GetDlgItem(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(first_.Running());
}
