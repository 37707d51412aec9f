// Full repaint of the real main window's client area with every control skinned, under
// Wine: the window built from its stored layout, given our skin package (this program
// carries no resources) and skinned by the skin manager as at start-up; then each page
// shown in turn and the whole client area with all its child windows invalidated, erased
// and painted at once (RedrawWindow ... RDW_UPDATENOW). The same for the bare window
// (skinning switched off) beside it, and the floor: what Wine itself takes to repaint
// that many windows, nested as page 1's are, when each paints one filled rectangle.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/win32/PaintTiming.h"
#include "framework/ComCtrls.h"
#include "framework/PrivateMessages.h"
#include "skin/data/SkinManager.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

// KELVORA_BENCH_RUNS makes a short run (for example under WINEDEBUG=+server).
int Runs() {
    const char* given = std::getenv("KELVORA_BENCH_RUNS");
    const int n = given ? std::atoi(given) : 0;
    return n > 0 ? n : 200;
}
const int kRuns = Runs();

bool WaitFor(DWORD ms, bool (*done)(HWND), HWND w) {
    const DWORD start = GetTickCount();
    while (!done(w)) {
        if (GetTickCount() - start > ms) return false;
        Application->ProcessMessages();
        Sleep(5);
    }
    return true;
}

bool FrameSkinned(HWND w) {
    return SendMessageA(w, SKINMSG_PING, 0, SKINMSG_ANNOUNCE_COOKIE) == static_cast<LRESULT>(SKINMSG_ANNOUNCE_COOKIE);
}

BOOL CALLBACK CollectChild(HWND w, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
}

std::vector<HWND> Children(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// The child windows without a skinner (the scroll overlays are the skin's own), named.
void ReportUnskinned(HWND top) {
    int plain = 0;
    std::string names;
    for (HWND w : Children(top)) {
        char cls[64] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (std::string(cls) == "TScrollOverlay" || SendMessageA(w, SKINMSG_QUERY, 0, 0) == 1) continue;
        ++plain;
        names += std::string(" ") + cls;
    }
    std::printf("child windows without a skinner: %d%s\n", plain, names.c_str());
}

void RepaintAll(HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Paint messages per window class in one full repaint (a thread hook sees each one).
std::map<std::string, std::array<int, 4>>* g_census = nullptr;

LRESULT CALLBACK CensusHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_census) {
        const int slot = m->message == WM_PAINT        ? 0
                         : m->message == WM_ERASEBKGND ? 1
                         : m->message == WM_NCPAINT    ? 2
                         : (m->message >= WM_CTLCOLORMSGBOX && m->message <= WM_CTLCOLORSTATIC) ? 3
                                                       : -1;
        if (slot >= 0) {
            char cls[64] = {};
            GetClassNameA(m->hwnd, cls, sizeof cls);
            ++(*g_census)[cls][static_cast<size_t>(slot)];
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PrintPaintCensus(HWND w) {
    std::map<std::string, std::array<int, 4>> census;
    g_census = &census;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CensusHook, nullptr, GetCurrentThreadId());
    RepaintAll(w);
    UnhookWindowsHookEx(hook);
    g_census = nullptr;
    std::printf("paint messages in one full repaint of page 1 (WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_CTLCOLOR* sent to it) by class:\n");
    for (const auto& row : census)
        std::printf("  %-20s %3d %3d %3d %3d\n", row.first.c_str(), row.second[0], row.second[1], row.second[2],
                    row.second[3]);
}

// The floor's windows: no background erasing, one FillRect per paint, the default frame.
LRESULT CALLBACK PlainProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
        EndPaint(w, &ps);
        return 0;
    }
    default: return DefWindowProcA(w, msg, wParam, lParam);
    }
}

// A plain copy of every visible child of from, at the same place under to, and so on down.
void CopyVisibleChildren(HWND from, HWND to) {
    for (HWND c = GetWindow(from, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, from, reinterpret_cast<POINT*>(&r), 2);
        const DWORD clip = static_cast<DWORD>(GetWindowLongPtrA(c, GWL_STYLE)) & (WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
        // Created in z order from the top: each new one goes to the bottom, as c lies.
        HWND copy = CreateWindowExA(0, "KelvoraPlain", "", WS_CHILD | WS_VISIBLE | clip, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, to, nullptr, nullptr, nullptr);
        SetWindowPos(copy, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        CopyVisibleChildren(c, copy);
    }
}

// The floor: a top-level window of the same client size holding the plain copies of the
// current page's visible windows, repainted with the same flags.
void ReportFloor(HWND form) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KelvoraPlain";
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    RECT client;
    GetClientRect(form, &client);
    const DWORD clip = static_cast<DWORD>(GetWindowLongPtrA(form, GWL_STYLE)) & WS_CLIPCHILDREN;
    HWND top = CreateWindowExA(WS_EX_TOOLWINDOW, "KelvoraPlain", "floor", WS_POPUP | WS_VISIBLE | clip, 0, 0,
                               client.right, client.bottom, nullptr, nullptr, nullptr, nullptr);
    CopyVisibleChildren(form, top);
    Application->ProcessMessages();
    const std::string what = "floor: " + std::to_string(Children(top).size()) + " plain windows, page 1";
    Report(what.c_str(), kRuns, [&] { RepaintAll(top); });
    DestroyWindow(top);
    Application->ProcessMessages();
}

}  // namespace

int main() {
    const std::vector<uint8_t> package = OurPackage();
    if (package.empty()) {
        std::printf("window_repaint: no skin package beside the program\n");
        return 1;
    }
    Application->Initialize();
    auto form = MakeUnowned<TForm1>();
    const std::vector<uint8_t> stream = WriteSkinStream(package);
    form->SkinData1->ReadSkinStream(stream.data(), stream.size());
    form->SkinData1->SetActive(true);
    form->Show();
    HWND w = form->Handle();
    if (!WaitFor(20000, FrameSkinned, w)) {
        std::printf("window_repaint: the window was not skinned\n");
        return 1;
    }
    for (int i = 0; i < 50; ++i) {  // the control skinners come with the first activation
        Application->ProcessMessages();
        Sleep(10);
    }
    ReportUnskinned(w);
    form->TimerGet->SetEnabled(false);  // its 10 ms tick is no part of a repaint

    for (int page = 0; page < 3; ++page) {
        form->PageControl1->SetActivePageIndex(page);
        Application->ProcessMessages();
        const std::string what = "skinned client repaint, page " + std::to_string(page + 1);
        Report(what.c_str(), kRuns, [&] { RepaintAll(w); });
    }
    form->PageControl1->SetActivePageIndex(0);
    Application->ProcessMessages();
    ReportFloor(w);
    Report("skinned client repaint, page 1, again", kRuns, [&] { RepaintAll(w); });
    PrintPaintCensus(w);
    // Where page 1's time goes: each visible window repainted alone (its children not).
    std::printf("page 1, each visible window alone (0.2 ms or more):\n");
    std::vector<HWND> windows = Children(w);
    windows.insert(windows.begin(), w);
    for (HWND c : windows) {
        if (!IsWindowVisible(c)) continue;
        const Figure f = Measure(30, [&] { RedrawWindow(c, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
        char cls[64] = {}, text[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        GetWindowTextA(c, text, sizeof text);
        if (f.cpu >= 200) std::printf("  %-16s %-24s %8.1f us median, %8.1f us processor\n", cls, text, f.median, f.cpu);
    }
    // Skinning off: every skinner passes its messages straight through.
    for (HWND c : Children(w)) SendMessageA(c, SKINMSG_ENABLE, 0, 0);
    Application->ProcessMessages();
    Report("same client area, control skinners off, page 1", kRuns, [&] { RepaintAll(w); });
    form.reset();
    TSkinManager::Destroy();
    return 0;
}
