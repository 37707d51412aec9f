// Start, single instance, closing and the error box, driven from outside the program.
#include "E2eKelvora.h"

#include <string>

using namespace e2e;

namespace {

// A window of the driver's own that holds the foreground, so a start that activated
// the running copy would be seen.
class ForegroundWindow {
public:
    ForegroundWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KelvoraE2eForeground";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "driver", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(window_);
        PumpFor(300);
    }
    ~ForegroundWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Milliseconds a program that loads the system libraries Kelvora.exe imports and then
// ends takes from start to exit here: the floor under "ends at once" in this prefix.
DWORD TrivialStartCost() {
    Process p = Process::Start(HelperExe("load_libraries"),
                               "comctl32 gdi32 msimg32 ole32 shell32 user32");
    p.WaitExit(kStartTimeoutMs);
    return p.Elapsed();
}

// Starts the program while another process holds an object of `kind` named "title".
void ExpectSilentExitWhileNameIsTaken(const std::string& exe, const char* kind) {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "KelvoraE2eHolderReady");
    ASSERT_NE(ready, nullptr);
    Process holder = Process::Start(HelperExe("hold_object"), std::string(kind) + " title KelvoraE2eHolderReady");
    ASSERT_EQ(WaitForSingleObject(ready, kStartTimeoutMs), WAIT_OBJECT_0) << "helper did not take the name";
    CloseHandle(ready);

    Process kelvora = Process::Start(exe);
    bool showedWindow = false;
    std::optional<DWORD> code;
    while (!(code = kelvora.WaitExit(20)) && kelvora.Elapsed() < kStartTimeoutMs)
        if (!TopLevelWindows(kelvora.Id(), true).empty()) showedWindow = true;
    ASSERT_TRUE(code.has_value()) << "still running while another " << kind << " holds the name";
    EXPECT_EQ(*code, 0u);
    EXPECT_FALSE(showedWindow) << "a start that ends must show nothing";
}

}  // namespace

class AppLifecycleE2e : public KelvoraTest {};

TEST_F(AppLifecycleE2e, SecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    const DWORD floor = TrivialStartCost();

    ForegroundWindow driver;
    ASSERT_EQ(GetForegroundWindow(), driver.Handle()) << "the driver could not take the foreground";

    second_ = Process::Start(exe_);
    std::optional<DWORD> code = second_.WaitExit(kStartTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "the second copy keeps running";
    EXPECT_EQ(*code, 0u);
    EXPECT_LE(second_.Elapsed(), floor + 1000)
        << "a program that only loads the same libraries takes " << floor << " ms here";

    PumpFor(500);
    EXPECT_TRUE(first_.Running());
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(GetForegroundWindow(), driver.Handle()) << "the running copy was brought forward";
}

TEST_F(AppLifecycleE2e, AForeignMutexCalledTitleStopsTheStartSilently) {
    ExpectSilentExitWhileNameIsTaken(exe_, "mutex");
}

TEST_F(AppLifecycleE2e, AnEventCalledTitleStopsTheStartSilently) {
    ExpectSilentExitWhileNameIsTaken(exe_, "event");
}

TEST_F(AppLifecycleE2e, ExitButtonEndsTheProgramWithCodeZero) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND exitButton = FindChild(main, "Button", "退出");
    ASSERT_NE(exitButton, nullptr);
    PostButtonClick(exitButton);
    std::optional<DWORD> code = first_.WaitExit(kActionTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "still running after 退出";
    EXPECT_EQ(*code, 0u);
}

TEST_F(AppLifecycleE2e, CloseBoxEndsTheProgramWithCodeZero) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    // A real click through the input queue, once the window is in front and active: a
    // click that arrives while Wine's desktop is still activating the window is dropped.
    ASSERT_TRUE(WaitActive(main)) << "the window does not become the active foreground window";
    // The close box is the skin's: wait until the skin has taken over the frame.
    ASSERT_TRUE(WaitUntil([&] { return WindowIsSkinned(main); })) << "the window is not skinned";
    ASSERT_TRUE(ClickCloseButton(main)) << "the close box does not light up under the mouse and when pressed";
    std::optional<DWORD> code = first_.WaitExit(kActionTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "still running after a click on the close box";
    EXPECT_EQ(*code, 0u);
}

// The list file exists but is locked: loading it fails with the framework's open error,
// at start-up and again on "保存"; each time the error box shows it and the program
// goes on, and once the lock is gone "保存" loads the list.
TEST_F(AppLifecycleE2e, ErrorsInHandlersAreShownAndTheProgramCarriesOn) {
    FILE* f = std::fopen(ListFilePath().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("a.exe\r\nb.exe\r\nc.exe\r\n", f);
    std::fclose(f);
    HANDLE lock = CreateFileA(ListFilePath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    first_ = Process::Start(exe_);
    const std::string expectedStart = "Cannot open file \"" + ListFilePath() + "\". ";
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "at start-up" : "on 保存");
        HWND box = WaitForWindow(first_, "#32770", "Kelvora", kStartTimeoutMs);
        ASSERT_NE(box, nullptr) << "no error box";
        HWND text = GetDlgItem(box, 0xFFFF);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(TextOf(text).rfind(expectedStart, 0), 0u) << TextOf(text);
        HWND icon = nullptr;
        for (HWND w : Descendants(box))
            if (ClassOf(w) == "Static" && (StyleOf(w) & SS_TYPEMASK) == SS_ICON) icon = w;
        ASSERT_NE(icon, nullptr) << "no icon";
        // The error icon is the red one (the box may not have painted it yet).
        auto red = [](unsigned r, unsigned g, unsigned b) { return r > 150 && g < 100 && b < 100; };
        EXPECT_TRUE(WaitUntil([&] {
            Capture picture = CaptureClient(icon);
            return picture.Count(RECT{0, 0, picture.width, picture.height}, red) > 50;
        })) << "not the error icon";
        HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK box has one button";
        PostButtonClick(ok);

        HWND main = WaitForWindow(first_, kMainWindowClass, "Kelvora", kStartTimeoutMs);
        ASSERT_NE(main, nullptr) << "the window does not come up after the error";
        HWND load = nullptr;
        for (HWND w : Descendants(main))
            if (ClassOf(w) == "Button" && TextOf(w) == "保存") load = w;
        ASSERT_NE(load, nullptr);
        if (round == 0) PostButtonClick(load);
    }

    CloseHandle(lock);
    HWND main = WaitForWindow(first_, kMainWindowClass, "Kelvora", kStartTimeoutMs);
    ASSERT_NE(main, nullptr);
    HWND bar = FindChild(main, "msctls_statusbar32", nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(StatusBarText(bar, 1), "") << "a failed load leaves the count alone";
    HWND load = nullptr;
    for (HWND w : Descendants(main))
        if (ClassOf(w) == "Button" && TextOf(w) == "保存") load = w;
    ASSERT_NE(load, nullptr);
    PostButtonClick(load);
    const DWORD start = GetTickCount();
    while (StatusBarText(bar, 1) != "数据版本:3条" && GetTickCount() - start < kActionTimeoutMs) PumpFor(50);
    EXPECT_EQ(StatusBarText(bar, 1), "数据版本:3条");
    EXPECT_TRUE(first_.Running());
}
