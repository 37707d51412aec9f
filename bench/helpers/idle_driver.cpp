// Drives a running Kelvora.exe for the idle benchmark (bench/kelvora_idle.sh):
//   idle_driver shown          waits until the main window is shown
//   idle_driver run-and-hide   runs the one-key optimisation, waits for its last log line,
//                              then sends the window to the tray and waits until it is hidden
// Exit code 0 on success, 1 on time-out.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 90000;

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
    std::vector<char> text(length + 1);
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    return std::string(text.data(), copied);
}

// Waits (sleeping in short steps) until `done` returns true.
bool WaitUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > kTimeoutMs) return false;
        Sleep(50);
    }
    return true;
}

HWND MainWindow() { return FindWindowA("TForm1", nullptr); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> all;
    EnumChildWindows(top, CollectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND FindDescendant(HWND top, const char* windowClass, const std::function<bool(const std::string&)>& text) {
    for (HWND w : Descendants(top))
        if (ClassOf(w) == windowClass && text(TextOf(w))) return w;
    return nullptr;
}

// As the user would: a click on a shown button; for one on a page not shown, the
// notification its parent would get.
void ClickButton(HWND button) {
    if (IsWindowVisible(button)) {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
}

bool ClickButtonCaptioned(HWND top, const char* caption) {
    HWND button = FindDescendant(top, "Button", [caption](const std::string& t) { return t == caption; });
    if (!button) return false;
    ClickButton(button);
    return true;
}

int Fail(const char* what) {
    std::fprintf(stderr, "idle_driver: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!WaitUntil([] { return MainWindow() && IsWindowVisible(MainWindow()); }))
        return Fail("the main window did not show");
    if (mode == "shown") return 0;
    if (mode != "run-and-hide") return Fail("usage: idle_driver shown|run-and-hide");

    HWND main = MainWindow();
    if (!ClickButtonCaptioned(main, "一键优化")) return Fail("no run button");
    const auto runEnded = [main] {
        return FindDescendant(main, "Edit",
                              [](const std::string& t) { return t.find("优化结束...") != std::string::npos; }) !=
               nullptr;
    };
    if (!WaitUntil(runEnded)) return Fail("the run did not end");
    if (!ClickButtonCaptioned(main, "托盘")) return Fail("no tray button");
    if (!WaitUntil([main] { return !IsWindowVisible(main); })) return Fail("the window stayed shown");
    return 0;
}
