// Repaint of a skinned 120 x 40 push button under our skin: WM_PAINT into a memory DC
// (the face composed, its caption drawn and the picture put on the DC in one blit), at
// rest and while hover and press change its face.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/StdCtrls.h"
#include "skin/controls/SkinButtons.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1e6 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto us = [](const FILETIME& f) {
        return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) / 10.0;
    };
    return us(kernel) + us(user);
}

template <typename F>
void Report(const char* what, int runs, F&& body) {
    body();
    std::vector<double> times;
    const double cpuStart = CpuMicroseconds();
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        body();
        times.push_back(Now() - start);
    }
    const double cpu = (CpuMicroseconds() - cpuStart) / runs;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    std::printf("%-40s %8.1f us median of %d, %8.1f us processor time per run\n", what,
                times[static_cast<size_t>(runs / 2)], runs, cpu);
}

}  // namespace

int main() {
    auto data = OurSkinData();
    if (data->NoSkinLoaded()) {
        std::printf("button_paint: no skin package beside the program\n");
        return 1;
    }
    auto form = MakeUnowned<TForm>();
    form->SetClientSize(300, 200);
    form->Show();
    auto* button = MakeComponent<TButton>(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 120, 40);
    button->SetCaption("一键优化");
    button->HandleNeeded();
    MakeComponent<TSkinButton>(button)->Attach(nullptr, data.get(), false, nullptr);
    Application->ProcessMessages();
    HWND w = button->Handle();

    MemoryDcHandle memory(CreateCompatibleDC(nullptr));
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 120, 40));
    SelectScope select(memory.get(), bitmap.get());
    const WPARAM dc = reinterpret_cast<WPARAM>(memory.get());
    Report("button repaint (WM_PAINT, memory DC)", 1000, [&] { SendMessageW(w, WM_PAINT, dc, 0); });
    int i = 0;
    Report("hover on and off, each repainted twice", 1000, [&] {
        SendMessageW(w, (++i % 2) ? WM_MOUSEMOVE : WM_MOUSELEAVE, 0, MAKELPARAM(5, 5));
        SendMessageW(w, WM_PAINT, dc, 0);
    });
    return 0;
}
