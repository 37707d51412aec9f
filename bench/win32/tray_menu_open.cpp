// Time from opening the tray menu (the program's eight items) to its window's first
// finished paint, with our skin on the menu and with the system's own menu, in turns in
// one run. The menu is closed as soon as its first paint is done.
#include <windows.h>

#include <algorithm>
#include <cstdio>
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

// Sees every window procedure return on this thread: the first WM_PAINT of a menu
// window that has returned marks the menu painted.
LRESULT CALLBACK AfterProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto* c = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && c->message == WM_PAINT && g_painted == 0 && IsMenuWindow(c->hwnd)) {
        g_painted = Now();
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void AddItems(TForm& owner, TPopupMenu& menu) {
    for (const char* caption : {"一键清理", "-", "检测更新", "-", "显示窗口", "隐藏窗口", "-", "退出程序"}) {
        TMenuItem* item = MakeComponent<TMenuItem>(&owner);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
}

// Median microseconds from Popup to the first finished paint over `runs` openings.
double OpenToPaint(TForm& owner, TPopupMenu& menu, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        SetForegroundWindow(owner.Handle());
        Application->ProcessMessages();
        g_painted = 0;
        const double start = Now();
        menu.Popup(200, 200);
        if (g_painted > 0) times.push_back(g_painted - start);
    }
    if (times.empty()) return -1;
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    if (TSkinManager::Instance()) TSkinManager::Destroy();
    auto owner = MakeUnowned<TForm>();
    TSkinData* data = MakeComponent<TSkinData>(owner.get());
    data->SetLoading(true);
    data->FormScope = sfMainform;
    data->SetActive(true);
    const std::vector<uint8_t> stream = WriteSkinStream(OurPackage());
    data->ReadSkinStream(stream.data(), stream.size());
    data->Loaded();
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

    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterProcedure, nullptr, GetCurrentThreadId());
    constexpr int kRuns = 15;
    double skinnedTotal = 0, plainTotal = 0;
    int rounds = 0;
    for (int round = 0; round < 3; ++round) {
        // The manager skins every menu window it sees; without it the menu is the system's.
        const double s = OpenToPaint(*owner, *skinned, kRuns);
        TSkinManager::Instance()->SkinningOn = false;
        const double p = OpenToPaint(*owner, *plain, kRuns);
        TSkinManager::Instance()->SkinningOn = true;
        if (s < 0 || p < 0) continue;
        skinnedTotal += s;
        plainTotal += p;
        ++rounds;
    }
    UnhookWindowsHookEx(hook);
    if (rounds == 0) {
        std::printf("tray_menu_open: the menu was never painted\n");
        return 1;
    }
    std::printf("tray menu open to first paint: skinned %.0f us, system menu %.0f us, ratio %.2f (%d rounds of %d)\n",
                skinnedTotal / rounds, plainTotal / rounds, skinnedTotal / plainTotal, rounds, kRuns);
    return 0;
}
