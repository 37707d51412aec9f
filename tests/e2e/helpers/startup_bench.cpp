// Benchmark: process start to the first paint of the main window, for Kelvora.exe and for
// the minimal window program side by side, alternating, several rounds.
//   startup_bench KELVORA_EXE MINIMAL_EXE [ROUNDS [BASELINE_KELVORA_EXE]]
// With a baseline (another build of Kelvora), each round also starts it, so a change can be
// judged against figures taken under the same load.
// "Painted" means: the program's visible top-level window with the expected caption
// exists and the screen shows blue at client point (20, 80) (Kelvora's banner there, the
// minimal program's whole client area). A skinned Kelvora counts as painted only once its
// window also answers the skin's ping, which it does after its skinned frame is painted;
// whether it is skinned is learnt from an unmeasured first start. Prints each time and the
// medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/PrivateMessages.h"

namespace {

struct Search {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindCaption(HWND window, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char text[64] = {};
    if (pid == s->processId && IsWindowVisible(window) && GetWindowTextA(window, text, sizeof text) &&
        std::string(text) == s->caption) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

bool LooksBlue(COLORREF c) {
    const int r = GetRValue(c), b = GetBValue(c);
    return c != CLR_INVALID && b > 120 && b > r + 60;
}

// A copy of the exe in its own folder, so each start is a clean first start.
std::string CopyToTemp(const std::string& exe, const char* folderName, bool makeGui) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + folderName + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + exe.substr(exe.find_last_of('\\') + 1);
    std::ifstream in(exe, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (makeGui && bytes.size() > 0x40) {
        // The helper is linked as a console program; mark it a GUI program like Kelvora.exe
        // (PE optional header Subsystem = IMAGE_SUBSYSTEM_WINDOWS_GUI) so both start alike.
        const DWORD peOffset = *reinterpret_cast<const DWORD*>(&bytes[0x3C]);
        if (peOffset + 0x5E < bytes.size()) *reinterpret_cast<WORD*>(&bytes[peOffset + 0x5C]) = 2;
    }
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return copy;
}

// Whether the window's skin answers the ping (it does once the skinned frame is painted).
bool AnswersSkinPing(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, SKINMSG_PING, 0, SKINMSG_ANNOUNCE_COOKIE, SMTO_ABORTIFHUNG, 1000, &answer) &&
           answer == static_cast<DWORD_PTR>(SKINMSG_ANNOUNCE_COOKIE);
}

enum class Ready { FirstPaint, SkinnedPaint };

struct Start {
    double ms = -1;        // from CreateProcess to ready; -1 on timeout
    bool skinned = false;  // the window answered the skin's ping
    double painted = -1;   // from CreateProcess to the first paint of the client area
};

// Starts `exe` and waits until its window is ready as `ready` says. With `learn`, waits on
// after the first paint for up to 5 s to find out whether the window is skinned.
Start TimeToReady(const std::string& exe, const char* caption, Ready ready, bool learn = false) {
    std::string commandLine = "\"" + exe + "\"";
    std::string folder = exe.substr(0, exe.find_last_of('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return {};
    Start result;
    double paintedAt = -1;
    HDC screen = GetDC(nullptr);
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * (now.QuadPart - begin.QuadPart) / frequency.QuadPart;
        if (ms > 120000 || WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
        if (learn && paintedAt >= 0 && ms > paintedAt + 5000) {
            result.ms = paintedAt;  // painted, never skinned
            break;
        }
        Search s{info.dwProcessId, caption, nullptr};
        EnumWindows(FindCaption, reinterpret_cast<LPARAM>(&s));
        if (s.found) {
            POINT p{20, 80};
            ClientToScreen(s.found, &p);
            if (paintedAt < 0 && LooksBlue(GetPixel(screen, p.x, p.y))) paintedAt = ms;
            if (paintedAt >= 0 && ready == Ready::FirstPaint && !learn) {
                result.ms = ms;
                break;
            }
            if (paintedAt >= 0 && (ready == Ready::SkinnedPaint || learn) && AnswersSkinPing(s.found)) {
                result = Start{ms, true, paintedAt};
                break;
            }
        }
        Sleep(1);
    }
    ReleaseDC(nullptr, screen);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    Sleep(300);  // let the desktop settle before the next start
    return result;
}

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench KELVORA_EXE MINIMAL_EXE [ROUNDS [BASELINE_KELVORA_EXE]]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 5;
    const std::string kelvora = CopyToTemp(argv[1], "kelvora-bench-app", false);
    const std::string minimal = CopyToTemp(argv[2], "kelvora-bench-minimal", true);
    const std::string baseline = argc > 4 ? CopyToTemp(argv[4], "kelvora-bench-baseline", false) : std::string();
    std::vector<double> k, m, kp, b;
    // One unmeasured start of each first: the first start in a prefix loads more. Kelvora's
    // also tells whether it is skinned, and so what it has to wait for.
    const bool skinned = TimeToReady(kelvora, "Kelvora", Ready::FirstPaint, true).skinned;
    const Ready kelvoraReady = skinned ? Ready::SkinnedPaint : Ready::FirstPaint;
    std::printf("Kelvora %s\n", skinned ? "is skinned: timed to its first skinned paint (the skin answers its ping)"
                                       : "is not skinned: timed to its first paint");
    TimeToReady(minimal, "Minimal", Ready::FirstPaint);
    if (!baseline.empty()) TimeToReady(baseline, "Kelvora", kelvoraReady);
    for (int i = 0; i < rounds; ++i) {
        const Start sb = baseline.empty() ? Start{} : TimeToReady(baseline, "Kelvora", kelvoraReady);
        const double tb = sb.ms;
        const Start sk = TimeToReady(kelvora, "Kelvora", kelvoraReady);
        const double tk = sk.ms;
        const double tm = TimeToReady(minimal, "Minimal", Ready::FirstPaint).ms;
        if (skinned)
            std::printf("round %d: Kelvora %.0f ms (client first painted at %.0f ms), minimal %.0f ms", i + 1, tk,
                        sk.painted, tm);
        else
            std::printf("round %d: Kelvora %.0f ms, minimal %.0f ms", i + 1, tk, tm);
        if (!baseline.empty()) std::printf(", baseline %.0f ms", tb);
        std::printf("\n");
        std::fflush(stdout);
        if (sk.painted >= 0) kp.push_back(sk.painted);
        if (tk >= 0) k.push_back(tk);
        if (tm >= 0) m.push_back(tm);
        if (tb >= 0) b.push_back(tb);
    }
    const double mk = Median(k), mm = Median(m);
    std::printf("median start to first %spaint: Kelvora %.0f ms, minimal %.0f ms, ratio %.2f\n",
                skinned ? "skinned " : "", mk, mm, mm > 0 ? mk / mm : 0.0);
    if (skinned && !kp.empty())
        std::printf("median start to the first paint of Kelvora's client area: %.0f ms, ratio %.2f\n", Median(kp),
                    mm > 0 ? Median(kp) / mm : 0.0);
    if (!baseline.empty())
        std::printf("median baseline: %.0f ms, ratio %.2f\n", Median(b), mm > 0 ? Median(b) / mm : 0.0);
    const size_t expected = static_cast<size_t>(rounds);
    return k.size() == expected && m.size() == expected && (baseline.empty() || b.size() == expected) ? 0 : 1;
}
