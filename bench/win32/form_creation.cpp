// Where the main window's construction spends its time, under Wine: the real window built
// from its stored layout several times over (this program carries no resources: the skin
// package is read after the constructor, and timed apart), each build timed as
// a whole and in its window creations (a thread hook notes each one), with the messages
// that the windows of the form received while it was built, by kind and window class.
// Then the time from Show() to the first skinned paint of the frame.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/win32/PaintTiming.h"
#include "framework/PrivateMessages.h"
#include "skin/data/SkinManager.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

constexpr int kRounds = 7;

struct Tally {
    int created = 0;
    double firstCreate = 0;
    double lastCreate = 0;
    std::map<std::string, int> sent;  // "class message" -> count
    std::vector<std::pair<double, std::string>> made;  // when, class
    bool counting = false;       // window creations
    bool countMessages = false;  // and messages
} g_tally;

std::string ClassOf(HWND w) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    return cls;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_tally.counting) {
        const double t = Now();
        if (g_tally.created++ == 0) g_tally.firstCreate = t;
        g_tally.lastCreate = t;
        const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        const char* name = create->lpcs->lpszClass;
        g_tally.made.push_back({t, HIWORD(reinterpret_cast<uintptr_t>(name)) ? name : "(atom)"});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && g_tally.countMessages) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
        char key[96];
        std::snprintf(key, sizeof key, "%-18s 0x%04X", ClassOf(m->hwnd).c_str(), m->message);
        ++g_tally.sent[key];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool FrameSkinned(HWND w) {
    return SendMessageA(w, SKINMSG_PING, 0, SKINMSG_ANNOUNCE_COOKIE) == static_cast<LRESULT>(SKINMSG_ANNOUNCE_COOKIE);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main() {
    const std::vector<uint8_t> package = OurPackage();
    if (package.empty()) {
        std::printf("form_creation: no skin package beside the program\n");
        return 1;
    }
    const std::vector<uint8_t> stream = WriteSkinStream(package);
    Application->Initialize();
    HHOOK cbt = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    HHOOK sent = nullptr;
    std::vector<double> build, buildCpu, windows, skinRead, toSkinned;
    for (int round = 0; round < kRounds; ++round) {
        g_tally = Tally{};
        g_tally.counting = true;
        g_tally.countMessages = round == kRounds - 1;  // the last round only: the hook costs time
        if (g_tally.countMessages) sent = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
        const double cpuStart = CpuMicroseconds();
        const double start = Now();
        auto form = MakeUnowned<TForm1>();
        const double built = Now();
        buildCpu.push_back((CpuMicroseconds() - cpuStart) / 1000);
        g_tally.counting = g_tally.countMessages = false;
        if (sent) UnhookWindowsHookEx(sent);
        sent = nullptr;
        form->TimerGet->SetEnabled(false);
        const double readStart = Now();
        form->SkinData1->ReadSkinStream(stream.data(), stream.size());
        form->SkinData1->SetActive(true);
        skinRead.push_back((Now() - readStart) / 1000);
        build.push_back((built - start) / 1000);
        windows.push_back((g_tally.lastCreate - g_tally.firstCreate) / 1000);
        std::printf("round %d: constructor %.1f ms (%.1f ms processor), %d windows made in %.1f ms (first at %.1f ms)\n",
                    round + 1, build.back(), buildCpu.back(), g_tally.created, windows.back(),
                    (g_tally.firstCreate - start) / 1000);
        if (round == kRounds - 1) {
            std::printf("windows made in the last round (ms from the start of the constructor):\n");
            for (const auto& m : g_tally.made) std::printf("  %7.1f  %s\n", (m.first - start) / 1000, m.second.c_str());
        }
        const double show = Now();
        form->Show();
        HWND w = form->Handle();
        while (!FrameSkinned(w) && Now() - show < 20e6) {
            Application->ProcessMessages();
            Sleep(1);
        }
        toSkinned.push_back((Now() - show) / 1000);
        form.reset();
        Application->ProcessMessages();
    }
    std::printf("median: constructor %.1f ms (%.1f ms processor), its window creations %.1f ms, skin package "
                "read %.1f ms, Show() to skinned frame %.1f ms\n",
                Median(build), Median(buildCpu), Median(windows), Median(skinRead), Median(toSkinned));
    std::printf("messages sent to windows while the last form was built (3 or more):\n");
    std::vector<std::pair<int, std::string>> rows;
    for (const auto& kv : g_tally.sent) rows.push_back({kv.second, kv.first});
    std::sort(rows.rbegin(), rows.rend());
    for (const auto& r : rows)
        if (r.first >= 3) std::printf("  %5d  %s\n", r.first, r.second.c_str());
    UnhookWindowsHookEx(cbt);
    TSkinManager::Destroy();
    return 0;
}
