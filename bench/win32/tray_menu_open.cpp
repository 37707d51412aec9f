// Time from opening the tray menu (the program's eight items) to its window's first
// finished paint, with our skin on the menu and with the system's own menu, in turns in
// one run. The menu is closed as soon as its first paint is done. Then, in openings of
// their own, where that time goes: each message to the menu window and to the window that
// measures and draws the items, its own time (without the messages it sends on) per opening.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "bench/win32/PaintTiming.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

double g_painted = 0;

bool IsMenuWindow(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32768") == 0;
}

// The profile: messages being handled (innermost last) and the own time of each message.
struct Open {
    UINT message;
    double start;
    double inner;  // time of the messages sent while this one was handled
};
bool g_profiling = false;
std::vector<Open> g_open;  // sent messages being handled, innermost last
std::map<UINT, std::pair<double, int>> g_own;  // message -> own time, count

// Sees every message sent to a window procedure on this thread.
LRESULT CALLBACK BeforeProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* c = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_profiling) g_open.push_back({c->message, Now(), 0});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Painted() {
    g_painted = Now();
    g_profiling = false;  // the profile ends with the first paint
    EndMenu();
}

// The menu window's procedure, put over whatever the window got at its creation: the
// first WM_PAINT that has returned marks the menu painted. (A hook on every message would
// cost the owner-drawn menu more than the system's, for its item messages.)
WNDPROC g_menuProcedure = nullptr;
LRESULT CALLBACK MenuProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(g_menuProcedure, window, message, wParam, lParam);
    if (message == WM_PAINT && g_painted == 0) Painted();
    return result;
}

LRESULT CALLBACK OnCreation(int code, WPARAM wParam, LPARAM lParam) {
    // The skin manager's hook runs first: its skinner is on the window before ours.
    const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && IsMenuWindow(window))
        g_menuProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuProcedure)));
    return result;
}

// Sees every window procedure return on this thread (the profile only).
LRESULT CALLBACK AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* c = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    // Messages are only taken in while profiling; the last ones may return after its end.
    if (code == HC_ACTION && !g_open.empty() && g_open.back().message == c->message) {
        const Open o = g_open.back();
        g_open.pop_back();
        const double total = Now() - o.start;
        auto& own = g_own[o.message];
        own.first += total - o.inner;
        ++own.second;
        if (!g_open.empty()) g_open.back().inner += total;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

const char* MessageName(UINT message) {
    switch (message) {
        case WM_CREATE: return "WM_CREATE";
        case WM_NCCREATE: return "WM_NCCREATE";
        case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
        case WM_NCPAINT: return "WM_NCPAINT";
        case WM_ERASEBKGND: return "WM_ERASEBKGND";
        case WM_PAINT: return "WM_PAINT";
        case WM_PRINTCLIENT: return "WM_PRINTCLIENT";
        case WM_MEASUREITEM: return "WM_MEASUREITEM";
        case WM_DRAWITEM: return "WM_DRAWITEM";
        case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
        case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
        case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
        case WM_INITMENUPOPUP: return "WM_INITMENUPOPUP";
        case WM_ENTERMENULOOP: return "WM_ENTERMENULOOP";
        case WM_MENUSELECT: return "WM_MENUSELECT";
        default: return nullptr;
    }
}

void AddItems(TForm& owner, TPopupMenu& menu) {
    for (const char* caption : {"一键清理", "-", "检测更新", "-", "显示窗口", "隐藏窗口", "-", "退出程序"}) {
        TMenuItem* item = MakeComponent<TMenuItem>(&owner);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
}

// Median microseconds from Popup to the first finished paint over `runs` openings, and
// the processor time of a whole opening (to the menu's close).
Figure OpenToPaint(TForm& owner, TPopupMenu& menu, int runs) {
    std::vector<double> times;
    const double cpuStart = CpuMicroseconds();
    for (int i = 0; i < runs; ++i) {
        SetForegroundWindow(owner.Handle());
        Application->ProcessMessages();
        g_painted = 0;
        const double start = Now();
        menu.Popup(200, 200);
        if (g_painted > 0) times.push_back(g_painted - start);
    }
    const double cpu = (CpuMicroseconds() - cpuStart) / runs;
    if (times.empty()) return {-1, cpu};
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return {times[times.size() / 2], cpu};
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Own time of each message that takes any, and the time outside all of them: medians over
// the openings (a busy machine stretches single openings, not the middle one).
void Profile(TForm& owner, TPopupMenu& menu, const char* what, int runs) {
    std::vector<double> wholes;
    std::map<UINT, std::vector<double>> own;  // per message, its own time in each opening
    std::map<UINT, int> calls;
    std::vector<double> outside;
    for (int i = 0; i < runs; ++i) {
        SetForegroundWindow(owner.Handle());
        Application->ProcessMessages();
        g_own.clear();
        g_open.clear();
        g_painted = 0;
        g_profiling = true;
        const double start = Now();
        menu.Popup(200, 200);
        g_profiling = false;
        if (g_painted == 0) continue;
        wholes.push_back(g_painted - start);
        double inside = 0;
        for (const auto& [message, time] : g_own) {
            inside += time.first;
            own[message].resize(wholes.size() - 1);
            own[message].push_back(time.first);
            calls[message] += time.second;
        }
        outside.push_back(wholes.back() - inside);
    }
    if (wholes.empty()) return;
    const size_t opened = wholes.size();
    std::printf("  %s, medians of %d openings: %.0f us to first paint\n", what, static_cast<int>(opened),
                Median(wholes));
    double others = 0;
    for (auto& [message, times] : own) {
        times.resize(opened);
        const double us = Median(times);
        const char* name = MessageName(message);
        if (name && us >= 20)
            std::printf("    %-22s %7.0f us in %.1f calls\n", name, us, static_cast<double>(calls[message]) / opened);
        else
            others += us;
    }
    std::printf("    %-22s %7.0f us\n", "other messages", others);
    std::printf("    %-22s %7.0f us\n", "outside these", Median(outside));
}

}  // namespace

int main() {
    if (TSkinManager::Instance()) TSkinManager::Destroy();
    auto owner = MakeUnowned<TForm>();
    TSkinData* data = OurManagingSkinData(owner.get());
    if (data->NoSkinLoaded() || !TSkinManager::Instance()) {
        std::printf("tray_menu_open: no skin package beside the program\n");
        return 1;
    }
    owner->SetBounds(60, 60, 320, 220);
    owner->Show();
    for (int i = 0; i < 20; ++i) Application->ProcessMessages();

    // The same items twice: one menu with the skinned item handlers, one without.
    TPopupMenu* skinned = MakeComponent<TPopupMenu>(owner.get());
    AddItems(*owner, *skinned);
    InstallMenuItemHandlers(*skinned, data);
    TPopupMenu* plain = MakeComponent<TPopupMenu>(owner.get());
    AddItems(*owner, *plain);

    HHOOK hook = SetWindowsHookExA(WH_CBT, OnCreation, nullptr, GetCurrentThreadId());
    constexpr int kRuns = 15;
    double skinnedTotal = 0, plainTotal = 0, skinnedCpu = 0, plainCpu = 0;
    int rounds = 0;
    for (int round = 0; round < 3; ++round) {
        // The manager skins every menu window it sees; without it the menu is the system's.
        const Figure s = OpenToPaint(*owner, *skinned, kRuns);
        TSkinManager::Instance()->SkinningOn = false;
        const Figure p = OpenToPaint(*owner, *plain, kRuns);
        TSkinManager::Instance()->SkinningOn = true;
        if (s.median < 0 || p.median < 0) continue;
        skinnedTotal += s.median;
        plainTotal += p.median;
        skinnedCpu += s.cpu;
        plainCpu += p.cpu;
        ++rounds;
    }
    if (rounds == 0) {
        UnhookWindowsHookEx(hook);
        std::printf("tray_menu_open: the menu was never painted\n");
        return 1;
    }
    std::printf("tray menu open to first paint: skinned %.0f us, system menu %.0f us, ratio %.2f (%d rounds of %d)\n",
                skinnedTotal / rounds, plainTotal / rounds, skinnedTotal / plainTotal, rounds, kRuns);
    std::printf("processor time per whole opening: skinned %.0f us, system menu %.0f us, ratio %.2f\n",
                skinnedCpu / rounds, plainCpu / rounds, skinnedCpu / plainCpu);

    HHOOK after = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterProcedure, nullptr, GetCurrentThreadId());
    HHOOK before = SetWindowsHookExA(WH_CALLWNDPROC, BeforeProcedure, nullptr, GetCurrentThreadId());
    Profile(*owner, *skinned, "skinned", 31);
    TSkinManager::Instance()->SkinningOn = false;
    Profile(*owner, *plain, "system menu", 31);
    TSkinManager::Instance()->SkinningOn = true;
    UnhookWindowsHookEx(before);
    UnhookWindowsHookEx(after);
    UnhookWindowsHookEx(hook);
    return 0;
}
